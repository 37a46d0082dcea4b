#include "platform/memory/memory_cursors.h"

#include <cstdint>
#include <string_view>

namespace platform {
namespace {

constexpr size_t kCursorDirectoryHeaderSize = 6;
constexpr size_t kCursorDirectoryEntrySize = 16;
constexpr uint16_t kCursorResourceType = 2;
constexpr size_t kRiffHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;

uint32_t littleEndian(std::string_view bytes, size_t at, size_t width) {
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) {
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
    }
    return value;
}

bool isCursorDirectory(std::string_view bytes) {
    if (bytes.size() < kCursorDirectoryHeaderSize || littleEndian(bytes, 0, 2) != 0 ||
        littleEndian(bytes, 2, 2) != kCursorResourceType) {
        return false;
    }
    const size_t count = littleEndian(bytes, 4, 2);
    if (count == 0 ||
        kCursorDirectoryHeaderSize + count * kCursorDirectoryEntrySize > bytes.size()) {
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = kCursorDirectoryHeaderSize + i * kCursorDirectoryEntrySize;
        const uint64_t size = littleEndian(bytes, entry + 8, 4);
        const uint64_t offset = littleEndian(bytes, entry + 12, 4);
        if (size == 0 || offset + size > bytes.size()) {
            return false;
        }
    }
    return true;
}

// Calls visit(id, data) for each chunk of a RIFF chunk list; false when a chunk
// runs past the end.
template <typename Visitor>
bool forEachChunk(std::string_view list, Visitor visit) {
    size_t at = 0;
    while (at + kChunkHeaderSize <= list.size()) {
        const size_t size = littleEndian(list, at + 4, 4);
        if (size > list.size() - at - kChunkHeaderSize) {
            return false;
        }
        visit(list.substr(at, 4), list.substr(at + kChunkHeaderSize, size));
        at += kChunkHeaderSize + size + (size & 1);  // chunks are padded to even sizes
    }
    return true;
}

bool isAnimatedCursor(std::string_view bytes) {
    if (bytes.size() < kRiffHeaderSize || bytes.substr(0, 4) != "RIFF" ||
        bytes.substr(8, 4) != "ACON") {
        return false;
    }
    bool hasHeader = false;
    bool hasFrame = false;
    bool framesValid = true;
    const bool chunksValid = forEachChunk(bytes.substr(kRiffHeaderSize), [&](auto id, auto data) {
        if (id == "anih") {
            hasHeader = true;
        } else if (id == "LIST" && data.substr(0, 4) == "fram") {
            framesValid = forEachChunk(data.substr(4),
                                       [&](auto frameId, auto frame) {
                                           if (frameId == "icon") {
                                               hasFrame = true;
                                               framesValid =
                                                   framesValid && isCursorDirectory(frame);
                                           }
                                       }) &&
                          framesValid;
        }
    });
    return chunksValid && hasHeader && hasFrame && framesValid;
}

}  // namespace

MemoryCursors::MemoryCursors(FileSystem& files) : files_(files) {}

CursorHandle MemoryCursors::add(Image image) {
    const CursorHandle handle = nextHandle_++;
    images_.emplace(handle, std::move(image));
    return handle;
}

void MemoryCursors::fault(const std::wstring& what, CursorHandle cursor) {
    const auto it = images_.find(cursor);
    std::wstring line = what + L": cursor " + std::to_wstring(cursor);
    if (it != images_.end() && !it->second.source.empty()) {
        line += L" (" + it->second.source + L")";
    }
    faults_.push_back(line);
}

bool MemoryCursors::shownByProgram(CursorHandle cursor) const {
    for (const auto held : programCursors_) {
        if (held == cursor) {
            return true;
        }
    }
    return false;
}

CursorHandle MemoryCursors::loadFromFile(const std::wstring& path) {
    const auto bytes = readWholeFile(files_, path);
    if (!bytes || !(isCursorDirectory(*bytes) || isAnimatedCursor(*bytes))) {
        return kNoCursor;
    }
    return add({path});
}

CursorHandle MemoryCursors::copy(CursorHandle cursor) {
    if (cursor == kNoCursor) {
        return kNoCursor;
    }
    const auto it = images_.find(cursor);
    if (it == images_.end() || !it->second.live) {
        fault(L"copied a cursor that is not live", cursor);
        return kNoCursor;
    }
    return add({it->second.source});
}

void MemoryCursors::destroy(CursorHandle cursor) {
    if (cursor == kNoCursor) {
        return;
    }
    const auto it = images_.find(cursor);
    if (it == images_.end()) {
        fault(L"destroyed an unknown cursor", cursor);
    } else if (it->second.system) {
        fault(L"destroyed a shared system cursor", cursor);
    } else if (!it->second.live) {
        fault(L"destroyed a cursor twice", cursor);
    } else {
        if (shownByProgram(cursor)) {
            fault(L"destroyed a cursor the program's windows still show", cursor);
        }
        it->second.live = false;
    }
}

void MemoryCursors::setProgramCursor(CursorKind kind, CursorHandle cursor) {
    if (cursor != kNoCursor && !isLive(cursor)) {
        fault(L"gave the program's windows a cursor that is not live", cursor);
        return;
    }
    auto& slot = programCursors_[static_cast<size_t>(kind)];
    const CursorHandle replaced = slot;
    slot = cursor;
    if (replaced != cursor) {
        destroy(replaced);
    }
}

CursorHandle MemoryCursors::programCursor(CursorKind kind) {
    const auto index = static_cast<size_t>(kind);
    if (programCursors_[index] != kNoCursor) {
        return programCursors_[index];
    }
    if (systemCursors_[index] == kNoCursor) {
        Image shared;
        shared.system = true;
        systemCursors_[index] = add(shared);
    }
    return systemCursors_[index];
}

size_t MemoryCursors::liveCount() const {
    size_t count = 0;
    for (const auto& [handle, image] : images_) {
        count += image.live && !image.system ? 1 : 0;
    }
    return count;
}

bool MemoryCursors::isLive(CursorHandle cursor) const {
    const auto it = images_.find(cursor);
    return it != images_.end() && it->second.live;
}

std::wstring MemoryCursors::sourceFile(CursorHandle cursor) const {
    const auto it = images_.find(cursor);
    return it != images_.end() && it->second.live ? it->second.source : std::wstring();
}

}  // namespace platform
