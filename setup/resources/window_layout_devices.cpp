// The device list (Page1) and the device type (Page6).
#include "setup/device_list.h"
#include "setup/resources/window_layout_kit.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

using namespace layout;

constexpr int kLogoWidth = 200;
constexpr int kLogoHeight = 48;
// The type list shows all its rows without scrolling.
constexpr int kTypeListWidth = 250;

}  // namespace

void TfrmTarvex::layOutDevicePages() {
    const int fullWidth = Page1->width() - 2 * kMargin;

    addImage(*Page1, L"imgPage1Logo", {kMargin, kMargin, kLogoWidth, kLogoHeight}, L"LOGO");
    addLabel(*Page1, L"lblPage1Welcome", {kMargin, 68, fullWidth, kTextHeight},
             L"Welcome to the Orvane Mouse Setup Control Panel.", kBold);
    addLabel(*Page1, L"lblPage1Instruction", {kMargin, 88, fullWidth, 2 * kTextHeight},
             L"To setup or change the device properties double-click a device in the list, or "
             L"select a device and click \"Next\" to continue the setup.",
             kWrapped);
    const int listGroupTop = 124;
    auto& found =
        addGroupBox(*Page1, L"gpbDevicesFound",
                    {kMargin, listGroupTop, fullWidth, Page1->height() - listGroupTop - kMargin},
                    L"Devices Found:");
    lstDevicesFound = &addListBox(found, L"lstDevicesFound",
                                  {kMargin, kGroupCaption + 4, found.width() - 2 * kMargin,
                                   found.height() - kGroupCaption - 4 - kMargin},
                                  {});

    addLabel(*Page6, L"lblPage6Instruction", {kMargin, kHeadingTop, fullWidth, kTextHeight},
             L"Please select the type of device that best describes the device attached to the");
    lblPort = &addLabel(*Page6, L"lblPort", {kMargin, 28, fullWidth, kTextHeight}, L"", kBold);
    const int typeRows = static_cast<int>(kDeviceKinds.size());
    ListBox1 = &addListBox(
        *Page6, L"ListBox1",
        {kMargin, 52, kTypeListWidth,
         typeRows * ui::ListControl::kDefaultItemHeight + 2 * ui::ListControl::kFrameWidth},
        textsOf(kDeviceKinds, &DeviceKind::text));
    // The picture and what it shows stand centred in the column right of the list.
    const int columnLeft = kMargin + kTypeListWidth + 2 * kGap;
    const int columnWidth = Page6->width() - kMargin - columnLeft;
    imgPage6Mouse = &addImage(*Page6, L"imgPage6Mouse",
                              {columnLeft + (columnWidth - kDevicePicture) / 2, ListBox1->top(),
                               kDevicePicture, kDevicePicture},
                              L"");
    imgPage6Mouse->setStretch(true);
    imgPage6Mouse->setCenter(true);
    imgPage6Mouse->setTransparent(true);
    imgPage6Mouse->hide();
    const int selectedTop = imgPage6Mouse->top() + kDevicePicture + 12;
    Label26 = &addLabel(*Page6, L"Label26", {columnLeft, selectedTop, columnWidth, kTextHeight},
                        L"You have selected the", kCentred);
    lblTypeSelected = &addLabel(*Page6, L"lblTypeSelected",
                                {columnLeft, selectedTop + kLineStep, columnWidth, kTextHeight},
                                L"", kBoldCentred);
    Label27 = &addLabel(*Page6, L"Label27",
                        {columnLeft, selectedTop + 2 * kLineStep + 4, columnWidth, kTextHeight},
                        L"If this is correct click \"Next\" to continue.", kCentred);
    for (ui::Label* shownWithType : {Label26, lblTypeSelected, Label27}) {
        shownWithType->hide();
    }
}

}  // namespace setup
