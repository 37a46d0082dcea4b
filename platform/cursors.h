#pragma once

#include <future>
#include <string>
#include <utility>
#include <vector>

#include "platform/cursor_handle.h"

namespace platform {

// The pointer shapes the program's own windows show. Each can be given another
// cursor, as a pointer scheme applied to the program does.
enum class CursorKind {
    Arrow,
    Help,
    AppStarting,  // arrow with hourglass: working in background
    Wait,         // hourglass: busy
    Cross,
    IBeam,
    Hand,
    No,
    SizeNS,
    SizeWE,
    SizeNWSE,
    SizeNESW,
    SizeAll,
    UpArrow,
};
inline constexpr int kCursorKindCount = 14;

// The sizes that drawing cursors and icons in lists needs, in the windows'
// layout pixels (those of a 96-DPI screen, whatever the screen's DPI).
struct CursorMetrics {
    int iconWidth = 0;
    int iconHeight = 0;
    int cursorWidth = 0;
    int cursorHeight = 0;
    int verticalScrollBarWidth = 0;
};

// Cursor images: loaded from files, copied, destroyed, and handed to the
// program's windows. Every handle that loadFromFile or copy returns belongs to the
// caller until it is destroyed or given to setProgramCursor.
//
// For the window layer: when a window of the program gets WM_SETCURSOR (or its
// headless equivalent), it shows programCursor(kind) for the kind it wants; the
// hourglass the program shows during long steps is programCursor(CursorKind::Wait).
class Cursors {
public:
    virtual ~Cursors() = default;

    // A .cur or .ani file as a cursor at the system's default cursor size; the file's
    // content decides which it is. kNoCursor when the file is missing or is no cursor.
    virtual CursorHandle loadFromFile(const std::wstring& path) = 0;
    // Loads each file as loadFromFile does, for a caller that need not wait for
    // them now: the future gives one handle per path, in order. This one loads
    // them at once; the real service may read them as late as when the future
    // is first asked.
    virtual std::future<std::vector<CursorHandle>> loadFromFilesLater(
        std::vector<std::wstring> paths) {
        std::promise<std::vector<CursorHandle>> loaded;
        loaded.set_value(loadFromFiles(paths));
        return loaded.get_future();
    }
    // An independent copy, to be destroyed on its own; kNoCursor for kNoCursor.
    virtual CursorHandle copy(CursorHandle cursor) = 0;
    // Frees a cursor; kNoCursor is ignored.
    virtual void destroy(CursorHandle cursor) = 0;

    virtual CursorMetrics metrics() = 0;

    // From now on the program's windows show cursor for kind. The service takes the
    // cursor over and destroys the one it replaces; kNoCursor puts the system's own
    // cursor of that kind back.
    virtual void setProgramCursor(CursorKind kind, CursorHandle cursor) = 0;
    // The cursor to show for kind: the one set for it, else the system's own, which is
    // shared and must never be destroyed.
    virtual CursorHandle programCursor(CursorKind kind) = 0;

protected:
    std::vector<CursorHandle> loadFromFiles(const std::vector<std::wstring>& paths) {
        std::vector<CursorHandle> loaded;
        for (const auto& path : paths) {
            loaded.push_back(loadFromFile(path));
        }
        return loaded;
    }
};

}  // namespace platform
