#include "setup/store/record_store.h"

#include "platform/errors.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"

namespace setup {
std::unique_ptr<platform::RegistryKey> openPropertiesKey(platform::Registry& registry) {
    auto key = registry.open(kDriverRoot, kPropertiesKey);
    if (!key) {
        throw platform::RegistryError(L"Registry key HKEY_LOCAL_MACHINE\\" + kPropertiesKey +
                                      L" is missing. Reinstall the mouse driver.");
    }
    return key;
}

int scanRecords(platform::RegistryKey& properties,
                const std::function<bool(const StoredRecord&)>& visit) {
    for (int number = 1; number <= kLastRecordNumber; ++number) {
        StoredRecord record{number, properties.readString(recordValueName(number))};
        if (record.value.empty() || !visit(record)) {
            return number;
        }
    }
    return kLastRecordNumber + 1;
}

RecordSlot findRecordSlot(platform::RegistryKey& properties, const std::wstring& deviceKey,
                          const std::wstring& applicationName) {
    const auto& name = applicationName.empty() ? kGeneral : applicationName;
    RecordSlot slot;
    const int stop = scanRecords(properties, [&](const StoredRecord& record) {
        if (deviceKeysMatch(deviceKey, record.value) &&
            storedApplicationName(record.value) == name) {
            slot.content = record.value;
            return false;
        }
        return true;
    });
    slot.number = slot.content.empty() ? freeRecordNumber(stop) : stop;
    slot.valueName = recordValueName(slot.number);
    return slot;
}

int freeRecordNumber(int scanStop) {
    if (scanStop > kLastRecordNumber) {
        throw platform::Error(L"All " + std::to_wstring(kLastRecordNumber) +
                              L" record numbers are in use; no record can be added");
    }
    return scanStop;
}

void storeNewRecord(platform::RegistryKey& properties, int number, const std::wstring& value,
                    const std::wstring& actions) {
    properties.writeString(actionValueName(number), actions);
    properties.writeString(recordValueName(number), value);
}

}  // namespace setup
