// Moving between the wizard's pages with Next and Back, and leaving the
// program by Cancel or by closing the window.
#include "platform/text.h"
#include "setup/messages.h"
#include "setup/store/property_record.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

const std::wstring kNextCaption = L"&Next ->";
const std::wstring kFinishCaption = L"&Finish";
// Back from the finish page leaves the caption without its blank.
const std::wstring kNextAfterFinishCaption = L"&Next->";
// The letter B: Alt+B, Back's accelerator, typed into the keystroke page.
constexpr int kLetterB = 66;

std::wstring changesQuestion(const std::wstring& subject) {
    const bool general = subject.empty() || platform::toUpper(subject) == kGeneral;
    return (general ? std::wstring(L"Previous mouse setup changes ")
                    : L"Mouse setup changes for " + subject + L" ") +
           L"will be lost if they are\nnot applied. Apply changes before continuing?";
}

}  // namespace

void TfrmTarvex::bindWizardHandlers() {
    btnNext->onClick = handler(&TfrmTarvex::btnNextClick);
    btnBack->onClick = handler(&TfrmTarvex::btnBackClick);
    btnCancel->onClick = handler(&TfrmTarvex::btnCancelClick);
    btnPage9Yes->onClick = handler(&TfrmTarvex::btnPage9YesClick);
    onClose = handler(&TfrmTarvex::FormClose);
}

void TfrmTarvex::showPage(ui::TabSheet* page, int step) {
    PageControl1->setActivePage(*page);
    wizardStep = step;
}

void TfrmTarvex::showPropertyTab(ui::TabSheet* tab) {
    PageControl2->setActivePage(*tab);
    showPage(Page7, kPropertiesStep);
}

bool TfrmTarvex::settleChanges(const std::wstring& question) {
    if (!btnApply->enabled()) {
        return true;
    }
    switch (askToApplyChanges(services_.messageBoxes, question)) {
        case platform::MessageAnswer::Yes:
            btnApplyClick(*btnApply);
            // Apply may wait for the pointers to be saved as a scheme first.
            return !btnApply->enabled();
        case platform::MessageAnswer::No:
            revertSetup();
            return true;
        default:
            return false;
    }
}

// Back never asks, so live edits may still be pending when another setup is
// about to be loaded over them: they are settled first, for the setup they
// were made on, so that none becomes permanent without a word.
bool TfrmTarvex::settleEditsBeforeLoading() {
    if (!loadedSetup_.any() || loadedSetup_.isAt(chosenDevice, applicationName)) {
        return true;
    }
    return settleChanges(changesQuestion(loadedSetup_.application()));
}

void TfrmTarvex::btnNextClick(ui::Control& sender) {
    switch (wizardStep) {
        case kWelcomeStep:
            showPage(Page1, kDevicesStep);
            btnBack->show();
            btnBack->setEnabled(true);
            btnNext->setEnabled(lstDevicesFound->itemIndex() >= 0);
            break;
        case kDevicesStep:
            lstDevicesFoundClick(sender);
            if (lstDevicesFound->itemIndex() < 0) {
                return;
            }
            showPage(Page6, kDeviceTypeStep);
            btnNext->setEnabled(!typeUnknown);
            break;
        case kDeviceTypeStep:
            if (ListBox1->itemIndex() < 0) {
                showStopMessage(services_.messageBoxes,
                                L"Please select a Mouse Type before continuing",
                                L"No Mouse Selected");
                return;
            }
            assignDeviceType();
            enterProperties(TabSheet2);
            break;
        case kPropertiesStep:
            if (!settleChanges(changesQuestion(applicationName))) {
                return;
            }
            showPage(Page9, kCustomizeStep);
            btnNext->setEnabled(true);
            browseRole = 0;
            break;
        case kNewActionStep:
            showPage(Page7, kPropertiesStep);
            break;
        case kCustomizeStep:
            if (deviceCount > 1) {
                showPage(Page11, kSeveralDevicesStep);
                btnNext->setEnabled(true);
            } else {
                showFinishPage();
            }
            break;
        case kApplicationsStep:
            if (applicationName.empty() || !settleChanges(changesQuestion(previousApplication))) {
                return;
            }
            clearLoadedSetup();
            enterProperties(TabSheet2);
            break;
        case kSeveralDevicesStep:
            showFinishPage();
            break;
        case kFinishStep:
            shpDoor->setPenStyle(ui::PenStyle::Solid);
            Timer2->setEnabled(true);
            btnNext->setEnabled(false);
            btnBack->setEnabled(false);
            break;
        case kApplicationFileStep:
            showPage(Page10, kApplicationsStep);
            btnBack->show();
            btnNext->setEnabled(false);
            addApplication(applicationName);
            break;
        default:
            break;
    }
}

// The page shows only a setup that loaded: after a failed load the user stays
// where Next was pressed and can press it again, instead of editing a setup
// that is half another device's or application's and would be written as this
// one's.
void TfrmTarvex::enterProperties(ui::TabSheet* tab) {
    if (!settleEditsBeforeLoading()) {
        return;
    }
    reloadNeeded = true;
    loadPropertyInfo();
    showPropertyTab(tab);
}

void TfrmTarvex::showFinishPage() {
    showPage(Page12, kFinishStep);
    btnNext->setCaption(kFinishCaption);
}

void TfrmTarvex::btnBackClick(ui::Control&) {
    switch (wizardStep) {
        case kDevicesStep:
            showPage(Page18, kWelcomeStep);
            btnBack->hide();
            btnNext->setEnabled(true);
            break;
        case kAboutStep:
        case kAddingDevicesStep:
            returnFromSidePage();
            break;
        case kDeviceTypeStep:
            showPage(Page1, kDevicesStep);
            break;
        case kPropertiesStep:
            showPage(Page6, kDeviceTypeStep);
            loadedSetup_.leaveByBack(currentSchemeName);
            recordText.clear();
            applicationName.clear();
            currentSchemeName.clear();
            browseRole = 0;
            btnNext->setEnabled(true);
            break;
        case kNewActionStep:
            showPropertyTab(TabSheet4);
            btnNext->setEnabled(true);
            break;
        case kCustomizeStep:
            enterProperties(TabSheet2);
            btnNext->setEnabled(true);
            break;
        case kApplicationsStep:
        case kSeveralDevicesStep:
            showPage(Page9, kCustomizeStep);
            btnNext->setEnabled(true);
            break;
        case kFinishStep:
            btnNext->setCaption(kNextAfterFinishCaption);
            if (deviceCount > 1) {
                showPage(Page11, kSeveralDevicesStep);
                btnNext->setEnabled(false);
            } else {
                showPage(Page9, kCustomizeStep);
                btnNext->setEnabled(true);
            }
            break;
        case kKeystrokeStep:
            if (txtActionString->focused()) {
                CaptureKeyDown(kLetterB, {});
            } else {
                showPage(Page8, kNewActionStep);
                btnBack->show();
                btnNext->setEnabled(false);
            }
            break;
        case kApplicationFileStep:
            showPage(Page10, kApplicationsStep);
            btnBack->show();
            btnNext->setEnabled(false);
            break;
        case kCursorFileStep:
            showPropertyTab(TabSheet3);
            loadPropertyInfo();
            btnBack->setEnabled(true);
            btnNext->setEnabled(true);
            application().processMessages();
            lstPointersClick(*lstPointers);
            break;
        case kSaveSchemeStep:
            showPropertyTab(TabSheet3);
            btnBack->setEnabled(true);
            btnNext->setEnabled(true);
            break;
        default:
            break;
    }
}

void TfrmTarvex::btnCancelClick(ui::Control&) {
    updateApplyButton();
    if (btnApply->enabled()) {
        revertSetup();
    }
    closingByCancel = true;
    close();
}

void TfrmTarvex::FormClose(ui::Form&, ui::CloseAction& action) {
    if (!btnApply->enabled() || closingByCancel) {
        return;
    }
    switch (
        askToApplyChanges(services_.messageBoxes, L"Save mouse setup changes before quitting?")) {
        case platform::MessageAnswer::Yes:
            btnApplyClick(*btnApply);
            if (btnApply->enabled()) {
                action = ui::CloseAction::None;
            }
            break;
        case platform::MessageAnswer::No:
            revertSetup();
            break;
        default:
            action = ui::CloseAction::None;
            break;
    }
}

void TfrmTarvex::btnPage9YesClick(ui::Control&) {
    previousApplication = applicationName;
    applicationName.clear();
    showPage(Page10, kApplicationsStep);
    btnBack->show();
    btnNext->setEnabled(false);
}

void TfrmTarvex::clearLoadedSetup() {
    for (int slot = 0; slot < kPointerRoles; ++slot) {
        cursorFiles[slot].clear();
        putCursor(slot, platform::kNoCursor);
    }
    forgetSchemeView();
    recordText.clear();
    currentSchemeName.clear();
}

}  // namespace setup
