// Starting the real program: the single-instance guard, the start-up
// messages, the welcome page and what losing the activation does.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "platform/text.h"
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
    // Pages not shown yet may have no window at all.
    EXPECT_FALSE(uidriver::isVisible(uidriver::findControl(window_, L"Page1")));
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
UINT injectedEscapeReleases = 0;

LRESULT CALLBACK watchKeys(int code, WPARAM message, LPARAM data) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    if (code == HC_ACTION && key->vkCode == VK_ESCAPE && (key->flags & LLKHF_INJECTED) != 0) {
        ++(message == WM_KEYUP ? injectedEscapeReleases : injectedEscapes);
    }
    return CallNextHookEx(nullptr, code, message, data);
}

// The hook runs in this thread's message loop: a thread that does not handle
// its messages lets the hook's calls time out, and the key passes unseen. So
// the waits here sleep only until a message comes.
void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

bool waitPumping(const std::function<bool()>& condition, uidriver::Deadline deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        pumpMessages();
        if (condition()) {
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        constexpr DWORD kLongestSleep = 50;
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  std::min<DWORD>(kLongestSleep, static_cast<DWORD>(left.count())),
                                  QS_ALLINPUT);
    }
}

// Wine may refuse a change of the foreground now and then, more so on a busy
// machine: ask again until it has happened.
bool bringToForeground(HWND window) {
    return waitPumping(
        [&] {
            if (GetForegroundWindow() != window) {
                SetForegroundWindow(window);
            }
            return GetForegroundWindow() == window;
        },
        uidriver::kDefaultDeadline);
}

TEST_F(TarvexProgram, LosingActivationToAnotherProgramInjectsEscape) {
    loadRegistry("one_device.reg");
    startAndWait();
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, watchKeys, GetModuleHandleW(nullptr), 0);
    ASSERT_NE(hook, nullptr);
    HWND other = CreateWindowW(L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                               0, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);

    // On a machine busy enough to make the hook's call time out the key goes
    // by unseen: the activation is then taken once more, a few times at most.
    constexpr int kRounds = 3;
    constexpr uidriver::Deadline kRoundDeadline{5000};
    bool arrived = false;
    for (int round = 0; round < kRounds && !arrived; ++round) {
        ASSERT_TRUE(bringToForeground(window_)) << "round " << round;
        pumpMessages();
        injectedEscapes = 0;
        injectedEscapeReleases = 0;
        ASSERT_TRUE(bringToForeground(other)) << "round " << round;
        arrived = waitPumping([] { return injectedEscapes > 0; }, kRoundDeadline);
    }
    UnhookWindowsHookEx(hook);
    DestroyWindow(other);
    EXPECT_TRUE(arrived);
    EXPECT_EQ(injectedEscapeReleases, 0u) << "a key-down only, no key-up";
}

// A library of the driver's name planted in the working directory is never
// loaded: the one found on the normal search path is.
TEST_F(TarvexProgram, ALibraryPlantedInTheWorkingDirectoryIsIgnored) {
    loadRegistry("one_device.reg");
    const auto planted = scratchDirectory(L"planted");
    ASSERT_TRUE(CopyFileW(platform::fromUtf8(TARVEX_LIBRARY_WITHOUT_ENTRY).c_str(),
                          (planted + L"\\Orvdll.dll").c_str(), FALSE));
    auto& copy = start(planted);
    window_ = copy.waitForWindow(kWindowClass);
    EXPECT_FALSE(uidriver::findMessageBox(copy.processId()).has_value())
        << "the planted library, which lacks the entry, was not bound";
}

// Copies started together: exactly one reaches its window, the others end
// silently.
TEST_F(TarvexProgram, CopiesStartedAtTheSameMomentLeaveOneWindow) {
    loadRegistry("one_device.reg");
    constexpr int kCopies = 4;
    std::vector<uidriver::Program*> copies;
    for (int i = 0; i < kCopies; ++i) {
        copies.push_back(&start());
    }
    int ended = 0;
    uidriver::Program* running = nullptr;
    for (auto* copy : copies) {
        if (const auto exitCode = copy->waitForExit(std::chrono::milliseconds(5000))) {
            EXPECT_EQ(*exitCode, 0u);
            ++ended;
        } else {
            running = copy;
        }
    }
    EXPECT_EQ(ended, kCopies - 1);
    ASSERT_NE(running, nullptr);
    EXPECT_NE(running->waitForWindow(kWindowClass), nullptr);
}

}  // namespace
}  // namespace program_test
