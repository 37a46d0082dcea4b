#include "ui/standard_controls.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

Button::Button(Control& parent, std::wstring name) : Control(parent, std::move(name)) {
    setTabStop(true);
}

void Button::setDefault(bool isDefault) {
    change(default_, isDefault, Property::Default);
}

void Button::click() {
    if (modalResult_ != kModalNone) {
        form().setModalResult(modalResult_);
    }
    fire(onClick);
}

CheckBox::CheckBox(Control& parent, std::wstring name) : Control(parent, std::move(name)) {
    setTabStop(true);
}

void CheckBox::setChecked(bool checked) {
    if (change(checked_, checked, Property::Checked)) {
        fire(onClick);
    }
}

void CheckBox::click() {
    setChecked(!checked_);
}

RadioGroup::RadioGroup(Control& parent, std::wstring name) : Control(parent, std::move(name)) {
    setTabStop(true);
}

void RadioGroup::setItems(std::vector<std::wstring> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    mirror(Property::Items);
}

void RadioGroup::setItemIndex(int index) {
    index = std::clamp(index, -1, static_cast<int>(items_.size()) - 1);
    if (change(itemIndex_, index, Property::ItemIndex) && index >= 0) {
        fire(onClick);
    }
}

Label::Label(Control& parent, std::wstring name) : Control(parent, std::move(name)) {}

void Label::setAlignment(Alignment alignment) {
    change(alignment_, alignment, Property::Appearance);
}

void Label::setWordWrap(bool wordWrap) {
    change(wordWrap_, wordWrap, Property::Appearance);
}

void Label::setEndEllipsis(bool endEllipsis) {
    change(endEllipsis_, endEllipsis, Property::Appearance);
}

void Label::setTransparent(bool transparent) {
    change(transparent_, transparent, Property::Appearance);
}

GroupBox::GroupBox(Control& parent, std::wstring name) : Control(parent, std::move(name)) {}

Panel::Panel(Control& parent, std::wstring name) : Control(parent, std::move(name)) {}

void Panel::setBevelOuter(Bevel bevel) {
    change(bevelOuter_, bevel, Property::Appearance);
}

void Panel::setBevelInner(Bevel bevel) {
    change(bevelInner_, bevel, Property::Appearance);
}

Shape::Shape(Control& parent, std::wstring name) : Control(parent, std::move(name)) {}

void Shape::setBrushColor(Color color) {
    change(brushColor_, color, Property::Appearance);
}

void Shape::setPenColor(Color color) {
    change(penColor_, color, Property::Appearance);
}

void Shape::setPenStyle(PenStyle style) {
    change(penStyle_, style, Property::Appearance);
}

Image::Image(Control& parent, std::wstring name) : Control(parent, std::move(name)) {}

void Image::setPicture(const std::wstring& resourceName) {
    change(picture_, resourceName, Property::Picture);
}

void Image::setStretch(bool stretch) {
    change(stretch_, stretch, Property::Appearance);
}

void Image::setCenter(bool center) {
    change(center_, center, Property::Appearance);
}

void Image::setTransparent(bool transparent) {
    change(transparent_, transparent, Property::Appearance);
}

}  // namespace ui
