#include "setup/driver/driver_link.h"

namespace setup {
namespace {

// The one request the driver understands from this program: reread the settings.
constexpr int kUtilityRequest = 1;
constexpr int kRereadSettings = 137;

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
