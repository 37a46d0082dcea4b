#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/cursors.h"
#include "platform/file_system.h"

namespace platform {

// Cursors for tests: a file loads when its header is that of a cursor (.cur: a
// directory of cursor images lying within the file; .ani: a RIFF "ACON" file with
// its header chunk and at least one such cursor frame). Handles are distinct
// numbers; live ones are counted so that leaks show, and misuse (destroying or
// copying a handle that is not live, destroying a system cursor or one the
// program's windows still show) is recorded in faults() instead of crashing.
class MemoryCursors : public Cursors {
public:
    explicit MemoryCursors(FileSystem& files);

    CursorHandle loadFromFile(const std::wstring& path) override;
    CursorHandle copy(CursorHandle cursor) override;
    void destroy(CursorHandle cursor) override;
    CursorMetrics metrics() override { return metrics_; }
    void setProgramCursor(CursorKind kind, CursorHandle cursor) override;
    CursorHandle programCursor(CursorKind kind) override;

    void setMetrics(const CursorMetrics& metrics) { metrics_ = metrics; }
    // Cursors made by loadFromFile or copy and not yet destroyed, those the
    // program's windows hold included.
    size_t liveCount() const;
    bool isLive(CursorHandle cursor) const;
    // The file a live cursor (or the cursor it was copied from) was loaded from;
    // empty for a system cursor or a handle that is not live.
    std::wstring sourceFile(CursorHandle cursor) const;
    // One line per misuse, naming the handle and its file.
    const std::vector<std::wstring>& faults() const { return faults_; }

private:
    struct Image {
        std::wstring source;
        bool live = true;
        bool system = false;
    };

    CursorHandle add(Image image);
    void fault(const std::wstring& what, CursorHandle cursor);
    bool shownByProgram(CursorHandle cursor) const;

    FileSystem& files_;
    CursorMetrics metrics_{32, 32, 32, 32, 16};
    std::map<CursorHandle, Image> images_;
    CursorHandle nextHandle_ = 0x1000;
    std::array<CursorHandle, kCursorKindCount> programCursors_{};
    std::array<CursorHandle, kCursorKindCount> systemCursors_{};
    std::vector<std::wstring> faults_;
};

}  // namespace platform
