#pragma once

#include "platform/cursors.h"
#include "ui/types.h"

namespace ui {

class Application;
class Form;
class Timer;

// The windowing system the model runs on: HeadlessBackend for tests, the Win32
// one (ui/win32/) in the program. The model calls it; it calls the model back
// through the input layer (ui/input.h).
class Backend {
public:
    virtual ~Backend() = default;

    // Gives the form and its controls their native windows (nothing headless).
    virtual void realize(Form& form) = 0;
    // The message loop: returns once the application is terminated.
    virtual void run(Application& application) = 0;
    // Handles the input that is waiting, then returns.
    virtual void processMessages(Application& application) = 0;
    // Called with the form shown; returns once its modal result is set or it is
    // hidden, with the modal result.
    virtual ModalResult runModal(Form& form) = 0;
    virtual void terminate() = 0;
    // Waits that long without handling input: what arrives meanwhile waits for
    // the next processMessages. Headless, the clock moves on instead.
    virtual void sleep(int milliseconds) = 0;
    virtual void cursorChanged(platform::CursorKind cursor) = 0;
    // The timer's enabled state or interval changed.
    virtual void timerChanged(Timer& timer) = 0;
    virtual void timerDestroyed(Timer& timer) = 0;
};

}  // namespace ui
