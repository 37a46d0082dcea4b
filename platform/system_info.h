#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Platform numbers of the operating system's version record.
inline constexpr uint32_t kPlatformWindows9x = 1;
inline constexpr uint32_t kPlatformWindowsNt = 2;

// The version record the system reports (which newer systems may make up).
struct OsVersion {
    uint32_t platformId = 0;
    uint32_t majorVersion = 0;
    uint32_t minorVersion = 0;
    std::wstring servicePack;  // "Service Pack 3", or empty
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    virtual OsVersion osVersion() = 0;
    // The system directory, without a trailing backslash ("C:\Windows\System32").
    virtual std::wstring systemDirectory() = 0;
    // The full path of the running program's own file.
    virtual std::wstring programPath() = 0;
    // The text with every %NAME% of a defined environment variable replaced by
    // its value; references to undefined variables stay as written.
    virtual std::wstring expandEnvironment(const std::wstring& text) = 0;
};

}  // namespace platform
