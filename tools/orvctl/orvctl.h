#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

// orvctl, the support tool: decodes and checks what the setup program stores.
namespace orvctl {

inline constexpr int kSuccess = 0;
inline constexpr int kBadInput = 1;
inline constexpr int kUsageError = 2;

struct Console {
    std::wstring out;
    std::wstring err;
};

// Opens a file named on the command line; nullptr when it cannot be opened.
using FileOpener = std::function<std::unique_ptr<platform::ByteReader>(const std::wstring& path)>;

// Runs one command line (without the program name); returns the exit status.
// Nothing reaches out when the status is not kSuccess.
int run(const std::vector<std::wstring>& args, Console& console, const FileOpener& openFile);

}  // namespace orvctl
