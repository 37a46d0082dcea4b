#pragma once

#include "platform/single_instance.h"
#include "setup/services.h"
#include "ui/application.h"

namespace setup {

// The program's entry routine: refuses a second copy (silently), sets the
// title, creates the main window and runs the message loop. Returns 0 in every
// case.
int runProgram(ui::Application& application, Services& services, platform::NamedMutexes& mutexes);

}  // namespace setup
