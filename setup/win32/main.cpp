// tarvex.exe: the real services and native windows around the setup program.
#include <windows.h>

#include <exception>

#include "platform/win32/win32_cursors.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_keyboard.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_modules.h"
#include "platform/win32/win32_named_mutexes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_system_info.h"
#include "setup/program.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"

namespace {

int run(HINSTANCE instance, platform::MessageBoxes& messageBoxes) {
    platform::Win32Registry registry;
    platform::Win32Cursors cursors;
    platform::Win32Keyboard keyboard;
    platform::Win32Modules modules;
    platform::Win32FileSystem files;
    platform::Win32Resources resources;
    platform::Win32SystemInfo system;
    platform::Win32NamedMutexes mutexes;

    ui::win32::Win32Backend backend(cursors, instance);
    ui::Application application(backend, messageBoxes);
    setup::Services services{
        registry, application.messageBoxes(), cursors, keyboard, modules, files, resources, system};
    return setup::runProgram(application, services, mutexes);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // A library planted in the working directory must never stand in for the
    // driver's.
    platform::excludeCurrentDirectoryFromLibrarySearch();

    platform::Win32MessageBoxes messageBoxes;
    // The application's own barrier covers everything from the guard on; this
    // one covers setting up the services and the windowing before it, which
    // have no window to show an error over.
    try {
        return run(instance, messageBoxes);
    } catch (const std::exception& error) {
        try {
            messageBoxes.show(ui::Application::errorBox(error, setup::kApplicationTitle));
        } catch (...) {
        }
    } catch (...) {
    }
    return 0;
}
