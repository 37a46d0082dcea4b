#include "platform/win32/win32_system_info.h"

#include <windows.h>

#include "platform/errors.h"

namespace platform {

OsVersion Win32SystemInfo::osVersion() {
    OSVERSIONINFOW record{};
    record.dwOSVersionInfoSize = sizeof record;
    if (!GetVersionExW(&record)) {
        throw Error(L"The system did not tell its version");
    }
    return {record.dwPlatformId, record.dwMajorVersion, record.dwMinorVersion, record.szCSDVersion};
}

std::wstring Win32SystemInfo::systemDirectory() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length > MAX_PATH) {
        throw Error(L"The system did not tell its directory");
    }
    return std::wstring(buffer, length);
}

std::wstring Win32SystemInfo::programPath() {
    // Paths may be longer than MAX_PATH: grow until the whole path fits.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            throw Error(L"The system did not tell the program's path");
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring Win32SystemInfo::expandEnvironment(const std::wstring& text) {
    // The length asked for counts the terminating zero; a variable changed
    // between the two calls asks for more again.
    std::wstring buffer(text.size() + 1, L'\0');
    for (;;) {
        const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), buffer.data(),
                                                       static_cast<DWORD>(buffer.size()));
        if (needed == 0) {
            throw Error(L"The system could not expand \"" + text + L"\"");
        }
        if (needed <= buffer.size()) {
            buffer.resize(needed - 1);
            return buffer;
        }
        buffer.resize(needed);
    }
}

}  // namespace platform
