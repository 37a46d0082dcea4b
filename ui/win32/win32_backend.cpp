#include "ui/win32/win32_backend.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/errors.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/input.h"
#include "ui/timer.h"
#include "ui/win32/native_peer.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

constexpr const wchar_t* kTimerClass = L"TarvexTimers";
constexpr LPARAM kAltHeld = 1 << 29;

void registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw platform::Error(L"Cannot register the window class " + std::wstring(name));
    }
}

ShiftState keyShift(const MSG& message) {
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
            (message.lParam & kAltHeld) != 0 || GetKeyState(VK_MENU) < 0};
}

// The peer a key message is for: its window's, or the nearest parent's (the
// radio items of a group have none of their own).
NativePeer* peerForInput(HWND window) {
    for (; window != nullptr; window = GetAncestor(window, GA_PARENT)) {
        if (NativePeer* peer = NativePeer::of(window)) {
            return peer;
        }
    }
    return nullptr;
}

}  // namespace

Win32Backend::Win32Backend(platform::Cursors& cursors, HINSTANCE instance, int dpi)
    : cursors_(cursors), instance_(instance), scale_(dpi), fonts_(scale_) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    registerClass(instance_, kContainerClass, DefWindowProcW);
}

Win32Backend::~Win32Backend() {
    if (timerWindow_ == nullptr) {
        return;
    }
    for (const auto& entry : timers_) {
        KillTimer(timerWindow_, entry.first);
    }
    DestroyWindow(timerWindow_);
}

// The window the timers tick in, made when the first one starts: a program's
// timers mostly wait for something to animate, and a window costs its start.
HWND Win32Backend::timerWindow() {
    if (timerWindow_ == nullptr) {
        registerClass(instance_, kTimerClass, timerProc);
        timerWindow_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       instance_, nullptr);
        if (timerWindow_ == nullptr) {
            throw platform::Error(L"Cannot create the timers' window (error " +
                                  std::to_wstring(GetLastError()) + L")");
        }
        SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    return timerWindow_;
}

void Win32Backend::realize(Form& form) {
    realizeTree(form, nullptr);
}

void Win32Backend::realizeTree(Control& control, HWND parent, NativePeer::Stacking stacking) {
    if (control.peer() != nullptr) {
        return;
    }
    if (auto graphic = makeGraphicPeer(*this, control)) {
        control.attachPeer(std::move(graphic));
        return;
    }
    auto made = makePeer(*this, control);
    NativePeer& peer = *made;
    control.attachPeer(std::move(made));
    try {
        peer.create(parent, stacking);
    } catch (...) {
        control.detachPeer();
        throw;
    }
    if (!peer.defersChildren()) {
        realizeChildren(control);
    }
}

// The system puts a new child window below its siblings: made last first, the
// children end up stacked as the toolkit stacks them, later ones on top,
// without a move of each.
void Win32Backend::realizeChildren(Control& control) {
    auto* peer = static_cast<NativePeer*>(control.peer());
    const auto& children = control.children();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        realizeTree(**child, peer->childParent(), NativePeer::Stacking::Below);
    }
}

const wchar_t* Win32Backend::formClass(const std::wstring& name) {
    auto found = formClasses_.find(name);
    if (found == formClasses_.end()) {
        found = formClasses_.emplace(name, name).first;
        registerClass(instance_, found->second.c_str(), DefWindowProcW);
    }
    return found->second.c_str();
}

int Win32Backend::registerPeer(NativePeer& peer) {
    const int id = nextId_++;
    peers_[id] = &peer;
    return id;
}

void Win32Backend::unregisterPeer(int id) {
    peers_.erase(id);
}

NativePeer* Win32Backend::peerWithId(int id) const {
    const auto found = peers_.find(id);
    return found != peers_.end() ? found->second : nullptr;
}

void Win32Backend::setHint(HWND control, const std::wstring& hint) {
    HWND root = GetAncestor(control, GA_ROOT);
    if (root == control) {
        return;
    }
    HWND& tooltip = tooltips_[root];
    if (tooltip == nullptr) {
        if (hint.empty()) {
            return;
        }
        tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root,
                                  nullptr, instance_, nullptr);
    }
    std::wstring text = hint;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = root;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!hint.empty()) {
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Win32Backend::forgetHints(HWND form) {
    tooltips_.erase(form);
}

HCURSOR Win32Backend::cursorFor(HWND window) const {
    platform::CursorKind kind = cursor_;
    if (kind == platform::CursorKind::Arrow) {
        wchar_t className[16];
        GetClassNameW(window, className, 16);
        if (lstrcmpiW(className, L"Edit") == 0) {
            kind = platform::CursorKind::IBeam;
        }
    }
    return reinterpret_cast<HCURSOR>(cursors_.programCursor(kind));
}

bool Win32Backend::preTranslate(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
        return false;
    }
    NativePeer* peer = peerForInput(message.hwnd);
    if (peer == nullptr) {
        return false;
    }
    Control& control = peer->control();
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            const int key =
                input::keyDown(control, static_cast<int>(message.wParam), keyShift(message));
            message.wParam = static_cast<WPARAM>(key);
            return key == 0;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const int key =
                input::keyUp(control, static_cast<int>(message.wParam), keyShift(message));
            message.wParam = static_cast<WPARAM>(key);
            return key == 0;
        }
        case WM_CHAR: {
            const wchar_t character =
                input::keyPress(control, static_cast<wchar_t>(message.wParam));
            message.wParam = character;
            return character == 0;
        }
        case WM_SYSCHAR:
            return input::accelerator(control.form(), static_cast<wchar_t>(message.wParam));
        default:
            return false;
    }
}

bool Win32Backend::pumpOne(Application& application, bool wait) {
    MSG message{};
    if (wait) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            application.terminate();
            return false;
        }
    } else {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            return false;
        }
        if (message.message == WM_QUIT) {
            application.terminate();
            return false;
        }
    }
    if (!preTranslate(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

// The loop ends by the application's flag, checked after every message: no
// WM_QUIT is posted, so none is left behind to end a later loop early.
void Win32Backend::run(Application& application) {
    while (!application.terminated() && pumpOne(application, true)) {
    }
}

void Win32Backend::processMessages(Application& application) {
    while (pumpOne(application, false)) {
    }
}

ModalResult Win32Backend::runModal(Form& form) {
    Application& application = form.application();
    std::vector<HWND> disabled;
    for (Form* other : application.forms()) {
        if (other != &form && other->peer() != nullptr) {
            auto window = reinterpret_cast<HWND>(other->peer()->windowId());
            if (IsWindowVisible(window) && IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                disabled.push_back(window);
            }
        }
    }
    while (form.modalResult() == kModalNone && form.visible() && !application.terminated() &&
           pumpOne(application, true)) {
    }
    for (HWND window : disabled) {
        EnableWindow(window, TRUE);
    }
    if (!disabled.empty()) {
        SetActiveWindow(disabled.front());
    }
    return form.modalResult();
}

void Win32Backend::terminate() {}

void Win32Backend::cursorChanged(platform::CursorKind cursor) {
    cursor_ = cursor;
    SetCursor(reinterpret_cast<HCURSOR>(cursors_.programCursor(cursor)));
}

void Win32Backend::timerChanged(Timer& timer) {
    UINT_PTR id = 0;
    for (const auto& [known, which] : timers_) {
        if (which == &timer) {
            id = known;
        }
    }
    if (id == 0) {
        id = nextTimerId_++;
        timers_[id] = &timer;
    }
    if (timer.enabled() && timer.interval() > 0) {
        SetTimer(timerWindow(), id, static_cast<UINT>(timer.interval()), nullptr);
    } else if (timerWindow_ != nullptr) {
        KillTimer(timerWindow_, id);
    }
}

void Win32Backend::timerDestroyed(Timer& timer) {
    for (auto entry = timers_.begin(); entry != timers_.end(); ++entry) {
        if (entry->second == &timer) {
            if (timerWindow_ != nullptr) {
                KillTimer(timerWindow_, entry->first);
            }
            timers_.erase(entry);
            return;
        }
    }
}

LRESULT CALLBACK Win32Backend::timerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    auto* backend = reinterpret_cast<Win32Backend*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (backend == nullptr) {
        return 0;
    }
    const auto found = backend->timers_.find(wParam);
    if (found == backend->timers_.end()) {
        return 0;
    }
    Timer& timer = *found->second;
    try {
        input::timerFired(timer);
    } catch (const std::exception& error) {
        timer.owner().application().handleException(error);
    }
    return 0;
}

}  // namespace ui::win32
