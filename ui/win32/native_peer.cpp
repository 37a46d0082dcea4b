#include "ui/win32/native_peer.h"

#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "ui/application.h"
#include "ui/input.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x7461;  // one subclass per window: the peer's
// Where a window keeps its peer, for the notifications its parent reflects.
constexpr const wchar_t* kPeerProperty = L"TarvexPeer";

// Every property, in the order a new window receives them.
constexpr Property kAllProperties[] = {
    Property::Font,       Property::Bounds,    Property::Caption,    Property::Items,
    Property::ItemHeight, Property::ItemIndex, Property::Text,       Property::Selection,
    Property::ReadOnly,   Property::MaxLength, Property::Range,      Property::Position,
    Property::Ticks,      Property::Checked,   Property::ActivePage, Property::Picture,
    Property::Appearance, Property::Default,   Property::Hint,       Property::Enabled,
    Property::Visible,
};

MouseButton buttonOf(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return MouseButton::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
    }
}

ShiftState mouseShift(WPARAM wParam) {
    return {(wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0, GetKeyState(VK_MENU) < 0};
}

}  // namespace

NativePeer::NativePeer(Win32Backend& backend, Control& control)
    : backend_(backend), control_(control) {}

NativePeer::~NativePeer() {
    *alive_ = false;
    if (window_ != nullptr) {
        HWND window = window_;
        forgetWindow();
        DestroyWindow(window);
    }
}

// The window is made with the model's place, caption, state and visibility,
// so that writing the model onto it afterwards changes nothing of these: each
// change of a window costs messages and, under some systems, a trip to a server.
void NativePeer::create(HWND parent, Stacking stacking) {
    const WindowKind made = kind();
    child_ = parent != nullptr;
    id_ = backend_.registerPeer(*this);
    DWORD style = made.style | (control_.enabled() ? 0 : WS_DISABLED);
    if (parent != nullptr) {
        style |= WS_CHILD | WS_CLIPSIBLINGS | (control_.visible() ? WS_VISIBLE : 0);
    }
    const Rect bounds = windowBounds();
    window_ = CreateWindowExW(
        made.exStyle, made.className, showsCaption() ? control_.caption().c_str() : L"", style,
        bounds.left, bounds.top, bounds.width(), bounds.height(), parent,
        parent != nullptr ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)) : nullptr,
        backend_.instance(), nullptr);
    if (window_ == nullptr) {
        backend_.unregisterPeer(id_);
        throw platform::Error(L"Cannot create the window of " + control_.name() + L" (error " +
                              std::to_wstring(GetLastError()) + L")");
    }
    SetWindowSubclass(window_, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SetPropW(window_, kPeerProperty, this);
    nameWindow();
    if (parent != nullptr && stacking == Stacking::OnTop) {
        // Made later, drawn on top: the toolkit's order for overlapping controls.
        SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    creating_ = true;
    for (const Property property : kAllProperties) {
        mirror(property);
    }
    creating_ = false;
}

Rect NativePeer::windowBounds() const {
    return toDevice(backend_.scale(), control_.bounds());
}

void NativePeer::nameWindow() {
    nameAtom_ = GlobalAddAtomW(control_.name().c_str());
    SetPropW(window_, kComponentNameProperty,
             reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nameAtom_)));
}

void NativePeer::forgetWindow() {
    RemoveWindowSubclass(window_, subclassProc, kSubclassId);
    RemovePropW(window_, kPeerProperty);
    RemovePropW(window_, kComponentNameProperty);
    if (nameAtom_ != 0) {
        GlobalDeleteAtom(nameAtom_);
        nameAtom_ = 0;
    }
    backend_.unregisterPeer(id_);
    window_ = nullptr;
}

NativePeer* NativePeer::of(HWND window) {
    DWORD owner = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &owner) == 0 ||
        owner != GetCurrentProcessId()) {
        return nullptr;
    }
    return static_cast<NativePeer*>(GetPropW(window, kPeerProperty));
}

LRESULT NativePeer::write(UINT message, WPARAM wParam, LPARAM lParam) {
    Writing guard(*this);
    return SendMessageW(window_, message, wParam, lParam);
}

void NativePeer::setStyle(DWORD mask, DWORD bits) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const DWORD changed = (style & ~mask) | (bits & mask);
    if (changed != style) {
        SetWindowLongPtrW(window_, GWL_STYLE, changed);
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        InvalidateRect(window_, nullptr, TRUE);
    }
}

void NativePeer::mirror(Property property) {
    Writing guard(*this);
    if (creating_ && madeWith(property)) {
        return;
    }
    switch (property) {
        case Property::Bounds: {
            const Rect bounds = toDevice(backend_.scale(), control_.bounds());
            SetWindowPos(window_, nullptr, bounds.left, bounds.top, bounds.width(), bounds.height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case Property::Visible:
            ShowWindow(window_, control_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Property::Enabled:
            EnableWindow(window_, control_.enabled());
            break;
        case Property::Caption:
            if (showsCaption()) {
                SetWindowTextW(window_, control_.caption().c_str());
            }
            break;
        case Property::Font:
            // A window being made is drawn whole when it is first shown.
            SendMessageW(window_, WM_SETFONT,
                         reinterpret_cast<WPARAM>(backend_.fonts().font(control_.font())),
                         creating_ ? FALSE : TRUE);
            if (!creating_) {
                InvalidateRect(window_, nullptr, TRUE);
            }
            break;
        case Property::Hint:
            backend_.setHint(window_, control_.hint());
            break;
        default:
            break;
    }
}

// What CreateWindowExW was given already.
bool NativePeer::madeWith(Property property) {
    switch (property) {
        case Property::Bounds:
        case Property::Caption:
        case Property::Enabled:
            return true;
        case Property::Visible:
            return child_;
        default:
            return false;
    }
}

void NativePeer::pull(Property) {}

void NativePeer::childAdded(Control& child) {
    if (!defersChildren()) {
        backend_.realizeTree(child, childParent());
    }
}

void NativePeer::focus() {
    Writing guard(*this);
    SetFocus(focusWindow());
}

bool NativePeer::wantsKey(int) const {
    return false;
}

void NativePeer::repaint() {
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
}

Canvas& NativePeer::canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<WindowCanvas>(window_, backend_.fonts(), backend_.scale());
    }
    return *canvas_;
}

WindowId NativePeer::windowId() const {
    return reinterpret_cast<WindowId>(window_);
}

void NativePeer::command(WORD) {}

bool NativePeer::notify(const NMHDR&, LRESULT&) {
    return false;
}

void NativePeer::scrolled() {}

void NativePeer::drawItem(const DRAWITEMSTRUCT&) {}

void NativePeer::measureItem(MEASUREITEMSTRUCT&) {}

HBRUSH NativePeer::controlColor(HDC dc) {
    const Color color = control_.font().color;
    if (color == kWindowTextColor) {
        return nullptr;
    }
    SetTextColor(dc, colorRef(color));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

void NativePeer::childCommand(HWND, WORD) {}

LRESULT NativePeer::standard(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT NativePeer::standardThen(UINT message, WPARAM wParam, LPARAM lParam,
                                 const std::function<void()>& after) {
    const auto alive = alive_;
    const LRESULT result = standard(message, wParam, lParam);
    if (*alive) {
        after();
    }
    return result;
}

// The exception barrier of every window message.
LRESULT CALLBACK NativePeer::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR data) {
    auto* peer = reinterpret_cast<NativePeer*>(data);
    if (message == WM_NCDESTROY) {
        peer->forgetWindow();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    Application& application = peer->control_.application();
    try {
        return peer->dispatch(message, wParam, lParam);
    } catch (const std::exception& error) {
        application.handleException(error);
    } catch (...) {
        application.handleException(std::runtime_error("unknown error"));
    }
    return 0;
}

LRESULT NativePeer::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    NativeMessage native{message, static_cast<std::uintptr_t>(wParam),
                         static_cast<std::intptr_t>(lParam)};
    if (control_.handleNativeMessage(native)) {
        return static_cast<LRESULT>(native.result);
    }
    LRESULT result = 0;
    if (handle(message, wParam, lParam, result) || reflect(message, wParam, lParam, result)) {
        return result;
    }
    return standard(message, wParam, lParam);
}

bool NativePeer::handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SETFOCUS:
            result =
                standardThen(message, wParam, lParam, [this] { input::focusReceived(control_); });
            return true;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            result = standardThen(message, wParam, lParam, [&] { mouse(message, wParam, lParam); });
            return true;
        default:
            return false;
    }
}

// The toolkit's mouse events come after the standard control has handled the
// message (a button's click comes before its mouse-up event); they carry
// layout coordinates, those of the control under the mouse: the window's own,
// or a picture or shape drawn on it.
void NativePeer::mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const MouseButton button = buttonOf(message);
    const ShiftState shift = mouseShift(wParam);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const MouseTarget target = mouseTargetAt(at);
    const int x = backend_.scale().toLogical(at.x - target.place.left);
    const int y = backend_.scale().toLogical(at.y - target.place.top);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            pressedOn_ = button == MouseButton::Left ? &target.control : nullptr;
            input::mouseDown(target.control, button, shift, x, y);
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            if (target.makesClicks && button == MouseButton::Left) {
                input::doubleClick(target.control);
            }
            input::mouseDown(target.control, button, shift, x, y);
            break;
        default: {
            const bool clicked = pressedOn_ == &target.control && button == MouseButton::Left;
            pressedOn_ = nullptr;
            if (clicked && target.makesClicks && PtInRect(&target.place, at)) {
                input::click(target.control);
            }
            input::mouseUp(target.control, button, shift, x, y);
        }
    }
}

NativePeer::MouseTarget NativePeer::mouseTargetAt(POINT at) {
    RECT place{};
    if (Control* graphic = graphicAt(at, place)) {
        return {*graphic, place, true};
    }
    GetClientRect(window_, &place);
    return {control_, place, mouseMakesClicks()};
}

void NativePeer::paintGraphics(HDC dc, const RECT& update) {
    for (Control* child : control_.children()) {
        if (auto* graphic = dynamic_cast<GraphicPeer*>(child->peer())) {
            graphic->paint(dc, update);
        }
    }
}

Control* NativePeer::graphicAt(POINT at, RECT& place) {
    const auto& children = control_.children();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        auto* graphic = dynamic_cast<GraphicPeer*>((*child)->peer());
        if (graphic != nullptr && (*child)->visible() && (*child)->enabled()) {
            place = graphic->place();
            if (PtInRect(&place, at)) {
                return *child;
            }
        }
    }
    return nullptr;
}

bool NativePeer::reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND: {
            auto child = reinterpret_cast<HWND>(lParam);
            if (child == nullptr) {
                return false;
            }
            if (NativePeer* peer = of(child)) {
                if (!peer->writing()) {
                    peer->command(HIWORD(wParam));
                }
            } else {
                childCommand(child, HIWORD(wParam));
            }
            result = 0;
            return true;
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            NativePeer* peer = of(header.hwndFrom);
            return peer != nullptr && !peer->writing() && peer->notify(header, result);
        }
        case WM_HSCROLL:
        case WM_VSCROLL: {
            NativePeer* peer = of(reinterpret_cast<HWND>(lParam));
            if (peer == nullptr) {
                return false;
            }
            if (!peer->writing()) {
                peer->scrolled();
            }
            result = 0;
            return true;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            NativePeer* peer = of(item.hwndItem);
            if (peer == nullptr) {
                return false;
            }
            peer->drawItem(item);
            result = TRUE;
            return true;
        }
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            NativePeer* peer = backend_.peerWithId(static_cast<int>(item.CtlID));
            if (peer == nullptr) {
                return false;
            }
            peer->measureItem(item);
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            NativePeer* peer = of(reinterpret_cast<HWND>(lParam));
            HBRUSH brush =
                peer != nullptr ? peer->controlColor(reinterpret_cast<HDC>(wParam)) : nullptr;
            result = reinterpret_cast<LRESULT>(brush);
            return brush != nullptr;
        }
        default:
            return false;
    }
}

}  // namespace ui::win32
