#include "setup/store/loaded_setup.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

MouseInfo device(int code, int port, int type) {
    return {type, port, code, 3, L""};
}

TEST(LoadedSetup, IsTheDeviceByCodeAndPortAndTheApplicationWithGeneralForEmpty) {
    LoadedSetup setup;
    EXPECT_FALSE(setup.isAt(device(0x14, 3, 0), L"")) << "nothing loaded";
    setup.loaded(device(0x14, 3, 0x14), L"");
    EXPECT_EQ(setup.application(), L"GENERAL");
    EXPECT_TRUE(setup.isAt(device(0x14, 3, 0x15), L"GENERAL")) << "another type, the same records";
    EXPECT_FALSE(setup.isAt(device(0x14, 2, 0x14), L""));
    EXPECT_FALSE(setup.isAt(device(0x15, 3, 0x14), L""));
    EXPECT_FALSE(setup.isAt(device(0x14, 3, 0x14), L"general")) << "names compare exactly";
}

TEST(LoadedSetup, BackKeepsTheSchemeShownUntilTheSetupIsTakenUpOrAnotherLoaded) {
    LoadedSetup setup;
    setup.loaded(device(0x14, 3, 0), L"WORD.EXE");
    EXPECT_EQ(setup.takeUpAgain(device(0x14, 3, 0)), std::nullopt) << "not left by Back";
    setup.leaveByBack(L"Large");
    EXPECT_TRUE(setup.leftByBack());
    EXPECT_EQ(setup.takeUpAgain(device(0x14, 3, 0)), L"Large");
    EXPECT_FALSE(setup.leftByBack());
    setup.leaveByBack(L"Large");
    setup.loaded(device(0x14, 3, 0), L"WORD.EXE");
    EXPECT_FALSE(setup.leftByBack()) << "a load starts afresh";
}

TEST(LoadInProgress, HoldsForItsScopeAndNests) {
    LoadInProgress load;
    {
        LoadInProgress::Scope outer(load);
        { LoadInProgress::Scope inner(load); }
        EXPECT_TRUE(load.active()) << "the outer load still runs";
    }
    EXPECT_FALSE(load.active());
}

}  // namespace
}  // namespace setup
