#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A named mutex handle (a HANDLE on Windows). 0 is none.
using MutexHandle = std::uintptr_t;
inline constexpr MutexHandle kNoMutex = 0;

// Named mutexes, seen by every process of the session. Handles opened through one
// object stay open until it is destroyed, as a process's handles stay open until
// it ends.
class NamedMutexes {
public:
    virtual ~NamedMutexes() = default;

    // Whether a mutex of this name exists: tries to open it asking for no access
    // rights, not inheritable, and keeps what it opened.
    virtual bool exists(const std::wstring& name) = 0;
    // Creates the mutex owned by the calling thread. kNoMutex when it came into
    // being meanwhile (another process made it: the handle opened on it stays
    // open, owning nothing) or cannot be made.
    virtual MutexHandle createOwned(const std::wstring& name) = 0;
    // Gives up ownership without closing the handle; false when this process
    // did not own it.
    virtual bool release(MutexHandle mutex) noexcept = 0;
};

// The program's single-instance guard.
inline const std::wstring kInstanceMutexName = L"TarvexInstance1";

// Whatever fails, it never throws: it guards the program's entry point, which
// has nothing left to catch with.
class SingleInstance {
public:
    explicit SingleInstance(NamedMutexes& mutexes, std::wstring name = kInstanceMutexName);
    // Releases what it still owns.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another copy of the program runs (or the guard cannot be
    // made): this copy is then to end silently. True when this copy now owns
    // the mutex.
    bool claim();
    // At exit: gives up ownership; the handle stays open until the process ends.
    void release() noexcept;

private:
    NamedMutexes& mutexes_;
    std::wstring name_;
    MutexHandle held_ = kNoMutex;
};

}  // namespace platform
