// The Motion tab: speed, acceleration and trails take effect at once, and
// merely showing the tab is no edit.
#include <gtest/gtest.h>

#include "setup/store/property_record.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

constexpr int kMotionTab = 0;
constexpr int kStandardTwoButtonRow = 2;
constexpr int kStandardThreeButtonRow = 3;
constexpr int kHigh = 3;
// In a P value: the device key, "007GENERAL", four positions, the double-click
// speed, a reserved field and the two speeds come first.
constexpr size_t kAccelerationAt = 6 + 10 + 4 * 3 + 3 + 3 + 2 * 3;

class MotionTab : public TarvexScenario {
protected:
    TfrmTarvex& w() { return window(); }

    void openMotionTab(const std::string& fixture) {
        startWith(fixture);
        walkToProperties(0, kStandardTwoButtonRow);
        ui::user::selectTab(*w().PageControl2, kMotionTab);
    }
    // What the driver holds now, as the record it read last.
    PropertyInfo driverRecord() const {
        return parsePropertyRecord(lastNotification().value(L"P001").substr(6));
    }
    PropertyInfo storedRecord() { return parsePropertyRecord(property(L"P001")->substr(6)); }
};

TEST_F(MotionTab, SpeedButtonsWriteLiveEvenAtTheEndsOfTheBar) {
    struct Case {
        const char* name;
        int start;
        ui::Button* TfrmTarvex::*button;
        int after;
        size_t writes;  // the bar's own change, then the button's
    };
    const Case cases[] = {
        {"up in the middle", 7, &TfrmTarvex::btnMouseSpeedUp, 8, 2},
        {"down in the middle", 7, &TfrmTarvex::btnMouseSpeedDown, 6, 2},
        {"up at the top", 13, &TfrmTarvex::btnMouseSpeedUp, 13, 1},
        {"down at the bottom", 1, &TfrmTarvex::btnMouseSpeedDown, 1, 1},
    };
    openMotionTab("scenario_one_device.reg");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::user::slide(*w().trbHorizontalSpeed, c.start);
        w().settingsChanged = false;
        const size_t before = driverNotifications().size();

        ui::user::click(*(w().*c.button));

        EXPECT_EQ(w().trbHorizontalSpeed->position(), c.after);
        EXPECT_EQ(driverNotifications().size(), before + c.writes)
            << "the click reached the driver";
        EXPECT_EQ(driverRecord().cursorSpeed1, c.after);
        EXPECT_EQ(driverRecord().cursorSpeed2, c.after);
        EXPECT_EQ(storedRecord().cursorSpeed1, c.after);
        EXPECT_TRUE(w().settingsChanged);
    }
}

TEST_F(MotionTab, SpeedBarSetsBothSpeedsOfBothCopiesAndEnablesApply) {
    openMotionTab("scenario_one_device.reg");
    const PropertyInfo saved = w().savedSetup;

    ui::user::slide(*w().trbHorizontalSpeed, 9);

    for (const PropertyInfo* copy : {&w().currentSetup, &w().editedSetup}) {
        EXPECT_EQ(copy->cursorSpeed1, 9);
        EXPECT_EQ(copy->cursorSpeed2, 9);
    }
    EXPECT_EQ(w().savedSetup, saved) << "only Apply moves the saved state";
    EXPECT_EQ(storedRecord().cursorSpeed1, 9);
    EXPECT_EQ(storedRecord().cursorSpeed2, 9);
    EXPECT_EQ(lastNotification().first, 1);
    EXPECT_EQ(lastNotification().second, 137);
    EXPECT_EQ(driverRecord().cursorSpeed1, 9);
    EXPECT_TRUE(w().btnApply->enabled());
}

TEST_F(MotionTab, TrailsOffRestsTheBarAtFiveGreyedAndStoresZero) {
    openMotionTab("pointer_fast_trails.reg");
    ui::user::slide(*w().trbTrailLength, 8);
    ASSERT_EQ(storedRecord().trailLength, 8);
    const size_t before = driverNotifications().size();

    ui::user::click(*w().chkShowTrails);

    EXPECT_FALSE(w().chkShowTrails->checked());
    EXPECT_EQ(w().trbTrailLength->position(), 5);
    EXPECT_FALSE(w().trbTrailLength->enabled());
    EXPECT_EQ(w().Label80->font().color, ui::Color::rgb(128, 128, 128));
    EXPECT_EQ(w().Label81->font().color, ui::Color::rgb(128, 128, 128));
    ASSERT_EQ(driverNotifications().size(), before + 2) << "the bar's move, then trails off";
    EXPECT_EQ(parsePropertyRecord(notification(before).value(L"P001").substr(6)).trailLength, 5);
    EXPECT_EQ(driverRecord().trailLength, 0) << "off is what the driver reads last";
    EXPECT_EQ(w().currentSetup.trailLength, 0);
    EXPECT_EQ(w().editedSetup.trailLength, 0);

    ui::user::click(*w().chkShowTrails);

    EXPECT_TRUE(w().trbTrailLength->enabled());
    EXPECT_EQ(w().Label80->font().color, ui::kBlack);
    EXPECT_EQ(w().Label81->font().color, ui::kBlack);
    EXPECT_EQ(driverRecord().trailLength, 5);
    EXPECT_EQ(w().editedSetup.trailLength, 5);
}

struct ShowCase {
    const char* fixture;
    bool changedBefore;
    bool ticked;
    int trailBar;
    ui::Color captions;
    int speed;
};

class MotionTabShown : public MotionTab, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(MotionTabShown, MirrorsTheSetupAndIsNoEdit) {
    const ShowCase& c = GetParam();
    startWith(c.fixture);
    walkToProperties(0, kStandardThreeButtonRow);
    if (c.changedBefore) {
        // A position change is an edit that writes nothing.
        ui::user::choose(*w().cmbPos2, 3);
    }
    ASSERT_EQ(w().settingsChanged, c.changedBefore);

    ui::user::selectTab(*w().PageControl2, kMotionTab);

    EXPECT_EQ(w().settingsChanged, c.changedBefore);
    EXPECT_EQ(w().chkShowTrails->checked(), c.ticked);
    EXPECT_EQ(w().trbTrailLength->enabled(), c.ticked);
    EXPECT_EQ(w().trbTrailLength->position(), c.trailBar);
    EXPECT_EQ(w().Label80->font().color, c.captions);
    EXPECT_EQ(w().Label81->font().color, c.captions);
    EXPECT_EQ(w().trbHorizontalSpeed->position(), c.speed);
    EXPECT_EQ(w().currentSetup.trailLength, c.ticked ? c.trailBar : 0);
    EXPECT_EQ(storedRecord().trailLength, c.ticked ? c.trailBar : 0);
}

INSTANTIATE_TEST_SUITE_P(
    TrailsOffAndOn, MotionTabShown,
    ::testing::Values(
        ShowCase{"scenario_one_device.reg", false, false, 5, ui::Color::rgb(128, 128, 128), 7},
        ShowCase{"scenario_one_device.reg", true, false, 5, ui::Color::rgb(128, 128, 128), 7},
        ShowCase{"pointer_fast_trails.reg", false, true, 7, ui::kBlack, 13},
        ShowCase{"pointer_fast_trails.reg", true, true, 7, ui::kBlack, 13}));

TEST_F(MotionTab, HighAccelerationIsStoredOneHigher) {
    openMotionTab("scenario_one_device.reg");
    ui::user::choose(*w().rgbAccel, kHigh);
    EXPECT_EQ(w().currentSetup.acceleration, kHigh);
    EXPECT_EQ(w().editedSetup.acceleration, kHigh);
    EXPECT_EQ(property(L"P001")->substr(kAccelerationAt, 3), L"004");
    EXPECT_EQ(driverRecord().acceleration, kHigh);
    EXPECT_TRUE(w().btnApply->enabled());
}

}  // namespace
}  // namespace setup::scenario
