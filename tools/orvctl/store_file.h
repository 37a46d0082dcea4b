#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/memory/memory_registry.h"
#include "platform/reg_file.h"

// Stores read from registry exports and written back as exports.
namespace orvctl {

struct LoadedExport {
    std::unique_ptr<platform::MemoryRegistry> registry;
    // Lines of the file that could not be used.
    std::vector<platform::RegFileProblem> problems;
};

// Reads an export as it streams past, keeping only what the system stores:
// HKEY_LOCAL_MACHINE\SOFTWARE\Orvane and the user's pointer schemes. Everything
// else is parsed and dropped at once, so a whole-hive export costs time and
// memory in proportion to its size. A file that is no registry export raises
// platform::Error.
LoadedExport loadExport(const platform::ReaderOpener& open);

// HKEY_LOCAL_MACHINE\SOFTWARE\Orvane and everything below it as a version 5.00
// export, UTF-16LE with byte-order mark, as regedit writes it.
std::string exportStore(platform::Registry& registry);

}  // namespace orvctl
