// The keystroke page (Page13): every key pressed or released in the capture
// edit is written into it in the displayed macro notation instead of acting,
// and the text is edited a whole symbol at a time.
#include <algorithm>

#include "platform/text.h"
#include "setup/actions/capture_edit.h"
#include "setup/actions/key_name.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

namespace vk = platform::vk;

constexpr int kCaptureEditTabOrder = 1;

const std::wstring kBackspaceName = L"Backspace";
const std::wstring kTabSymbol = L"{Tab}";
const std::wstring kShiftTabSymbol = L"{Sh-Tab}";
const std::wstring kBackspaceSymbol = L"{Backspace}";
const std::wstring kSymbolStart = L"{";
const std::wstring kSymbolEnd = L"}";
const std::wstring kPressedEnd = L"-Dn}";
const std::wstring kReleasedEnd = L"-Up}";

const std::wstring kLimitText = L"Buffer character limit reached";
const std::wstring kLimitCaption = L"Warning";

// Modifiers are recorded as a press and a release of their own; Shift is not:
// it shows in the case of characters and the shift mark of named keys.
bool recordedAsPressAndRelease(int key) {
    return key == vk::kCtrl || key == vk::kAlt || key == vk::kLeftWin || key == vk::kMenu;
}

bool isBrace(const std::wstring& name) {
    return name == kSymbolStart || name == kSymbolEnd;
}

// The form moves the focus on Tab and Shift+Tab: the hidden buttons either
// side of the edit catch it and the edit's exit records the key.
bool movesFocus(int key, ui::ShiftState shift) {
    return key == vk::kTab && !shift.ctrl && !shift.alt;
}

}  // namespace

void TfrmTarvex::Page13Show(ui::Control&) {
    if (captureEdit_ == nullptr) {
        createCaptureEdit();
    }
    const int row = lstbAssignedActionsMB->itemIndex();
    const std::wstring macro =
        row >= 0 && row < kUsableActions ? currentActions[row].macroText : std::wstring();
    txtActionString->setText(macro);
    // Typing goes on after what was recorded before.
    txtActionString->setSelStart(static_cast<int>(macro.size()));
    // A key still held when the page was left was released elsewhere: its next
    // press here is a new one.
    lastCapturedKey = 0;
    unrecordedReleases_.clear();
    focusCaptureEdit();
}

// The layout's plain edit cannot keep Alt combinations from the system, so the
// capture edit takes its place, its name and its bounds.
void TfrmTarvex::createCaptureEdit() {
    const std::wstring name = txtActionString->name();
    const ui::Rect bounds = txtActionString->bounds();
    Page13->remove(*txtActionString);
    captureEdit_ = &Page13->add<TActEdit>(name);
    captureEdit_->setBounds(bounds.left, bounds.top, bounds.width(), bounds.height());
    captureEdit_->setTabOrder(kCaptureEditTabOrder);
    captureEdit_->onExit = handler(&TfrmTarvex::txtActionStringExit);
    captureEdit_->onKeyDown = handler(&TfrmTarvex::txtActionStringKeyDown);
    captureEdit_->onKeyPress = handler(&TfrmTarvex::txtActionStringKeyPress);
    captureEdit_->onKeyUp = handler(&TfrmTarvex::txtActionStringKeyUp);
    captureEdit_->onMouseUp = handler(&TfrmTarvex::txtActionStringMouseUp);
    txtActionString = captureEdit_;
}

void TfrmTarvex::focusCaptureEdit() {
    if (txtActionString->canFocus()) {
        txtActionString->setFocus();
    }
}

void TfrmTarvex::insertIntoCapture(const std::wstring& text) {
    txtActionString->setSelText(text);
}

void TfrmTarvex::txtActionStringKeyDown(ui::Control&, int& key, ui::ShiftState shift) {
    if (movesFocus(key, shift)) {
        return;
    }
    CaptureKeyDown(key, shift);
    key = 0;
}

// Characters never reach the edit: the key-down has recorded the key already.
void TfrmTarvex::txtActionStringKeyPress(ui::Control&, wchar_t& key) {
    key = 0;
}

void TfrmTarvex::CaptureKeyDown(int key, ui::ShiftState shift) {
    const std::wstring name = KeyName(key, shift, services_.keyboard);
    // A held key repeats its key-down; it is recorded once.
    if (key == lastCapturedKey) {
        return;
    }
    if (name == kBackspaceName) {
        DeletePreviousSymbol();
    } else if (name.size() == 1 && TypedWithAltGr(key, services_.keyboard)) {
        recordAltGrCharacter(isBrace(name) ? kSymbolStart + name + kSymbolEnd : name);
    } else if (name.size() == 1) {
        insertIntoCapture(isBrace(name) ? kSymbolStart + name + kSymbolEnd : name);
    } else if (key == vk::kShift) {
        return;
    } else if (recordedAsPressAndRelease(key)) {
        insertIntoCapture(kSymbolStart + name + kPressedEnd);
    } else if (!name.empty()) {
        insertIntoCapture(kSymbolStart + name + kSymbolEnd);
    }
    lastCapturedKey = key;
}

void TfrmTarvex::recordAltGrCharacter(const std::wstring& character) {
    const std::wstring pressed[] = {L"{Ctrl-Dn}{Alt-Dn}", L"{Alt-Dn}{Ctrl-Dn}"};
    const int caret = txtActionString->selStart();
    const std::wstring before = txtActionString->text().substr(0, static_cast<size_t>(caret));
    for (const auto& presses : pressed) {
        const int length = static_cast<int>(presses.size());
        const bool justBefore =
            before.size() >= presses.size() &&
            before.compare(before.size() - presses.size(), presses.size(), presses) == 0;
        if (txtActionString->selLength() == 0 && justBefore) {
            txtActionString->setSelStart(caret - length);
            txtActionString->setSelLength(length);
            unrecordedReleases_ = {vk::kCtrl, vk::kAlt};
            break;
        }
    }
    insertIntoCapture(character);
}

void TfrmTarvex::txtActionStringKeyUp(ui::Control&, int& key, ui::ShiftState shift) {
    const auto unrecorded = std::find(unrecordedReleases_.begin(), unrecordedReleases_.end(), key);
    if (unrecorded != unrecordedReleases_.end()) {
        unrecordedReleases_.erase(unrecorded);
    } else if (recordedAsPressAndRelease(key)) {
        insertIntoCapture(kSymbolStart + KeyName(key, shift, services_.keyboard) + kReleasedEnd);
        // Releasing the Menu key would open the focused window's context menu;
        // an Esc closes it again.
        if (key == vk::kMenu) {
            services_.keyboard.sendKeyDown(vk::kEscape);
        }
    }
    if (key == lastCapturedKey) {
        lastCapturedKey = 0;
    }
    key = 0;
    keepCaptureWithinStoredLimit();
}

// The stored length field has two digits: symbols before the caret go until the
// stored form fits.
void TfrmTarvex::keepCaptureWithinStoredLimit() {
    bool removed = false;
    while (MacroToRegistry(txtActionString->text(), macroReporter_).size() >
           static_cast<size_t>(kLongestStoredMacro)) {
        const std::wstring before = txtActionString->text();
        DeletePreviousSymbol();
        if (txtActionString->text() == before) {
            break;  // nothing is left before the caret
        }
        removed = true;
    }
    if (!removed) {
        return;
    }
    services_.keyboard.beepAsterisk();
    platform::MessageBoxRequest box;
    box.text = kLimitText;
    box.caption = kLimitCaption;
    box.owner = windowId();
    services_.messageBoxes.show(box);
}

void TfrmTarvex::DeletePreviousSymbol() {
    auto& edit = *txtActionString;
    const int caret = edit.selStart();
    const int symbolStart = SymbolStartBefore(edit.text(), caret - 1);
    if (edit.selLength() == 0) {
        edit.setSelStart(symbolStart);
        edit.setSelLength(caret - symbolStart);
    }
    edit.setSelText(L"");
    focusCaptureEdit();
}

// The caret and the selection never end inside a symbol.
void TfrmTarvex::txtActionStringMouseUp(ui::Control&, ui::MouseButton, ui::ShiftState, int, int) {
    auto& edit = *txtActionString;
    const std::wstring& text = edit.text();
    const int start = edit.selStart();
    if (platform::trim(edit.selText()).empty()) {
        edit.setSelStart(SymbolStartBefore(text, start));
        return;
    }
    const int last = start + edit.selLength() - 1;
    const int symbolsStart = SymbolStartBefore(text, start);
    const int symbolsEnd = SymbolEndAfter(text, last + 1) - 1;
    edit.setSelStart(symbolsStart);
    edit.setSelLength(symbolsEnd - symbolsStart);
}

void TfrmTarvex::txtActionStringExit(ui::Control&) {
    // A held Tab keeps moving the focus; only its first press is recorded.
    if (lastCapturedKey == vk::kTab) {
        focusCaptureEdit();
        return;
    }
    const ui::Control* goingTo = activeControl();
    if (goingTo == btnHidden2) {
        recordTab(kTabSymbol);
    } else if (goingTo == btnHidden1) {
        recordTab(kShiftTabSymbol);
    }
}

void TfrmTarvex::recordTab(const std::wstring& symbol) {
    lastCapturedKey = vk::kTab;
    insertIntoCapture(symbol);
    focusCaptureEdit();
}

void TfrmTarvex::btnHidden2Exit(ui::Control&) {
    focusCaptureEdit();
    txtActionString->setSelStart(static_cast<int>(txtActionString->text().size()));
}

// The Backspace key deletes, so the button is how a Backspace keystroke is recorded.
// No key is released in the edit to enforce the length limit, so the click does.
void TfrmTarvex::btnBackspaceClick(ui::Control&) {
    insertIntoCapture(kBackspaceSymbol);
    focusCaptureEdit();
    keepCaptureWithinStoredLimit();
}

}  // namespace setup
