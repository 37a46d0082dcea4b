#include "tools/orvctl/profile.h"

#include <nlohmann/json.hpp>

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/store/action_string.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"
#include "tools/orvctl/record_members.h"
#include "tools/orvctl/store_check.h"

namespace orvctl {
namespace {

// Keys in the order written, so that people read the members in record order.
using json = nlohmann::ordered_json;

const char kDeviceCode[] = "deviceCode";
const char kPort[] = "port";
const char kApplication[] = "application";
const char kRecord[] = "record";
const char kActions[] = "actions";
const char kMembers[] = "members";
const char kDecodedActions[] = "decodedActions";

constexpr int kIndent = 2;
constexpr int kLargestCode = 0xFFF;
constexpr int kLargestPort = 999;
// The stored name length has three digits.
constexpr size_t kLongestName = 999;

class IgnoringReporter : public setup::MacroReporter {
public:
    void report(const std::wstring&) override {}
};

json decodedActions(const std::wstring& actions) {
    IgnoringReporter reporter;
    setup::ActionTable table;
    setup::parseActionString(actions, table, reporter);
    json decoded = json::array();
    for (int slot = 0; slot < setup::actionCount(table); ++slot) {
        decoded.push_back(platform::toUtf8(actionText(table[slot])));
    }
    return decoded;
}

json members(const std::wstring& record) {
    json decoded = json::object();
    for (const auto& [name, value] : recordMembers(setup::parsePropertyRecord(record))) {
        decoded[platform::toUtf8(name)] = platform::toUtf8(value);
    }
    return decoded;
}

// Raises the problem of one setup's field, named as it stands in the file.
[[noreturn]] void fieldProblem(size_t index, const char* field, const std::wstring& problem) {
    throw platform::Error(L"setup " + std::to_wstring(index + 1) + L" (entry " +
                          std::to_wstring(index) + L" of the list), \"" +
                          platform::fromUtf8(field) + L"\": " + problem);
}

const json& field(const json& entry, size_t index, const char* name, json::value_t type) {
    const auto it = entry.find(name);
    if (it == entry.end()) {
        fieldProblem(index, name, L"missing");
    }
    const bool isNumber = type == json::value_t::number_unsigned;
    if (isNumber ? !it->is_number_integer() : it->type() != type) {
        fieldProblem(index, name, isNumber ? L"must be a whole number" : L"must be text");
    }
    return *it;
}

std::wstring text(const json& entry, size_t index, const char* name) {
    return platform::fromUtf8(field(entry, index, name, json::value_t::string).get<std::string>());
}

Setup readSetup(const json& entry, size_t index) {
    if (!entry.is_object()) {
        throw platform::Error(L"setup " + std::to_wstring(index + 1) + L" (entry " +
                              std::to_wstring(index) + L" of the list) must be an object");
    }
    Setup setup;
    const auto code = platform::parseHex(text(entry, index, kDeviceCode));
    if (!code || *code > kLargestCode) {
        fieldProblem(index, kDeviceCode, L"must be up to three hex digits");
    }
    setup.deviceCode = *code;
    const auto port = field(entry, index, kPort, json::value_t::number_unsigned).get<int64_t>();
    if (port < 0 || port > kLargestPort) {
        fieldProblem(index, kPort, L"must be 0 to " + std::to_wstring(kLargestPort));
    }
    setup.portNumber = static_cast<int>(port);
    setup.application = text(entry, index, kApplication);
    if (setup.application.size() > kLongestName) {
        fieldProblem(index, kApplication,
                     std::to_wstring(setup.application.size()) +
                         L" characters are too many for the three-digit length field");
    }
    setup.record = text(entry, index, kRecord);
    if (const auto fault = recordFault(setup.record); !fault.empty()) {
        fieldProblem(index, kRecord, L"the record " + fault);
    }
    const auto named =
        setup::storedApplicationName(std::wstring(setup::kDeviceKeyLength, L'0') + setup.record);
    if (named != setup.application) {
        fieldProblem(index, kRecord,
                     L"the record is for \"" + named + L"\", not \"" + setup.application + L"\"");
    }
    setup.actions = text(entry, index, kActions);
    if (const auto fault = actionsFault(setup.actions); !fault.empty()) {
        fieldProblem(index, kActions, L"the action string " + fault);
    }
    return setup;
}

}  // namespace

std::string writeProfile(const std::vector<Setup>& setups) {
    json profile = json::array();
    for (const auto& setup : setups) {
        json entry = json::object();
        entry[kDeviceCode] = platform::toUtf8(platform::lowerHex(setup.deviceCode, 3));
        entry[kPort] = setup.portNumber;
        entry[kApplication] = platform::toUtf8(setup.application);
        entry[kRecord] = platform::toUtf8(setup.record);
        entry[kActions] = platform::toUtf8(setup.actions);
        entry[kMembers] = members(setup.record);
        entry[kDecodedActions] = decodedActions(setup.actions);
        profile.push_back(entry);
    }
    return profile.dump(kIndent) + "\n";
}

std::vector<Setup> readProfile(const std::string& text) {
    json profile;
    try {
        profile = json::parse(text);
    } catch (const json::parse_error& error) {
        throw platform::Error(L"not JSON: " + platform::fromUtf8(error.what()));
    }
    if (!profile.is_array()) {
        throw platform::Error(L"a profile is a list of setups, not " +
                              platform::fromUtf8(profile.type_name()));
    }
    std::vector<Setup> setups;
    for (size_t index = 0; index < profile.size(); ++index) {
        setups.push_back(readSetup(profile[index], index));
    }
    return setups;
}

}  // namespace orvctl
