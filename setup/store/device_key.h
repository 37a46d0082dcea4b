#pragma once

#include <cstddef>
#include <string>

// The six characters that open every P value and tie a record to one physical
// device: the device code as three lower-case hex digits, then the port as three
// decimal digits ("3f8001").
namespace setup {

inline constexpr size_t kDeviceKeyLength = 6;

std::wstring makeDeviceKey(int deviceCode, int portNumber);

// Whether two texts beginning with a device key denote the same device. Codes
// whose low hex digit is 0 to 4 match whatever their middle digit.
bool deviceKeysMatch(const std::wstring& first, const std::wstring& second);

// The same rule on integer device codes.
bool deviceCodesMatch(int first, int second);

}  // namespace setup
