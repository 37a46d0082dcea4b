#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "ui/application.h"
#include "ui/input.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

constexpr UINT_PTR kItemSubclassId = 0x7462;
constexpr int kFirstItemId = 100;
// Where a radio group's items lie: below the caption, inside the frame.
constexpr int kCaptionSpace = 16;
constexpr int kFrameMargin = 8;
constexpr int kBottomMargin = 4;

}  // namespace

WindowKind ButtonPeer::kind() const {
    return {L"BUTTON", static_cast<DWORD>((button_.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                                          WS_TABSTOP)};
}

void ButtonPeer::mirror(Property property) {
    if (property == Property::Default) {
        write(BM_SETSTYLE, button_.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        return;
    }
    NativePeer::mirror(property);
}

void ButtonPeer::command(WORD code) {
    if (code == BN_CLICKED) {
        input::click(button_);
    }
}

WindowKind CheckBoxPeer::kind() const {
    return {L"BUTTON", static_cast<DWORD>(BS_CHECKBOX | WS_TABSTOP)};
}

void CheckBoxPeer::mirror(Property property) {
    if (property == Property::Checked) {
        write(BM_SETCHECK, box_.checked() ? BST_CHECKED : BST_UNCHECKED);
        return;
    }
    NativePeer::mirror(property);
}

// The native box does not check itself (BS_CHECKBOX): the model toggles and
// mirrors the new state back, so code and clicks take one path.
void CheckBoxPeer::command(WORD code) {
    if (code == BN_CLICKED) {
        input::click(box_);
    }
}

RadioGroupPeer::~RadioGroupPeer() {
    for (HWND item : items_) {
        RemoveWindowSubclass(item, itemProc, kItemSubclassId);
    }
}

void RadioGroupPeer::mirror(Property property) {
    switch (property) {
        case Property::Items:
            makeItems();
            break;
        case Property::ItemIndex:
            for (size_t index = 0; index < items_.size(); ++index) {
                const bool chosen = static_cast<int>(index) == group_.itemIndex();
                Writing guard(*this);
                SendMessageW(items_[index], BM_SETCHECK, chosen ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            break;
        case Property::Font: {
            NativePeer::mirror(property);
            const auto font = reinterpret_cast<WPARAM>(backend().fonts().font(group_.font()));
            for (HWND item : items_) {
                SendMessageW(item, WM_SETFONT, font, TRUE);
            }
            break;
        }
        case Property::Bounds:
            NativePeer::mirror(property);
            layOutItems();
            break;
        default:
            NativePeer::mirror(property);
    }
}

void RadioGroupPeer::makeItems() {
    for (HWND item : items_) {
        RemoveWindowSubclass(item, itemProc, kItemSubclassId);
        DestroyWindow(item);
    }
    items_.clear();
    const auto font = reinterpret_cast<WPARAM>(backend().fonts().font(group_.font()));
    for (size_t index = 0; index < group_.items().size(); ++index) {
        HWND item = CreateWindowExW(
            0, L"BUTTON", group_.items()[index].c_str(),
            WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | (index == 0 ? WS_GROUP : 0), 0, 0, 0, 0,
            window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstItemId + index)),
            backend().instance(), nullptr);
        SetWindowSubclass(item, itemProc, kItemSubclassId, reinterpret_cast<DWORD_PTR>(this));
        SendMessageW(item, WM_SETFONT, font, FALSE);
        items_.push_back(item);
    }
    layOutItems();
    mirror(Property::ItemIndex);
}

void RadioGroupPeer::layOutItems() {
    if (items_.empty()) {
        return;
    }
    const int count = static_cast<int>(items_.size());
    const int space = group_.height() - kCaptionSpace - kBottomMargin;
    const int rowHeight = std::max(space / count, 1);
    for (int index = 0; index < count; ++index) {
        const int top = kCaptionSpace + index * rowHeight;
        const Rect item = toDevice(
            backend().scale(), {kFrameMargin, top, group_.width() - kFrameMargin, top + rowHeight});
        SetWindowPos(items_[index], nullptr, item.left, item.top, item.width(), item.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void RadioGroupPeer::childCommand(HWND child, WORD code) {
    const int index = GetDlgCtrlID(child) - kFirstItemId;
    if (code == BN_CLICKED && !writing() && index >= 0 && index < static_cast<int>(items_.size())) {
        input::radioItemChosen(group_, index);
    }
}

HWND RadioGroupPeer::focusWindow() const {
    if (group_.itemIndex() >= 0 && group_.itemIndex() < static_cast<int>(items_.size())) {
        return items_[group_.itemIndex()];
    }
    return items_.empty() ? window() : items_.front();
}

// A radio item taking the focus means the group has it.
LRESULT CALLBACK RadioGroupPeer::itemProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR data) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_SETFOCUS) {
        auto* peer = reinterpret_cast<RadioGroupPeer*>(data);
        if (!peer->writing()) {
            input::focusReceived(peer->group_);
        }
    }
    return result;
}

WindowKind LabelPeer::kind() const {
    return {L"STATIC", SS_NOTIFY | layoutStyle()};
}

void LabelPeer::mirror(Property property) {
    if (property != Property::Appearance) {
        NativePeer::mirror(property);
        return;
    }
    setStyle(SS_TYPEMASK | SS_ENDELLIPSIS, layoutStyle());
}

DWORD LabelPeer::layoutStyle() const {
    DWORD alignment = label_.wordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP;
    if (label_.alignment() == Alignment::Center) {
        alignment = SS_CENTER;
    } else if (label_.alignment() == Alignment::Right) {
        alignment = SS_RIGHT;
    }
    return alignment | (label_.endEllipsis() ? SS_ENDELLIPSIS : 0);
}

HBRUSH LabelPeer::controlColor(HDC dc) {
    if (!label_.transparent()) {
        return NativePeer::controlColor(dc);
    }
    SetTextColor(dc, colorRef(label_.font().color));
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

WindowKind GroupBoxPeer::kind() const {
    return {L"BUTTON", static_cast<DWORD>(BS_GROUPBOX | WS_CLIPCHILDREN), WS_EX_CONTROLPARENT};
}

// A group box paints only its frame and caption; as a parent it must clear
// the space its children do not cover.
bool GroupBoxPeer::handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(window(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            result = TRUE;
            return true;
        }
        case WM_PAINT: {
            // The standard face first, then the pictures over it where it was painted.
            RECT update{};
            GetUpdateRect(window(), &update, FALSE);
            result = standard(message, wParam, lParam);
            HDC dc = GetDCEx(window(), nullptr, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
            paintGraphics(dc, update);
            ReleaseDC(window(), dc);
            return true;
        }
        case WM_NCHITTEST: {
            // A group box lets the mouse through to what lies under it, but not
            // over a picture of its own.
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(window(), &at);
            RECT place{};
            if (graphicAt(at, place) != nullptr) {
                result = HTCLIENT;
                return true;
            }
            return false;
        }
        default:
            return NativePeer::handle(message, wParam, lParam, result);
    }
}

}  // namespace ui::win32
