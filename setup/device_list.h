#pragma once

#include <array>
#include <string>
#include <vector>

// The pointing devices the driver found (the MiceFound value: a three-digit hex
// device code and a three-digit decimal port per device) and the types users
// gave them (the UserDefined value: type code, device code, port).
namespace setup {

struct MouseInfo {
    int deviceType = 0;  // type code, 0 = none
    int portNumber = 0;
    int deviceCode = 0;
    int buttonCount = 0;
    std::wstring deviceTypeName;
};

struct UserDefinedType {
    int typeCode = 0;
    int deviceCode = 0;
    int portNumber = 0;
};

inline constexpr int kMostDevices = 25;
inline constexpr int kMiceFoundEntryLength = 6;
inline constexpr int kUserDefinedEntryLength = 9;

// One row of the device-type list, in list order.
struct DeviceKind {
    const wchar_t* text;
    int typeCode;
    int picture;  // bitmap "MOUSE" + picture
};
extern const std::array<DeviceKind, 9> kDeviceKinds;

// At most 25 devices; characters that are not digits give port 1 and code 1.
std::vector<MouseInfo> parseMiceFound(const std::wstring& text);
// Every whole entry, however many: types of devices not attached now are kept
// by every rewrite. Characters that are not digits give 0.
std::vector<UserDefinedType> parseUserDefined(const std::wstring& text);
// Gives each device the type of the entries with its exact code and port; later
// entries win; unmatched devices keep the type they had.
void applyUserDefinedTypes(std::vector<MouseInfo>& devices,
                           const std::vector<UserDefinedType>& entries);

// 2, 3 or 4, from the type code (also for codes outside the type list).
int buttonCountForType(int deviceType);

// The device's row in the type list, or -1 when its type is not one of them.
int deviceKindRow(int deviceType);

// String-table numbers: the name of a device without a type is looked up by its
// masked code (middle hex digit cleared when the low digit is 0 to 4), plus 5000
// on any port but the first; the name of an assigned type by 10000 + type;
// a port's name by 15000 + port.
int maskedDeviceCode(int deviceCode);
int deviceNameNumber(const MouseInfo& device);
int portNameNumber(int portNumber);

// A looked-up device name ends in a blank and its picture digit: the name without
// its last two characters, and the picture (1 when they are no number).
struct DeviceName {
    std::wstring name;
    int picture = 1;
};
DeviceName splitDeviceName(const std::wstring& text);

// The UserDefined text after a type was chosen: an entry for every listed device
// whose type differs from its code, then every old entry whose device is not
// listed now (so devices unplugged today keep their types); lower case.
std::wstring buildUserDefined(const std::vector<MouseInfo>& devices,
                              const std::vector<UserDefinedType>& oldEntries);

}  // namespace setup
