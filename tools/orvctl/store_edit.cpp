#include "tools/orvctl/store_edit.h"

#include <algorithm>
#include <cwctype>

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/device_list.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"
#include "setup/store/record_store.h"
#include "setup/store/registry_layout.h"
#include "setup/store/setup_store.h"
#include "tools/orvctl/store_check.h"
#include "tools/orvctl/undoable_key.h"

namespace orvctl {
namespace {

constexpr size_t kCodeDigits = 3;

std::wstring keyOf(int deviceCode, int portNumber) {
    return setup::makeDeviceKey(deviceCode, portNumber);
}

std::wstring described(const std::wstring& valueName, const std::wstring& value) {
    return valueName + L" (" + value.substr(0, setup::kDeviceKeyLength) + L", \"" +
           setup::storedApplicationName(value) + L"\")";
}

// Writes through an undo log and closes the key with a flush; a refused write
// or flush puts every value back before the error goes on.
template <typename Writes>
void changeAllOrNothing(platform::RegistryKey& properties, Writes writes) {
    UndoableKey key(properties);
    try {
        writes(key);
        properties.close();
    } catch (const platform::RegistryError&) {
        key.rollBack();
        throw;
    }
}

int typeOf(platform::Registry& registry, const DeviceId& device) {
    auto key = registry.open(setup::kDriverRoot, setup::kMiceFoundKey);
    int type = 0;
    for (const auto& entry :
         setup::parseUserDefined(key ? key->readString(setup::kUserDefinedValue) : L"")) {
        if (entry.deviceCode == device.deviceCode && entry.portNumber == device.portNumber) {
            type = entry.typeCode;
        }
    }
    return type;
}

struct PlannedWrite {
    int number = 0;
    std::wstring value;
    std::wstring actions;
    bool added = false;
};

class Import {
public:
    Import(platform::RegistryKey& properties, std::vector<Setup> setups)
        : properties_(properties), setups_(std::move(setups)) {}

    std::vector<std::wstring> run() {
        // A device new to the store gets its GENERAL record before the others.
        std::stable_partition(setups_.begin(), setups_.end(),
                              [](const Setup& s) { return s.application == setup::kGeneral; });
        const int end = setup::scanRecords(properties_, [this](const setup::StoredRecord& r) {
            stored_.push_back(r);
            return true;
        });
        refuseGap(end);
        const auto plan = planWrites(end);
        std::vector<std::wstring> lines;
        changeAllOrNothing(properties_, [&](UndoableKey& key) {
            for (const auto& write : plan) {
                lines.push_back((write.added ? L"added " : L"replaced ") +
                                described(setup::recordValueName(write.number), write.value));
                // A new record becomes visible with its P value, so it comes last;
                // a record in place gets its settings first, as the program writes them.
                if (!write.added) {
                    key.write(setup::recordValueName(write.number), write.value);
                }
                key.write(setup::actionValueName(write.number), write.actions);
                if (write.added) {
                    key.write(setup::recordValueName(write.number), write.value);
                }
            }
        });
        return lines;
    }

private:
    // Writing at the first free number would bring the records after a gap
    // back to the driver's sight, unchecked.
    void refuseGap(int end) {
        const auto values = readNumberedValues(properties_);
        for (const auto& [number, value] : values.records) {
            if (number > end && !value.empty()) {
                throw platform::Error(L"the numbering has a gap at " + setup::recordValueName(end) +
                                      L": run 'orvctl repair' first");
            }
        }
    }

    std::vector<PlannedWrite> planWrites(int end) {
        std::vector<PlannedWrite> plan;
        int next = end;
        for (size_t i = 0; i < setups_.size(); ++i) {
            const auto& s = setups_[i];
            const auto value = keyOf(s.deviceCode, s.portNumber) + s.record;
            for (size_t j = 0; j < i; ++j) {
                if (sameSetup(value, plan[j].value)) {
                    throw platform::Error(L"two setups are for the same device and application " +
                                          described(L"", value).substr(1));
                }
            }
            const auto existing = std::find_if(stored_.begin(), stored_.end(), [&](const auto& r) {
                return sameSetup(r.value, value);
            });
            if (existing != stored_.end()) {
                plan.push_back({existing->number, value, s.actions, false});
            } else {
                plan.push_back({setup::freeRecordNumber(next++), value, s.actions, true});
            }
        }
        plan.erase(std::remove_if(plan.begin(), plan.end(),
                                  [this](const PlannedWrite& w) { return unchanged(w); }),
                   plan.end());
        return plan;
    }

    static bool sameSetup(const std::wstring& first, const std::wstring& second) {
        return setup::deviceKeysMatch(first, second) &&
               setup::storedApplicationName(first) == setup::storedApplicationName(second);
    }

    bool unchanged(const PlannedWrite& write) {
        return !write.added &&
               properties_.readString(setup::recordValueName(write.number)) == write.value &&
               properties_.hasValue(setup::actionValueName(write.number)) &&
               properties_.readString(setup::actionValueName(write.number)) == write.actions;
    }

    platform::RegistryKey& properties_;
    std::vector<Setup> setups_;
    std::vector<setup::StoredRecord> stored_;
};

}  // namespace

std::optional<DeviceId> parseDeviceKey(const std::wstring& text) {
    if (text.size() != setup::kDeviceKeyLength) {
        return std::nullopt;
    }
    const auto code = platform::parseHex(text.substr(0, kCodeDigits));
    const auto port = platform::parseDecimal(text.substr(kCodeDigits));
    const bool digitsOnly =
        std::all_of(text.begin(), text.end(), [](wchar_t c) { return std::iswxdigit(c) != 0; });
    if (!code || !port || !digitsOnly) {
        return std::nullopt;
    }
    return DeviceId{*code, *port};
}

std::vector<Setup> collectSetups(platform::Registry& registry, const DeviceId& device,
                                 const std::vector<std::wstring>& applications) {
    auto key = setup::openPropertiesKey(registry);
    const auto deviceKey = keyOf(device.deviceCode, device.portNumber);
    std::vector<Setup> setups;
    setup::scanRecords(*key, [&](const setup::StoredRecord& stored) {
        const auto application = setup::storedApplicationName(stored.value);
        if (!setup::deviceKeysMatch(deviceKey, stored.value) ||
            (!applications.empty() && std::find(applications.begin(), applications.end(),
                                                application) == applications.end())) {
            return true;
        }
        const auto record = platform::part(stored.value, setup::kDeviceKeyLength);
        const auto actions = key->readString(setup::actionValueName(stored.number));
        if (const auto fault = recordFault(record); !fault.empty()) {
            throw platform::Error(setup::recordValueName(stored.number) + L": the record " + fault);
        }
        if (const auto fault = actionsFault(actions); !fault.empty()) {
            throw platform::Error(setup::actionValueName(stored.number) + L": the action string " +
                                  fault);
        }
        setups.push_back({device.deviceCode, device.portNumber, application, record, actions});
        return true;
    });
    for (const auto& application : applications) {
        if (std::none_of(setups.begin(), setups.end(),
                         [&](const Setup& s) { return s.application == application; })) {
            throw platform::Error(L"device " + deviceKey + L" has no record for \"" + application +
                                  L"\"");
        }
    }
    if (setups.empty()) {
        throw platform::Error(L"device " + deviceKey + L" has no record");
    }
    return setups;
}

std::vector<std::wstring> importSetups(platform::Registry& registry, std::vector<Setup> setups,
                                       const std::optional<DeviceId>& device) {
    if (device) {
        for (auto& s : setups) {
            s.deviceCode = device->deviceCode;
            s.portNumber = device->portNumber;
        }
    }
    auto key = setup::openPropertiesKey(registry);
    return Import(*key, std::move(setups)).run();
}

std::wstring resetSetup(platform::Registry& registry, const DeviceId& device,
                        const std::wstring& application) {
    const auto& name = application.empty() ? setup::kGeneral : application;
    const auto deviceKey = keyOf(device.deviceCode, device.portNumber);
    const auto buttons = setup::buttonCountForType(typeOf(registry, device));
    auto key = setup::openPropertiesKey(registry);
    const auto slot = setup::findRecordSlot(*key, deviceKey, name);
    if (slot.content.empty()) {
        throw platform::Error(L"device " + deviceKey + L" has no record for \"" + name + L"\"");
    }
    const auto record =
        name == setup::kGeneral ? setup::firstUseRecord(buttons) : setup::namedDefaultRecord(name);
    changeAllOrNothing(*key, [&](UndoableKey& undoable) {
        undoable.write(slot.valueName, slot.content.substr(0, setup::kDeviceKeyLength) + record);
        undoable.write(setup::actionValueName(slot.number), L"");
    });
    return slot.valueName;
}

}  // namespace orvctl
