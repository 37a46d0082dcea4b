#include "platform/memory/memory_named_mutexes.h"

namespace platform {

MemoryMutexTable& MemoryMutexTable::processWide() {
    static MemoryMutexTable table;
    return table;
}

bool MemoryMutexTable::exists(const std::wstring& name) const {
    return mutexes_.count(name) > 0;
}

bool MemoryMutexTable::isOwned(const std::wstring& name) const {
    const auto it = mutexes_.find(name);
    return it != mutexes_.end() && it->second.owner != nullptr;
}

MemoryNamedMutexes::MemoryNamedMutexes(MemoryMutexTable& table) : table_(table) {}

MemoryNamedMutexes::~MemoryNamedMutexes() {
    for (const auto& name : handles_) {
        auto it = table_.mutexes_.find(name);
        if (it->second.owner == this) {
            it->second.owner = nullptr;
        }
        if (--it->second.openHandles == 0) {
            table_.mutexes_.erase(it);
        }
    }
}

MutexHandle MemoryNamedMutexes::open(const std::wstring& name) {
    ++table_.mutexes_[name].openHandles;
    handles_.push_back(name);
    return handles_.size();
}

bool MemoryNamedMutexes::exists(const std::wstring& name) {
    if (!table_.exists(name)) {
        return false;
    }
    open(name);
    return true;
}

MutexHandle MemoryNamedMutexes::createOwned(const std::wstring& name) {
    const bool madeElsewhere = table_.exists(name);
    const MutexHandle handle = open(name);
    if (madeElsewhere) {
        return kNoMutex;
    }
    table_.mutexes_[name].owner = this;
    return handle;
}

bool MemoryNamedMutexes::release(MutexHandle mutex) noexcept {
    if (mutex == kNoMutex || mutex > handles_.size()) {
        return false;
    }
    auto& entry = table_.mutexes_[handles_[mutex - 1]];
    if (entry.owner != this) {
        return false;
    }
    entry.owner = nullptr;
    return true;
}

}  // namespace platform
