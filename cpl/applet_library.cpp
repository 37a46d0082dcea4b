#include "cpl/applet_library.h"

#include <algorithm>
#include <string>

#include "cpl/search_path.h"

namespace cpl {
namespace {

// Calls a Win32 text getter that returns the length it wrote, or the size it
// needs (or the truncated size) when the buffer is too small, until the text
// fits. A failing getter yields an empty text.
template <typename Getter>
std::wstring fetchText(Getter get) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = get(text.data(), static_cast<DWORD>(text.size()));
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(std::max<std::size_t>(length + 1, text.size() * 2));
    }
}

std::wstring parentDirectory(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring programDirectory() {
    return parentDirectory(fetchText(
        [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); }));
}

std::wstring programDllDirectory() {
    return fetchText([](wchar_t* buffer, DWORD size) { return GetDllDirectoryW(size, buffer); });
}

std::wstring systemDirectory() {
    return fetchText([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); });
}

std::wstring windowsDirectory() {
    return fetchText(
        [](wchar_t* buffer, DWORD size) { return GetWindowsDirectoryW(buffer, size); });
}

std::wstring pathVariable() {
    return fetchText(
        [](wchar_t* buffer, DWORD size) { return GetEnvironmentVariableW(L"PATH", buffer, size); });
}

}  // namespace

std::wstring findWithoutCurrentDirectory(const wchar_t* fileName) {
    const std::wstring windows = windowsDirectory();
    const std::wstring searchPath =
        searchPathWithoutCurrentDirectory({programDirectory(), programDllDirectory(),
                                           systemDirectory(), windows + L"\\System", windows},
                                          pathVariable());
    return fetchText([&](wchar_t* buffer, DWORD size) {
        return SearchPathW(searchPath.c_str(), fileName, nullptr, size, buffer, nullptr);
    });
}

HMODULE loadLibraryWithoutCurrentDirectory(const wchar_t* fileName) {
    const std::wstring found = findWithoutCurrentDirectory(fileName);
    return found.empty() ? nullptr : LoadLibraryW(found.c_str());
}

}  // namespace cpl
