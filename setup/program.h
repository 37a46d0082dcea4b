#pragma once

#include "platform/single_instance.h"
#include "setup/services.h"
#include "ui/application.h"

namespace setup {

// The text shown on the task bar.
inline const std::wstring kApplicationTitle = L"Orvane Mouse Control Panel";

// The program's entry routine: refuses a second copy (silently), sets the
// title, creates the main window and runs the message loop. Returns 0 in every
// case and lets no exception out. The services show their message boxes
// through the application (Application::messageBoxes).
int runProgram(ui::Application& application, Services& services, platform::NamedMutexes& mutexes);

}  // namespace setup
