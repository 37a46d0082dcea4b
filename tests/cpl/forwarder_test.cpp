// sornel.dll loaded and driven as a control panel drives it.

#include <windows.h>

#include <cpl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/cpl/forwarder_test_bed.h"
#include "tests/win32/import_patch.h"

namespace cpl {
namespace test {
namespace {

// The start of the setup program through the shell: no parameters, the
// program's default way of showing.
const std::string kSetupProgramStart = "started arguments=0 show=" + std::to_string(SW_SHOWDEFAULT);

const SeenMessageBox kLaunchFailed{L"Omouse", L"Couldn't run tarvex.exe"};
const SeenMessageBox kLibraryMissing{L"In Sornel", L"Couldn't find TMain.dll"};
const SeenMessageBox kEntryMissing{L"In Sornel", L"Couldn't Reference CPlApplet"};
const SeenMessageBox kInitUnsent{L"In Sornel", L"Couldn't send CPL_INIT"};

class ForwarderTest : public ForwarderTestBed {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ForwarderTestBed::SetUp());
        forwarder_ = LoadLibraryW(forwarderPath().c_str());
        ASSERT_NE(forwarder_, nullptr);
        entry_ = reinterpret_cast<APPLET_PROC>(
            reinterpret_cast<void (*)()>(GetProcAddress(forwarder_, "CPlApplet")));
        ASSERT_NE(entry_, nullptr);
    }

    void TearDown() override {
        unloadForwarder();
        ForwarderTestBed::TearDown();
    }

    void unloadForwarder() {
        if (forwarder_ != nullptr) {
            FreeLibrary(forwarder_);
            forwarder_ = nullptr;
        }
    }

    LONG send(UINT message, LPARAM lParam1 = 0, LPARAM lParam2 = 0) {
        return entry_(controlPanelWindow(), message, lParam1, lParam2);
    }

    // What a control panel does before it shows the applets: init, count, and
    // the new record of every applet, handed over zeroed with the ANSI size.
    void openPanel() {
        ASSERT_EQ(send(CPL_INIT), TRUE);
        const LONG count = send(CPL_GETCOUNT);
        records_.assign(static_cast<std::size_t>(count), NEWCPLINFOW{});
        for (LONG index = 0; index < count; ++index) {
            records_[index].dwSize = sizeof(NEWCPLINFOA);
            send(CPL_NEWINQUIRE, index, recordAddress(index));
        }
    }

    HMODULE forwarder() const { return forwarder_; }

    LPARAM recordAddress(LONG index) { return reinterpret_cast<LPARAM>(&records_[index]); }

    JournalEntry journalled(UINT message, LPARAM lParam1 = 0, LPARAM lParam2 = 0) const {
        return {message, reinterpret_cast<UINT_PTR>(controlPanelWindow()),
                static_cast<ULONG_PTR>(lParam1), static_cast<ULONG_PTR>(lParam2)};
    }

    // Roomy enough for either form of the record.
    std::vector<NEWCPLINFOW> records_;

private:
    HMODULE forwarder_ = nullptr;
    APPLET_PROC entry_ = nullptr;
};

constexpr UINT kOpeningMessages[] = {CPL_DBLCLK, CPL_STARTWPARMSA, CPL_STARTWPARMSW};

TEST_F(ForwarderTest, EveryMessageReachesTheAppletLibraryUnchanged) {
    installAppletLibrary();
    constexpr UINT kHigherMessage = 42;
    constexpr LPARAM kEchoedParameter = 77;

    EXPECT_EQ(send(CPL_INIT), TRUE);
    EXPECT_EQ(send(CPL_GETCOUNT), 2);
    NEWCPLINFOW records[2] = {};
    EXPECT_EQ(send(CPL_NEWINQUIRE, 0, reinterpret_cast<LPARAM>(&records[0])), 0);
    EXPECT_EQ(send(CPL_NEWINQUIRE, 1, reinterpret_cast<LPARAM>(&records[1])), 0);
    EXPECT_EQ(send(CPL_SELECT, 1, 0x5E1EC7), 0);
    EXPECT_EQ(send(CPL_DBLCLK, 1, 0xDB1C), 0);
    EXPECT_EQ(send(CPL_STARTWPARMSW, 1, 0x9A4A), 0);
    EXPECT_EQ(send(kHigherMessage, kEchoedParameter, 0xABC), kEchoedParameter);
    EXPECT_EQ(send(CPL_STOP, 0, 0x570), 0);
    EXPECT_EQ(send(CPL_STOP, 1, 0x571), 0);
    EXPECT_EQ(send(CPL_EXIT), 0);

    EXPECT_EQ(appletJournal(),
              (std::vector<JournalEntry>{
                  journalled(CPL_INIT),
                  journalled(CPL_GETCOUNT),
                  journalled(CPL_NEWINQUIRE, 0, reinterpret_cast<LPARAM>(&records[0])),
                  journalled(CPL_NEWINQUIRE, 1, reinterpret_cast<LPARAM>(&records[1])),
                  journalled(CPL_SELECT, 1, 0x5E1EC7),
                  journalled(CPL_DBLCLK, 1, 0xDB1C),
                  journalled(CPL_STARTWPARMSW, 1, 0x9A4A),
                  journalled(kHigherMessage, kEchoedParameter, 0xABC),
                  journalled(CPL_STOP, 0, 0x570),
                  journalled(CPL_STOP, 1, 0x571),
                  journalled(CPL_EXIT),
              }));
    EXPECT_TRUE(messageBoxes().seen().empty());
}

TEST_F(ForwarderTest, InquireIsAnsweredWithZeroWithoutReachingTheAppletLibrary) {
    installAppletLibrary();
    ASSERT_NO_FATAL_FAILURE(openPanel());
    CPLINFO untouched;
    std::memset(&untouched, 0x5A, sizeof(untouched));
    CPLINFO info = untouched;

    EXPECT_EQ(send(CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info)), 0);

    EXPECT_EQ(std::memcmp(&info, &untouched, sizeof(info)), 0);
    EXPECT_TRUE(onlyMessages(appletJournal(), {CPL_INQUIRE}).empty());
}

class MouseAppletTest : public ForwarderTest, public ::testing::WithParamInterface<bool> {};

// The mouse applet in the middle, so that neither its index nor its neighbours'
// can pass for it by accident.
TEST_P(MouseAppletTest, OpeningTheMouseAppletStartsTheSetupProgramInsteadOthersAreForwarded) {
    installAppletLibrary();
    installSetupProgram();
    setAppletNames(L"Keyboard,Mouse,Display");
    setAnsiRecords(GetParam());
    ASSERT_NO_FATAL_FAILURE(openPanel());

    std::size_t starts = 0;
    std::vector<JournalEntry> forwarded;
    for (const UINT message : kOpeningMessages) {
        SCOPED_TRACE(message);
        const LONG result = send(message, 1, 0xDA7A);
        if (message == CPL_DBLCLK) {
            EXPECT_EQ(result, 0);
        } else {
            EXPECT_NE(result, 0) << "a host would double-click after an unhandled start";
        }
        ++starts;
        EXPECT_EQ(waitForSetupProgramStarts(starts),
                  std::vector<std::string>(starts, kSetupProgramStart));

        send(message, 0, 0x10);
        send(message, 2, 0x12);
        forwarded.push_back(journalled(message, 0, 0x10));
        forwarded.push_back(journalled(message, 2, 0x12));
    }
    EXPECT_EQ(onlyMessages(appletJournal(), {CPL_DBLCLK, CPL_STARTWPARMSA, CPL_STARTWPARMSW}),
              forwarded);
    EXPECT_TRUE(messageBoxes().seen().empty());
}

INSTANTIATE_TEST_SUITE_P(RecordForms, MouseAppletTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ansi" : "Wide"; });

TEST_F(ForwarderTest, AppletNamedMouseInSmallLettersIsNotTheMouseApplet) {
    installAppletLibrary();
    installSetupProgram();
    setAppletNames(L"Keyboard,mouse");
    ASSERT_NO_FATAL_FAILURE(openPanel());

    send(CPL_DBLCLK, 1, 0xD1);

    EXPECT_EQ(onlyMessages(appletJournal(), {CPL_DBLCLK}),
              std::vector<JournalEntry>{journalled(CPL_DBLCLK, 1, 0xD1)});
}

TEST_F(ForwarderTest, WithoutAMouseAppletTheFirstAppletStartsTheSetupProgram) {
    installAppletLibrary();
    installSetupProgram();
    setAppletNames(L"Keyboard,Display");
    ASSERT_NO_FATAL_FAILURE(openPanel());

    EXPECT_EQ(send(CPL_DBLCLK, 0, 0xD0), 0);
    send(CPL_DBLCLK, 1, 0xD1);

    EXPECT_EQ(waitForSetupProgramStarts(1), std::vector<std::string>{kSetupProgramStart});
    EXPECT_EQ(onlyMessages(appletJournal(), {CPL_DBLCLK}),
              std::vector<JournalEntry>{journalled(CPL_DBLCLK, 1, 0xD1)});
}

TEST_F(ForwarderTest, AppletLibraryStaysLoadedAfterExit) {
    installAppletLibrary();
    ASSERT_NO_FATAL_FAILURE(openPanel());

    send(CPL_EXIT);
    EXPECT_NE(GetModuleHandleW(appletLibraryPath().c_str()), nullptr);
    EXPECT_EQ(send(CPL_GETCOUNT), 2) << "still forwarded after exit";

    unloadForwarder();
    EXPECT_NE(GetModuleHandleW(appletLibraryPath().c_str()), nullptr)
        << "never released, not even when the control panel lets go of the forwarder";
}

TEST_F(ForwarderTest, MissingAppletLibraryIsReportedForEveryMessageItCannotTake) {
    installSetupProgram();
    EXPECT_EQ(send(CPL_INIT), 0);
    EXPECT_EQ(forwarderMessageBoxes(),
              (std::vector<SeenMessageBox>{kLibraryMissing, kEntryMissing, kInitUnsent}));

    struct Case {
        UINT message;
        LPARAM lParam1;
        const wchar_t* text;
        const wchar_t* caption;
    };
    NEWCPLINFOW record{};
    record.dwSize = sizeof(NEWCPLINFOA);
    const Case cases[] = {
        {CPL_GETCOUNT, 0, L"Couldn't send CPL_GETCOUNT", L"In Sornel"},
        {CPL_INQUIRE, 0, nullptr, nullptr},
        {CPL_NEWINQUIRE, 0, L"Couldn't send CPL_NEWINQUIRE", L"In Sornel"},
        {CPL_SELECT, 1, L"Couldn't send CPL_SELECT", L"In Sornel"},
        {CPL_DBLCLK, 1, L"Couldn't send CPL_DBLCLK", L"In Sornel"},
        {CPL_DBLCLK, 0, nullptr, nullptr},  // the mouse applet: the setup program starts
        {CPL_STARTWPARMSW, 1, L"Couldn't send Default", L"In Sornel"},
        {42, 1, L"Couldn't send Default", L"In Sornel"},
        {CPL_STOP, 0, L"Couldn't send CPL_STOP", L"In Sornel"},
        {CPL_EXIT, 0, L"Couldn't send CPL_EXIT", L"Error in Sornel"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "message " << row.message << ", applet " << row.lParam1);
        const std::size_t before = forwarderMessageBoxes().size();
        EXPECT_EQ(send(row.message, row.lParam1, reinterpret_cast<LPARAM>(&record)), 0);
        const auto boxes = forwarderMessageBoxes();
        const std::vector<SeenMessageBox> added(boxes.begin() + before, boxes.end());
        if (row.text == nullptr) {
            EXPECT_TRUE(added.empty());
        } else {
            EXPECT_EQ(added, (std::vector<SeenMessageBox>{{row.caption, row.text}}));
        }
    }
    EXPECT_EQ(waitForSetupProgramStarts(1), std::vector<std::string>{kSetupProgramStart});
}

TEST_F(ForwarderTest, AppletLibraryWithoutTheEntryIsReportedWithoutTheMissingFileMessage) {
    installAppletLibrary(AppletLibrary::WithoutEntry);

    EXPECT_EQ(send(CPL_INIT), 0);
    EXPECT_EQ(send(CPL_GETCOUNT), 0);

    EXPECT_EQ(forwarderMessageBoxes(),
              (std::vector<SeenMessageBox>{
                  kEntryMissing, kInitUnsent, {L"In Sornel", L"Couldn't send CPL_GETCOUNT"}}));
}

class UnforwardedRecordTest : public ForwarderTest, public ::testing::WithParamInterface<bool> {};

TEST_P(UnforwardedRecordTest, MouseAppletIsRecognisedFromTheRecordEvenWhenNotForwarded) {
    installSetupProgram();
    send(CPL_INIT);
    constexpr LONG kMouseIndex = 2;
    records_.assign(kMouseIndex + 1, NEWCPLINFOW{});
    if (GetParam()) {
        auto& ansi = reinterpret_cast<NEWCPLINFOA&>(records_[kMouseIndex]);
        ansi.dwSize = sizeof(NEWCPLINFOA);
        std::strcpy(ansi.szName, "Mouse");
    } else {
        records_[kMouseIndex].dwSize = sizeof(NEWCPLINFOW);
        std::wcscpy(records_[kMouseIndex].szName, L"Mouse");
    }

    send(CPL_NEWINQUIRE, kMouseIndex, recordAddress(kMouseIndex));
    std::vector<SeenMessageBox> expectedBoxes{kLibraryMissing,
                                              kEntryMissing,
                                              kInitUnsent,
                                              {L"In Sornel", L"Couldn't send CPL_NEWINQUIRE"}};

    send(CPL_DBLCLK, kMouseIndex, 0);
    EXPECT_EQ(waitForSetupProgramStarts(1), std::vector<std::string>{kSetupProgramStart});
    EXPECT_EQ(forwarderMessageBoxes(), expectedBoxes);

    send(CPL_DBLCLK, 0, 0);
    expectedBoxes.push_back({L"In Sornel", L"Couldn't send CPL_DBLCLK"});
    EXPECT_EQ(forwarderMessageBoxes(), expectedBoxes);
}

INSTANTIATE_TEST_SUITE_P(RecordForms, UnforwardedRecordTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ansi" : "Wide"; });

TEST_F(ForwarderTest, NewInquireWithoutARecordIsReportedAndNamesNoApplet) {
    installSetupProgram();
    send(CPL_INIT);

    EXPECT_EQ(send(CPL_NEWINQUIRE, 1, 0), 0);
    EXPECT_EQ(send(CPL_DBLCLK, 0, 0), 0);

    EXPECT_EQ(waitForSetupProgramStarts(1), std::vector<std::string>{kSetupProgramStart})
        << "applet 0 is still taken for the mouse applet";
    EXPECT_EQ(forwarderMessageBoxes(),
              (std::vector<SeenMessageBox>{kLibraryMissing,
                                           kEntryMissing,
                                           kInitUnsent,
                                           {L"In Sornel", L"Couldn't send CPL_NEWINQUIRE"}}));
}

TEST_F(ForwarderTest, SetupProgramThatCannotStartIsReportedToTheControlPanelWindow) {
    installAppletLibrary();
    ASSERT_NO_FATAL_FAILURE(openPanel());

    EXPECT_EQ(send(CPL_DBLCLK, 0, 0), 0);
    EXPECT_NE(send(CPL_STARTWPARMSW, 0, 0), 0) << "handled, even though it failed";

    const SeenMessageBox launchFailed{kLaunchFailed.caption, kLaunchFailed.text,
                                      controlPanelWindow()};
    EXPECT_EQ(forwarderMessageBoxes(), (std::vector<SeenMessageBox>{launchFailed, launchFailed}));
}

std::wstring fileGivenToTheShell;

// The shell's answer when the user declines the elevation prompt.
BOOL WINAPI declineElevation(SHELLEXECUTEINFOW* execution) {
    fileGivenToTheShell = execution->lpFile;
    SetLastError(ERROR_CANCELLED);
    return FALSE;
}

TEST_F(ForwarderTest, DeclinedElevationIsReportedToTheControlPanelWindow) {
    installAppletLibrary();
    installSetupProgram();
    ASSERT_NO_FATAL_FAILURE(openPanel());
    const uidriver::ImportPatch prompt(forwarder(), "shell32.dll", "ShellExecuteExW",
                                       reinterpret_cast<const void*>(&declineElevation));
    ASSERT_TRUE(prompt.applied()) << "the setup program must be started through the shell, "
                                     "which asks for the elevation its manifest requires";
    fileGivenToTheShell.clear();

    EXPECT_EQ(send(CPL_DBLCLK, 0, 0), 0);

    const std::wstring program = L"\\tarvex.exe";
    ASSERT_GE(fileGivenToTheShell.size(), program.size());
    EXPECT_EQ(fileGivenToTheShell.substr(fileGivenToTheShell.size() - program.size()), program);
    EXPECT_EQ(forwarderMessageBoxes(),
              (std::vector<SeenMessageBox>{
                  {kLaunchFailed.caption, kLaunchFailed.text, controlPanelWindow()}}));
}

TEST_F(ForwarderTest, SetupProgramPlantedInTheCurrentDirectoryIsNeverStarted) {
    installAppletLibrary();
    plantSetupProgramInCurrentDirectory();
    ASSERT_NO_FATAL_FAILURE(openPanel());

    EXPECT_EQ(send(CPL_DBLCLK, 0, 0), 0);

    EXPECT_EQ(forwarderMessageBoxes(),
              (std::vector<SeenMessageBox>{
                  {kLaunchFailed.caption, kLaunchFailed.text, controlPanelWindow()}}))
        << "the only copy is the planted one: nothing is started";
    installSetupProgram();
    EXPECT_EQ(send(CPL_DBLCLK, 0, 0), 0);
    EXPECT_EQ(waitForSetupProgramStarts(1), std::vector<std::string>{kSetupProgramStart});
}

// After the search, the places the system and the driver say the program is
// installed; each one alone is enough.
TEST_F(ForwarderTest, SetupProgramRegisteredAmongTheMachinesApplicationPathsIsStarted) {
    installAppletLibrary();
    registerSetupProgramPath(L"\"" + installSetupProgramOutsideTheSearch() + L"\\tarvex.exe\"");
    ASSERT_NO_FATAL_FAILURE(openPanel());

    EXPECT_EQ(send(CPL_DBLCLK, 0, 0), 0);
    EXPECT_EQ(waitForSetupProgramStarts(1), std::vector<std::string>{kSetupProgramStart});
    EXPECT_TRUE(forwarderMessageBoxes().empty());
}

TEST_F(ForwarderTest, SetupProgramInTheDriversInstallDirectoryIsStarted) {
    installAppletLibrary();
    setInstallDirectory(installSetupProgramOutsideTheSearch() + L"\\");
    ASSERT_NO_FATAL_FAILURE(openPanel());

    EXPECT_EQ(send(CPL_DBLCLK, 0, 0), 0);
    EXPECT_EQ(waitForSetupProgramStarts(1), std::vector<std::string>{kSetupProgramStart});
    EXPECT_TRUE(forwarderMessageBoxes().empty());
}

TEST_F(ForwarderTest, RegisteredPlacesNeverLeadToTheCurrentDirectory) {
    installAppletLibrary();
    plantSetupProgramInCurrentDirectory();
    registerSetupProgramPath(L"tarvex.exe");
    setInstallDirectory(L".");
    ASSERT_NO_FATAL_FAILURE(openPanel());

    EXPECT_EQ(send(CPL_DBLCLK, 0, 0), 0);
    EXPECT_EQ(forwarderMessageBoxes(),
              (std::vector<SeenMessageBox>{
                  {kLaunchFailed.caption, kLaunchFailed.text, controlPanelWindow()}}));
}

TEST_F(ForwarderTest, AppletLibraryPlantedInTheCurrentDirectoryIsNeverLoaded) {
    installAppletLibrary();
    plantAppletLibraryInCurrentDirectory();

    EXPECT_EQ(send(CPL_INIT), TRUE);
    EXPECT_EQ(send(CPL_GETCOUNT), 2);

    EXPECT_EQ(appletJournal(),
              (std::vector<JournalEntry>{journalled(CPL_INIT), journalled(CPL_GETCOUNT)}));
    EXPECT_TRUE(plantedAppletJournal().empty());
}

TEST_F(ForwarderTest, RepeatedInitLoadsTheAppletLibraryAgain) {
    EXPECT_EQ(send(CPL_INIT), 0);
    installAppletLibrary();

    EXPECT_EQ(send(CPL_INIT), TRUE);
    EXPECT_EQ(send(CPL_GETCOUNT), 2);

    EXPECT_EQ(forwarderMessageBoxes(),
              (std::vector<SeenMessageBox>{kLibraryMissing, kEntryMissing, kInitUnsent}));
    EXPECT_EQ(appletJournal(),
              (std::vector<JournalEntry>{journalled(CPL_INIT), journalled(CPL_GETCOUNT)}));
}

}  // namespace
}  // namespace test
}  // namespace cpl
