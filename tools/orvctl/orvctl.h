#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/modules.h"
#include "platform/registry.h"

// orvctl, the support tool: decodes and checks what the setup program stores.
namespace orvctl {

inline constexpr int kSuccess = 0;
inline constexpr int kBadInput = 1;
inline constexpr int kUsageError = 2;
// check and repair: the store has problems a person must look at.
inline constexpr int kProblemsFound = 3;

struct Console {
    std::wstring out;
    std::wstring err;
};

// Opens a file named on the command line; nullptr when it cannot be opened.
using FileOpener = std::function<std::unique_ptr<platform::ByteReader>(const std::wstring& path)>;

// Writes a file named on the command line; false when it cannot be written.
using FileWriter = std::function<bool(const std::wstring& path, const std::string& bytes)>;

// What the tool reaches outside the command line.
struct Environment {
    FileOpener openFile;
    FileWriter writeFile;
    // The machine's registry for --live; nullptr where the tool offers none.
    platform::Registry* liveRegistry = nullptr;
    // Where the driver library is found to tell the driver about live changes.
    platform::Modules* modules = nullptr;
};

// Runs one command line (without the program name); returns the exit status.
// Nothing reaches out on bad input or a usage error; warnings go to err.
int run(const std::vector<std::wstring>& args, Console& console, const Environment& environment);

}  // namespace orvctl
