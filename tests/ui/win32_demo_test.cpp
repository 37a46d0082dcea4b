// The demo program driven from another process by component names and
// standard messages, as a test tool or a screen reader would drive the real
// program. Each handler writes a journal line, so the test sees exactly which
// handlers ran, and how often.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/text.h"
#include "tests/win32/ui_driver.h"

namespace {

using uidriver::waitFor;

class DemoProgram : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t directory[MAX_PATH];
        GetTempPathW(MAX_PATH, directory);
        journal_ = std::wstring(directory) + L"ui_demo_journal_" +
                   std::to_wstring(GetCurrentProcessId()) + L".txt";
        DeleteFileW(journal_.c_str());
        program_ = std::make_unique<uidriver::Program>(
            platform::fromUtf8(UI_DEMO_PATH),
            std::map<std::wstring, std::wstring>{{L"UI_DEMO_JOURNAL", journal_}});
        window_ = program_->waitForWindow(L"TfrmDemo");
    }

    void TearDown() override {
        program_.reset();
        DeleteFileW(journal_.c_str());
    }

    HWND control(const std::wstring& name) { return uidriver::waitForControl(window_, name); }

    std::vector<std::wstring> lines() { return uidriver::readLines(journal_); }

    int count(const std::wstring& line) {
        const auto all = lines();
        return static_cast<int>(std::count(all.begin(), all.end(), line));
    }

    // Waits until the journal holds the line.
    void expectLine(const std::wstring& line) {
        EXPECT_TRUE(waitFor([&] { return count(line) > 0; }))
            << "no journal line \"" << platform::toUtf8(line) << "\"";
    }

    // Waits for the line of a click posted after everything else, so that all
    // posted before it has been handled.
    void settle() {
        uidriver::click(control(L"btnBack"));
        expectLine(L"btnBack click");
    }

    std::wstring journal_;
    std::unique_ptr<uidriver::Program> program_;
    HWND window_ = nullptr;
};

TEST_F(DemoProgram, TheMainWindowCarriesItsNameClassAndExactClientSize) {
    EXPECT_EQ(uidriver::componentName(window_), L"frmDemo");
    EXPECT_EQ(uidriver::windowText(window_), L"UI Demo Form");
    const RECT client = uidriver::clientRect(window_);
    EXPECT_EQ(client.right, 536);
    EXPECT_EQ(client.bottom, 384);
    expectLine(L"tabFirst show");
    EXPECT_TRUE(uidriver::isVisible(control(L"tabFirst")));
    // A page not shown yet may have no window at all.
    EXPECT_FALSE(uidriver::isVisible(uidriver::findControl(window_, L"tabSecond")));
    EXPECT_EQ(uidriver::listItems(control(L"lstItems")),
              (std::vector<std::wstring>{L"Normal Select", L"Help Select", L"Busy"}))
        << "the owner-drawn list keeps its texts";
}

TEST_F(DemoProgram, EachNativeActionRunsItsHandlerExactlyOnce) {
    uidriver::click(control(L"btnNext"));
    uidriver::selectListRow(control(L"lstItems"), 1);
    uidriver::setTrackBar(control(L"trbSpeed"), 7);
    uidriver::setCheckBox(control(L"chkTrails"), true);
    uidriver::chooseComboItem(control(L"cmbChoice"), 2);
    uidriver::typeText(control(L"txtName"), L"abc");
    expectLine(L"txtName change abc");
    settle();
    for (const wchar_t* line :
         {L"btnNext click", L"lstItems click 1", L"trbSpeed change 7", L"chkTrails click checked",
          L"cmbChoice change 2", L"txtName change a", L"txtName change abc"}) {
        SCOPED_TRACE(platform::toUtf8(line));
        EXPECT_EQ(count(line), 1);
    }
    EXPECT_EQ(uidriver::trackBarPosition(control(L"trbSpeed")), 7);
    EXPECT_TRUE(uidriver::isChecked(control(L"chkTrails")));
    EXPECT_EQ(uidriver::windowText(control(L"txtName")), L"abc");
}

TEST_F(DemoProgram, TabMovesTheFocusAndAnAcceleratorClicksItsButton) {
    uidriver::click(control(L"btnNext"));
    ASSERT_TRUE(waitFor([&] { return uidriver::focusedWindow(window_) == control(L"btnNext"); }));
    uidriver::pressKey(control(L"btnNext"), VK_TAB);
    EXPECT_TRUE(waitFor([&] { return uidriver::focusedWindow(window_) == control(L"btnBack"); }));
    expectLine(L"btnBack enter");
    EXPECT_EQ(count(L"btnNext exit"), 1);
    uidriver::pressAltKey(control(L"btnBack"), L'n');
    expectLine(L"btnNext click");
    EXPECT_EQ(count(L"btnBack click"), 0);
}

TEST_F(DemoProgram, ATabSwitchShowsThePageAndTheChangeFollows) {
    expectLine(L"tabFirst show");
    uidriver::pressKey(control(L"pgcDemo"), VK_RIGHT);
    expectLine(L"pgcDemo change");
    const auto all = lines();
    const auto shown = std::find(all.begin(), all.end(), L"tabSecond show");
    const auto changed = std::find(all.begin(), all.end(), L"pgcDemo change");
    EXPECT_LT(shown, changed) << "the page shows before the control's change handler runs";
    EXPECT_TRUE(uidriver::isVisible(control(L"tabSecond")));
    EXPECT_FALSE(uidriver::isVisible(control(L"tabFirst")));
}

TEST_F(DemoProgram, AMessageBoxIsAnsweredAndTheCloseBoxEndsTheProgram) {
    uidriver::click(control(L"btnAsk"));
    const auto box = uidriver::waitForMessageBox(program_->processId());
    EXPECT_EQ(box.caption, L"Demo Question");
    EXPECT_EQ(box.text, L"Proceed with the demo?\n  Really?");
    EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(box.defaultButton, IDNO);
    EXPECT_EQ(box.owner, window_);
    uidriver::answer(box, IDYES);
    expectLine(L"answer Yes");
    uidriver::closeWindow(window_);
    EXPECT_EQ(program_->waitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(count(L"frmDemo close"), 1);
    EXPECT_EQ(lines().back(), L"ended");
}

}  // namespace
