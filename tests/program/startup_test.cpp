// Starting the real program: the single-instance guard, the start-up
// messages, the welcome page and what losing the activation does.
#include <gtest/gtest.h>

#include "tests/program/tarvex_program.h"

namespace program_test {
namespace {

using uidriver::answerMessageBox;

TEST_F(TarvexProgram, OpensOnTheWelcomePageWithBackUnavailable) {
    loadRegistry("one_device.reg");
    startAndWait();
    EXPECT_EQ(uidriver::windowText(window_), L"Orvane Mouse Setup Control Panel");
    const RECT client = uidriver::clientRect(window_);
    EXPECT_EQ(client.right - client.left, 536);
    EXPECT_EQ(client.bottom - client.top, 384);
    EXPECT_TRUE(uidriver::isVisible(control(L"Page18")));
    EXPECT_FALSE(uidriver::isVisible(control(L"Page1")));
    EXPECT_FALSE(uidriver::isEnabled(control(L"btnBack")));
    EXPECT_FALSE(uidriver::isVisible(control(L"btnHelp")));
    EXPECT_EQ(uidriver::windowText(control(L"btnNext")), L"&Next ->");
}

TEST_F(TarvexProgram, ASecondCopyEndsAtOnceAndShowsNothing) {
    loadRegistry("one_device.reg");
    startAndWait();
    auto& second = start();
    const auto exitCode = second.waitForExit();
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_EQ(uidriver::findTopWindow(second.processId(), kWindowClass), nullptr);
    EXPECT_FALSE(uidriver::findMessageBox(second.processId()).has_value());
}

TEST_F(TarvexProgram, AMissingDriverKeyIsReportedAndTheProgramEnds) {
    auto& copy = start();
    EXPECT_EQ(answerMessageBox(copy.processId(), L"Error in Registry", IDOK),
              L"Error reading registry\n  Reinstall The Orvane Mouse Driver");
    const auto exitCode = copy.waitForExit();
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(*exitCode, 0u);
}

TEST_F(TarvexProgram, AnInstallDirectoryOfZeroIsReported) {
    loadRegistry("broken_install_directory.reg");
    auto& copy = start();
    EXPECT_EQ(answerMessageBox(copy.processId(), L"Error in Regsitry", IDOK),
              L"Error in Registry\n  Reinstall The Orvane Mouse Driver");
    EXPECT_TRUE(copy.waitForExit().has_value());
}

TEST_F(TarvexProgram, AMissingDriverLibraryGivesBothMessagesInOrder) {
    loadRegistry("one_device.reg");
    removeDriverLibrary();
    auto& copy = start();
    EXPECT_EQ(answerMessageBox(copy.processId(), L"Error loading DLL", IDOK),
              L"Cannot find DLL file: Orvdll.dll\n  You need to reinstall the Orvane Mouse Driver");
    EXPECT_EQ(answerMessageBox(copy.processId(), L"Error in DLL file", IDOK),
              L"Error reading DLL file: Orvdll.dll\n  Reinstall the Orvane Mouse Driver");
    EXPECT_TRUE(copy.waitForExit().has_value());
    EXPECT_EQ(uidriver::findTopWindow(copy.processId(), kWindowClass), nullptr);
}

TEST_F(TarvexProgram, ADriverLibraryWithoutItsEntryIsReported) {
    loadRegistry("one_device.reg");
    replaceDriverLibraryWithoutEntry();
    auto& copy = start();
    const auto box = uidriver::waitForMessageBox(copy.processId());
    EXPECT_EQ(box.caption, L"Error in DLL file");
    EXPECT_TRUE(box.topmost) << "start-up messages are system-modal";
    uidriver::answer(box, IDOK);
    EXPECT_TRUE(copy.waitForExit().has_value());
}

// Losing the activation to another program sends one Escape key-down. The
// key goes wherever the keyboard is then; a low-level hook sees it on its way.
UINT injectedEscapes = 0;

LRESULT CALLBACK watchKeys(int code, WPARAM message, LPARAM data) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    if (code == HC_ACTION && message == WM_KEYDOWN && key->vkCode == VK_ESCAPE &&
        (key->flags & LLKHF_INJECTED) != 0) {
        ++injectedEscapes;
    }
    return CallNextHookEx(nullptr, code, message, data);
}

TEST_F(TarvexProgram, LosingActivationToAnotherProgramInjectsEscape) {
    loadRegistry("one_device.reg");
    startAndWait();
    injectedEscapes = 0;
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, watchKeys, GetModuleHandleW(nullptr), 0);
    ASSERT_NE(hook, nullptr);
    HWND other = CreateWindowW(L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);

    SetForegroundWindow(window_);
    ASSERT_TRUE(uidriver::waitFor([&] { return GetForegroundWindow() == window_; }));
    // Wine may refuse a change of the foreground now and then: ask until the
    // program has let it go.
    const bool arrived = uidriver::waitFor([&] {
        if (GetForegroundWindow() == window_) {
            SetForegroundWindow(other);
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        return injectedEscapes > 0;
    });
    UnhookWindowsHookEx(hook);
    DestroyWindow(other);
    EXPECT_TRUE(arrived);
    EXPECT_EQ(injectedEscapes, 1u) << "one key-down, no key-up";
}

}  // namespace
}  // namespace program_test
