#pragma once

// The behaviour every SystemInfo shares, checked against the file system of the
// same world.

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/system_info.h"
#include "platform/text.h"

namespace platform::contract {

template <typename World>
class SystemInfoContract : public ::testing::Test {
protected:
    World world_;
};

TYPED_TEST_SUITE_P(SystemInfoContract);

TYPED_TEST_P(SystemInfoContract, TheSystemDirectoryExistsAndEndsWithoutABackslash) {
    const auto directory = this->world_.info().systemDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), L'\\');
    EXPECT_TRUE(this->world_.files().directoryExists(directory)) << toUtf8(directory);
}

TYPED_TEST_P(SystemInfoContract, TheProgramPathNamesTheRunningProgramsFile) {
    const auto path = this->world_.info().programPath();
    EXPECT_TRUE(this->world_.files().fileExists(path)) << toUtf8(path);
    EXPECT_EQ(toLower(path.substr(path.size() - 4)), L".exe");
}

TYPED_TEST_P(SystemInfoContract, TheVersionIsThatOfAWindowsFamily) {
    const auto version = this->world_.info().osVersion();
    EXPECT_TRUE(version.platformId == kPlatformWindows9x ||
                version.platformId == kPlatformWindowsNt);
    EXPECT_GE(version.majorVersion, 4u);
}

TYPED_TEST_P(SystemInfoContract, EnvironmentReferencesExpandAndUnknownOnesStay) {
    auto& info = this->world_.info();
    const auto root = info.expandEnvironment(L"%systemroot%");
    EXPECT_EQ(root.find(L'%'), std::wstring::npos) << "names ignore case: " << toUtf8(root);
    EXPECT_EQ(toLower(info.systemDirectory()).rfind(toLower(root) + L"\\", 0), 0u)
        << "the system directory lies in the system root: " << toUtf8(root);
    EXPECT_EQ(info.expandEnvironment(L"%SystemRoot%\\Cursors\\arrow.cur,50%"),
              root + L"\\Cursors\\arrow.cur,50%");
    EXPECT_EQ(info.expandEnvironment(L"%TarvexNoSuchVariable%\\a.cur"),
              L"%TarvexNoSuchVariable%\\a.cur");
    EXPECT_EQ(info.expandEnvironment(L""), L"");
}

REGISTER_TYPED_TEST_SUITE_P(SystemInfoContract, TheSystemDirectoryExistsAndEndsWithoutABackslash,
                            TheProgramPathNamesTheRunningProgramsFile,
                            TheVersionIsThatOfAWindowsFamily,
                            EnvironmentReferencesExpandAndUnknownOnesStay);

}  // namespace platform::contract
