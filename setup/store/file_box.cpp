#include "setup/store/file_box.h"

#include "platform/text.h"
#include "setup/resources/window_layout_kit.h"
#include "setup/store/application_store.h"

namespace setup {
namespace {

using namespace layout;

constexpr int kClientWidth = 392;
constexpr int kClientHeight = 173;
constexpr int kContentWidth = kClientWidth - 2 * kMargin;
constexpr int kBrowseWidth = 92;
constexpr int kNameTop = 64;
constexpr int kNameWidth = kContentWidth - kBrowseWidth - kGap;
constexpr int kButtonTop = kClientHeight - kMargin - kButtonHeight;

}  // namespace

TFileBox::TFileBox(ui::Application& application) : ui::Form(application, L"FileBox") {
    setNativeClassName(L"TFileBox");
    setCaption(L"Select File");
    setClientSize(kClientWidth, kClientHeight);
    setMaximizeBox(false);
    setStayOnTop(true);

    Label1 = &addLabel(*this, L"Label1", {kMargin, kMargin, kContentWidth, 2 * kTextHeight},
                       L"Select an executable program for which you want to set up special mouse "
                       L"properties.",
                       kWrapped);
    Label2 = &addLabel(*this, L"Label2", {kMargin, kNameTop - kLineStep, kNameWidth, kTextHeight},
                       L"Type the file name for the program here, OR....");
    txtSpecialApp =
        &addEdit(*this, L"txtSpecialApp", {kMargin, kNameTop, kNameWidth, kFieldHeight});
    txtSpecialApp->setMaxLength(kLongestName);
    Button1 =
        &addButton(*this, L"Button1",
                   {alignRight(kClientWidth, kBrowseWidth),
                    kNameTop - (kButtonHeight - kFieldHeight) / 2, kBrowseWidth, kButtonHeight},
                   L"&Browse...");
    const int cancelLeft = alignRight(kClientWidth, kButtonWidth);
    btnOK = &addButton(*this, L"btnOK",
                       {cancelLeft - kGap - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight},
                       L"OK");
    btnOK->setDefault(true);
    btnOK->setEnabled(false);
    btnCancel = &addButton(*this, L"btnCancel",
                           {cancelLeft, kButtonTop, kButtonWidth, kButtonHeight}, L"Cancel");
    btnCancel->setCancel(true);

    txtSpecialApp->onChange = [this](ui::Control& sender) { txtSpecialAppChange(sender); };
    btnOK->onClick = [this](ui::Control& sender) { btnOKClick(sender); };
    btnCancel->onClick = [this](ui::Control& sender) { btnCancelClick(sender); };
    Button1->onClick = [this](ui::Control& sender) { Button1Click(sender); };
    setActiveControl(txtSpecialApp);
}

void TFileBox::txtSpecialAppChange(ui::Control&) {
    // A folder alone names no program: there is nothing to store.
    btnOK->setEnabled(!applicationNameFrom(txtSpecialApp->text()).empty());
}

void TFileBox::btnOKClick(ui::Control&) {
    txtSpecialApp->setText(platform::trim(txtSpecialApp->text()));
    setModalResult(ui::kModalOk);
}

void TFileBox::btnCancelClick(ui::Control&) {
    setModalResult(ui::kModalCancel);
}

void TFileBox::Button1Click(ui::Control&) {
    setModalResult(kBrowseResult);
}

}  // namespace setup
