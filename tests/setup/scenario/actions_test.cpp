// The Actions tab, the new-action page and the keystroke page: what the list
// shows and draws, adding, replacing and deleting actions, the two questions,
// the 11-action limit, and macros recorded from typed keys; each checked on
// the controls, the stored action string and what the driver read.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "setup/actions/capture_edit.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/input.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

using platform::MessageAnswer;
namespace vk = platform::vk;

constexpr int kStandardTwoButtonRow = 2;
constexpr int kActionsTabIndex = 3;
const std::wstring kDeviceKey = L"00a002";

// Items of the new-action page's boxes.
enum ChordItem { kAux1 = 0, kAux2 = 1, kPrimary = 2, kSecondary = 3, kPrimaryAndSecondary = 4 };
enum ModifierItem { kNoModifier = 0, kShiftItem = 1, kCtrlItem = 2, kAltItem = 3 };
enum ActionItem {
    kSwiftScroll = 0,
    kDoubleClick = 1,
    kCustomText = 2,
    kMaximize = 3,
    kMinimize = 4,
    kNormalSize = 5,
    kXMotionOnly = 6,
    kYMotionOnly = 7
};

// Stored entries: buttons, keys and action in two digits each.
const std::wstring kAux1SwiftScroll = L"020004";
const std::wstring kAux2ShiftMaximize = L"010107";
const std::wstring kBothMinimize = L"120008";

const std::wstring kLimitText =
    L"The Orvane Mouse Software allows a maximum of 11 defined actions./nDelete one or more to "
    L"add new actions.";
const std::wstring kPrimaryQuestionCaption = L"Do you know what you're doing right now??";

// Eleven distinct stored entries (or as many as asked): every chord without
// keys, then with Shift.
std::wstring storedEntries(int count) {
    const int chords[] = {2, 1, 8, 4, 12, 10, 9, 6, 5, 3};
    std::wstring text;
    for (int i = 0; i < count; ++i) {
        text += platform::zeroPadded(chords[i % 10], 2) + platform::zeroPadded(i / 10, 2) + L"04";
    }
    return text;
}

struct KeyStroke {
    bool down;
    int key;
};
using Keys = std::vector<KeyStroke>;

Keys operator+(Keys first, const Keys& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}
Keys tap(int key) {
    return {{true, key}, {false, key}};
}
// The key held while the others are typed.
Keys holding(int key, const Keys& typed) {
    return Keys{{true, key}} + typed + Keys{{false, key}};
}
// The keyboard repeats the key-down while a key is held.
Keys heldDown(int key, int repeats) {
    Keys keys(static_cast<size_t>(repeats), KeyStroke{true, key});
    keys.push_back({false, key});
    return keys;
}

class Actions : public TarvexScenario {
protected:
    TfrmTarvex& w() { return window(); }

    // The one device with stored actions, on its Actions tab.
    void openWith(const std::wstring& storedActions) {
        loadRegistry("scenario_one_device.reg");
        auto key = registry.open(kDriverRoot, kPropertiesKey);
        key->writeString(L"P001", kDeviceKey + kTwoButtonDefaultRecord);
        key->writeString(L"A001", storedActions);
        key->close();
        installDriverFiles(L"C:\\Orvane");
        start();
        walkToProperties(0, kStandardTwoButtonRow);
        ui::user::selectTab(*w().PageControl2, kActionsTabIndex);
        ASSERT_EQ(w().PageControl2->activePage(), w().TabSheet4);
    }

    // The texts a row draws, left to right.
    std::vector<std::wstring> drawnRow(int row) {
        ui::RecordingCanvas canvas;
        w().lstbAssignedActionsMB->drawItem(row, canvas);
        return canvas.texts();
    }
    std::vector<std::vector<std::wstring>> drawnRows() {
        std::vector<std::vector<std::wstring>> rows;
        for (int row = 0; row < w().lstbAssignedActionsMB->itemCount(); ++row) {
            rows.push_back(drawnRow(row));
        }
        return rows;
    }

    std::wstring storedActions() { return property(L"A001").value_or(L"(missing)"); }
    std::wstring lastNotifiedActions() {
        return driverNotifications().empty() ? L"(none)"
                                             : driverNotifications().back().value(L"A001");
    }

    void newAction() { ui::user::click(*w().btnAssignNew); }
    void replaceAction() { ui::user::click(*w().btnReplaceAction); }
    void deleteAction() { ui::user::click(*w().btnDeleteShort); }
    void selectRow(int row) { ui::user::select(*w().lstbAssignedActionsMB, row); }
    // Chooses in the page's boxes and assigns.
    void assign(int chord, int modifier, int action) {
        ui::user::choose(*w().cmbMouseButtons, chord);
        ui::user::choose(*w().cmbKeyboardKey, modifier);
        ui::user::choose(*w().cmbAction, action);
        ui::user::click(*w().btnAssignAction);
    }

    // From an empty table to the keystroke page: Aux1, no keys, "Custom Text...".
    void openKeystrokePage(const std::wstring& storedActions = L"") {
        openWith(storedActions);
        newAction();
        ui::user::choose(*w().cmbMouseButtons, kAux1);
        ui::user::choose(*w().cmbAction, kCustomText);
        ASSERT_EQ(w().wizardStep, TfrmTarvex::kKeystrokeStep);
        ASSERT_TRUE(w().txtActionString->focused());
    }

    // Keys reach the focused control as the system reports them: the keyboard
    // state changes first (what key names are read from), then the key event; a
    // key that nobody used becomes its character, which an edit inserts.
    void type(const Keys& keys) {
        for (const auto& stroke : keys) {
            if (stroke.down) {
                keyDown(stroke.key);
            } else {
                keyUp(stroke.key);
            }
        }
    }
    void keyDown(int key) {
        keyboard.press(key);
        ui::Control& target = focused();
        if (ui::input::keyDown(target, key, shiftState()) == 0) {
            return;
        }
        const auto typed = keyboard.translate(key, keyboard.state());
        if (typed.empty()) {
            return;
        }
        const wchar_t left = ui::input::keyPress(target, typed.front());
        if (auto* edit = dynamic_cast<ui::Edit*>(&target); edit != nullptr && left != 0) {
            edit->typeCharacter(left);
        }
    }
    void keyUp(int key) {
        keyboard.release(key);
        ui::input::keyUp(focused(), key, shiftState());
    }
    ui::Control& focused() { return w().activeControl() != nullptr ? *w().activeControl() : w(); }
    ui::ShiftState shiftState() {
        const auto state = keyboard.state();
        const auto held = [&](int key) { return (state[key] & platform::kKeyHeld) != 0; };
        return {held(vk::kShift), held(vk::kCtrl), held(vk::kAlt)};
    }

    std::wstring captured() { return w().txtActionString->text(); }
    // Where the user's mouse left the caret and selection, then the button's release.
    void releaseMouseOver(int start, int length) {
        w().txtActionString->setSelStart(start);
        w().txtActionString->setSelLength(length);
        ui::input::mouseUp(*w().txtActionString, ui::MouseButton::Left, {}, 0, 0);
    }
};

// ---- The list ----

struct ListCase {
    const char* name;
    std::wstring stored;
    std::vector<std::vector<std::wstring>> rows;
};

// A single action is chosen at once, with Replace as the default button; with
// none or several, Replace and Delete wait for a row to be chosen.

class ActionList : public Actions, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ActionList, ShowsEveryStoredActionInFourColumns) {
    openWith(GetParam().stored);
    EXPECT_EQ(w().lstbAssignedActionsMB->itemCount(), static_cast<int>(GetParam().rows.size()));
    for (const auto& item : w().lstbAssignedActionsMB->items()) {
        EXPECT_EQ(item, L" ") << "the rows are drawn, not the items' own texts";
    }
    EXPECT_EQ(drawnRows(), GetParam().rows);
    const bool single = GetParam().rows.size() == 1;
    EXPECT_EQ(w().lstbAssignedActionsMB->itemIndex(), single ? 0 : -1);
    EXPECT_EQ(w().btnReplaceAction->enabled(), single);
    EXPECT_EQ(w().btnReplaceAction->isDefault(), single);
    EXPECT_EQ(w().btnDeleteShort->enabled(), single);
}

INSTANTIATE_TEST_SUITE_P(
    StoredTables, ActionList,
    ::testing::Values(
        ListCase{"none", L"", {}},
        ListCase{"one", kAux1SwiftScroll, {{L"Aux1", L"", L"Swift Scroll", L"Swift Scroll"}}},
        ListCase{"several",
                 kAux1SwiftScroll + kAux2ShiftMaximize + L"120410" + L"060609" + L"030211",
                 {{L"Aux1", L"", L"Swift Scroll", L"Swift Scroll"},
                  {L"Aux2", L"Shift", L"Maximize", L"Maximize Current Window"},
                  {L"Pri+Sec", L"Alt", L"X Only", L"Mouse Only Moves Horizontally"},
                  {L"Sec+Aux1", L"Ctrl+Alt", L"Normal Size", L"Set Window to Normal Size"},
                  {L"Aux1+Aux2", L"Ctrl", L"Y Only", L"Mouse Only Moves Vertically"}}},
        ListCase{"clicks_from_stored_data",
                 L"030001" + std::wstring(L"010002") + L"020003",
                 {{L"Aux1+Aux2", L"", L"Primary Click", L"Primary Click"},
                  {L"Aux2", L"", L"Secondary Click", L"Secondary Click"},
                  {L"Aux1", L"", L"Middle Click", L"Middle Click"}}},
        ListCase{"all_three_keys",
                 L"080707",
                 {{L"Pri", L"Ctrl+Alt+Shift", L"Maximize", L"Maximize Current Window"}}},
        ListCase{"a_macro",
                 L"02010608{<}c{~<}",
                 {{L"Aux1", L"Shift", L"Custom Text Macro", L"{Ctrl-Dn}c{Ctrl-Up}"}}},
        ListCase{"an_unknown_action", L"040012", {{L"Sec", L"", L"", L""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Actions, RowsAreDrawnInColumnsWithTheDescriptionRightAligned) {
    openWith(kAux1SwiftScroll + L"02010608{<}c{~<}");
    const ui::Rect rect = w().lstbAssignedActionsMB->itemRect(1);
    ui::RecordingCanvas canvas;
    w().lstbAssignedActionsMB->drawItem(1, canvas);
    const auto& drawn = canvas.operations();
    ASSERT_EQ(drawn.size(), 5u);
    EXPECT_EQ(drawn[0].kind, ui::DrawOperation::Kind::FillRect);
    EXPECT_EQ(drawn[0].rect, rect);
    const std::wstring macro = L"{Ctrl-Dn}c{Ctrl-Up}";
    const int descriptionLeft = rect.right - canvas.textWidth(macro) - 6;
    const std::pair<int, std::wstring> expected[] = {{rect.left + 2, L"Aux1"},
                                                     {rect.left + 84, L"Shift"},
                                                     {rect.left + 172, L"Custom Text Macro"},
                                                     {descriptionLeft, macro}};
    for (size_t column = 0; column < 4; ++column) {
        SCOPED_TRACE(column);
        const auto& text = drawn[column + 1];
        EXPECT_EQ(text.kind, ui::DrawOperation::Kind::TextOut);
        EXPECT_EQ(text.rect.left, expected[column].first);
        EXPECT_EQ(text.rect.top, rect.top);
        EXPECT_EQ(text.text, expected[column].second);
    }
}

// A text wider than its column ends with an ellipsis inside it: a long macro
// shows its start, right-aligned as every description, and covers no other
// column.
TEST_F(Actions, EveryColumnKeepsItsTextWithinItself) {
    std::wstring macro;
    for (int n = 0; n < 15; ++n) {
        macro += L"home" + std::to_wstring(n);
    }
    openWith(kAux1SwiftScroll + L"150706" + std::to_wstring(macro.size()) + macro);
    const ui::Rect rect = w().lstbAssignedActionsMB->itemRect(1);
    ui::RecordingCanvas canvas;
    w().lstbAssignedActionsMB->drawItem(1, canvas);
    const auto& drawn = canvas.operations();
    ASSERT_EQ(drawn.size(), 5u);
    // Each column ends a gap before the next begins; the description 6 pixels
    // before the row's right edge.
    const int edges[] = {rect.left + 2, rect.left + 84, rect.left + 172, rect.left + 280,
                         rect.right - 6 + 1};
    for (size_t column = 0; column < 4; ++column) {
        SCOPED_TRACE(column);
        const auto& text = drawn[column + 1];
        EXPECT_GE(text.rect.left, edges[column]);
        EXPECT_LT(text.rect.right, edges[column + 1]);
    }
    const auto cutShowsItsStart = [](const std::wstring& shown, const std::wstring& whole) {
        const auto kept = shown.size() - 3;
        return shown.size() > 3 && shown.substr(kept) == L"..." &&
               shown.substr(0, kept) == whole.substr(0, kept);
    };
    EXPECT_TRUE(cutShowsItsStart(drawn[1].text, L"Pri+Sec+Aux1+Aux2")) << "cut to its column";
    EXPECT_EQ(drawn[2].text, L"Ctrl+Alt+Shift") << "fits its column whole";
    EXPECT_EQ(drawn[3].text, L"Custom Text Macro");
    EXPECT_EQ(drawn[4].rect.right, rect.right - 6) << "right-aligned as every description";
    const auto& shown = drawn[4].text;
    EXPECT_TRUE(cutShowsItsStart(shown, macro));
    EXPECT_GT(canvas.textWidth(shown + L"x"), rect.right - 6 - (rect.left + 280))
        << "the longest start that fits";
}

TEST_F(Actions, ChoosingOneOfSeveralRowsEnablesReplaceAndDelete) {
    openWith(kAux1SwiftScroll + kAux2ShiftMaximize);
    selectRow(1);
    EXPECT_TRUE(w().btnReplaceAction->enabled());
    EXPECT_TRUE(w().btnReplaceAction->isDefault());
    EXPECT_TRUE(w().btnDeleteShort->enabled());
}

// ---- Deleting ----

struct DeleteCase {
    const char* name;
    std::wstring stored;
    int row;
    std::wstring left;
};

class DeletingAnAction : public Actions, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeletingAnAction, ClosesTheGapAndReachesTheDriverAtOnce) {
    openWith(GetParam().stored);
    if (w().lstbAssignedActionsMB->itemIndex() != GetParam().row) {
        selectRow(GetParam().row);
    }
    deleteAction();
    EXPECT_EQ(storedActions(), GetParam().left);
    EXPECT_EQ(lastNotifiedActions(), GetParam().left);
    EXPECT_EQ(actionCount(w().editedActions), static_cast<int>(GetParam().left.size() / 6));
    EXPECT_EQ(w().currentActions, w().editedActions);
    EXPECT_EQ(w().lstbAssignedActionsMB->itemCount(), actionCount(w().editedActions));
    EXPECT_TRUE(w().btnApply->enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DeletingAnAction,
    ::testing::Values(DeleteCase{"first", kAux1SwiftScroll + kAux2ShiftMaximize + kBothMinimize, 0,
                                 kAux2ShiftMaximize + kBothMinimize},
                      DeleteCase{"middle", kAux1SwiftScroll + kAux2ShiftMaximize + kBothMinimize, 1,
                                 kAux1SwiftScroll + kBothMinimize},
                      DeleteCase{"last", kAux1SwiftScroll + kAux2ShiftMaximize + kBothMinimize, 2,
                                 kAux1SwiftScroll + kAux2ShiftMaximize},
                      DeleteCase{"only", kAux1SwiftScroll, 0, L""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Actions, DeletingTheOnlyActionLeavesAnEmptyList) {
    openWith(kAux1SwiftScroll);
    deleteAction();
    EXPECT_EQ(storedActions(), L"");
    EXPECT_EQ(lastNotifiedActions(), L"");
    EXPECT_EQ(w().lstbAssignedActionsMB->itemCount(), 0);
    EXPECT_FALSE(w().btnDeleteShort->enabled());
    EXPECT_FALSE(w().btnReplaceAction->enabled());
    EXPECT_EQ(w().editedActions[0], ActionInfo{}) << "the slot is cleared, macro text included";
}

TEST_F(Actions, DeleteDoesNothingOnceNewActionDeselectedTheList) {
    openWith(kAux1SwiftScroll + kAux2ShiftMaximize);
    selectRow(0);
    // A press on "New Action" that is not released over it: no click, but the
    // list is deselected while Delete stays enabled.
    ui::input::mouseDown(*w().btnAssignNew, ui::MouseButton::Left, {}, 1, 1);
    const auto notifications = driverNotifications().size();
    deleteAction();
    EXPECT_EQ(storedActions(), kAux1SwiftScroll + kAux2ShiftMaximize);
    EXPECT_EQ(driverNotifications().size(), notifications);
}

// ---- The limit of 11 ----

TEST_F(Actions, NewActionAtElevenActionsShowsTheLimitAndStays) {
    openWith(storedEntries(11));
    messageBoxes.answerNext(MessageAnswer::Ok);
    newAction();
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    const auto& box = messageBoxes.shown().front();
    EXPECT_EQ(box.text, kLimitText);
    EXPECT_EQ(box.caption, L"KB Pre-Defined Action limit reached");
    EXPECT_EQ(box.icon, platform::MessageIcon::Error);
    EXPECT_TRUE(box.systemModal);
    EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().PageControl1->activePage(), w().Page7);
}

TEST_F(Actions, ReplaceAtElevenActionsNeedsASelectedRow) {
    openWith(storedEntries(11));
    selectRow(4);
    ui::input::mouseDown(*w().btnAssignNew, ui::MouseButton::Left, {}, 1, 1);
    messageBoxes.answerNext(MessageAnswer::Ok);
    replaceAction();
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{kLimitText});
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);

    selectRow(4);
    replaceAction();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep);
    EXPECT_EQ(messageBoxes.shown().size(), 1u);
}

TEST_F(Actions, TheEleventhActionCanStillBeAdded) {
    openWith(storedEntries(10));
    newAction();
    ASSERT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep);
    assign(kAux1, kCtrlItem, kMinimize);
    EXPECT_EQ(storedActions(), storedEntries(10) + L"020208");
    EXPECT_EQ(w().lstbAssignedActionsMB->itemCount(), 11);
    EXPECT_EQ(w().editedActions[kUsableActions], ActionInfo{}) << "the twelfth slot stays empty";
    messageBoxes.answerNext(MessageAnswer::Ok);
    newAction();
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{kLimitText});
}

// ---- The new-action page ----

TEST_F(Actions, AssigningOnAnEmptyTableReturnsToTheTabWithTheActionSelected) {
    openWith(L"");
    newAction();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep);
    EXPECT_EQ(w().PageControl1->activePage(), w().Page8);
    EXPECT_TRUE(w().btnBack->visible());
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_EQ(w().cmbMouseButtons->itemIndex(), -1);
    EXPECT_EQ(w().cmbKeyboardKey->itemIndex(), -1);
    EXPECT_EQ(w().cmbAction->itemIndex(), -1);

    assign(kAux1, kNoModifier, kSwiftScroll);
    EXPECT_EQ(storedActions(), kAux1SwiftScroll);
    EXPECT_EQ(lastNotifiedActions(), kAux1SwiftScroll);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().PageControl1->activePage(), w().Page7);
    EXPECT_EQ(w().PageControl2->activePage(), w().TabSheet4);
    EXPECT_EQ(w().lstbAssignedActionsMB->itemIndex(), 0);
    EXPECT_TRUE(w().btnReplaceAction->enabled());
    EXPECT_TRUE(w().btnNext->enabled());
    EXPECT_TRUE(w().btnBack->visible());
    EXPECT_TRUE(w().btnApply->enabled());
    EXPECT_EQ(w().currentActions, w().editedActions);
    EXPECT_EQ(application.cursor(), platform::CursorKind::Arrow);
}

TEST_F(Actions, AssigningWithoutChordOrActionDoesNothing) {
    openWith(L"");
    newAction();
    ui::user::choose(*w().cmbAction, kMaximize);
    ui::user::click(*w().btnAssignAction);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep);
    ui::user::choose(*w().cmbMouseButtons, kAux2);
    w().cmbAction->setItemIndex(-1);
    ui::user::click(*w().btnAssignAction);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep);
    EXPECT_EQ(storedActions(), L"");
    EXPECT_TRUE(driverNotifications().empty());
    EXPECT_EQ(application.cursor(), platform::CursorKind::Arrow);
}

struct QuestionCase {
    int chord;
    int modifier;
    bool asked;
    std::wstring entry;
};

class PrimaryOrSecondary : public Actions, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(PrimaryOrSecondary, IsAskedAboutOnlyWithoutKeys) {
    openWith(L"");
    newAction();
    if (GetParam().asked) {
        messageBoxes.answerNext(MessageAnswer::Yes);
    }
    assign(GetParam().chord, GetParam().modifier, kMaximize);
    EXPECT_EQ(messageBoxes.shown().size(), GetParam().asked ? 1u : 0u);
    EXPECT_EQ(storedActions(), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(Chords, PrimaryOrSecondary,
                         ::testing::Values(QuestionCase{kPrimary, kNoModifier, true, L"080007"},
                                           QuestionCase{kSecondary, kNoModifier, true, L"040007"},
                                           QuestionCase{kPrimary, kCtrlItem, false, L"080207"},
                                           QuestionCase{kPrimaryAndSecondary, kNoModifier, false,
                                                        L"120007"}));

TEST_F(Actions, ThePrimaryQuestionIsAskedAsAYesNoBox) {
    openWith(L"");
    newAction();
    messageBoxes.answerNext(MessageAnswer::No);
    assign(kPrimary, kNoModifier, kSwiftScroll);
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    const auto& box = messageBoxes.shown().front();
    EXPECT_EQ(
        box.text,
        L"Reassigning the Primary or Secondary Mouse Buttons can seriously hinder your ability "
        L"to perform standard Windows functions.  Do you really want to do this?");
    EXPECT_EQ(box.caption, kPrimaryQuestionCaption);
    EXPECT_EQ(box.buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(box.icon, platform::MessageIcon::None);
    // No: nothing changes and the page stays.
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep);
    EXPECT_EQ(storedActions(), L"");
    EXPECT_TRUE(driverNotifications().empty());
    EXPECT_EQ(actionCount(w().editedActions), 0);
    EXPECT_EQ(application.cursor(), platform::CursorKind::Arrow);
}

struct DuplicateCase {
    const char* name;
    MessageAnswer answer;
    std::wstring stored;
};

class AddingADuplicate : public Actions, public ::testing::WithParamInterface<DuplicateCase> {};

TEST_P(AddingADuplicate, KeepsOneEntryForTheCombination) {
    openWith(kAux1SwiftScroll);
    newAction();
    assign(kAux2, kShiftItem, kSwiftScroll);
    newAction();
    messageBoxes.answerNext(GetParam().answer);
    assign(kAux2, kShiftItem, kMaximize);
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    const auto& box = messageBoxes.shown().front();
    EXPECT_EQ(box.caption, L"Duplicate");
    EXPECT_EQ(box.text,
              L"The applied action is assigned to a mouse button/control key combination that has "
              L"already been assigned. Should the previous action be replaced?");
    EXPECT_EQ(box.buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(box.icon, platform::MessageIcon::None);
    EXPECT_EQ(storedActions(), GetParam().stored);
    EXPECT_EQ(lastNotifiedActions(), GetParam().stored);
    EXPECT_EQ(w().lstbAssignedActionsMB->itemCount(), 2);
    EXPECT_EQ(w().editedActions[2], ActionInfo{}) << "the dropped slot is cleared";
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AddingADuplicate,
    ::testing::Values(DuplicateCase{"ok", MessageAnswer::Ok, kAux1SwiftScroll + L"010107"},
                      DuplicateCase{"cancel", MessageAnswer::Cancel, kAux1SwiftScroll + L"010104"}),
    [](const auto& info) { return std::string(info.param.name); });

// The combination keeps one entry, where it was bound first, with the new
// action; the replaced row goes.
TEST_F(Actions, ReplacingARowWithAnotherRowsCombinationKeepsOneEntry) {
    openWith(kAux1SwiftScroll + kAux2ShiftMaximize + kBothMinimize);
    selectRow(0);
    replaceAction();
    messageBoxes.answerNext(MessageAnswer::Ok);
    assign(kPrimaryAndSecondary, kNoModifier, kDoubleClick);
    EXPECT_EQ(storedActions(), kAux2ShiftMaximize + L"120005");
    EXPECT_EQ(boxTexts().size(), 1u);
    EXPECT_EQ(w().lstbAssignedActionsMB->itemCount(), 2);
}

TEST_F(Actions, CancellingTheDuplicateLeavesTheTableAsItWas) {
    const std::wstring stored = kAux1SwiftScroll + kAux2ShiftMaximize + kBothMinimize;
    openWith(stored);
    const ActionTable before = w().editedActions;
    selectRow(1);
    replaceAction();
    messageBoxes.answerNext(MessageAnswer::Cancel);
    assign(kPrimaryAndSecondary, kNoModifier, kDoubleClick);
    EXPECT_EQ(w().editedActions, before);
    EXPECT_EQ(storedActions(), stored);
    EXPECT_FALSE(w().btnApply->enabled()) << "nothing differs from the loaded actions";
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
}

TEST_F(Actions, ReplacingARowKeepingItsCombinationAsksNothing) {
    openWith(kAux1SwiftScroll + kAux2ShiftMaximize + kBothMinimize);
    selectRow(1);
    replaceAction();
    assign(kAux2, kShiftItem, kXMotionOnly);
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(storedActions(), kAux1SwiftScroll + L"010110" + kBothMinimize);
}

struct PreselectCase {
    const char* name;
    std::wstring stored;
    int chord;
    int modifier;
    int action;
    std::wstring description;
};

class ReplacePreselects : public Actions, public ::testing::WithParamInterface<PreselectCase> {};

TEST_P(ReplacePreselects, TheRowsChoicesWithoutRunningTheActionBox) {
    openWith(GetParam().stored);
    replaceAction();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep)
        << "a macro does not open the keystroke page";
    EXPECT_EQ(w().cmbMouseButtons->itemIndex(), GetParam().chord);
    EXPECT_EQ(w().cmbKeyboardKey->itemIndex(), GetParam().modifier);
    EXPECT_EQ(w().cmbAction->itemIndex(), GetParam().action);
    EXPECT_EQ(w().lblCurrentDesc->caption(), GetParam().description);
}

INSTANTIATE_TEST_SUITE_P(
    StoredRows, ReplacePreselects,
    ::testing::Values(
        PreselectCase{"offered", L"120410", kPrimaryAndSecondary, kAltItem, kXMotionOnly,
                      L"Mouse Moves Horizontally Only"},
        PreselectCase{"normal_size", L"060609", 7, 6, 5, L"Change Window Size to Normal"},
        PreselectCase{"macro", L"02010608{<}c{~<}", kAux1, kShiftItem, kCustomText,
                      L"Custom Text Macro"},
        PreselectCase{"all_three_keys", L"080707", kPrimary, kNoModifier, kMaximize,
                      L"Maximize Current Window"},
        PreselectCase{"three_buttons", L"070004", kAux1, kNoModifier, kSwiftScroll,
                      L"Swift Scroll"},
        PreselectCase{"primary_click", L"030001", 9, kNoModifier, -1, L"Primary Click"},
        PreselectCase{"middle_click", L"010203", kAux2, kCtrlItem, -1, L"Middle Click"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Actions, AClickActionIsReplacedOnlyByAChosenAction) {
    openWith(L"030001");
    replaceAction();
    ui::user::click(*w().btnAssignAction);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep) << "no action chosen yet";
    EXPECT_EQ(storedActions(), L"030001");
    ui::user::choose(*w().cmbAction, kMaximize);
    ui::user::click(*w().btnAssignAction);
    EXPECT_EQ(storedActions(), L"030007");
}

TEST_F(Actions, TheActionBoxDescribesWhatItDraws) {
    openWith(L"");
    newAction();
    // The first drawing after the box got the focus ends on the chosen item's
    // text; none is chosen yet.
    auto canvas = ui::user::dropDown(*w().cmbAction);
    EXPECT_EQ(w().lblCurrentDesc->caption(), L"");
    std::vector<std::wstring> items;
    for (const auto& item : w().cmbAction->items()) {
        items.push_back(L" " + item);
    }
    EXPECT_EQ(canvas.texts(), items);
    ui::user::dropDown(*w().cmbAction);
    EXPECT_EQ(w().lblCurrentDesc->caption(), L"Mouse Moves Vertically Only");

    ui::user::choose(*w().cmbAction, kMaximize);
    EXPECT_EQ(w().lblCurrentDesc->caption(), L"Maximize Current Window");
    ui::user::focus(*w().cmbMouseButtons);
    ui::user::dropDown(*w().cmbAction);
    EXPECT_EQ(w().lblCurrentDesc->caption(), L"Maximize");
}

TEST_F(Actions, EachOfferedActionIsDescribedInTheOpenListAndWhenChosen) {
    struct Described {
        int item;
        const wchar_t* inTheList;
        const wchar_t* chosen;
    };
    const Described actions[] = {
        {kSwiftScroll, L"Causes Swift Scroll", L"Swift Scroll"},
        {kDoubleClick, L"Causes Double Click", L"Double Click"},
        {kCustomText, L"Causes Playback of a Custom Key Sequence", L"Custom Text Macro"},
        {kMaximize, L"Maximizes Current Window", L"Maximize Current Window"},
        {kMinimize, L"Minimizes Current Window", L"Minimize Current Window"},
        {kNormalSize, L"Changes Window Size to Normal", L"Change Window Size to Normal"},
        {kXMotionOnly, L"Mouse Moves Horizontally Only", L"Mouse Moves Horizontally Only"},
        {kYMotionOnly, L"Mouse Moves Vertically Only", L"Mouse Moves Vertically Only"},
    };
    openWith(L"");
    newAction();
    // The first drawing after the box got the focus ends on the chosen item.
    ui::user::dropDown(*w().cmbAction);
    for (const auto& action : actions) {
        SCOPED_TRACE(action.item);
        ui::RecordingCanvas canvas;
        ui::input::drawItem(*w().cmbAction, action.item, w().cmbAction->itemRect(action.item), {},
                            canvas);
        EXPECT_EQ(w().lblCurrentDesc->caption(), action.inTheList);
        ui::user::choose(*w().cmbAction, action.item);
        EXPECT_EQ(w().lblCurrentDesc->caption(), action.chosen);
        if (action.item == kCustomText) {
            ASSERT_EQ(w().wizardStep, TfrmTarvex::kKeystrokeStep);
            back();
            // The focus comes back into the box.
            ui::user::dropDown(*w().cmbAction);
        }
    }
}

// The system draws the closed box's face with the chosen item after every
// choice and on every repaint, the focus arriving included.
TEST_F(Actions, TheClosedActionBoxLeavesTheChosenActionsDescription) {
    openWith(L"");
    newAction();
    ui::OwnerDrawState face;
    face.selected = true;
    face.focused = true;
    face.comboBoxEdit = true;
    const auto drawFace = [&](int item) {
        ui::RecordingCanvas canvas;
        ui::input::drawItem(*w().cmbAction, item, w().cmbAction->itemRect(item), face, canvas);
        return canvas.texts();
    };
    ui::user::choose(*w().cmbAction, kMaximize);
    EXPECT_EQ(drawFace(kMaximize), std::vector<std::wstring>{L" Maximize"});
    EXPECT_EQ(w().lblCurrentDesc->caption(), L"Maximize Current Window");

    ui::user::choose(*w().cmbAction, kYMotionOnly);
    ui::user::focus(*w().cmbMouseButtons);
    ui::user::focus(*w().cmbAction);
    drawFace(kYMotionOnly);
    EXPECT_EQ(w().lblCurrentDesc->caption(), L"Mouse Moves Vertically Only");
    ui::user::dropDown(*w().cmbAction);
    EXPECT_EQ(w().lblCurrentDesc->caption(), L"Y Motion Only")
        << "the list's first drawing after the focus came shows the choice";
}

TEST_F(Actions, BackFromTheNewActionPageReturnsToTheActionsTab) {
    openWith(kAux1SwiftScroll);
    newAction();
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(w().PageControl2->activePage(), w().TabSheet4);
    EXPECT_EQ(w().lstbAssignedActionsMB->itemCount(), 1);
    EXPECT_EQ(storedActions(), kAux1SwiftScroll);
}

// ---- Macros ----

TEST_F(Actions, ARecordedMacroIsStoredInTheDriversNotation) {
    openKeystrokePage();
    EXPECT_EQ(w().lblCurrentDesc->caption(), L"Custom Text Macro");
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_TRUE(w().btnBack->visible());
    type(holding(vk::kCtrl, tap('C')) + holding(vk::kShift, tap(vk::kTab)) + tap(vk::kF1 + 4));
    ASSERT_EQ(captured(), L"{Ctrl-Dn}c{Ctrl-Up}{Sh-Tab}{F5}");
    ui::user::click(*w().btnPage13Assign);
    // Ctrl press "<", release "~<"; Shift held from the Tab on, as the short
    // "{F5}" leaves it, until the end; F5 is "^" (89 + 5).
    const std::wstring stored = L"{<}c{~<}{I}{.~.}{^~^}{~I}";
    EXPECT_EQ(storedActions(), L"020006" + platform::zeroPadded(int(stored.size()), 2) + stored);
    EXPECT_EQ(lastNotifiedActions(), storedActions());
    EXPECT_EQ(w().pendingMacro, L"{Ctrl-Dn}c{Ctrl-Up}{Sh-Tab}{F5}");
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kPropertiesStep);
    EXPECT_EQ(drawnRow(0).back(), L"{Ctrl-Dn}c{Ctrl-Up}{Sh-Tab}{F5}");
}

// AltGr holds Ctrl and Alt: a character it types is recorded alone, while
// Ctrl and Alt held for a key with no AltGr character stay in the macro.
TEST_F(Actions, ACharacterTypedWithAltGrIsRecordedAsTyped) {
    keyboard.setLayout(platform::MemoryLayout::German);
    openKeystrokePage();
    type(tap('A') + holding(vk::kCtrl, holding(vk::kAlt, tap('Q') + tap('E'))) + tap('B'));
    EXPECT_EQ(captured(), L"a@\u20acb");
    type(holding(vk::kCtrl, holding(vk::kAlt, tap('C'))));
    EXPECT_EQ(captured(), L"a@\u20acb{Ctrl-Dn}{Alt-Dn}c{Alt-Up}{Ctrl-Up}");
}

TEST_F(Actions, TheCaptureEditTakesThePlainEditsPlace) {
    openWith(L"");
    ui::Control* plain = w().txtActionString;
    const ui::Rect bounds = plain->bounds();
    newAction();
    ui::user::choose(*w().cmbAction, kCustomText);
    EXPECT_NE(dynamic_cast<TActEdit*>(w().txtActionString), nullptr);
    EXPECT_EQ(w().txtActionString->bounds(), bounds);
    EXPECT_EQ(w().txtActionString->tabOrder(), 1);
    EXPECT_EQ(w().txtActionString->parent(), w().Page13);
    int named = 0;
    for (const auto* child : w().Page13->children()) {
        named += child->name() == L"txtActionString" ? 1 : 0;
    }
    EXPECT_EQ(named, 1) << "the plain edit is gone";

    // A second visit keeps the same edit and starts empty again.
    ui::Edit* made = w().txtActionString;
    type(tap('X'));
    back();
    ui::user::choose(*w().cmbAction, kSwiftScroll);
    ui::user::choose(*w().cmbAction, kCustomText);
    EXPECT_EQ(w().txtActionString, made);
    EXPECT_EQ(captured(), L"");
}

// Arrow keys passing over "Custom Text..." only describe it; the keystroke page
// opens once it is the choice: Enter on it, or a click.
TEST_F(Actions, BrowsingTheActionBoxOpensTheKeystrokePageOnlyWhenCustomTextIsChosen) {
    openWith(L"");
    newAction();
    const wchar_t* described[] = {L"Swift Scroll", L"Double Click", L"Custom Text Macro",
                                  L"Maximize Current Window"};
    for (int item = kSwiftScroll; item <= kMaximize; ++item) {
        ui::user::browse(*w().cmbAction, item);
        EXPECT_EQ(w().lblCurrentDesc->caption(), described[item]);
        EXPECT_EQ(w().PageControl1->activePage(), w().Page8) << "after item " << item;
    }
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep);
    ui::user::browse(*w().cmbAction, kCustomText);
    EXPECT_EQ(w().lblCurrentDesc->caption(), L"Custom Text Macro");
    EXPECT_EQ(w().PageControl1->activePage(), w().Page8);

    ui::user::pressEnter(w());
    EXPECT_EQ(w().PageControl1->activePage(), w().Page13);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kKeystrokeStep);
    back();
    ui::user::choose(*w().cmbAction, kCustomText);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kKeystrokeStep) << "a click on the item it shows";
}

TEST_F(Actions, AKeyHeldWhileLeavingThePageIsRecordedWhenPressedOnTheNextVisit) {
    openKeystrokePage();
    keyDown(vk::kCtrl);
    back();
    keyboard.release(vk::kCtrl);  // let go over another page
    ui::user::choose(*w().cmbAction, kSwiftScroll);
    ui::user::choose(*w().cmbAction, kCustomText);
    type(holding(vk::kCtrl, tap('C')));
    EXPECT_EQ(captured(), L"{Ctrl-Dn}c{Ctrl-Up}");
}

TEST_F(Actions, TheSelectedRowsMacroIsEditedFurther) {
    openWith(L"02010608{<}c{~<}");
    replaceAction();
    ui::user::choose(*w().cmbAction, kCustomText);
    EXPECT_EQ(captured(), L"{Ctrl-Dn}c{Ctrl-Up}");
    type(tap('X'));
    ui::user::click(*w().btnPage13Assign);
    EXPECT_EQ(storedActions(), L"02010609{<}c{~<}x");
}

TEST_F(Actions, AssignActionWithCustomTextUsesTheLastHandedOverMacro) {
    openKeystrokePage();
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep);
    ui::user::click(*w().btnAssignAction);
    EXPECT_EQ(storedActions(), L"02000600") << "nothing handed over yet: an empty macro";

    newAction();
    ui::user::choose(*w().cmbMouseButtons, kAux2);
    ui::user::choose(*w().cmbAction, kCustomText);
    type(tap('Q'));
    ui::user::click(*w().btnPage13Assign);
    newAction();
    ui::user::choose(*w().cmbMouseButtons, kPrimaryAndSecondary);
    w().cmbAction->setItemIndex(kCustomText);
    ui::user::click(*w().btnAssignAction);
    EXPECT_EQ(storedActions(), L"02000600" + std::wstring(L"01000601q") + L"12000601q");
}

// Replace on a macro row with only the buttons changed: the keystroke page is
// never opened, and the row keeps its own macro, not the one the page last
// handed over.
TEST_F(Actions, ReplacingOnlyTheButtonsOfAMacroRowKeepsItsMacro) {
    openWith(L"02010608{<}c{~<}");
    newAction();
    ui::user::choose(*w().cmbMouseButtons, kAux2);
    ui::user::choose(*w().cmbAction, kCustomText);
    type(tap('Q'));
    ui::user::click(*w().btnPage13Assign);
    ASSERT_EQ(storedActions(), L"02010608{<}c{~<}01000601q");

    selectRow(0);
    replaceAction();
    ASSERT_EQ(w().cmbAction->itemIndex(), kCustomText);
    ui::user::choose(*w().cmbMouseButtons, kPrimaryAndSecondary);
    ui::user::click(*w().btnAssignAction);
    EXPECT_EQ(storedActions(), L"12010608{<}c{~<}01000601q");
    EXPECT_EQ(drawnRow(0).back(), L"{Ctrl-Dn}c{Ctrl-Up}");
}

struct TypingCase {
    const char* name;
    Keys keys;
    std::wstring text;
};

class TypingIntoTheCaptureEdit : public Actions,
                                 public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingIntoTheCaptureEdit, RecordsTheKeysAsSymbols) {
    openKeystrokePage();
    type(GetParam().keys);
    EXPECT_EQ(captured(), GetParam().text);
    EXPECT_TRUE(w().txtActionString->focused());
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kKeystrokeStep);
    EXPECT_EQ(w().lastCapturedKey, 0) << "every key was released";
    EXPECT_TRUE(messageBoxes.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, TypingIntoTheCaptureEdit,
    ::testing::Values(
        TypingCase{"ctrl_c", holding(vk::kCtrl, tap('C')), L"{Ctrl-Dn}c{Ctrl-Up}"},
        TypingCase{"shift_a", holding(vk::kShift, tap('A')), L"A"},
        TypingCase{"shift_tab", holding(vk::kShift, tap(vk::kTab)), L"{Sh-Tab}"},
        TypingCase{"tab_then_shift_tab", tap(vk::kTab) + holding(vk::kShift, tap(vk::kTab)),
                   L"{Tab}{Sh-Tab}"},
        TypingCase{"shift_f5", holding(vk::kShift, tap(vk::kF1 + 4)), L"{Sh-F5}"},
        TypingCase{"held_letter", heldDown('A', 4), L"a"},
        TypingCase{"held_tab", heldDown(vk::kTab, 4), L"{Tab}"},
        TypingCase{"letters_digits_punctuation", tap('H') + tap('1') + tap(vk::kPeriod), L"h1."},
        TypingCase{"alt_b", holding(vk::kAlt, tap('B')), L"{Alt-Dn}b{Alt-Up}"},
        TypingCase{"ctrl_alt_del", holding(vk::kCtrl, holding(vk::kAlt, tap(vk::kDelete))),
                   L"{Ctrl-Dn}{Alt-Dn}{Del}{Alt-Up}{Ctrl-Up}"},
        TypingCase{"win_e", holding(vk::kLeftWin, tap('E')), L"{Win-Dn}e{Win-Up}"},
        TypingCase{"named_keys",
                   tap(vk::kEnter) + tap(vk::kEscape) + tap(vk::kPageUp) + tap(vk::kF12),
                   L"{Enter}{Esc}{PgUp}{F12}"},
        TypingCase{"backspace_after_a_symbol",
                   tap('A') + holding(vk::kShift, tap(vk::kTab)) + tap(vk::kBackspace), L"a"},
        TypingCase{"backspace_after_a_character", tap('A') + tap('B') + tap(vk::kBackspace), L"a"},
        TypingCase{"shift_backspace", holding(vk::kShift, tap(vk::kBackspace)), L"{Sh-Backspace}"},
        TypingCase{"caps_lock_key", tap(vk::kCapsLock) + tap('A'), L"a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Actions, CapsLockAndShiftDecideTheCase) {
    openKeystrokePage();
    keyboard.setCapsLock(true);
    type(tap('A') + holding(vk::kShift, tap('B')));
    EXPECT_EQ(captured(), L"Ab");
}

TEST_F(Actions, BackspaceWithASelectionRemovesOnlyTheSelection) {
    openKeystrokePage();
    type(tap('A') + tap('B') + tap(vk::kTab));
    ASSERT_EQ(captured(), L"ab{Tab}");
    w().txtActionString->setSelStart(1);
    w().txtActionString->setSelLength(1);
    type(tap(vk::kBackspace));
    EXPECT_EQ(captured(), L"a{Tab}");
    EXPECT_EQ(w().txtActionString->selStart(), 1);
}

TEST_F(Actions, TheFocusReachingAHiddenButtonRecordsTabAndReturns) {
    openKeystrokePage();
    type(tap('A'));
    ui::user::focus(*w().btnHidden2);
    EXPECT_EQ(captured(), L"a{Tab}");
    EXPECT_TRUE(w().txtActionString->focused());
    EXPECT_EQ(w().lastCapturedKey, vk::kTab) << "until the Tab key is released";
    type(tap(vk::kTab));
    EXPECT_EQ(captured(), L"a{Tab}") << "the Tab counted as held";
    ui::user::focus(*w().btnHidden1);
    EXPECT_EQ(captured(), L"a{Tab}{Sh-Tab}");
    EXPECT_TRUE(w().txtActionString->focused());
}

TEST_F(Actions, TheBackspaceButtonRecordsABackspace) {
    openKeystrokePage();
    type(tap('A'));
    ui::user::click(*w().btnBackspace);
    EXPECT_EQ(captured(), L"a{Backspace}");
    EXPECT_TRUE(w().txtActionString->focused());
    type(tap('B'));
    EXPECT_EQ(captured(), L"a{Backspace}b") << "leaving for a real button records no Tab";
}

TEST_F(Actions, MouseUpKeepsCaretAndSelectionOnSymbolBoundaries) {
    openKeystrokePage();
    w().txtActionString->setText(L"x{PgUp}y  z");
    struct Case {
        const char* what;
        int start;
        int length;
        int wantStart;
        int wantLength;
    };
    const Case cases[] = {
        {"click inside a symbol", 4, 0, 1, 0},
        {"click before a character", 7, 0, 7, 0},
        {"drag over part of a symbol", 3, 2, 1, 6},
        {"drag from a character into a symbol", 0, 3, 0, 7},
        {"drag over blanks only", 8, 2, 8, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        releaseMouseOver(c.start, c.length);
        EXPECT_EQ(w().txtActionString->selStart(), c.wantStart);
        EXPECT_EQ(w().txtActionString->selLength(), c.wantLength);
    }
    EXPECT_EQ(captured(), L"x{PgUp}y  z");
}

TEST_F(Actions, TypingAtTheSnappedCaretInsertsBeforeTheSymbol) {
    openKeystrokePage();
    type(tap(vk::kPageUp));
    releaseMouseOver(3, 0);
    type(tap('A'));
    EXPECT_EQ(captured(), L"a{PgUp}");
}

TEST_F(Actions, ReleasingMenuSendsOneEscape) {
    openKeystrokePage();
    type(tap(vk::kMenu));
    EXPECT_EQ(captured(), L"{Menu-Dn}{Menu-Up}");
    EXPECT_EQ(keyboard.sentKeyDowns(), std::vector<int>{vk::kEscape});
}

TEST_F(Actions, TheStoredLengthLimitRemovesTheLastSymbol) {
    openKeystrokePage();
    // Each F1 is stored as "{Z~Z}": 19 of them and four letters store exactly 99.
    std::wstring expected;
    for (int i = 0; i < 19; ++i) {
        type(tap(vk::kF1));
        expected += L"{F1}";
    }
    type(tap('A') + tap('B') + tap('C') + tap('D'));
    expected += L"abcd";
    ASSERT_EQ(captured(), expected) << "the 99th stored character stays";
    ASSERT_TRUE(messageBoxes.shown().empty());
    messageBoxes.answerNext(MessageAnswer::Ok);
    type(tap('E'));
    EXPECT_EQ(captured(), expected) << "the 100th goes";
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    const auto& box = messageBoxes.shown().front();
    EXPECT_EQ(box.text, L"Buffer character limit reached");
    EXPECT_EQ(box.caption, L"Warning");
    EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(box.owner, w().windowId());
    EXPECT_EQ(keyboard.asteriskBeeps(), 1);

    ui::user::click(*w().btnPage13Assign);
    EXPECT_EQ(storedActions().substr(6, 2), L"99");
}

// No key is released in the edit when the button records a Backspace: the
// button keeps the limit itself.
TEST_F(Actions, TheBackspaceButtonKeepsTheStoredLengthLimit) {
    openKeystrokePage();
    const std::wstring shown = L"{Backspace}";
    const size_t storedEach = std::wstring(L"{-~-}").size();
    const size_t fitting = kLongestStoredMacro / storedEach;
    for (size_t i = 0; i < fitting; ++i) {
        ui::user::click(*w().btnBackspace);
    }
    ASSERT_TRUE(messageBoxes.shown().empty());
    messageBoxes.answerNext(MessageAnswer::Ok);
    ui::user::click(*w().btnBackspace);
    std::wstring expected;
    for (size_t i = 0; i < fitting; ++i) {
        expected += shown;
    }
    EXPECT_EQ(captured(), expected);
    EXPECT_EQ(boxTexts(), std::vector<std::wstring>{L"Buffer character limit reached"});
    EXPECT_EQ(keyboard.asteriskBeeps(), 1);
    EXPECT_TRUE(w().txtActionString->focused());
}

// Only recording writes the capture edit: whatever the native edit reports
// from a paste, a cut, a delete or text sent by another program is put back,
// so that only whole symbols within the stored length are ever assigned.
TEST_F(Actions, TextFromOutsideTheRecordingNeverStaysInTheCaptureEdit) {
    openKeystrokePage();
    type(tap(vk::kF1) + tap('A'));
    ASSERT_EQ(captured(), L"{F1}a");
    std::wstring overlong;
    while (overlong.size() <= static_cast<size_t>(kLongestStoredMacro)) {
        overlong += L"{F2}";
    }
    w().txtActionString->setSelStart(4);
    for (const std::wstring& pasted : {std::wstring(L"{Ctr"), overlong, std::wstring(L"b")}) {
        ui::user::paste(*w().txtActionString, pasted);
        EXPECT_EQ(captured(), L"{F1}a") << platform::toUtf8(pasted);
    }
    for (const std::wstring& left : {std::wstring(L"{F1"), std::wstring()}) {
        ui::input::editChanged(*w().txtActionString, left);
        EXPECT_EQ(captured(), L"{F1}a") << "cut or deleted down to " << platform::toUtf8(left);
    }
    ui::user::click(*w().btnPage13Assign);
    EXPECT_EQ(w().pendingMacro, L"{F1}a");
    EXPECT_TRUE(messageBoxes.shown().empty());
}

// A macro the converter rejects is never assigned as an empty one: Assign
// shows the converter's warning and the user stays on the page.
TEST_F(Actions, ATypedBraceIsReportedOnEveryReleaseAndRefusedByAssign) {
    application.setTitle(L"Orvane Mouse Control Panel");
    openKeystrokePage();
    for (int box = 0; box < 3; ++box) {
        messageBoxes.answerNext(MessageAnswer::Ok);
    }
    type(holding(vk::kShift, tap(vk::kOpenBracket)));
    EXPECT_EQ(captured(), L"{{}");
    ASSERT_EQ(messageBoxes.shown().size(), 2u) << "the bracket's release and Shift's";
    ui::user::click(*w().btnPage13Assign);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kKeystrokeStep);
    EXPECT_EQ(captured(), L"{{}") << "left to be mended";
    EXPECT_EQ(storedActions(), L"") << "nothing assigned";
    EXPECT_TRUE(driverNotifications().empty());
    ASSERT_EQ(messageBoxes.shown().size(), 3u);
    for (const auto& box : messageBoxes.shown()) {
        EXPECT_EQ(box.text, L"Error parsing macro, undefined symbol ({):\n{{}");
        EXPECT_EQ(box.caption, L"Orvane Mouse Control Panel") << "a plain box under the title";
        EXPECT_EQ(box.icon, platform::MessageIcon::None);
        EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    }
}

TEST_F(Actions, AStoredMacroTheConverterRejectsIsReportedOncePerLoad) {
    messageBoxes.answerNext(MessageAnswer::Ok);
    openWith(L"02000602{~" + kAux2ShiftMaximize);
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(drawnRow(0).back(), L"") << "shown as what will be stored";
    ui::user::selectTab(*w().PageControl2, 0);
    ui::user::slide(*w().trbHorizontalSpeed, 3);
    ui::user::slide(*w().trbHorizontalSpeed, 4);
    EXPECT_EQ(storedActions(), L"02000600" + kAux2ShiftMaximize);
    EXPECT_EQ(messageBoxes.shown().size(), 1u) << "not again at every write";
}

TEST_F(Actions, BackWithTheFocusInTheEditRecordsB) {
    openKeystrokePage();
    // Back's accelerator reaching the window while the edit has the focus.
    EXPECT_TRUE(ui::input::accelerator(w(), L'b'));
    EXPECT_EQ(captured(), L"b");
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kKeystrokeStep);
    EXPECT_EQ(w().PageControl1->activePage(), w().Page13);
}

TEST_F(Actions, BackWithTheFocusElsewhereReturnsToTheNewActionPage) {
    openKeystrokePage();
    type(tap('A'));
    back();
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kNewActionStep);
    EXPECT_EQ(w().PageControl1->activePage(), w().Page8);
    EXPECT_FALSE(w().btnNext->enabled());
    EXPECT_EQ(storedActions(), L"") << "nothing is assigned by going back";
}

// ---- Stored data the program did not write ----

// Stored data the next write would cut is announced once, when the setup loads,
// in a plain box; the tab shows what will be stored, and loading writes nothing.
TEST_F(Actions, MoreThanElevenStoredActionsAreAnnouncedAndCutToElevenOnTheNextWrite) {
    messageBoxes.answerNext(MessageAnswer::Ok);
    openWith(storedEntries(13));
    ASSERT_EQ(boxTexts(), std::vector<std::wstring>{L"This setup stores more than 11 actions. "
                                                    L"Only the first 11 are kept when the setup "
                                                    L"is next written."});
    EXPECT_EQ(messageBoxes.shown()[0].caption, application.title());
    EXPECT_EQ(messageBoxes.shown()[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(storedActions(), storedEntries(13)) << "loading writes nothing";
    EXPECT_EQ(w().lstbAssignedActionsMB->itemCount(), 11);
    EXPECT_FALSE(w().btnApply->enabled());

    selectRow(0);
    deleteAction();
    EXPECT_EQ(storedActions(), storedEntries(11).substr(6));
    EXPECT_EQ(messageBoxes.shown().size(), 1u) << "told once";
}

TEST_F(Actions, AStoredMacroThatGrowsWhenRewrittenIsAnnouncedAndCutWithItsKeysReleased) {
    // Each "{<W}" reads back as Ctrl and Alt pressed, which are written as
    // "{<}{W}": 24 of them no longer fit.
    std::wstring macro;
    for (int i = 0; i < 24; ++i) {
        macro += L"{<W}";
    }
    std::wstring kept;
    for (int i = 0; i < 15; ++i) {
        kept += L"{Ctrl-Dn}{Alt-Dn}";
    }
    kept += L"{Alt-Up}{Ctrl-Up}";  // the last pressed released first
    const std::wstring stored = kAux1SwiftScroll + L"010006" + platform::zeroPadded(96, 2) + macro;
    messageBoxes.answerNext(MessageAnswer::Ok);
    openWith(stored);
    ASSERT_EQ(boxTexts(), std::vector<std::wstring>{L"The keystroke macro of action 2 is too long "
                                                    L"to be stored again. When the setup is next "
                                                    L"written it is cut to:\n" +
                                                    kept});
    EXPECT_EQ(storedActions(), stored) << "loading writes nothing";
    ASSERT_EQ(w().lstbAssignedActionsMB->itemCount(), 2);
    EXPECT_FALSE(w().btnApply->enabled());

    selectRow(0);
    deleteAction();
    const std::wstring written = storedActions();
    ASSERT_EQ(written.substr(0, 8), L"01000698");
    ActionTable reread;
    MessageBoxMacroReporter reporter(messageBoxes, application.title());
    parseActionString(written, reread, reporter);
    EXPECT_EQ(reread[0].macroText, kept);
    EXPECT_EQ(messageBoxes.shown().size(), 1u) << "told once, not at the write";

    // The row is too wide for its column; the keystroke page shows it whole.
    replaceAction();
    ui::user::choose(*w().cmbAction, kCustomText);
    ASSERT_EQ(w().wizardStep, TfrmTarvex::kKeystrokeStep);
    EXPECT_EQ(captured(), kept) << "the tab holds what will be stored";
}

}  // namespace
}  // namespace setup::scenario
