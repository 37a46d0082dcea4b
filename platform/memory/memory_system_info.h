#pragma once

#include <map>

#include "platform/system_info.h"

namespace platform {

// A system described by the test; by default Windows 98 with its usual directories.
class MemorySystemInfo : public SystemInfo {
public:
    OsVersion osVersion() override { return version; }
    std::wstring systemDirectory() override { return systemDir; }
    std::wstring programPath() override { return program; }
    std::wstring expandEnvironment(const std::wstring& text) override;

    OsVersion version{kPlatformWindows9x, 4, 10, L" A "};
    std::wstring systemDir = L"C:\\WINDOWS\\SYSTEM";
    std::wstring program = L"C:\\Program Files\\Orvane\\tarvex.exe";
    // Names compare without regard to case, as the system's do.
    std::map<std::wstring, std::wstring> environment{{L"SYSTEMROOT", L"C:\\WINDOWS"},
                                                     {L"WINDIR", L"C:\\WINDOWS"}};
};

}  // namespace platform
