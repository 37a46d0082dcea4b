#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace orvctl {

// Changes the values of one key so that they can all be taken back: each
// value's earlier state is remembered before it is changed. A command that
// meets a refused write rolls back, and the store ends exactly as before.
class UndoableKey {
public:
    explicit UndoableKey(platform::RegistryKey& key) : key_(key) {}

    void write(const std::wstring& name, const std::wstring& text);
    void remove(const std::wstring& name);
    // Puts every changed value back, the latest change first.
    void rollBack();

private:
    void remember(const std::wstring& name);

    platform::RegistryKey& key_;
    std::vector<std::pair<std::wstring, std::optional<platform::RegistryValue>>> before_;
};

}  // namespace orvctl
