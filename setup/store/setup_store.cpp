#include "setup/store/setup_store.h"

#include <optional>

#include "platform/text.h"
#include "setup/store/application_store.h"
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

// The device's records in number order, after removing every record that
// repeats the one before it exactly, actions included: a deletion stopped
// half-way leaves one, and no two records of one device and application may
// remain. Returns the first free number.
int collectDeviceRecords(platform::RegistryKey& key, const MouseInfo& device,
                         std::vector<StoredRecord>& records) {
    const auto deviceKey = makeDeviceKey(device.deviceCode, device.portNumber);
    for (;;) {
        records.clear();
        std::wstring previous;
        std::optional<int> repeat;
        const int firstFree = scanRecords(key, [&](const StoredRecord& record) {
            if (record.value == previous &&
                key.readString(actionValueName(record.number)) ==
                    key.readString(actionValueName(record.number - 1))) {
                repeat = record.number;
                return false;
            }
            previous = record.value;
            if (belongsTo(record.value, deviceKey, device.portNumber)) {
                records.push_back(record);
            }
            return true;
        });
        if (!repeat) {
            return firstFree;
        }
        removeRecord(key, *repeat);
    }
}

// Of several records of the device for name, the highest numbered: the one a
// load edits and every write of the setup stores to.
const StoredRecord* lastRecordOf(const std::vector<StoredRecord>& records,
                                 const std::wstring& name) {
    const StoredRecord* found = nullptr;
    for (const auto& record : records) {
        if (storedApplicationName(record.value) == name) {
            found = &record;
        }
    }
    return found;
}

// Writes value and actions over the device's record for name, found by a scan,
// or as a new record under the first free number. Returns the number written.
int scanAndStore(platform::RegistryKey& key, const MouseInfo& device, const std::wstring& name,
                 const std::wstring& value, const std::wstring& actions) {
    std::vector<StoredRecord> records;
    const int firstFree = collectDeviceRecords(key, device, records);
    if (const auto* existing = lastRecordOf(records, name)) {
        rewriteRecord(key, existing->number, value, actions);
        return existing->number;
    }
    const int number = freeRecordNumber(firstFree);
    storeNewRecord(key, number, value, actions);
    return number;
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
                              const std::wstring& applicationName, KnownRecordSlot& known) {
    const auto& name = applicationName.empty() ? kGeneral : applicationName;
    const auto deviceKey = makeDeviceKey(device.deviceCode, device.portNumber);
    auto key = openPropertiesKey(registry);

    LoadedRecord loaded;
    const int firstFree = collectDeviceRecords(*key, device, loaded.deviceRecords);
    int number = firstFree;
    if (const auto* matched = lastRecordOf(loaded.deviceRecords, name)) {
        number = matched->number;
        loaded.recordText = matched->value.substr(kDeviceKeyLength);
        loaded.actionText = key->readString(actionValueName(number));
    } else if (firstFree == 1) {
        loaded.recordText = firstUseRecord(device.buttonCount);
        storeNewRecord(*key, number, deviceKey + loaded.recordText, L"");
    } else {
        loaded.recordText = name == kGeneral ? kDefaultRecord : namedDefaultRecord(name);
        number = freeRecordNumber(firstFree);
        storeNewRecord(*key, number, deviceKey + loaded.recordText, L"");
    }
    known.remember(deviceKey, name, number, key->stamp());
    key->close();
    return loaded;
}

LoadedRecord loadDeviceRecord(platform::Registry& registry, const MouseInfo& device,
                              const std::wstring& applicationName) {
    KnownRecordSlot unused;
    return loadDeviceRecord(registry, device, applicationName, unused);
}

RecordSlot storeDeviceRecord(platform::Registry& registry, const MouseInfo& device,
                             const std::wstring& applicationName, const std::wstring& recordText,
                             const std::wstring& actionText, KnownRecordSlot& known) {
    const auto& name = applicationName.empty() ? kGeneral : applicationName;
    const auto deviceKey = makeDeviceKey(device.deviceCode, device.portNumber);
    auto key = openPropertiesKey(registry);
    RecordSlot slot;
    if (const auto number = known.numberFor(deviceKey, name, key->stamp())) {
        slot.number = *number;
        rewriteRecord(*key, slot.number, deviceKey + recordText, actionText);
    } else {
        slot.number = scanAndStore(*key, device, name, deviceKey + recordText, actionText);
    }
    known.remember(deviceKey, name, slot.number, key->stamp());
    key->close();
    slot.valueName = recordValueName(slot.number);
    return slot;
}

RecordSlot storeDeviceRecord(platform::Registry& registry, const MouseInfo& device,
                             const std::wstring& applicationName, const std::wstring& recordText,
                             const std::wstring& actionText) {
    KnownRecordSlot unused;
    return storeDeviceRecord(registry, device, applicationName, recordText, actionText, unused);
}

}  // namespace setup
