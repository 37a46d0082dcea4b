#include "tests/win32/ui_driver.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>

#include "platform/text.h"

namespace uidriver {
namespace {

using Clock = std::chrono::steady_clock;

// How often a wait looks again; waits end on their condition, not on this.
constexpr Deadline kPollInterval{10};
constexpr const wchar_t* kComponentNameProperty = L"ComponentName";
constexpr const wchar_t* kDialogClass = L"#32770";
constexpr int kMessageTextId = 0xFFFF;
constexpr int kMessageButtons[] = {IDOK, IDCANCEL, IDYES, IDNO};
constexpr UINT kReplyTimeout = 5000;
// lParam bits of key messages: repeat count 1, the scan code, Alt held, key released.
constexpr LPARAM kRepeatOnce = 1;
constexpr int kScanCodeShift = 16;
constexpr LPARAM kAltHeld = 1 << 29;
constexpr LPARAM kKeyReleased = static_cast<LPARAM>(0xC0000000u);

[[noreturn]] void timedOut(const std::wstring& what) {
    throw std::runtime_error("timed out waiting for " + platform::toUtf8(what));
}

LRESULT sendWithTimeout(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeout, &result);
    return static_cast<LRESULT>(result);
}

void notifyParent(HWND control, WORD code) {
    const WPARAM wParam = MAKEWPARAM(GetDlgCtrlID(control), code);
    PostMessageW(GetParent(control), WM_COMMAND, wParam, reinterpret_cast<LPARAM>(control));
}

LPARAM keyData(int virtualKey) {
    return kRepeatOnce | static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC))
                             << kScanCodeShift;
}

struct ControlSearch {
    const std::wstring* name;
    HWND found;
};

BOOL CALLBACK matchName(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (componentName(window) == *search->name) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct TopSearch {
    DWORD processId;
    std::function<bool(HWND)> wanted;
    HWND found;
};

BOOL CALLBACK matchTop(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TopSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && search->wanted(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findTop(DWORD processId, std::function<bool(HWND)> wanted) {
    TopSearch search{processId, std::move(wanted), nullptr};
    EnumWindows(matchTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HICON iconOf(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if (className(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
            return reinterpret_cast<HICON>(sendWithTimeout(child, STM_GETICON));
        }
    }
    return nullptr;
}

// The dialog's default id when it is one of the box's buttons (a dialog
// answers IDOK when it has no default), else the button styled as default,
// else the one with the focus (which is how some systems mark it).
int defaultButtonOf(HWND box, const std::vector<int>& buttons) {
    const LRESULT answer = sendWithTimeout(box, DM_GETDEFID);
    if (HIWORD(answer) == DC_HASDEFID &&
        std::find(buttons.begin(), buttons.end(), LOWORD(answer)) != buttons.end()) {
        return LOWORD(answer);
    }
    for (const int id : buttons) {
        const LONG_PTR style = GetWindowLongPtrW(GetDlgItem(box, id), GWL_STYLE);
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return id;
        }
    }
    HWND focused = focusedWindow(box);
    for (const int id : buttons) {
        if (GetDlgItem(box, id) == focused) {
            return id;
        }
    }
    return 0;
}

MessageBoxView viewOf(HWND box) {
    MessageBoxView view;
    view.window = box;
    view.caption = windowText(box);
    view.text = windowText(GetDlgItem(box, kMessageTextId));
    std::vector<std::pair<LONG, int>> placed;
    for (const int id : kMessageButtons) {
        HWND button = GetDlgItem(box, id);
        if (button != nullptr && IsWindowVisible(button)) {
            placed.emplace_back(screenRect(button).left, id);
        }
    }
    std::sort(placed.begin(), placed.end());
    for (const auto& [left, id] : placed) {
        view.buttons.push_back(id);
    }
    view.defaultButton = defaultButtonOf(box, view.buttons);
    view.icon = iconOf(box);
    view.topmost = (GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    view.owner = GetWindow(box, GW_OWNER);
    return view;
}

// Sets variables of this process for the programs it starts, and puts the old
// values back when it goes: the shell gives a program the starter's environment.
class ScopedVariables {
public:
    explicit ScopedVariables(const std::map<std::wstring, std::wstring>& variables) {
        for (const auto& [name, value] : variables) {
            saved_.emplace_back(name, variable(name));
            SetEnvironmentVariableW(name.c_str(), value.c_str());
        }
    }
    ~ScopedVariables() {
        for (const auto& [name, value] : saved_) {
            SetEnvironmentVariableW(name.c_str(), value ? value->c_str() : nullptr);
        }
    }
    ScopedVariables(const ScopedVariables&) = delete;
    ScopedVariables& operator=(const ScopedVariables&) = delete;

private:
    static std::optional<std::wstring> variable(const std::wstring& name) {
        const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
        if (size == 0) {
            return std::nullopt;
        }
        std::wstring value(size, L'\0');
        value.resize(GetEnvironmentVariableW(name.c_str(), value.data(), size));
        return value;
    }

    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved_;
};

}  // namespace

bool waitFor(const std::function<bool()>& condition, Deadline deadline) {
    const auto end = Clock::now() + deadline;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (Clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

std::wstring componentName(HWND window) {
    const auto atom =
        static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(window, kComponentNameProperty)));
    if (atom == 0) {
        return {};
    }
    wchar_t name[256];
    const UINT length = GlobalGetAtomNameW(atom, name, 256);
    return std::wstring(name, length);
}

HWND findControl(HWND top, const std::wstring& name) {
    ControlSearch search{&name, nullptr};
    EnumChildWindows(top, matchName, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForControl(HWND top, const std::wstring& name, Deadline deadline) {
    HWND found = nullptr;
    if (!waitFor([&] { return (found = findControl(top, name)) != nullptr; }, deadline)) {
        timedOut(L"control " + name);
    }
    return found;
}

HWND findChildByText(HWND parent, const std::wstring& caption) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (windowText(child) == caption) {
            return child;
        }
    }
    return nullptr;
}

HWND findTopWindow(DWORD processId, const std::wstring& wantedClass) {
    return findTop(processId, [&](HWND window) { return className(window) == wantedClass; });
}

HWND focusedWindow(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

std::wstring windowText(HWND window) {
    wchar_t text[4096];
    const LRESULT length =
        sendWithTimeout(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<size_t>(length));
}

std::wstring className(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

bool isEnabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}

bool isVisible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

RECT clientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

RECT screenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

int listSelection(HWND list) {
    return static_cast<int>(sendWithTimeout(list, LB_GETCURSEL));
}

std::vector<std::wstring> listItems(HWND list) {
    std::vector<std::wstring> items;
    const auto count = static_cast<int>(sendWithTimeout(list, LB_GETCOUNT));
    for (int index = 0; index < count; ++index) {
        const auto length = static_cast<int>(sendWithTimeout(list, LB_GETTEXTLEN, index));
        std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
        sendWithTimeout(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(std::max(length, 0)));
        items.push_back(text);
    }
    return items;
}

int comboSelection(HWND combo) {
    return static_cast<int>(sendWithTimeout(combo, CB_GETCURSEL));
}

int trackBarPosition(HWND trackBar) {
    return static_cast<int>(sendWithTimeout(trackBar, TBM_GETPOS));
}

bool isChecked(HWND button) {
    return sendWithTimeout(button, BM_GETCHECK) == BST_CHECKED;
}

void click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void selectListRow(HWND list, int row) {
    sendWithTimeout(list, LB_SETCURSEL, row);
    notifyParent(list, LBN_SELCHANGE);
}

void doubleClickListRow(HWND list, int row) {
    selectListRow(list, row);
    notifyParent(list, LBN_DBLCLK);
}

void chooseComboItem(HWND combo, int item) {
    sendWithTimeout(combo, CB_SETCURSEL, item);
    notifyParent(combo, CBN_SELCHANGE);
}

void setTrackBar(HWND trackBar, int position) {
    sendWithTimeout(trackBar, TBM_SETPOS, TRUE, position);
    const auto control = reinterpret_cast<LPARAM>(trackBar);
    PostMessageW(GetParent(trackBar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), control);
    PostMessageW(GetParent(trackBar), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), control);
}

void setCheckBox(HWND box, bool checked) {
    if (isChecked(box) != checked) {
        click(box);
    }
}

void typeText(HWND edit, const std::wstring& text) {
    for (const wchar_t character : text) {
        PostMessageW(edit, WM_CHAR, character, kRepeatOnce);
    }
}

void pressKey(HWND window, int virtualKey) {
    PostMessageW(window, WM_KEYDOWN, virtualKey, keyData(virtualKey));
    PostMessageW(window, WM_KEYUP, virtualKey, keyData(virtualKey) | kKeyReleased);
}

// The character message follows from TranslateMessage, as for a real key.
void pressAltKey(HWND window, wchar_t letter) {
    const int key = static_cast<int>(towupper(letter));
    PostMessageW(window, WM_SYSKEYDOWN, key, keyData(key) | kAltHeld);
    PostMessageW(window, WM_SYSKEYUP, key, keyData(key) | kAltHeld | kKeyReleased);
}

void closeWindow(HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
}

std::optional<MessageBoxView> findMessageBox(DWORD processId) {
    HWND box = findTop(processId, [](HWND window) {
        return className(window) == kDialogClass && GetDlgItem(window, kMessageTextId) != nullptr;
    });
    if (box == nullptr) {
        return std::nullopt;
    }
    return viewOf(box);
}

MessageBoxView waitForMessageBox(DWORD processId, Deadline deadline) {
    std::optional<MessageBoxView> box;
    if (!waitFor([&] { return (box = findMessageBox(processId)).has_value(); }, deadline)) {
        timedOut(L"a message box");
    }
    return *box;
}

void answer(const MessageBoxView& box, int button) {
    if (std::find(box.buttons.begin(), box.buttons.end(), button) == box.buttons.end()) {
        throw std::invalid_argument("the message box \"" + platform::toUtf8(box.caption) +
                                    "\" has no button " + std::to_string(button));
    }
    click(GetDlgItem(box.window, button));
}

std::wstring answerMessageBox(DWORD processId, const std::wstring& caption, int button,
                              Deadline deadline) {
    std::optional<MessageBoxView> box;
    const bool found = waitFor(
        [&] {
            box = findMessageBox(processId);
            return box && box->caption == caption;
        },
        deadline);
    if (!found) {
        timedOut(L"the message box " + caption);
    }
    answer(*box, button);
    return box->text;
}

// Started through the shell, as the control panel starts the setup program:
// a program whose manifest asks for administrator rights cannot be started by
// CreateProcess from an unelevated test (ERROR_ELEVATION_REQUIRED), while the
// shell asks for the elevation.
Program::Program(const std::wstring& path, const std::map<std::wstring, std::wstring>& environment,
                 const std::wstring& workingDirectory, const std::wstring& parameters) {
    const ScopedVariables variables(environment);
    SHELLEXECUTEINFOW execution{};
    execution.cbSize = sizeof execution;
    execution.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    execution.lpVerb = L"open";
    execution.lpFile = path.c_str();
    execution.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    execution.lpDirectory = workingDirectory.empty() ? nullptr : workingDirectory.c_str();
    execution.nShow = SW_SHOWDEFAULT;
    if (!ShellExecuteExW(&execution) || execution.hProcess == nullptr) {
        throw std::runtime_error("cannot start " + platform::toUtf8(path) + " (error " +
                                 std::to_string(GetLastError()) + ")");
    }
    process_ = execution.hProcess;
    processId_ = GetProcessId(process_);
}

Program::~Program() {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);
    }
    CloseHandle(process_);
}

HWND Program::waitForWindow(const std::wstring& wantedClass, Deadline deadline) {
    HWND found = nullptr;
    if (!waitFor([&] { return (found = findTopWindow(processId_, wantedClass)) != nullptr; },
                 deadline)) {
        timedOut(L"a window of class " + wantedClass);
    }
    return found;
}

std::optional<DWORD> Program::waitForExit(Deadline deadline) {
    if (WaitForSingleObject(process_, static_cast<DWORD>(deadline.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

std::vector<std::wstring> readLines(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes;
    char block[4096];
    DWORD got = 0;
    while (ReadFile(file, block, sizeof block, &got, nullptr) && got > 0) {
        bytes.append(block, got);
    }
    CloseHandle(file);
    std::vector<std::wstring> lines;
    size_t start = 0;
    // Only whole lines: the writer may be in the middle of the last one.
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(platform::fromUtf8(line));
    }
    return lines;
}

}  // namespace uidriver
