#pragma once

// Drives a program's windows from outside, as a test tool or a screen reader
// would: controls are found by their component name (the "ComponentName"
// window property, a global atom), operated with the standard messages, and
// system message boxes are read and answered. Works across processes. Every
// wait has a deadline; nothing sleeps for a fixed time.

#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace uidriver {

using Deadline = std::chrono::milliseconds;
inline constexpr Deadline kDefaultDeadline{15000};

// Polls condition until it holds or the deadline passes; returns whether it held.
bool waitFor(const std::function<bool()>& condition, Deadline deadline = kDefaultDeadline);

// --- Finding windows ---------------------------------------------------------

// The component name a window carries; empty when none.
std::wstring componentName(HWND window);
// The descendant of top with that component name; nullptr when none.
HWND findControl(HWND top, const std::wstring& name);
// As findControl, waiting up to the deadline; throws std::runtime_error on timeout.
HWND waitForControl(HWND top, const std::wstring& name, Deadline deadline = kDefaultDeadline);
// The direct child of parent whose text is caption (a radio button of a group).
HWND findChildByText(HWND parent, const std::wstring& caption);
// The visible top-level window of a process with that class; nullptr when none.
HWND findTopWindow(DWORD processId, const std::wstring& className);
// The window with the keyboard focus in the thread that owns window.
HWND focusedWindow(HWND window);

// --- Reading -----------------------------------------------------------------

std::wstring windowText(HWND window);
std::wstring className(HWND window);
bool isEnabled(HWND window);
// Visible with all its parents.
bool isVisible(HWND window);
RECT clientRect(HWND window);
// The window's rectangle in screen coordinates.
RECT screenRect(HWND window);
int listSelection(HWND list);
std::vector<std::wstring> listItems(HWND list);
int comboSelection(HWND combo);
int trackBarPosition(HWND trackBar);
bool isChecked(HWND button);

// --- Operating (posted, so that a handler that opens a modal box cannot block
// the driver; wait for the effect afterwards) ---------------------------------

// BM_CLICK: what a mouse click on the button does.
void click(HWND button);
// Selects a row as a user's click does: LB_SETCURSEL, then LBN_SELCHANGE to the parent.
void selectListRow(HWND list, int row);
// The row's selection, then LBN_DBLCLK.
void doubleClickListRow(HWND list, int row);
// CB_SETCURSEL, then CBN_SELCHANGE to the parent.
void chooseComboItem(HWND combo, int item);
// TBM_SETPOS, then the WM_HSCROLL a drag ends with.
void setTrackBar(HWND trackBar, int position);
// Clicks the box when its state differs from checked.
void setCheckBox(HWND box, bool checked);
// WM_CHAR for each character, as typing does.
void typeText(HWND edit, const std::wstring& text);
// A key pressed and released on window (WM_KEYDOWN, WM_KEYUP).
void pressKey(HWND window, int virtualKey);
// Alt+letter on window: WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP with Alt held.
void pressAltKey(HWND window, wchar_t letter);
// The close box (WM_CLOSE).
void closeWindow(HWND window);

// --- Message boxes -----------------------------------------------------------

// A system message box as it is on screen.
struct MessageBoxView {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    std::vector<int> buttons;  // IDOK, IDCANCEL, IDYES, IDNO, left to right
    int defaultButton = 0;
    HICON icon = nullptr;  // compare with LoadIcon(nullptr, IDI_HAND) and the like
    bool topmost = false;
    HWND owner = nullptr;
};

// The first message box (#32770 with the message text) that a process shows;
// nothing when none is up.
std::optional<MessageBoxView> findMessageBox(DWORD processId);
// Waits for a message box; throws std::runtime_error on timeout.
MessageBoxView waitForMessageBox(DWORD processId, Deadline deadline = kDefaultDeadline);
// Clicks one of its buttons (IDOK, IDYES, ...); throws when it has no such button.
void answer(const MessageBoxView& box, int button);
// Waits for a box with that caption, answers it and returns its text.
std::wstring answerMessageBox(DWORD processId, const std::wstring& caption, int button,
                              Deadline deadline = kDefaultDeadline);

// --- Programs and files ------------------------------------------------------

// A program started for a test; killed when the object goes if still running.
class Program {
public:
    // Starts path with the test's environment plus the variables given, in the
    // working directory given (the test's own when empty), with the parameters
    // given.
    Program(const std::wstring& path, const std::map<std::wstring, std::wstring>& environment,
            const std::wstring& workingDirectory = {}, const std::wstring& parameters = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD processId() const { return processId_; }
    // Waits for the program's visible top-level window of that class.
    HWND waitForWindow(const std::wstring& className, Deadline deadline = kDefaultDeadline);
    // Waits for the program to end; nothing when it is still running at the deadline.
    std::optional<DWORD> waitForExit(Deadline deadline = kDefaultDeadline);

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// A UTF-8 text file's lines without their line ends; empty when it cannot be read.
std::vector<std::wstring> readLines(const std::wstring& path);

}  // namespace uidriver
