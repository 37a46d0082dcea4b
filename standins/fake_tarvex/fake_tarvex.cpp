// Stand-in for the setup program where tests start it through the shell: it
// reports how it was started and ends at once.

#include <windows.h>

#include <string>

#include "standins/fake_tarvex/fake_tarvex_trace.h"
#include "standins/standin_io.h"

namespace {

constexpr int kNoShowCommand = -1;

int showCommand() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : kNoShowCommand;
}

}  // namespace

int main(int argc, char**) {
    const std::wstring path =
        standins::environmentVariable(standins::kFakeTarvexTraceVariable).value_or(L"");
    if (path.empty()) {
        return 1;
    }
    const std::string line =
        "started arguments=" + std::to_string(argc - 1) + " show=" + std::to_string(showCommand());
    return standins::appendLine(path, line) ? 0 : 1;
}
