#include "cpl/search_path.h"

namespace cpl {
namespace {

constexpr wchar_t kListSeparator = L';';

bool isSlash(wchar_t character) {
    return character == L'\\' || character == L'/';
}

void append(std::wstring& list, std::wstring_view directory) {
    if (!list.empty()) {
        list += kListSeparator;
    }
    list += directory;
}

constexpr wchar_t kQuote = L'"';

}  // namespace

// "C:dir" and "\dir" depend on the current directory of a drive, so they are
// not absolute.
bool isAbsolutePath(std::wstring_view path) {
    const bool driveRooted = path.size() >= 3 && path[1] == L':' && isSlash(path[2]);
    const bool network = path.size() >= 2 && isSlash(path[0]) && isSlash(path[1]);
    return driveRooted || network;
}

std::wstring unquotedPath(std::wstring_view registered) {
    const bool quoted =
        registered.size() >= 2 && registered.front() == kQuote && registered.back() == kQuote;
    return std::wstring(quoted ? registered.substr(1, registered.size() - 2) : registered);
}

std::wstring pathInDirectory(std::wstring_view directory, std::wstring_view fileName) {
    if (directory.empty()) {
        return {};
    }
    std::wstring path(directory);
    if (!isSlash(path.back())) {
        path += L'\\';
    }
    return path + std::wstring(fileName);
}

std::wstring firstExistingFile(const std::vector<std::wstring>& candidates,
                               const std::function<bool(const std::wstring&)>& fileExists) {
    for (const auto& candidate : candidates) {
        if (isAbsolutePath(candidate) && fileExists(candidate)) {
            return candidate;
        }
    }
    return {};
}

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
        if (isAbsolutePath(entry)) {
            append(list, entry);
        }
        pathVariable.remove_prefix(separator == std::wstring_view::npos ? pathVariable.size()
                                                                        : separator + 1);
    }
    return list;
}

}  // namespace cpl
