#include "setup/store/device_key.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

TEST(DeviceKey, CodeInLowerHexThenPortInDecimal) {
    EXPECT_EQ(makeDeviceKey(0x3F8, 1), L"3f8001");
    EXPECT_EQ(makeDeviceKey(0xA, 2), L"00a002");
    EXPECT_EQ(makeDeviceKey(0xB05, 29), L"b05029");
}

TEST(DeviceKey, MiddleDigitIsIgnoredWhenTheLowDigitIsZeroToFour) {
    struct Case {
        const wchar_t* first;
        const wchar_t* second;
        bool match;
    };
    const Case cases[] = {
        {L"3f2001", L"302001", true},
        {L"3f8001", L"308001", false},
        {L"3F2001007GENERAL", L"3a2001", true},  // upper case and trailing text do not matter
        {L"3f2001", L"3f2002", false},           // another port is another device
        {L"004001", L"0f4001", true},
        {L"005001", L"0f5001", false},
        {L"3f", L"3f", true},  // too short to mask: compared as they are
        {L"3f", L"30", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first, c.first + wcslen(c.first)) + " vs " +
                     std::string(c.second, c.second + wcslen(c.second)));
        EXPECT_EQ(deviceKeysMatch(c.first, c.second), c.match);
        EXPECT_EQ(deviceKeysMatch(c.second, c.first), c.match);
    }
}

TEST(DeviceKey, IntegerCodesFollowTheSameRule) {
    EXPECT_TRUE(deviceCodesMatch(0x3F2, 0x302));
    EXPECT_FALSE(deviceCodesMatch(0x3F8, 0x308));
    EXPECT_TRUE(deviceCodesMatch(0x213, 0x203));
    EXPECT_TRUE(deviceCodesMatch(0xB05, 0xB05));
    EXPECT_FALSE(deviceCodesMatch(0xB05, 0xA05));
}

}  // namespace
}  // namespace setup
