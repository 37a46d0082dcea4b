#include "platform/win32/win32_system_info.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_file_system.h"
#include "tests/platform/system_info_contract.h"

namespace platform {
namespace contract {

class Win32SystemInfoWorld {
public:
    SystemInfo& info() { return info_; }
    FileSystem& files() { return files_; }

private:
    Win32SystemInfo info_;
    Win32FileSystem files_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, SystemInfoContract, Win32SystemInfoWorld);

}  // namespace contract

namespace {

TEST(Win32SystemInfo, TheProgramPathIsThisTestProgram) {
    Win32SystemInfo info;
    const auto path = toLower(info.programPath());
    EXPECT_EQ(path.substr(path.find_last_of(L'\\') + 1), L"win32_tests.exe");
}

}  // namespace
}  // namespace platform
