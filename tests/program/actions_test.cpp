// Recording a keystroke macro in the real program: keys typed into the capture
// edit become symbols, and assigning them to a chord stores the macro in the
// driver's notation and tells the driver.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text.h"
#include "tests/program/tarvex_program.h"

namespace program_test {
namespace {

constexpr int kAux1Item = 0;
constexpr int kSwiftScrollItem = 0;
constexpr int kCtrlItem = 2;
constexpr int kCustomTextItem = 2;
constexpr int kMaximizeItem = 3;
constexpr LPARAM kRepeatOnce = 1;
constexpr int kScanCodeShift = 16;
constexpr LPARAM kKeyReleased = static_cast<LPARAM>(0xC0000000u);

// A key event as the keyboard driver queues it for the focused window.
void postKey(HWND window, int key, bool down) {
    const LPARAM data = kRepeatOnce | static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC))
                                          << kScanCodeShift;
    PostMessageW(window, down ? WM_KEYDOWN : WM_KEYUP, key, down ? data : data | kKeyReleased);
}

class RecordingAMacro : public TarvexProgram {
protected:
    // Through the device and type pages to the property page's Actions tab.
    void openActionsTab() {
        openProperties();
        // The property page opens on Buttons; Actions lies two tabs to the right.
        uidriver::pressKey(control(L"PageControl2"), VK_RIGHT);
        waitUntilShown(L"TabSheet3");
        uidriver::pressKey(control(L"PageControl2"), VK_RIGHT);
        waitUntilShown(L"TabSheet4");
    }

    // A new Ctrl+Aux1 action with "Custom Text...": the keystroke page, its
    // capture edit focused (it takes the place of the page's plain edit when the
    // page is first shown); nullptr when it never was.
    HWND openKeystrokePage() {
        openActionsTab();
        clickAndWaitFor(L"btnAssignNew", L"Page8");
        uidriver::chooseComboItem(control(L"cmbMouseButtons"), kAux1Item);
        uidriver::chooseComboItem(control(L"cmbKeyboardKey"), kCtrlItem);
        uidriver::chooseComboItem(control(L"cmbAction"), kCustomTextItem);
        waitUntilShown(L"Page13");
        HWND edit = nullptr;
        const bool focused = uidriver::waitFor([&] {
            edit = uidriver::findControl(window_, L"txtActionString");
            return edit != nullptr && uidriver::focusedWindow(window_) == edit;
        });
        return focused ? edit : nullptr;
    }

    // Whether A001 comes to hold stored, and the driver read it.
    bool storedAndRead(const std::wstring& stored) {
        return uidriver::waitFor([&] {
            const auto lines = journal();
            return property(L"A001") == stored && !lines.empty() &&
                   standins::journalValue(lines.back(), L"A001") == stored;
        });
    }
};

TEST_F(RecordingAMacro, TypedKeysAreStoredInTheDriversNotation) {
    HWND edit = openKeystrokePage();
    ASSERT_NE(edit, nullptr);
    const std::pair<int, bool> keys[] = {
        {VK_CONTROL, true}, {'C', true},    {'C', false},    {VK_CONTROL, false}, {VK_F5, true},
        {VK_F5, false},     {VK_TAB, true}, {VK_TAB, false}, {'X', true},         {'X', false},
    };
    for (const auto& [key, down] : keys) {
        postKey(edit, key, down);
    }
    const std::wstring recorded = L"{Ctrl-Dn}c{Ctrl-Up}{F5}{Tab}x";
    EXPECT_TRUE(uidriver::waitFor([&] { return uidriver::windowText(edit) == recorded; }))
        << "the edit shows " << platform::toUtf8(uidriver::windowText(edit));
    EXPECT_EQ(uidriver::focusedWindow(window_), edit) << "Tab came back to the edit";

    clickAndWaitFor(L"btnPage13Assign", L"TabSheet4");
    // Ctrl pressed "{<}" and released "{~<}", F5 as "^" (89 + 5), Tab as ".~.".
    const std::wstring macro = L"{<}c{~<}{^~^}{.~.}x";
    const std::wstring stored = L"020206" + std::to_wstring(macro.size()) + macro;
    EXPECT_TRUE(storedAndRead(stored)) << "A001 holds " << platform::toUtf8(property(L"A001"));
    EXPECT_EQ(uidriver::listItems(control(L"lstbAssignedActionsMB")).size(), 1u);
}

// Another program's edits (or the clipboard) never put a half symbol or an
// overlong macro into the capture edit: what is assigned is what was recorded.
TEST_F(RecordingAMacro, TextSentFromOutsideNeverStaysInTheCaptureEdit) {
    HWND edit = openKeystrokePage();
    ASSERT_NE(edit, nullptr);
    postKey(edit, VK_F5, true);
    postKey(edit, VK_F5, false);
    ASSERT_TRUE(uidriver::waitFor([&] { return uidriver::windowText(edit) == L"{F5}"; }));

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::wstring halfSymbol = L"{Ctr";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (halfSymbol.size() + 1) * sizeof(wchar_t));
    std::copy_n(halfSymbol.c_str(), halfSymbol.size() + 1,
                static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();

    std::wstring overlong;
    while (overlong.size() < 120) {
        overlong += L"{F2}";
    }
    const struct {
        const char* name;
        UINT message;
        LPARAM text;
    } outside[] = {
        {"WM_PASTE", WM_PASTE, 0},
        {"WM_SETTEXT half", WM_SETTEXT, reinterpret_cast<LPARAM>(halfSymbol.c_str())},
        {"WM_SETTEXT overlong", WM_SETTEXT, reinterpret_cast<LPARAM>(overlong.c_str())},
        {"WM_CUT", WM_CUT, 0},
        {"WM_CLEAR", WM_CLEAR, 0},
        {"EM_REPLACESEL", EM_REPLACESEL, reinterpret_cast<LPARAM>(halfSymbol.c_str())},
    };
    constexpr UINT kAnswerDeadlineMs = 10000;
    for (const auto& message : outside) {
        SCOPED_TRACE(message.name);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(edit, EM_SETSEL, 1, 3, SMTO_ABORTIFHUNG, kAnswerDeadlineMs, &ignored);
        ASSERT_NE(SendMessageTimeoutW(edit, message.message, 0, message.text, SMTO_ABORTIFHUNG,
                                      kAnswerDeadlineMs, &ignored),
                  0);
        EXPECT_EQ(uidriver::windowText(edit), L"{F5}");
    }

    clickAndWaitFor(L"btnPage13Assign", L"TabSheet4");
    EXPECT_TRUE(storedAndRead(L"02020605{^~^}")) << platform::toUtf8(property(L"A001"));
}

// The system draws the closed action box's face after a choice and whenever it
// repaints; the description stays the chosen action's.
TEST_F(RecordingAMacro, TheChosenActionKeepsItsDescriptionWhenTheBoxRepaints) {
    openActionsTab();
    clickAndWaitFor(L"btnAssignNew", L"Page8");
    const HWND box = control(L"cmbAction");
    const HWND description = control(L"lblCurrentDesc");
    uidriver::chooseComboItem(box, kMaximizeItem);
    const std::wstring chosen = L"Maximize Current Window";
    ASSERT_TRUE(uidriver::waitFor([&] { return uidriver::windowText(description) == chosen; }));

    // Painted before it returns: the face's drawing has run by then.
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(uidriver::windowText(description), chosen);
}

// Arrow keys in the closed action box pass over "Custom Text..." on the way to
// Maximize without opening the keystroke page; Enter on it opens the page.
TEST_F(RecordingAMacro, ArrowKeysPassOverCustomTextAndEnterChoosesIt) {
    openActionsTab();
    clickAndWaitFor(L"btnAssignNew", L"Page8");
    const HWND box = control(L"cmbAction");
    const HWND description = control(L"lblCurrentDesc");
    const auto describes = [&](const std::wstring& text) {
        return uidriver::waitFor([&] { return uidriver::windowText(description) == text; });
    };
    uidriver::chooseComboItem(box, kSwiftScrollItem);
    ASSERT_TRUE(describes(L"Swift Scroll"));
    for (int step = kSwiftScrollItem; step < kMaximizeItem; ++step) {
        uidriver::pressKey(box, VK_DOWN);
    }
    EXPECT_TRUE(describes(L"Maximize Current Window"));
    EXPECT_EQ(uidriver::comboSelection(box), kMaximizeItem);
    EXPECT_TRUE(uidriver::isVisible(control(L"Page8"))) << "still on the new-action page";

    uidriver::pressKey(box, VK_UP);
    EXPECT_TRUE(describes(L"Custom Text Macro"));
    EXPECT_TRUE(uidriver::isVisible(control(L"Page8")));
    uidriver::pressKey(box, VK_RETURN);
    waitUntilShown(L"Page13");
}

}  // namespace
}  // namespace program_test
