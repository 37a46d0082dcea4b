// The ends of the wizard: the welcome page, the several-devices page, the finish
// page with its tray-icon option and closing animation, and the pages the
// finish page leads to.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

using platform::MessageAnswer;

constexpr int kStandardTwoButtonRow = 2;
constexpr int kRightHandRow = 0;
const std::wstring kDriverLibrary = L"Orvdll.dll";

class FinishPages : public TarvexScenario {
protected:
    TfrmTarvex& w() { return window(); }

    // The one device of the fixture, set up and on the finish page.
    void openFinishPage(const std::optional<std::wstring>& trayValue = std::nullopt) {
        openFinishPage(trayValue ? std::optional(platform::RegistryValue::ofString(*trayValue))
                                 : std::nullopt);
    }
    // The same with the tray option stored as a value of any type.
    void openFinishPage(const std::optional<platform::RegistryValue>& trayValue) {
        loadRegistry("scenario_one_device.reg");
        if (trayValue) {
            registry.open(kDriverRoot, kOrvaneKey)->writeValue(kShowIconInTrayValue, *trayValue);
        }
        installDriverFiles(L"C:\\Orvane");
        start();
        walkToProperties(0, kStandardTwoButtonRow);
        next();
        next();
        ASSERT_EQ(w().wizardStep, TfrmTarvex::kFinishStep);
    }
    std::optional<std::wstring> trayValue() {
        return registry.value(kDriverRoot, kOrvaneKey, kShowIconInTrayValue);
    }
    void tick() { backend.tick(*w().Timer2); }
};

TEST_F(FinishPages, TheWelcomePageHasNoWayBack) {
    startWith("scenario_one_device.reg");
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kWelcomeStep);
    EXPECT_FALSE(w().btnBack->enabled());
    next();
    back();
    EXPECT_EQ(w().PageControl1->activePage(), w().Page18);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kWelcomeStep);
    EXPECT_FALSE(w().btnBack->enabled());
    EXPECT_TRUE(w().btnNext->enabled());
}

// ---- The tray-icon option ----

struct StoredTrayOption {
    const char* label;
    std::optional<std::wstring> stored;
    bool checked;
    // What showing the page leaves stored and how often it told the driver.
    std::optional<std::wstring> afterShowing;
    size_t notifications;
};

void PrintTo(const StoredTrayOption& option, std::ostream* out) {
    *out << option.label;
}

class TrayOptionShown : public FinishPages,
                        public ::testing::WithParamInterface<StoredTrayOption> {};

TEST_P(TrayOptionShown, OnlyAStoredFalseChecksTheBox) {
    const auto& option = GetParam();
    openFinishPage(option.stored);
    EXPECT_EQ(w().NoIconInTray->checked(), option.checked);
    EXPECT_EQ(trayValue(), option.afterShowing);
    ASSERT_EQ(driverNotifications().size(), option.notifications);
    if (option.notifications > 0) {
        EXPECT_EQ(driverNotifications()[0].value(L"ShowIconInTray"), L"false")
            << "written before the driver is told";
    }
}

INSTANTIATE_TEST_SUITE_P(
    FinishPage, TrayOptionShown,
    ::testing::Values(StoredTrayOption{"missing", std::nullopt, false, std::nullopt, 0},
                      StoredTrayOption{"true", L"true", false, L"true", 0},
                      StoredTrayOption{"otherCase", L"False", false, L"False", 0},
                      StoredTrayOption{"empty", L"", false, L"", 0},
                      // Checking the box from the stored value stores it again, as a click does.
                      StoredTrayOption{"false", L"false", true, L"false", 1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FinishPages, EveryChangeOfTheBoxIsStoredAndAnnounced) {
    openFinishPage(L"true");
    ui::user::click(*w().NoIconInTray);
    EXPECT_EQ(trayValue(), L"false");
    ui::user::click(*w().NoIconInTray);
    EXPECT_EQ(trayValue(), L"true");
    ASSERT_EQ(driverNotifications().size(), 2u);
    EXPECT_EQ(driverNotifications()[0].value(L"ShowIconInTray"), L"false");
    EXPECT_EQ(driverNotifications()[1].value(L"ShowIconInTray"), L"true");
    EXPECT_EQ(backend.cursorsShown().back(), platform::CursorKind::Arrow);
}

TEST_F(FinishPages, ARefusedWriteIsShownAndTheDriverIsNotTold) {
    openFinishPage(L"true");
    registry.makeReadOnly(kDriverRoot, kOrvaneKey);
    messageBoxes.answerNext(MessageAnswer::Ok);
    ui::user::click(*w().NoIconInTray);
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].icon, platform::MessageIcon::Error);
    EXPECT_EQ(trayValue(), L"true");
    EXPECT_FALSE(w().NoIconInTray->checked()) << "the box shows the stored choice again";
    EXPECT_EQ(messageBoxes.shown().size(), 1u) << "putting it back stores nothing";
    EXPECT_TRUE(driverNotifications().empty());
    EXPECT_EQ(backend.cursorsShown().back(), platform::CursorKind::Arrow);
}

TEST_F(FinishPages, AnUnreadableTrayOptionCountsAsMissing) {
    platform::RegistryValue number;
    number.type = platform::kRegDword;
    number.data = {0, 0, 0, 0};
    openFinishPage(number);
    EXPECT_FALSE(w().NoIconInTray->checked()) << "a value that is no text";

    ui::user::click(*w().Button1);
    registry.makeUnreadable(kDriverRoot, kOrvaneKey);
    back();
    ASSERT_EQ(w().wizardStep, TfrmTarvex::kFinishStep);
    EXPECT_FALSE(w().NoIconInTray->checked()) << "a key that may not be read";
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_TRUE(driverNotifications().empty()) << "nothing stored, nothing announced";
}

// ---- The closing animation ----

struct AnimationFrame {
    int doorLeft;
    int hedgeWidth;
    int hedgeTop;
    std::wstring picture;
};

// The animation as it is meant to look, tick by tick: the door slides right 6
// pixels a tick for 13 ticks (78 pixels) while the picture behind it widens 6
// pixels a tick to 72; from the 13th tick the walking pictures HW1, HW2, HW3
// follow each other seven times while the picture moves 4 pixels down a tick
// (84 pixels); two still ticks; the bow HB1, HB2, HB3, HB3, HB2 and back to
// HW1; three still ticks; the window closes on the 45th.
std::vector<AnimationFrame> intendedAnimation(const std::wstring& firstPicture) {
    constexpr int kDoorLeft = 392;
    constexpr int kHedgeTop = 120;
    std::vector<AnimationFrame> frames;
    for (int tick = 1; tick <= 12; ++tick) {
        frames.push_back({kDoorLeft + 6 * tick, 6 * tick, kHedgeTop, firstPicture});
    }
    for (int walked = 1; walked <= 21; ++walked) {
        frames.push_back({kDoorLeft + 78, 72, kHedgeTop + 4 * walked,
                          L"HW" + std::to_wstring((walked - 1) % 3 + 1) + L".BMP"});
    }
    const AnimationFrame down{kDoorLeft + 78, 72, kHedgeTop + 84, L"HW3.BMP"};
    frames.insert(frames.end(), 2, down);
    for (const wchar_t* bow :
         {L"HB1.BMP", L"HB2.BMP", L"HB3.BMP", L"HB3.BMP", L"HB2.BMP", L"HW1.BMP"}) {
        frames.push_back({down.doorLeft, down.hedgeWidth, down.hedgeTop, bow});
    }
    frames.insert(frames.end(), 3, frames.back());
    return frames;
}

TEST_F(FinishPages, TheAnimationTickByTick) {
    openFinishPage();
    const auto firstPicture = w().imgHedge->picture();
    EXPECT_EQ(w().shpDoor->penStyle(), ui::PenStyle::Clear);
    EXPECT_FALSE(w().Timer2->enabled());
    next();
    EXPECT_EQ(w().shpDoor->penStyle(), ui::PenStyle::Solid) << "the door's outline shows";
    EXPECT_TRUE(w().Timer2->enabled());
    EXPECT_EQ(w().Timer2->interval(), 100);
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_FALSE(w().btnBack->enabled());

    const auto frames = intendedAnimation(firstPicture);
    ASSERT_EQ(frames.size(), 44u);
    for (size_t i = 0; i < frames.size(); ++i) {
        SCOPED_TRACE("tick " + std::to_string(i + 1));
        tick();
        EXPECT_EQ(w().shpDoor->left(), frames[i].doorLeft);
        EXPECT_EQ(w().shpDoor->top(), 120);
        EXPECT_EQ(w().shpDoor->width(), 67);
        EXPECT_EQ(w().imgHedge->left(), 393);
        EXPECT_EQ(w().imgHedge->width(), frames[i].hedgeWidth);
        EXPECT_EQ(w().imgHedge->height(), 85);
        EXPECT_EQ(w().imgHedge->top(), frames[i].hedgeTop);
        EXPECT_EQ(w().imgHedge->picture(), frames[i].picture);
        ASSERT_TRUE(w().Timer2->enabled());
        ASSERT_FALSE(application.terminated());
    }
    tick();
    EXPECT_FALSE(w().Timer2->enabled());
    EXPECT_TRUE(application.terminated()) << "the 45th tick closes the window";
    EXPECT_EQ(modules.loadCount(kDriverLibrary), 0) << "the driver library is given back";
    EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(FinishPages, NoSidePageOpensWhileTheAnimationRuns) {
    openFinishPage();
    next();
    ui::user::click(*w().Button1);
    ui::user::click(*w().Button2);
    ui::user::doubleClick(*w().panButton);
    EXPECT_EQ(w().PageControl1->activePage(), w().Page12);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kFinishStep);
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_FALSE(w().btnBack->enabled());
    EXPECT_TRUE(w().Timer2->enabled());
}

// Apply may still be enabled when the animation ends: the close question then
// applies and tells the driver, so the library must still be bound.
TEST_F(FinishPages, TheLibraryOutlivesTheCloseQuestion) {
    openFinishPage();
    next();
    for (int i = 0; i < 44; ++i) {
        tick();
    }
    w().btnApply->setEnabled(true);
    messageBoxes.answerNext(MessageAnswer::Yes);
    tick();
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{L"Save mouse setup changes before quitting?"});
    ASSERT_EQ(driverNotifications().size(), 1u) << "Apply reached the driver";
    EXPECT_EQ(driverNotifications()[0].value(L"P001"), *property(L"P001"));
    EXPECT_TRUE(application.terminated());
    EXPECT_EQ(modules.loadCount(kDriverLibrary), 0);
}

TEST_F(FinishPages, AnAnimationKeptOpenByCancelDoesNotPlayAgain) {
    openFinishPage();
    next();
    for (int i = 0; i < 44; ++i) {
        tick();
    }
    const auto door = w().shpDoor->bounds();
    const auto hedge = w().imgHedge->bounds();
    w().btnApply->setEnabled(true);
    messageBoxes.answerNext(MessageAnswer::Cancel);
    tick();
    EXPECT_FALSE(application.terminated());
    EXPECT_FALSE(w().Timer2->enabled());
    EXPECT_EQ(modules.loadCount(kDriverLibrary), 1) << "still bound: the window stays";

    ui::user::click(*w().Button1);
    back();
    EXPECT_TRUE(w().btnNext->enabled());
    next();
    messageBoxes.answerNext(MessageAnswer::No);
    tick();
    EXPECT_TRUE(application.terminated()) << "the first tick of a second start closes at once";
    EXPECT_EQ(w().shpDoor->bounds(), door);
    EXPECT_EQ(w().imgHedge->bounds(), hedge);
    EXPECT_EQ(driverNotifications().size(), 1u) << "No reverts and tells the driver";
    EXPECT_EQ(modules.loadCount(kDriverLibrary), 0);
}

// ---- The pages the finish page leads to, and the several-devices page ----

TEST_F(FinishPages, AboutDriverAndMultipleDevicesLeadBackToTheFinishPage) {
    openFinishPage();
    struct Case {
        ui::Button* button;
        ui::TabSheet* page;
        int step;
    };
    for (const auto& side : {Case{w().Button1, w().Page2, TfrmTarvex::kAboutStep},
                             Case{w().Button2, w().Page4, TfrmTarvex::kAddingDevicesStep}}) {
        SCOPED_TRACE(platform::toUtf8(side.button->caption()));
        ui::user::click(*side.button);
        EXPECT_EQ(w().PageControl1->activePage(), side.page);
        EXPECT_EQ(w().wizardStep, side.step);
        EXPECT_TRUE(w().btnBack->visible());
        EXPECT_TRUE(w().btnBack->enabled());
        EXPECT_FALSE(w().btnNext->enabled());
        back();
        EXPECT_EQ(w().wizardStep, TfrmTarvex::kFinishStep);
        EXPECT_TRUE(w().btnNext->enabled());
    }
}

// The button bar's information page opens on any page. Back returns there as
// it was: from the welcome page nothing leads on to pages that edit a device
// before one was chosen, and nothing is stored.
TEST_F(FinishPages, TheInformationPageLeadsBackWhereItWasOpened) {
    startWith("scenario_one_device.reg");
    const auto writes = registry.writeCount();
    ui::user::doubleClick(*w().panButton);
    ASSERT_EQ(w().PageControl1->activePage(), w().Page2);
    back();
    EXPECT_EQ(w().PageControl1->activePage(), w().Page18);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kWelcomeStep);
    EXPECT_FALSE(w().btnBack->visible());
    EXPECT_FALSE(w().btnBack->enabled());
    EXPECT_TRUE(w().btnNext->enabled());
    EXPECT_EQ(w().btnNext->caption(), L"&Next ->");
    EXPECT_EQ(registry.writeCount(), writes);
    EXPECT_FALSE(property(L"P001").has_value()) << "no record for a device nobody chose";

    walkToProperties(0, kStandardTwoButtonRow);
    ui::user::selectTab(*w().PageControl2, 3);
    ui::user::doubleClick(*w().panButton);
    ui::user::doubleClick(*w().panButton);
    ASSERT_EQ(w().PageControl1->activePage(), w().Page2);
    back();
    EXPECT_EQ(w().PageControl1->activePage(), w().Page7);
    EXPECT_EQ(w().PageControl2->activePage(), w().TabSheet4);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_TRUE(w().btnBack->visible());
    EXPECT_TRUE(w().btnBack->enabled());
    EXPECT_TRUE(w().btnNext->enabled());
}

class SeveralDevices : public FinishPages {
protected:
    void openSeveralDevicesPage() {
        startWith("scenario_three_devices.reg");
        walkToProperties(2, kRightHandRow);
        next();
        next();
        ASSERT_EQ(w().wizardStep, TfrmTarvex::kSeveralDevicesStep);
    }
    void expectOnDeviceList() {
        EXPECT_EQ(w().wizardStep, TfrmTarvex::kDevicesStep);
        EXPECT_EQ(w().PageControl1->activePage(), w().Page1);
        EXPECT_EQ(w().lstDevicesFound->itemCount(), 3) << "the list is built again";
        EXPECT_TRUE(w().btnBack->enabled());
        EXPECT_FALSE(w().btnNext->enabled());
        EXPECT_EQ(w().applicationName, L"");
        EXPECT_EQ(w().recordText, L"");
        EXPECT_TRUE(w().reloadNeeded);
    }
    const std::wstring question_ =
        L"Changes to \"Orvane Right Hand Mouse on the Serial Comm 2 Port\" will be lost if they "
        L"are\nnot applied. Apply changes before changing pointing device?";
};

TEST_F(SeveralDevices, SetupGoesBackToTheDeviceListWithoutAQuestion) {
    openSeveralDevicesPage();
    ui::user::click(*w().btnPage11Yes);
    expectOnDeviceList();
    EXPECT_TRUE(messageBoxes.shown().empty());
    ui::user::select(*w().lstDevicesFound, 0);
    next();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDeviceTypeStep) << "another device can be set up";
}

TEST_F(SeveralDevices, UnappliedChangesAreAskedAboutByDeviceName) {
    openSeveralDevicesPage();
    w().btnApply->setEnabled(true);
    const auto writes = registry.writeCount();
    messageBoxes.answerNext(MessageAnswer::Cancel);
    ui::user::click(*w().btnPage11Yes);
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    const auto& box = messageBoxes.shown()[0];
    EXPECT_EQ(box.text, question_);
    EXPECT_EQ(box.caption, L"Warning");
    EXPECT_EQ(box.buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(box.defaultButton, MessageAnswer::Cancel);
    EXPECT_EQ(box.icon, platform::MessageIcon::None);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kSeveralDevicesStep) << "Cancel changes nothing";
    EXPECT_TRUE(w().btnApply->enabled());
    EXPECT_EQ(registry.writeCount(), writes);

    messageBoxes.answerNext(MessageAnswer::No);
    ui::user::click(*w().btnPage11Yes);
    EXPECT_EQ(driverNotifications().size(), 1u) << "No writes the loaded setup back";
    EXPECT_FALSE(w().btnApply->enabled());
    expectOnDeviceList();
}

}  // namespace
}  // namespace setup::scenario
