#include "platform/win32/win32_named_mutexes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/platform/named_mutexes_contract.h"

namespace platform {
namespace contract {

class Win32NamedMutexesWorld {
public:
    std::unique_ptr<NamedMutexes> startProcess() { return std::make_unique<Win32NamedMutexes>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, NamedMutexesContract, Win32NamedMutexesWorld);

}  // namespace contract

namespace {

struct Probe {
    std::wstring name;
    bool taken = false;
};

DWORD WINAPI takeAndGiveBack(void* argument) {
    auto& probe = *static_cast<Probe*>(argument);
    HANDLE mutex = OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, probe.name.c_str());
    const DWORD waited = WaitForSingleObject(mutex, 0);
    probe.taken = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    if (probe.taken) {
        ReleaseMutex(mutex);
    }
    CloseHandle(mutex);
    return 0;
}

// Whether another thread can take the mutex right now (it gives it back at once).
bool anotherThreadCanTake(const std::wstring& name) {
    Probe probe{name};
    HANDLE thread = CreateThread(nullptr, 0, takeAndGiveBack, &probe, 0, nullptr);
    constexpr DWORD kDeadlineMs = 10000;
    const bool finished = WaitForSingleObject(thread, kDeadlineMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return finished && probe.taken;
}

TEST(Win32NamedMutexes, TheMakersThreadOwnsTheMutexUntilItReleasesIt) {
    const std::wstring name = L"TarvexOwnershipTest";
    Win32NamedMutexes process;
    const auto mutex = process.createOwned(name);
    ASSERT_NE(mutex, kNoMutex);
    EXPECT_FALSE(anotherThreadCanTake(name));
    process.release(mutex);
    EXPECT_TRUE(anotherThreadCanTake(name));
}

}  // namespace
}  // namespace platform
