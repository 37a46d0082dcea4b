#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/single_instance.h"

namespace platform {

// The session's table of named mutexes, shared by the MemoryNamedMutexes objects
// that stand for its processes. Names compare with case, as the kernel's do.
class MemoryMutexTable {
public:
    // The one table of this test process, used unless a test brings its own.
    static MemoryMutexTable& processWide();

    bool exists(const std::wstring& name) const;
    // Whether some process owns the mutex now.
    bool isOwned(const std::wstring& name) const;

private:
    friend class MemoryNamedMutexes;
    struct Mutex {
        int openHandles = 0;
        const void* owner = nullptr;  // the MemoryNamedMutexes that owns it
    };
    std::map<std::wstring, Mutex> mutexes_;
};

// One process's view of the named mutexes. Destroying it closes its handles, as
// the end of a process does: a mutex without handles is gone, and one it still
// owned is abandoned.
class MemoryNamedMutexes : public NamedMutexes {
public:
    explicit MemoryNamedMutexes(MemoryMutexTable& table = MemoryMutexTable::processWide());
    ~MemoryNamedMutexes() override;
    MemoryNamedMutexes(const MemoryNamedMutexes&) = delete;
    MemoryNamedMutexes& operator=(const MemoryNamedMutexes&) = delete;

    bool exists(const std::wstring& name) override;
    MutexHandle createOwned(const std::wstring& name) override;
    bool release(MutexHandle mutex) noexcept override;

    // Handles this process holds open.
    size_t openHandles() const { return handles_.size(); }

private:
    MutexHandle open(const std::wstring& name);

    MemoryMutexTable& table_;
    std::vector<std::wstring> handles_;  // handle n names handles_[n - 1]
};

}  // namespace platform
