#pragma once

// The program's resources as a Resources service finds them: the headless tables
// and the compiled resource file must say the same.

#include <gtest/gtest.h>

#include "platform/resources.h"
#include "platform/text.h"
#include "setup/resources/program_resources.h"

namespace setup::contract {

template <typename World>
class ProgramResourcesContract : public ::testing::Test {
protected:
    platform::Resources& resources() { return world_.resources(); }
    World world_;
};

TYPED_TEST_SUITE_P(ProgramResourcesContract);

TYPED_TEST_P(ProgramResourcesContract, EveryNumberedStringComesBackWhole) {
    ASSERT_FALSE(programStrings().empty());
    for (const auto& [number, text] : programStrings()) {
        SCOPED_TRACE(number);
        EXPECT_EQ(this->resources().loadString(number), text);
    }
}

TYPED_TEST_P(ProgramResourcesContract, NumbersWithoutAStringGiveNothing) {
    for (const int number : {1, 768, 4999, 5001, 10000, 10030, 15000, 15010, 15030}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(this->resources().loadString(number), std::nullopt);
    }
}

TYPED_TEST_P(ProgramResourcesContract, BitmapsAreFoundByNameInAnyCase) {
    for (const auto& bitmap : programBitmaps()) {
        SCOPED_TRACE(platform::toUtf8(bitmap.name));
        EXPECT_TRUE(this->resources().hasBitmap(bitmap.name));
        EXPECT_TRUE(this->resources().hasBitmap(platform::toLower(bitmap.name)));
    }
    EXPECT_FALSE(this->resources().hasBitmap(L"MOUSE10"));
    EXPECT_FALSE(this->resources().hasBitmap(L"HW4.BMP"));
}

REGISTER_TYPED_TEST_SUITE_P(ProgramResourcesContract, EveryNumberedStringComesBackWhole,
                            NumbersWithoutAStringGiveNothing, BitmapsAreFoundByNameInAnyCase);

}  // namespace setup::contract
