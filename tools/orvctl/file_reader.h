#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace orvctl {

// A file named on the command line, read from the local disk.
std::unique_ptr<platform::ByteReader> openLocalFile(const std::wstring& path);

}  // namespace orvctl
