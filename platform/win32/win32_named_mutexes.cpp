#include "platform/win32/win32_named_mutexes.h"

#include <windows.h>

#include "platform/errors.h"

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
    handles_.push_back(reinterpret_cast<MutexHandle>(mutex));
    return reinterpret_cast<MutexHandle>(mutex);
}

void Win32NamedMutexes::release(MutexHandle mutex) {
    if (!ReleaseMutex(reinterpret_cast<HANDLE>(mutex))) {
        throw Error(L"Releasing a mutex this process does not own (error " +
                    std::to_wstring(GetLastError()) + L")");
    }
}

}  // namespace platform
