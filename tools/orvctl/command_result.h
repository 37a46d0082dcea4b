#pragma once

#include <string>

#include "tools/orvctl/orvctl.h"

// How the tool's commands end.
namespace orvctl {

struct Outcome {
    int status = kSuccess;
    std::wstring out;
    std::wstring err;
};

// A command that cannot go on: its exit status and message.
struct Failure {
    int status;
    std::wstring message;
};

[[noreturn]] inline void usage(const std::wstring& message) {
    throw Failure{kUsageError, message + L"\nTry 'orvctl --help'."};
}

[[noreturn]] inline void badInput(const std::wstring& message) {
    throw Failure{kBadInput, message};
}

}  // namespace orvctl
