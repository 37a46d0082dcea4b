// The real program as a keyboard user and a hasty clicker meet it: every page
// gives the keyboard a place, and while a question or a stop message is up
// nothing underneath it can be clicked.
#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"
#include "platform/win32/win32_registry.h"
#include "setup/store/registry_layout.h"
#include "tests/program/tarvex_program.h"

namespace program_test {
namespace {

constexpr int kMotionSpeed = 11;

class QuestionsAndKeys : public TarvexProgram {
protected:
    // one_device.reg with three devices found, none of them chosen yet.
    void startWithThreeDevices() {
        loadRegistry("one_device.reg");
        platform::Win32Registry registry;
        registry.create(setup::kDriverRoot, setup::kMiceFoundKey)
            ->writeString(setup::kMiceFoundValue, L"00a002b05001014003");
        startAndWait();
    }

    // A key pressed on whatever has the keyboard focus, as the keyboard sends it.
    void pressKeyOnFocus(int key) {
        HWND focus = uidriver::focusedWindow(window_);
        uidriver::pressKey(focus != nullptr ? focus : window_, key);
    }

    // Whether a user's click could reach the window: it and all its parents
    // are enabled.
    static bool clickable(HWND window) {
        for (; window != nullptr; window = GetParent(window)) {
            if (!uidriver::isEnabled(window)) {
                return false;
            }
        }
        return true;
    }

    // The box the program shows next, checked to block the main window and
    // every button on it; then answered.
    void expectBlockingBox(const std::wstring& caption, int answer) {
        const auto box = uidriver::waitForMessageBox(program().processId());
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.owner, window_);
        EXPECT_FALSE(uidriver::isEnabled(window_)) << platform::toUtf8(caption);
        for (const wchar_t* button : {L"btnNext", L"btnBack", L"btnApply", L"btnCancel"}) {
            HWND found = uidriver::findControl(window_, button);
            EXPECT_TRUE(found == nullptr || !clickable(found))
                << platform::toUtf8(caption) << ": " << platform::toUtf8(button);
        }
        uidriver::answer(box, answer);
        EXPECT_TRUE(uidriver::waitFor([&] { return uidriver::isEnabled(window_); }))
            << "answered, the window is usable again";
    }
};

TEST_F(QuestionsAndKeys, EnterThenDownAndEnterReachTheTypePage) {
    startWithThreeDevices();
    pressKeyOnFocus(VK_RETURN);
    waitUntilShown(L"Page1");
    ASSERT_TRUE(uidriver::waitFor([&] {
        return uidriver::focusedWindow(window_) == control(L"lstDevicesFound");
    })) << "the device list has the focus";
    pressKeyOnFocus(VK_DOWN);
    ASSERT_TRUE(uidriver::waitFor([&] { return uidriver::isEnabled(control(L"btnNext")); }));
    pressKeyOnFocus(VK_RETURN);
    waitUntilShown(L"Page6");
    EXPECT_TRUE(uidriver::waitFor(
        [&] { return uidriver::focusedWindow(window_) == control(L"ListBox1"); }));
}

TEST_F(QuestionsAndKeys, QuestionsAndStopMessagesBlockTheWindowUntilAnswered) {
    startWithThreeDevices();
    clickAndWaitFor(L"btnNext", L"Page1");
    // A double-click below the rows, none of them chosen yet.
    HWND devices = control(L"lstDevicesFound");
    PostMessageW(GetParent(devices), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(devices), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(devices));
    expectBlockingBox(L"Select Device", IDOK);

    uidriver::selectListRow(control(L"lstDevicesFound"), 0);
    clickAndWaitFor(L"btnNext", L"Page6");
    uidriver::selectListRow(control(L"ListBox1"), 2);
    clickAndWaitFor(L"btnNext", L"Page7");
    uidriver::pressKey(control(L"PageControl2"), VK_LEFT);
    waitUntilShown(L"TabSheet1");
    uidriver::setTrackBar(control(L"trbHorizontalSpeed"), kMotionSpeed);
    ASSERT_TRUE(uidriver::waitFor([&] { return uidriver::isEnabled(control(L"btnApply")); }));

    uidriver::click(control(L"btnNext"));
    expectBlockingBox(L"Warning", IDCANCEL);
    uidriver::closeWindow(window_);
    expectBlockingBox(L"Warning", IDCANCEL);
    EXPECT_TRUE(uidriver::isVisible(control(L"Page7"))) << "Cancel stays where the user was";
}

}  // namespace
}  // namespace program_test
