// The Buttons tab: which logical button each physical button performs (taking
// effect with Apply), the double-click speed (written live) and the
// double-click test picture.
#include <algorithm>

#include "setup/tarvex_form.h"

namespace setup {
namespace {

enum LogicalButton { kPrimary = 0, kSecondary = 1 };

// The slot of buttonPosition each box edits: the second and third rows cross over.
constexpr int kPos1Slot = 0;
constexpr int kPos2Slot = 2;
constexpr int kPos3Slot = 1;
constexpr int kPos4Slot = 3;

// The bar runs from slow (1) to fast (10); the stored speed the other way round.
constexpr int kDoubleClickBarEnd = 11;

// The test animation: frames 1 to 6 on the first six ticks, the last frame
// lying there until the tick that ends the run and puts the first back.
const std::wstring kTestFramePrefix = L"DBCLICK";
constexpr int kFirstTestFrame = 1;
constexpr int kTestFrames = 6;
constexpr int kTestRunEnd = 14;

std::wstring testFrame(int frame) {
    return kTestFramePrefix + std::to_wstring(frame);
}

std::wstring reassignQuestion(int logicalButton) {
    return std::wstring(L"Reassigning the ") +
           (logicalButton == kPrimary ? L"Primary" : L"Secondary") +
           L" Button can seriously hinder your ability to perform standard Windows functions. "
           L"Do you really want to do this?";
}

}  // namespace

void TfrmTarvex::bindButtonsHandlers() {
    cmbPos1->onChange = handler(&TfrmTarvex::cmbPos1Change);
    cmbPos2->onChange = handler(&TfrmTarvex::cmbPos2Change);
    cmbPos3->onChange = handler(&TfrmTarvex::cmbPos3Change);
    cmbPos4->onChange = handler(&TfrmTarvex::cmbPos4Change);
    trbDblClickSpeed->onChange = handler(&TfrmTarvex::trbDblClickSpeedChange);
    imgDblClk1->onDblClick = handler(&TfrmTarvex::imgDblClk1DblClick);
    Timer1->onTimer = handler(&TfrmTarvex::Timer1Timer);
}

// Taking away the device's only Primary or only Secondary button can leave the
// user without a way to click; that needs the user's word.
bool TfrmTarvex::confirmPositionChange(int slot) {
    const auto& positions = editedSetup.buttonPosition;
    const int before = positions[static_cast<size_t>(slot)];
    if (before != kPrimary && before != kSecondary) {
        return true;
    }
    if (std::count(positions.begin(), positions.end(), before) >= 2) {
        return true;
    }
    platform::MessageBoxRequest box;
    box.text = reassignQuestion(before);
    box.caption = L"Do you know what you're doing right now??";
    box.buttons = platform::MessageButtons::YesNo;
    box.defaultButton = platform::MessageAnswer::No;
    return services_.messageBoxes.show(box) == platform::MessageAnswer::Yes;
}

// Positions reach the registry only with Apply: nothing is written here.
void TfrmTarvex::changeButtonPosition(ui::ComboBox& box, int slot) {
    int& position = editedSetup.buttonPosition[static_cast<size_t>(slot)];
    if (confirmPositionChange(slot)) {
        position = box.itemIndex();
    } else {
        box.setItemIndex(position);
    }
    settingsChanged = true;
    updateApplyButton();
}

void TfrmTarvex::cmbPos1Change(ui::Control&) {
    changeButtonPosition(*cmbPos1, kPos1Slot);
}
void TfrmTarvex::cmbPos2Change(ui::Control&) {
    changeButtonPosition(*cmbPos2, kPos2Slot);
}
void TfrmTarvex::cmbPos3Change(ui::Control&) {
    changeButtonPosition(*cmbPos3, kPos3Slot);
}
void TfrmTarvex::cmbPos4Change(ui::Control&) {
    changeButtonPosition(*cmbPos4, kPos4Slot);
}

// Loading a setup moves the bar to the stored speed, or to its end for a speed
// outside its range: that writes nothing and notifies nothing.
void TfrmTarvex::trbDblClickSpeedChange(ui::Control&) {
    if (loadInProgress_.active()) {
        return;
    }
    const int speed = kDoubleClickBarEnd - trbDblClickSpeed->position();
    currentSetup.doubleClickSpeed = speed;
    editedSetup.doubleClickSpeed = speed;
    commitLiveChange();
}

// A double click during a run finds the timer running already: one run only.
void TfrmTarvex::imgDblClk1DblClick(ui::Control&) {
    Timer1->setEnabled(true);
}

void TfrmTarvex::Timer1Timer(ui::Timer&) {
    if (dblClickFrame <= kTestFrames) {
        imgDblClk1->setPicture(testFrame(dblClickFrame));
    }
    ++dblClickFrame;
    if (dblClickFrame == kTestRunEnd) {
        imgDblClk1->setPicture(testFrame(kFirstTestFrame));
        Timer1->setEnabled(false);
        dblClickFrame = kFirstTestFrame;
    }
}

}  // namespace setup
