#pragma once

#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "ui/backend.h"

namespace ui {

// The windowing system for tests: no windows; the model is the whole truth.
//
// - Input that "arrives" while a handler runs is queued with post() and runs,
//   through the exception barrier, when the program processes messages.
// - Time stands still until the test moves it: tick() fires one timer now,
//   advance() moves the clock and fires every timer that falls due, in order.
// - A modal form runs the next script queued with onNextModal(), which acts as
//   the user (types, clicks a button). A modal form with no script, or one the
//   script leaves open, raises platform::ScriptError.
// - run() processes what is queued and returns: the test is the user.
class HeadlessBackend : public Backend {
public:
    using ModalScript = std::function<void(Form& dialog)>;

    void post(std::function<void()> input) { queued_.push_back(std::move(input)); }
    size_t queuedInput() const { return queued_.size(); }

    // Fires an enabled timer once (std::logic_error for a disabled one).
    void tick(Timer& timer);
    void advance(int milliseconds);
    long long now() const { return now_; }

    void onNextModal(ModalScript script) { modalScripts_.push_back(std::move(script)); }
    size_t unusedModalScripts() const { return modalScripts_.size(); }

    // Every cursor the application showed, oldest first.
    const std::vector<platform::CursorKind>& cursorsShown() const { return cursorsShown_; }

    void realize(Form& form) override;
    void run(Application& application) override;
    void processMessages(Application& application) override;
    ModalResult runModal(Form& form) override;
    void terminate() override {}
    // Moves the clock as advance() does; queued input stays queued.
    void sleep(int milliseconds) override { advance(milliseconds); }
    void cursorChanged(platform::CursorKind cursor) override { cursorsShown_.push_back(cursor); }
    void timerChanged(Timer& timer) override;
    void timerDestroyed(Timer& timer) override { due_.erase(&timer); }

private:
    std::deque<std::function<void()>> queued_;
    std::deque<ModalScript> modalScripts_;
    std::vector<platform::CursorKind> cursorsShown_;
    struct Due {
        long long at;
        unsigned long long order;  // breaks ties: the timer scheduled first fires first
    };
    std::map<Timer*, Due> due_;
    unsigned long long scheduled_ = 0;
    long long now_ = 0;
};

}  // namespace ui
