#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace orvctl {

// A file named on the command line, read from the local disk.
std::unique_ptr<platform::ByteReader> openLocalFile(const std::wstring& path);
// Writes a file named on the command line to the local disk, replacing it.
bool writeLocalFile(const std::wstring& path, const std::string& bytes);

}  // namespace orvctl
