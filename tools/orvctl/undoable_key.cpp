#include "tools/orvctl/undoable_key.h"

namespace orvctl {

void UndoableKey::remember(const std::wstring& name) {
    before_.emplace_back(name, key_.readValue(name));
}

void UndoableKey::write(const std::wstring& name, const std::wstring& text) {
    remember(name);
    key_.writeString(name, text);
}

void UndoableKey::remove(const std::wstring& name) {
    remember(name);
    key_.deleteValue(name);
}

void UndoableKey::rollBack() {
    for (auto it = before_.rbegin(); it != before_.rend(); ++it) {
        if (it->second) {
            key_.writeValue(it->first, *it->second);
        } else {
            key_.deleteValue(it->first);
        }
    }
    before_.clear();
}

}  // namespace orvctl
