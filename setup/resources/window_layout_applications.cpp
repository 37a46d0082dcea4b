// The per-application pages: the offer to customize applications (Page9), the
// application list (Page10) and the program-file browser (Page14).
#include "setup/resources/window_layout_kit.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

using namespace layout;

constexpr int kOfferButtonWidth = 150;
// The list shows "{general applications}" and the ten named ones without scrolling.
constexpr int kApplicationRows = 11;
constexpr int kApplicationListWidth = 300;

}  // namespace

void TfrmTarvex::layOutApplicationPages() {
    const int fullWidth = Page9->width() - 2 * kMargin;
    addLabel(*Page9, L"lblPage9Explanation", {kMargin, 24, fullWidth, 3 * kTextHeight},
             L"This mouse driver allows a pointing device to be customized for different "
             L"applications (programs). It is possible to change the properties on the previous "
             L"page so that the pointing device performs differently in the selected application.",
             kWrapped);
    addLabel(*Page9, L"lblPage9Instruction", {kMargin, 80, fullWidth, 2 * kTextHeight},
             L"Click the Customize Applications button in order to setup specialized mouse "
             L"settings for different applications.",
             kWrapped);
    btnPage9Yes = &addButton(
        *Page9, L"btnPage9Yes",
        {(Page9->width() - kOfferButtonWidth) / 2, 128, kOfferButtonWidth, kButtonHeight},
        L"&Customize Applications");

    Label66 = &addLabel(*Page10, L"Label66", {kMargin, kHeadingTop, fullWidth, kTextHeight},
                        L"Choose an application to set up for the pointing device", kBold);
    addLabel(*Page10, L"lblPage10Instruction", {kMargin, 36, fullWidth, kTextHeight},
             L"Double-click an application, or select one and click \"Next\" to set it up.");
    const int listTop = 68;
    lstbSpecialApplications = &addListBox(
        *Page10, L"lstbSpecialApplications",
        {kMargin, listTop, kApplicationListWidth,
         kApplicationRows * ui::ListControl::kDefaultItemHeight + 2 * ui::ListControl::kFrameWidth},
        {});
    // A program's name may be far wider than the list.
    lstbSpecialApplications->setHorizontalScroll(true);
    const int buttonLeft = kMargin + kApplicationListWidth + kGap;
    btnPage10Browse = &addButton(*Page10, L"btnPage10Browse",
                                 {buttonLeft, listTop, kButtonWidth, kButtonHeight}, L"&Add New");
    btnPage10Delete = &addButton(
        *Page10, L"btnPage10Delete",
        {buttonLeft, listTop + kButtonHeight + kGap, kButtonWidth, kButtonHeight}, L"&Delete");
    // It deletes the selected application; none is selected yet.
    btnPage10Delete->setEnabled(false);

    addLabel(*Page14, L"lblPage14Heading", {kMargin, kHeadingTop, fullWidth, kTextHeight},
             L"Select Application:", kBold);
    addLabel(*Page14, L"lblPage14Instruction", {kMargin, 32, fullWidth, kTextHeight},
             L"Double-click the program file for which you want special mouse settings.");
    const int browserTop = 56;
    const auto browser =
        addFileBrowser(*Page14, services_.files,
                       {L"dcbSpecialApplication", L"dlbSpecialApplication",
                        L"flbSpecialApplication", L"fcbSpecialApplication", L"Page14"},
                       {kMargin, browserTop, fullWidth, Page14->height() - kMargin - browserTop},
                       L"Executable  files (*.EXE)|*.EXE");
    dcbSpecialApplication = &browser.drives;
    dlbSpecialApplication = &browser.directories;
    flbSpecialApplication = &browser.files;
    fcbSpecialApplication = &browser.filter;
}

}  // namespace setup
