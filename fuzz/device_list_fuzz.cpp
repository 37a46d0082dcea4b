// The MiceFound and UserDefined values: the devices the driver found and the
// types users gave them. The input is the MiceFound text, a line break, and
// the UserDefined text.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "setup/device_list.h"

namespace {

using namespace setup;

constexpr int kLargestHexField = 0xFFF;
constexpr int kLargestDecimalField = 999;

bool inField(int value, int largest) {
    return value >= 0 && value <= largest;
}

std::vector<MouseInfo> checkedMiceFound(const std::wstring& text) {
    const auto devices = parseMiceFound(text);
    fuzz::check(devices.size() <= kMostDevices, "at most 25 devices are found", text);
    for (const auto& device : devices) {
        fuzz::check(inField(device.deviceCode, kLargestHexField) &&
                        inField(device.portNumber, kLargestDecimalField),
                    "a found device's code and port fit their fields", text);
    }
    return devices;
}

std::vector<UserDefinedType> checkedUserDefined(const std::wstring& text) {
    const auto entries = parseUserDefined(text);
    fuzz::check(entries.size() == text.size() / kUserDefinedEntryLength,
                "every whole type entry is read", text);
    for (const auto& entry : entries) {
        fuzz::check(inField(entry.typeCode, kLargestHexField) &&
                        inField(entry.deviceCode, kLargestHexField) &&
                        inField(entry.portNumber, kLargestDecimalField),
                    "a type entry's fields fit their widths", text);
    }
    return entries;
}

// The entries written for the listed devices come first and read back as they
// were; the old entries for devices not listed follow.
void checkBuiltUserDefined(const std::vector<MouseInfo>& devices,
                           const std::vector<UserDefinedType>& oldEntries,
                           const std::wstring& input) {
    const auto built = buildUserDefined(devices, oldEntries);
    fuzz::check(built.size() % kUserDefinedEntryLength == 0, "UserDefined holds whole entries",
                input);
    const auto readBack = parseUserDefined(built);
    size_t next = 0;
    for (const auto& device : devices) {
        if (device.deviceType == device.deviceCode) {
            continue;
        }
        fuzz::check(next < readBack.size(), "every retyped device keeps an entry", input);
        const auto& entry = readBack[next++];
        fuzz::check(entry.typeCode == device.deviceType && entry.deviceCode == device.deviceCode &&
                        entry.portNumber == device.portNumber,
                    "a listed device's entry reads back as written", input);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto input = fuzz::textOf(data, size);
    const auto lineBreak = input.find(L'\n');
    const auto miceFound = input.substr(0, lineBreak);
    const auto userDefined =
        lineBreak == std::wstring::npos ? std::wstring() : input.substr(lineBreak + 1);

    auto devices = checkedMiceFound(miceFound);
    const auto entries = checkedUserDefined(userDefined);
    applyUserDefinedTypes(devices, entries);
    checkBuiltUserDefined(devices, entries, input);

    const auto name = splitDeviceName(input);
    fuzz::check(input.size() < 2 || input.compare(0, name.name.size(), name.name) == 0,
                "a device name is its text without the picture digit", input);
    return 0;
}
