#pragma once

#include <array>

#include "platform/cursors.h"

namespace platform {

// Cursors through the Win32 API. Animated cursors that LoadImageW refuses are
// loaded with LoadCursorFromFileW, which also sizes them as the system does.
class Win32Cursors : public Cursors {
public:
    Win32Cursors() = default;
    ~Win32Cursors() override;
    Win32Cursors(const Win32Cursors&) = delete;
    Win32Cursors& operator=(const Win32Cursors&) = delete;

    CursorHandle loadFromFile(const std::wstring& path) override;
    // Reads the files when the cursors are first asked for: a thread of its
    // own would compete with the window being made for the system's time.
    std::future<std::vector<CursorHandle>> loadFromFilesLater(
        std::vector<std::wstring> paths) override;
    CursorHandle copy(CursorHandle cursor) override;
    void destroy(CursorHandle cursor) override;
    CursorMetrics metrics() override;
    void setProgramCursor(CursorKind kind, CursorHandle cursor) override;
    CursorHandle programCursor(CursorKind kind) override;

private:
    std::array<CursorHandle, kCursorKindCount> programCursors_{};
};

}  // namespace platform
