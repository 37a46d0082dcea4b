#pragma once

#include <string>

#include "ui/types.h"

// Input as the windowing system reports it. The native peers translate each
// notification into one of these calls, and the headless user gestures
// (ui/user.h) are made of them, so a user's action runs the same code either
// way. Each call runs through the application's exception barrier.
namespace ui {

class ComboBox;
class Control;
class Edit;
class Form;
class ListBox;
class ListControl;
class PageControl;
class RadioGroup;
class Timer;
class TrackBar;
class Canvas;

namespace input {

void mouseDown(Control& control, MouseButton button, ShiftState shift, int x, int y);
void mouseUp(Control& control, MouseButton button, ShiftState shift, int x, int y);
// BN_CLICKED, or a click on a control that is no button.
void click(Control& control);
void doubleClick(Control& control);
// The keyboard focus arrived at control (WM_SETFOCUS). Nothing happens when the
// model had put it there itself.
void focusReceived(Control& control);

// A key went down on control: onKeyDown, then the form's dialog keys (Tab, Enter,
// Esc). Returns the key left for the native control; 0 when it was used.
int keyDown(Control& control, int key, ShiftState shift);
// A typed character: onKeyPress, then the control's own reaction. Returns the
// character left for the native control; 0 when it was used.
wchar_t keyPress(Control& control, wchar_t character);
// Returns the key left for the native control; 0 when it was used.
int keyUp(Control& control, int key, ShiftState shift);
// Alt+letter on the form; returns whether a control's accelerator took it.
bool accelerator(Form& form, wchar_t letter);

void listRowSelected(ListBox& list, int index);
// A choice settled on, an item browsed to with the keys, the item browsed to
// made the choice (the list closed on it).
void comboItemChosen(ComboBox& combo, int index);
void comboItemBrowsed(ComboBox& combo, int index);
void comboChoiceConfirmed(ComboBox& combo);
void trackBarMoved(TrackBar& trackBar, int position);
void radioItemChosen(RadioGroup& group, int index);
void tabSelected(PageControl& pages, int index);
// EN_CHANGE: the user changed the text.
void editChanged(Edit& edit, const std::wstring& text);
// WM_DRAWITEM of an owner-drawn row.
void drawItem(ListControl& list, int index, const Rect& rect, OwnerDrawState state, Canvas& canvas);
void timerFired(Timer& timer);
// The close box, Alt+F4 or the system menu's Close.
void closeRequested(Form& form);
// Another window became the active one.
void deactivated(Form& form);

}  // namespace input
}  // namespace ui
