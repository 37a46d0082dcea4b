#include "ui/user.h"

#include <cwctype>

#include "platform/text.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/input.h"
#include "ui/list_controls.h"
#include "ui/page_control.h"
#include "ui/standard_controls.h"
#include "ui/track_bar.h"

namespace ui::user {
namespace {

using platform::toUtf8;

constexpr ShiftState kNoShift{};
constexpr ShiftState kAlt{false, false, true};

void requireOperable(const Control& control, const char* gesture) {
    const char* reason = !control.showing()              ? "it is not showing"
                         : !control.enabledWithParents() ? "it is disabled"
                                                         : nullptr;
    if (reason != nullptr) {
        throw NotOperable(toUtf8(control.name()) + " cannot be " + gesture + ": " + reason);
    }
}

void requireIndex(const Control& control, int index, int count) {
    if (index < 0 || index >= count) {
        throw NotOperable(toUtf8(control.name()) + " has no item " + std::to_string(index));
    }
}

// A mouse press focuses what a click can focus.
void focusByMouse(Control& control) {
    if (control.focusedByClick() && control.canFocus()) {
        input::focusReceived(control);
    }
}

// Where a press lands: the middle of the control, or of a row.
int middle(int extent) {
    return extent / 2;
}

void press(Control& control, int x, int y) {
    input::mouseDown(control, MouseButton::Left, kNoShift, x, y);
}

void release(Control& control, int x, int y) {
    input::mouseUp(control, MouseButton::Left, kNoShift, x, y);
}

Control& focusTarget(Form& form) {
    return form.activeControl() != nullptr ? *form.activeControl() : form;
}

// What the native control does with a key nobody used, once it comes up: a
// button pushed by Space clicks on its release.
void nativeKeyUp(Control& control, int key) {
    const bool clickable =
        dynamic_cast<Button*>(&control) != nullptr || dynamic_cast<CheckBox*>(&control) != nullptr;
    if (key == platform::vk::kSpace && clickable) {
        input::click(control);
    }
}

// What the native edit does with a character nobody used: insert it, then
// report the change.
void nativeCharacter(Control& control, wchar_t character) {
    if (auto* edit = dynamic_cast<Edit*>(&control)) {
        edit->application().deliver([&] { edit->typeCharacter(character); });
    }
}

}  // namespace

void click(Control& control) {
    requireOperable(control, "clicked");
    focusByMouse(control);
    press(control, middle(control.width()), middle(control.height()));
    input::click(control);
    release(control, middle(control.width()), middle(control.height()));
}

void doubleClick(Control& control) {
    click(control);
    input::doubleClick(control);
    press(control, middle(control.width()), middle(control.height()));
    release(control, middle(control.width()), middle(control.height()));
}

void select(ListBox& list, int row) {
    requireOperable(list, "clicked");
    requireIndex(list, row, list.itemCount());
    const Rect rect = list.itemRect(row);
    focusByMouse(list);
    // The list box reports the choice (LBN_SELCHANGE) when the button comes up.
    press(list, middle(rect.width()), rect.top + middle(rect.height()));
    input::listRowSelected(list, row);
    release(list, middle(rect.width()), rect.top + middle(rect.height()));
}

void doubleClick(ListBox& list, int row) {
    select(list, row);
    const Rect rect = list.itemRect(row);
    input::doubleClick(list);
    press(list, middle(rect.width()), rect.top + middle(rect.height()));
    release(list, middle(rect.width()), rect.top + middle(rect.height()));
}

void choose(ComboBox& combo, int item) {
    requireOperable(combo, "chosen from");
    requireIndex(combo, item, combo.itemCount());
    focusByMouse(combo);
    input::comboItemChosen(combo, item);
}

void browse(ComboBox& combo, int item) {
    requireOperable(combo, "browsed");
    requireIndex(combo, item, combo.itemCount());
    focus(combo);
    input::comboItemBrowsed(combo, item);
}

void choose(RadioGroup& group, int item) {
    requireOperable(group, "chosen from");
    requireIndex(group, item, static_cast<int>(group.items().size()));
    focusByMouse(group);
    input::radioItemChosen(group, item);
}

RecordingCanvas dropDown(ComboBox& combo) {
    requireOperable(combo, "dropped down");
    focusByMouse(combo);
    RecordingCanvas canvas;
    for (int row = 0; row < combo.itemCount(); ++row) {
        OwnerDrawState state;
        state.selected = row == combo.itemIndex();
        input::drawItem(combo, row, combo.itemRect(row), state, canvas);
    }
    return canvas;
}

void slide(TrackBar& trackBar, int position) {
    requireOperable(trackBar, "moved");
    focusByMouse(trackBar);
    input::trackBarMoved(trackBar, position);
}

void selectTab(PageControl& pages, int index) {
    requireOperable(pages, "switched");
    if (!pages.tabsVisible()) {
        throw NotOperable(toUtf8(pages.name()) + " shows no tabs");
    }
    requireIndex(pages, index, pages.pageCount());
    input::tabSelected(pages, index);
}

void focus(Control& control) {
    requireOperable(control, "focused");
    if (!control.canFocus()) {
        throw NotOperable(toUtf8(control.name()) + " cannot take the focus");
    }
    input::focusReceived(control);
}

void pressKey(Form& form, int key, ShiftState shift, wchar_t typed) {
    requireOperable(form, "typed into");
    const int left = input::keyDown(focusTarget(form), key, shift);
    if (left != 0) {
        if (typed != 0 && shift.alt) {
            input::accelerator(form, typed);
        } else if (typed != 0) {
            Control& target = focusTarget(form);
            const wchar_t character = input::keyPress(target, typed);
            if (character != 0) {
                nativeCharacter(target, character);
            }
        }
    }
    const int released = input::keyUp(focusTarget(form), key, shift);
    if (left != 0 && released == left) {
        nativeKeyUp(focusTarget(form), left);
    }
}

void pressEnter(Form& form) {
    pressKey(form, platform::vk::kEnter, kNoShift, L'\r');
}

void pressTab(Form& form, bool backwards) {
    pressKey(form, platform::vk::kTab, ShiftState{backwards, false, false}, L'\t');
}

void type(Edit& edit, const std::wstring& text) {
    requireOperable(edit, "typed into");
    if (!edit.focused()) {
        focus(edit);
    }
    for (const wchar_t character : text) {
        const wchar_t left = input::keyPress(edit, character);
        if (left != 0) {
            nativeCharacter(edit, left);
        }
    }
}

void paste(Edit& edit, const std::wstring& text) {
    requireOperable(edit, "pasted into");
    if (edit.readOnly()) {
        return;
    }
    const std::wstring& before = edit.text();
    const auto start = static_cast<size_t>(edit.selStart());
    input::editChanged(edit, before.substr(0, start) + text +
                                 before.substr(start + static_cast<size_t>(edit.selLength())));
}

bool pressAccelerator(Form& form, wchar_t letter) {
    requireOperable(form, "typed into");
    const int key = static_cast<int>(std::towupper(letter));
    if (input::keyDown(focusTarget(form), key, kAlt) == 0) {
        input::keyUp(focusTarget(form), key, kAlt);
        return false;
    }
    const bool taken = input::accelerator(form, letter);
    input::keyUp(focusTarget(form), key, kAlt);
    return taken;
}

void closeWindow(Form& form) {
    requireOperable(form, "closed");
    input::closeRequested(form);
}

void switchAway(Form& form) {
    input::deactivated(form);
}

}  // namespace ui::user
