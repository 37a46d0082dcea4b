#include "ui/application.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/memory/script_error.h"
#include "platform/text.h"
#include "ui/form.h"

namespace ui {

Application::Application(Backend& backend, platform::MessageBoxes& messageBoxes)
    : backend_(backend), messageBoxes_(messageBoxes) {}

void Application::run() {
    if (terminated_) {
        return;
    }
    if (mainForm_ != nullptr) {
        deliver([this] { mainForm_->show(); });
    }
    backend_.run(*this);
}

void Application::processMessages() {
    backend_.processMessages(*this);
}

void Application::terminate() {
    terminated_ = true;
    backend_.terminate();
}

void Application::setCursor(platform::CursorKind cursor) {
    cursor_ = cursor;
    backend_.cursorChanged(cursor);
}

void Application::deliver(const std::function<void()>& event) {
    try {
        event();
    } catch (const platform::ScriptError&) {
        throw;
    } catch (const std::exception& error) {
        handleException(error);
    }
}

void Application::handleException(const std::exception& error) {
    platform::MessageBoxRequest box;
    if (const auto* own = dynamic_cast<const platform::Error*>(&error)) {
        box.text = own->message();
    } else {
        box.text = platform::fromUtf8(error.what());
    }
    box.caption = title_;
    box.icon = platform::MessageIcon::Error;
    if (const Form* owner = errorBoxOwner()) {
        box.owner = owner->windowId();
    }
    messageBoxes_.show(box);
}

// The modal form on top, whose buttons the box must block; else the main form.
const Form* Application::errorBoxOwner() const {
    for (auto form = forms_.rbegin(); form != forms_.rend(); ++form) {
        if ((*form)->modal() && (*form)->visible()) {
            return *form;
        }
    }
    return mainForm_ != nullptr && mainForm_->visible() ? mainForm_ : nullptr;
}

void Application::formCreated(Form& form) {
    forms_.push_back(&form);
    if (mainForm_ == nullptr) {
        mainForm_ = &form;
    }
}

void Application::formDestroyed(Form& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    if (mainForm_ == &form) {
        mainForm_ = nullptr;
    }
}

}  // namespace ui
