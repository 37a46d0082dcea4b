#include "tools/orvctl/dump.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "platform/errors.h"
#include "platform/reg_file.h"
#include "platform/text.h"
#include "setup/actions/action_codes.h"
#include "setup/device_list.h"
#include "setup/store/action_string.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"
#include "setup/store/record_store.h"
#include "setup/store/registry_layout.h"
#include "tools/orvctl/record_members.h"

namespace orvctl {
namespace {

using platform::RegistryRoot;

constexpr int kLargestButtonBits = 15;
constexpr int kLargestModifierBits = 7;
constexpr size_t kSchemeFieldsRead = 20;
constexpr size_t kSchemeFieldsWritten = 14;

const wchar_t* const kButtonNames[] = {L"Primary", L"Secondary", L"Aux1", L"Aux 2"};
const wchar_t* const kAccelerationNames[] = {L"None", L"Low", L"Medium", L"High"};

// Writes the report: sections first, the problems collected on the way last.
class Report {
public:
    explicit Report(platform::Registry& registry) : registry_(registry) {}

    std::wstring run(const std::vector<platform::RegFileProblem>& fileProblems) {
        for (const auto& problem : fileProblems) {
            addProblem(L"line " + std::to_wstring(problem.line) + L" of the file: " +
                       problem.message);
        }
        driverSection();
        devicesSection();
        recordsSection();
        schemesSection();
        problemsSection();
        return text_;
    }

private:
    void line(const std::wstring& text) { text_ += text + L"\n"; }
    void addProblem(const std::wstring& text) { problems_.push_back(text); }

    std::wstring valueOf(const std::wstring& path, const std::wstring& name,
                         bool* present = nullptr) {
        auto key = registry_.open(setup::kDriverRoot, path);
        if (present != nullptr) {
            *present = key && key->hasValue(name);
        }
        return key ? key->readString(name) : L"";
    }

    void driverSection() {
        line(L"Driver settings (HKEY_LOCAL_MACHINE\\" + setup::kOrvaneKey + L")");
        if (!registry_.open(setup::kDriverRoot, setup::kOrvaneKey)) {
            line(L"  (missing)");
            addProblem(L"the key HKEY_LOCAL_MACHINE\\" + setup::kOrvaneKey +
                       L" is missing: the program refuses to start");
            return;
        }
        const auto directory = valueOf(setup::kOrvaneKey, setup::kInstallDirectoryValue);
        line(L"  Install directory: \"" + directory + L"\"");
        if (directory == L"0") {
            addProblem(L"the install directory is \"0\": the program refuses to start");
        }
        bool present = false;
        const auto tray = valueOf(setup::kOrvaneKey, setup::kShowIconInTrayValue, &present);
        line(L"  Tray icon: " + std::wstring(present && tray == L"false" ? L"hidden" : L"shown") +
             (present ? L" (ShowIconInTray \"" + tray + L"\")" : L" (no ShowIconInTray value)"));
        line(L"");
    }

    void devicesSection() {
        const auto found = valueOf(setup::kMiceFoundKey, setup::kMiceFoundValue);
        const auto typed = valueOf(setup::kMiceFoundKey, setup::kUserDefinedValue);
        devices_ = setup::parseMiceFound(found);
        const auto entries = setup::parseUserDefined(typed);
        setup::applyUserDefinedTypes(devices_, entries);
        checkEntries(L"MiceFound", found, setup::kMiceFoundEntryLength, L"xd",
                     static_cast<size_t>(setup::kMostDevices));
        checkEntries(L"UserDefined", typed, setup::kUserDefinedEntryLength, L"xxd", std::nullopt);

        line(L"Devices found (MiceFound \"" + found + L"\")");
        for (const auto& device : devices_) {
            line(L"  " + setup::makeDeviceKey(device.deviceCode, device.portNumber) + L": device " +
                 platform::lowerHex(device.deviceCode, 3) + L" on port " +
                 std::to_wstring(device.portNumber) + L", " + typeText(device.deviceType));
        }
        if (devices_.empty()) {
            line(L"  (none)");
        }
        line(L"User-defined types (UserDefined \"" + typed + L"\")");
        for (const auto& entry : entries) {
            const bool attached =
                std::any_of(devices_.begin(), devices_.end(), [&](const setup::MouseInfo& d) {
                    return d.portNumber == entry.portNumber &&
                           setup::deviceCodesMatch(d.deviceCode, entry.deviceCode);
                });
            line(L"  device " + platform::lowerHex(entry.deviceCode, 3) + L" on port " +
                 std::to_wstring(entry.portNumber) + L": " + typeText(entry.typeCode) +
                 (attached ? L"" : L" (not attached now)"));
        }
        if (entries.empty()) {
            line(L"  (none)");
        }
        line(L"");
    }

    // Entries of fixed length made of three-character fields, 'x' hex and 'd'
    // decimal; the program reads at most mostRead of them when there is a limit.
    void checkEntries(const std::wstring& name, const std::wstring& text, int entryLength,
                      const std::wstring& fieldKinds, std::optional<size_t> mostRead) {
        const size_t count = text.size() / static_cast<size_t>(entryLength);
        if (text.size() % static_cast<size_t>(entryLength) != 0) {
            addProblem(name + L": " + std::to_wstring(text.size() % entryLength) +
                       L" character(s) left over after the last whole entry are ignored");
        }
        if (mostRead && count > *mostRead) {
            addProblem(name + L": " + std::to_wstring(count) + L" entries; only the first " +
                       std::to_wstring(*mostRead) + L" are read");
        }
        for (size_t entry = 0; entry < count; ++entry) {
            for (size_t f = 0; f < fieldKinds.size(); ++f) {
                const auto digits = text.substr(entry * entryLength + f * 3, 3);
                const bool ok = fieldKinds[f] == L'x' ? platform::parseHex(digits).has_value()
                                                      : platform::parseDecimal(digits).has_value();
                if (!ok) {
                    addProblem(name + L" entry " + std::to_wstring(entry + 1) + L": '" + digits +
                               L"' is not a number; the program reads a default instead");
                }
            }
        }
    }

    static std::wstring typeText(int typeCode) {
        if (typeCode == 0) {
            return L"no type assigned";
        }
        const int row = setup::deviceKindRow(typeCode);
        return L"type " + platform::lowerHex(typeCode, 3) +
               (row < 0 ? L" (not in the type list)"
                        : L" \"" + std::wstring(setup::kDeviceKinds[row].text) + L"\"");
    }

    void recordsSection() {
        line(L"Records (HKEY_LOCAL_MACHINE\\" + setup::kPropertiesKey + L")");
        auto key = registry_.open(setup::kDriverRoot, setup::kPropertiesKey);
        if (!key) {
            line(L"  (missing)");
            addProblem(L"the key HKEY_LOCAL_MACHINE\\" + setup::kPropertiesKey +
                       L" is missing: no setup can be loaded or saved");
            line(L"");
            return;
        }
        std::vector<setup::StoredRecord> records;
        const int end = setup::scanRecords(*key, [&](const setup::StoredRecord& record) {
            records.push_back(record);
            return true;
        });
        for (const auto& record : records) {
            describeRecord(*key, record);
        }
        if (records.empty()) {
            line(L"  (none)");
        }
        checkNumbering(*key, end);
        checkDuplicates(records);
        line(L"");
    }

    void describeRecord(platform::RegistryKey& key, const setup::StoredRecord& record) {
        const auto name = setup::recordValueName(record.number);
        const auto deviceKey = record.value.substr(0, setup::kDeviceKeyLength);
        line(L"  " + name + L" device " + deviceKey + L", \"" +
             setup::storedApplicationName(record.value) + L"\"" +
             (attached(deviceKey) ? L"" : L" (device not attached now)"));
        try {
            const auto info =
                setup::parsePropertyRecord(record.value.size() > setup::kDeviceKeyLength
                                               ? record.value.substr(setup::kDeviceKeyLength)
                                               : L"");
            describeSettings(info);
        } catch (const platform::ConversionError& error) {
            line(L"    (malformed)");
            addProblem(name + L": malformed record: " + error.message());
        }
        describeActions(setup::actionValueName(record.number),
                        key.readString(setup::actionValueName(record.number)));
    }

    bool attached(const std::wstring& deviceKey) const {
        return std::any_of(devices_.begin(), devices_.end(), [&](const setup::MouseInfo& d) {
            return setup::deviceKeysMatch(setup::makeDeviceKey(d.deviceCode, d.portNumber),
                                          deviceKey);
        });
    }

    void describeSettings(const setup::PropertyInfo& info) {
        std::wstring buttons;
        for (const int position : info.buttonPosition) {
            buttons +=
                (buttons.empty() ? L"" : L", ") +
                std::wstring(position >= 0 && position < 4 ? kButtonNames[position] : L"none");
        }
        line(L"    buttons: " + buttons);
        const auto acceleration = info.acceleration >= 0 && info.acceleration < 4
                                      ? std::wstring(kAccelerationNames[info.acceleration])
                                      : L"unknown (" + std::to_wstring(info.acceleration) + L")";
        line(L"    speed " + std::to_wstring(info.cursorSpeed1) + L"/" +
             std::to_wstring(info.cursorSpeed2) + L", acceleration " + acceleration + L", trails " +
             (info.trailLength == 0 ? L"off" : std::to_wstring(info.trailLength)) +
             L", double-click speed " + std::to_wstring(info.doubleClickSpeed));
        line(L"    scheme \"" + info.schemeName + L"\", reserved " +
             std::to_wstring(info.reserved1) + L" " + std::to_wstring(info.reserved2) + L" " +
             std::to_wstring(info.reserved3) + L" " + std::to_wstring(info.reserved4) + L" " +
             std::to_wstring(info.reserved5));
    }

    class Collector : public setup::MacroReporter {
    public:
        void report(const std::wstring& message) override { messages.push_back(message); }
        std::vector<std::wstring> messages;
    };

    void describeActions(const std::wstring& name, const std::wstring& text) {
        Collector reporter;
        setup::ActionTable table;
        try {
            if (!setup::parseActionString(text, table, reporter)) {
                addProblem(name + L": more than " + std::to_wstring(setup::kUsableActions) +
                           L" actions; the program keeps the first " +
                           std::to_wstring(setup::kUsableActions));
            }
        } catch (const platform::ConversionError& error) {
            addProblem(name + L": malformed action string: " + error.message());
        }
        for (const auto& message : reporter.messages) {
            addProblem(name + L": a macro does not convert: " + message);
        }
        const int count = setup::actionCount(table);
        line(L"    " + name + L": " +
             (count == 0 ? L"no actions" : std::to_wstring(count) + L" action(s)"));
        for (int slot = 0; slot < count; ++slot) {
            describeAction(name, slot, table[slot]);
        }
    }

    void describeAction(const std::wstring& name, int slot, const setup::ActionInfo& action) {
        const auto actionName = setup::actionName(action.actionCode);
        line(L"      " + actionText(action));
        const auto entry = name + L" entry " + std::to_wstring(slot + 1);
        if (actionName.empty()) {
            addProblem(entry + L": unknown action code " + std::to_wstring(action.actionCode));
        }
        if (action.buttonCode > kLargestButtonBits) {
            addProblem(entry + L": unknown button code " + std::to_wstring(action.buttonCode));
        }
        if (action.keyCode > kLargestModifierBits) {
            addProblem(entry + L": unknown key code " + std::to_wstring(action.keyCode));
        }
    }

    void checkNumbering(platform::RegistryKey& key, int end) {
        for (const auto& name : key.valueNames()) {
            if (name.size() != 4 || (name[0] != L'P' && name[0] != L'A')) {
                continue;
            }
            const auto number = platform::parseDecimal(name.substr(1));
            if (number && *number >= end) {
                addProblem(name + L" lies after the end of the numbering at " +
                           setup::recordValueName(end) +
                           L": the driver and the program never read it");
            }
        }
    }

    void checkDuplicates(const std::vector<setup::StoredRecord>& records) {
        for (size_t i = 0; i < records.size(); ++i) {
            for (size_t j = i + 1; j < records.size(); ++j) {
                if (setup::deviceKeysMatch(records[i].value, records[j].value) &&
                    setup::storedApplicationName(records[i].value) ==
                        setup::storedApplicationName(records[j].value)) {
                    addProblem(setup::recordValueName(records[i].number) + L" and " +
                               setup::recordValueName(records[j].number) +
                               L" hold the same device and application");
                }
            }
        }
    }

    void schemesSection() {
        line(L"Pointer schemes (HKEY_CURRENT_USER\\" + setup::kSchemesKey + L")");
        auto key = registry_.open(setup::kSchemeRoot, setup::kSchemesKey);
        auto names = key ? key->valueNames() : std::vector<std::wstring>{};
        std::sort(names.begin(), names.end());
        for (const auto& name : names) {
            const auto value = key->readString(name);
            const size_t fields =
                static_cast<size_t>(std::count(value.begin(), value.end(), L',')) + 1;
            line(L"  \"" + name + L"\": " + std::to_wstring(fields) + L" field(s): " + value);
            if (fields > kSchemeFieldsRead) {
                addProblem(L"scheme \"" + name + L"\": " + std::to_wstring(fields) +
                           L" fields; the program reads " + std::to_wstring(kSchemeFieldsRead) +
                           L" and saves " + std::to_wstring(kSchemeFieldsWritten));
            }
        }
        if (names.empty()) {
            line(key ? L"  (none)" : L"  (missing)");
        }
        line(L"");
    }

    void problemsSection() {
        line(L"Problems");
        for (auto problem : problems_) {
            // Converter messages hold line breaks: keep their lines under the item.
            for (size_t at = problem.find(L'\n'); at != std::wstring::npos;
                 at = problem.find(L'\n', at + 1)) {
                problem.insert(at + 1, L"    ");
            }
            line(L"  " + problem);
        }
        if (problems_.empty()) {
            line(L"  (none)");
        }
    }

    platform::Registry& registry_;
    std::vector<setup::MouseInfo> devices_;
    std::vector<std::wstring> problems_;
    std::wstring text_;
};

}  // namespace

std::wstring dumpStore(platform::Registry& registry,
                       const std::vector<platform::RegFileProblem>& fileProblems) {
    return Report(registry).run(fileProblems);
}

}  // namespace orvctl
