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

REGISTER_TYPED_TEST_SUITE_P(SystemInfoContract, TheSystemDirectoryExistsAndEndsWithoutABackslash,
                            TheProgramPathNamesTheRunningProgramsFile,
                            TheVersionIsThatOfAWindowsFamily);

}  // namespace platform::contract
