#include "ui/application.h"

#include <algorithm>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/memory/script_error.h"
#include "platform/text.h"
#include "ui/form.h"

namespace ui {

Application::Application(Backend& backend, platform::MessageBoxes& messageBoxes)
    : backend_(backend), modalBoxes_(*this, messageBoxes) {}

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
    } catch (...) {
        handleException(std::runtime_error("unknown error"));
    }
}

platform::MessageBoxRequest Application::errorBox(const std::exception& error,
                                                  const std::wstring& caption) {
    platform::MessageBoxRequest box;
    if (const auto* own = dynamic_cast<const platform::Error*>(&error)) {
        box.text = own->message();
    } else {
        box.text = platform::fromUtf8(error.what());
    }
    box.caption = caption;
    box.icon = platform::MessageIcon::Error;
    return box;
}

void Application::handleException(const std::exception& error) {
    const platform::MessageBoxRequest box = errorBox(error, title_);
    try {
        modalBoxes_.show(box);
    } catch (const platform::ScriptError&) {
        throw;
    } catch (...) {
        // The error box was the last resort: an error showing it has no one to
        // go to, and must not end the program.
    }
}

const Form* Application::topmostWindow() const {
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
