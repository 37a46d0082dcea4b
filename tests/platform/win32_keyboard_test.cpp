#include "platform/win32/win32_keyboard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/platform/keyboard_contract.h"

namespace platform {
namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, KeyboardContract, Win32Keyboard);

// The German layout made the thread's own for one test. Wine's keyboard follows
// the X server's keymap and gives no other layout: the cases skip there.
class Win32GermanWorld {
public:
    Win32GermanWorld() : previous_(GetKeyboardLayout(0)) {
        constexpr WORD kGermanLanguage = 0x0407;
        const HKL german = LoadKeyboardLayoutW(L"00000407", KLF_ACTIVATE);
        available_ = german != nullptr &&
                     LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))) == kGermanLanguage;
    }
    ~Win32GermanWorld() { ActivateKeyboardLayout(previous_, 0); }
    Win32GermanWorld(const Win32GermanWorld&) = delete;
    Win32GermanWorld& operator=(const Win32GermanWorld&) = delete;

    bool available() const { return available_; }
    Keyboard& keyboard() { return keyboard_; }

private:
    HKL previous_;
    bool available_ = false;
    Win32Keyboard keyboard_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, GermanKeyboardContract, Win32GermanWorld);
}  // namespace contract

namespace {

constexpr DWORD kDeadlineMs = 5000;
// Bits 16 to 23 of a key message's lParam hold the scan code.
constexpr int kScanCodeShift = 16;
constexpr LPARAM kScanCodeMask = 0xFF;

// A focused window of our own that notes the first key-down it receives.
class KeyTarget {
public:
    KeyTarget() {
        window_ =
            CreateWindowExW(0, L"STATIC", L"keyboard test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(window_);
        SetFocus(window_);
    }
    ~KeyTarget() { DestroyWindow(window_); }

    bool focused() const { return GetFocus() == window_; }

    // Pumps messages until a key-down arrives or the deadline passes.
    bool waitForKeyDown(MSG& keyDown) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kDeadlineMs) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_KEYDOWN) {
                    keyDown = msg;
                    return true;
                }
                DispatchMessageW(&msg);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
        return false;
    }

private:
    HWND window_;
};

TEST(Win32Keyboard, SentKeyDownReachesTheFocusedWindowWithItsScanCode) {
    KeyTarget target;
    ASSERT_TRUE(target.focused());
    Win32Keyboard keyboard;
    keyboard.sendKeyDown(vk::kEscape);
    MSG keyDown{};
    const bool arrived = target.waitForKeyDown(keyDown);
    keybd_event(VK_ESCAPE, 1, KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(arrived);
    EXPECT_EQ(keyDown.wParam, static_cast<WPARAM>(VK_ESCAPE));
    EXPECT_EQ((keyDown.lParam >> kScanCodeShift) & kScanCodeMask, 1);
}

}  // namespace
}  // namespace platform
