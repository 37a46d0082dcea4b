#include "setup/device_list.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

TEST(DeviceList, MiceFoundEntriesAreCodeThenPort) {
    const auto devices = parseMiceFound(L"00a002301001");
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].deviceCode, 0x00A);
    EXPECT_EQ(devices[0].portNumber, 2);
    EXPECT_EQ(devices[1].deviceCode, 0x301);
    EXPECT_EQ(devices[1].portNumber, 1);
    EXPECT_EQ(devices[0].deviceType, 0);
}

TEST(DeviceList, LeftOverCharactersAreIgnoredAndAtMost25DevicesTaken) {
    EXPECT_EQ(parseMiceFound(L"00a0023").size(), 1u);
    EXPECT_EQ(parseMiceFound(L"00a00").size(), 0u);
    std::wstring many;
    for (int i = 0; i < 30; ++i) {
        many += L"00a002";
    }
    EXPECT_EQ(parseMiceFound(many).size(), 25u);
    EXPECT_EQ(parseUserDefined(many + many + L"00a0").size(), 40u)
        << "every whole type entry is kept, however many devices there are";
}

TEST(DeviceList, MalformedDigitsTakeTheirDefaults) {
    const auto devices = parseMiceFound(L"xyz0a2");
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].deviceCode, 1);
    EXPECT_EQ(devices[0].portNumber, 1);
    const auto entries = parseUserDefined(L"01g3f2 01");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].typeCode, 0);
    EXPECT_EQ(entries[0].deviceCode, 0x3F2);
    EXPECT_EQ(entries[0].portNumber, 0);
}

TEST(DeviceList, UserDefinedTypesMatchExactlyAndLaterEntriesWin) {
    auto devices = parseMiceFound(L"301001302001");
    devices[1].deviceType = 0x00B;
    applyUserDefinedTypes(devices, parseUserDefined(L"014301001015301001"));
    EXPECT_EQ(devices[0].deviceType, 0x015);
    EXPECT_EQ(devices[1].deviceType, 0x00B) << "no exact match: keeps its previous type";

    auto samePortless = parseMiceFound(L"00a00200a003");
    applyUserDefinedTypes(samePortless, parseUserDefined(L"00b00a00200c00a003"));
    EXPECT_EQ(samePortless[0].deviceType, 0x00B) << "one code on two ports: each its own type";
    EXPECT_EQ(samePortless[1].deviceType, 0x00C);
}

TEST(DeviceList, ButtonCountFollowsTheTypeCode) {
    struct Case {
        int type;
        int buttons;
    };
    for (const auto& c : {Case{0, 2}, Case{6, 3}, Case{10, 2}, Case{11, 3}, Case{15, 3},
                          Case{19, 2}, Case{20, 3}, Case{27, 3}, Case{28, 2}, Case{48, 4},
                          Case{52, 4}, Case{53, 4}, Case{61, 3}, Case{66, 3}, Case{0x301, 2}}) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(buttonCountForType(c.type), c.buttons);
    }
}

TEST(DeviceList, NameNumbersMaskTheMiddleDigitForLowDigitsUpToFour) {
    EXPECT_EQ(maskedDeviceCode(0x213), 0x203);
    EXPECT_EQ(maskedDeviceCode(0xB05), 0xB05);
    EXPECT_EQ(deviceNameNumber({0, 1, 0x213, 0, L""}), 0x203);
    EXPECT_EQ(deviceNameNumber({0, 1, 0xB05, 0, L""}), 2821);
    EXPECT_EQ(deviceNameNumber({0, 2, 0x00A, 0, L""}), 5010);
    EXPECT_EQ(deviceNameNumber({0x014, 2, 0x00A, 0, L""}), 10020);
    EXPECT_EQ(portNameNumber(2), 15002);
}

TEST(DeviceList, NamesEndInTheirPictureDigit) {
    const auto name = splitDeviceName(L"Standard 2 Button Mouse 1");
    EXPECT_EQ(name.name, L"Standard 2 Button Mouse");
    EXPECT_EQ(name.picture, 1);
    EXPECT_EQ(splitDeviceName(L"Orvane Left Hand Mouse 7").picture, 7);
    EXPECT_EQ(splitDeviceName(L"").picture, 1) << "no text: no name and picture 1";
    EXPECT_EQ(splitDeviceName(L"Odd name").picture, 1);
}

TEST(DeviceList, TypeRowsFindTheirCodes) {
    EXPECT_EQ(deviceKindRow(0x014), 0);
    EXPECT_EQ(deviceKindRow(0x00F), 8);
    EXPECT_EQ(deviceKindRow(0x301), -1);
}

TEST(DeviceList, UserDefinedSkipsDevicesWhoseCodeNamesTheirTypeAndKeepsUnpluggedOnes) {
    auto devices = parseMiceFound(L"00a002b05001");
    devices[0].deviceType = 0x00A;  // the code already names the type
    devices[1].deviceType = 0x014;
    const auto old = parseUserDefined(
        L"015123007"
        L"00cb05001"
        L"00b3f2009");
    EXPECT_EQ(buildUserDefined(devices, old),
              L"014b05001015123007"
              L"00b3f2009");
}

TEST(DeviceList, AnUntypedDeviceIsWrittenWithTypeZero) {
    auto devices = parseMiceFound(L"ABC003");
    EXPECT_EQ(buildUserDefined(devices, {}), L"000abc003");
}

TEST(DeviceList, OldEntriesMatchAttachedDevicesByTheMaskedCode) {
    auto devices = parseMiceFound(L"3f2001");
    devices[0].deviceType = 0x014;
    EXPECT_EQ(buildUserDefined(devices, parseUserDefined(L"00b302001")), L"0143f2001")
        << "an entry for 302 on port 1 denotes the attached 3f2";
}

}  // namespace
}  // namespace setup
