#pragma once

#include <string>
#include <vector>

#include "tools/orvctl/store_edit.h"

// Profile files: setups as JSON, one object per setup with the device code and
// port, the application, the record and action string exactly as stored, and,
// for people reading it, the record's members and the actions decoded.
namespace orvctl {

// The profile as UTF-8 JSON text.
std::string writeProfile(const std::vector<Setup>& setups);

// The setups of a profile, each checked as a store would need it: fields
// present and of their type, device code and port in range, the record parsing
// with its lengths true and naming the setup's application, the action string
// parsing with at most 11 actions. Raises platform::Error naming the problem
// and its place in the file.
std::vector<Setup> readProfile(const std::string& json);

}  // namespace orvctl
