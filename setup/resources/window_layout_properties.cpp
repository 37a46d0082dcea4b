// The property page (Page7): which device and application are edited, the
// tabs of PageControl2, and Apply and Cancel. This file lays out the Motion,
// Buttons and Scrolling tabs; the Actions and Pointers tabs have their own.
#include <string>
#include <vector>

#include "setup/resources/window_layout_kit.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

using namespace layout;

constexpr int kTabsTop = 40;
// The small arrow buttons either side of the speed bar.
constexpr int kArrowButtonWidth = 28;
constexpr int kArrowButtonHeight = 24;
// The trail picture and the captions at the ends of a track bar.
constexpr int kTrailsWidth = 96;
constexpr int kTrailsHeight = 48;
constexpr int kEndCaptionWidth = 30;
// The rows of button positions.
constexpr int kPositionRowStep = 30;
constexpr int kPositionComboWidth = 120;
constexpr int kRowNumberWidth = 12;
// The scroll-test list counts this far between its "Begin" and "End" rows.
constexpr int kScrollTestCount = 41;

std::vector<std::wstring> scrollTestItems() {
    std::vector<std::wstring> items{L"Begin", L"List"};
    for (int row = 1; row <= kScrollTestCount; ++row) {
        items.push_back(std::to_wstring(row));
    }
    items.insert(items.end(), {L"End", L"List"});
    return items;
}

struct SpeedCaptions {
    ui::Label* slow;
    ui::Label* fast;
};

// "Slow" and "Fast" just under the two ends of a speed bar.
SpeedCaptions addSpeedCaptions(ui::Control& parent, const ui::TrackBar& bar,
                               const std::wstring& slowName, const std::wstring& fastName) {
    const int top = bar.top() + bar.height();
    return {
        &addLabel(parent, slowName, {bar.left(), top, kEndCaptionWidth, kTextHeight}, L"Slow"),
        &addLabel(parent, fastName,
                  {bar.left() + bar.width() - kEndCaptionWidth, top, kEndCaptionWidth, kTextHeight},
                  L"Fast", kRightAligned)};
}

}  // namespace

void TfrmTarvex::layOutPropertyPage() {
    const int fullWidth = Page7->width() - 2 * kMargin;
    lblDeviceSelected1 =
        &addLabel(*Page7, L"lblDeviceSelected1", {kMargin, 6, fullWidth, kTextHeight}, L"", kBold);
    lblAppPage7 = &addLabel(*Page7, L"lblAppPage7", {kMargin, 22, fullWidth, kTextHeight}, L"");
    // The application's name may be far wider than the window.
    lblAppPage7->setEndEllipsis(true);

    const int buttonTop = Page7->height() - kMargin - kButtonHeight;
    PageControl2 = &Page7->add<ui::PageControl>(L"PageControl2");
    PageControl2->setBounds(kMargin, kTabsTop, fullWidth, buttonTop - kGap - kTabsTop);
    TabSheet1 = &PageControl2->addPage(L"TabSheet1", L"Motion");
    TabSheet2 = &PageControl2->addPage(L"TabSheet2", L"Buttons");
    TabSheet3 = &PageControl2->addPage(L"TabSheet3", L"Pointers");
    TabSheet4 = &PageControl2->addPage(L"TabSheet4", L"Actions");
    TabSheet5 = &PageControl2->addPage(L"TabSheet5", L"Scrolling");
    PageControl2->setActivePage(*TabSheet1);

    const int applyLeft = alignRight(Page7->width(), kButtonWidth);
    btnCancel = &addButton(
        *Page7, L"btnCancel",
        {applyLeft - kGap - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight}, L"&Cancel");
    btnApply = &addButton(*Page7, L"btnApply", {applyLeft, buttonTop, kButtonWidth, kButtonHeight},
                          L"&Apply");
    // Nothing is loaded yet, so there is nothing to apply.
    btnApply->setEnabled(false);

    layOutMotionTab();
    layOutButtonsTab();
    layOutPointersTab();
    layOutActionsTab();
    layOutScrollingTab();
}

void TfrmTarvex::layOutMotionTab() {
    const int sheetWidth = TabSheet1->width();
    gpbCursorSpeed =
        &addGroupBox(*TabSheet1, L"gpbCursorSpeed",
                     {kMargin, kMargin, sheetWidth - 2 * kMargin, 84}, L"Cursor Speed");
    const int groupWidth = gpbCursorSpeed->width();
    Label76 = &addLabel(*gpbCursorSpeed, L"Label76", {kGroupInset, 20, 200, kTextHeight},
                        L"Mouse Cursor Speed");
    const int arrowTop = 42;
    btnMouseSpeedDown =
        &addButton(*gpbCursorSpeed, L"btnMouseSpeedDown",
                   {kGroupInset, arrowTop, kArrowButtonWidth, kArrowButtonHeight}, L"<-");
    const int barLeft = kGroupInset + kArrowButtonWidth + 4;
    const int upLeft = groupWidth - kGroupInset - kArrowButtonWidth;
    trbHorizontalSpeed =
        &addTrackBar(*gpbCursorSpeed, L"trbHorizontalSpeed",
                     {barLeft, 38, upLeft - 4 - barLeft, kTrackHeight}, {1, 13, 1});
    btnMouseSpeedUp = &addButton(*gpbCursorSpeed, L"btnMouseSpeedUp",
                                 {upLeft, arrowTop, kArrowButtonWidth, kArrowButtonHeight}, L"->");
    btnMouseSpeedDown->setFontBold(true);
    btnMouseSpeedUp->setFontBold(true);

    const int lowerTop = gpbCursorSpeed->top() + gpbCursorSpeed->height() + kGap;
    const int lowerHeight = TabSheet1->height() - kMargin - lowerTop;
    rgbAccel = &TabSheet1->add<ui::RadioGroup>(L"rgbAccel");
    rgbAccel->setBounds(kMargin, lowerTop, 150, lowerHeight);
    rgbAccel->setCaption(L"Acceleration");
    rgbAccel->setItems({L"None", L"Low", L"Medium", L"High"});

    const int trailsLeft = rgbAccel->left() + rgbAccel->width() + kGap;
    gpbShowTrails = &addGroupBox(
        *TabSheet1, L"gpbShowTrails",
        {trailsLeft, lowerTop, sheetWidth - kMargin - trailsLeft, lowerHeight}, L"Show Trails");
    imgShowTrails =
        &addImage(*gpbShowTrails, L"imgShowTrails",
                  {kGroupInset, kGroupCaption + 4, kTrailsWidth, kTrailsHeight}, L"TRAILS");
    chkShowTrails =
        &addCheckBox(*gpbShowTrails, L"chkShowTrails",
                     {kGroupInset + kTrailsWidth + 16, 36, 120, kCheckHeight}, L"Show Trails");
    const int barTop = 80;
    const int trailBarLeft = kGroupInset + kEndCaptionWidth + 4;
    const int longLeft = gpbShowTrails->width() - kGroupInset - kEndCaptionWidth;
    Label80 = &addLabel(*gpbShowTrails, L"Label80",
                        {kGroupInset, barTop + 6, kEndCaptionWidth, kTextHeight}, L"Short",
                        kRightAligned);
    trbTrailLength =
        &addTrackBar(*gpbShowTrails, L"trbTrailLength",
                     {trailBarLeft, barTop, longLeft - 4 - trailBarLeft, kTrackHeight}, {1, 10, 5});
    Label81 = &addLabel(*gpbShowTrails, L"Label81",
                        {longLeft, barTop + 6, kEndCaptionWidth, kTextHeight}, L"Long");
}

void TfrmTarvex::layOutButtonsTab() {
    const int sheetHeight = TabSheet2->height();
    gpbButtonPosition =
        &addGroupBox(*TabSheet2, L"gpbButtonPosition",
                     {kMargin, kMargin, 300, sheetHeight - 2 * kMargin}, L"Button Position");
    const std::vector<std::wstring> positions{L"Primary", L"Secondary", L"Aux1", L"Aux 2"};
    const std::vector<std::wstring> secondRowPositions{L"Primary", L"Secondary", L"Aux1", L"Aux2"};
    struct Row {
        ui::Label** number;
        const wchar_t* numberName;
        const wchar_t* numberText;
        ui::ComboBox** box;
        const wchar_t* boxName;
        const std::vector<std::wstring>& items;
    };
    const Row rows[] = {
        {&Label31, L"Label31", L"1", &cmbPos1, L"cmbPos1", positions},
        {&Label32, L"Label32", L"2", &cmbPos2, L"cmbPos2", secondRowPositions},
        {&Label33, L"Label33", L"3", &cmbPos3, L"cmbPos3", positions},
        {&Label34, L"Label34", L"4", &cmbPos4, L"cmbPos4", positions},
    };
    const int comboLeft = 16 + kRowNumberWidth + 4;
    int top = kGroupCaption + 8;
    for (const Row& row : rows) {
        *row.number =
            &addLabel(*gpbButtonPosition, row.numberName,
                      {16, besideField(top), kRowNumberWidth, kTextHeight}, row.numberText, kBold);
        *row.box = &addComboBox(*gpbButtonPosition, row.boxName,
                                {comboLeft, top, kPositionComboWidth, kFieldHeight}, row.items);
        top += kPositionRowStep;
    }
    // A two-button device numbers the third row "2".
    Label4 =
        &addLabel(*gpbButtonPosition, L"Label4",
                  {Label33->left(), Label33->top(), kRowNumberWidth, kTextHeight}, L"2", kBold);
    Label4->hide();
    const int pictureLeft = comboLeft + kPositionComboWidth + kGap;
    imgCurrentMouse = &addImage(
        *gpbButtonPosition, L"imgCurrentMouse",
        {pictureLeft, kGroupCaption + 4, gpbButtonPosition->width() - kMargin - pictureLeft,
         gpbButtonPosition->height() - kGroupCaption - 4 - kMargin},
        L"");
    imgCurrentMouse->setCenter(true);

    const int speedLeft = gpbButtonPosition->left() + gpbButtonPosition->width() + kGap;
    gpbDblClickSpeed = &addGroupBox(
        *TabSheet2, L"gpbDblClickSpeed",
        {speedLeft, kMargin, TabSheet2->width() - kMargin - speedLeft, gpbButtonPosition->height()},
        L"Double Click Speed");
    const int groupWidth = gpbDblClickSpeed->width();
    trbDblClickSpeed = &addTrackBar(
        *gpbDblClickSpeed, L"trbDblClickSpeed",
        {kMargin, kGroupCaption + 8, groupWidth - 2 * kMargin, kTrackHeight}, {1, 10, 5});
    const auto speedCaptions =
        addSpeedCaptions(*gpbDblClickSpeed, *trbDblClickSpeed, L"Label35", L"Label36");
    Label35 = speedCaptions.slow;
    Label36 = speedCaptions.fast;
    const int testCaptionWidth = 24;
    const int testLeft = (groupWidth - (kTestPicture + kGap + testCaptionWidth)) / 2;
    const int testTop = 112;
    imgDblClk1 = &addImage(*gpbDblClickSpeed, L"imgDblClk1",
                           {testLeft, testTop, kTestPicture, kTestPicture}, L"DBCLICK1");
    Label37 = &addLabel(*gpbDblClickSpeed, L"Label37",
                        {testLeft + kTestPicture + kGap, testTop + (kTestPicture - kTextHeight) / 2,
                         testCaptionWidth, kTextHeight},
                        L"Test");
}

void TfrmTarvex::layOutScrollingTab() {
    const int columnWidth = 240;
    const int textWidth = columnWidth - 2 * kMargin;
    gpbSwiftScroll = &addGroupBox(*TabSheet5, L"gpbSwiftScroll",
                                  {kMargin, kMargin, columnWidth, 68}, L"Swift Scroll");
    addLabel(*gpbSwiftScroll, L"lblSwiftScrollInfo",
             {kMargin, kGroupCaption + 4, textWidth, 3 * kTextHeight},
             L"Swift Scroll is a button controlled software scrolling method. To use this function "
             L"one shortcut action must be the \"Swift Scroll.\"",
             kWrapped);

    const int rockTop = gpbSwiftScroll->top() + gpbSwiftScroll->height() + kGap;
    gpbRockScroll =
        &addGroupBox(*TabSheet5, L"gpbRockScroll",
                     {kMargin, rockTop, columnWidth, TabSheet5->height() - kMargin - rockTop},
                     L"Rock && Scroll");
    addLabel(*gpbRockScroll, L"lblRockScrollInfo",
             {kMargin, kGroupCaption + 4, textWidth, 3 * kTextHeight},
             L"This property sets the speed of the built in Scrolling device. It is only availble "
             L"on devices with the built in mechanism.",
             kWrapped);
    addLabel(*gpbRockScroll, L"lblRockScrollSpeed", {kMargin, 66, textWidth, kTextHeight},
             L"Rocker Scroll Speed");
    trbRockScroll = &addTrackBar(*gpbRockScroll, L"trbRockScroll",
                                 {kMargin, 82, textWidth, kTrackHeight}, {0, 10, 5});
    addSpeedCaptions(*gpbRockScroll, *trbRockScroll, L"lblRockScrollSlow", L"lblRockScrollFast");
    // Only devices with a built-in scroller could use it: the whole group stays grey.
    gpbRockScroll->setEnabled(false);
    for (ui::Control* part : gpbRockScroll->children()) {
        part->setEnabled(false);
    }

    const int testLeft = kMargin + columnWidth + kGap;
    gpbScrollTest = &addGroupBox(*TabSheet5, L"gpbScrollTest",
                                 {testLeft, kMargin, TabSheet5->width() - kMargin - testLeft,
                                  TabSheet5->height() - 2 * kMargin},
                                 L"Scroll Test");
    lstbScrollTest = &addListBox(*gpbScrollTest, L"lstbScrollTest",
                                 {kMargin, kGroupCaption + 4, gpbScrollTest->width() - 2 * kMargin,
                                  gpbScrollTest->height() - kGroupCaption - 4 - kMargin},
                                 scrollTestItems());
}

}  // namespace setup
