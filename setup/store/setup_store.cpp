#include "setup/store/setup_store.h"

#include "platform/text.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"

namespace setup {
namespace {

constexpr size_t kCodeDigits = 3;
constexpr size_t kPortStart = 3;

// A record of this device: its code matches by the device-key rule and its port
// is the same number.
bool belongsTo(const std::wstring& value, const std::wstring& deviceKey, int portNumber) {
    return deviceKeysMatch(platform::part(value, 0, kCodeDigits),
                           deviceKey.substr(0, kCodeDigits)) &&
           platform::parseDecimal(platform::part(value, kPortStart, kCodeDigits)) == portNumber;
}

// A record rewritten where it is: its settings, then its actions.
void rewriteRecord(platform::RegistryKey& key, int number, const std::wstring& value,
                   const std::wstring& actions) {
    key.writeString(recordValueName(number), value);
    key.writeString(actionValueName(number), actions);
}

}  // namespace

std::wstring firstUseRecord(int buttonCount) {
    return buttonCount <= 2 ? kTwoButtonDefaultRecord : kDefaultRecord;
}

std::wstring namedDefaultRecord(const std::wstring& name) {
    auto info = parsePropertyRecord(kDefaultRecord);
    info.applicationName = name;
    info.applicationNameLength = static_cast<int>(name.size());
    return buildPropertyRecord(info);
}

LoadedRecord loadDeviceRecord(platform::Registry& registry, const MouseInfo& device,
                              const std::wstring& applicationName) {
    const auto& name = applicationName.empty() ? kGeneral : applicationName;
    const auto deviceKey = makeDeviceKey(device.deviceCode, device.portNumber);
    auto key = openPropertiesKey(registry);

    LoadedRecord loaded;
    const int firstFree = scanRecords(*key, [&](const StoredRecord& record) {
        if (belongsTo(record.value, deviceKey, device.portNumber)) {
            loaded.deviceRecords.push_back(record);
        }
        return true;
    });

    const StoredRecord* matched = nullptr;
    if (firstFree == 1) {
        loaded.recordText = firstUseRecord(device.buttonCount);
        storeNewRecord(*key, 1, deviceKey + loaded.recordText, L"");
    } else {
        for (const auto& record : loaded.deviceRecords) {
            if (storedApplicationName(record.value) == name) {
                loaded.recordText = record.value.substr(kDeviceKeyLength);
                matched = &record;
            }
        }
    }
    if (loaded.recordText.empty()) {
        loaded.recordText = name == kGeneral ? kDefaultRecord : namedDefaultRecord(name);
        storeNewRecord(*key, freeRecordNumber(firstFree), deviceKey + loaded.recordText, L"");
    }
    if (matched != nullptr) {
        loaded.actionText = key->readString(actionValueName(matched->number));
    }
    key->close();
    return loaded;
}

RecordSlot storeDeviceRecord(platform::Registry& registry, const std::wstring& deviceKey,
                             const std::wstring& applicationName, const std::wstring& recordText,
                             const std::wstring& actionText) {
    auto key = openPropertiesKey(registry);
    const auto slot = findRecordSlot(*key, deviceKey, applicationName);
    if (slot.content.empty()) {
        storeNewRecord(*key, slot.number, deviceKey + recordText, actionText);
    } else {
        rewriteRecord(*key, slot.number, deviceKey + recordText, actionText);
    }
    key->close();
    return slot;
}

}  // namespace setup
