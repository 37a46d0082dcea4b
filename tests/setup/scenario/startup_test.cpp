// Starting the program headless: every start-up path and its message.
#include <gtest/gtest.h>

#include "platform/memory/memory_named_mutexes.h"
#include "setup/program.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

using platform::MessageAnswer;

class Startup : public TarvexScenario {
protected:
    void expectStartupMessage(size_t index, const std::wstring& text, const std::wstring& caption) {
        ASSERT_GT(messageBoxes.shown().size(), index);
        const auto& box = messageBoxes.shown()[index];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, caption);
        EXPECT_TRUE(box.systemModal);
        EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(box.icon, platform::MessageIcon::None);
    }
};

TEST_F(Startup, AWorkingInstallationOpensOnTheWelcomePage) {
    auto& window = startWith("scenario_one_device.reg");
    EXPECT_FALSE(application.terminated());
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(window.PageControl1->activePage(), window.Page18);
    EXPECT_EQ(window.wizardStep, TfrmTarvex::kWelcomeStep);
    EXPECT_FALSE(window.btnBack->enabled());
    EXPECT_EQ(window.installDirectory, L"C:\\Orvane");
    EXPECT_EQ(cursors.liveCount(), 14u) << "the 14 default cursors are loaded";
}

TEST_F(Startup, AMissingDriverKeyIsReportedAndTheProgramEnds) {
    installDriverFiles(L"C:\\Orvane");
    messageBoxes.answerNext(MessageAnswer::Ok);
    start();
    expectStartupMessage(0, L"Error reading registry\n  Reinstall The Orvane Mouse Driver",
                         L"Error in Registry");
    EXPECT_TRUE(application.terminated());
    EXPECT_EQ(messageBoxes.shown().size(), 1u);
}

// The key is there, but the program cannot read it or its install directory.
class UnreadableDriverKey : public Startup, public ::testing::WithParamInterface<bool> {};

TEST_P(UnreadableDriverKey, GivesTheMissingKeyMessageAndTheProgramEnds) {
    loadRegistry("scenario_one_device.reg");
    installDriverFiles(L"C:\\Orvane");
    if (GetParam()) {
        registry.makeUnreadable(kDriverRoot, kOrvaneKey);
    } else {
        platform::RegistryValue number;
        number.type = platform::kRegDword;
        number.data = {1, 0, 0, 0};
        registry.open(kDriverRoot, kOrvaneKey)->writeValue(L"Orvane Directory", number);
    }
    messageBoxes.answerNext(MessageAnswer::Ok);
    start();
    expectStartupMessage(0, L"Error reading registry\n  Reinstall The Orvane Mouse Driver",
                         L"Error in Registry");
    EXPECT_EQ(messageBoxes.shown().size(), 1u) << "no raw error box besides";
    EXPECT_TRUE(application.terminated());
}

INSTANTIATE_TEST_SUITE_P(Startup, UnreadableDriverKey, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "AccessDenied" : "DirectoryNotText");
});

TEST_F(Startup, TheDefaultCursorsAreStillLookedForAfterARegistryFailure) {
    installDriverFiles(L"C:\\Orvane");
    messageBoxes.answerNext(MessageAnswer::Ok);
    const size_t opened = files.openCount();
    start();
    EXPECT_EQ(files.openCount() - opened, 14u)
        << "one attempt per cursor file, from an empty directory";
    EXPECT_EQ(cursors.liveCount(), 0u);
}

TEST_F(Startup, AnInstallDirectoryOfZeroIsReported) {
    registry.create(kDriverRoot, L"SOFTWARE\\Orvane")->writeString(L"Orvane Directory", L"0");
    installDriverFiles(L"C:\\Orvane");
    messageBoxes.answerNext(MessageAnswer::Ok);
    start();
    expectStartupMessage(0, L"Error in Registry\n  Reinstall The Orvane Mouse Driver",
                         L"Error in Regsitry");
    EXPECT_TRUE(application.terminated());
}

TEST_F(Startup, AnEmptyInstallDirectoryPasses) {
    registry.create(kDriverRoot, L"SOFTWARE\\Orvane")->writeString(L"Orvane Directory", L"");
    installDriverFiles(L"C:\\Orvane");
    start();
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_FALSE(application.terminated());
}

TEST_F(Startup, AMissingDriverLibraryGivesBothMessagesInOrder) {
    loadRegistry("scenario_one_device.reg");
    messageBoxes.answerNext(MessageAnswer::Ok);
    messageBoxes.answerNext(MessageAnswer::Ok);
    start();
    expectStartupMessage(
        0, L"Cannot find DLL file: Orvdll.dll\n  You need to reinstall the Orvane Mouse Driver",
        L"Error loading DLL");
    expectStartupMessage(1,
                         L"Error reading DLL file: Orvdll.dll\n  Reinstall the Orvane Mouse Driver",
                         L"Error in DLL file");
    EXPECT_TRUE(application.terminated());
}

TEST_F(Startup, ALibraryWithoutTheEntryGivesTheSecondMessageOnly) {
    loadRegistry("scenario_one_device.reg");
    modules.addLibrary(L"orvdll.dll");
    messageBoxes.answerNext(MessageAnswer::Ok);
    start();
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].caption, L"Error in DLL file");
    EXPECT_TRUE(application.terminated());
}

TEST_F(Startup, AMissingCursorFileLeavesOnlyItsSlotEmpty) {
    loadRegistry("scenario_one_device.reg");
    installDriverFiles(L"C:\\Orvane");
    files.remove(L"C:\\Orvane\\p\\P7.cur");
    auto& window = start();
    for (int slot = 0; slot < TfrmTarvex::kPointerRoles; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(window.defaultCursors[slot] == platform::kNoCursor, slot == 6);
    }
    EXPECT_TRUE(messageBoxes.shown().empty()) << "a missing cursor is not reported";
}

TEST_F(Startup, TheCursorDirectoryIsTheSystemsWhenItExists) {
    files.addDirectory(L"C:\\Windows\\Cursors");
    EXPECT_EQ(startWith("scenario_one_device.reg").cursorBrowseDirectory, L"C:\\Windows\\Cursors");
}

TEST_F(Startup, WithoutTheSystemCursorDirectoryBrowsingStartsAtTheRoot) {
    auto& window = startWith("scenario_one_device.reg");
    EXPECT_EQ(window.cursorBrowseDirectory, L"C:\\");
    EXPECT_EQ(window.applicationBrowseDirectory, L"C:\\");
}

TEST_F(Startup, LosingActivationSendsOneEscapeKeyDown) {
    auto& window = startWith("scenario_one_device.reg");
    ui::user::switchAway(window);
    EXPECT_EQ(keyboard.sentKeyDowns(), std::vector<int>{platform::vk::kEscape});
}

TEST_F(Startup, ARunTitlesTheApplicationAndGivesUpTheGuardAtItsEnd) {
    platform::MemoryMutexTable table;
    platform::MemoryNamedMutexes mutexes(table);
    loadRegistry("scenario_one_device.reg");
    installDriverFiles(L"C:\\Orvane");
    EXPECT_EQ(runProgram(application, services, mutexes), 0);
    EXPECT_EQ(application.title(), L"Orvane Mouse Control Panel");
    EXPECT_FALSE(table.isOwned(platform::kInstanceMutexName)) << "released";
    EXPECT_TRUE(table.exists(platform::kInstanceMutexName)) << "its handle is left to the exit";
    EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(Startup, ASecondCopyEndsSilently) {
    platform::MemoryMutexTable table;
    platform::MemoryNamedMutexes running(table);
    // The running copy's guard, by the name every copy looks for.
    ASSERT_NE(running.createOwned(L"TarvexInstance1"), platform::kNoMutex);
    platform::MemoryNamedMutexes second(table);
    loadRegistry("scenario_one_device.reg");
    installDriverFiles(L"C:\\Orvane");
    EXPECT_EQ(runProgram(application, services, second), 0);
    // The window's creation would have titled the application and shown the
    // start-up cursor.
    EXPECT_EQ(application.title(), L"") << "no window was made";
    EXPECT_TRUE(backend.cursorsShown().empty()) << "no window was made";
    EXPECT_TRUE(messageBoxes.shown().empty());
}

}  // namespace
}  // namespace setup::scenario
