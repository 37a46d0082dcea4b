// The application pages: listing a device's applications, adding one typed in
// the dialog or picked on the file browser, deleting one with the records
// renumbered, and what the driver is told.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "setup/store/file_box.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

using platform::MessageAnswer;

constexpr int kRightHandRow = 0;
const std::wstring kGeneralSettings =
    L"001002003004005005009009002005003005005005016Windows Standard";
const std::wstring kWordSettings = L"002001003004006005009009002005003005005005016Windows Standard";
const std::wstring kPlainSettings =
    L"001002003004005005007007001005000005005005016Windows Standard";
const std::wstring kGeneralActions = L"020004";
const std::wstring kLimitMessage =
    L"There is an 11 application maximum for setting mouse preferences.\n"
    L"Delete one or more applications in order to add any new program references";

class ApplicationPages : public TarvexScenario {
protected:
    TfrmTarvex& w() { return window(); }

    // The right-hand mouse of the fixture on its application list.
    void openApplicationList() {
        startWith("scenario_applications.reg");
        walkToProperties(0, kRightHandRow);
        next();
        ui::user::click(*w().btnPage9Yes);
        ASSERT_EQ(w().wizardStep, TfrmTarvex::kApplicationsStep);
    }
    std::vector<std::wstring> listed() { return w().lstbSpecialApplications->items(); }
    void choose(const std::wstring& name) {
        const auto& items = listed();
        const auto row = std::find(items.begin(), items.end(), name) - items.begin();
        ASSERT_LT(static_cast<size_t>(row), items.size()) << platform::toUtf8(name);
        ui::user::select(*w().lstbSpecialApplications, static_cast<int>(row));
    }
    // "&Add New", the dialog answered by script.
    void addNew(const std::function<void(TFileBox&)>& script) {
        backend.onNextModal(
            [script](ui::Form& dialog) { script(dynamic_cast<TFileBox&>(dialog)); });
        ui::user::click(*w().btnPage10Browse);
    }
    void addTyped(const std::wstring& text) {
        addNew([&](TFileBox& box) {
            ui::user::type(*box.txtSpecialApp, text);
            ui::user::click(*box.btnOK);
        });
    }
    void deleteChosen() { ui::user::click(*w().btnPage10Delete); }
    // Stores named applications for the right-hand mouse after the last record.
    void storeApplications(int first, int count) {
        auto key = registry.open(kDriverRoot, kPropertiesKey);
        for (int n = 0; n < count; ++n) {
            const auto name = L"APP" + std::to_wstring(n) + L".EXE";
            key->writeString(recordValueName(first + n), L"014003008" + name + kPlainSettings);
        }
        key->close();
    }
    std::vector<std::wstring> recordsInOrder() {
        std::vector<std::wstring> records;
        for (int n = 1; property(recordValueName(n)).value_or(L"") != L""; ++n) {
            records.push_back(*property(recordValueName(n)));
        }
        return records;
    }
};

TEST_F(ApplicationPages, TheListShowsTheDevicesApplicationsInRecordOrder) {
    openApplicationList();
    EXPECT_EQ(
        w().Label66->caption(),
        L"Choose an application to set up for the pointing device \"Orvane Right Hand Mouse\"");
    EXPECT_EQ(listed(), (std::vector<std::wstring>{L"{general applications}", L"WORD.EXE.OLD",
                                                   L"WORD.EXE", L"NOTEPAD.EXE"}));
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_FALSE(w().btnPage10Delete->enabled());

    choose(L"WORD.EXE");
    EXPECT_EQ(w().applicationName, L"WORD.EXE");
    EXPECT_TRUE(w().btnNext->enabled());
    EXPECT_TRUE(w().btnPage10Delete->enabled());
    ui::user::select(*w().lstbSpecialApplications, 0);
    EXPECT_EQ(w().applicationName, L"GENERAL");
}

TEST_F(ApplicationPages, DoubleClickingAnApplicationSetsItUp) {
    openApplicationList();
    ui::user::doubleClick(*w().lstbSpecialApplications, 2);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().lblAppPage7->caption(), L"In the WORD.EXE Application");
    EXPECT_EQ(w().currentSetup.cursorSpeed1, 9);
    EXPECT_EQ(w().currentActions[0].actionCode, 5) << "WORD.EXE's own action 04 00 05";
}

TEST_F(ApplicationPages, TheDialogAllowsOkOnlyForANameThatIsNotBlankAndFits) {
    openApplicationList();
    addNew([](TFileBox& box) {
        EXPECT_EQ(box.caption(), L"Select File");
        EXPECT_EQ(box.width(), 392);
        EXPECT_EQ(box.height(), 173);
        EXPECT_TRUE(box.stayOnTop());
        EXPECT_TRUE(box.txtSpecialApp->focused());
        EXPECT_EQ(box.Label1->caption(),
                  L"Select an executable program for which you want to set up special mouse "
                  L"properties.");
        EXPECT_EQ(box.Label2->caption(), L"Type the file name for the program here, OR....");
        EXPECT_EQ(box.btnOK->caption(), L"OK");
        EXPECT_EQ(box.btnCancel->caption(), L"Cancel");
        EXPECT_EQ(box.Button1->caption(), L"&Browse...");
        EXPECT_FALSE(box.btnOK->enabled());
        ui::user::type(*box.txtSpecialApp, L"   ");
        EXPECT_FALSE(box.btnOK->enabled()) << "blanks only";
        ui::user::pressEnter(box);
        EXPECT_EQ(box.modalResult(), ui::kModalNone) << "Enter finds no usable default button";
        ui::user::type(*box.txtSpecialApp, L"a");
        EXPECT_TRUE(box.btnOK->enabled());
        ui::user::pressKey(box, platform::vk::kBackspace, {}, L'\b');
        EXPECT_FALSE(box.btnOK->enabled());
        ui::user::type(*box.txtSpecialApp, std::wstring(300, L'x'));
        EXPECT_EQ(box.txtSpecialApp->text().size(), 260u) << "a name always fits its length field";
        ui::user::pressKey(box, platform::vk::kEscape);
    });
    EXPECT_EQ(listed().size(), 4u);
    EXPECT_FALSE(property(L"P006").has_value());
    EXPECT_TRUE(driverNotifications().empty());
    EXPECT_EQ(backend.unusedModalScripts(), 0u);
}

TEST_F(ApplicationPages, ATypedNameIsStoredInUpperCaseWithoutBlanksAsACopyOfGeneral) {
    openApplicationList();
    addTyped(L"  excel.exe ");
    EXPECT_EQ(listed().back(), L"EXCEL.EXE");
    EXPECT_EQ(w().lstbSpecialApplications->itemIndex(), 4);
    EXPECT_EQ(w().applicationName, L"EXCEL.EXE");
    EXPECT_TRUE(w().btnNext->enabled());
    EXPECT_TRUE(w().btnNext->focused());
    EXPECT_TRUE(w().btnBack->visible());
    EXPECT_EQ(property(L"P006"), L"014003009EXCEL.EXE" + kGeneralSettings);
    EXPECT_EQ(property(L"A006"), kGeneralActions);
    ASSERT_EQ(driverNotifications().size(), 1u);
    EXPECT_EQ(driverNotifications()[0].value(L"P006"), L"014003009EXCEL.EXE" + kGeneralSettings)
        << "the driver is told after the record is stored";

    next();
    EXPECT_EQ(w().lblAppPage7->caption(), L"In the EXCEL.EXE Application");
    EXPECT_EQ(w().currentSetup.cursorSpeed1, 9) << "GENERAL's settings";
}

// The driver matches program file names: a typed path is stored by its file
// name alone, and a folder names nothing to store. The entry added or found is
// selected as a click selects it, Delete enabled.
TEST_F(ApplicationPages, ATypedPathIsStoredByItsFileNameAndSelected) {
    openApplicationList();
    addTyped(L"C:\\Tools\\My App.exe");
    EXPECT_EQ(listed().back(), L"MY APP.EXE");
    EXPECT_EQ(w().applicationName, L"MY APP.EXE");
    EXPECT_EQ(property(L"P006"), L"014003010MY APP.EXE" + kGeneralSettings);
    EXPECT_EQ(w().lstbSpecialApplications->itemIndex(), 4);
    EXPECT_TRUE(w().btnPage10Delete->enabled()) << "the new entry can be deleted at once";

    ui::user::select(*w().lstbSpecialApplications, 0);
    w().btnPage10Delete->setEnabled(false);
    addTyped(L"d:/office/word.exe");
    EXPECT_EQ(w().lstbSpecialApplications->itemIndex(), 2) << "WORD.EXE is listed already";
    EXPECT_TRUE(w().btnPage10Delete->enabled());

    const auto writes = registry.writeCount();
    addNew([](TFileBox& box) {
        for (const auto* folder : {L"C:\\Tools\\", L"C:", L"/ "}) {
            box.txtSpecialApp->setText(folder);
            EXPECT_FALSE(box.btnOK->enabled()) << platform::toUtf8(folder);
        }
        ui::user::click(*box.btnCancel);
    });
    EXPECT_EQ(listed().size(), 5u);
    EXPECT_EQ(registry.writeCount(), writes);
}

TEST_F(ApplicationPages, GeneralAndListedNamesAreOnlyChosen) {
    openApplicationList();
    const auto writes = registry.writeCount();
    addTyped(L"general");
    EXPECT_EQ(w().lstbSpecialApplications->itemIndex(), 0);
    EXPECT_EQ(w().applicationName, L"GENERAL");
    EXPECT_TRUE(w().btnNext->enabled());
    addTyped(L"word.exe");
    EXPECT_EQ(w().lstbSpecialApplications->itemIndex(), 2);
    EXPECT_EQ(listed().size(), 4u);
    EXPECT_EQ(registry.writeCount(), writes);
    EXPECT_TRUE(driverNotifications().empty());
}

TEST_F(ApplicationPages, ElevenEntriesAreTheLimit) {
    startWith("scenario_applications.reg");
    storeApplications(6, 7);
    walkToProperties(0, kRightHandRow);
    next();
    ui::user::click(*w().btnPage9Yes);
    ASSERT_EQ(listed().size(), 11u);
    const auto writes = registry.writeCount();

    messageBoxes.answerNext(MessageAnswer::Ok);
    addTyped(L"excel.exe");
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].text, kLimitMessage);
    EXPECT_EQ(messageBoxes.shown()[0].caption, L"Application limit reached");
    EXPECT_TRUE(messageBoxes.shown()[0].systemModal);
    EXPECT_EQ(listed().size(), 11u);
    EXPECT_EQ(registry.writeCount(), writes);

    addTyped(L"app3.exe");
    EXPECT_EQ(w().lstbSpecialApplications->itemIndex(), 7) << "a listed name needs no room";
    addTyped(L"General");
    EXPECT_EQ(w().lstbSpecialApplications->itemIndex(), 0);
    EXPECT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_TRUE(driverNotifications().empty());
}

TEST_F(ApplicationPages, AProgramPickedOnTheFileBrowserIsAddedByItsFileName) {
    files.addFile(L"C:\\Tools\\Paint\\mspaint.exe", "MZ");
    files.addFile(L"C:\\Tools\\Paint\\readme.txt", "text");
    openApplicationList();
    addNew([](TFileBox& box) { ui::user::click(*box.Button1); });
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kApplicationFileStep);
    EXPECT_EQ(w().PageControl1->activePage(), w().Page14);
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_TRUE(w().btnBack->enabled());
    EXPECT_EQ(w().dlbSpecialApplication->directory(), L"C:\\");
    EXPECT_TRUE(w().dlbSpecialApplication->focused());

    w().dlbSpecialApplication->setDirectory(L"C:\\Tools\\Paint");
    ASSERT_EQ(w().flbSpecialApplication->items(), std::vector<std::wstring>{L"mspaint.exe"});
    ui::user::select(*w().flbSpecialApplication, 0);
    EXPECT_EQ(w().applicationName, L"MSPAINT.EXE");
    EXPECT_TRUE(w().btnNext->enabled());
    EXPECT_EQ(w().applicationBrowseDirectory, L"C:\\") << "only a double click keeps the folder";

    ui::user::doubleClick(*w().flbSpecialApplication, 0);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kApplicationsStep);
    EXPECT_EQ(w().applicationBrowseDirectory, L"C:\\Tools\\Paint");
    EXPECT_EQ(listed().back(), L"MSPAINT.EXE");
    EXPECT_EQ(property(L"P006"), L"014003011MSPAINT.EXE" + kGeneralSettings);
    EXPECT_EQ(driverNotifications().size(), 1u);

    addNew([](TFileBox& box) { ui::user::click(*box.Button1); });
    EXPECT_EQ(w().dlbSpecialApplication->directory(), L"C:\\Tools\\Paint")
        << "the browser opens where the last program was picked";
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kApplicationsStep);
}

TEST_F(ApplicationPages, DeletingMovesTheLaterRecordsOfAllDevicesDown) {
    openApplicationList();
    const auto before = recordsInOrder();
    choose(L"WORD.EXE");
    deleteChosen();
    EXPECT_EQ(recordsInOrder(),
              (std::vector<std::wstring>{before[0], before[1], before[3], before[4]}));
    EXPECT_EQ(property(L"A003"), L"");
    EXPECT_EQ(property(L"A004"), L"010002");
    EXPECT_FALSE(property(L"P005").has_value());
    EXPECT_FALSE(property(L"A005").has_value());

    EXPECT_EQ(listed(), (std::vector<std::wstring>{L"{general applications}", L"WORD.EXE.OLD",
                                                   L"NOTEPAD.EXE"}));
    EXPECT_EQ(w().applicationName, L"");
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_FALSE(w().btnPage10Delete->enabled());
    EXPECT_EQ(w().deletionsInProgress, 0);
    EXPECT_EQ(backend.now(), 300) << "the deletion waited before reading the list again";
    ASSERT_EQ(driverNotifications().size(), 1u);
    EXPECT_EQ(driverNotifications()[0].value(L"records"), L"4");
    EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(ApplicationPages, TheGeneralEntryCannotBeDeleted) {
    openApplicationList();
    ui::user::select(*w().lstbSpecialApplications, 0);
    const auto writes = registry.writeCount();
    messageBoxes.answerNext(MessageAnswer::Ok);
    deleteChosen();
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].text, L"Cannot Delete Standard Windows Mouse Properties");
    EXPECT_EQ(messageBoxes.shown()[0].caption, L"Error");
    EXPECT_TRUE(messageBoxes.shown()[0].systemModal);
    EXPECT_EQ(registry.writeCount(), writes);
    EXPECT_EQ(listed().size(), 4u);
    EXPECT_TRUE(driverNotifications().empty());
    EXPECT_EQ(w().deletionsInProgress, 0);
}

TEST_F(ApplicationPages, ASecondDeleteArrivingDuringTheFirstIsToldToWait) {
    openApplicationList();
    choose(L"WORD.EXE.OLD");
    // The second click waits in the queue until the first deletion lets
    // pending messages through.
    backend.post([this] {
        EXPECT_EQ(w().deletionsInProgress, 1);
        ui::user::click(*w().btnPage10Delete);
    });
    messageBoxes.answerNext(MessageAnswer::Ok);
    deleteChosen();
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].text, L"Please wait for previous deletion to complete....");
    EXPECT_EQ(messageBoxes.shown()[0].caption, L"Tarvex");
    EXPECT_EQ(backend.queuedInput(), 0u);
    EXPECT_EQ(recordsInOrder().size(), 4u) << "one record deleted";
    EXPECT_EQ(listed(),
              (std::vector<std::wstring>{L"{general applications}", L"WORD.EXE", L"NOTEPAD.EXE"}));
    EXPECT_EQ(driverNotifications().size(), 1u);
    EXPECT_EQ(w().deletionsInProgress, 0);

    choose(L"WORD.EXE");
    deleteChosen();
    EXPECT_EQ(recordsInOrder().size(), 3u) << "a later deletion runs again";
}

TEST_F(ApplicationPages, ARecordGoneFromTheRegistryIsReportedAndNothingIsDeleted) {
    openApplicationList();
    registry.open(kDriverRoot, kPropertiesKey)
        ->writeString(L"P003", L"014003008WORD.BAK" + kWordSettings);
    const auto before = recordsInOrder();
    choose(L"WORD.EXE");
    messageBoxes.answerNext(MessageAnswer::Ok);
    deleteChosen();
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].text,
              L"The Orvane Registry Keys may be corrupt.\nExit this program and reboot Windows "
              L"immediately");
    EXPECT_EQ(messageBoxes.shown()[0].caption, L"Error Reading Registry");
    EXPECT_TRUE(messageBoxes.shown()[0].systemModal);
    EXPECT_EQ(recordsInOrder(), before);
    EXPECT_EQ(listed().size(), 3u) << "the entry has left the list";
    EXPECT_TRUE(driverNotifications().empty());
    EXPECT_EQ(w().deletionsInProgress, 0);
}

TEST_F(ApplicationPages, ARefusedWriteEndsTheDeletionWithoutLosingARecord) {
    openApplicationList();
    const auto before = recordsInOrder();
    choose(L"WORD.EXE");
    registry.refuseWrite(1);
    messageBoxes.answerNext(MessageAnswer::Ok);
    deleteChosen();
    ASSERT_EQ(messageBoxes.shown().size(), 1u) << "the standard error box";
    EXPECT_EQ(messageBoxes.shown()[0].icon, platform::MessageIcon::Error);
    const auto left = recordsInOrder();
    EXPECT_EQ(left.size(), before.size()) << "at worst a record twice";
    for (const size_t kept : {0u, 1u, 3u, 4u}) {
        EXPECT_NE(std::find(left.begin(), left.end(), before[kept]), left.end()) << kept;
    }
    EXPECT_TRUE(driverNotifications().empty());
    EXPECT_EQ(w().deletionsInProgress, 0) << "the next deletion is not told to wait";
}

}  // namespace
}  // namespace setup::scenario
