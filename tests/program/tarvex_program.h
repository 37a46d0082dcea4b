#pragma once

// The real tarvex.exe under Wine, driven from outside as a user would: each test
// gets a fresh install directory (driver library and default cursors), a freshly
// imported registry and its own driver journal.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "standins/orvdll/journal.h"
#include "tests/win32/ui_driver.h"

namespace program_test {

inline const std::wstring kWindowClass = L"TfrmTarvex";

class TarvexProgram : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Imports tests/fixtures/<name> into the registry after removing the driver's
    // keys; "%INSTALL%" in it stands for the install directory.
    void loadRegistry(const std::string& fixture);
    // Leaves the driver library out of the install directory, or puts a library
    // without the entry in its place.
    void removeDriverLibrary();
    void replaceDriverLibraryWithoutEntry();

    // Starts tarvex.exe (the previous one keeps running), in the test's working
    // directory or the one given.
    uidriver::Program& start(const std::wstring& workingDirectory = {});
    // Starts it and waits for its window.
    HWND startAndWait();
    uidriver::Program& program() { return *programs_.back(); }

    HWND control(const std::wstring& name) { return uidriver::waitForControl(window_, name); }
    // Waits until the named page (or any window of the program) is visible.
    void waitUntilShown(const std::wstring& name);
    // Clicks a button, then waits until the named page is shown.
    void clickAndWaitFor(const std::wstring& button, const std::wstring& page);
    // Starts the program on one_device.reg and walks from the welcome page to
    // the property page of its device, set up as a standard two-button mouse
    // (the page opens on the Buttons tab).
    void openProperties();

    // The driver's journal: one parsed line per SendUtilMessage call.
    std::vector<std::vector<standins::JournalField>> journal();
    // A registry value of SOFTWARE\Orvane\Properties; empty when missing.
    std::wstring property(const std::wstring& name);

    // A directory of the test's own, below its temporary folder, made on demand.
    std::wstring scratchDirectory(const std::wstring& name);

    std::wstring installDirectory_;
    std::wstring journalPath_;
    HWND window_ = nullptr;

private:
    std::wstring temporary_;
    std::vector<std::unique_ptr<uidriver::Program>> programs_;
};

}  // namespace program_test
