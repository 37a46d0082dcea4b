#include "setup/store/device_key.h"

#include "platform/text.h"

namespace setup {
namespace {

constexpr int kCodeDigits = 3;
constexpr int kPortDigits = 3;
// A low digit up to this one makes the middle digit irrelevant.
constexpr wchar_t kLastMaskingDigit = L'4';
constexpr int kLowDigitMask = 0xF;
constexpr int kMiddleDigitCleared = 0xF0F;

std::wstring comparableKey(const std::wstring& text) {
    auto key = platform::toLower(text.substr(0, kDeviceKeyLength));
    if (key.size() > 2 && key[2] <= kLastMaskingDigit) {
        key[1] = L' ';
    }
    return key;
}

int comparableCode(int code) {
    return (code & kLowDigitMask) > (kLastMaskingDigit - L'0') ? code : code & kMiddleDigitCleared;
}

}  // namespace

std::wstring makeDeviceKey(int deviceCode, int portNumber) {
    return platform::lowerHex(deviceCode, kCodeDigits) +
           platform::zeroPadded(portNumber, kPortDigits);
}

bool deviceKeysMatch(const std::wstring& first, const std::wstring& second) {
    return comparableKey(first) == comparableKey(second);
}

bool deviceCodesMatch(int first, int second) {
    return comparableCode(first) == comparableCode(second);
}

}  // namespace setup
