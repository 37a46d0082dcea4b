// The new-action page (Page8): one button chord, its modifier keys and an
// action, assigned to a new slot or over the row selected on the Actions tab.
#include "setup/actions/action_codes.h"
#include "setup/actions/action_table.h"
#include "setup/busy_cursor.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

constexpr int kMacroItem = kMacroAction - kFirstOfferedAction;
constexpr int kLastItem = kLastOfferedAction - kFirstOfferedAction;

// The text every item is drawn with: a blank before the item's own text.
const std::wstring kItemIndent = L" ";

bool confirmPrimaryOrSecondary(platform::MessageBoxes& boxes) {
    platform::MessageBoxRequest box;
    box.text =
        L"Reassigning the Primary or Secondary Mouse Buttons can seriously hinder your ability to "
        L"perform standard Windows functions.  Do you really want to do this?";
    box.caption = L"Do you know what you're doing right now??";
    box.buttons = platform::MessageButtons::YesNo;
    return boxes.show(box) == platform::MessageAnswer::Yes;
}

bool confirmReplacingDuplicate(platform::MessageBoxes& boxes) {
    platform::MessageBoxRequest box;
    box.text =
        L"The applied action is assigned to a mouse button/control key combination that has "
        L"already been assigned. Should the previous action be replaced?";
    box.caption = L"Duplicate";
    box.buttons = platform::MessageButtons::OkCancel;
    return boxes.show(box) == platform::MessageAnswer::Ok;
}

}  // namespace

void TfrmTarvex::cmbActionChange(ui::Control&) {
    const int item = cmbAction->itemIndex();
    if (item < 0 || item > kLastItem) {
        return;
    }
    lblCurrentDesc->setCaption(kOfferedActions[item].pageDescription);
}

// The keystroke page opens for "Custom Text..." only once it is the choice:
// arrow keys passing over it in the box would otherwise leave the page, and
// their next key would be recorded there.
void TfrmTarvex::cmbActionSelect(ui::Control&) {
    if (cmbAction->itemIndex() != kMacroItem) {
        return;
    }
    showPage(Page13, kKeystrokeStep);
    btnNext->setEnabled(false);
    btnBack->show();
}

void TfrmTarvex::cmbActionEnter(ui::Control&) {
    actionBoxEntered = true;
}

// The description follows the drop-down list as it is drawn, so it ends on the
// last item's; the first drawing after the box got the focus shows the chosen
// item's text instead. The closed box's face is drawn too, after every choice and
// whenever it repaints: it must leave the chosen action's description alone.
void TfrmTarvex::cmbActionDrawItem(ui::Control& control, int index, ui::Rect rect,
                                   ui::OwnerDrawState state) {
    if (index < 0 || index > kLastItem) {
        return;
    }
    if (!state.comboBoxEdit) {
        lblCurrentDesc->setCaption(kOfferedActions[index].dropDownDescription);
        if (index == kLastItem && actionBoxEntered) {
            lblCurrentDesc->setCaption(cmbAction->text());
            actionBoxEntered = false;
        }
    }
    auto& canvas = control.canvas();
    canvas.fillRect(rect);
    canvas.textOut(rect.left, rect.top, kItemIndent + cmbAction->item(index));
}

void TfrmTarvex::btnAssignActionClick(ui::Control&) {
    BusyCursor busy(application());
    const int row = lstbAssignedActionsMB->itemIndex();
    const int slot = row >= 0 ? row : firstFreeSlot(editedActions);
    const int chordItem = cmbMouseButtons->itemIndex();
    const int actionItem = cmbAction->itemIndex();
    if (slot < 0 || slot > actionCount(editedActions) || chordItem < 0 || actionItem < 0) {
        return;
    }
    const int buttonCode = kButtonChords.at(chordItem).code;
    const int modifierItem = cmbKeyboardKey->itemIndex();
    const int keyCode = modifierItem < 0 ? 0 : kModifierChoices.at(modifierItem).code;
    const int actionCode = kFirstOfferedAction + actionItem;
    if ((buttonCode == kPrimaryChord || buttonCode == kSecondaryChord) && keyCode == 0 &&
        !confirmPrimaryOrSecondary(services_.messageBoxes)) {
        return;
    }

    ActionTable assigned = editedActions;
    auto& entry = assigned[slot];
    entry.buttonCode = buttonCode;
    entry.keyCode = keyCode;
    entry.actionCode = actionCode;
    if (actionCode == kMacroAction) {
        entry.macroText = pendingMacro;
        entry.macroLength = static_cast<int>(pendingMacro.size());
    }
    const int duplicate = findDuplicate(assigned, slot);
    if (duplicate >= 0) {
        if (confirmReplacingDuplicate(services_.messageBoxes)) {
            keepOneEntry(assigned, slot, duplicate);
        } else {
            assigned = editedActions;
        }
    }

    // The tables take the assignment once it is stored: after a refused write
    // the page still offers it, and assigning it again does not meet it as a
    // duplicate of itself.
    writeLoadedSetup(assigned, currentSetup);
    editedActions = assigned;
    currentActions = assigned;
    // Showing the tab rebuilds its list.
    showPropertyTab(TabSheet4);
    lstbAssignedActionsMB->repaint();
    btnBack->show();
    btnNext->setEnabled(true);
    updateApplyButton();
}

// A macro the converter rejects would be stored as an empty one: the user is
// told why and stays on the page to mend it.
void TfrmTarvex::btnPage13AssignClick(ui::Control& sender) {
    if (!MacroConverts(txtActionString->text(), macroReporter_)) {
        return;
    }
    pendingMacro = txtActionString->text();
    btnAssignActionClick(sender);
}

}  // namespace setup
