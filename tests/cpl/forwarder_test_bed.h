#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/cpl/message_box_watcher.h"

namespace cpl {
namespace test {

// One message as the stand-in applet library journalled it.
struct JournalEntry {
    UINT message = 0;
    UINT_PTR window = 0;
    ULONG_PTR lParam1 = 0;
    ULONG_PTR lParam2 = 0;

    bool operator==(const JournalEntry& other) const {
        return message == other.message && window == other.window && lParam1 == other.lParam1 &&
               lParam2 == other.lParam2;
    }
};

void PrintTo(const JournalEntry& entry, std::ostream* out);

enum class AppletLibrary { WithApplets, WithoutEntry };

// Sets environment variables of this process (which programs it starts inherit)
// and puts the old values back when it goes.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const std::wstring& name, const std::wstring& value);

private:
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved_;
};

// String values of HKEY_LOCAL_MACHINE set for a test: each gets its old text
// back afterwards, or goes again with the key made for it.
class ScopedMachineValues {
public:
    ScopedMachineValues() = default;
    ~ScopedMachineValues();
    ScopedMachineValues(const ScopedMachineValues&) = delete;
    ScopedMachineValues& operator=(const ScopedMachineValues&) = delete;

    // An empty name stands for the key's default value.
    void set(const std::wstring& key, const std::wstring& name, const std::wstring& text);

private:
    struct Saved {
        std::wstring key;
        std::wstring name;
        std::optional<std::wstring> text;
        bool keyMade = false;
    };
    std::vector<Saved> saved_;
};

// An installed system as sornel.dll sees it, made fresh for each test in a
// folder of its own: a copy of the library, and on request the stand-in applet
// library and the stand-in setup program, each in a folder that PATH names, as
// the program search finds them; their folder names hold a blank, as installed
// programs' folders do, so that a path split at the blank shows (a missing
// library, or a setup program started with stray arguments). The current
// directory is an empty folder of its own, a window stands for the control
// panel, and every message box is answered and remembered. Neither the
// machine's application paths nor the driver's install directory name a setup
// program unless a test says so.
class ForwarderTestBed : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void installAppletLibrary(AppletLibrary kind = AppletLibrary::WithApplets);
    void installSetupProgram();
    // A copy of the stand-in applet library in the current directory, which has
    // a journal of its own there.
    void plantAppletLibraryInCurrentDirectory();
    // A copy of the stand-in setup program in the current directory.
    void plantSetupProgramInCurrentDirectory();
    // A copy of the stand-in setup program in a folder no search looks in;
    // returns that folder.
    std::wstring installSetupProgramOutsideTheSearch();
    // The machine's registered path of the setup program (App Paths), and the
    // driver's "Orvane Directory", as stored text.
    void registerSetupProgramPath(const std::wstring& stored);
    void setInstallDirectory(const std::wstring& stored);
    // Names the stand-in's applets, comma-separated, in index order.
    void setAppletNames(const std::wstring& names);
    void setAnsiRecords(bool ansi);

    std::wstring forwarderPath() const;
    std::wstring appletLibraryPath() const;
    HWND controlPanelWindow() const { return controlPanelWindow_; }

    std::vector<JournalEntry> appletJournal() const;
    std::vector<JournalEntry> plantedAppletJournal() const;
    // The setup program's start reports, once there are `count` of them or the
    // deadline passed.
    std::vector<std::string> waitForSetupProgramStarts(std::size_t count) const;
    // The boxes this library showed, in order; the system's own boxes (the
    // shell's report of a program it cannot find) left out.
    std::vector<SeenMessageBox> forwarderMessageBoxes() const;

    MessageBoxWatcher& messageBoxes() { return *messageBoxes_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path previousCurrentDirectory_;
    std::unique_ptr<ScopedEnvironment> environment_;
    std::unique_ptr<ScopedMachineValues> machineValues_;
    std::unique_ptr<MessageBoxWatcher> messageBoxes_;
    HWND controlPanelWindow_ = nullptr;
};

// Entries of a journal with only the given messages, in order.
std::vector<JournalEntry> onlyMessages(const std::vector<JournalEntry>& journal,
                                       std::initializer_list<UINT> messages);

}  // namespace test
}  // namespace cpl
