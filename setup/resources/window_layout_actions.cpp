// The Actions tab, the new-action page (Page8) and the keystroke page (Page13).
#include "setup/actions/action_codes.h"
#include "setup/actions/action_columns.h"
#include "setup/resources/window_layout_kit.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

using namespace layout;

constexpr int kColumnCaptionWidth = 80;
constexpr int kDescriptionCaptionWidth = 120;
constexpr int kUsableActionRows = 11;
constexpr int kActionButtonWidth = 100;

// The new-action page's row of boxes: chord + keys = action, then its description.
constexpr int kChordBoxWidth = 110;
constexpr int kOperatorWidth = 12;
constexpr int kActionBoxWidth = 130;

// The keystroke page: the capture edit's place is fixed, the rest lines up with it.
constexpr int kEditLeft = 96;
constexpr int kEditTop = 152;
constexpr int kEditWidth = 377;
constexpr int kAssignCharactersWidth = 160;

}  // namespace

void TfrmTarvex::layOutActionsTab() {
    const int listTop = kMargin + kLineStep;
    const int listWidth = TabSheet4->width() - 2 * kMargin;
    const int frame = ui::ListControl::kFrameWidth;
    const int rowsLeft = kMargin + frame;
    const int rowsRight = kMargin + listWidth - frame;
    addLabel(*TabSheet4, L"lblActionsButtonsColumn",
             {rowsLeft + kButtonsColumn, kMargin, kColumnCaptionWidth, kTextHeight},
             L"Mouse Buttons");
    addLabel(*TabSheet4, L"lblActionsKeysColumn",
             {rowsLeft + kKeysColumn, kMargin, kColumnCaptionWidth, kTextHeight}, L"Keyboard Keys");
    addLabel(*TabSheet4, L"lblActionsNameColumn",
             {rowsLeft + kActionColumn, kMargin, kColumnCaptionWidth, kTextHeight}, L"Action");
    addLabel(*TabSheet4, L"lblActionsDescriptionColumn",
             {rowsRight - kDescriptionRightGap - kDescriptionCaptionWidth, kMargin,
              kDescriptionCaptionWidth, kTextHeight},
             L"Action Description", kRightAligned);

    // Tall enough for every action a setup can hold, so the list never scrolls.
    lstbAssignedActionsMB =
        &addListBox(*TabSheet4, L"lstbAssignedActionsMB",
                    {kMargin, listTop, listWidth,
                     kUsableActionRows * ui::ListControl::kDefaultItemHeight + 2 * frame},
                    {});
    lstbAssignedActionsMB->setStyle(ui::ListStyle::OwnerDrawFixed);
    lstbAssignedActionsMB->setItemHeight(ui::ListControl::kDefaultItemHeight);

    const int buttonTop = listTop + lstbAssignedActionsMB->height() + kGap;
    const int step = kActionButtonWidth + kGap;
    btnAssignNew =
        &addButton(*TabSheet4, L"btnAssignNew",
                   {kMargin, buttonTop, kActionButtonWidth, kButtonHeight}, L"Ne&w Action");
    btnReplaceAction = &addButton(*TabSheet4, L"btnReplaceAction",
                                  {kMargin + step, buttonTop, kActionButtonWidth, kButtonHeight},
                                  L"&Replace Action");
    btnDeleteShort = &addButton(*TabSheet4, L"btnDeleteShort",
                                {kMargin + 2 * step, buttonTop, kActionButtonWidth, kButtonHeight},
                                L"&Delete Action");
    // Both act on a selected row; none is selected yet.
    btnReplaceAction->setEnabled(false);
    btnDeleteShort->setEnabled(false);
}

void TfrmTarvex::layOutNewActionPage() {
    const int fullWidth = Page8->width() - 2 * kMargin;
    addLabel(*Page8, L"lblPage8Heading", {kMargin, kHeadingTop, fullWidth, kTextHeight},
             L"To assign a new shortcut  action:", kBold);
    const wchar_t* const steps[] = {
        L"1. Choose a mouse button, or a combination of two buttons.",
        L"2. If desired, choose the shortcut keys to hold down with the buttons.",
        L"3. Choose the shortcut action.",
        L"4. Press \"Assign Action\".",
        L"5. Repeat for up to 11 actions.",
    };
    const int stepIndent = 3 * kMargin;
    int top = 36;
    int number = 1;
    for (const wchar_t* step : steps) {
        addLabel(*Page8, L"lblPage8Step" + std::to_wstring(number++),
                 {stepIndent, top, fullWidth - stepIndent, kTextHeight}, step);
        top += kLineStep;
    }

    const int captionTop = 140;
    const int boxTop = captionTop + kLineStep;
    const int keysLeft = kMargin + kChordBoxWidth + kOperatorWidth + 2;
    const int actionLeft = keysLeft + kChordBoxWidth + kOperatorWidth + 2;
    const int descriptionLeft = actionLeft + kActionBoxWidth + kGap;
    const int descriptionWidth = Page8->width() - kMargin - descriptionLeft;
    addLabel(*Page8, L"lblPage8Buttons", {kMargin, captionTop, kChordBoxWidth, kTextHeight},
             L"Mouse Buttons");
    addLabel(*Page8, L"lblPage8Keys", {keysLeft, captionTop, kChordBoxWidth, kTextHeight},
             L"Control Keys");
    addLabel(*Page8, L"lblPage8Action", {actionLeft, captionTop, kActionBoxWidth, kTextHeight},
             L"Shortcut Action");
    addLabel(*Page8, L"lblPage8Description",
             {descriptionLeft, captionTop, descriptionWidth, kTextHeight}, L"Action Description",
             kCentred);

    cmbMouseButtons =
        &addComboBox(*Page8, L"cmbMouseButtons", {kMargin, boxTop, kChordBoxWidth, kFieldHeight},
                     textsOf(kButtonChords, &CodeChoice::text));
    addLabel(*Page8, L"lblPage8Plus",
             {kMargin + kChordBoxWidth + 1, besideField(boxTop), kOperatorWidth, kTextHeight}, L"+",
             kCentred);
    cmbKeyboardKey =
        &addComboBox(*Page8, L"cmbKeyboardKey", {keysLeft, boxTop, kChordBoxWidth, kFieldHeight},
                     textsOf(kModifierChoices, &CodeChoice::text));
    addLabel(*Page8, L"lblPage8Equals",
             {keysLeft + kChordBoxWidth + 1, besideField(boxTop), kOperatorWidth, kTextHeight},
             L"=", kCentred);
    cmbAction =
        &addComboBox(*Page8, L"cmbAction", {actionLeft, boxTop, kActionBoxWidth, kFieldHeight},
                     textsOf(kOfferedActions, &OfferedAction::item));
    cmbAction->setStyle(ui::ListStyle::OwnerDrawFixed);
    cmbAction->setItemHeight(ui::ListControl::kDefaultItemHeight);
    lblCurrentDesc =
        &addLabel(*Page8, L"lblCurrentDesc",
                  {descriptionLeft, besideField(boxTop), descriptionWidth, 3 * kTextHeight},
                  kOfferedActions.front().pageDescription, kCentredWrapped);

    btnAssignAction = &addButton(
        *Page8, L"btnAssignAction",
        {alignRight(Page8->width(), kWideButtonWidth), 232, kWideButtonWidth, kButtonHeight},
        L"&Assign Action");
}

void TfrmTarvex::layOutKeystrokePage() {
    // Made first, in tab order: the hidden buttons either side of the edit catch
    // Tab and Shift+Tab.
    const Place beforeEdit{kMargin, kEditTop, kEditLeft - kGap - kMargin, kFieldHeight};
    const int afterLeft = kEditLeft + kEditWidth + kGap;
    const Place afterEdit{afterLeft, kEditTop, Page13->width() - kMargin - afterLeft, kFieldHeight};
    btnHidden1 = &addButton(*Page13, L"btnHidden1", beforeEdit, L"Invisible");
    txtActionString =
        &addEdit(*Page13, L"txtActionString", {kEditLeft, kEditTop, kEditWidth, kFieldHeight});
    btnHidden2 = &addButton(*Page13, L"btnHidden2", afterEdit, L"Invisisble");
    btnHidden1->setTabOrder(0);
    txtActionString->setTabOrder(1);
    btnHidden2->setTabOrder(2);
    // Borderless panels in the page's colour, made later so they lie on top.
    addPanel(*Page13, L"panHidden1", beforeEdit, ui::Bevel::None);
    addPanel(*Page13, L"panHidden2", afterEdit, ui::Bevel::None);

    const int fullWidth = Page13->width() - 2 * kMargin;
    addLabel(*Page13, L"lblPage13Instruction", {kMargin, 16, fullWidth, 4 * kTextHeight},
             L"To assign a sequence of key strokes to an action, type the desired sequence in the "
             L"box below. For macros that contain the Windows or Menu keys, it may be necessary "
             L"to edit the symbol string, as Windows will respond to the symbols typed.",
             kWrapped);
    addLabel(*Page13, L"lblActionString",
             {kEditLeft, kEditTop - kLineStep - 2, kEditWidth, kTextHeight},
             L"Action Character String:");
    const int editRight = kEditLeft + kEditWidth;
    btnBackspace = &addButton(
        *Page13, L"btnBackspace",
        {editRight - kButtonWidth, kEditTop + kFieldHeight + kGap, kButtonWidth, kButtonHeight},
        L"Backspace");
    btnBackspace->setHint(L"Press to delete the previous character");
    const int assignTop = 240;
    addLabel(*Page13, L"lblPage13Assign", {kEditLeft, assignTop, kEditWidth, kTextHeight},
             L"If the character string is correct, select \"Assign Characters to Action\".");
    btnPage13Assign = &addButton(*Page13, L"btnPage13Assign",
                                 {editRight - kAssignCharactersWidth, assignTop + kLineStep + 4,
                                  kAssignCharactersWidth, kButtonHeight},
                                 L"Assign Characters to Action");
}

}  // namespace setup
