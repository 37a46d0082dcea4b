#pragma once

#include "platform/system_info.h"

namespace platform {

class Win32SystemInfo : public SystemInfo {
public:
    OsVersion osVersion() override;
    std::wstring systemDirectory() override;
    std::wstring programPath() override;
    std::wstring expandEnvironment(const std::wstring& text) override;
};

}  // namespace platform
