#pragma once

#include <stdexcept>
#include <string>

#include "ui/recording_canvas.h"
#include "ui/types.h"

// What a user does, for headless tests: each gesture is the sequence of input
// calls (ui/input.h) that the native controls report for it, so a handler sees
// the same events in the same order as on screen. Mouse gestures first focus
// the control when it can take the focus, as a click does. A gesture on a
// control the user cannot reach (hidden, disabled, on a form not shown) throws
// NotOperable, a mistake of the test.
namespace ui {

class ComboBox;
class Control;
class Edit;
class Form;
class ListBox;
class PageControl;
class RadioGroup;
class TrackBar;

class NotOperable : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

namespace user {

// Mouse down, click, mouse up: a button clicks, a check box toggles.
void click(Control& control);
// A click, then the double click: a panel's or a picture's onDblClick.
void doubleClick(Control& control);
// A click on a row: the row is selected and onClick fires.
void select(ListBox& list, int row);
void doubleClick(ListBox& list, int row);
// A click on an item of the open list: onChange, then onSelect.
void choose(ComboBox& combo, int item);
// Arrow keys in the focused box, closed or open, until item is shown: onChange
// only (Enter then confirms it).
void browse(ComboBox& combo, int item);
void choose(RadioGroup& group, int item);
// Opens the drop-down list: every row is drawn (onDrawItem) in order, on the
// canvas returned.
RecordingCanvas dropDown(ComboBox& combo);
// Drags the thumb to a position (clamped by the track bar).
void slide(TrackBar& trackBar, int position);
void selectTab(PageControl& pages, int index);
void focus(Control& control);
// A key pressed and released on the focused control (the form when none has
// the focus). typed is the character the key types, 0 for none; when onKeyDown
// and the form's dialog keys leave the key alone it reaches onKeyPress, and then
// an edit inserts it. With Alt held it is a system character instead: the
// form's accelerators get it. Space on a button or check box clicks it as the
// key comes up (after onKeyUp).
void pressKey(Form& form, int key, ShiftState shift = {}, wchar_t typed = 0);
// Enter, as pressKey with its character.
void pressEnter(Form& form);
// Tab or Shift+Tab.
void pressTab(Form& form, bool backwards = false);
// Focuses the edit and types the text's characters (WM_CHAR only).
void type(Edit& edit, const std::wstring& text);
// Pastes the text over the selection, as the native edit's paste reports it
// (the whole new text); nothing in a read-only edit.
void paste(Edit& edit, const std::wstring& text);
// Alt+letter (the letter's key with Alt, then the system character). Returns
// whether a control's accelerator took it; the focused control's onKeyDown can
// discard the key first.
bool pressAccelerator(Form& form, wchar_t letter);
// The form's close box.
void closeWindow(Form& form);
// Another program's window became active.
void switchAway(Form& form);

}  // namespace user
}  // namespace ui
