// The Pointers tab with the cursor-file and save-scheme pages: reading,
// listing, choosing, changing, saving and applying pointer schemes, and the
// cursors the window holds on the way (none lost, none destroyed twice).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/text.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "tests/test_paths.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

constexpr int kPointersTab = 2;
constexpr int kMotionTab = 0;
constexpr int kTwoButtonDevice = 0;    // its settings name "Three Fields"
constexpr int kThreeButtonDevice = 1;  // its settings name a scheme that is not stored
constexpr int kTwoButtonRow = 2;
constexpr int kThreeButtonRow = 3;
constexpr int kRoles = 14;

const std::wstring kArrow = L"C:\\Cursors\\Arrow.cur";
const std::wstring kBusy = L"C:\\Cursors\\Busy.ani";
const std::wstring kCross = L"C:\\Cursors\\Cross.cur";
const std::wstring kBrowseDirectory = L"C:\\Windows\\Cursors";
const std::wstring kPen = kBrowseDirectory + L"\\Pen.cur";
const std::wstring kSpin = kBrowseDirectory + L"\\Spin.ani";
const std::wstring kBroken = kBrowseDirectory + L"\\Broken.cur";

std::string sourceFileBytes(const std::string& relative) {
    std::ifstream in(sourceTreePath(relative), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::wstring defaultCursorFile(int slot) {
    return L"C:\\Orvane\\p\\P" + std::to_wstring(slot + 1) + L".cur";
}

class PointerSchemes : public TarvexScenario {
protected:
    PointerSchemes() {
        files.addFile(kArrow, sourceFileBytes("standins/cursors/P3.cur"));
        files.addFile(kBusy, sourceFileBytes("standins/cursors/Spinner.ani"));
        files.addFile(kCross, sourceFileBytes("standins/cursors/P5.cur"));
        files.addFile(kPen, sourceFileBytes("standins/cursors/P7.cur"));
        files.addFile(kSpin, sourceFileBytes("standins/cursors/Spinner.ani"));
        files.addFile(kBroken, "not a cursor at all");
        files.addFile(kBrowseDirectory + L"\\notes.txt", "cursors of the desktop");
    }

    TfrmTarvex& w() { return window(); }

    void openPointers(int device = kTwoButtonDevice, int typeRow = kTwoButtonRow) {
        startWith("pointer_schemes.reg");
        walkToProperties(device, typeRow);
        ui::user::selectTab(*w().PageControl2, kPointersTab);
    }
    void chooseScheme(const std::wstring& name) {
        const auto& items = w().cmbScheme->items();
        const auto at = std::find(items.begin(), items.end(), name);
        ASSERT_NE(at, items.end()) << platform::toUtf8(name);
        ui::user::choose(*w().cmbScheme, static_cast<int>(at - items.begin()));
    }
    // Row's cursor from a file chosen on the cursor-file page.
    void chooseFile(int row, const std::wstring& name) {
        ui::user::select(*w().lstPointers, row);
        ui::user::click(*w().btnBrowsePointers);
        ASSERT_EQ(w().wizardStep, TfrmTarvex::kCursorFileStep);
        const auto& items = w().flbMouseCursors->items();
        const auto at = std::find(items.begin(), items.end(), name);
        ASSERT_NE(at, items.end()) << platform::toUtf8(name);
        ui::user::doubleClick(*w().flbMouseCursors, static_cast<int>(at - items.begin()));
    }
    void saveAs(const std::wstring& name) {
        ui::user::click(*w().btnSaveScheme);
        w().editPointerSchemeSave->setText(name);
        ui::user::click(*w().btnSavePointerScheme);
    }
    std::optional<std::wstring> scheme(const std::wstring& name) {
        return registry.value(kSchemeRoot, kSchemesKey, name);
    }
    // The file each slot's cursor came from; empty for no cursor.
    std::wstring shownFile(int slot) {
        return cursors.sourceFile(w().cursorHandles[static_cast<size_t>(slot)]);
    }
    // Every cursor the service counts is one the window holds: none lost.
    size_t cursorsHeld() {
        size_t held = 0;
        for (const auto cursor : w().cursorHandles) {
            held += cursor != platform::kNoCursor ? 1 : 0;
        }
        for (const auto cursor : w().defaultCursors) {
            held += cursor != platform::kNoCursor ? 1 : 0;
        }
        return held;
    }
    void expectNoCursorLostOrFreedTwice() {
        EXPECT_EQ(cursors.liveCount(), cursorsHeld());
        EXPECT_TRUE(cursors.faults().empty()) << platform::toUtf8(cursors.faults().front());
    }
    std::wstring recordedScheme(const std::wstring& record = L"P001") {
        return parsePropertyRecord(property(record)->substr(6)).schemeName;
    }
};

TEST_F(PointerSchemes, ListsTheSchemesInByteOrderAndShowsTheSetupsOne) {
    openPointers();
    EXPECT_EQ(w().cmbScheme->items(),
              (std::vector<std::wstring>{L"", L"1st Scheme", L"Dup", L"Dup ", L"Seventeen",
                                         L"Three Fields", L"Twenty Two", L"Zoom", L"arrows"}));
    EXPECT_EQ(w().cmbScheme->text(), L"Three Fields");
    EXPECT_EQ(w().lstPointers->itemCount(), kRoles);
    EXPECT_EQ(w().lstPointers->item(3), L"Busy");
    EXPECT_EQ(w().lstPointers->itemIndex(), -1);
    EXPECT_EQ(application.cursor(), platform::CursorKind::Arrow);
    EXPECT_TRUE(std::count(backend.cursorsShown().begin(), backend.cursorsShown().end(),
                           platform::CursorKind::Wait) > 0)
        << "the hourglass while the scheme is read";
}

TEST_F(PointerSchemes, AThreeFieldSchemeFillsTheRestWithDefaults) {
    openPointers();
    for (int slot = 0; slot < kRoles; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        const std::wstring file = slot == 0 ? kArrow : slot == 2 ? kBusy : L"";
        EXPECT_EQ(w().cursorFiles[static_cast<size_t>(slot)], file);
        EXPECT_EQ(shownFile(slot), file.empty() ? defaultCursorFile(slot) : file);
    }
    expectNoCursorLostOrFreedTwice();

    ui::user::select(*w().lstPointers, 3);
    ui::user::selectTab(*w().PageControl2, kMotionTab);
    ui::user::selectTab(*w().PageControl2, kPointersTab);
    EXPECT_EQ(w().lstPointers->itemIndex(), -1) << "coming back, no role is chosen";
    EXPECT_EQ(shownFile(0), kArrow);
}

TEST_F(PointerSchemes, ASeventeenFieldSchemeAddsUnnamedRows) {
    openPointers();
    ui::user::select(*w().lstPointers, 0);
    ASSERT_FALSE(w().Panel2->recordedDrawing().operations().empty());
    chooseScheme(L"Seventeen");
    EXPECT_TRUE(w().Panel2->recordedDrawing().operations().empty()) << "the preview is cleared";
    EXPECT_EQ(w().lstPointers->itemIndex(), -1);
    ASSERT_EQ(w().lstPointers->itemCount(), 17);
    for (int row = kRoles; row < 17; ++row) {
        EXPECT_EQ(w().lstPointers->item(row), L"");
    }
    EXPECT_EQ(shownFile(13), kCross);
    EXPECT_EQ(shownFile(14), kBusy);
    EXPECT_EQ(shownFile(15), L"") << "an empty extra field has no default to show";
    EXPECT_EQ(shownFile(16), kArrow);
    EXPECT_EQ(w().currentSchemeName, L"Seventeen");
    EXPECT_TRUE(w().schemeChanged);
    EXPECT_TRUE(w().btnApply->enabled());

    ui::user::select(*w().lstPointers, 16);
    ui::user::click(*w().btnUseDefaultPoint);
    EXPECT_EQ(w().cursorFiles[16], L"");
    EXPECT_EQ(w().cursorHandles[16], platform::kNoCursor) << "an extra row has no default";

    chooseScheme(L"Three Fields");
    EXPECT_EQ(w().lstPointers->itemCount(), kRoles);
    EXPECT_EQ(shownFile(16), L"") << "no cursor of the longer scheme stays behind";
    expectNoCursorLostOrFreedTwice();
}

TEST_F(PointerSchemes, ALongerSchemeKeepsItsFirstTwentyFields) {
    openPointers();
    chooseScheme(L"Twenty Two");
    EXPECT_EQ(w().lstPointers->itemCount(), TfrmTarvex::kCursorSlots);
    EXPECT_EQ(w().cursorFiles[0], kCross) << "field 1 stays with role 1";
    EXPECT_EQ(w().cursorFiles[19], kBusy);
    EXPECT_EQ(shownFile(19), kBusy);
    expectNoCursorLostOrFreedTwice();
}

TEST_F(PointerSchemes, NamesEqualWhenTrimmedSelectTheLast) {
    openPointers();
    chooseScheme(L"Dup");
    EXPECT_EQ(w().cmbScheme->text(), L"Dup ") << "\"Dup \" comes after \"Dup\"";
    EXPECT_EQ(w().cursorFiles[0], kArrow) << "the cursors are those of the name chosen";
}

TEST_F(PointerSchemes, AnUnknownSchemeShowsNoChoiceAndDefaultCursors) {
    openPointers(kThreeButtonDevice, kThreeButtonRow);
    EXPECT_EQ(w().cmbScheme->itemIndex(), -1);
    for (int slot = 0; slot < kRoles; ++slot) {
        EXPECT_EQ(w().cursorFiles[static_cast<size_t>(slot)], L"");
        EXPECT_EQ(shownFile(slot), defaultCursorFile(slot));
    }
    ui::user::click(*w().btnSaveScheme);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kSaveSchemeStep);
    EXPECT_EQ(w().editPointerSchemeSave->text(), L"");
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_TRUE(w().btnBack->enabled());
}

TEST_F(PointerSchemes, AnotherDeviceShowsItsOwnScheme) {
    openPointers();
    back();
    back();
    ui::user::select(*w().lstDevicesFound, kThreeButtonDevice);
    next();
    ui::user::select(*w().ListBox1, kThreeButtonRow);
    next();
    ui::user::selectTab(*w().PageControl2, kPointersTab);
    EXPECT_EQ(w().cmbScheme->itemIndex(), -1);
    EXPECT_EQ(w().cursorFiles[0], L"");
    EXPECT_EQ(shownFile(0), defaultCursorFile(0));
    expectNoCursorLostOrFreedTwice();
}

TEST_F(PointerSchemes, ACursorFileReplacesOneRoleUntilUseDefault) {
    openPointers();
    chooseFile(3, L"Spin.ani");
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().PageControl2->activePage(), w().TabSheet3);
    EXPECT_EQ(w().cursorFiles[3], kSpin);
    EXPECT_EQ(shownFile(3), kSpin);
    EXPECT_EQ(w().cursorBrowseDirectory, kBrowseDirectory);
    EXPECT_TRUE(w().schemeChanged);
    EXPECT_TRUE(w().btnApply->enabled());
    EXPECT_EQ(scheme(L"Three Fields"), kArrow + L",," + kBusy) << "nothing stored before Apply";
    const auto& preview = w().Panel2->recordedDrawing().operations();
    ASSERT_EQ(preview.size(), 1u);
    EXPECT_EQ(preview[0].icon, w().cursorHandles[3]);

    w().schemeChanged = false;
    w().btnApply->setEnabled(false);
    ui::user::select(*w().lstPointers, 3);
    ui::user::click(*w().btnUseDefaultPoint);
    EXPECT_EQ(w().cursorFiles[3], L"");
    EXPECT_EQ(shownFile(3), defaultCursorFile(3));
    EXPECT_TRUE(w().schemeChanged);
    EXPECT_TRUE(w().btnApply->enabled());
    EXPECT_EQ(w().Panel2->recordedDrawing().operations().back().icon, w().cursorHandles[3]);
    expectNoCursorLostOrFreedTwice();
}

TEST_F(PointerSchemes, WithoutARoleChosenTheSystemBeeps) {
    openPointers();
    ui::user::click(*w().btnBrowsePointers);
    ui::user::click(*w().btnUseDefaultPoint);
    ui::user::focus(*w().lstPointers);
    ui::user::pressEnter(w());
    EXPECT_EQ(keyboard.asteriskBeeps(), 3);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_FALSE(w().schemeChanged);
}

TEST_F(PointerSchemes, EnterOnARoleOpensTheCursorFilePage) {
    openPointers();
    ui::user::select(*w().lstPointers, 5);
    ui::user::pressEnter(w());
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kCursorFileStep);
    EXPECT_EQ(w().browseRole, 5);
    EXPECT_EQ(w().dlbMouseCursors->directory(), kBrowseDirectory);
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_TRUE(w().btnBack->enabled());
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().cursorFiles[5], L"") << "Back chooses nothing";

    files.remove(kBrowseDirectory);
    ui::user::click(*w().btnBrowsePointers);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kCursorFileStep) << "a vanished directory is no error";
    EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(PointerSchemes, TheCursorFilePageFiltersAndPreviews) {
    openPointers();
    ui::user::select(*w().lstPointers, 0);
    ui::user::click(*w().btnBrowsePointers);
    EXPECT_EQ(w().flbMouseCursors->mask(), L"*.CUR; *.ANI");
    EXPECT_EQ(w().flbMouseCursors->items(),
              (std::vector<std::wstring>{L"Broken.cur", L"Pen.cur", L"Spin.ani"}));
    ui::user::choose(*w().FilterComboBox2, 1);
    EXPECT_EQ(w().flbMouseCursors->mask(), L"*.*");
    EXPECT_EQ(w().flbMouseCursors->itemCount(), 4);

    const size_t live = cursors.liveCount();
    ui::user::select(*w().flbMouseCursors, 3);  // Spin.ani
    const auto& preview = w().Panel3->recordedDrawing().operations();
    ASSERT_EQ(preview.size(), 1u);
    EXPECT_EQ(preview[0].kind, ui::DrawOperation::Kind::DrawIcon);
    EXPECT_NE(preview[0].icon, platform::kNoCursor);
    EXPECT_EQ(cursors.liveCount(), live) << "the preview's cursor is freed after drawing";

    ui::user::select(*w().flbMouseCursors, 0);  // Broken.cur
    EXPECT_TRUE(w().Panel3->recordedDrawing().operations().empty());
    ui::user::doubleClick(*w().flbMouseCursors, 0);
    EXPECT_EQ(w().cursorFiles[0], kBroken);
    EXPECT_EQ(w().cursorHandles[0], platform::kNoCursor)
        << "a file that is no cursor shows nothing";
    expectNoCursorLostOrFreedTwice();
}

TEST_F(PointerSchemes, RowsAreDrawnWithTheirCursorsAtTheRightEdge) {
    cursors.setMetrics({32, 30, 24, 22, 17});
    openPointers();
    EXPECT_EQ(w().lstPointers->rowHeight(4), 34);
    ui::RecordingCanvas canvas;
    w().lstPointers->drawItem(2, canvas);
    const ui::Rect row = w().lstPointers->itemRect(2);
    const auto& drawn = canvas.operations();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].kind, ui::DrawOperation::Kind::FillRect);
    EXPECT_EQ(drawn[0].rect, row);
    EXPECT_EQ(drawn[1].text, L"Working in Background");
    EXPECT_EQ(drawn[1].rect.left, row.left + 4);
    EXPECT_EQ(drawn[1].rect.top, row.top + (34 - ui::RecordingCanvas::kTextHeight) / 2);
    EXPECT_EQ(drawn[2].icon, w().cursorHandles[2]);
    EXPECT_EQ(drawn[2].rect.left, w().lstPointers->width() - 32 - 17 - 2);
    EXPECT_EQ(drawn[2].rect.top, row.top + 2);
    EXPECT_EQ(drawn[2].rect.width(), 32);
    EXPECT_EQ(drawn[2].rect.height(), 30);

    ui::user::select(*w().lstPointers, 0);
    const auto& preview = w().Panel2->recordedDrawing().operations();
    ASSERT_EQ(preview.size(), 1u);
    EXPECT_EQ(preview[0].rect.left, (w().Panel2->width() - 24) / 2);
    EXPECT_EQ(preview[0].rect.top, (w().Panel2->height() - 22) / 2);
    EXPECT_EQ(preview[0].icon, w().cursorHandles[0]);
}

TEST_F(PointerSchemes, SavingOverAnExistingSchemeReplacesItWithoutAsking) {
    openPointers();
    chooseFile(3, L"Pen.cur");
    ui::user::click(*w().btnSaveScheme);
    EXPECT_EQ(w().editPointerSchemeSave->text(), L"Three Fields");
    w().editPointerSchemeSave->setText(L"arrows");
    ui::user::click(*w().btnSavePointerScheme);

    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(scheme(L"arrows"), kArrow + L",," + kBusy + L"," + kPen + L",,,,,,,,,,");
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().PageControl2->activePage(), w().TabSheet3);
    EXPECT_EQ(w().cmbScheme->text(), L"arrows");
    EXPECT_EQ(w().currentSchemeName, L"arrows");
    EXPECT_EQ(w().cursorFiles[3], kPen);
    EXPECT_EQ(recordedScheme(), L"Three Fields") << "the setup names it only after Apply";

    ui::user::click(*w().btnApply);
    EXPECT_EQ(recordedScheme(), L"arrows");
    expectNoCursorLostOrFreedTwice();
}

TEST_F(PointerSchemes, SavingASeventeenFieldSchemeWritesFourteen) {
    openPointers();
    chooseScheme(L"Seventeen");
    saveAs(L"Copy of Seventeen");
    EXPECT_EQ(scheme(L"Copy of Seventeen"), kArrow + L",,,,,,,,,,,,," + kCross);
}

// The system keeps schemes as expandable strings too: cursors load from the
// expanded paths, and a save writes back the references it did not change.
TEST_F(PointerSchemes, ExpandableSchemesLoadExpandedAndSaveAsStored) {
    const std::wstring arrow = L"%SystemRoot%\\Cursors\\arrow.cur";
    const std::wstring busy = L"%SYSTEMROOT%\\Cursors\\busy.ani";
    files.addFile(L"C:\\WINDOWS\\Cursors\\arrow.cur", sourceFileBytes("standins/cursors/P3.cur"));
    files.addFile(L"C:\\WINDOWS\\Cursors\\busy.ani",
                  sourceFileBytes("standins/cursors/Spinner.ani"));
    loadRegistry("pointer_schemes.reg");
    auto key = registry.open(kSchemeRoot, kSchemesKey);
    key->writeValue(L"System", platform::RegistryValue::ofString(arrow + L",," + busy,
                                                                 platform::kRegExpandString));
    platform::RegistryValue number;
    number.type = platform::kRegDword;
    number.data = {1, 0, 0, 0};
    key->writeValue(L"Number", number);
    openPointers();

    chooseScheme(L"System");
    EXPECT_EQ(shownFile(0), L"C:\\WINDOWS\\Cursors\\arrow.cur");
    EXPECT_EQ(shownFile(2), L"C:\\WINDOWS\\Cursors\\busy.ani");
    chooseFile(3, L"Pen.cur");
    saveAs(L"System");
    const auto saved = registry.open(kSchemeRoot, kSchemesKey)->readValue(L"System");
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->type, platform::kRegExpandString);
    EXPECT_EQ(saved->text(), arrow + L",," + busy + L"," + kPen + L",,,,,,,,,,");
    saveAs(L"Copy");
    EXPECT_EQ(registry.open(kSchemeRoot, kSchemesKey)->readValue(L"Copy")->type,
              platform::kRegExpandString)
        << "a copy of an expandable scheme keeps its references usable";

    messageBoxes.answerNext(platform::MessageAnswer::Ok);
    chooseScheme(L"Number");
    messageBoxes.answerNext(platform::MessageAnswer::Ok);
    saveAs(L"Number");
    ASSERT_EQ(messageBoxes.shown().size(), 2u);
    EXPECT_EQ(messageBoxes.shown()[0].text, L"Invalid data type for 'Number'");
    EXPECT_EQ(messageBoxes.shown()[1].text, L"Invalid data type for 'Number'");
    EXPECT_EQ(registry.open(kSchemeRoot, kSchemesKey)->readValue(L"Number"), number)
        << "never written over unread";
    expectNoCursorLostOrFreedTwice();
}

// Nowhere to keep cursors chosen while no scheme is selected: Apply, or Yes
// to the changes question, asks for a scheme instead of dropping them.
TEST_F(PointerSchemes, CursorsChosenWithoutASchemeAreSavedNotDropped) {
    openPointers(kThreeButtonDevice, kThreeButtonRow);
    ASSERT_EQ(w().cmbScheme->itemIndex(), -1);
    chooseFile(4, L"Pen.cur");
    messageBoxes.answerNext(platform::MessageAnswer::Yes);
    messageBoxes.answerNext(platform::MessageAnswer::Ok);
    next();
    ASSERT_EQ(messageBoxes.shown().size(), 2u);
    EXPECT_NE(messageBoxes.shown()[1].text.find(L"scheme"), std::wstring::npos);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kSaveSchemeStep) << "the save page, not the next page";
    EXPECT_TRUE(w().btnApply->enabled());
    EXPECT_EQ(recordedScheme(L"P002"), L"Not Stored") << "nothing applied yet";
    EXPECT_EQ(w().cursorFiles[4], kPen);

    w().editPointerSchemeSave->setText(L"Mine");
    ui::user::click(*w().btnSavePointerScheme);
    ui::user::click(*w().btnApply);
    EXPECT_EQ(scheme(L"Mine"), L",,,," + kPen + L",,,,,,,,,");
    EXPECT_EQ(recordedScheme(L"P002"), L"Mine");
    EXPECT_FALSE(w().btnApply->enabled());
    EXPECT_EQ(messageBoxes.shown().size(), 2u);
}

TEST_F(PointerSchemes, SaveAsMakesTheSavedSchemeTheSetupsOnceApplied) {
    openPointers();
    ASSERT_FALSE(w().btnApply->enabled());
    saveAs(L"Mine");
    EXPECT_TRUE(w().btnApply->enabled()) << "saving counts as an edit of the setup's scheme";
    messageBoxes.answerNext(platform::MessageAnswer::Yes);
    next();
    EXPECT_EQ(boxTexts().size(), 1u) << "the changes question covers it";
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kCustomizeStep);
    EXPECT_EQ(recordedScheme(), L"Mine");
}

TEST_F(PointerSchemes, ASchemeNeedsAName) {
    openPointers();
    messageBoxes.answerNext(platform::MessageAnswer::Ok);
    saveAs(L"");
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].text, L"You need to enter a name to save the scheme as");
    EXPECT_EQ(messageBoxes.shown()[0].caption, L"Error");
    EXPECT_TRUE(messageBoxes.shown()[0].systemModal);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kSaveSchemeStep);

    // The setup's record stores the name's length in three digits.
    const auto before = registry.writeCount();
    messageBoxes.answerNext(platform::MessageAnswer::Ok);
    w().editPointerSchemeSave->setText(std::wstring(1000, L'x'));
    ui::user::click(*w().btnSavePointerScheme);
    ASSERT_EQ(messageBoxes.shown().size(), 2u);
    EXPECT_EQ(messageBoxes.shown()[1].text, L"A scheme name can be at most 999 characters long.");
    EXPECT_EQ(registry.writeCount(), before) << "refused before anything is written";
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kSaveSchemeStep);
    EXPECT_FALSE(w().btnApply->enabled());

    w().editPointerSchemeSave->setText(L"   ");
    ui::user::click(*w().btnSavePointerScheme);
    EXPECT_EQ(registry.writeCount(), before) << "blanks save nothing";
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_FALSE(w().btnApply->enabled()) << "nothing saved, nothing to apply";

    saveAs(std::wstring(999, L'x'));
    EXPECT_TRUE(scheme(std::wstring(999, L'x')).has_value()) << "the longest name that fits";
    ui::user::click(*w().btnApply);
    EXPECT_EQ(recordedScheme(), std::wstring(999, L'x'));
}

// A new user's profile has no scheme key yet: saving creates it. A refused
// write is reported and leaves the page usable.
TEST_F(PointerSchemes, SavingCreatesAMissingSchemeKeyAndARefusalStaysUsable) {
    openPointers();
    registry.deleteKey(kSchemeRoot, kSchemesKey);
    saveAs(L"Mine");
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(scheme(L"Mine"), kArrow + L",," + kBusy + L",,,,,,,,,,,");
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);

    registry.makeReadOnly(kSchemeRoot, kSchemesKey);
    messageBoxes.answerNext(platform::MessageAnswer::Ok);
    saveAs(L"Other");
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].icon, platform::MessageIcon::Error)
        << "the standard error box";
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kSaveSchemeStep);
    EXPECT_EQ(w().currentSchemeName, L"Mine");
    EXPECT_EQ(scheme(L"Other"), std::nullopt);
}

TEST_F(PointerSchemes, ApplyRewritesTheChosenSchemeWithFourteenFiles) {
    openPointers();
    chooseScheme(L"Seventeen");
    ui::user::click(*w().btnApply);
    EXPECT_EQ(scheme(L"Seventeen"), kArrow + L",,,,,,,,,,,,," + kCross);
    EXPECT_EQ(recordedScheme(), L"Seventeen");
    EXPECT_EQ(parsePropertyRecord(lastNotification().value(L"P001").substr(6)).schemeName,
              L"Seventeen");
    EXPECT_FALSE(w().schemeChanged);
    EXPECT_FALSE(w().btnApply->enabled());
    EXPECT_EQ(w().lstPointers->itemCount(), kRoles) << "the list shows the scheme as stored now";
    expectNoCursorLostOrFreedTwice();
}

TEST_F(PointerSchemes, ApplyingTheUnnamedSchemeGivesTheProgramItsCursors) {
    openPointers();
    chooseScheme(L"");
    ASSERT_EQ(w().cmbScheme->itemIndex(), 0);
    chooseFile(4, L"Pen.cur");
    ui::user::click(*w().btnApply);
    EXPECT_EQ(scheme(L""), kCross) << "an unnamed scheme is not rewritten";
    EXPECT_EQ(parsePropertyRecord(lastNotification().value(L"P001").substr(6)).schemeName, L"")
        << "the setup names the scheme chosen, even the unnamed one";
    for (int role = 0; role < kRoles; ++role) {
        SCOPED_TRACE("role " + std::to_string(role + 1));
        const auto kind = static_cast<platform::CursorKind>(role);
        const std::wstring expected = role == 0   ? kCross
                                      : role == 4 ? kPen
                                                  : defaultCursorFile(role);
        EXPECT_EQ(cursors.sourceFile(cursors.programCursor(kind)), expected);
    }
    EXPECT_FALSE(w().schemeChanged);
    EXPECT_EQ(cursors.liveCount(), cursorsHeld() + kRoles) << "the program's windows hold copies";
    EXPECT_TRUE(cursors.faults().empty());
}

TEST_F(PointerSchemes, EveryCursorIsFreedOnceWhateverHappens) {
    openPointers();
    chooseScheme(L"Twenty Two");
    chooseFile(19, L"Spin.ani");
    ui::user::select(*w().lstPointers, 19);
    ui::user::click(*w().btnUseDefaultPoint);
    chooseScheme(L"Seventeen");
    ui::user::click(*w().btnApply);
    ui::user::selectTab(*w().PageControl2, kMotionTab);
    ui::user::selectTab(*w().PageControl2, kPointersTab);
    expectNoCursorLostOrFreedTwice();

    w().clearLoadedSetup();
    expectNoCursorLostOrFreedTwice();
    ui::user::selectTab(*w().PageControl2, kMotionTab);
    ui::user::selectTab(*w().PageControl2, kPointersTab);
    EXPECT_EQ(w().currentSchemeName, L"");
    EXPECT_EQ(shownFile(0), kCross) << "an emptied view is read again, as the unnamed scheme";
    expectNoCursorLostOrFreedTwice();
}

TEST_F(PointerSchemes, ClosingTheProgramFreesEveryCursor) {
    openPointers();
    chooseFile(2, L"Spin.ani");
    ASSERT_GT(cursors.liveCount(), 0u);
    messageBoxes.answerNext(platform::MessageAnswer::No);
    ui::user::closeWindow(w());
    endProgram();
    EXPECT_EQ(cursors.liveCount(), 0u);
    EXPECT_TRUE(cursors.faults().empty());
}

}  // namespace
}  // namespace setup::scenario
