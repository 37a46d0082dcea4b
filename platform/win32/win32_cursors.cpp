#include "platform/win32/win32_cursors.h"

#include <windows.h>

#include "platform/dpi_scale.h"
#include "platform/win32/screen_dpi.h"

namespace platform {
namespace {

HCURSOR toNative(CursorHandle cursor) {
    return reinterpret_cast<HCURSOR>(cursor);
}
CursorHandle fromNative(HANDLE cursor) {
    return reinterpret_cast<CursorHandle>(cursor);
}

// The system cursor of each kind, in the order of CursorKind.
const wchar_t* systemCursorName(CursorKind kind) {
    static const wchar_t* const names[kCursorKindCount] = {
        IDC_ARROW,    IDC_HELP,     IDC_APPSTARTING, IDC_WAIT,    IDC_CROSS,
        IDC_IBEAM,    IDC_HAND,     IDC_NO,          IDC_SIZENS,  IDC_SIZEWE,
        IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEALL,     IDC_UPARROW,
    };
    return names[static_cast<size_t>(kind)];
}

}  // namespace

Win32Cursors::~Win32Cursors() {
    for (const auto cursor : programCursors_) {
        destroy(cursor);
    }
}

CursorHandle Win32Cursors::loadFromFile(const std::wstring& path) {
    HANDLE image =
        LoadImageW(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE);
    if (image == nullptr) {
        image = LoadCursorFromFileW(path.c_str());
    }
    return fromNative(image);
}

std::future<std::vector<CursorHandle>> Win32Cursors::loadFromFilesLater(
    std::vector<std::wstring> paths) {
    return std::async(std::launch::deferred,
                      [this, paths = std::move(paths)] { return loadFromFiles(paths); });
}

CursorHandle Win32Cursors::copy(CursorHandle cursor) {
    if (cursor == kNoCursor) {
        return kNoCursor;
    }
    return fromNative(CopyIcon(reinterpret_cast<HICON>(cursor)));
}

void Win32Cursors::destroy(CursorHandle cursor) {
    if (cursor != kNoCursor) {
        DestroyCursor(toNative(cursor));
    }
}

CursorMetrics Win32Cursors::metrics() {
    const DpiScale scale(screenDpi());
    const auto metric = [&scale](int index) { return scale.toLogical(GetSystemMetrics(index)); };
    CursorMetrics m;
    m.iconWidth = metric(SM_CXICON);
    m.iconHeight = metric(SM_CYICON);
    m.cursorWidth = metric(SM_CXCURSOR);
    m.cursorHeight = metric(SM_CYCURSOR);
    m.verticalScrollBarWidth = metric(SM_CXVSCROLL);
    return m;
}

void Win32Cursors::setProgramCursor(CursorKind kind, CursorHandle cursor) {
    auto& slot = programCursors_[static_cast<size_t>(kind)];
    const CursorHandle replaced = slot;
    slot = cursor;
    if (replaced != cursor) {
        destroy(replaced);
    }
}

CursorHandle Win32Cursors::programCursor(CursorKind kind) {
    const CursorHandle chosen = programCursors_[static_cast<size_t>(kind)];
    if (chosen != kNoCursor) {
        return chosen;
    }
    return fromNative(LoadCursorW(nullptr, systemCursorName(kind)));
}

}  // namespace platform
