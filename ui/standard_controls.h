#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

// The simple controls. Which of their setters fire events: ui/EVENTS.md.
namespace ui {

// A push button. Native: BUTTON (BS_PUSHBUTTON, BS_DEFPUSHBUTTON while default).
class Button : public Control {
public:
    Button(Control& parent, std::wstring name);

    // Enter clicks the default button when the focused control is no button.
    bool isDefault() const { return default_; }
    void setDefault(bool isDefault);
    // Esc clicks the cancel button.
    bool cancel() const { return cancel_; }
    void setCancel(bool cancel) { cancel_ = cancel; }
    // Clicking sets the form's modal result to this when it is not kModalNone.
    ModalResult modalResult() const { return modalResult_; }
    void setModalResult(ModalResult result) { modalResult_ = result; }

    void click() override;
    bool focusable() const override { return true; }

private:
    bool default_ = false;
    bool cancel_ = false;
    ModalResult modalResult_ = kModalNone;
};

// Native: BUTTON (BS_CHECKBOX; the model toggles it).
class CheckBox : public Control {
public:
    CheckBox(Control& parent, std::wstring name);

    bool checked() const { return checked_; }
    // Fires onClick when the state changes, from code too.
    void setChecked(bool checked);
    // Toggles the box (which fires onClick).
    void click() override;
    bool focusable() const override { return true; }

private:
    bool checked_ = false;
};

// A group box of radio buttons, one per item. Native: BUTTON (BS_GROUPBOX)
// holding one BUTTON (BS_RADIOBUTTON) per item.
class RadioGroup : public Control {
public:
    RadioGroup(Control& parent, std::wstring name);

    const std::vector<std::wstring>& items() const { return items_; }
    // Replaces the items; the chosen item is none afterwards (no event).
    void setItems(std::vector<std::wstring> items);
    int itemIndex() const { return itemIndex_; }
    // Clamped to -1 .. item count - 1. Fires onClick when an item becomes chosen,
    // from code too; choosing none (-1) fires nothing.
    void setItemIndex(int index);
    bool focusable() const override { return !items_.empty(); }

private:
    std::vector<std::wstring> items_;
    int itemIndex_ = -1;
};

// Static text. "&" underlines the next letter and "&&" shows one ampersand.
// Native: STATIC.
class Label : public Control {
public:
    Label(Control& parent, std::wstring name);

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wordWrap);
    // A caption wider than the label ends with an ellipsis inside it instead of
    // being cut off (one line, no word wrap).
    bool endEllipsis() const { return endEllipsis_; }
    void setEndEllipsis(bool endEllipsis);
    // Shows what lies behind the label instead of the form colour.
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

private:
    Alignment alignment_ = Alignment::Left;
    bool wordWrap_ = false;
    bool endEllipsis_ = false;
    bool transparent_ = false;
};

// A captioned frame around other controls. Native: BUTTON (BS_GROUPBOX).
class GroupBox : public Control {
public:
    GroupBox(Control& parent, std::wstring name);
    bool focusable() const override { return true; }
    bool focusedByClick() const override { return false; }
};

enum class Bevel { None, Lowered, Raised };

// A plain container with bevelled edges and a centred caption. Native: a window
// of the program's own container class.
class Panel : public Control {
public:
    Panel(Control& parent, std::wstring name);

    Bevel bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(Bevel bevel);
    Bevel bevelInner() const { return bevelInner_; }
    void setBevelInner(Bevel bevel);
    bool focusable() const override { return true; }
    bool focusedByClick() const override { return false; }

private:
    Bevel bevelOuter_ = Bevel::Raised;
    Bevel bevelInner_ = Bevel::None;
};

enum class PenStyle { Solid, Clear };

// A filled rectangle with an optional outline.
class Shape : public Control {
public:
    Shape(Control& parent, std::wstring name);

    Color brushColor() const { return brushColor_; }
    void setBrushColor(Color color);
    Color penColor() const { return penColor_; }
    void setPenColor(Color color);
    PenStyle penStyle() const { return penStyle_; }
    void setPenStyle(PenStyle style);

private:
    Color brushColor_ = Color::rgb(255, 255, 255);
    Color penColor_ = kBlack;
    PenStyle penStyle_ = PenStyle::Solid;
};

// A bitmap from the program's resources, by name ("MOUSE6", "HW1.BMP"). Unless
// stretched it is drawn at its own size from the top-left corner (or centred),
// clipped to the control. Transparent: the colour of its bottom-left pixel is
// not drawn.
class Image : public Control {
public:
    Image(Control& parent, std::wstring name);

    const std::wstring& picture() const { return picture_; }
    // An empty name shows nothing.
    void setPicture(const std::wstring& resourceName);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    bool center() const { return center_; }
    void setCenter(bool center);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

private:
    std::wstring picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

}  // namespace ui
