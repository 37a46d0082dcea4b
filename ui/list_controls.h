#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class Canvas;

enum class ListStyle { Standard, OwnerDrawFixed, OwnerDrawVariable };

// Items and a selected item, shared by list boxes and drop-down lists. Setting
// the item index from code fires nothing; an index outside the items selects
// nothing, as the native controls do. Owner-drawn rows are drawn through
// onDrawItem (natively from WM_DRAWITEM; headless when a test asks), with the
// canvas's brush and font set for the row's state first.
class ListControl : public Control {
public:
    using DrawItemEvent =
        std::function<void(Control& sender, int index, Rect rect, OwnerDrawState state)>;

    static constexpr int kDefaultItemHeight = 13;
    // The sunken frame's width on every side of the rows.
    static constexpr int kFrameWidth = 2;

    const std::vector<std::wstring>& items() const { return items_; }
    int itemCount() const { return static_cast<int>(items_.size()); }
    const std::wstring& item(int index) const;
    // Appends; returns the new item's index.
    int addItem(const std::wstring& text);
    // A selected item moves with the items inserted or deleted before it;
    // deleting the selected item selects nothing.
    void insertItem(int index, const std::wstring& text);
    void deleteItem(int index);
    void setItem(int index, const std::wstring& text);
    // Replaces every item; nothing is selected afterwards.
    void setItems(std::vector<std::wstring> items);
    void clearItems();

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

    ListStyle style() const { return style_; }
    // Set before the form is first shown: the native control cannot change it.
    virtual void setStyle(ListStyle style);
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height);
    // The height of one row: the item height, or what onMeasureItem says for a
    // row of a variable-height list.
    virtual int rowHeight(int index);
    // Where a row lies in the control's client area, rows stacked from the top.
    Rect itemRect(int index);
    // Draws a row as the native control does: brush and font for its state, then
    // onDrawItem, or without a handler the row filled and its text at left + 2.
    void drawItem(int index, const Rect& rect, OwnerDrawState state, Canvas& canvas);
    // Draws a row where it lies, selected when it is the selected row.
    void drawItem(int index, Canvas& canvas);

    bool focusable() const override { return true; }

    DrawItemEvent onDrawItem;

protected:
    ListControl(Control& parent, std::wstring name);

private:
    void checkIndex(int index, int count) const;

    std::vector<std::wstring> items_;
    int itemIndex_ = -1;
    ListStyle style_ = ListStyle::Standard;
    int itemHeight_ = kDefaultItemHeight;
};

// Native: LISTBOX (LBS_NOTIFY; owner-drawn ones LBS_OWNERDRAWFIXED or
// LBS_OWNERDRAWVARIABLE with LBS_HASSTRINGS, so they keep their texts).
class ListBox : public ListControl {
public:
    using MeasureItemEvent = std::function<void(Control& sender, int index, int& height)>;

    ListBox(Control& parent, std::wstring name);

    int rowHeight(int index) override;
    // Whether rows wider than the list scroll sideways. Set before the form is
    // first shown: the native control cannot change it.
    bool horizontalScroll() const { return horizontalScroll_; }
    void setHorizontalScroll(bool scroll) { horizontalScroll_ = scroll; }
    // A user's choice of a row (natively LBN_SELCHANGE): selects it and fires
    // onClick, even when the row was selected already.
    virtual void select(int index);

    // Asked for each row of a variable-height list, starting from the item height.
    MeasureItemEvent onMeasureItem;

private:
    bool horizontalScroll_ = false;
};

// A drop-down list that cannot be typed into. Native: COMBOBOX (CBS_DROPDOWNLIST;
// owner-drawn CBS_OWNERDRAWFIXED with CBS_HASSTRINGS).
class ComboBox : public ListControl {
public:
    ComboBox(Control& parent, std::wstring name);

    // Only Standard and OwnerDrawFixed; std::invalid_argument otherwise.
    void setStyle(ListStyle style) override;
    // The selected item's text; empty when none is selected.
    std::wstring text() const;
    // A choice the user settled on (a click on an item, or natively a selection
    // change not made by keys): selects the item, fires onChange, then onSelect.
    void select(int index);
    // The selection moved by browsing with the keys, open or closed: selects the
    // item and fires onChange only.
    void browse(int index);
    // The item browsed to became the choice (the list closed on it, or Enter):
    // onSelect, when an item is selected.
    void confirm();
    // Enter confirms the item shown.
    bool keyPressed(wchar_t key) override;

    Event onChange;
    // The user settled on a choice; browsing passes items without it.
    Event onSelect;

protected:
    // What a user's choice runs after the item is selected.
    virtual void changed();
};

}  // namespace ui
