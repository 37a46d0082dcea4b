#pragma once

#include <windows.h>

#include <optional>
#include <string>

// What the stand-ins share: they take their settings from the environment their
// tests give them, and report by appending lines to files the tests read.
namespace standins {

inline std::optional<std::wstring> environmentVariable(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

// The whole line goes in one write: a test reading the file while a stand-in
// writes it takes only lines that end.
inline bool appendLine(const std::wstring& path, const std::string& line) {
    const HANDLE file =
        CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const std::string text = line + "\n";
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

}  // namespace standins
