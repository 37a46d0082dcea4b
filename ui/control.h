#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/errors.h"
#include "ui/peer.h"
#include "ui/recording_canvas.h"
#include "ui/types.h"

// Which setters fire which events: ui/EVENTS.md.
namespace ui {

class Application;
class Form;

// An operation the toolkit refuses, such as focusing a hidden control. Like any
// failure in a handler it ends the handler and shows the standard error box.
class InvalidOperation : public platform::Error {
public:
    using Error::Error;
};

// Base of every control. A control belongs to a parent (the form at the root) and
// is either made by parent.add<T>(name, ...) and owned by the parent, or is a
// member object of a derived form constructed with (parent, name); either way it
// is destroyed before its parent. Native windows are made when the form is first
// shown; afterwards only add() gives a new control its window. Where controls
// overlap, the one made later is drawn on top.
//
// Setters follow one path: compare, store, mirror to the native peer if there is
// one, fire the event once (ui/EVENTS.md). A user's actions reach the model
// through ui/input.h (natively) or ui/user.h (headless tests).
class Control {
public:
    using Event = std::function<void(Control& sender)>;
    using KeyEvent = std::function<void(Control& sender, int& key, ShiftState shift)>;
    using KeyPressEvent = std::function<void(Control& sender, wchar_t& key)>;
    using MouseEvent =
        std::function<void(Control& sender, MouseButton button, ShiftState shift, int x, int y)>;

    Control(Control& parent, std::wstring name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // A new child owned by this control; T is constructed from (*this, name, args...).
    // Added to a control that has its native window already, it gets its own at
    // once, with everything its constructor set.
    template <typename T, typename... Args>
    T& add(std::wstring name, Args&&... args) {
        static_assert(std::is_base_of_v<Control, T>, "only controls can be children");
        auto child = std::make_unique<T>(*this, std::move(name), std::forward<Args>(args)...);
        T& result = *child;
        owned_.push_back(std::move(child));
        if (peer_) {
            peer_->childAdded(result);
        }
        return result;
    }

    // Destroys a child made by add() (std::invalid_argument for any other),
    // with its native window. Not from one of the child's own handlers.
    void remove(Control& child);

    const std::wstring& name() const { return name_; }
    Control* parent() const { return parent_; }
    Form& form() const { return *form_; }
    Application& application() const;
    // Children in the order they were made.
    const std::vector<Control*>& children() const { return children_; }
    // This control or the first descendant of that name; nullptr when none.
    Control* find(const std::wstring& name);
    // Whether other is this control or one of its descendants.
    bool contains(const Control& other) const;

    // Position relative to the parent's client area, in pixels.
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width(); }
    int height() const { return bounds_.height(); }
    Rect bounds() const { return bounds_; }
    void setBounds(int left, int top, int width, int height);
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);

    bool visible() const { return visible_; }
    virtual void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Visible, with every parent visible, on a form that is shown.
    bool showing() const;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Enabled, with every parent enabled: what the user can operate.
    bool enabledWithParents() const;

    const std::wstring& caption() const { return caption_; }
    void setCaption(const std::wstring& caption);

    // The control's own font, or its parent's while it has none of its own.
    Font font() const;
    void setFont(const Font& font);
    void setFontColor(Color color);
    void setFontBold(bool bold);

    // Tab visits siblings by tab order, then in the order they were made; a new
    // control's tab order is its index among its siblings.
    int tabOrder() const { return tabOrder_; }
    void setTabOrder(int order);
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool tabStop);
    const std::wstring& hint() const { return hint_; }
    void setHint(const std::wstring& hint);

    // Whether setFocus would succeed: a focusable kind, showing and enabled.
    bool canFocus() const;
    bool focused() const;
    // Makes this the form's active control (exit and enter events, ui/EVENTS.md);
    // InvalidOperation when it cannot take the focus.
    void setFocus();

    // Runs what a user's click on the control runs (a check box toggles, a button
    // sets its form's modal result); fires onClick.
    virtual void click();
    // Runs what a user's double click runs; fires onDblClick.
    virtual void doubleClick();

    // Draws the control again: what was drawn through canvas() is gone.
    void repaint();
    // Where to draw on the control now. Inside a draw-item handler it is the
    // row's canvas; otherwise the control's face (natively a device context,
    // headless a RecordingCanvas that repaint() clears).
    Canvas& canvas();
    // Headless: what was drawn through canvas() since the last repaint.
    const RecordingCanvas& recordedDrawing();

    // Natively, every window message reaches the control here before the
    // standard control sees it; return true to consume it (message.result is
    // then the answer). The hook lets a derived control drop a message, such as
    // an edit that must never see WM_SYSCHAR.
    virtual bool handleNativeMessage(NativeMessage& message);

    Event onClick;
    Event onDblClick;
    Event onEnter;
    Event onExit;
    KeyEvent onKeyDown;  // set key to 0 to discard the key
    KeyEvent onKeyUp;
    KeyPressEvent onKeyPress;  // set key to 0 to discard the character
    MouseEvent onMouseDown;
    MouseEvent onMouseUp;

    // For the native layer.
    Peer* peer() const { return peer_.get(); }
    void attachPeer(std::unique_ptr<Peer> peer);
    void detachPeer();
    // Whether the kind of control can take the keyboard focus at all.
    virtual bool focusable() const { return false; }
    // Whether a mouse click gives it the focus (containers take it only from code).
    virtual bool focusedByClick() const { return focusable(); }
    // The control's own reaction to a character its onKeyPress left (the input
    // layer calls it); returns whether it used the character.
    virtual bool keyPressed(wchar_t key);
    // Whether the control keeps a key from the form's dialog keys (natively, an
    // open drop-down list closes on Enter and Esc instead of clicking a button).
    bool wantsKey(int key) const { return peer_ != nullptr && peer_->wantsKey(key); }
    // Fires a plain event of this control (used by the input layer).
    void fire(const Event& event) {
        if (event) {
            event(*this);
        }
    }
    // Sets the canvas that canvas() returns while a row is drawn.
    class DrawingScope {
    public:
        DrawingScope(Control& control, Canvas& canvas);
        ~DrawingScope();
        DrawingScope(const DrawingScope&) = delete;
        DrawingScope& operator=(const DrawingScope&) = delete;

    private:
        Control& control_;
        Canvas* previous_;
    };

protected:
    // The root of a tree: a form, passed as itself.
    Control(std::wstring name, Form& self);

    void mirror(Property property) const;
    void pull(Property property) const;
    // The one path of a setter: compare, store, mirror to the peer. Returns
    // whether the value changed, so that the caller fires its event once.
    template <typename T>
    bool change(T& field, const T& value, Property property) {
        if (field == value) {
            return false;
        }
        field = value;
        mirror(property);
        return true;
    }
    // Called when showing() changes, parents before children.
    virtual void showingChanged(bool showing);
    // Called when the width or height changed.
    virtual void resized();
    void refreshShowing();
    void forEachDescendant(const std::function<void(Control&)>& visit);
    // Destroys the children made by add(); a form does so while it is still whole.
    void destroyOwnedChildren() { owned_.clear(); }

private:
    void mirrorFontToInheritors();

    std::wstring name_;
    Control* parent_ = nullptr;
    Form* form_ = nullptr;
    std::vector<Control*> children_;
    std::vector<std::unique_ptr<Control>> owned_;

    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    bool showingAnnounced_ = false;
    std::wstring caption_;
    std::optional<Font> font_;
    int tabOrder_ = 0;
    bool tabStop_ = false;
    std::wstring hint_;

    std::unique_ptr<Peer> peer_;
    std::unique_ptr<RecordingCanvas> recorded_;
    Canvas* drawingOn_ = nullptr;

    friend class Form;
};

}  // namespace ui
