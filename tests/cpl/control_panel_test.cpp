// sornel.dll opened by the system's own control panel program, control.exe,
// the way a user's shortcut "control.exe sornel.dll,Mouse" opens it.

#include <windows.h>

#include <cpl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cpl/forwarder_test_bed.h"
#include "tests/cpl/wait.h"

namespace cpl {
namespace test {
namespace {

struct Message {
    UINT message;
    ULONG_PTR applet;

    bool operator==(const Message& other) const {
        return message == other.message && applet == other.applet;
    }
};

void PrintTo(const Message& message, std::ostream* out) {
    *out << "{message " << message.message << ", applet " << message.applet << "}";
}

std::vector<Message> messagesOf(const std::vector<JournalEntry>& journal) {
    std::vector<Message> messages;
    for (const auto& entry : journal) {
        messages.push_back({entry.message, entry.lParam1});
    }
    return messages;
}

std::wstring systemDirectory() {
    wchar_t directory[MAX_PATH] = {};
    GetSystemDirectoryW(directory, MAX_PATH);
    return directory;
}

class ControlPanelTest : public ForwarderTestBed {
protected:
    // Runs control.exe on "<sornel.dll>,<applet>" and waits for it to end.
    void openWithControlPanel(const std::wstring& applet) {
        const std::wstring program = systemDirectory() + L"\\control.exe";
        std::wstring commandLine = L"control.exe \"" + forwarderPath() + L"\"," + applet;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                   nullptr, nullptr, &startup, &process));
        messageBoxes().watchProcess(process.dwProcessId);
        const DWORD waited =
            WaitForSingleObject(process.hProcess, static_cast<DWORD>(kDeadline.count()));
        if (waited != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ASSERT_EQ(waited, WAIT_OBJECT_0) << "control.exe did not end";
    }
};

TEST_F(ControlPanelTest, OpeningTheMouseAppletStartsTheSetupProgram) {
    installAppletLibrary();
    installSetupProgram();

    ASSERT_NO_FATAL_FAILURE(openWithControlPanel(L"Mouse"));

    EXPECT_EQ(
        waitForSetupProgramStarts(1),
        std::vector<std::string>{"started arguments=0 show=" + std::to_string(SW_SHOWDEFAULT)});
    EXPECT_EQ(messagesOf(appletJournal()), (std::vector<Message>{
                                               {CPL_INIT, 0},
                                               {CPL_GETCOUNT, 0},
                                               {CPL_NEWINQUIRE, 0},
                                               {CPL_NEWINQUIRE, 1},
                                               {CPL_STOP, 0},
                                               {CPL_STOP, 1},
                                               {CPL_EXIT, 0},
                                           }));
    EXPECT_TRUE(messageBoxes().seen().empty());
}

TEST_F(ControlPanelTest, OpeningAnotherAppletReachesTheAppletLibrary) {
    installAppletLibrary();
    installSetupProgram();

    ASSERT_NO_FATAL_FAILURE(openWithControlPanel(L"Keyboard"));

    EXPECT_EQ(messagesOf(appletJournal()), (std::vector<Message>{
                                               {CPL_INIT, 0},
                                               {CPL_GETCOUNT, 0},
                                               {CPL_NEWINQUIRE, 0},
                                               {CPL_NEWINQUIRE, 1},
                                               {CPL_STARTWPARMSW, 1},
                                               {CPL_DBLCLK, 1},
                                               {CPL_STOP, 0},
                                               {CPL_STOP, 1},
                                               {CPL_EXIT, 0},
                                           }));
    EXPECT_TRUE(messageBoxes().seen().empty());
}

}  // namespace
}  // namespace test
}  // namespace cpl
