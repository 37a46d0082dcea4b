#pragma once

#include "platform/registry.h"

namespace platform {

// The real registry through the wide Win32 API. Keys open for reading and
// writing where the user may write, else for reading only (writes then fail
// with RegistryError, as every refused change does).
class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> open(RegistryRoot root, const std::wstring& path) override;
    std::unique_ptr<RegistryKey> create(RegistryRoot root, const std::wstring& path) override;
    bool deleteKey(RegistryRoot root, const std::wstring& path) override;
};

}  // namespace platform
