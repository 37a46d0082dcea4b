#include "setup/program.h"

#include <memory>

#include "setup/tarvex_form.h"

namespace setup {

int runProgram(ui::Application& application, Services& services, platform::NamedMutexes& mutexes) {
    // Whatever escapes the guard, the window's creation or the loop is shown
    // once; the loop is not entered again, and the guard is given up on the way
    // out.
    application.deliver([&] {
        platform::SingleInstance instance(mutexes);
        if (!instance.claim()) {
            return;
        }
        application.setTitle(kApplicationTitle);
        TfrmTarvex window(application, services);
        application.run();
    });
    return 0;
}

}  // namespace setup
