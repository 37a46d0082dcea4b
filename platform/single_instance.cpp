#include "platform/single_instance.h"

namespace platform {

SingleInstance::SingleInstance(NamedMutexes& mutexes, std::wstring name)
    : mutexes_(mutexes), name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    release();
}

// Another copy may make the mutex between the two calls: creating it then
// owns nothing, and this copy is the second one after all.
bool SingleInstance::claim() {
    if (mutexes_.exists(name_)) {
        return false;
    }
    held_ = mutexes_.createOwned(name_);
    return held_ != kNoMutex;
}

void SingleInstance::release() noexcept {
    if (held_ != kNoMutex) {
        mutexes_.release(held_);
        held_ = kNoMutex;
    }
}

}  // namespace platform
