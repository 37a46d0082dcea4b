// The Actions tab: the list of the setup's shortcut actions and the buttons
// that add, replace and delete them.
#include <algorithm>

#include "setup/actions/action_codes.h"
#include "setup/actions/action_columns.h"
#include "setup/actions/action_table.h"
#include "setup/messages.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

enum RowColumn { kButtonsText, kKeysText, kNameText, kDescriptionText };

// The list's items carry no text of their own: the rows are drawn from actionRowText.
const std::wstring kRowItemText = L" ";

// The "/n" is the message's own: it shows as those two characters.
const std::wstring kActionLimitText =
    L"The Orvane Mouse Software allows a maximum of 11 defined actions./nDelete one or more to "
    L"add new actions.";
const std::wstring kActionLimitCaption = L"KB Pre-Defined Action limit reached";

void showActionLimit(platform::MessageBoxes& boxes) {
    showStopMessage(boxes, kActionLimitText, kActionLimitCaption, platform::MessageIcon::Error);
}

// Item of a choice box for a code; a code the box does not offer selects the first item.
template <size_t N>
int itemOrFirst(const std::array<CodeChoice, N>& choices, int code) {
    return std::max(choiceIndex(choices, code), 0);
}

}  // namespace

void TfrmTarvex::bindActionHandlers() {
    TabSheet4->onShow = handler(&TfrmTarvex::TabSheet4Show);
    TabSheet4->onEnter = handler(&TfrmTarvex::TabSheet4Show);
    lstbAssignedActionsMB->onDrawItem = handler(&TfrmTarvex::lstbAssignedActionsMBDrawItem);
    lstbAssignedActionsMB->onClick = handler(&TfrmTarvex::lstbAssignedActionsMBClick);
    btnAssignNew->onMouseDown = handler(&TfrmTarvex::btnAssignNewMouseDown);
    btnAssignNew->onClick = handler(&TfrmTarvex::btnAssignNewClick);
    btnReplaceAction->onClick = handler(&TfrmTarvex::btnReplaceActionClick);
    btnDeleteShort->onClick = handler(&TfrmTarvex::btnDeleteShortClick);

    cmbAction->onChange = handler(&TfrmTarvex::cmbActionChange);
    cmbAction->onSelect = handler(&TfrmTarvex::cmbActionSelect);
    cmbAction->onEnter = handler(&TfrmTarvex::cmbActionEnter);
    cmbAction->onDrawItem = handler(&TfrmTarvex::cmbActionDrawItem);
    btnAssignAction->onClick = handler(&TfrmTarvex::btnAssignActionClick);

    // The capture edit gets its handlers when it is made (capture_editor.cpp).
    Page13->onShow = handler(&TfrmTarvex::Page13Show);
    btnHidden2->onExit = handler(&TfrmTarvex::btnHidden2Exit);
    btnBackspace->onClick = handler(&TfrmTarvex::btnBackspaceClick);
    btnPage13Assign->onClick = handler(&TfrmTarvex::btnPage13AssignClick);
}

void TfrmTarvex::TabSheet4Show(ui::Control&) {
    btnReplaceAction->setEnabled(false);
    btnReplaceAction->setDefault(false);
    btnDeleteShort->setEnabled(false);
    lstbAssignedActionsMB->clearItems();
    const int count = actionCount(editedActions);
    for (int slot = 0; slot < count; ++slot) {
        const auto& action = editedActions[slot];
        actionRowText[slot] = {chordText(action.buttonCode), modifierText(action.keyCode),
                               actionName(action.actionCode), actionDescription(action)};
        lstbAssignedActionsMB->addItem(kRowItemText);
    }
    // A single action needs no choosing: it is the one to replace or delete.
    if (count == 1) {
        lstbAssignedActionsMB->setItemIndex(0);
        enableActionRowButtons();
    }
}

void TfrmTarvex::lstbAssignedActionsMBDrawItem(ui::Control& control, int index, ui::Rect rect,
                                               ui::OwnerDrawState) {
    auto& canvas = control.canvas();
    canvas.fillRect(rect);
    if (index < 0 || index >= kUsableActions) {
        return;
    }
    const auto& row = actionRowText[index];
    const auto column = [&](int left, int right) {
        return ui::Rect{rect.left + left, rect.top, right, rect.bottom};
    };
    canvas.textInColumn(column(kButtonsColumn, rect.left + kKeysColumn - kColumnGap),
                        row[kButtonsText], ui::Alignment::Left);
    canvas.textInColumn(column(kKeysColumn, rect.left + kActionColumn - kColumnGap), row[kKeysText],
                        ui::Alignment::Left);
    canvas.textInColumn(column(kActionColumn, rect.left + kDescriptionColumn - kColumnGap),
                        row[kNameText], ui::Alignment::Left);
    canvas.textInColumn(column(kDescriptionColumn, rect.right - kDescriptionRightGap),
                        row[kDescriptionText], ui::Alignment::Right);
}

void TfrmTarvex::lstbAssignedActionsMBClick(ui::Control&) {
    if (lstbAssignedActionsMB->itemIndex() >= 0) {
        enableActionRowButtons();
    }
}

void TfrmTarvex::enableActionRowButtons() {
    btnReplaceAction->setEnabled(true);
    btnReplaceAction->setDefault(true);
    btnDeleteShort->setEnabled(true);
}

// Pressing the button deselects the list first, so that what follows adds an
// action rather than replacing the selected one.
void TfrmTarvex::btnAssignNewMouseDown(ui::Control&, ui::MouseButton, ui::ShiftState, int, int) {
    lstbAssignedActionsMB->setItemIndex(-1);
}

void TfrmTarvex::btnAssignNewClick(ui::Control&) {
    cmbMouseButtons->setItemIndex(-1);
    cmbKeyboardKey->setItemIndex(-1);
    cmbAction->setItemIndex(-1);
    lstbAssignedActionsMB->setItemIndex(-1);
    if (actionCount(editedActions) == kUsableActions) {
        showActionLimit(services_.messageBoxes);
        return;
    }
    openNewActionPage();
}

void TfrmTarvex::btnReplaceActionClick(ui::Control&) {
    cmbMouseButtons->setItemIndex(0);
    cmbKeyboardKey->setItemIndex(0);
    cmbAction->setItemIndex(0);
    const int row = lstbAssignedActionsMB->itemIndex();
    if (row >= 0 && row < kUsableActions) {
        preselectAction(currentActions[row]);
    } else if (actionCount(editedActions) == kUsableActions) {
        showActionLimit(services_.messageBoxes);
        return;
    }
    openNewActionPage();
}

// Setting the boxes from code runs none of their handlers: a macro action does
// not open the keystroke page here, and assigning it unchanged keeps the row's
// own macro.
void TfrmTarvex::preselectAction(const ActionInfo& action) {
    pendingMacro = action.macroText;
    cmbMouseButtons->setItemIndex(itemOrFirst(kButtonChords, action.buttonCode));
    cmbKeyboardKey->setItemIndex(itemOrFirst(kModifierChoices, action.keyCode));
    if (action.actionCode >= kFirstOfferedAction && action.actionCode <= kLastOfferedAction) {
        const int item = action.actionCode - kFirstOfferedAction;
        cmbAction->setItemIndex(item);
        lblCurrentDesc->setCaption(kOfferedActions[item].pageDescription);
        return;
    }
    // The clicks (and any action the box does not offer) cannot be chosen again:
    // the box shows no action, so that assigning needs a deliberate choice, and
    // the description says what the row does now.
    cmbAction->setItemIndex(-1);
    lblCurrentDesc->setCaption(actionDescription(action));
}

void TfrmTarvex::openNewActionPage() {
    showPage(Page8, kNewActionStep);
    btnBack->show();
    btnNext->setEnabled(false);
}

void TfrmTarvex::btnDeleteShortClick(ui::Control&) {
    const int row = lstbAssignedActionsMB->itemIndex();
    if (row < 0) {
        return;
    }
    // The tables lose the action once that is stored: after a refused write the
    // list still shows it, and Delete takes the same row again, not its neighbour.
    ActionTable remaining = editedActions;
    removeAction(remaining, row);
    writeLoadedSetup(remaining, currentSetup);
    editedActions = remaining;
    currentActions = remaining;
    updateApplyButton();
    TabSheet4Show(*TabSheet4);
}

}  // namespace setup
