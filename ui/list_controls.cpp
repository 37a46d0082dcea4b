#include "ui/list_controls.h"

#include <stdexcept>

#include "ui/canvas.h"

namespace ui {

ListControl::ListControl(Control& parent, std::wstring name) : Control(parent, std::move(name)) {
    setTabStop(true);
}

void ListControl::checkIndex(int index, int count) const {
    if (index < 0 || index >= count) {
        throw std::out_of_range("item " + std::to_string(index) + " of " + std::to_string(count) +
                                " items");
    }
}

const std::wstring& ListControl::item(int index) const {
    checkIndex(index, itemCount());
    return items_[index];
}

int ListControl::addItem(const std::wstring& text) {
    insertItem(itemCount(), text);
    return itemCount() - 1;
}

void ListControl::insertItem(int index, const std::wstring& text) {
    checkIndex(index, itemCount() + 1);
    items_.insert(items_.begin() + index, text);
    if (itemIndex_ >= index) {
        ++itemIndex_;
    }
    mirror(Property::Items);
}

void ListControl::deleteItem(int index) {
    checkIndex(index, itemCount());
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) {
        itemIndex_ = -1;
    } else if (itemIndex_ > index) {
        --itemIndex_;
    }
    mirror(Property::Items);
}

void ListControl::setItem(int index, const std::wstring& text) {
    checkIndex(index, itemCount());
    change(items_[index], text, Property::Items);
}

void ListControl::setItems(std::vector<std::wstring> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    mirror(Property::Items);
}

void ListControl::clearItems() {
    setItems({});
}

void ListControl::setItemIndex(int index) {
    if (index < 0 || index >= itemCount()) {
        index = -1;
    }
    change(itemIndex_, index, Property::ItemIndex);
}

void ListControl::setStyle(ListStyle style) {
    if (peer() != nullptr && style != style_) {
        throw InvalidOperation(L"A list's style is set before its window is made (" + name() +
                               L")");
    }
    style_ = style;
}

void ListControl::setItemHeight(int height) {
    change(itemHeight_, height, Property::ItemHeight);
}

int ListControl::rowHeight(int) {
    return itemHeight_;
}

Rect ListControl::itemRect(int index) {
    checkIndex(index, itemCount());
    int top = 0;
    for (int row = 0; row < index; ++row) {
        top += rowHeight(row);
    }
    return {0, top, width() - 2 * kFrameWidth, top + rowHeight(index)};
}

void ListControl::drawItem(int index, const Rect& rect, OwnerDrawState state, Canvas& canvas) {
    DrawingScope scope(*this, canvas);
    Font rowFont = font();
    if (state.selected) {
        canvas.setBrushColor(kHighlightColor);
        rowFont.color = kHighlightTextColor;
    } else {
        canvas.setBrushColor(kWindowColor);
    }
    canvas.setFont(rowFont);
    if (onDrawItem) {
        onDrawItem(*this, index, rect, state);
        return;
    }
    canvas.fillRect(rect);
    if (index >= 0 && index < itemCount()) {
        constexpr int kTextIndent = 2;
        canvas.textOut(rect.left + kTextIndent, rect.top, items_[index]);
    }
}

void ListControl::drawItem(int index, Canvas& canvas) {
    OwnerDrawState state;
    state.selected = index == itemIndex_;
    state.focused = state.selected && focused();
    drawItem(index, itemRect(index), state, canvas);
}

ListBox::ListBox(Control& parent, std::wstring name) : ListControl(parent, std::move(name)) {}

int ListBox::rowHeight(int index) {
    int height = itemHeight();
    if (style() == ListStyle::OwnerDrawVariable && onMeasureItem) {
        onMeasureItem(*this, index, height);
    }
    return height;
}

void ListBox::select(int index) {
    setItemIndex(index);
    fire(onClick);
}

ComboBox::ComboBox(Control& parent, std::wstring name) : ListControl(parent, std::move(name)) {}

void ComboBox::setStyle(ListStyle style) {
    if (style == ListStyle::OwnerDrawVariable) {
        throw std::invalid_argument("a drop-down list has rows of one height");
    }
    ListControl::setStyle(style);
}

std::wstring ComboBox::text() const {
    return itemIndex() >= 0 ? item(itemIndex()) : std::wstring();
}

void ComboBox::select(int index) {
    browse(index);
    confirm();
}

void ComboBox::browse(int index) {
    setItemIndex(index);
    changed();
}

void ComboBox::confirm() {
    if (itemIndex() >= 0) {
        fire(onSelect);
    }
}

bool ComboBox::keyPressed(wchar_t key) {
    constexpr wchar_t kEnterCharacter = 13;
    if (key != kEnterCharacter) {
        return false;
    }
    confirm();
    return true;
}

void ComboBox::changed() {
    fire(onChange);
}

}  // namespace ui
