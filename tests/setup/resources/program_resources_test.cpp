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
