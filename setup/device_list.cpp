#include "setup/device_list.h"

#include <algorithm>

#include "platform/text.h"
#include "setup/store/device_key.h"

namespace setup {

const std::array<DeviceKind, 9> kDeviceKinds = {{
    {L"Orvane Right Hand Mouse", 0x014, 6},
    {L"Orvane Left Hand Mouse", 0x015, 7},
    {L"Standard 2 Button Mouse", 0x00A, 1},
    {L"Standard 3 Button Mouse", 0x00B, 2},
    {L"Standard 2 Button Trackball", 0x00C, 3},
    {L"Standard Touchpad", 0x00D, 4},
    {L"Standard Pointy Stick", 0x00E, 5},
    {L"4 Button Mouse/Trackball", 0x030, 8},
    {L"Special Custom Device", 0x00F, 2},
}};

namespace {

constexpr int kFieldWidth = 3;
constexpr int kDeviceCodeBits = 0xFFFF;
constexpr int kLowDigitMask = 0xF;
constexpr int kLastMaskingDigit = 4;
constexpr int kMiddleDigitCleared = 0xF0F;
constexpr int kFirstPort = 1;
constexpr int kOtherPortNames = 5000;
constexpr int kTypeNames = 10000;
constexpr int kPortNames = 15000;

std::wstring field(const std::wstring& text, size_t entry, size_t length, int index) {
    return text.substr(entry * length + static_cast<size_t>(index * kFieldWidth), kFieldWidth);
}

size_t entryCount(const std::wstring& text, int entryLength) {
    return text.size() / static_cast<size_t>(entryLength);
}

std::wstring entryText(int typeCode, int deviceCode, int portNumber) {
    return platform::lowerHex(typeCode, kFieldWidth) + platform::lowerHex(deviceCode, kFieldWidth) +
           platform::zeroPadded(portNumber, kFieldWidth);
}

}  // namespace

std::vector<MouseInfo> parseMiceFound(const std::wstring& text) {
    std::vector<MouseInfo> devices(
        std::min(entryCount(text, kMiceFoundEntryLength), static_cast<size_t>(kMostDevices)));
    for (size_t j = 0; j < devices.size(); ++j) {
        devices[j].deviceCode =
            platform::parseHex(field(text, j, kMiceFoundEntryLength, 0)).value_or(1) &
            kDeviceCodeBits;
        devices[j].portNumber =
            platform::parseDecimal(field(text, j, kMiceFoundEntryLength, 1)).value_or(1);
    }
    return devices;
}

std::vector<UserDefinedType> parseUserDefined(const std::wstring& text) {
    std::vector<UserDefinedType> entries(entryCount(text, kUserDefinedEntryLength));
    for (size_t k = 0; k < entries.size(); ++k) {
        entries[k].typeCode =
            platform::parseHex(field(text, k, kUserDefinedEntryLength, 0)).value_or(0);
        entries[k].deviceCode =
            platform::parseHex(field(text, k, kUserDefinedEntryLength, 1)).value_or(0);
        entries[k].portNumber =
            platform::parseDecimal(field(text, k, kUserDefinedEntryLength, 2)).value_or(0);
    }
    return entries;
}

void applyUserDefinedTypes(std::vector<MouseInfo>& devices,
                           const std::vector<UserDefinedType>& entries) {
    for (const auto& entry : entries) {
        for (auto& device : devices) {
            if (device.portNumber == entry.portNumber && device.deviceCode == entry.deviceCode) {
                device.deviceType = entry.typeCode;
            }
        }
    }
}

int buttonCountForType(int deviceType) {
    switch (deviceType) {
        case 6:
        case 11:
        case 15:
        case 61:
        case 66:
            return 3;
        case 48:
        case 52:
        case 53:
            return 4;
        default:
            return deviceType >= 20 && deviceType <= 27 ? 3 : 2;
    }
}

int deviceKindRow(int deviceType) {
    const auto it =
        std::find_if(kDeviceKinds.begin(), kDeviceKinds.end(),
                     [&](const DeviceKind& kind) { return kind.typeCode == deviceType; });
    return it == kDeviceKinds.end() ? -1 : static_cast<int>(it - kDeviceKinds.begin());
}

int maskedDeviceCode(int deviceCode) {
    return (deviceCode & kLowDigitMask) <= kLastMaskingDigit ? deviceCode & kMiddleDigitCleared
                                                             : deviceCode;
}

int deviceNameNumber(const MouseInfo& device) {
    if (device.deviceType != 0) {
        return kTypeNames + device.deviceType;
    }
    return maskedDeviceCode(device.deviceCode) +
           (device.portNumber == kFirstPort ? 0 : kOtherPortNames);
}

int portNameNumber(int portNumber) {
    return kPortNames + portNumber;
}

DeviceName splitDeviceName(const std::wstring& text) {
    const size_t cut = text.size() >= 2 ? text.size() - 2 : 0;
    return {text.substr(0, cut),
            platform::parseDecimal(platform::trim(text.substr(cut))).value_or(1)};
}

std::wstring buildUserDefined(const std::vector<MouseInfo>& devices,
                              const std::vector<UserDefinedType>& oldEntries) {
    std::wstring text;
    for (const auto& device : devices) {
        if (device.deviceType != device.deviceCode) {
            text += entryText(device.deviceType, device.deviceCode, device.portNumber);
        }
    }
    for (const auto& entry : oldEntries) {
        const bool attached =
            std::any_of(devices.begin(), devices.end(), [&](const MouseInfo& device) {
                return device.portNumber == entry.portNumber &&
                       deviceCodesMatch(device.deviceCode, entry.deviceCode);
            });
        if (!attached) {
            text += entryText(entry.typeCode, entry.deviceCode, entry.portNumber);
        }
    }
    return platform::toLower(text);
}

}  // namespace setup
