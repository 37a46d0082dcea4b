#include "platform/file_system.h"

#include <algorithm>

#include "platform/text.h"

namespace platform {

std::optional<std::string> readWholeFile(FileSystem& files, const std::wstring& path) {
    auto reader = files.openRead(path);
    if (!reader) {
        return std::nullopt;
    }
    std::string bytes;
    uint8_t block[4096];
    for (size_t got; (got = reader->read(block, sizeof block)) > 0;) {
        bytes.append(reinterpret_cast<const char*>(block), got);
    }
    return bytes;
}

std::wstring joinPath(const std::wstring& directory, const std::wstring& name) {
    if (directory.empty() || directory.back() == L'\\' || directory.back() == L'/') {
        return directory + name;
    }
    return directory + L"\\" + name;
}

void sortNamesWithoutCase(std::vector<std::wstring>& names) {
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        const auto lowerA = toLower(a);
        const auto lowerB = toLower(b);
        return lowerA != lowerB ? lowerA < lowerB : a < b;
    });
}

}  // namespace platform
