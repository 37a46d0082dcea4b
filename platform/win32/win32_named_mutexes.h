#pragma once

#include <vector>

#include "platform/single_instance.h"

namespace platform {

// Named mutexes of the session through the Win32 API; the handles this object
// opened are closed when it is destroyed (a program simply leaves them to its end).
class Win32NamedMutexes : public NamedMutexes {
public:
    Win32NamedMutexes() = default;
    ~Win32NamedMutexes() override;
    Win32NamedMutexes(const Win32NamedMutexes&) = delete;
    Win32NamedMutexes& operator=(const Win32NamedMutexes&) = delete;

    bool exists(const std::wstring& name) override;
    MutexHandle createOwned(const std::wstring& name) override;
    bool release(MutexHandle mutex) noexcept override;

private:
    std::vector<MutexHandle> handles_;
};

}  // namespace platform
