// The pages at the two ends of the wizard: welcome (Page18), several devices
// (Page11), finish (Page12) with the help page it leads to (Page4), and the
// driver information page (Page2).
#include "setup/resources/window_layout_kit.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

using namespace layout;

// A picture in a raised panel: the panel's edge and a line of face colour around it.
constexpr int kPictureFrame = 2;
constexpr int kWelcomeWidth = 160;
constexpr int kWelcomeHeight = 240;
constexpr int kTitleFontSize = 12;
constexpr int kTitleHeight = 20;
constexpr int kLogoWidth = 200;
constexpr int kLogoHeight = 48;
constexpr int kAdapterWidth = 160;
constexpr int kAdapterHeight = 96;

// The finish animation: a window-coloured door slides right off the picture
// behind it, which then walks down. The text keeps left of that path.
constexpr Place kDoor{392, 120, 67, 85};
constexpr int kHedgeLeft = 393;
constexpr int kTextBesideDoorWidth = kDoor.left - 2 * kMargin;
constexpr int kFinishButtonWidth = 110;
constexpr int kFinishCaptionWidth = 250;

constexpr int kAboutCaptionWidth = 120;

// picture gives the picture's own place; the panel stands around it.
ui::Panel& addFramedPicture(ui::Control& parent, const std::wstring& panelName,
                            const std::wstring& imageName, Place picture,
                            const std::wstring& resource) {
    auto& frame = addPanel(parent, panelName,
                           {picture.left - kPictureFrame, picture.top - kPictureFrame,
                            picture.width + 2 * kPictureFrame, picture.height + 2 * kPictureFrame},
                           ui::Bevel::Raised);
    addImage(frame, imageName, {kPictureFrame, kPictureFrame, picture.width, picture.height},
             resource);
    return frame;
}

}  // namespace

void TfrmTarvex::layOutWelcomePage() {
    const int pictureLeft = 3 * kMargin;
    const int pictureTop = (Page18->height() - kWelcomeHeight) / 2;
    addFramedPicture(*Page18, L"panWelcome", L"imgWelcome",
                     {pictureLeft, pictureTop, kWelcomeWidth, kWelcomeHeight}, L"WELCOME");
    const int textLeft = pictureLeft + kWelcomeWidth + 4 * kMargin;
    const int textWidth = Page18->width() - kMargin - textLeft;
    auto& title =
        addLabel(*Page18, L"lblWelcomeTitle", {textLeft, pictureTop + 48, textWidth, kTitleHeight},
                 L"Mouse Properties Control Panel", kBold);
    ui::Font titleFont = title.font();
    titleFont.size = kTitleFontSize;
    title.setFont(titleFont);
    addLabel(*Page18, L"lblPage18Continue",
             {textLeft, pictureTop + kWelcomeHeight - kTextHeight, textWidth, kTextHeight},
             L"Click Next to continue");
}

void TfrmTarvex::layOutFinishPages() {
    const int fullWidth = Page11->width() - 2 * kMargin;
    addLabel(*Page11, L"lblPage11Found", {kMargin, 24, fullWidth, 2 * kTextHeight},
             L"More than one pointing device was found on this system. Devices are automatically "
             L"set to default values.",
             kWrapped);
    btnPage11Yes = &addButton(*Page11, L"btnPage11Yes",
                              {3 * kMargin, 72, kButtonWidth, kButtonHeight}, L"&Setup");
    addLabel(*Page11, L"lblPage11Alternate",
             {3 * kMargin + kButtonWidth + kGap, besideButton(72), 300, kTextHeight},
             L"Alternate pointing devices");
    addLabel(*Page11, L"lblPage11Note",
             {kMargin, Page11->height() - kMargin - 2 * kTextHeight, fullWidth, 2 * kTextHeight},
             L"NOTE:  Pointing devices can be customized at any time by running this setup "
             L"program from the control panel.",
             kWrapped);

    addLabel(*Page12, L"lblPage12Complete", {kMargin, kHeadingTop, fullWidth, 3 * kTextHeight},
             L"The setup of your pointing device is now complete. You may return to this setup "
             L"program by selecting Mouse Properties from the Windows Control Panel or you can "
             L"access this program by double-clicking the mouse icon in the Windows Tray.",
             kWrapped);
    addLabel(*Page12, L"lblPage12Thanks", {kMargin, 60, fullWidth, kTextHeight},
             L"Thank you for choosing an Orvane pointing device.");
    NoIconInTray = &addCheckBox(*Page12, L"NoIconInTray", {kMargin, 84, 300, kCheckHeight},
                                L"Don't show the mouse icon in the Windows Tray");
    const int buttonLeft = kMargin + kFinishCaptionWidth + kGap;
    const int aboutTop = 128;
    const int multipleTop = aboutTop + kButtonHeight + 2 * kGap;
    addLabel(*Page12, L"lblPage12About",
             {kMargin, besideButton(aboutTop), kFinishCaptionWidth, kTextHeight},
             L"For more information about this driver");
    Button1 =
        &addButton(*Page12, L"Button1", {buttonLeft, aboutTop, kFinishButtonWidth, kButtonHeight},
                   L"&About Driver");
    addLabel(*Page12, L"lblPage12Multiple",
             {kMargin, multipleTop - 1, kFinishCaptionWidth, 2 * kTextHeight},
             L"To find out how to add more pointing devices to your system", kWrapped);
    Button2 = &addButton(*Page12, L"Button2",
                         {buttonLeft, multipleTop, kFinishButtonWidth, kButtonHeight},
                         L"&Multiple Devices");
    addLabel(*Page12, L"lblPage12Finish",
             {kMargin, Page12->height() - kMargin - kTextHeight - kGap, kTextBesideDoorWidth,
              kTextHeight},
             L"Click Finish to end the setup program.");
    // The picture starts narrowed to nothing behind the door, which is made
    // later so that it lies on top.
    imgHedge =
        &addImage(*Page12, L"imgHedge", {kHedgeLeft, kDoor.top, 0, kDoor.height}, L"HW1.BMP");
    imgHedge->setTransparent(true);
    shpDoor = &Page12->add<ui::Shape>(L"shpDoor");
    shpDoor->setBounds(kDoor.left, kDoor.top, kDoor.width, kDoor.height);
    shpDoor->setBrushColor(ui::kWindowColor);
    shpDoor->setPenStyle(ui::PenStyle::Clear);

    addLabel(*Page4, L"lblPage4Heading", {kMargin, kHeadingTop, fullWidth, kTextHeight},
             L"How to add multiple pointing devices...", kBold);
    addLabel(*Page4, L"lblPage4Serial", {kMargin, 40, fullWidth, kTextHeight},
             L"An additional mouse can be connected to an available serial port.");
    addLabel(*Page4, L"lblPage4Adapter", {kMargin, 64, fullWidth, 3 * kTextHeight},
             L"When no serial port can be used, an external adapter lets more than one pointing "
             L"device work on a single port. Adapters are available for serial ports and for "
             L"PS/2 ports.",
             kWrapped);
    addLabel(*Page4, L"lblPage4WebSite", {kMargin, 112, fullWidth, kTextHeight},
             L"The adapter maker's web site describes the adapters and how to connect them.");
    addImage(*Page4, L"imgAdapter",
             {(Page4->width() - kAdapterWidth) / 2, 144, kAdapterWidth, kAdapterHeight},
             L"ADAPTER");
}

void TfrmTarvex::layOutAboutPage() {
    panLogo = &addFramedPicture(
        *Page2, L"panLogo", L"imgLogo",
        {(Page2->width() - kLogoWidth) / 2, 3 * kMargin, kLogoWidth, kLogoHeight}, L"LOGO");

    struct Row {
        const wchar_t* captionName;
        const wchar_t* caption;
        ui::Label** value;
        const wchar_t* valueName;
    };
    const Row rows[] = {
        {L"Label8", L"Driver:", &lblDriver, L"lblDriver"},
        {L"Label9", L"Dynamic Library:", &lblDLLname, L"lblDLLname"},
        {L"Label10", L"Control Panel:", &lblControlPanel, L"lblControlPanel"},
        {L"Label11", L"Operating System:", &lblOS, L"lblOS"},
    };
    const int captionLeft = 96;
    const int valueLeft = captionLeft + kAboutCaptionWidth + kGap;
    int top = 112;
    for (const Row& row : rows) {
        addLabel(*Page2, row.captionName, {captionLeft, top, kAboutCaptionWidth, kTextHeight},
                 row.caption, kRightAligned);
        *row.value =
            &addLabel(*Page2, row.valueName,
                      {valueLeft, top, Page2->width() - kMargin - valueLeft, kTextHeight}, L"");
        top += 2 * kLineStep;
    }
}

}  // namespace setup
