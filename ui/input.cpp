#include "ui/input.h"

#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_controls.h"
#include "ui/page_control.h"
#include "ui/standard_controls.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace ui::input {
namespace {

void deliver(Control& control, const std::function<void()>& event) {
    control.application().deliver(event);
}

// Runs a key event; a key whose handler failed counts as used, so that the
// native control does not act on it after the error box.
template <typename Key>
Key deliverKey(Control& control, Key key, const std::function<void(Key&)>& handle) {
    Key left = 0;
    deliver(control, [&] {
        Key working = key;
        handle(working);
        left = working;
    });
    return left;
}

}  // namespace

void mouseDown(Control& control, MouseButton button, ShiftState shift, int x, int y) {
    deliver(control, [&] {
        if (control.onMouseDown) {
            control.onMouseDown(control, button, shift, x, y);
        }
    });
}

void mouseUp(Control& control, MouseButton button, ShiftState shift, int x, int y) {
    deliver(control, [&] {
        if (control.onMouseUp) {
            control.onMouseUp(control, button, shift, x, y);
        }
    });
}

void click(Control& control) {
    deliver(control, [&] { control.click(); });
}

void doubleClick(Control& control) {
    deliver(control, [&] { control.doubleClick(); });
}

void focusReceived(Control& control) {
    Form& form = control.form();
    if (&control == &form || form.activeControl() == &control) {
        return;
    }
    deliver(control, [&] { form.focusControl(&control); });
}

int keyDown(Control& control, int key, ShiftState shift) {
    return deliverKey<int>(control, key, [&](int& working) {
        if (control.onKeyDown) {
            control.onKeyDown(control, working, shift);
        }
        if (working != 0 && !control.wantsKey(working) &&
            control.form().dialogKey(working, shift)) {
            working = 0;
        }
    });
}

wchar_t keyPress(Control& control, wchar_t character) {
    return deliverKey<wchar_t>(control, character, [&](wchar_t& working) {
        if (control.onKeyPress) {
            control.onKeyPress(control, working);
        }
        if (working != 0 && control.keyPressed(working)) {
            working = 0;
        }
    });
}

int keyUp(Control& control, int key, ShiftState shift) {
    return deliverKey<int>(control, key, [&](int& working) {
        if (control.onKeyUp) {
            control.onKeyUp(control, working, shift);
        }
    });
}

bool accelerator(Form& form, wchar_t letter) {
    bool taken = false;
    deliver(form, [&] { taken = form.accelerator(letter); });
    return taken;
}

void listRowSelected(ListBox& list, int index) {
    deliver(list, [&] { list.select(index); });
}

void comboItemChosen(ComboBox& combo, int index) {
    deliver(combo, [&] { combo.select(index); });
}

void comboItemBrowsed(ComboBox& combo, int index) {
    deliver(combo, [&] { combo.browse(index); });
}

void comboChoiceConfirmed(ComboBox& combo) {
    deliver(combo, [&] { combo.confirm(); });
}

void trackBarMoved(TrackBar& trackBar, int position) {
    deliver(trackBar, [&] { trackBar.setPosition(position); });
}

void radioItemChosen(RadioGroup& group, int index) {
    deliver(group, [&] { group.setItemIndex(index); });
}

void tabSelected(PageControl& pages, int index) {
    deliver(pages, [&] { pages.selectTab(index); });
}

void editChanged(Edit& edit, const std::wstring& text) {
    deliver(edit, [&] { edit.storeUserText(text); });
}

void drawItem(ListControl& list, int index, const Rect& rect, OwnerDrawState state,
              Canvas& canvas) {
    deliver(list, [&] { list.drawItem(index, rect, state, canvas); });
}

void timerFired(Timer& timer) {
    timer.owner().application().deliver([&] {
        if (timer.enabled() && timer.onTimer) {
            timer.onTimer(timer);
        }
    });
}

void closeRequested(Form& form) {
    deliver(form, [&] { form.close(); });
}

void deactivated(Form& form) {
    deliver(form, [&] { form.fire(form.onDeactivate); });
}

}  // namespace ui::input
