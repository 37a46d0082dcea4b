#include "setup/store/application_store.h"

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"
#include "setup/store/record_store.h"
#include "setup/store/registry_layout.h"

namespace setup {
namespace {

constexpr size_t kFieldWidth = 3;
constexpr size_t kPortStart = 3;
constexpr size_t kNameStart = kDeviceKeyLength + kFieldWidth;
// Characters of a name on one line of a message: well within any screen.
constexpr size_t kMessageLineLength = 64;

bool belongsTo(const std::wstring& value, const MouseInfo& device) {
    const auto code = platform::parseHex(platform::part(value, 0, kFieldWidth));
    const auto port = platform::parseDecimal(platform::part(value, kPortStart, kFieldWidth));
    return code && port && deviceCodesMatch(*code, device.deviceCode) && *port == device.portNumber;
}

bool storesName(const std::wstring& value, const std::wstring& name) {
    const auto length =
        platform::parseDecimal(platform::part(value, kDeviceKeyLength, kFieldWidth));
    return length && static_cast<size_t>(*length) == name.size() &&
           platform::part(value, kNameStart, name.size()) == name;
}

// The settings of a record after its name: from the first button position on.
std::wstring settingsAfterName(const std::wstring& record) {
    return record.substr(kFieldWidth + kGeneral.size());
}

}  // namespace

std::wstring applicationNameFrom(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/:");
    const auto file = separator == std::wstring::npos ? path : path.substr(separator + 1);
    return platform::toUpper(platform::trim(file));
}

std::vector<std::wstring> listApplications(platform::RegistryKey& properties,
                                           const std::wstring& deviceKey) {
    std::vector<std::wstring> names;
    scanRecords(properties, [&](const StoredRecord& record) {
        if (deviceKeysMatch(record.value, deviceKey)) {
            auto name = storedApplicationName(record.value);
            if (name != kGeneral) {
                names.push_back(std::move(name));
            }
        }
        return true;
    });
    return names;
}

int addApplicationRecord(platform::RegistryKey& properties, const std::wstring& deviceKey,
                         const std::wstring& name) {
    if (name.size() > kLongestApplicationName) {
        throw platform::Error(L"The application name is longer than " +
                              std::to_wstring(kLongestApplicationName) + L" characters:\n" +
                              platform::breakIntoLines(name, kMessageLineLength));
    }
    const int number =
        freeRecordNumber(scanRecords(properties, [](const StoredRecord&) { return true; }));
    const auto general = findRecordSlot(properties, deviceKey, kGeneral);
    // A device without a GENERAL record starts from the defaults rather than
    // from a copy of nothing.
    const auto settings = settingsAfterName(
        general.content.empty() ? kDefaultRecord : general.content.substr(kDeviceKeyLength));
    const auto actions = general.content.empty()
                             ? std::wstring()
                             : properties.readString(actionValueName(general.number));

    storeNewRecord(properties, number,
                   deviceKey + platform::zeroPadded(static_cast<int>(name.size()), kFieldWidth) +
                       name + settings,
                   actions);
    return number;
}

std::optional<int> findApplicationRecord(platform::RegistryKey& properties, const MouseInfo& device,
                                         const std::wstring& name) {
    std::optional<int> found;
    scanRecords(properties, [&](const StoredRecord& record) {
        if (belongsTo(record.value, device) && storesName(record.value, name)) {
            found = record.number;
            return false;
        }
        return true;
    });
    return found;
}

namespace {

// Copies record from over the number below it. Its actions move before its
// settings: should a write be refused between the two, the first occurrence of
// every record keeps its own. The copy below, which a load may pick as the
// later of two, gets its own actions back when the registry takes that write.
void moveRecordDown(platform::RegistryKey& properties, int from, const std::wstring& record) {
    const auto below = from - 1;
    const auto replacedActions = properties.readValue(actionValueName(below));
    properties.writeString(actionValueName(below), properties.readString(actionValueName(from)));
    try {
        properties.writeString(recordValueName(below), record);
    } catch (const platform::RegistryError&) {
        try {
            if (replacedActions) {
                properties.writeValue(actionValueName(below), *replacedActions);
            } else {
                properties.deleteValue(actionValueName(below));
            }
        } catch (const platform::RegistryError&) {
            // The first refusal is the one the user is told about; the copy
            // below then keeps the moved record's actions.
        }
        throw;
    }
}

}  // namespace

void removeRecord(platform::RegistryKey& properties, int number) {
    int last = number;
    for (int later = number + 1; later <= kLastRecordNumber; ++later) {
        const auto record = properties.readString(recordValueName(later));
        if (record.empty()) {
            break;
        }
        moveRecordDown(properties, later, record);
        last = later;
    }
    // The P value goes first, so that the numbering ends before its A value.
    properties.deleteValue(recordValueName(last));
    properties.deleteValue(actionValueName(last));
}

}  // namespace setup
