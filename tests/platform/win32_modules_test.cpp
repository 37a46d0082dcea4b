#include "platform/win32/win32_modules.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "tests/platform/modules_contract.h"
#include "tests/platform/win32_temp_directory.h"

namespace platform {
namespace contract {

class Win32ModulesWorld {
public:
    Modules& modules() { return modules_; }
    bool isLoaded() const { return GetModuleHandleW(kFixtureLibrary.c_str()) != nullptr; }

private:
    Win32Modules modules_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ModulesContract, Win32ModulesWorld);

}  // namespace contract

namespace {

std::wstring programDirectory() {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory = path;
    return directory.substr(0, directory.find_last_of(L'\\'));
}

// Runs with the working directory set to a directory of the test's own, and puts
// the process's library search and working directory back afterwards.
class PlantedLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t current[MAX_PATH + 1] = {};
        GetCurrentDirectoryW(MAX_PATH, current);
        previousDirectory_ = current;
        const auto planted = joinPath(directory_.path(), kPlantedName);
        ASSERT_TRUE(CopyFileW(joinPath(programDirectory(), contract::kFixtureLibrary).c_str(),
                              planted.c_str(), FALSE));
        SetCurrentDirectoryW(directory_.path().c_str());
    }
    void TearDown() override {
        SetDllDirectoryW(nullptr);
        SetCurrentDirectoryW(previousDirectory_.c_str());
    }

    const std::wstring kPlantedName = L"tarvex_planted_module.dll";
    test_support::TempDirectory directory_;
    std::wstring previousDirectory_;
    Win32Modules modules_;
};

TEST_F(PlantedLibrary, ALibraryInTheWorkingDirectoryIsNotLoadedOnceExcluded) {
    const ModuleHandle before = modules_.load(kPlantedName);
    ASSERT_NE(before, kNoModule) << "without the exclusion the planted library loads";
    modules_.release(before);
    ASSERT_EQ(GetModuleHandleW(kPlantedName.c_str()), nullptr);

    excludeCurrentDirectoryFromLibrarySearch();
    EXPECT_EQ(modules_.load(kPlantedName), kNoModule);
}

TEST_F(PlantedLibrary, TheProgramsOwnAndTheSystemDirectoryAreStillSearched) {
    excludeCurrentDirectoryFromLibrarySearch();
    for (const auto& name : {contract::kFixtureLibrary, std::wstring(L"version.dll")}) {
        SCOPED_TRACE(toUtf8(name));
        const ModuleHandle library = modules_.load(name);
        EXPECT_NE(library, kNoModule);
        modules_.release(library);
    }
}

}  // namespace
}  // namespace platform
