#include "setup/driver/driver_link.h"

#include <type_traits>

namespace setup {
namespace {

// The one request the driver understands from this program: reread the settings.
constexpr int kUtilityRequest = 1;
constexpr int kRereadSettings = 137;

#ifdef _WIN32
// The driver's library expects the caller to clean up the stack: on 32-bit
// Windows a stdcall type (the system interfaces' convention) would unbalance
// it on every call.
static_assert(
    std::is_same_v<SendUtilMessageFunction, std::int32_t __cdecl(std::int32_t, std::int32_t)>);
#endif

}  // namespace

bool DriverLink::bind() {
    library_ = modules_.load(kDriverLibrary);
    sendUtilMessage_ =
        platform::entryAs<SendUtilMessageFunction>(modules_, library_, kSendUtilMessage);
    return entryFound();
}

void DriverLink::notifyDriver() {
    if (sendUtilMessage_ != nullptr) {
        sendUtilMessage_(kUtilityRequest, kRereadSettings);
    }
}

void DriverLink::release() {
    modules_.release(library_);
    library_ = platform::kNoModule;
    sendUtilMessage_ = nullptr;
}

}  // namespace setup
