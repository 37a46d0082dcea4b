#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class Button;
class Timer;

// A top-level window: the dialog frame (caption, system menu, optional maximize
// box, not resizable) around a client area of the size set, centred on the
// screen. It keeps the keyboard focus (its active control), closes and runs
// modally. Bounds of a form are its client area; left and top are chosen when it
// is shown.
class Form : public Control {
public:
    using CloseEvent = std::function<void(Form& sender, CloseAction& action)>;

    Form(Application& application, std::wstring name);
    ~Form() override;

    Application& application() const { return application_; }

    void setClientSize(int width, int height);
    bool maximizeBox() const { return maximizeBox_; }
    void setMaximizeBox(bool maximizeBox);
    bool stayOnTop() const { return stayOnTop_; }
    void setStayOnTop(bool stayOnTop);
    // The class name of the native window; set before the form is first shown.
    const std::wstring& nativeClassName() const { return nativeClassName_; }
    void setNativeClassName(const std::wstring& className);

    // Runs onCreate; a derived form calls it once its controls are built.
    void created();

    // Showing gives the form and its controls native windows (none headless),
    // fires onShow, then the page-show events, then focuses the active control
    // (or the first tab stop).
    void setVisible(bool visible) override;
    // Asks the form to close: onClose decides (CloseAction::None keeps it open).
    // A form closes by hiding, except the main form, whose closing ends the
    // application; closing a modal form sets its modal result to Cancel.
    void close();
    // Shows the form modally and returns when its modal result is set (a button
    // with a modal result clicked, setModalResult, or close).
    ModalResult showModal();
    bool modal() const { return modal_; }
    ModalResult modalResult() const { return modalResult_; }
    void setModalResult(ModalResult result);

    // The control with the keyboard focus; nullptr when the form itself has it.
    Control* activeControl() const { return activeControl_; }
    // Focuses control now when the form is showing, else when it is next shown.
    void setActiveControl(Control* control);
    // Moves the focus to the next (or previous) tab stop in tab order, wrapping.
    void selectNext(bool forward);
    // Focuses the first tab stop within container, unless the focus is on a
    // usable control in it already; nothing when it has no tab stop.
    void focusFirstWithin(Control& container);
    // What the form does with a key the focused control left alone: Tab and
    // Shift+Tab move the focus, Enter clicks the focused or else the default
    // button, Esc the cancel button. Returns whether it used the key.
    bool dialogKey(int key, ShiftState shift);
    // Alt+letter: clicks (or toggles, or chooses) the control whose caption
    // underlines the letter. Returns whether one did.
    bool accelerator(wchar_t letter);

    Timer& addTimer(std::wstring name);

    WindowId windowId() const;

    Event onCreate;
    Event onShow;
    CloseEvent onClose;
    Event onDeactivate;

    // For controls: focus bookkeeping.
    void focusControl(Control* target);
    void releaseFocusFrom(Control& changed);
    void forget(Control& control);

protected:
    void showingChanged(bool showing) override;

private:
    void focusFirst();
    std::vector<Control*> tabStops() const;
    Button* findButton(bool (*wanted)(const Button&));

    Application& application_;
    bool maximizeBox_ = true;
    bool stayOnTop_ = false;
    std::wstring nativeClassName_ = L"TarvexForm";
    bool modal_ = false;
    ModalResult modalResult_ = kModalNone;
    Control* activeControl_ = nullptr;
    // The innermost control entered and not yet exited; nullptr for the form.
    Control* entered_ = nullptr;
    unsigned focusChanges_ = 0;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace ui
