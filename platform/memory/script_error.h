#pragma once

#include <stdexcept>

namespace platform {

// A test's script did not cover what the program did (a message box with no
// answer scripted, a modal dialog nobody closed). It is not one of the program's
// own failures: the application's exception barrier lets it through to the test.
class ScriptError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

}  // namespace platform
