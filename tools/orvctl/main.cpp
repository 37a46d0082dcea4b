// orvctl: the support tool's entry point. Arguments arrive as UTF-16 on Windows
// and UTF-8 on Linux; output leaves as UTF-8 on both. --live is offered on
// Windows only, where the machine's registry and the driver library are.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tools/orvctl/file_reader.h"
#include "tools/orvctl/orvctl.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "platform/win32/win32_modules.h"
#include "platform/win32/win32_registry.h"
#endif

namespace {

int runWith(const std::vector<std::wstring>& args, const orvctl::Environment& environment) {
    orvctl::Console console;
    const int status = orvctl::run(args, console, environment);
    const auto out = platform::toUtf8(console.out);
    const auto err = platform::toUtf8(console.err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return status;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // A library planted in the working directory must never stand in for the
    // driver's.
    platform::excludeCurrentDirectoryFromLibrarySearch();
    platform::Win32Registry registry;
    platform::Win32Modules modules;
    return runWith(std::vector<std::wstring>(argv + 1, argv + argc),
                   {orvctl::openLocalFile, orvctl::writeLocalFile, &registry, &modules});
}
#else
int main(int argc, char** argv) {
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(platform::fromUtf8(argv[i]));
    }
    return runWith(args, {orvctl::openLocalFile, orvctl::writeLocalFile, nullptr, nullptr});
}
#endif
