#include "platform/memory/memory_system_info.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"
#include "tests/platform/system_info_contract.h"

namespace platform {
namespace contract {

class MemorySystemInfoWorld {
public:
    MemorySystemInfoWorld() {
        files_.addDirectory(info_.systemDir);
        files_.addFile(info_.program, "MZ");
    }
    SystemInfo& info() { return info_; }
    FileSystem& files() { return files_; }

private:
    MemorySystemInfo info_;
    MemoryFileSystem files_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, SystemInfoContract, MemorySystemInfoWorld);

}  // namespace contract
}  // namespace platform
