#include "platform/memory/memory_modules.h"

#include <gtest/gtest.h>

#include "tests/platform/modules_contract.h"

namespace platform {
namespace contract {

int addNumbers(int a, int b) {
    return a + b;
}

class MemoryModulesWorld {
public:
    MemoryModulesWorld() {
        modules_.addLibrary(L"Tarvex_Fixture_Module.DLL").addEntry("AddNumbers", &addNumbers);
    }
    Modules& modules() { return modules_; }
    bool isLoaded() const { return modules_.loadCount(kFixtureLibrary) > 0; }

private:
    MemoryModules modules_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, ModulesContract, MemoryModulesWorld);

}  // namespace contract

namespace {

std::vector<std::pair<int, int>> driverCalls;

int recordDriverCall(int first, int second) {
    driverCalls.emplace_back(first, second);
    return 0;
}

TEST(MemoryModules, CallsThroughAnEntryRunTheTestsFunction) {
    driverCalls.clear();
    MemoryModules modules;
    modules.addLibrary(L"Orvdll.dll").addEntry("SendUtilMessage", &recordDriverCall);
    const auto library = modules.load(L"orvdll.dll");
    entryAs<int(int, int)>(modules, library, "SendUtilMessage")(1, 137);
    EXPECT_EQ(driverCalls, (std::vector<std::pair<int, int>>{{1, 137}}));
}

TEST(MemoryModules, TheJournalShowsLoadsFailuresAndReleasesInOrder) {
    MemoryModules modules;
    modules.addLibrary(L"Orvdll.dll");
    const auto library = modules.load(L"orvdll.dll");
    modules.load(L"TMain.dll");
    modules.release(library);
    EXPECT_EQ(modules.journal(),
              (std::vector<std::wstring>{L"load orvdll.dll", L"load failed TMain.dll",
                                         L"release Orvdll.dll"}));
}

TEST(MemoryModules, ReleasingWhatIsNotLoadedIsAFault) {
    MemoryModules modules;
    modules.addLibrary(L"Orvdll.dll").addEntry("SendUtilMessage", &recordDriverCall);
    const auto library = modules.load(L"Orvdll.dll");
    modules.release(library);
    EXPECT_TRUE(modules.faults().empty());
    modules.release(library);
    modules.release(77);
    EXPECT_EQ(modules.faults().size(), 2u);
    EXPECT_EQ(modules.entry(library, "SendUtilMessage"), nullptr)
        << "a released library's entries are gone";
}

TEST(MemoryModules, AddingALibraryTwiceKeepsOneLibrary) {
    MemoryModules modules;
    modules.addLibrary(L"Orvdll.dll").addEntry("SendUtilMessage", &recordDriverCall);
    modules.addLibrary(L"ORVDLL");
    const auto library = modules.load(L"orvdll.dll");
    EXPECT_NE(modules.entry(library, "SendUtilMessage"), nullptr);
}

TEST(MemoryModules, APathNamesTheLibraryOnlyWhenRegisteredWithIt) {
    MemoryModules modules;
    modules.addLibrary(L"C:\\Program Files\\Orvane\\Orvdll.dll");
    EXPECT_NE(modules.load(L"c:\\program files\\orvane\\orvdll"), kNoModule);
    EXPECT_EQ(modules.load(L"Orvdll.dll"), kNoModule);
}

}  // namespace
}  // namespace platform
