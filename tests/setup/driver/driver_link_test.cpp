#include "setup/driver/driver_link.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/memory/memory_modules.h"

namespace setup {
namespace {

std::vector<std::pair<int, int>> calls;

int recordCall(int first, int second) {
    calls.emplace_back(first, second);
    return 0;
}

class DriverLinkTest : public ::testing::Test {
protected:
    void SetUp() override { calls.clear(); }
    platform::MemoryModules modules_;
    DriverLink link_{modules_};
};

TEST_F(DriverLinkTest, NotifiesTheDriverWithOneAndOneHundredThirtySeven) {
    modules_.addLibrary(L"Orvdll.dll").addEntry(kSendUtilMessage, &recordCall);
    ASSERT_TRUE(link_.bind());
    link_.notifyDriver();
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 137}}));
}

TEST_F(DriverLinkTest, AMissingLibraryStillLooksForTheEntry) {
    EXPECT_FALSE(link_.bind());
    EXPECT_FALSE(link_.libraryLoaded());
    EXPECT_FALSE(link_.entryFound());
    link_.notifyDriver();
    EXPECT_TRUE(calls.empty());
}

TEST_F(DriverLinkTest, ALibraryWithoutTheEntryIsLoadedButNotBound) {
    modules_.addLibrary(L"orvdll.dll").addEntry("SendUtilMessageEx", &recordCall);
    EXPECT_FALSE(link_.bind());
    EXPECT_TRUE(link_.libraryLoaded());
    link_.notifyDriver();
    EXPECT_TRUE(calls.empty());
}

TEST_F(DriverLinkTest, ReleaseGivesTheLibraryBackAndStopsNotifying) {
    modules_.addLibrary(L"orvdll.dll").addEntry(kSendUtilMessage, &recordCall);
    link_.bind();
    link_.release();
    EXPECT_EQ(modules_.loadCount(L"orvdll.dll"), 0);
    link_.notifyDriver();
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(modules_.faults().empty());
}

}  // namespace
}  // namespace setup
