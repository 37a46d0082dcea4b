#include "platform/win32/win32_named_mutexes.h"

#include <windows.h>

namespace platform {

Win32NamedMutexes::~Win32NamedMutexes() {
    for (const auto handle : handles_) {
        CloseHandle(reinterpret_cast<HANDLE>(handle));
    }
}

bool Win32NamedMutexes::exists(const std::wstring& name) {
    constexpr DWORD kNoAccessRights = 0;
    HANDLE mutex = OpenMutexW(kNoAccessRights, FALSE, name.c_str());
    if (mutex == nullptr) {
        return false;
    }
    handles_.push_back(reinterpret_cast<MutexHandle>(mutex));
    return true;
}

MutexHandle Win32NamedMutexes::createOwned(const std::wstring& name) {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, name.c_str());
    if (mutex == nullptr) {
        return kNoMutex;
    }
    // Read before anything else can change the thread's last error.
    const bool madeElsewhere = GetLastError() == ERROR_ALREADY_EXISTS;
    handles_.push_back(reinterpret_cast<MutexHandle>(mutex));
    return madeElsewhere ? kNoMutex : reinterpret_cast<MutexHandle>(mutex);
}

bool Win32NamedMutexes::release(MutexHandle mutex) noexcept {
    return ReleaseMutex(reinterpret_cast<HANDLE>(mutex)) != FALSE;
}

}  // namespace platform
