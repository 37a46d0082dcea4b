// The Buttons tab: rows by button count, the Primary/Secondary guard,
// positions applied only by Apply, the double-click speed and its test picture.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

using platform::MessageAnswer;

constexpr int kTwoButtonRow = 2;
constexpr int kThreeButtonRow = 3;
constexpr int kFourButtonRow = 7;
enum Logical { kNone = -1, kPrimary = 0, kSecondary = 1, kAux1 = 2, kAux2 = 3 };

const std::wstring kQuestionCaption = L"Do you know what you're doing right now??";

std::wstring question(const std::wstring& button) {
    return L"Reassigning the " + button +
           L" Button can seriously hinder your ability to perform standard Windows functions. Do "
           L"you really want to do this?";
}

class ButtonsTab : public TarvexScenario {
protected:
    TfrmTarvex& w() { return window(); }
    void open(int typeRow) {
        startWith("scenario_one_device.reg");
        walkToProperties(0, typeRow);
    }
    std::array<int, 4> storedPositions() {
        return parsePropertyRecord(property(L"P001")->substr(6)).buttonPosition;
    }
    bool shown(const std::wstring& name) { return w().find(name)->visible(); }
};

struct RowsCase {
    int typeRow;
    std::vector<std::wstring> shown;
    std::vector<std::wstring> hidden;
};

class ButtonRows : public ButtonsTab, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(ButtonRows, FollowTheDevicesButtonCount) {
    open(GetParam().typeRow);
    for (const auto& name : GetParam().shown) {
        EXPECT_TRUE(shown(name)) << platform::toUtf8(name);
    }
    for (const auto& name : GetParam().hidden) {
        EXPECT_FALSE(shown(name)) << platform::toUtf8(name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TwoThreeAndFourButtons, ButtonRows,
    ::testing::Values(RowsCase{kTwoButtonRow,
                               {L"Label31", L"cmbPos1", L"cmbPos3", L"Label4"},
                               {L"cmbPos2", L"cmbPos4", L"Label32", L"Label33", L"Label34"}},
                      RowsCase{
                          kThreeButtonRow,
                          {L"Label31", L"cmbPos1", L"cmbPos2", L"cmbPos3", L"Label32", L"Label33"},
                          {L"Label4", L"cmbPos4", L"Label34"}},
                      RowsCase{kFourButtonRow,
                               {L"Label31", L"cmbPos1", L"cmbPos2", L"cmbPos3", L"cmbPos4",
                                L"Label32", L"Label33", L"Label34"},
                               {L"Label4"}}));

TEST_F(ButtonsTab, ATwoButtonDeviceEditsSlotsZeroAndOneOnly) {
    open(kTwoButtonRow);
    EXPECT_EQ(w().cmbPos1->itemIndex(), kPrimary);
    EXPECT_EQ(w().cmbPos3->itemIndex(), kSecondary) << "row 2 of a two-button device shows slot 1";
    EXPECT_EQ(w().Label4->caption(), L"2");

    messageBoxes.answerNext(MessageAnswer::Yes);
    ui::user::choose(*w().cmbPos3, kPrimary);
    ui::user::click(*w().btnApply);

    EXPECT_EQ(storedPositions(), (std::array<int, 4>{kPrimary, kPrimary, kNone, kNone}));
    EXPECT_EQ(property(L"P001")->substr(6 + 10, 12), L"001001000000") << "stored one higher";
}

TEST_F(ButtonsTab, TakingAwayTheOnlyPrimaryAsksAndNoPutsItBack) {
    open(kThreeButtonRow);
    const auto before = *property(L"P001");
    messageBoxes.answerNext(MessageAnswer::No);

    ui::user::choose(*w().cmbPos1, kAux1);

    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    const auto& box = messageBoxes.shown()[0];
    EXPECT_EQ(box.text, question(L"Primary"));
    EXPECT_EQ(box.caption, kQuestionCaption);
    EXPECT_EQ(box.buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(box.defaultButton, MessageAnswer::No);
    EXPECT_EQ(w().cmbPos1->itemIndex(), kPrimary);
    EXPECT_EQ(w().editedSetup.buttonPosition[0], kPrimary);
    EXPECT_TRUE(w().settingsChanged) << "a declined change still counts";
    EXPECT_EQ(property(L"P001"), before);
}

TEST_F(ButtonsTab, YesRemapsButTheDriverSeesItOnlyAfterApply) {
    open(kThreeButtonRow);
    const size_t notificationsBefore = driverNotifications().size();
    messageBoxes.answerNext(MessageAnswer::Yes);

    ui::user::choose(*w().cmbPos1, kAux1);

    EXPECT_EQ(w().editedSetup.buttonPosition[0], kAux1);
    EXPECT_EQ(w().currentSetup.buttonPosition[0], kPrimary);
    EXPECT_EQ(storedPositions()[0], kPrimary);
    EXPECT_EQ(driverNotifications().size(), notificationsBefore)
        << "positions are not written live";
    EXPECT_TRUE(w().btnApply->enabled());

    ui::user::slide(*w().trbDblClickSpeed, 9);
    EXPECT_EQ(storedPositions()[0], kPrimary) << "a live write carries the old positions";

    ui::user::click(*w().btnApply);
    EXPECT_EQ(storedPositions()[0], kAux1);
    EXPECT_EQ(parsePropertyRecord(lastNotification().value(L"P001").substr(6)).buttonPosition[0],
              kAux1);
}

TEST_F(ButtonsTab, OnlyTheLastPrimaryOrSecondaryIsGuarded) {
    open(kFourButtonRow);
    struct Step {
        const char* what;
        ui::ComboBox* TfrmTarvex::*box;
        int choice;
        const wchar_t* asked;  // nullptr when no question comes
    };
    const Step steps[] = {
        {"an Aux1 row never asks", &TfrmTarvex::cmbPos2, kSecondary, nullptr},
        {"an Aux 2 row never asks", &TfrmTarvex::cmbPos4, kAux1, nullptr},
        {"row 3 holds one of two Secondaries", &TfrmTarvex::cmbPos3, kAux2, nullptr},
        {"row 2 now holds the last Secondary", &TfrmTarvex::cmbPos2, kAux2, L"Secondary"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        messageBoxes.clear();
        if (step.asked != nullptr) {
            messageBoxes.answerNext(MessageAnswer::Yes);
        }
        ui::user::choose(*(w().*step.box), step.choice);
        ASSERT_EQ(messageBoxes.shown().size(), step.asked != nullptr ? 1u : 0u);
        if (step.asked != nullptr) {
            EXPECT_EQ(messageBoxes.shown()[0].text, question(step.asked));
        }
    }
    ui::user::click(*w().btnApply);
    EXPECT_EQ(storedPositions(), (std::array<int, 4>{kPrimary, kAux2, kAux2, kAux1}))
        << "the second box edits slot 2 and the third slot 1";
}

TEST_F(ButtonsTab, ARowHoldingNoButtonNeverAsks) {
    // Settings stored for two buttons, the device now said to have three.
    startWith("pointer_fast_trails.reg");
    walkToProperties(0, kThreeButtonRow);
    ASSERT_EQ(w().cmbPos2->itemIndex(), kNone);
    ui::user::choose(*w().cmbPos2, kPrimary);
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(w().editedSetup.buttonPosition[2], kPrimary);
}

TEST_F(ButtonsTab, DoubleClickBarIsWrittenLiveSlowestAtTheLeft) {
    open(kTwoButtonRow);
    EXPECT_EQ(w().trbDblClickSpeed->position(), 6) << "a stored speed of 5 shows at 6";
    EXPECT_FALSE(w().settingsChanged) << "showing the loaded speed is no edit";
    struct Case {
        int bar;
        int stored;
    };
    for (const Case c : {Case{10, 1}, Case{1, 10}, Case{4, 7}}) {
        SCOPED_TRACE("bar at " + std::to_string(c.bar));
        ui::user::slide(*w().trbDblClickSpeed, c.bar);
        EXPECT_EQ(w().currentSetup.doubleClickSpeed, c.stored);
        EXPECT_EQ(w().editedSetup.doubleClickSpeed, c.stored);
        EXPECT_EQ(parsePropertyRecord(property(L"P001")->substr(6)).doubleClickSpeed, c.stored);
        EXPECT_EQ(parsePropertyRecord(lastNotification().value(L"P001").substr(6)).doubleClickSpeed,
                  c.stored);
        EXPECT_TRUE(w().btnApply->enabled());
    }
}

struct StoredOutsideCase {
    const char* name;
    const wchar_t* doubleClickSpeed;
    int bar;
};

class StoredOutsideTheControls : public ButtonsTab,
                                 public ::testing::WithParamInterface<StoredOutsideCase> {};

// A double-click speed outside 1..10 puts the bar at its end, and a button
// position one past the box's last item shows an empty box. Loading writes and
// notifies nothing and leaves Apply off; an unrelated edit keeps both values.
TEST_P(StoredOutsideTheControls, ShowWhatTheyCanAndAreKeptAsStored) {
    const std::wstring record = L"00a002007GENERAL001005000000" +
                                std::wstring(GetParam().doubleClickSpeed) +
                                L"005007007001005000005005005016Windows Standard";
    startWith("scenario_one_device.reg");
    registry.open(kDriverRoot, kPropertiesKey)->writeString(L"P001", record);
    walkToProperties(0, kTwoButtonRow);
    EXPECT_EQ(w().trbDblClickSpeed->position(), GetParam().bar);
    EXPECT_EQ(w().cmbPos3->itemIndex(), kNone) << "no selection that does not exist";
    EXPECT_EQ(w().cmbPos3->text(), L"");
    EXPECT_EQ(property(L"P001"), record) << "loading writes nothing";
    EXPECT_FALSE(property(L"P002").has_value());
    EXPECT_TRUE(driverNotifications().empty());
    EXPECT_FALSE(w().btnApply->enabled());

    ui::user::selectTab(*w().PageControl2, 0);
    ui::user::slide(*w().trbHorizontalSpeed, 9);
    const auto stored = parsePropertyRecord(property(L"P001")->substr(6));
    EXPECT_EQ(platform::zeroPadded(stored.doubleClickSpeed, 3), GetParam().doubleClickSpeed);
    EXPECT_EQ(stored.buttonPosition[1], 4);
    EXPECT_EQ(stored.cursorSpeed1, 9);
}

INSTANTIATE_TEST_SUITE_P(DoubleClickSpeeds, StoredOutsideTheControls,
                         ::testing::Values(StoredOutsideCase{"Zero", L"000", 10},
                                           StoredOutsideCase{"Eleven", L"011", 1},
                                           StoredOutsideCase{"NineHundredNinetyNine", L"999", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Between two live steps another program moves the setup's record up by
// putting another device's record first: the next step still writes the
// setup's own record. With nothing written meanwhile, the only values a step
// reads are those the driver reads when told.
TEST_F(ButtonsTab, LiveStepsFollowARecordMovedMeanwhileAndReadNothingOtherwise) {
    open(kThreeButtonRow);
    ui::user::slide(*w().trbDblClickSpeed, 9);
    size_t reads = registry.valueReads();
    w().driverLink.notifyDriver();
    const size_t driverReads = registry.valueReads() - reads;
    reads = registry.valueReads();
    ui::user::slide(*w().trbDblClickSpeed, 8);
    EXPECT_EQ(registry.valueReads() - reads, driverReads);
    const auto ownRecord = property(L"P001");
    ASSERT_TRUE(ownRecord.has_value());

    auto key = registry.open(kDriverRoot, kPropertiesKey);
    key->writeString(L"A002", property(L"A001").value_or(L""));
    key->writeString(L"P002", *ownRecord);
    const std::wstring otherDevice = L"00a002" + kDefaultRecord;
    key->writeString(L"P001", otherDevice);
    key->writeString(L"A001", L"");
    key->close();

    ui::user::slide(*w().trbDblClickSpeed, 7);
    EXPECT_EQ(parsePropertyRecord(property(L"P002")->substr(6)).doubleClickSpeed,
              parsePropertyRecord(ownRecord->substr(6)).doubleClickSpeed + 1);
    EXPECT_EQ(property(L"P001"), otherDevice);
    EXPECT_FALSE(property(L"P003").has_value());
}

class DoubleClickTest : public ButtonsTab {
protected:
    static constexpr int kTick = 100;
    // The picture after each of count ticks of the test's timer.
    std::vector<std::wstring> run(int count) {
        std::vector<std::wstring> pictures;
        for (int tick = 0; tick < count; ++tick) {
            backend.advance(kTick);
            pictures.push_back(w().imgDblClk1->picture());
        }
        return pictures;
    }
};

TEST_F(DoubleClickTest, ARunShowsSixFramesAndEndsOnTheThirteenthTick) {
    open(kTwoButtonRow);
    for (int frame = 1; frame <= 6; ++frame) {
        EXPECT_TRUE(resources.hasBitmap(L"DBCLICK" + std::to_wstring(frame)));
    }
    ASSERT_EQ(w().imgDblClk1->picture(), L"DBCLICK1");
    ui::user::doubleClick(*w().imgDblClk1);
    ASSERT_TRUE(w().Timer1->enabled());
    EXPECT_EQ(w().Timer1->interval(), kTick);

    const auto pictures = run(13);
    const std::vector<std::wstring> expected{
        L"DBCLICK1", L"DBCLICK2", L"DBCLICK3", L"DBCLICK4", L"DBCLICK5", L"DBCLICK6", L"DBCLICK6",
        L"DBCLICK6", L"DBCLICK6", L"DBCLICK6", L"DBCLICK6", L"DBCLICK6", L"DBCLICK1"};
    EXPECT_EQ(pictures, expected);
    EXPECT_FALSE(w().Timer1->enabled());
    EXPECT_EQ(w().dblClickFrame, 1);
}

TEST_F(DoubleClickTest, ADoubleClickDuringARunChangesNothing) {
    open(kTwoButtonRow);
    ui::user::doubleClick(*w().imgDblClk1);
    const auto start = run(3);
    ui::user::doubleClick(*w().imgDblClk1);
    const auto rest = run(10);
    EXPECT_EQ(start.back(), L"DBCLICK3");
    EXPECT_EQ(rest.front(), L"DBCLICK4") << "the run goes on where it was";
    EXPECT_EQ(rest.back(), L"DBCLICK1");
    EXPECT_FALSE(w().Timer1->enabled()) << "one run of 1.3 s, not two";
    run(5);
    EXPECT_EQ(w().imgDblClk1->picture(), L"DBCLICK1");

    ui::user::click(*w().imgDblClk1);
    EXPECT_FALSE(w().Timer1->enabled()) << "a single click does nothing";
}

TEST_F(ButtonsTab, TheScrollingTabOnlyShowsAndOffersATestList) {
    open(kTwoButtonRow);
    ui::user::selectTab(*w().PageControl2, 4);
    EXPECT_EQ(w().TabSheet5->caption(), L"Scrolling");
    EXPECT_EQ(w().gpbSwiftScroll->caption(), L"Swift Scroll");
    EXPECT_EQ(w().gpbRockScroll->caption(), L"Rock && Scroll");
    const auto shows = [](ui::Control& group, const std::wstring& text) {
        const auto& parts = group.children();
        return std::any_of(parts.begin(), parts.end(),
                           [&](const ui::Control* part) { return part->caption() == text; });
    };
    EXPECT_TRUE(shows(*w().gpbSwiftScroll,
                      L"Swift Scroll is a button controlled software scrolling method. To use this "
                      L"function one shortcut action must be the \"Swift Scroll.\""));
    EXPECT_TRUE(shows(*w().gpbRockScroll,
                      L"This property sets the speed of the built in Scrolling device. It is only "
                      L"availble on devices with the built in mechanism."));
    EXPECT_TRUE(shows(*w().gpbRockScroll, L"Rocker Scroll Speed"));
    EXPECT_FALSE(w().gpbRockScroll->enabled());
    EXPECT_FALSE(w().trbRockScroll->enabledWithParents());
    EXPECT_EQ(w().trbRockScroll->min(), 0);
    EXPECT_EQ(w().trbRockScroll->max(), 10);
    EXPECT_EQ(w().trbRockScroll->position(), 5);
    const auto& items = w().lstbScrollTest->items();
    ASSERT_EQ(items.size(), 45u);
    EXPECT_EQ(std::vector<std::wstring>(items.begin(), items.begin() + 3),
              (std::vector<std::wstring>{L"Begin", L"List", L"1"}));
    EXPECT_EQ(std::vector<std::wstring>(items.end() - 3, items.end()),
              (std::vector<std::wstring>{L"41", L"End", L"List"}));
    const size_t notifications = driverNotifications().size();
    ui::user::select(*w().lstbScrollTest, 20);
    EXPECT_EQ(driverNotifications().size(), notifications)
        << "scrolling the test list changes nothing";
    EXPECT_FALSE(w().btnApply->enabled());
}

}  // namespace
}  // namespace setup::scenario
