#include "setup/store/known_record_slot.h"

namespace setup {

std::optional<int> KnownRecordSlot::numberFor(const std::wstring& deviceKey,
                                              const std::wstring& application,
                                              const platform::KeyStamp& stampNow) const {
    if (!slot_ || slot_->stamp != stampNow || slot_->deviceKey != deviceKey ||
        slot_->application != application) {
        return std::nullopt;
    }
    return slot_->number;
}

void KnownRecordSlot::remember(const std::wstring& deviceKey, const std::wstring& application,
                               int number, const platform::KeyStamp& stampAfter) {
    slot_ = Slot{deviceKey, application, number, stampAfter};
}

}  // namespace setup
