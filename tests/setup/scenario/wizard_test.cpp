// The wizard's main paths and every Back, the device pages, loading a setup,
// the live update, Apply, revert, Cancel and closing.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "setup/store/application_store.h"
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

// Enter alone walks the wizard: each page puts the focus on its first control.
TEST_F(Wizard, TheKeyboardHasAPlaceOnEveryPage) {
    startWith("scenario_three_devices.reg");
    ui::user::pressEnter(w());
    ASSERT_EQ(w().wizardStep, TfrmTarvex::kDevicesStep);
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_EQ(w().activeControl(), w().lstDevicesFound);

    ui::user::select(*w().lstDevicesFound, 0);
    ui::user::pressEnter(w());
    ASSERT_EQ(w().wizardStep, TfrmTarvex::kDeviceTypeStep);
    EXPECT_EQ(w().activeControl(), w().ListBox1);

    ui::user::select(*w().ListBox1, kStandardTwoButtonRow);
    ui::user::pressEnter(w());
    ASSERT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().activeControl(), w().PageControl2);
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
    for (const auto& box : messageBoxes.shown()) {
        EXPECT_EQ(box.owner, w().windowId()) << "the window is blocked while the box is up";
    }
}

// Before the driver has found anything its key is made, and Enter on the empty
// list asks for a device as Next would.
TEST_F(Wizard, WithoutTheDriversDeviceKeyTheListIsEmptyAndAsksForADevice) {
    loadRegistry("bare_installation.reg");
    installDriverFiles(L"C:\\Orvane");
    start();
    next();
    EXPECT_NE(registry.open(kDriverRoot, kMiceFoundKey), nullptr);
    EXPECT_EQ(w().lstDevicesFound->itemCount(), 0);
    EXPECT_EQ(w().deviceCount, 0);
    EXPECT_FALSE(w().btnNext->enabled());

    messageBoxes.answerNext(MessageAnswer::Ok);
    ui::user::focus(*w().lstDevicesFound);
    ui::user::pressEnter(w());
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{L"Please Select a Listed Device"});
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDevicesStep);
}

// A type the list does not hold (0x301) marks no row: the device is not
// untyped, so Next is offered, but it still wants a row. Enter works as a
// double click in both lists, once a row is chosen.
TEST_F(Wizard, ATypeOutsideTheListWantsARowChosen) {
    startWith("scenario_one_device.reg");
    registry.open(kDriverRoot, L"SOFTWARE\\Orvane\\MiceFound")
        ->writeString(L"UserDefined", L"30100a002");
    next();
    ui::user::focus(*w().lstDevicesFound);
    ui::user::pressEnter(w());
    ASSERT_EQ(w().wizardStep, TfrmTarvex::kDeviceTypeStep);
    EXPECT_FALSE(w().typeUnknown);
    EXPECT_EQ(w().ListBox1->itemIndex(), -1);
    EXPECT_TRUE(w().btnNext->enabled());

    messageBoxes.answerNext(MessageAnswer::Ok);
    next();
    EXPECT_EQ(boxTexts(),
              std::vector<std::wstring>{L"Please select a Mouse Type before continuing"});
    ui::user::focus(*w().ListBox1);
    ui::user::pressEnter(w());
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDeviceTypeStep);
    EXPECT_EQ(messageBoxes.shown().size(), 1u) << "Enter without a row does nothing";

    ui::user::select(*w().ListBox1, kStandardTwoButtonRow);
    ui::user::pressEnter(w());
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(registry.value(kDriverRoot, L"SOFTWARE\\Orvane\\MiceFound", L"UserDefined"), L"");
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

// Twenty-five attached devices of one code, each typed, and one device typed
// long ago and not attached now: two type choices in a row keep it.
TEST_F(Wizard, RewritingUserDefinedKeepsEveryEntryWhateverTheCount) {
    startWith("scenario_one_device.reg");
    std::wstring found;
    std::wstring typed;
    for (int port = 1; port <= kMostDevices; ++port) {
        found += L"00a" + platform::zeroPadded(port, 3);
        typed += L"00b00a" + platform::zeroPadded(port, 3);
    }
    const std::wstring unattached = L"015123007";
    auto key = registry.open(kDriverRoot, kMiceFoundKey);
    key->writeString(kMiceFoundValue, found);
    key->writeString(kUserDefinedValue, typed + unattached);
    walkToProperties(0, kRightHandRow);
    back();
    back();
    ui::user::select(*w().lstDevicesFound, 1);
    next();
    ui::user::select(*w().ListBox1, kRightHandRow);
    next();
    ASSERT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    const auto stored = registry.value(kDriverRoot, kMiceFoundKey, kUserDefinedValue).value();
    EXPECT_EQ(stored.substr(0, 18), L"01400a00101400a002") << "both choices stored";
    EXPECT_EQ(stored.substr(18, 9), L"00b00a003") << "the same code on another port keeps its type";
    EXPECT_EQ(stored.size(), typed.size() + unattached.size());
    EXPECT_EQ(stored.substr(stored.size() - unattached.size()), unattached)
        << "the device not attached keeps its type";
}

// A value the program cannot read may hold types it would lose: the choice is
// reported, holds for this run, and the value is left as it was.
TEST_F(Wizard, AnUnreadableUserDefinedIsReportedAndNeverOverwritten) {
    startWith("scenario_one_device.reg");
    platform::RegistryValue binary;
    binary.type = platform::kRegBinary;
    binary.data = {0x30, 0x31, 0x35};
    registry.open(kDriverRoot, kMiceFoundKey)->writeValue(kUserDefinedValue, binary);
    messageBoxes.answerNext(MessageAnswer::Ok);
    walkToProperties(0, kRightHandRow);
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].icon, platform::MessageIcon::Error) << "the standard box";
    EXPECT_NE(messageBoxes.shown()[0].text.find(kUserDefinedValue), std::wstring::npos);
    EXPECT_EQ(registry.open(kDriverRoot, kMiceFoundKey)->readValue(kUserDefinedValue), binary);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().chosenDevice.deviceType, 0x014) << "the choice holds for this run";
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
    EXPECT_EQ(lastNotification().value(L"P001"), *property(L"P001"))
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
    EXPECT_EQ(box.owner, w().windowId()) << "Next and Back are blocked while it is up";
    EXPECT_EQ(w().wizardStep, GetParam().stepAfter);
    EXPECT_EQ(storedSpeed(), GetParam().storedSpeed);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LeavingWithChanges,
    ::testing::Values(LeaveAnswer{MessageAnswer::Yes, TfrmTarvex::kCustomizeStep, 11},
                      LeaveAnswer{MessageAnswer::No, TfrmTarvex::kCustomizeStep, 7},
                      LeaveAnswer{MessageAnswer::Cancel, TfrmTarvex::kPropertiesStep, 11}));

struct ListLeaveAnswer {
    MessageAnswer answer;
    int wordSpeed;
};

class LeavingTheApplicationListWithChanges : public Wizard,
                                             public ::testing::WithParamInterface<ListLeaveAnswer> {
};

// Changes to WORD.EXE still pending on the application list: choosing
// NOTEPAD.EXE asks about WORD.EXE, and the answer goes to WORD.EXE's record.
// No page leads from the property page to the list without settling the
// changes; the list guards against it all the same, so the test goes there
// the way the wizard's own code would.
TEST_P(LeavingTheApplicationListWithChanges, AsksAboutTheApplicationEdited) {
    startWith("scenario_applications.reg");
    const auto notepad = property(L"P005");
    walkToProperties(0, kRightHandRow);
    next();
    ui::user::click(*w().btnPage9Yes);
    ui::user::select(*w().lstbSpecialApplications, 2);
    next();
    ASSERT_EQ(w().lblAppPage7->caption(), L"In the WORD.EXE Application");
    ui::user::selectTab(*w().PageControl2, 0);
    changeSpeed(12);
    w().showPage(w().Page9, TfrmTarvex::kCustomizeStep);
    ui::user::click(*w().btnPage9Yes);
    ui::user::select(*w().lstbSpecialApplications, 3);
    ASSERT_EQ(w().applicationName, L"NOTEPAD.EXE");

    messageBoxes.answerNext(GetParam().answer);
    next();
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{
                              L"Mouse setup changes for WORD.EXE will be lost if they are\nnot "
                              L"applied. Apply changes before continuing?"});
    EXPECT_EQ(parsePropertyRecord(property(L"P003")->substr(6)).cursorSpeed1, GetParam().wordSpeed);
    EXPECT_EQ(property(L"P005"), notepad);
    EXPECT_EQ(w().lblAppPage7->caption(), L"In the NOTEPAD.EXE Application");
}

INSTANTIATE_TEST_SUITE_P(Answers, LeavingTheApplicationListWithChanges,
                         ::testing::Values(ListLeaveAnswer{MessageAnswer::Yes, 12},
                                           ListLeaveAnswer{MessageAnswer::No, 9}));

TEST_F(Wizard, EnterOnTheApplicationListWithNothingChosenDoesNothing) {
    startWith("scenario_applications.reg");
    walkToProperties(0, kRightHandRow);
    next();
    ui::user::click(*w().btnPage9Yes);
    const auto writes = registry.writeCount();
    ui::user::focus(*w().lstbSpecialApplications);
    ui::user::pressEnter(w());
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kApplicationsStep);
    EXPECT_EQ(w().applicationName, L"");
    EXPECT_EQ(registry.writeCount(), writes);
    EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(Wizard, CancelAfterEditsUndoneByHandStillReverts) {
    openRightHandMotionTab();
    changeSpeed(9);
    changeSpeed(7);
    EXPECT_TRUE(w().btnApply->enabled()) << "Apply stays on once something was edited";
    ui::user::click(*w().btnCancel);
    EXPECT_EQ(newNotifications(), 3u) << "two live writes and the revert";
    EXPECT_EQ(storedSpeed(), 7);
    EXPECT_TRUE(messageBoxes.shown().empty());
}

// Back from the property page asks nothing, so the changes are still pending
// when the wizard has moved on and forgotten the application: declining them on
// closing puts back the application's own record, not the GENERAL one.
TEST_F(Wizard, ClosingAfterBackRevertsTheApplicationThatWasEdited) {
    startWith("scenario_three_devices.reg");
    const auto general = property(L"P001");
    const auto word = property(L"P002");
    walkToProperties(2, kRightHandRow);
    next();
    ui::user::click(*w().btnPage9Yes);
    ui::user::select(*w().lstbSpecialApplications, 1);
    next();
    ASSERT_EQ(w().lblAppPage7->caption(), L"In the WORD.EXE Application");
    ui::user::selectTab(*w().PageControl2, 0);
    changeSpeed(4);
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDeviceTypeStep);
    EXPECT_TRUE(messageBoxes.shown().empty()) << "leaving by Back never asks";

    messageBoxes.answerNext(MessageAnswer::No);
    ui::user::closeWindow(w());
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{L"Save mouse setup changes before quitting?"});
    EXPECT_EQ(property(L"P001"), general);
    EXPECT_EQ(property(L"P002"), word);
    EXPECT_EQ(property(L"P003"), std::nullopt);
    EXPECT_TRUE(application.terminated());
}

TEST_F(Wizard, ClosingTheWindowWithChangesAsksToSaveThem) {
    openRightHandMotionTab();
    changeSpeed(3);
    messageBoxes.answerNext(MessageAnswer::Cancel);
    ui::user::closeWindow(w());
    EXPECT_EQ(messageBoxes.shown().back().text, L"Save mouse setup changes before quitting?");
    EXPECT_EQ(messageBoxes.shown().back().owner, w().windowId());
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

TEST_F(Wizard, ApplyStoresARecordRemovedMeanwhileUnderTheFirstFreeNumber) {
    openRightHandMotionTab();
    changeSpeed(12);
    // GENERAL's record goes, WORD.EXE's moves down to P001.
    auto key = registry.open(kDriverRoot, kPropertiesKey);
    removeRecord(*key, 1);
    key->close();
    ui::user::click(*w().btnApply);
    EXPECT_EQ(property(L"P001"),
              L"014003008WORD.EXE002001003004006005009009002005003005005005016Windows Standard");
    EXPECT_EQ(property(L"A001"), L"020004");
    EXPECT_EQ(property(L"P002"),
              L"014003007GENERAL001002003004005005012012001005000005005005016Windows Standard");
    EXPECT_EQ(property(L"A002"), L"") << "GENERAL's own actions, none";
}

TEST_F(Wizard, BackFromTheCursorFilePageKeepsThePendingEdits) {
    openRightHandMotionTab();
    changeSpeed(10);
    ui::user::selectTab(*w().PageControl2, 2);
    ui::user::select(*w().lstPointers, 0);
    ui::user::click(*w().btnBrowsePointers);
    ASSERT_EQ(w().wizardStep, TfrmTarvex::kCursorFileStep);
    const auto writes = registry.writeCount();
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(registry.writeCount(), writes) << "no load happens";
    EXPECT_EQ(w().savedSetup.cursorSpeed1, 7);
    EXPECT_EQ(w().currentSetup.cursorSpeed1, 10);
    EXPECT_TRUE(w().btnApply->enabled());
}

TEST_F(Wizard, RevertBeforeAnySetupIsLoadedWritesNothing) {
    startWith("scenario_three_devices.reg");
    next();
    const auto writes = registry.writeCount();
    w().revertSetup();
    EXPECT_EQ(registry.writeCount(), writes);
    EXPECT_TRUE(driverNotifications().empty());
}

// Back leaves the property page without the changes question, so the edits are
// still pending while the user chooses on: closing the window then settles them
// in the record they were made in, whatever has been chosen since.
class LeavingByBackThenClosing : public Wizard,
                                 public ::testing::WithParamInterface<MessageAnswer> {
protected:
    bool applied() const { return GetParam() == MessageAnswer::Yes; }
    void closeAnswering() {
        messageBoxes.answerNext(GetParam());
        ui::user::closeWindow(w());
        ASSERT_EQ(boxTexts(),
                  std::vector<std::wstring>{L"Save mouse setup changes before quitting?"});
    }
};

TEST_P(LeavingByBackThenClosing, SettlesTheEditsOfTheDeviceTheyWereMadeFor) {
    openRightHandMotionTab();
    const auto wordRecord = property(L"P002");
    changeSpeed(11);
    back();
    back();
    ui::user::select(*w().lstDevicesFound, 0);  // the standard mouse, without records
    closeAnswering();
    const auto general = parsePropertyRecord(property(L"P001")->substr(6));
    EXPECT_EQ(general.cursorSpeed1, applied() ? 11 : 7);
    EXPECT_EQ(general.schemeName, L"Windows Standard");
    EXPECT_EQ(property(L"P002"), wordRecord);
    EXPECT_FALSE(property(L"P003").has_value()) << "nothing stored for the device chosen since";
}

INSTANTIATE_TEST_SUITE_P(Answers, LeavingByBackThenClosing,
                         ::testing::Values(MessageAnswer::Yes, MessageAnswer::No));

struct PendingAnswer {
    MessageAnswer answer;
    int stepAfter;
    int wordDoubleClickSpeed;
};

class LoadingOverPendingEdits : public Wizard,
                                public ::testing::WithParamInterface<PendingAnswer> {};

// Back never asks, but the next load does, about the setup whose live edits
// are still pending: Yes applies them, No reverts them, Cancel stays.
TEST_P(LoadingOverPendingEdits, AsksAboutTheSetupLoadedBefore) {
    startWith("scenario_three_devices.reg");
    walkToProperties(2, kRightHandRow);
    next();
    ui::user::click(*w().btnPage9Yes);
    ui::user::doubleClick(*w().lstbSpecialApplications, 1);  // WORD.EXE, stored in P002
    ui::user::slide(*w().trbDblClickSpeed, 2);
    ASSERT_EQ(parsePropertyRecord(property(L"P002")->substr(6)).doubleClickSpeed, 9);
    back();
    ASSERT_TRUE(messageBoxes.shown().empty());

    messageBoxes.answerNext(GetParam().answer);
    next();
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{
                              L"Mouse setup changes for WORD.EXE will be lost if they are\nnot "
                              L"applied. Apply changes before continuing?"});
    EXPECT_EQ(w().wizardStep, GetParam().stepAfter);
    EXPECT_EQ(parsePropertyRecord(property(L"P002")->substr(6)).doubleClickSpeed,
              GetParam().wordDoubleClickSpeed);
    if (GetParam().answer == MessageAnswer::Cancel) {
        return;
    }
    EXPECT_EQ(w().lblAppPage7->caption(), L"In the GENERAL Application");
    ui::user::click(*w().btnCancel);
    EXPECT_EQ(parsePropertyRecord(property(L"P002")->substr(6)).doubleClickSpeed,
              GetParam().wordDoubleClickSpeed)
        << "settled: nothing left to revert";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LoadingOverPendingEdits,
    ::testing::Values(PendingAnswer{MessageAnswer::Yes, TfrmTarvex::kPropertiesStep, 9},
                      PendingAnswer{MessageAnswer::No, TfrmTarvex::kPropertiesStep, 6},
                      PendingAnswer{MessageAnswer::Cancel, TfrmTarvex::kDeviceTypeStep, 9}));

TEST_F(Wizard, ChoosingAnotherDeviceWithEditsPendingAsksAboutTheDeviceEdited) {
    openRightHandMotionTab();
    changeSpeed(11);
    back();
    back();
    ui::user::select(*w().lstDevicesFound, 0);
    next();
    ui::user::select(*w().ListBox1, kStandardTwoButtonRow);
    messageBoxes.answerNext(MessageAnswer::No);
    next();
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{kLeaveQuestion});
    EXPECT_EQ(storedSpeed(), 7) << "the right-hand mouse's record put back";
    EXPECT_EQ(w().lblDeviceSelected1->caption(),
              L"Standard 2 Button Mouse on the Serial Comm 1 Port");
}

// Back and Next to the same setup take its edits up again: Apply stays on, and
// Cancel still restores what was stored before the edits began.
TEST_F(Wizard, ReturningToTheSameSetupKeepsItsEditsPending) {
    openRightHandMotionTab();
    changeSpeed(11);
    ui::user::selectTab(*w().PageControl2, 1);
    ui::user::choose(*w().cmbPos2, 0);  // Aux1 becomes a second Primary: no question
    back();
    next();
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_TRUE(w().btnApply->enabled());
    EXPECT_EQ(w().cmbPos2->itemIndex(), 0) << "the position edit is still shown";
    EXPECT_EQ(storedSpeed(), 11);

    ui::user::click(*w().btnCancel);
    EXPECT_EQ(property(L"P001"),
              L"014003007GENERAL001002003004005005007007001005000005005005016Windows Standard");
}

TEST_F(Wizard, ApplyingAfterBackAndReturningStoresTheSchemeShown) {
    openRightHandMotionTab();
    changeSpeed(11);
    back();
    next();
    ui::user::click(*w().btnApply);
    const auto general = parsePropertyRecord(property(L"P001")->substr(6));
    EXPECT_EQ(general.cursorSpeed1, 11);
    EXPECT_EQ(general.schemeName, L"Windows Standard");
}

TEST_F(Wizard, ApplyingAfterBackStoresTheApplicationsRecordWithItsScheme) {
    startWith("scenario_three_devices.reg");
    const auto general = property(L"P001");
    walkToProperties(2, kRightHandRow);
    next();
    ui::user::click(*w().btnPage9Yes);
    ui::user::doubleClick(*w().lstbSpecialApplications, 1);  // WORD.EXE, stored in P002
    ui::user::selectTab(*w().PageControl2, 0);
    changeSpeed(3);
    back();
    messageBoxes.answerNext(MessageAnswer::Yes);
    ui::user::closeWindow(w());
    EXPECT_EQ(property(L"P001"), general);
    const auto word = parsePropertyRecord(property(L"P002")->substr(6));
    EXPECT_EQ(word.applicationName, L"WORD.EXE");
    EXPECT_EQ(word.cursorSpeed1, 3);
    EXPECT_EQ(word.schemeName, L"Windows Standard") << "not the emptied scheme box";
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
    const auto first = property(L"P001");
    ui::user::selectTab(*w().PageControl2, 0);
    changeSpeed(4);
    EXPECT_EQ(parsePropertyRecord(property(L"P003")->substr(6)).cursorSpeed1, 4)
        << "written where it was loaded from";
    EXPECT_EQ(property(L"P001"), first);
}

}  // namespace
}  // namespace setup::scenario
