// The Pointers tab, the cursor-file page (Page15) and the save-scheme page (Page16).
#include "setup/pointer/scheme_value.h"
#include "setup/resources/window_layout_kit.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

using namespace layout;

constexpr int kSchemeBoxWidth = 300;
constexpr int kPointerListWidth = 320;
// A preview panel holds one cursor with room around it.
constexpr int kTabPreviewSize = 72;
constexpr int kPagePreviewSize = 96;
constexpr int kBrowserWidth = 400;

}  // namespace

void TfrmTarvex::layOutPointersTab() {
    const int sheetWidth = TabSheet3->width();
    gpbScheme = &addGroupBox(*TabSheet3, L"gpbScheme", {kMargin, 4, sheetWidth - 2 * kMargin, 50},
                             L"Scheme");
    const int schemeRowTop = kGroupCaption + 3;
    cmbScheme =
        &addComboBox(*gpbScheme, L"cmbScheme",
                     {kGroupInset, schemeRowTop + 2, kSchemeBoxWidth, kFieldHeight}, {L"[none]"});
    btnSaveScheme = &addButton(*gpbScheme, L"btnSaveScheme",
                               {alignRight(gpbScheme->width(), kButtonWidth) - 4, schemeRowTop,
                                kButtonWidth, kButtonHeight},
                               L"Sa&ve As");

    const int listTop = gpbScheme->top() + gpbScheme->height() + kGap;
    lstPointers =
        &addListBox(*TabSheet3, L"lstPointers",
                    {kMargin, listTop, kPointerListWidth, TabSheet3->height() - kMargin - listTop},
                    textsOf(kPointerRoleTable, &PointerRole::name));
    lstPointers->setStyle(ui::ListStyle::OwnerDrawVariable);

    const int previewLeft = kMargin + kPointerListWidth + kGap;
    Label48 = &addLabel(*TabSheet3, L"Label48",
                        {previewLeft, listTop, kTabPreviewSize, kTextHeight}, L"Preview");
    Panel2 = &addPanel(*TabSheet3, L"Panel2",
                       {previewLeft, listTop + kLineStep, kTabPreviewSize, kTabPreviewSize},
                       ui::Bevel::Lowered);
    const int buttonLeft = previewLeft + kTabPreviewSize + kGap;
    const int buttonWidth = sheetWidth - kMargin - buttonLeft;
    btnUseDefaultPoint =
        &addButton(*TabSheet3, L"btnUseDefaultPoint",
                   {buttonLeft, Panel2->top(), buttonWidth, kButtonHeight}, L"Use &Default");
    btnBrowsePointers = &addButton(
        *TabSheet3, L"btnBrowsePointers",
        {buttonLeft, Panel2->top() + kButtonHeight + kGap, buttonWidth, kButtonHeight}, L"B&rowse");
}

void TfrmTarvex::layOutCursorFilePages() {
    const int fullWidth = Page15->width() - 2 * kMargin;
    addLabel(*Page15, L"Label82", {kMargin, kHeadingTop, fullWidth, kTextHeight}, L"Load Cursor:",
             kBold);
    addLabel(*Page15, L"Label49", {kMargin, 32, fullWidth, kTextHeight},
             L"DoubleClick on the cursor file you want to load");
    const int browserTop = 56;
    const auto browser = addFileBrowser(
        *Page15, services_.files,
        {L"dcbMouseCursors", L"dlbMouseCursors", L"flbMouseCursors", L"FilterComboBox2", L"Page15"},
        {kMargin, browserTop, kBrowserWidth, Page15->height() - kMargin - browserTop},
        L"Cursor Files (*.CUR, *.ANI)|*.CUR; *.ANI|All Files (*.*)|*.*");
    dcbMouseCursors = &browser.drives;
    dlbMouseCursors = &browser.directories;
    flbMouseCursors = &browser.files;
    FilterComboBox2 = &browser.filter;
    const int previewLeft = kMargin + kBrowserWidth + 2 * kGap;
    addLabel(*Page15, L"Label83", {previewLeft, browserTop, kPagePreviewSize, kTextHeight},
             L"Preview");
    Panel3 = &addPanel(*Page15, L"Panel3",
                       {previewLeft, browserTop + kLineStep, kPagePreviewSize, kPagePreviewSize},
                       ui::Bevel::Lowered);

    addLabel(*Page16, L"Label85", {kMargin, kHeadingTop, fullWidth, kTextHeight},
             L"Save Pointer Scheme:", kBold);
    addLabel(*Page16, L"Label86", {kMargin, 40, fullWidth, kTextHeight},
             L"This will allow you to save your own customized Pointer Scheme.");
    addLabel(
        *Page16, L"Label87", {kMargin, 64, fullWidth, kTextHeight},
        L"Simply type the name you want to save your current scheme as into the text box below");
    addLabel(*Page16, L"Label88", {kMargin, 64 + kLineStep, fullWidth, kTextHeight},
             L"and click on the Save button.");
    const int nameTop = 136;
    addLabel(*Page16, L"Label84", {kMargin, nameTop - kLineStep - 2, kSchemeBoxWidth, kTextHeight},
             L"Save the current Mouse Pointer Scheme as:");
    editPointerSchemeSave = &addEdit(*Page16, L"editPointerSchemeSave",
                                     {kMargin, nameTop, kSchemeBoxWidth, kFieldHeight});
    btnSavePointerScheme = &addButton(
        *Page16, L"btnSavePointerScheme",
        {kMargin + kSchemeBoxWidth + kGap, nameTop - 2, kButtonWidth, kButtonHeight}, L"&Save");
    btnSavePointerScheme->setDefault(true);
}

}  // namespace setup
