#include "setup/store/loaded_setup.h"

#include "setup/store/property_record.h"

namespace setup {
namespace {

const std::wstring& orGeneral(const std::wstring& application) {
    return application.empty() ? kGeneral : application;
}

}  // namespace

bool LoadedSetup::isAt(const MouseInfo& device, const std::wstring& application) const {
    return device_ && device_->deviceCode == device.deviceCode &&
           device_->portNumber == device.portNumber && application_ == orGeneral(application);
}

void LoadedSetup::loaded(const MouseInfo& device, const std::wstring& application) {
    device_ = device;
    application_ = orGeneral(application);
    leftByBack_ = false;
    schemeShown_.clear();
}

void LoadedSetup::leaveByBack(const std::wstring& schemeShown) {
    leftByBack_ = true;
    schemeShown_ = schemeShown;
}

std::optional<std::wstring> LoadedSetup::takeUpAgain(const MouseInfo& device) {
    device_ = device;
    if (!leftByBack_) {
        return std::nullopt;
    }
    leftByBack_ = false;
    return std::move(schemeShown_);
}

}  // namespace setup
