#include "platform/single_instance.h"

namespace platform {

SingleInstance::SingleInstance(NamedMutexes& mutexes, std::wstring name)
    : mutexes_(mutexes), name_(std::move(name)) {}

bool SingleInstance::claim() {
    if (mutexes_.exists(name_)) {
        return false;
    }
    held_ = mutexes_.createOwned(name_);
    return true;
}

void SingleInstance::release() {
    if (held_ != kNoMutex) {
        mutexes_.release(held_);
        held_ = kNoMutex;
    }
}

}  // namespace platform
