#include "tools/orvctl/store_check.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/device_list.h"
#include "setup/store/action_string.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"

namespace orvctl {
namespace {

// The fixed part of a record: the two length fields and the sixteen numbers.
constexpr size_t kLengthFieldWidth = 3;
constexpr size_t kNumberFieldsWidth = 42;

class CollectingReporter : public setup::MacroReporter {
public:
    void report(const std::wstring& message) override { messages.push_back(message); }
    std::vector<std::wstring> messages;
};

// The number of a value named like P007 or A007 with the given letter; 0 otherwise.
int numberOf(const std::wstring& name, wchar_t letter) {
    if (name.size() != 1 + setup::kRecordNumberDigits || name[0] != letter ||
        !std::all_of(name.begin() + 1, name.end(),
                     [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        return 0;
    }
    return *platform::parseDecimal(name.substr(1));
}

class Checker {
public:
    Checker(platform::Registry& registry, platform::RegistryKey& properties)
        : registry_(registry), values_(readNumberedValues(properties)) {}

    CheckResult run() {
        checkNumbering();
        checkPairs();
        checkContents();
        checkDuplicates();
        checkDevicesFound();
        return result_;
    }

private:
    void problem(const std::wstring& text) { result_.problems.push_back(text); }

    bool present(int number) const {
        const auto it = values_.records.find(number);
        return it != values_.records.end() && !it->second.empty();
    }

    void checkNumbering() {
        int previous = 0;
        for (const auto& [number, text] : values_.records) {
            if (text.empty()) {
                continue;
            }
            if (number != previous + 1) {
                const int gap = previous + 1;
                problem(setup::recordValueName(gap) +
                        (values_.records.count(gap) ? L" is empty" : L" is missing") +
                        L": the driver stops there and never reads " +
                        setup::recordValueName(number) + L" or any later record");
            }
            previous = number;
        }
    }

    void checkPairs() {
        for (const auto& [number, text] : values_.records) {
            if (!text.empty() && !values_.actions.count(number)) {
                problem(setup::recordValueName(number) + L" has no " +
                        setup::actionValueName(number));
            }
        }
        for (const auto& [number, text] : values_.actions) {
            if (!present(number)) {
                problem(setup::actionValueName(number) + L" has no " +
                        setup::recordValueName(number));
            }
        }
    }

    void checkContents() {
        for (const auto& [number, text] : values_.records) {
            if (text.empty()) {
                continue;
            }
            const auto fault = text.size() < setup::kDeviceKeyLength
                                   ? L"is too short to hold a device key"
                                   : recordFault(text.substr(setup::kDeviceKeyLength));
            if (!fault.empty()) {
                problem(setup::recordValueName(number) + L": the record " + fault);
            }
        }
        for (const auto& [number, text] : values_.actions) {
            const auto fault = actionsFault(text);
            if (!fault.empty()) {
                problem(setup::actionValueName(number) + L": the action string " + fault);
            }
        }
    }

    void checkDuplicates() {
        std::map<std::wstring, std::vector<int>> byApplication;
        for (const auto& [number, text] : values_.records) {
            if (!text.empty()) {
                byApplication[setup::storedApplicationName(text)].push_back(number);
            }
        }
        for (const auto& [application, numbers] : byApplication) {
            for (size_t i = 0; i < numbers.size(); ++i) {
                for (size_t j = i + 1; j < numbers.size(); ++j) {
                    const auto& first = values_.records.at(numbers[i]);
                    if (setup::deviceKeysMatch(first, values_.records.at(numbers[j]))) {
                        problem(setup::recordValueName(numbers[i]) + L" and " +
                                setup::recordValueName(numbers[j]) +
                                L" hold the same device and application (" +
                                first.substr(0, setup::kDeviceKeyLength) + L", \"" + application +
                                L"\")");
                    }
                }
            }
        }
    }

    void checkDevicesFound() {
        auto key = registry_.open(setup::kDriverRoot, setup::kMiceFoundKey);
        const auto devices =
            setup::parseMiceFound(key ? key->readString(setup::kMiceFoundValue) : L"");
        for (const auto& record : values_.records) {
            const int number = record.first;
            const std::wstring& text = record.second;
            const bool found =
                std::any_of(devices.begin(), devices.end(), [&](const setup::MouseInfo& device) {
                    return setup::deviceKeysMatch(
                        setup::makeDeviceKey(device.deviceCode, device.portNumber), text);
                });
            if (!text.empty() && !found) {
                result_.notes.push_back(L"note: " + setup::recordValueName(number) + L": device " +
                                        text.substr(0, setup::kDeviceKeyLength) +
                                        L" is not in MiceFound");
            }
        }
    }

    platform::Registry& registry_;
    NumberedValues values_;
    CheckResult result_;
};

}  // namespace

NumberedValues readNumberedValues(platform::RegistryKey& properties) {
    NumberedValues values;
    for (const auto& name : properties.valueNames()) {
        if (const int record = numberOf(name, L'P')) {
            values.records[record] = properties.readString(name);
        } else if (const int actions = numberOf(name, L'A')) {
            values.actions[actions] = properties.readString(name);
        }
    }
    return values;
}

std::wstring recordFault(const std::wstring& record) {
    setup::PropertyInfo info;
    try {
        setup::parsePropertyRecord(record, info);
    } catch (const platform::ConversionError& error) {
        return L"does not parse: " + error.message();
    }
    const size_t expected = kLengthFieldWidth + info.applicationName.size() + kNumberFieldsWidth +
                            kLengthFieldWidth + info.schemeName.size();
    if (record.size() != expected) {
        return L"has " + std::to_wstring(record.size()) + L" characters where its name lengths (" +
               std::to_wstring(info.applicationNameLength) + L" and " +
               std::to_wstring(info.schemeNameLength) + L") make " + std::to_wstring(expected) +
               L": a length disagrees with its name";
    }
    return L"";
}

std::wstring actionsFault(const std::wstring& actions) {
    CollectingReporter reporter;
    setup::ActionTable table;
    try {
        if (!setup::parseActionString(actions, table, reporter)) {
            return L"holds more than " + std::to_wstring(setup::kUsableActions) + L" actions";
        }
    } catch (const platform::ConversionError& error) {
        return L"does not parse: " + error.message();
    }
    if (reporter.messages.empty()) {
        return L"";
    }
    // One problem, one line: the converter's message has its macro on a line of its own.
    auto message = reporter.messages.front();
    std::replace(message.begin(), message.end(), L'\n', L' ');
    return L"holds a macro that does not convert: " + message;
}

CheckResult checkStore(platform::Registry& registry) {
    auto properties = registry.open(setup::kDriverRoot, setup::kPropertiesKey);
    if (!properties) {
        return {{L"the key HKEY_LOCAL_MACHINE\\" + setup::kPropertiesKey + L" is missing"}, {}};
    }
    return Checker(registry, *properties).run();
}

}  // namespace orvctl
