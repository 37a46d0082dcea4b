#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/cursors.h"
#include "platform/message_boxes.h"
#include "ui/backend.h"
#include "ui/modal_message_boxes.h"

namespace ui {

class Form;

// The program's application object: title, main form, message loop, the
// screen cursor and the one exception barrier.
//
// Every event that enters the program from outside (a native notification, a
// timer, queued input; headless, a simulated user action) runs through
// deliver(), which shows an escaping exception in the standard error box: the
// handler ends, the program goes on. Events fired by setters inside a handler
// run within that delivery, so an exception ends the whole outer handler.
class Application {
public:
    Application(Backend& backend, platform::MessageBoxes& messageBoxes);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const std::wstring& title() const { return title_; }
    void setTitle(const std::wstring& title) { title_ = title; }

    // The first form made, unless another is set; closing it ends the application.
    Form* mainForm() const { return mainForm_; }
    void setMainForm(Form& form) { mainForm_ = &form; }

    // Shows the main form and runs the message loop until terminate(). When the
    // application was told to end before, nothing is shown and it returns at once.
    void run();
    // Handles waiting input (re-entrant: a handler that calls it can see a second
    // click arrive).
    void processMessages();
    // Asks the message loop to end; a form shown afterwards is never usable.
    void terminate();
    bool terminated() const { return terminated_; }

    // The cursor shown over the program's windows: Arrow leaves each window its
    // own; Wait (hourglass) and AppStarting cover them all.
    platform::CursorKind cursor() const { return cursor_; }
    void setCursor(platform::CursorKind cursor);

    // The exception barrier described above; it lets nothing through.
    void deliver(const std::function<void()>& event);
    // The standard error box: the exception's text, the title as caption, OK,
    // error icon. A box that cannot be shown leaves nothing more to tell.
    void handleException(const std::exception& error);
    // The standard error box of an exception, for when no application is left
    // to show it.
    static platform::MessageBoxRequest errorBox(const std::exception& error,
                                                const std::wstring& caption);

    // Message boxes owned by the topmost window (ModalMessageBoxes): the only
    // way the program shows one.
    platform::MessageBoxes& messageBoxes() { return modalBoxes_; }
    // The modal form on top, whose buttons a box must block; else the main form
    // once shown; else none.
    const Form* topmostWindow() const;
    Backend& backend() { return backend_; }

    // For forms.
    void formCreated(Form& form);
    void formDestroyed(Form& form);
    const std::vector<Form*>& forms() const { return forms_; }

private:
    Backend& backend_;
    ModalMessageBoxes modalBoxes_;
    std::wstring title_;
    Form* mainForm_ = nullptr;
    std::vector<Form*> forms_;
    bool terminated_ = false;
    platform::CursorKind cursor_ = platform::CursorKind::Arrow;
};

}  // namespace ui
