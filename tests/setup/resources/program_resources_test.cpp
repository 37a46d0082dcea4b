#include "setup/resources/program_resources.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "setup/device_list.h"
#include "tests/setup/resources/program_resources_contract.h"
#include "tests/test_paths.h"

namespace setup {
namespace contract {

class HeadlessResourcesWorld {
public:
    platform::Resources& resources() { return resources_; }

private:
    platform::MemoryResources resources_ = programResources();
};

INSTANTIATE_TYPED_TEST_SUITE_P(Headless, ProgramResourcesContract, HeadlessResourcesWorld);

}  // namespace contract

namespace {

constexpr int kPortNameBase = 15000;
constexpr size_t kLongestText = 79;

bool hasBitmap(const std::wstring& name) {
    for (const auto& bitmap : programBitmaps()) {
        if (bitmap.name == name) {
            return true;
        }
    }
    return false;
}

TEST(ProgramStrings, EveryDeviceNameEndsInThePictureOfAnExistingBitmap) {
    for (const auto& [number, text] : programStrings()) {
        SCOPED_TRACE(number);
        EXPECT_LE(text.size(), kLongestText);
        if (number >= kPortNameBase) {
            continue;
        }
        const auto name = splitDeviceName(text);
        ASSERT_GE(text.size(), 3u);
        EXPECT_EQ(text[text.size() - 2], L' ');
        EXPECT_TRUE(hasBitmap(L"MOUSE" + std::to_wstring(name.picture)));
    }
}

TEST(ProgramStrings, EachDeviceTypeIsNamedAsItsRowWithItsPicture) {
    auto resources = programResources();
    for (const auto& kind : kDeviceKinds) {
        SCOPED_TRACE(platform::toUtf8(kind.text));
        const auto text = resources.loadString(deviceNameNumber({kind.typeCode, 2, 0x00A}));
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, std::wstring(kind.text) + L" " + std::to_wstring(kind.picture));
    }
}

// What the device list shows for a device without a type, by its masked code
// (plus 5000 on any port but the first), and for the ports the driver names.
TEST(ProgramStrings, DevicesWithoutATypeAndNamedPortsReadAsTheDriverListsThem) {
    const std::pair<int, const wchar_t*> names[] = {
        {0, L"Unknown Device 2"},
        {769, L"Head Tracker 1"},
        {2562, L"Kelvor / Head Tracker 2"},
        {2817, L"Orvane Device 2"},
        {2821, L"Kensington Device 2"},
        {2822, L"Orvane Device 2"},
        {2823, L"Head Tracker 1"},
        {3587, L"Kelvor Keyboard and Mouse Adapter 1"},
        {3588, L"PS/2 Kelvor Dual Mouse Adapter 2"},
        {5002, L"Unknown Device 1"},
        {5003, L"Unknown Device 2"},
        {5004, L"Ball Point Device 1"},
        {5010, L"Standard 2 Button Mouse 1"},
        {5011, L"Standard 3 Button Mouse 2"},
        {5012, L"Standard 2 Button Trackball 3"},
        {5013, L"Standard Touchpad 4"},
        {5014, L"Standard Pointy Stick 5"},
        {5015, L"Special Custom Device 2"},
        {5020, L"Orvane Right Hand Mouse 6"},
        {5021, L"Orvane Left Hand Mouse 7"},
        {5048, L"4 Button Mouse/Trackball 8"},
        {portNameNumber(1), L"PS/2 Port"},
        {portNameNumber(22), L"Kelvor Primary Port"},
        {portNameNumber(23), L"Kelvor Secondary Port"},
        {portNameNumber(24), L"Kelvor Mouse Port"},
        {portNameNumber(25), L"Kelvor Keyboard Port"},
        {portNameNumber(28), L"USB 1st Port"},
        {portNameNumber(29), L"USB 2nd Port"},
    };
    auto resources = programResources();
    for (const auto& [number, text] : names) {
        SCOPED_TRACE(number);
        EXPECT_EQ(resources.loadString(number), std::wstring(text));
    }
}

TEST(ProgramStrings, SerialPortsCountFromOneBelowTheirPortNumber) {
    auto resources = programResources();
    for (int port = 2; port <= 9; ++port) {
        SCOPED_TRACE(port);
        EXPECT_EQ(resources.loadString(portNameNumber(port)),
                  L"Serial Comm " + std::to_wstring(port - 1) + L" Port");
    }
}

int littleEndian(const std::string& bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8 |
           static_cast<uint8_t>(bytes[at + 2]) << 16 | static_cast<uint8_t>(bytes[at + 3]) << 24;
}

TEST(ProgramBitmaps, EachFileIsABitmapOfTheSizeItsPlaceNeeds) {
    struct Size {
        std::wstring prefix;
        int width;
        int height;
        int bits;  // 0: any
    };
    const Size sizes[] = {
        {L"MOUSE", 97, 97, 0}, {L"DBCLICK", 32, 32, 4}, {L"HW", 67, 85, 0}, {L"HB", 67, 85, 0}};
    for (const auto& bitmap : programBitmaps()) {
        SCOPED_TRACE(bitmap.file);
        std::ifstream in(sourceTreePath("setup/resources/" + bitmap.file), std::ios::binary);
        std::stringstream read;
        read << in.rdbuf();
        const std::string bytes = read.str();
        ASSERT_GE(bytes.size(), 54u);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(static_cast<size_t>(littleEndian(bytes, 2)), bytes.size());
        for (const auto& size : sizes) {
            if (bitmap.name.compare(0, size.prefix.size(), size.prefix) == 0) {
                EXPECT_EQ(littleEndian(bytes, 18), size.width);
                EXPECT_EQ(littleEndian(bytes, 22), size.height);
                if (size.bits != 0) {
                    EXPECT_EQ(bytes[28], size.bits);
                }
            }
        }
    }
}

}  // namespace
}  // namespace setup
