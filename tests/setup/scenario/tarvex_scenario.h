#pragma once

// The whole setup program headless: the main window on in-memory services,
// started from a .reg fixture, driven as a user would and checked on what a
// user or the driver notices (registry, driver notifications, message boxes,
// controls).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/memory/memory_cursors.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_keyboard.h"
#include "platform/memory/memory_message_boxes.h"
#include "platform/memory/memory_modules.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_resources.h"
#include "platform/memory/memory_system_info.h"
#include "setup/services.h"
#include "setup/tarvex_form.h"
#include "standins/orvdll/journal.h"
#include "ui/application.h"
#include "ui/headless_backend.h"

namespace setup::scenario {

// One SendUtilMessage call: its arguments and the settings the driver then read.
struct DriverNotification {
    int first = 0;
    int second = 0;
    std::vector<standins::JournalField> settings;
    // Registry writes attempted before the call, refused ones included.
    size_t writesBefore = 0;

    // A value the driver read ("P001", "A001", "ShowIconInTray"); empty when none.
    std::wstring value(const std::wstring& name) const;
};

class TarvexScenario : public ::testing::Test {
protected:
    TarvexScenario();
    ~TarvexScenario() override;

    // Loads tests/fixtures/<name> into the registry.
    void loadRegistry(const std::string& fixture);
    // What a working installation adds: the default cursor files under the
    // install directory's "p" folder and the driver library with its entry.
    void installDriverFiles(const std::wstring& installDirectory);
    // Creates the main window and shows it, as the program's start does.
    TfrmTarvex& start();
    TfrmTarvex& window() { return *window_; }
    // The program's end: the main window is destroyed.
    void endProgram() { window_.reset(); }

    // The usual start: the fixture loaded, the driver installed in the install
    // directory the fixture names ("C:\Orvane"), the window shown.
    TfrmTarvex& startWith(const std::string& fixture);
    // From the welcome page through the device list and the type page to the
    // property page, choosing the device row and the type row.
    void walkToProperties(int deviceRow, int typeRow);
    // The window's Next and Back, as the user clicks them.
    void next();
    void back();

    // The registry value, or nullopt when missing.
    std::optional<std::wstring> property(const std::wstring& name);
    const std::vector<DriverNotification>& driverNotifications() const;
    // One notification, counted from 0, or the last: a test that expects one
    // and finds none fails there and goes on with an empty one, instead of
    // reading past the end of the list.
    const DriverNotification& notification(size_t index) const;
    const DriverNotification& lastNotification() const;
    // The texts of the message boxes shown so far.
    std::vector<std::wstring> boxTexts() const;

    platform::MemoryRegistry registry;
    platform::MemoryMessageBoxes messageBoxes;
    platform::MemoryFileSystem files;
    platform::MemoryCursors cursors{files};
    platform::MemoryKeyboard keyboard;
    platform::MemoryModules modules;
    platform::MemoryResources resources;
    platform::MemorySystemInfo system;
    ui::HeadlessBackend backend;
    ui::Application application{backend, messageBoxes};
    // Boxes go through the application, which names their owner, as the
    // program's own do.
    Services services;

private:
    std::unique_ptr<TfrmTarvex> window_;
};

}  // namespace setup::scenario
