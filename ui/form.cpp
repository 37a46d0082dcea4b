#include "ui/form.h"

#include <algorithm>

#include "ui/accelerator.h"
#include "ui/application.h"
#include "ui/list_controls.h"
#include "ui/standard_controls.h"
#include "ui/timer.h"

namespace ui {

Form::Form(Application& application, std::wstring name)
    : Control(std::move(name), *this), application_(application) {
    visible_ = false;
    application_.formCreated(*this);
}

Form::~Form() {
    timers_.clear();
    destroyOwnedChildren();
    detachPeer();
    application_.formDestroyed(*this);
}

void Form::setClientSize(int width, int height) {
    setBounds(left(), top(), width, height);
}

void Form::setMaximizeBox(bool maximizeBox) {
    change(maximizeBox_, maximizeBox, Property::Appearance);
}

void Form::setStayOnTop(bool stayOnTop) {
    change(stayOnTop_, stayOnTop, Property::Appearance);
}

void Form::setNativeClassName(const std::wstring& className) {
    nativeClassName_ = className;
}

void Form::created() {
    fire(onCreate);
}

void Form::setVisible(bool visible) {
    if (visible == this->visible()) {
        return;
    }
    if (visible) {
        application_.backend().realize(*this);
    }
    Control::setVisible(visible);
    if (visible && showing()) {
        focusFirst();
    }
}

void Form::showingChanged(bool showing) {
    if (showing) {
        fire(onShow);
    }
}

void Form::focusFirst() {
    if (activeControl_ != nullptr && activeControl_->canFocus()) {
        Control* wanted = activeControl_;
        activeControl_ = nullptr;
        focusControl(wanted);
        return;
    }
    const auto stops = tabStops();
    if (!stops.empty()) {
        focusControl(stops.front());
    }
}

void Form::close() {
    if (modal_) {
        setModalResult(kModalCancel);
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (onClose) {
        onClose(*this, action);
    }
    if (action == CloseAction::None) {
        return;
    }
    // As in the toolkit, the main form is not hidden: the application ends.
    if (application_.mainForm() == this) {
        application_.terminate();
    } else {
        hide();
    }
}

ModalResult Form::showModal() {
    if (visible()) {
        throw InvalidOperation(L"Cannot make a visible window modal (" + name() + L")");
    }
    modal_ = true;
    modalResult_ = kModalNone;
    ModalResult result = kModalNone;
    try {
        show();
        // As in the toolkit, onClose runs when the modal result is set and can
        // keep the form open by answering CloseAction::None.
        for (;;) {
            result = application_.backend().runModal(*this);
            CloseAction action = CloseAction::Hide;
            if (result != kModalNone && onClose) {
                onClose(*this, action);
            }
            if (action != CloseAction::None || application_.terminated()) {
                break;
            }
            modalResult_ = kModalNone;
        }
    } catch (...) {
        modal_ = false;
        hide();
        throw;
    }
    modal_ = false;
    hide();
    return result;
}

void Form::setModalResult(ModalResult result) {
    modalResult_ = result;
}

void Form::setActiveControl(Control* control) {
    if (control != nullptr && showing()) {
        control->setFocus();
        return;
    }
    if (control == nullptr && showing()) {
        focusControl(nullptr);
        return;
    }
    activeControl_ = control;
}

// The toolkit's focus order: the active control changes first, so that exit
// handlers see where the focus is going; then onExit runs from the control that
// loses the focus outwards, up to the common parent, and onEnter from there
// inwards to the new control. A handler that moves the focus again ends this
// change: the newer one has fired what is still due.
void Form::focusControl(Control* target) {
    if (target == activeControl_ && target == entered_) {
        return;
    }
    activeControl_ = target;
    const unsigned change = ++focusChanges_;
    if (target != nullptr && target->peer() != nullptr) {
        target->peer()->focus();
    } else if (target == nullptr && peer() != nullptr) {
        peer()->focus();
    }
    while (entered_ != nullptr && (target == nullptr || !entered_->contains(*target))) {
        Control& leaving = *entered_;
        entered_ = leaving.parent() == this ? nullptr : leaving.parent();
        leaving.fire(leaving.onExit);
        if (change != focusChanges_) {
            return;
        }
    }
    while (target != nullptr && entered_ != target) {
        Control* const outer = entered_ == nullptr ? this : entered_;
        Control* next = target;
        while (next->parent() != outer) {
            next = next->parent();
        }
        entered_ = next;
        next->fire(next->onEnter);
        if (change != focusChanges_) {
            return;
        }
    }
}

void Form::releaseFocusFrom(Control& changed) {
    if (activeControl_ != nullptr && changed.contains(*activeControl_) &&
        !activeControl_->canFocus()) {
        if (showing()) {
            focusControl(nullptr);
        } else {
            activeControl_ = nullptr;
            entered_ = nullptr;
        }
    }
}

void Form::forget(Control& control) {
    if (activeControl_ != nullptr && control.contains(*activeControl_)) {
        activeControl_ = nullptr;
    }
    if (entered_ != nullptr && control.contains(*entered_)) {
        entered_ = control.parent() == this ? nullptr : control.parent();
    }
}

namespace {

// Children in tab order: by tab order, then by the order they were made.
std::vector<Control*> inTabOrder(const Control& parent) {
    std::vector<Control*> children = parent.children();
    std::stable_sort(children.begin(), children.end(), [](const Control* a, const Control* b) {
        return a->tabOrder() < b->tabOrder();
    });
    return children;
}

void collectTabStops(const Control& parent, std::vector<Control*>& stops) {
    for (Control* child : inTabOrder(parent)) {
        if (!child->showing() || !child->enabledWithParents()) {
            continue;
        }
        if (child->tabStop() && child->canFocus()) {
            stops.push_back(child);
        }
        collectTabStops(*child, stops);
    }
}

}  // namespace

std::vector<Control*> Form::tabStops() const {
    std::vector<Control*> stops;
    collectTabStops(*this, stops);
    return stops;
}

void Form::focusFirstWithin(Control& container) {
    if (activeControl_ != nullptr && container.contains(*activeControl_) &&
        activeControl_->canFocus()) {
        return;
    }
    std::vector<Control*> stops;
    collectTabStops(container, stops);
    if (!stops.empty()) {
        setActiveControl(stops.front());
    }
}

void Form::selectNext(bool forward) {
    const auto stops = tabStops();
    if (stops.empty()) {
        return;
    }
    const auto at = std::find(stops.begin(), stops.end(), activeControl_);
    const int count = static_cast<int>(stops.size());
    int index;
    if (at == stops.end()) {
        index = forward ? 0 : count - 1;
    } else {
        const int current = static_cast<int>(at - stops.begin());
        index = (current + (forward ? 1 : count - 1)) % count;
    }
    focusControl(stops[index]);
}

Button* Form::findButton(bool (*wanted)(const Button&)) {
    Button* found = nullptr;
    forEachDescendant([&](Control& control) {
        auto* button = dynamic_cast<Button*>(&control);
        if (found == nullptr && button != nullptr && wanted(*button) && button->canFocus()) {
            found = button;
        }
    });
    return found;
}

bool Form::dialogKey(int key, ShiftState shift) {
    if (key == platform::vk::kTab && !shift.ctrl && !shift.alt) {
        selectNext(!shift.shift);
        return true;
    }
    if (shift != ShiftState{}) {
        return false;
    }
    Button* target = nullptr;
    if (key == platform::vk::kEnter) {
        target = dynamic_cast<Button*>(activeControl_);
        if (target == nullptr) {
            target = findButton([](const Button& button) { return button.isDefault(); });
        }
    } else if (key == platform::vk::kEscape) {
        target = findButton([](const Button& button) { return button.cancel(); });
    }
    if (target == nullptr) {
        return false;
    }
    target->click();
    return true;
}

bool Form::accelerator(wchar_t letter) {
    Control* found = nullptr;
    forEachDescendant([&](Control& control) {
        if (found == nullptr && control.showing() && control.enabledWithParents() &&
            acceleratorMatches(control.caption(), letter) &&
            (dynamic_cast<Button*>(&control) != nullptr ||
             dynamic_cast<CheckBox*>(&control) != nullptr)) {
            found = &control;
        }
    });
    if (found == nullptr) {
        return false;
    }
    if (found->canFocus() && dynamic_cast<CheckBox*>(found) != nullptr) {
        found->setFocus();
    }
    found->click();
    return true;
}

Timer& Form::addTimer(std::wstring name) {
    timers_.push_back(std::make_unique<Timer>(*this, std::move(name)));
    return *timers_.back();
}

WindowId Form::windowId() const {
    if (peer() != nullptr) {
        return peer()->windowId();
    }
    return reinterpret_cast<WindowId>(this);
}

}  // namespace ui
