#pragma once

#include "platform/file_system.h"

namespace platform {

// The real disks through the wide Win32 API.
class Win32FileSystem : public FileSystem {
public:
    std::vector<std::wstring> drives() override;
    bool directoryExists(const std::wstring& path) override;
    bool fileExists(const std::wstring& path) override;
    std::vector<std::wstring> subdirectories(const std::wstring& directory) override;
    std::vector<std::wstring> files(const std::wstring& directory) override;
    std::unique_ptr<ByteReader> openRead(const std::wstring& path) override;
};

}  // namespace platform
