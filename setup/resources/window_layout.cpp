// The main window's frame: the wizard's pages above a button bar, and its two
// timers. Each page's controls are laid out in the window_layout_*.cpp files.
#include "setup/resources/window_layout_kit.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

using namespace layout;

constexpr int kButtonBarHeight = 41;
// Both timers step an animation ten times a second and wait to be started.
constexpr int kAnimationInterval = 100;

}  // namespace

void TfrmTarvex::buildWindowLayout() {
    PageControl1 = &add<ui::PageControl>(L"PageControl1");
    PageControl1->setBounds(0, 0, width(), height() - kButtonBarHeight);
    PageControl1->setTabsVisible(false);
    // With its tabs hidden it has nothing to show the focus on: Tab passes it by.
    PageControl1->setTabStop(false);
    // The program switches pages by pointer; this is merely the order they are made in.
    Page18 = &PageControl1->addPage(L"Page18");
    Page1 = &PageControl1->addPage(L"Page1");
    Page6 = &PageControl1->addPage(L"Page6");
    Page7 = &PageControl1->addPage(L"Page7");
    Page8 = &PageControl1->addPage(L"Page8");
    Page9 = &PageControl1->addPage(L"Page9");
    Page10 = &PageControl1->addPage(L"Page10");
    Page11 = &PageControl1->addPage(L"Page11");
    Page12 = &PageControl1->addPage(L"Page12");
    Page2 = &PageControl1->addPage(L"Page2");
    Page4 = &PageControl1->addPage(L"Page4");
    Page13 = &PageControl1->addPage(L"Page13");
    Page14 = &PageControl1->addPage(L"Page14");
    Page15 = &PageControl1->addPage(L"Page15");
    Page16 = &PageControl1->addPage(L"Page16");

    layOutWelcomePage();
    layOutDevicePages();
    layOutPropertyPage();
    layOutNewActionPage();
    layOutApplicationPages();
    layOutFinishPages();
    layOutAboutPage();
    layOutKeystrokePage();
    layOutCursorFilePages();
    layOutButtonBar();

    const auto addAnimationTimer = [this](const wchar_t* name) {
        ui::Timer& timer = addTimer(name);
        timer.setInterval(kAnimationInterval);
        timer.setEnabled(false);
        return &timer;
    };
    Timer1 = addAnimationTimer(L"Timer1");
    Timer2 = addAnimationTimer(L"Timer2");
}

void TfrmTarvex::layOutButtonBar() {
    panButton =
        &addPanel(*this, L"panButton", {0, height() - kButtonBarHeight, width(), kButtonBarHeight},
                  ui::Bevel::Raised);
    const int top = (kButtonBarHeight - kButtonHeight) / 2;
    const int nextLeft = alignRight(width(), kButtonWidth);
    // Help sits apart on the left, as wizards place it; it is never shown.
    btnHelp =
        &addButton(*panButton, L"btnHelp", {kMargin, top, kButtonWidth, kButtonHeight}, L"&Help");
    btnHelp->hide();
    btnBack =
        &addButton(*panButton, L"btnBack",
                   {nextLeft - kGap - kButtonWidth, top, kButtonWidth, kButtonHeight}, L"<- &Back");
    btnBack->hide();
    btnBack->setEnabled(false);
    btnNext = &addButton(*panButton, L"btnNext", {nextLeft, top, kButtonWidth, kButtonHeight},
                         L"&Next ->");
}

}  // namespace setup
