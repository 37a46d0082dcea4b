#pragma once

#include "platform/system_info.h"

namespace platform {

// A system described by the test; by default Windows 98 with its usual directories.
class MemorySystemInfo : public SystemInfo {
public:
    OsVersion osVersion() override { return version; }
    std::wstring systemDirectory() override { return systemDir; }
    std::wstring programPath() override { return program; }

    OsVersion version{kPlatformWindows9x, 4, 10, L" A "};
    std::wstring systemDir = L"C:\\WINDOWS\\SYSTEM";
    std::wstring program = L"C:\\Program Files\\Orvane\\tarvex.exe";
};

}  // namespace platform
