#include "cpl/search_path.h"

namespace cpl {
namespace {

constexpr wchar_t kListSeparator = L';';

bool isSlash(wchar_t character) {
    return character == L'\\' || character == L'/';
}

// "C:\dir" or "\\server\share". "C:dir" and "\dir" depend on the current
// directory of a drive, so they are not absolute.
bool isAbsolute(std::wstring_view directory) {
    const bool driveRooted = directory.size() >= 3 && directory[1] == L':' && isSlash(directory[2]);
    const bool network = directory.size() >= 2 && isSlash(directory[0]) && isSlash(directory[1]);
    return driveRooted || network;
}

void append(std::wstring& list, std::wstring_view directory) {
    if (!list.empty()) {
        list += kListSeparator;
    }
    list += directory;
}

}  // namespace

std::wstring searchPathWithoutCurrentDirectory(const std::vector<std::wstring>& directories,
                                               std::wstring_view pathVariable) {
    std::wstring list;
    for (const auto& directory : directories) {
        if (!directory.empty()) {
            append(list, directory);
        }
    }
    while (!pathVariable.empty()) {
        const std::size_t separator = pathVariable.find(kListSeparator);
        const std::wstring_view entry = pathVariable.substr(0, separator);
        if (isAbsolute(entry)) {
            append(list, entry);
        }
        pathVariable.remove_prefix(separator == std::wstring_view::npos ? pathVariable.size()
                                                                        : separator + 1);
    }
    return list;
}

}  // namespace cpl
