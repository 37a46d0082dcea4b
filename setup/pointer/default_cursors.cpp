#include "setup/pointer/default_cursors.h"

namespace setup {

void DefaultCursors::load(const std::wstring& installDirectory) {
    release();
    std::vector<std::wstring> files;
    for (size_t role = 1; role <= loaded_.size(); ++role) {
        files.push_back(installDirectory + L"\\p\\P" + std::to_wstring(role) + L".cur");
    }
    loading_ = cursors_.loadFromFilesLater(std::move(files));
}

platform::CursorHandle DefaultCursors::operator[](int role) {
    takeLoaded();
    return loaded_.at(static_cast<size_t>(role));
}

DefaultCursors::Iterator DefaultCursors::begin() {
    takeLoaded();
    return loaded_.cbegin();
}

DefaultCursors::Iterator DefaultCursors::end() {
    takeLoaded();
    return loaded_.cend();
}

void DefaultCursors::release() {
    takeLoaded();
    for (auto& cursor : loaded_) {
        cursors_.destroy(cursor);
        cursor = platform::kNoCursor;
    }
}

void DefaultCursors::takeLoaded() {
    if (!loading_.valid()) {
        return;
    }
    const auto handles = loading_.get();
    for (size_t role = 0; role < loaded_.size() && role < handles.size(); ++role) {
        loaded_[role] = handles[role];
    }
}

}  // namespace setup
