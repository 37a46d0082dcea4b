// The wizard's main paths and every Back, the device pages, loading a setup,
// the live update, Apply, revert, Cancel and closing.
#include <gtest/gtest.h>

#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

using platform::MessageAnswer;

constexpr int kStandardTwoButtonRow = 2;
constexpr int kRightHandRow = 0;
const std::wstring kLeaveQuestion =
    L"Previous mouse setup changes will be lost if they are\nnot applied. Apply changes before "
    L"continuing?";

class Wizard : public TarvexScenario {
protected:
    TfrmTarvex& w() { return window(); }
    // The right-hand mouse on serial port 2, on its Motion tab. Showing the tab
    // may write the shown values live; the notifications counted start after it.
    void openRightHandMotionTab() {
        startWith("scenario_three_devices.reg");
        walkToProperties(2, kRightHandRow);
        ui::user::selectTab(*w().PageControl2, 0);
        notificationsBefore_ = driverNotifications().size();
    }
    // A speed change: written live, Apply enabled.
    void changeSpeed(int position) { ui::user::slide(*w().trbHorizontalSpeed, position); }
    size_t newNotifications() const { return driverNotifications().size() - notificationsBefore_; }
    int storedSpeed() { return parsePropertyRecord(property(L"P001")->substr(6)).cursorSpeed1; }

    size_t notificationsBefore_ = 0;
};

TEST_F(Wizard, OneDeviceFromWelcomeToFinish) {
    startWith("scenario_one_device.reg");
    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDevicesStep);
    ASSERT_EQ(w().lstDevicesFound->items(),
              std::vector<std::wstring>{L"Standard 2 Button Mouse on the Serial Comm 1 Port"});
    EXPECT_EQ(w().lstDevicesFound->itemIndex(), 0) << "a single device is chosen at once";
    EXPECT_TRUE(w().btnBack->visible());
    EXPECT_TRUE(w().btnNext->enabled());

    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDeviceTypeStep);
    EXPECT_EQ(w().ListBox1->itemIndex(), -1) << "the device has no type yet";
    EXPECT_FALSE(w().imgPage6Mouse->visible());
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_EQ(w().lblPort->caption(), L"Serial Comm 1 Port");

    ui::user::select(*w().ListBox1, kStandardTwoButtonRow);
    EXPECT_EQ(w().imgPage6Mouse->picture(), L"MOUSE1");
    EXPECT_EQ(w().lblTypeSelected->caption(), L"Standard 2 Button Mouse");
    EXPECT_TRUE(w().btnNext->enabled());

    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().PageControl2->activePage(), w().TabSheet2)
        << "the property page opens on Buttons";
    EXPECT_EQ(property(L"P001"), L"00a002" + kTwoButtonDefaultRecord)
        << "first use of an empty store";
    EXPECT_EQ(property(L"A001"), L"");
    EXPECT_EQ(registry.value(kDriverRoot, L"SOFTWARE\\Orvane\\MiceFound", L"UserDefined"), L"")
        << "a device whose code names its type gets no entry";
    EXPECT_EQ(w().lblDeviceSelected1->caption(),
              L"Standard 2 Button Mouse on the Serial Comm 1 Port");
    EXPECT_EQ(w().lblAppPage7->caption(), L"In the GENERAL Application");
    EXPECT_EQ(w().imgCurrentMouse->picture(), L"MOUSE1");
    EXPECT_FALSE(w().btnApply->enabled());
    EXPECT_TRUE(driverNotifications().empty()) << "loading does not notify the driver";

    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kCustomizeStep);
    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kFinishStep);
    EXPECT_EQ(w().btnNext->caption(), L"&Finish");
    EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(Wizard, SeveralDevicesPassThroughTheSeveralDevicesPage) {
    startWith("scenario_three_devices.reg");
    next();
    EXPECT_EQ(w().lstDevicesFound->items(),
              (std::vector<std::wstring>{L"Standard 2 Button Mouse on the Serial Comm 1 Port",
                                         L"Kensington Device on the PS/2 Port",
                                         L"Orvane Right Hand Mouse on the Serial Comm 2 Port"}));
    EXPECT_EQ(w().lstDevicesFound->itemIndex(), -1);
    EXPECT_FALSE(w().btnNext->enabled());
    ui::user::select(*w().lstDevicesFound, 2);
    next();
    EXPECT_EQ(w().ListBox1->itemIndex(), kRightHandRow) << "a typed device shows its type";
    EXPECT_EQ(w().imgPage6Mouse->picture(), L"MOUSE6");
    next();
    next();
    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kSeveralDevicesStep);
    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kFinishStep);
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kSeveralDevicesStep);
    EXPECT_FALSE(w().btnNext->enabled()) << "Setup is the way on";
    EXPECT_EQ(w().btnNext->caption(), L"&Next->");
}

TEST_F(Wizard, NextWithoutAChoiceExplainsAndStays) {
    startWith("scenario_three_devices.reg");
    next();
    messageBoxes.answerNext(MessageAnswer::Ok);
    w().btnNext->setEnabled(true);
    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDevicesStep);
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{L"Please Select a Listed Device"});
    EXPECT_EQ(messageBoxes.shown()[0].caption, L"Select Device");

    ui::user::select(*w().lstDevicesFound, 1);
    next();
    messageBoxes.answerNext(MessageAnswer::Ok);
    w().btnNext->setEnabled(true);
    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDeviceTypeStep);
    EXPECT_EQ(messageBoxes.shown().back().text, L"Please select a Mouse Type before continuing");
    EXPECT_EQ(messageBoxes.shown().back().caption, L"No Mouse Selected");
    EXPECT_TRUE(messageBoxes.shown().back().systemModal);
}

TEST_F(Wizard, ChoosingATypeRewritesUserDefinedKeepingUnpluggedDevices) {
    startWith("scenario_three_devices.reg");
    walkToProperties(1, kRightHandRow);
    EXPECT_EQ(registry.value(kDriverRoot, L"SOFTWARE\\Orvane\\MiceFound", L"UserDefined"),
              L"00000a002"
              L"014b05001"
              L"015123007");
    EXPECT_EQ(w().chosenDevice.deviceType, 0x014);
    EXPECT_EQ(w().chosenDevice.buttonCount, 3);
    back();
    back();
    EXPECT_EQ(w().lstDevicesFound->item(1), L"Orvane Right Hand Mouse on the PS/2 Port")
        << "the new type names the device the next time the list is built";
}

TEST_F(Wizard, EveryBackReturnsWhereItCameFrom) {
    startWith("scenario_one_device.reg");
    walkToProperties(0, kStandardTwoButtonRow);
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDeviceTypeStep);
    EXPECT_TRUE(w().recordText.empty());
    EXPECT_TRUE(w().applicationName.empty());
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDevicesStep);
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kWelcomeStep);
    EXPECT_FALSE(w().btnBack->visible());

    walkToProperties(0, kStandardTwoButtonRow);
    next();
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().PageControl2->activePage(), w().TabSheet2);
    next();
    next();
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kCustomizeStep);
    EXPECT_EQ(w().btnNext->caption(), L"&Next->");
    EXPECT_TRUE(w().btnNext->enabled());
}

TEST_F(Wizard, ASpeedChangeIsLiveAndCancelWritesTheLoadedRecordBack) {
    openRightHandMotionTab();
    changeSpeed(9);
    ASSERT_EQ(newNotifications(), 1u);
    EXPECT_EQ(storedSpeed(), 9);
    EXPECT_EQ(driverNotifications().back().value(L"P001"), *property(L"P001"))
        << "written before the driver was told";
    EXPECT_EQ(w().savedSetup.cursorSpeed1, 7);
    EXPECT_TRUE(w().btnApply->enabled());

    ui::user::click(*w().btnCancel);
    EXPECT_EQ(property(L"P001"),
              L"014003007GENERAL001002003004005005007007001005000005005005016Windows Standard");
    EXPECT_EQ(newNotifications(), 2u);
    EXPECT_TRUE(messageBoxes.shown().empty()) << "Cancel never asks";
    EXPECT_TRUE(application.terminated());
}

struct LeaveAnswer {
    MessageAnswer answer;
    int stepAfter;
    int storedSpeed;
};

class LeavingWithChanges : public Wizard, public ::testing::WithParamInterface<LeaveAnswer> {};

TEST_P(LeavingWithChanges, AsksAndDoesWhatTheAnswerSays) {
    openRightHandMotionTab();
    changeSpeed(11);
    messageBoxes.answerNext(GetParam().answer);
    next();
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    const auto& box = messageBoxes.shown().back();
    EXPECT_EQ(box.text, kLeaveQuestion);
    EXPECT_EQ(box.caption, L"Warning");
    EXPECT_EQ(box.buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(box.defaultButton, MessageAnswer::Cancel);
    EXPECT_EQ(w().wizardStep, GetParam().stepAfter);
    EXPECT_EQ(storedSpeed(), GetParam().storedSpeed);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LeavingWithChanges,
    ::testing::Values(LeaveAnswer{MessageAnswer::Yes, TfrmTarvex::kCustomizeStep, 11},
                      LeaveAnswer{MessageAnswer::No, TfrmTarvex::kCustomizeStep, 7},
                      LeaveAnswer{MessageAnswer::Cancel, TfrmTarvex::kPropertiesStep, 11}));

TEST_F(Wizard, ClosingTheWindowWithChangesAsksToSaveThem) {
    openRightHandMotionTab();
    changeSpeed(3);
    messageBoxes.answerNext(MessageAnswer::Cancel);
    ui::user::closeWindow(w());
    EXPECT_EQ(messageBoxes.shown().back().text, L"Save mouse setup changes before quitting?");
    EXPECT_FALSE(application.terminated()) << "Cancel keeps the window open";

    messageBoxes.answerNext(MessageAnswer::Yes);
    ui::user::closeWindow(w());
    EXPECT_TRUE(application.terminated());
    EXPECT_EQ(storedSpeed(), 3);
    EXPECT_FALSE(w().btnApply->enabled());
}

TEST_F(Wizard, ClosingWithoutChangesAsksNothing) {
    startWith("scenario_one_device.reg");
    walkToProperties(0, kStandardTwoButtonRow);
    ui::user::closeWindow(w());
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_TRUE(application.terminated());
}

TEST_F(Wizard, ApplyMakesTheEditsTheSavedState) {
    openRightHandMotionTab();
    changeSpeed(12);
    ui::user::click(*w().btnApply);
    EXPECT_FALSE(w().btnApply->enabled());
    EXPECT_EQ(w().savedSetup.cursorSpeed1, 12);
    EXPECT_EQ(newNotifications(), 2u);
    ui::user::click(*w().btnCancel);
    EXPECT_EQ(storedSpeed(), 12) << "nothing left to revert";
}

TEST_F(Wizard, AMissingPropertiesKeyIsReportedAndWritesNothingElse) {
    startWith("scenario_one_device.reg");
    registry.deleteKey(kDriverRoot, L"SOFTWARE\\Orvane\\Properties");
    messageBoxes.answerNext(MessageAnswer::Ok);
    walkToProperties(0, kStandardTwoButtonRow);
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_NE(messageBoxes.shown()[0].text.find(L"SOFTWARE\\Orvane\\Properties"),
              std::wstring::npos);
    EXPECT_EQ(registry.open(kDriverRoot, L"SOFTWARE\\Orvane\\Properties"), nullptr);
    EXPECT_TRUE(driverNotifications().empty());
}

TEST_F(Wizard, ARefusedLiveWriteIsReportedAndTheDriverIsNotTold) {
    openRightHandMotionTab();
    const auto before = property(L"P001");
    registry.refuseWrite(0);
    messageBoxes.answerNext(MessageAnswer::Ok);
    changeSpeed(10);
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].icon, platform::MessageIcon::Error);
    EXPECT_EQ(property(L"P001"), before);
    EXPECT_EQ(newNotifications(), 0u);
    changeSpeed(11);
    EXPECT_EQ(storedSpeed(), 11) << "the next edit works";
}

TEST_F(Wizard, TheHigherNumberedRecordOfAnApplicationIsEdited) {
    startWith("scenario_three_devices.reg");
    registry.open(kDriverRoot, L"SOFTWARE\\Orvane\\Properties")
        ->writeString(
            L"P003",
            L"014003007GENERAL001002003004005005013013001005000005005005016Windows Standard");
    walkToProperties(2, kRightHandRow);
    EXPECT_EQ(w().currentSetup.cursorSpeed1, 13);
}

}  // namespace
}  // namespace setup::scenario
