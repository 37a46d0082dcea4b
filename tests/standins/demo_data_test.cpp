// The demo installation hangs together: its registry names devices the string
// table knows, and its driver file carries a stamp the about page can read.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_registry.h"
#include "platform/reg_file.h"
#include "platform/text.h"
#include "setup/device_list.h"
#include "setup/driver/version_stamp.h"
#include "setup/resources/program_resources.h"
#include "tests/test_paths.h"

namespace standins {
namespace {

using platform::RegistryRoot;

std::string sourceTreeFile(const std::string& relative) {
    std::ifstream in(sourceTreePath(relative), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class DemoRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        const auto problems = platform::importRegText(
            registry_, platform::decodeRegFile(sourceTreeFile("standins/demo.reg")));
        ASSERT_TRUE(problems.empty()) << platform::toUtf8(problems.front().message);
    }
    std::wstring value(const std::wstring& path, const std::wstring& name) {
        return registry_.value(RegistryRoot::LocalMachine, path, name).value_or(L"<missing>");
    }
    platform::MemoryRegistry registry_;
};

TEST_F(DemoRegistry, InstallDirectoryWorksForBothWaysOfJoiningAFileToIt) {
    const auto directory = value(L"SOFTWARE\\Orvane", L"Orvane Directory");
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), L'\\') << "the library path is the directory + \"Orvdll.dll\"";
    platform::MemoryFileSystem files;
    files.addFile(directory + L"p\\P1.cur", "x");
    EXPECT_TRUE(files.fileExists(directory + L"\\p\\P1.cur")) << "the cursor paths add \"\\p\\\"";
}

TEST_F(DemoRegistry, HasNoSettingsYetButTheKeyTheyGoIn) {
    auto properties = registry_.open(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvane\\Properties");
    ASSERT_NE(properties, nullptr);
    EXPECT_TRUE(properties->valueNames().empty());
}

TEST_F(DemoRegistry, EveryFoundDeviceAndPortHasANameInTheStringTable) {
    const auto devices = setup::parseMiceFound(value(L"SOFTWARE\\Orvane\\MiceFound", L"MiceFound"));
    EXPECT_EQ(devices.size(), 3u);
    auto resources = setup::programResources();
    for (const auto& device : devices) {
        SCOPED_TRACE(device.deviceCode);
        EXPECT_TRUE(resources.loadString(setup::deviceNameNumber(device)).has_value());
        EXPECT_TRUE(resources.loadString(setup::portNameNumber(device.portNumber)).has_value());
    }
}

TEST(DemoDriverFile, CarriesAVersionStampTheAboutPageReads) {
    platform::MemoryFileSystem files;
    files.addFile(L"C:\\Windows\\System\\Orvdrv.vxd", sourceTreeFile("standins/driver/Orvdrv.vxd"));
    EXPECT_EQ(setup::readVersionStamp(files, L"C:\\Windows\\System\\Orvdrv.vxd", 2), L"4.2");
}

}  // namespace
}  // namespace standins
