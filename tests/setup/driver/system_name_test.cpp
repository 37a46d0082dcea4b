#include "setup/driver/system_name.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

TEST(OperatingSystemText, NamesTheFamilyAndKeepsTheServicePackText) {
    struct Case {
        platform::OsVersion version;
        std::wstring text;
    };
    const Case cases[] = {
        {{platform::kPlatformWindows9x, 4, 10, L" A "}, L"Windows 98  A "},
        {{platform::kPlatformWindows9x, 4, 0, L""}, L"Windows 95 "},
        {{platform::kPlatformWindows9x, 4, 90, L"C"}, L"Windows 95 C"},
        {{platform::kPlatformWindows9x, 5, 10, L""}, L"Windows "},
        {{platform::kPlatformWindowsNt, 4, 0, L"Service Pack 6"}, L"Windows NT Service Pack 6"},
        {{platform::kPlatformWindowsNt, 10, 0, L""}, L"Windows NT "},
        {{0, 3, 10, L"Win32s"}, L"Win32s"},
        {{3, 4, 10, L""}, L""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::PrintToString(test.text));
        EXPECT_EQ(operatingSystemText(test.version), test.text);
    }
}

}  // namespace
}  // namespace setup
