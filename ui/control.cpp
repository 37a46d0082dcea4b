#include "ui/control.h"

#include <algorithm>
#include <stdexcept>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Control::Control(Control& parent, std::wstring name)
    : name_(std::move(name)), parent_(&parent), form_(parent.form_) {
    tabOrder_ = static_cast<int>(parent.children_.size());
    parent.children_.push_back(this);
}

Control::Control(std::wstring name, Form& self) : name_(std::move(name)), form_(&self) {}

Control::~Control() {
    // The form lets go of the focus first, so that no native focus change
    // during the windows' destruction can return to this control.
    if (parent_ != nullptr) {
        form_->forget(*this);
    }
    owned_.clear();
    peer_.reset();
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void Control::remove(Control& child) {
    const auto found = std::find_if(owned_.begin(), owned_.end(),
                                    [&](const auto& made) { return made.get() == &child; });
    if (found == owned_.end()) {
        throw std::invalid_argument("not a child made by add()");
    }
    owned_.erase(found);
}

Application& Control::application() const {
    return form_->application();
}

Control* Control::find(const std::wstring& name) {
    if (name_ == name) {
        return this;
    }
    for (Control* child : children_) {
        if (Control* found = child->find(name)) {
            return found;
        }
    }
    return nullptr;
}

bool Control::contains(const Control& other) const {
    for (const Control* control = &other; control != nullptr; control = control->parent_) {
        if (control == this) {
            return true;
        }
    }
    return false;
}

void Control::setBounds(int left, int top, int width, int height) {
    const Rect bounds{left, top, left + width, top + height};
    if (bounds == bounds_) {
        return;
    }
    const bool resizedNow =
        bounds.width() != bounds_.width() || bounds.height() != bounds_.height();
    bounds_ = bounds;
    mirror(Property::Bounds);
    if (resizedNow) {
        resized();
    }
}

void Control::setLeft(int left) {
    setBounds(left, top(), width(), height());
}
void Control::setTop(int top) {
    setBounds(left(), top, width(), height());
}
void Control::setWidth(int width) {
    setBounds(left(), top(), width, height());
}
void Control::setHeight(int height) {
    setBounds(left(), top(), width(), height);
}

void Control::setVisible(bool visible) {
    if (!change(visible_, visible, Property::Visible)) {
        return;
    }
    refreshShowing();
    if (!visible) {
        form_->releaseFocusFrom(*this);
    }
}

bool Control::showing() const {
    return visible_ && (parent_ == nullptr || parent_->showing());
}

void Control::setEnabled(bool enabled) {
    if (change(enabled_, enabled, Property::Enabled) && !enabled) {
        form_->releaseFocusFrom(*this);
    }
}

bool Control::enabledWithParents() const {
    return enabled_ && (parent_ == nullptr || parent_->enabledWithParents());
}

void Control::setCaption(const std::wstring& caption) {
    change(caption_, caption, Property::Caption);
}

Font Control::font() const {
    if (font_) {
        return *font_;
    }
    return parent_ != nullptr ? parent_->font() : Font{};
}

void Control::setFont(const Font& font) {
    if (font_ && *font_ == font) {
        return;
    }
    font_ = font;
    mirrorFontToInheritors();
}

void Control::mirrorFontToInheritors() {
    mirror(Property::Font);
    for (Control* child : children_) {
        if (!child->font_) {
            child->mirrorFontToInheritors();
        }
    }
}

void Control::setFontColor(Color color) {
    Font changed = font();
    changed.color = color;
    setFont(changed);
}

void Control::setFontBold(bool bold) {
    Font changed = font();
    changed.bold = bold;
    setFont(changed);
}

// The model moves the focus itself, so the native windows need not know.
void Control::setTabOrder(int order) {
    tabOrder_ = order;
}

void Control::setTabStop(bool tabStop) {
    tabStop_ = tabStop;
}

void Control::setHint(const std::wstring& hint) {
    change(hint_, hint, Property::Hint);
}

bool Control::canFocus() const {
    return focusable() && showing() && enabledWithParents();
}

bool Control::focused() const {
    return form_->activeControl() == this;
}

void Control::setFocus() {
    if (!canFocus()) {
        throw InvalidOperation(L"Cannot focus a disabled or invisible window (" + name_ + L")");
    }
    form_->focusControl(this);
}

void Control::click() {
    fire(onClick);
}

void Control::doubleClick() {
    fire(onDblClick);
}

bool Control::keyPressed(wchar_t) {
    return false;
}

void Control::repaint() {
    if (peer_) {
        peer_->repaint();
    }
    if (recorded_) {
        recorded_->clear();
    }
}

Canvas& Control::canvas() {
    if (drawingOn_ != nullptr) {
        return *drawingOn_;
    }
    if (peer_) {
        return peer_->canvas();
    }
    if (!recorded_) {
        recorded_ = std::make_unique<RecordingCanvas>();
    }
    return *recorded_;
}

const RecordingCanvas& Control::recordedDrawing() {
    if (!recorded_) {
        recorded_ = std::make_unique<RecordingCanvas>();
    }
    return *recorded_;
}

bool Control::handleNativeMessage(NativeMessage&) {
    return false;
}

void Control::attachPeer(std::unique_ptr<Peer> peer) {
    peer_ = std::move(peer);
}

void Control::detachPeer() {
    for (Control* child : children_) {
        child->detachPeer();
    }
    peer_.reset();
}

Control::DrawingScope::DrawingScope(Control& control, Canvas& canvas)
    : control_(control), previous_(control.drawingOn_) {
    control.drawingOn_ = &canvas;
}

Control::DrawingScope::~DrawingScope() {
    control_.drawingOn_ = previous_;
}

void Control::mirror(Property property) const {
    if (peer_) {
        peer_->mirror(property);
    }
}

void Control::pull(Property property) const {
    if (peer_) {
        peer_->pull(property);
    }
}

void Control::showingChanged(bool) {}

void Control::resized() {}

// Announces showing() to every control whose state differs from what it was
// last told, parents first. Handlers may change visibility meanwhile; each
// control is told its state as it is when its turn comes, once per change.
void Control::refreshShowing() {
    const bool now = showing();
    if (now != showingAnnounced_) {
        showingAnnounced_ = now;
        showingChanged(now);
    }
    // A handler may add or remove children: walk a copy, skipping the removed.
    const std::vector<Control*> children = children_;
    for (Control* child : children) {
        if (std::find(children_.begin(), children_.end(), child) != children_.end()) {
            child->refreshShowing();
        }
    }
}

void Control::forEachDescendant(const std::function<void(Control&)>& visit) {
    for (Control* child : children_) {
        visit(*child);
        child->forEachDescendant(visit);
    }
}

}  // namespace ui
