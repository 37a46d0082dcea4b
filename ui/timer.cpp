#include "ui/timer.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Timer::Timer(Form& owner, std::wstring name) : owner_(owner), name_(std::move(name)) {
    owner_.application().backend().timerChanged(*this);
}

Timer::~Timer() {
    owner_.application().backend().timerDestroyed(*this);
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds == interval_) {
        return;
    }
    interval_ = milliseconds;
    owner_.application().backend().timerChanged(*this);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    owner_.application().backend().timerChanged(*this);
}

}  // namespace ui
