#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

// Finding what is wrong with a store of records.
namespace orvctl {

// The numbered values of the Properties key as they are, gaps and all.
struct NumberedValues {
    std::map<int, std::wstring> records;  // P values by number, empty ones included
    std::map<int, std::wstring> actions;  // A values by number
};

NumberedValues readNumberedValues(platform::RegistryKey& properties);

// Empty when a record (without its device key) parses and its lengths agree
// with its names; else what is wrong, with the field and position.
std::wstring recordFault(const std::wstring& record);
// Empty when an action string parses with at most 11 actions whose macros
// convert; else what is wrong.
std::wstring actionsFault(const std::wstring& actions);

struct CheckResult {
    // One line each; a store with problems misleads the driver or the program.
    std::vector<std::wstring> problems;
    // Worth knowing but harmless, such as records of devices not attached now.
    std::vector<std::wstring> notes;
};

CheckResult checkStore(platform::Registry& registry);

}  // namespace orvctl
