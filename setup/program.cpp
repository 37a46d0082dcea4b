#include "setup/program.h"

#include <memory>

#include "setup/tarvex_form.h"

namespace setup {

int runProgram(ui::Application& application, Services& services, platform::NamedMutexes& mutexes) {
    platform::SingleInstance instance(mutexes);
    if (!instance.claim()) {
        return 0;
    }
    // An exception escaping the window's creation or the loop is shown once; the
    // loop is not entered again.
    application.deliver([&] {
        application.setTitle(L"Orvane Mouse Control Panel");
        TfrmTarvex window(application, services);
        application.run();
    });
    instance.release();
    return 0;
}

}  // namespace setup
