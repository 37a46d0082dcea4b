#pragma once

#include <string>

namespace orvctl {

// A person-readable account of everything the system stores, read from the
// bytes of a registry export, followed by the problems found in it. Bytes that
// are not a registry export raise platform::Error.
std::wstring dumpRegFile(const std::string& bytes);

}  // namespace orvctl
