#include "ui/application.h"
#include "ui/input.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The window taking the activation is one of the program's own (a dialog or a
// message box it opened), not another program's; none means another program's.
bool ownedByThisProgram(HWND activated) {
    DWORD owner = 0;
    return activated != nullptr && GetWindowThreadProcessId(activated, &owner) != 0 &&
           owner == GetCurrentProcessId();
}

Rect centredOnScreen(int width, int height) {
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace

FormPeer::FormPeer(Win32Backend& backend, Form& form) : NativePeer(backend, form), form_(form) {}

FormPeer::~FormPeer() {
    backend().forgetHints(window());
}

WindowKind FormPeer::kind() const {
    return {backend().formClass(form_.nativeClassName()),
            kFrameStyle | (form_.maximizeBox() ? WS_MAXIMIZEBOX : 0),
            kFrameExStyle | (form_.stayOnTop() ? WS_EX_TOPMOST : 0)};
}

void FormPeer::mirror(Property property) {
    switch (property) {
        case Property::Bounds:
            placeCentred();
            break;
        case Property::Visible:
            if (form_.visible()) {
                ShowWindow(window(), SW_SHOW);
                SetForegroundWindow(window());
            } else {
                ShowWindow(window(), SW_HIDE);
            }
            break;
        case Property::Appearance:
            setStyle(WS_MAXIMIZEBOX, form_.maximizeBox() ? WS_MAXIMIZEBOX : 0);
            SetWindowPos(window(), form_.stayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        default:
            NativePeer::mirror(property);
    }
}

// The frame around a client area of the form's size (for these styles),
// centred on the screen.
Rect FormPeer::centredFrame(DWORD style, DWORD exStyle) const {
    RECT frame{0, 0, clientSize().x, clientSize().y};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return centredOnScreen(frame.right - frame.left, frame.bottom - frame.top);
}

// The window is made where it belongs, so that it need not move before it shows.
Rect FormPeer::windowBounds() const {
    const WindowKind made = kind();
    return centredFrame(made.style, made.exStyle);
}

// The frame is sized so that the client area is exactly the form's size on
// this screen, whatever the caption and border measure on this system.
void FormPeer::placeCentred() {
    const Rect frame = centredFrame(static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_STYLE)),
                                    static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_EXSTYLE)));
    moveFrameTo(frame);
    RECT client{};
    GetClientRect(window(), &client);
    moveFrameTo(centredOnScreen(frame.width() + clientSize().x - client.right,
                                frame.height() + clientSize().y - client.bottom));
}

POINT FormPeer::clientSize() const {
    return {backend().scale().toDevice(form_.width()), backend().scale().toDevice(form_.height())};
}

// A move that changes nothing is left out: it would still cost messages.
void FormPeer::moveFrameTo(const Rect& frame) {
    RECT now{};
    GetWindowRect(window(), &now);
    if (Rect{now.left, now.top, now.right, now.bottom} != frame) {
        SetWindowPos(window(), nullptr, frame.left, frame.top, frame.width(), frame.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FormPeer::focus() {
    Control* active = form_.activeControl();
    if (active != nullptr && active->peer() != nullptr) {
        active->peer()->focus();
        return;
    }
    NativePeer::focus();
}

bool FormPeer::handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CLOSE:
            input::closeRequested(form_);
            result = 0;
            return true;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (!ownedByThisProgram(reinterpret_cast<HWND>(lParam))) {
                    input::deactivated(form_);
                }
            } else {
                focus();
            }
            result = 0;
            return true;
        case WM_SETFOCUS:
            // The frame itself never keeps the focus while a control should have it.
            if (form_.activeControl() != nullptr) {
                focus();
                result = 0;
                return true;
            }
            return false;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(backend().cursorFor(reinterpret_cast<HWND>(wParam)));
                result = TRUE;
                return true;
            }
            return false;
        default:
            return NativePeer::handle(message, wParam, lParam, result);
    }
}

}  // namespace ui::win32
