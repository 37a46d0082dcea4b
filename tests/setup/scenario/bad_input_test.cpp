// Stored data that is cut short, misshapen or larger than its fields: the
// program reports what it cannot read, writes nothing in its place, and goes on.
#include <gtest/gtest.h>

#include "platform/reg_file.h"
#include "platform/text.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

constexpr int kStandardTwoButtonRow = 2;
constexpr int kPointersTab = 2;

class BadInput : public TarvexScenario {
protected:
    TfrmTarvex& w() { return window(); }
    std::wstring snapshot() {
        return platform::exportRegText(registry, kDriverRoot, kPropertiesKey,
                                       platform::RegFormat::Regedit5);
    }
};

TEST_F(BadInput, MoreDevicesThanTheListHoldsShowTheFirstTwentyFive) {
    startWith("bad_input.reg");
    next();
    ASSERT_EQ(w().lstDevicesFound->itemCount(), kMostDevices);
    EXPECT_EQ(w().foundDevices[1].deviceCode, 1) << "digits that are not hex read as code 1";
    EXPECT_EQ(w().foundDevices[1].portNumber, 1);
    EXPECT_TRUE(messageBoxes.shown().empty());
}

struct MalformedRecord {
    const char* name;
    int storedRecord;  // the malformed record, which the first load finds
    const wchar_t* field;
};

class MalformedRecords : public BadInput, public ::testing::WithParamInterface<MalformedRecord> {};

// Each record is the device's GENERAL record; the others are removed so that
// the load finds this one.
TEST_P(MalformedRecords, AreReportedByFieldAndNothingIsWrittenOverThem) {
    loadRegistry("bad_input.reg");
    {
        auto key = registry.open(kDriverRoot, kPropertiesKey);
        const auto kept = key->readString(recordValueName(GetParam().storedRecord));
        for (int n = 1; n <= 3; ++n) {
            key->deleteValue(recordValueName(n));
            key->deleteValue(actionValueName(n));
        }
        key->writeString(L"P001", kept);
        key->writeString(L"A001", L"");
    }
    installDriverFiles(L"C:\\Orvane");
    start();
    const auto before = snapshot();
    messageBoxes.answerNext(platform::MessageAnswer::Ok);
    walkToProperties(0, kStandardTwoButtonRow);

    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    const auto& box = messageBoxes.shown()[0];
    EXPECT_EQ(box.icon, platform::MessageIcon::Error);
    EXPECT_NE(box.text.find(GetParam().field), std::wstring::npos) << platform::toUtf8(box.text);
    EXPECT_EQ(snapshot(), before) << "the load writes nothing over what it cannot read";
    EXPECT_TRUE(driverNotifications().empty());

    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDeviceTypeStep)
        << "a setup that could not be read is not offered for editing";
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kDevicesStep) << "the program goes on";
}

INSTANTIATE_TEST_SUITE_P(Stored, MalformedRecords,
                         ::testing::Values(MalformedRecord{"CutShort", 1, L"cursorSpeed2"},
                                           MalformedRecord{"LetterInANumber", 2, L"cursorSpeed1"},
                                           MalformedRecord{"NameLongerThanTheRecord", 3,
                                                           L"schemeName"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A load that fails on the action string, after the record itself parsed,
// leaves the editor with the setup loaded before, all of it.
TEST_F(BadInput, ALoadThatFailsLeavesTheSetupLoadedBefore) {
    startWith("scenario_three_devices.reg");
    walkToProperties(2, 0);
    next();
    ui::user::click(*w().btnPage9Yes);
    registry.open(kDriverRoot, kPropertiesKey)->writeString(L"A002", L"02000x");
    const auto loadedBefore = w().savedSetup;
    const auto actionsBefore = w().savedActions;
    ui::user::select(*w().lstbSpecialApplications, 1);
    messageBoxes.answerNext(platform::MessageAnswer::Ok);
    next();
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_NE(messageBoxes.shown()[0].text.find(L"actionCode"), std::wstring::npos);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kApplicationsStep);
    EXPECT_EQ(w().currentSetup, loadedBefore) << "not WORD.EXE's record, parsed before the failure";
    EXPECT_EQ(w().editedSetup, loadedBefore);
    EXPECT_EQ(w().currentActions, actionsBefore);
    EXPECT_TRUE(driverNotifications().empty());
}

TEST_F(BadInput, ASchemeOfAHundredFieldsShowsTwentyRowsAndSavesFourteen) {
    std::wstring hundred = L"C:\\Cursors\\Cut.cur";
    for (int field = 1; field < 100; ++field) {
        hundred += L",";
    }
    registry.create(kSchemeRoot, kSchemesKey)->writeString(L"Hundred", hundred);
    files.addFile(L"C:\\Cursors\\Cut.cur", std::string("\0\0\2\0\1\0", 6));
    startWith("scenario_one_device.reg");
    walkToProperties(0, kStandardTwoButtonRow);
    ui::user::selectTab(*w().PageControl2, kPointersTab);
    const auto& items = w().cmbScheme->items();
    const auto at = std::find(items.begin(), items.end(), L"Hundred");
    ASSERT_NE(at, items.end());
    ui::user::choose(*w().cmbScheme, static_cast<int>(at - items.begin()));

    EXPECT_EQ(w().lstPointers->itemCount(), TfrmTarvex::kCursorSlots);
    EXPECT_EQ(w().cursorHandles[0], platform::kNoCursor) << "a cut cursor file shows no cursor";
    EXPECT_TRUE(messageBoxes.shown().empty());

    ui::user::click(*w().btnApply);
    const auto saved = registry.value(kSchemeRoot, kSchemesKey, L"Hundred");
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(std::count(saved->begin(), saved->end(), L','), 13) << "Apply stores 14 fields";
}

}  // namespace
}  // namespace setup::scenario
