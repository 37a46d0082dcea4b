// The pages at the two ends of the wizard: welcome, several devices, the finish
// page with its tray-icon option and closing animation, and the pages the
// finish page leads to.
#include "platform/errors.h"
#include "setup/busy_cursor.h"
#include "setup/messages.h"
#include "setup/store/registry_layout.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

const std::wstring kTrayIconShown = L"true";
const std::wstring kTrayIconHidden = L"false";

// The closing animation, by animationStep: the door slides off the picture
// while the picture widens (steps up to kDoorOpen), the mouse walks down
// (kWalkFirst..kWalkLast, one step per three frames), pauses, bows forward and
// back (kBowForward, kBowBack), pauses again, and at kCloseStep the window
// closes.
constexpr int kDoorOpen = 14;
constexpr int kWalkFirst = 14;
constexpr int kWalkLast = 20;
constexpr int kFirstPauseEnd = 23;
constexpr int kBowForward = 24;
constexpr int kBowBack = 25;
constexpr int kSecondPauseFirst = 26;
constexpr int kSecondPauseLast = 28;
constexpr int kCloseStep = 29;
constexpr int kFramesPerPicture = 3;
constexpr int kDoorStride = 6;
constexpr int kHedgeGrowth = 6;
constexpr int kHedgeFullWidth = 67;
constexpr int kWalkStride = 4;
const wchar_t kWalking[] = L"HW";
const wchar_t kBowing[] = L"HB";

std::wstring framePicture(const wchar_t* pose, int frame) {
    return pose + std::to_wstring(frame) + L".BMP";
}

}  // namespace

void TfrmTarvex::bindFinishHandlers() {
    Page18->onShow = handler(&TfrmTarvex::Page18Show);
    Page12->onShow = handler(&TfrmTarvex::Page12Show);
    NoIconInTray->onClick = handler(&TfrmTarvex::NoIconInTrayClick);
    Timer2->onTimer = handler(&TfrmTarvex::Timer2Timer);
    Button1->onClick = handler(&TfrmTarvex::Button1Click);
    Button2->onClick = handler(&TfrmTarvex::btnMultipleDevicesClick);
    btnPage11Yes->onClick = handler(&TfrmTarvex::btnPage11YesClick);
}

void TfrmTarvex::Page18Show(ui::Control&) {
    btnBack->setEnabled(false);
    wizardStep = kWelcomeStep;
}

// A key or value that cannot be read counts as missing: the icon is shown.
bool TfrmTarvex::trayIconHiddenInRegistry() {
    BusyCursor busy(application());
    try {
        auto key = services_.registry.open(kDriverRoot, kOrvaneKey);
        if (!key) {
            return false;
        }
        const bool hidden = key->readString(kShowIconInTrayValue) == kTrayIconHidden;
        key->close();
        return hidden;
    } catch (const platform::RegistryError&) {
        return false;
    }
}

void TfrmTarvex::Page12Show(ui::Control&) {
    // A change made here is stored and announced like a click.
    NoIconInTray->setChecked(trayIconHiddenInRegistry());
}

void TfrmTarvex::NoIconInTrayClick(ui::Control&) {
    if (showingStoredTrayOption_) {
        return;
    }
    BusyCursor busy(application());
    try {
        auto key = services_.registry.create(kDriverRoot, kOrvaneKey);
        key->writeString(kShowIconInTrayValue,
                         NoIconInTray->checked() ? kTrayIconHidden : kTrayIconShown);
        key->close();
    } catch (const platform::Error&) {
        // The box goes back to what is stored, without storing it again.
        showingStoredTrayOption_ = true;
        NoIconInTray->setChecked(trayIconHiddenInRegistry());
        showingStoredTrayOption_ = false;
        throw;
    }
    driverLink.notifyDriver();
}

void TfrmTarvex::Timer2Timer(ui::Timer&) {
    if (animationStep < kDoorOpen) {
        shpDoor->setLeft(shpDoor->left() + kDoorStride);
        if (imgHedge->width() < kHedgeFullWidth) {
            imgHedge->setWidth(imgHedge->width() + kHedgeGrowth);
        }
        ++animationStep;
    }

    if (animationStep >= kWalkFirst && animationStep <= kWalkLast) {
        imgHedge->setPicture(framePicture(kWalking, animationFrame));
        imgHedge->setTop(imgHedge->top() + kWalkStride);
        if (++animationFrame > kFramesPerPicture) {
            animationFrame = 1;
            ++animationStep;
        }
    } else if (animationStep > kWalkLast && animationStep <= kFirstPauseEnd) {
        ++animationStep;
    }

    if (animationStep == kBowForward) {
        if (animationFrame <= kFramesPerPicture) {
            imgHedge->setPicture(framePicture(kBowing, animationFrame));
            if (++animationFrame > kFramesPerPicture) {
                animationFrame = kFramesPerPicture;
                ++animationStep;
            }
        }
    } else if (animationStep == kBowBack) {
        if (animationFrame > 0) {
            imgHedge->setPicture(framePicture(kBowing, animationFrame));
            if (--animationFrame == 0) {
                imgHedge->setPicture(framePicture(kWalking, 1));
                ++animationStep;
            }
        }
    } else if (animationStep >= kSecondPauseFirst && animationStep <= kSecondPauseLast) {
        ++animationStep;
    } else if (animationStep == kCloseStep) {
        finishAnimation();
    }
}

void TfrmTarvex::finishAnimation() {
    Timer2->setEnabled(false);
    // Closing may still apply changes and tell the driver: the library goes
    // only once the window is really closing.
    close();
    if (application().terminated()) {
        driverLink.release();
    }
}

void TfrmTarvex::showSidePage(ui::TabSheet* page, int step) {
    // The closing animation keeps Back and Next disabled to its end: a side
    // page opened meanwhile would give them back.
    if (Timer2->enabled()) {
        return;
    }
    // From one information page to the other, Back still leads to where the
    // first was opened from. The finish page gets both buttons back: that is
    // the way on after Cancel kept the window open at the animation's end.
    if (wizardStep != kAboutStep && wizardStep != kAddingDevicesStep) {
        const bool finishPage = wizardStep == kFinishStep;
        sidePageOrigin_ = {PageControl1->activePage(), wizardStep, btnBack->visible(),
                           finishPage || btnBack->enabled(), finishPage || btnNext->enabled()};
    }
    showPage(page, step);
    btnBack->show();
    btnBack->setEnabled(true);
    btnNext->setEnabled(false);
}

void TfrmTarvex::returnFromSidePage() {
    const auto origin = sidePageOrigin_;
    showPage(origin.page, origin.step);
    btnBack->setVisible(origin.backVisible);
    btnBack->setEnabled(origin.backEnabled);
    btnNext->setEnabled(origin.nextEnabled);
}

void TfrmTarvex::Button1Click(ui::Control&) {
    showSidePage(Page2, kAboutStep);
}

void TfrmTarvex::btnMultipleDevicesClick(ui::Control&) {
    showSidePage(Page4, kAddingDevicesStep);
}

void TfrmTarvex::btnPage11YesClick(ui::Control&) {
    const auto question = L"Changes to \"" + lblDeviceSelected1->caption() +
                          L"\" will be lost if they are\nnot applied. Apply changes before "
                          L"changing pointing device?";
    if (!settleChanges(question)) {
        return;
    }
    applicationName.clear();
    clearLoadedSetup();
    reloadNeeded = true;
    showPage(Page1, kDevicesStep);
    btnBack->setEnabled(true);
    btnNext->setEnabled(false);
}

}  // namespace setup
