// Application profiles in the real program: adding a program through the
// dialog and through the file browser, deleting one, and the records and
// driver notifications that follow.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "tests/program/tarvex_program.h"

namespace program_test {
namespace {

const std::wstring kDeviceKey = L"00a002";
const std::wstring kProgramsDirectory = L"C:\\TarvexTestPrograms";
const std::wstring kPickedProgram = L"Calc.exe";

class ApplicationsProgram : public TarvexProgram {
protected:
    void SetUp() override {
        TarvexProgram::SetUp();
        CreateDirectoryW(kProgramsDirectory.c_str(), nullptr);
        for (const auto* name : {L"Calc.exe", L"notes.txt"}) {
            HANDLE file = CreateFileW((kProgramsDirectory + L"\\" + name).c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            CloseHandle(file);
        }
    }
    void TearDown() override {
        TarvexProgram::TearDown();
        for (const auto* name : {L"Calc.exe", L"notes.txt"}) {
            DeleteFileW((kProgramsDirectory + L"\\" + name).c_str());
        }
        RemoveDirectoryW(kProgramsDirectory.c_str());
    }

    // The one device, set up as a standard two-button mouse, on its
    // application list.
    void openApplicationList() {
        openProperties();
        clickAndWaitFor(L"btnNext", L"Page9");
        clickAndWaitFor(L"btnPage9Yes", L"Page10");
    }
    // The "Select File" dialog opened by "&Add New".
    HWND openFileBox() {
        uidriver::click(control(L"btnPage10Browse"));
        HWND dialog = nullptr;
        uidriver::waitFor([&] {
            dialog = uidriver::findTopWindow(program().processId(), L"TFileBox");
            return dialog != nullptr;
        });
        return dialog;
    }
    bool listed(const std::wstring& name) {
        return uidriver::waitFor([&] {
            const auto items = uidriver::listItems(control(L"lstbSpecialApplications"));
            return std::find(items.begin(), items.end(), name) != items.end();
        });
    }
    int listRow(HWND list, const std::wstring& text) {
        const auto items = uidriver::listItems(list);
        for (size_t row = 0; row < items.size(); ++row) {
            if (platform::trim(items[row]) == text) {
                return static_cast<int>(row);
            }
        }
        return -1;
    }
    // The GENERAL record's settings, which every new application copies.
    std::wstring generalSettings() { return property(L"P001").substr(16); }
    bool driverRead(const std::wstring& name, const std::wstring& value) {
        return uidriver::waitFor([&] {
            const auto lines = journal();
            return !lines.empty() && standins::journalValue(lines.back(), name) == value;
        });
    }
};

TEST_F(ApplicationsProgram, AddsTypedAndPickedProgramsAndDeletesOne) {
    openApplicationList();
    ASSERT_EQ(property(L"P001").substr(0, 16), kDeviceKey + L"007GENERAL");
    EXPECT_EQ(uidriver::listItems(control(L"lstbSpecialApplications")),
              std::vector<std::wstring>{L"{general applications}"});

    const HWND dialog = openFileBox();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(uidriver::windowText(dialog), L"Select File");
    const HWND ok = uidriver::waitForControl(dialog, L"btnOK");
    EXPECT_FALSE(uidriver::isEnabled(ok));
    uidriver::typeText(uidriver::waitForControl(dialog, L"txtSpecialApp"), L"notepad.exe ");
    ASSERT_TRUE(uidriver::waitFor([&] { return uidriver::isEnabled(ok); }));
    uidriver::click(ok);

    ASSERT_TRUE(listed(L"NOTEPAD.EXE"));
    const auto notepad = kDeviceKey + L"011NOTEPAD.EXE" + generalSettings();
    EXPECT_EQ(property(L"P002"), notepad);
    EXPECT_TRUE(driverRead(L"P002", notepad));

    const HWND browseDialog = openFileBox();
    ASSERT_NE(browseDialog, nullptr);
    uidriver::click(uidriver::waitForControl(browseDialog, L"Button1"));
    waitUntilShown(L"Page14");
    const HWND directories = control(L"dlbSpecialApplication");
    int row = -1;
    ASSERT_TRUE(uidriver::waitFor(
        [&] { return (row = listRow(directories, L"TarvexTestPrograms")) >= 0; }));
    uidriver::doubleClickListRow(directories, row);
    const HWND programs = control(L"flbSpecialApplication");
    ASSERT_TRUE(uidriver::waitFor([&] {
        return uidriver::listItems(programs) == std::vector<std::wstring>{kPickedProgram};
    })) << "only program files are offered";
    uidriver::doubleClickListRow(programs, 0);
    waitUntilShown(L"Page10");

    ASSERT_TRUE(listed(L"CALC.EXE"));
    const auto calc = kDeviceKey + L"008CALC.EXE" + generalSettings();
    EXPECT_EQ(property(L"P003"), calc);
    EXPECT_TRUE(driverRead(L"P003", calc));

    const HWND list = control(L"lstbSpecialApplications");
    uidriver::selectListRow(list, listRow(list, L"NOTEPAD.EXE"));
    const HWND deleteButton = control(L"btnPage10Delete");
    ASSERT_TRUE(uidriver::waitFor([&] { return uidriver::isEnabled(deleteButton); }));
    uidriver::click(deleteButton);
    ASSERT_TRUE(uidriver::waitFor([&] {
        return uidriver::listItems(list) ==
               std::vector<std::wstring>{L"{general applications}", L"CALC.EXE"};
    }));
    EXPECT_EQ(property(L"P002"), calc) << "the later record moved down";
    EXPECT_EQ(property(L"P003"), L"");
    EXPECT_TRUE(driverRead(L"records", L"2"));
    EXPECT_FALSE(uidriver::isEnabled(deleteButton));
    EXPECT_FALSE(uidriver::isEnabled(control(L"btnNext")));
}

// A program's name may be far wider than the window: the list scrolls sideways
// as far as it reaches, and the property page's heading ends with an ellipsis
// inside the window instead of a letter cut in half at its edge.
TEST_F(ApplicationsProgram, ALongProgramNameCanBeRead) {
    openApplicationList();
    const std::wstring name = std::wstring(119, L'W') + L".EXE";
    const HWND dialog = openFileBox();
    ASSERT_NE(dialog, nullptr);
    const HWND ok = uidriver::waitForControl(dialog, L"btnOK");
    uidriver::typeText(uidriver::waitForControl(dialog, L"txtSpecialApp"), name);
    ASSERT_TRUE(uidriver::waitFor([&] { return uidriver::isEnabled(ok); }));
    uidriver::click(ok);
    ASSERT_TRUE(listed(name));

    const HWND list = control(L"lstbSpecialApplications");
    EXPECT_NE(GetWindowLongPtrW(list, GWL_STYLE) & WS_HSCROLL, 0);
    const auto extent = SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0);
    EXPECT_GT(extent, uidriver::clientRect(list).right) << "the rows scroll to the name's end";

    clickAndWaitFor(L"btnNext", L"Page7");
    const HWND heading = control(L"lblAppPage7");
    ASSERT_TRUE(uidriver::waitFor(
        [&] { return uidriver::windowText(heading) == L"In the " + name + L" Application"; }));
    EXPECT_NE(GetWindowLongPtrW(heading, GWL_STYLE) & SS_ENDELLIPSIS, 0);
    const RECT shown = uidriver::screenRect(heading);
    RECT client = uidriver::clientRect(window_);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_LE(shown.right, client.right) << "the ellipsis lies inside the window";
}

}  // namespace
}  // namespace program_test
