#include <algorithm>

#include "ui/application.h"
#include "ui/input.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

// How many rows a drop-down list shows when open.
constexpr int kDropDownRows = 8;

// A row of an owner-drawn list or drop-down list, as WM_DRAWITEM asks for it,
// in layout coordinates whose top-left corner is the row's own on the screen:
// the row's height came from the layout, so its layout rectangle covers it.
// Without a row (an empty list with the focus) the space is only cleared.
void drawRow(ListControl& list, Win32Backend& backend, const DRAWITEMSTRUCT& item) {
    const platform::DpiScale& scale = backend.scale();
    const RECT& row = item.rcItem;
    const POINT corner{scale.toLogical(row.left), scale.toLogical(row.top)};
    const Rect rect{corner.x, corner.y, corner.x + scale.toLogical(row.right - row.left),
                    corner.y + scale.toLogical(row.bottom - row.top)};
    GdiCanvas canvas(item.hDC, backend.fonts(), scale, {{row.left, row.top}, corner});
    const int index = static_cast<int>(item.itemID);
    if (index < 0) {
        canvas.fillRect(rect);
    } else {
        OwnerDrawState state;
        state.selected = (item.itemState & ODS_SELECTED) != 0;
        state.focused = (item.itemState & ODS_FOCUS) != 0;
        state.comboBoxEdit = (item.itemState & ODS_COMBOBOXEDIT) != 0;
        input::drawItem(list, index, rect, state, canvas);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

DWORD ownerDrawStyle(ListStyle style, DWORD fixed, DWORD variable, DWORD hasStrings) {
    switch (style) {
        case ListStyle::OwnerDrawFixed:
            return fixed | hasStrings;
        case ListStyle::OwnerDrawVariable:
            return variable | hasStrings;
        case ListStyle::Standard:
            break;
    }
    return 0;
}

// Items of a list or drop-down list, rewritten whole, then the selection.
void fill(HWND window, const ListControl& list, UINT reset, UINT add, UINT select) {
    SendMessageW(window, reset, 0, 0);
    for (const auto& text : list.items()) {
        SendMessageW(window, add, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(window, select, static_cast<WPARAM>(list.itemIndex()), 0);
}

}  // namespace

WindowKind ListBoxPeer::kind() const {
    const DWORD style =
        LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP |
        (list_.horizontalScroll() ? WS_HSCROLL : 0) |
        ownerDrawStyle(list_.style(), LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE, LBS_HASSTRINGS);
    return {L"LISTBOX", style, WS_EX_CLIENTEDGE};
}

void ListBoxPeer::fitHorizontalExtent() {
    // The list draws a row's text a little in from either side.
    constexpr int kTextMargins = 4;
    HDC dc = GetDC(window());
    GdiCanvas canvas(dc, backend().fonts(), backend().scale());
    canvas.setFont(list_.font());
    int widest = 0;
    for (const auto& text : list_.items()) {
        widest = std::max(widest, canvas.textWidth(text));
    }
    ReleaseDC(window(), dc);
    // The canvas measures in layout pixels; the list scrolls in screen pixels.
    const int extent = backend().scale().toDevice(widest + kTextMargins);
    write(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
}

void ListBoxPeer::mirror(Property property) {
    switch (property) {
        case Property::Items: {
            Writing guard(*this);
            fill(window(), list_, LB_RESETCONTENT, LB_ADDSTRING, LB_SETCURSEL);
            if (list_.horizontalScroll()) {
                fitHorizontalExtent();
            }
            break;
        }
        case Property::ItemIndex:
            write(LB_SETCURSEL, static_cast<WPARAM>(list_.itemIndex()));
            break;
        case Property::ItemHeight:
            if (list_.style() == ListStyle::OwnerDrawFixed) {
                write(LB_SETITEMHEIGHT, 0, backend().scale().toDevice(list_.itemHeight()));
            }
            break;
        default:
            NativePeer::mirror(property);
    }
}

void ListBoxPeer::command(WORD code) {
    if (code == LBN_SELCHANGE) {
        const auto index = static_cast<int>(SendMessageW(window(), LB_GETCURSEL, 0, 0));
        input::listRowSelected(list_, index);
    } else if (code == LBN_DBLCLK) {
        input::doubleClick(list_);
    }
}

void ListBoxPeer::drawItem(const DRAWITEMSTRUCT& item) {
    drawRow(list_, backend(), item);
}

void ListBoxPeer::measureItem(MEASUREITEMSTRUCT& item) {
    int height = list_.itemHeight();
    list_.application().deliver([&] { height = list_.rowHeight(static_cast<int>(item.itemID)); });
    item.itemHeight = static_cast<UINT>(backend().scale().toDevice(height));
}

WindowKind ComboBoxPeer::kind() const {
    const DWORD style =
        CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP |
        ownerDrawStyle(combo_.style(), CBS_OWNERDRAWFIXED, CBS_OWNERDRAWVARIABLE, CBS_HASSTRINGS);
    return {L"COMBOBOX", style};
}

void ComboBoxPeer::mirror(Property property) {
    switch (property) {
        case Property::Bounds: {
            // A drop-down list's window reaches down over its open list.
            Rect bounds = combo_.bounds();
            bounds.bottom += kDropDownRows * combo_.itemHeight() + 2;
            bounds = toDevice(backend().scale(), bounds);
            SetWindowPos(window(), nullptr, bounds.left, bounds.top, bounds.width(),
                         bounds.height(), SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case Property::Items: {
            Writing guard(*this);
            fill(window(), combo_, CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL);
            break;
        }
        case Property::ItemIndex:
            write(CB_SETCURSEL, static_cast<WPARAM>(combo_.itemIndex()));
            break;
        case Property::ItemHeight:
            if (combo_.style() == ListStyle::OwnerDrawFixed) {
                write(CB_SETITEMHEIGHT, 0, backend().scale().toDevice(combo_.itemHeight()));
            }
            break;
        default:
            NativePeer::mirror(property);
    }
}

// An open drop-down list takes Enter (choose) and Esc (close) for itself, as in
// a dialog: they must not click the form's default or cancel button.
bool ComboBoxPeer::wantsKey(int key) const {
    return (key == VK_RETURN || key == VK_ESCAPE) && dropped();
}

bool ComboBoxPeer::dropped() const {
    return SendMessageW(window(), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

int ComboBoxPeer::nativeIndex() const {
    return static_cast<int>(SendMessageW(window(), CB_GETCURSEL, 0, 0));
}

void ComboBoxPeer::followNativeChoice() {
    const int index = nativeIndex();
    if (index != combo_.itemIndex()) {
        input::comboItemBrowsed(combo_, index);
    }
}

// Keys only browse: a selection change made while a key is handled or while
// the list is open is not yet a choice. The choice is settled when the list
// closes on an item (CBN_SELENDOK after a click, or after F4 or Alt+Up on the
// open list; Wine sends it for arrow keys on the closed box too), by Enter
// (its character, ComboBox::keyPressed, so an Enter that closes the list
// counts once), or by a selection change from outside the keys and the open
// list. Wine's drop-down list moves its selection under the arrow keys and the
// typed letters without CBN_SELCHANGE, open or closed: the model catches up
// after each key. After a click Wine reports the change again once the list
// is closed; the model has it already.
void ComboBoxPeer::command(WORD code) {
    if (code == CBN_SELCHANGE) {
        const int index = nativeIndex();
        if (keyInProgress_ != 0 || dropped()) {
            input::comboItemBrowsed(combo_, index);
        } else if (index != combo_.itemIndex()) {
            input::comboItemChosen(combo_, index);
        }
    } else if (code == CBN_SELENDOK) {
        followNativeChoice();
        const bool closedByKey = openAtKey_ && keyInProgress_ != VK_RETURN;
        if (keyInProgress_ == 0 || closedByKey) {
            input::comboChoiceConfirmed(combo_);
        }
    }
}

bool ComboBoxPeer::handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_KEYDOWN || message == WM_CHAR) {
        const WPARAM outerKey = keyInProgress_;
        const bool outerOpen = openAtKey_;
        keyInProgress_ = wParam;
        openAtKey_ = dropped();
        result = standardThen(message, wParam, lParam, [this, outerKey, outerOpen] {
            keyInProgress_ = outerKey;
            openAtKey_ = outerOpen;
            followNativeChoice();
        });
        return true;
    }
    return NativePeer::handle(message, wParam, lParam, result);
}

void ComboBoxPeer::drawItem(const DRAWITEMSTRUCT& item) {
    drawRow(combo_, backend(), item);
}

void ComboBoxPeer::measureItem(MEASUREITEMSTRUCT& item) {
    item.itemHeight = static_cast<UINT>(backend().scale().toDevice(combo_.itemHeight()));
}

}  // namespace ui::win32
