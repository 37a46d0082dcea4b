#pragma once

#include "ui/types.h"

namespace ui {

class Canvas;
class Control;

// The properties a native peer mirrors. A setter that changed its value names it
// to the peer, which reads the new value from its control.
enum class Property {
    Bounds,
    Visible,
    Enabled,
    Caption,
    Font,
    Hint,
    Items,
    ItemIndex,
    ItemHeight,
    Text,
    Selection,
    ReadOnly,
    MaxLength,
    Range,
    Position,
    Ticks,
    Checked,
    ActivePage,
    Picture,
    Appearance,  // a control's own look: alignment, word wrap, bevels, shape, pen, brush
    Default,
};

// The native side of one control (ui/win32/ on Windows; none headless). It
// exists while the control's form is realized, and is owned by the control.
class Peer {
public:
    virtual ~Peer() = default;

    // The model changed property: write it to the native control. Notifications
    // the native control sends back because of this write are dropped.
    virtual void mirror(Property property) = 0;
    // The native control may hold newer state that it changes without telling
    // (an edit's caret): read it into the model.
    virtual void pull(Property property) = 0;
    // A child was added to the control after its native window was made.
    virtual void childAdded(Control& child) = 0;
    // The model moved the keyboard focus to this control.
    virtual void focus() = 0;
    // Whether the native control uses the key itself now, so that the form must
    // not take it as a dialog key.
    virtual bool wantsKey(int key) const = 0;
    virtual void repaint() = 0;
    // Draws on the control's face now; what it draws lasts until the next repaint.
    virtual Canvas& canvas() = 0;
    virtual WindowId windowId() const = 0;
};

}  // namespace ui
