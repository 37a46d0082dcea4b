#include "ui/headless_backend.h"

#include <stdexcept>

#include "platform/memory/script_error.h"
#include "platform/text.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/input.h"
#include "ui/timer.h"

namespace ui {

void HeadlessBackend::tick(Timer& timer) {
    if (!timer.enabled()) {
        throw std::logic_error("timer " + platform::toUtf8(timer.name()) + " is not running");
    }
    input::timerFired(timer);
}

void HeadlessBackend::advance(int milliseconds) {
    const long long until = now_ + milliseconds;
    for (;;) {
        Timer* next = nullptr;
        for (auto& [timer, due] : due_) {
            if (due.at <= until && (next == nullptr || due.at < due_[next].at ||
                                    (due.at == due_[next].at && due.order < due_[next].order))) {
                next = timer;
            }
        }
        if (next == nullptr) {
            break;
        }
        now_ = due_[next].at;
        due_[next] = {now_ + next->interval(), scheduled_++};
        input::timerFired(*next);
    }
    now_ = until;
}

void HeadlessBackend::timerChanged(Timer& timer) {
    if (timer.enabled() && timer.interval() > 0) {
        due_[&timer] = {now_ + timer.interval(), scheduled_++};
    } else {
        due_.erase(&timer);
    }
}

void HeadlessBackend::realize(Form&) {}

void HeadlessBackend::run(Application& application) {
    processMessages(application);
}

void HeadlessBackend::processMessages(Application& application) {
    while (!queued_.empty()) {
        auto input = std::move(queued_.front());
        queued_.pop_front();
        application.deliver(input);
    }
}

ModalResult HeadlessBackend::runModal(Form& form) {
    if (modalScripts_.empty()) {
        throw platform::ScriptError("the modal form " + platform::toUtf8(form.name()) +
                                    " opened with no script to answer it");
    }
    auto script = std::move(modalScripts_.front());
    modalScripts_.pop_front();
    script(form);
    if (form.modalResult() == kModalNone && !form.application().terminated()) {
        throw platform::ScriptError("the script left the modal form " +
                                    platform::toUtf8(form.name()) + " open");
    }
    return form.modalResult();
}

}  // namespace ui
