// The Motion tab: pointer speed, acceleration and trails, each written live so
// that the user feels the change at once.
#include "setup/tarvex_form.h"

namespace setup {
namespace {

// Where the trail bar rests while trails are off.
constexpr int kRestingTrailLength = 5;
constexpr int kTrailsOff = 0;
constexpr ui::Color kCaptionEnabled = ui::kBlack;
constexpr ui::Color kCaptionDisabled = ui::kGray;

}  // namespace

void TfrmTarvex::bindMotionHandlers() {
    TabSheet1->onShow = handler(&TfrmTarvex::TabSheet1Show);
    trbHorizontalSpeed->onChange = handler(&TfrmTarvex::trbHorizontalSpeedChange);
    btnMouseSpeedDown->onClick = handler(&TfrmTarvex::btnMouseSpeedDownClick);
    btnMouseSpeedUp->onClick = handler(&TfrmTarvex::btnMouseSpeedUpClick);
    rgbAccel->onClick = handler(&TfrmTarvex::rgbAccelClick);
    chkShowTrails->onClick = handler(&TfrmTarvex::chkShowTrailsClick);
    trbTrailLength->onChange = handler(&TfrmTarvex::trbTrailLengthChange);
}

void TfrmTarvex::commitLiveChange() {
    settingsChanged = true;
    writeLoadedSetup(currentActions, currentSetup);
    updateApplyButton();
}

// Setting the controls runs their handlers, which write what they show; merely
// looking at the tab must not count as an edit.
void TfrmTarvex::TabSheet1Show(ui::Control&) {
    const bool changedBefore = settingsChanged;
    trbHorizontalSpeed->setPosition(currentSetup.cursorSpeed1);
    rgbAccel->setItemIndex(currentSetup.acceleration);
    if (currentSetup.trailLength != kTrailsOff) {
        trbTrailLength->setPosition(currentSetup.trailLength);
        chkShowTrails->setChecked(true);
    } else {
        chkShowTrails->setChecked(false);
        trbTrailLength->setEnabled(false);
        chkShowTrailsClick(*chkShowTrails);
    }
    settingsChanged = changedBefore;
}

void TfrmTarvex::trbHorizontalSpeedChange(ui::Control&) {
    const int speed = trbHorizontalSpeed->position();
    for (PropertyInfo* setup : {&currentSetup, &editedSetup}) {
        setup->cursorSpeed1 = speed;
        setup->cursorSpeed2 = speed;
    }
    commitLiveChange();
}

// The bar clamps at its ends and then fires nothing, so the change is run once
// more: a click always writes the speed and counts as an edit.
void TfrmTarvex::btnMouseSpeedDownClick(ui::Control&) {
    trbHorizontalSpeed->setPosition(trbHorizontalSpeed->position() - 1);
    trbHorizontalSpeedChange(*trbHorizontalSpeed);
}

void TfrmTarvex::btnMouseSpeedUpClick(ui::Control&) {
    trbHorizontalSpeed->setPosition(trbHorizontalSpeed->position() + 1);
    trbHorizontalSpeedChange(*trbHorizontalSpeed);
}

void TfrmTarvex::rgbAccelClick(ui::Control&) {
    currentSetup.acceleration = rgbAccel->itemIndex();
    editedSetup.acceleration = currentSetup.acceleration;
    commitLiveChange();
}

void TfrmTarvex::chkShowTrailsClick(ui::Control&) {
    const bool trailsOn = chkShowTrails->checked();
    trbTrailLength->setEnabled(trailsOn);
    Label80->setFontColor(trailsOn ? kCaptionEnabled : kCaptionDisabled);
    Label81->setFontColor(trailsOn ? kCaptionEnabled : kCaptionDisabled);
    if (!trailsOn) {
        // Moving the bar writes its own length first; "off" is written last.
        trbTrailLength->setPosition(kRestingTrailLength);
    }
    currentSetup.trailLength = trailsOn ? trbTrailLength->position() : kTrailsOff;
    editedSetup.trailLength = currentSetup.trailLength;
    commitLiveChange();
}

void TfrmTarvex::trbTrailLengthChange(ui::Control&) {
    currentSetup.trailLength = trbTrailLength->position();
    editedSetup.trailLength = currentSetup.trailLength;
    commitLiveChange();
}

}  // namespace setup
