#include "platform/win32/win32_file_system.h"

#include <gtest/gtest.h>

#include "tests/platform/file_system_contract.h"
#include "tests/platform/win32_temp_directory.h"

namespace platform {
namespace contract {

class Win32FileSystemWorld {
public:
    FileSystem& files() { return files_; }
    std::wstring root() const { return directory_.path(); }
    void makeDirectory(const std::wstring& name) { directory_.makeDirectory(name); }
    std::wstring makeFile(const std::wstring& name, const std::string& bytes) {
        return directory_.writeFile(name, bytes);
    }

private:
    test_support::TempDirectory directory_;
    Win32FileSystem files_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FileSystemContract, Win32FileSystemWorld);

}  // namespace contract
}  // namespace platform
