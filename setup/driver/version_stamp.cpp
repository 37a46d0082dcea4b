#include "setup/driver/version_stamp.h"

#include <algorithm>
#include <vector>

namespace setup {

__attribute__((used))
const unsigned char kProgramVersionStamp[kStampMarkerLength + kProgramStampNumbers] = {
    '1', '3', '7', 'V', 'E', 'R', 'S', 'I', 'O', 'N', 1, 0, 0, 7};

namespace {

constexpr size_t kBlockSize = 256;
constexpr int kFewestNumbers = 2;
constexpr int kMostNumbers = 5;
const std::wstring kUnreadable = L"----";
const std::wstring kBadCount = L"****";

std::wstring joined(const unsigned char* numbers, int n) {
    std::wstring text;
    for (int i = 0; i < n; ++i) {
        text += (i == 0 ? L"" : L".") + std::to_wstring(numbers[i]);
    }
    return text;
}

}  // namespace

std::wstring readVersionStamp(platform::FileSystem& files, const std::wstring& path, int n) {
    return readVersionStamp(files.openRead(path).get(), n);
}

std::wstring readVersionStamp(platform::ByteReader* reader, int n) {
    if (reader == nullptr) {
        return kUnreadable;
    }
    if (n < kFewestNumbers || n > kMostNumbers) {
        return kBadCount;
    }
    const auto* marker = kProgramVersionStamp;
    const size_t stampLength = kStampMarkerLength + static_cast<size_t>(n);
    // A stamp may lie across two blocks: the bytes that could still start one are
    // carried over to the front of the next block.
    std::vector<unsigned char> window;
    unsigned char block[kBlockSize];
    for (size_t got; (got = reader->read(block, kBlockSize)) > 0;) {
        window.insert(window.end(), block, block + got);
        // Only the first marker can be complete: any later one has fewer bytes after it.
        const auto found =
            std::search(window.begin(), window.end(), marker, marker + kStampMarkerLength);
        if (static_cast<size_t>(window.end() - found) >= stampLength) {
            return joined(&*(found + kStampMarkerLength), n);
        }
        const size_t keep = std::min(window.size(), stampLength - 1);
        window.erase(window.begin(), window.end() - static_cast<std::ptrdiff_t>(keep));
    }
    return kUnreadable;
}

}  // namespace setup
