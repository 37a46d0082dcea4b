#pragma once

#include <array>
#include <string>

// One device's settings for one application, as the driver reads them from a
// P value after the six-character device key. Field order, widths, zero padding
// and the +1 shifts are binding: the driver reads the same text.
namespace setup {

struct PropertyInfo {
    int applicationNameLength = 0;
    std::wstring applicationName;
    // Which logical button physical button i + 1 performs: 0 Primary, 1 Secondary,
    // 2 Aux1, 3 Aux 2, -1 none. Stored one higher.
    std::array<int, 4> buttonPosition{};
    int doubleClickSpeed = 0;
    int reserved1 = 0;
    int cursorSpeed1 = 0;
    int cursorSpeed2 = 0;
    int acceleration = 0;  // 0 None .. 3 High; stored one higher
    int reserved2 = 0;
    int trailLength = 0;  // 0 = trails off
    int reserved3 = 0;
    int reserved4 = 0;
    int reserved5 = 0;
    int schemeNameLength = 0;
    std::wstring schemeName;

    bool operator==(const PropertyInfo& other) const;
    bool operator!=(const PropertyInfo& other) const { return !(*this == other); }
};

// The first button position of the saved setup holds this until a setup is loaded.
inline constexpr int kNothingLoaded = 2147483647;

// Records of a device that has none yet: all applications, four buttons; and the
// same for a two-button device (buttons 3 and 4 none).
inline const std::wstring kDefaultRecord =
    L"007GENERAL001002003004005005007007001005000005005005016Windows Standard";
inline const std::wstring kTwoButtonDefaultRecord =
    L"007GENERAL001002000000005005007007001005000005005005016Windows Standard";

inline const std::wstring kGeneral = L"GENERAL";

// Reads a record into info, field by field. A numeric field that is not three
// decimal digits, or a text field running past the end of the record, raises
// platform::ConversionError naming the field and its position; the fields read
// before it stay in info. Characters after the scheme name are ignored.
void parsePropertyRecord(const std::wstring& record, PropertyInfo& info);
PropertyInfo parsePropertyRecord(const std::wstring& record);

// The record text of info. The length fields are written from the strings
// themselves, so a record never disagrees with its own text. A value that does
// not fit its three digits raises platform::Error instead of writing a record the
// driver would misread.
std::wstring buildPropertyRecord(const PropertyInfo& info);

// The application name of a P value (device key included): its length from
// characters 7-9 (a missing or non-numeric length counts as 0), the name from
// character 10, cut at the end of the text.
std::wstring storedApplicationName(const std::wstring& value);

}  // namespace setup
