#pragma once

// The behaviour every Modules service shares. Each world offers one library, by
// a bare name, that exports AddNumbers(int, int) returning the sum.

#include <gtest/gtest.h>

#include "platform/modules.h"
#include "platform/text.h"

namespace platform::contract {

using AddNumbers = int(int, int);
inline const std::wstring kFixtureLibrary = L"tarvex_fixture_module.dll";

template <typename World>
class ModulesContract : public ::testing::Test {
protected:
    Modules& modules() { return world_.modules(); }

    World world_;
};

TYPED_TEST_SUITE_P(ModulesContract);

TYPED_TEST_P(ModulesContract, CallsAnEntryOfALoadedLibrary) {
    const ModuleHandle library = this->modules().load(kFixtureLibrary);
    ASSERT_NE(library, kNoModule);
    const auto add = entryAs<AddNumbers>(this->modules(), library, "AddNumbers");
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add(2, 40), 42);
    this->modules().release(library);
}

TYPED_TEST_P(ModulesContract, EntryNamesMatchExactly) {
    const ModuleHandle library = this->modules().load(kFixtureLibrary);
    EXPECT_EQ(this->modules().entry(library, "addnumbers"), nullptr);
    EXPECT_EQ(this->modules().entry(library, "AddNumbersX"), nullptr);
    EXPECT_EQ(this->modules().entry(library, "Add"), nullptr);
    this->modules().release(library);
}

TYPED_TEST_P(ModulesContract, LibraryNamesIgnoreCaseAndTheExtension) {
    const ModuleHandle library = this->modules().load(kFixtureLibrary);
    for (const auto& name : {toUpper(kFixtureLibrary), std::wstring(L"tarvex_fixture_module")}) {
        SCOPED_TRACE(toUtf8(name));
        const ModuleHandle again = this->modules().load(name);
        EXPECT_EQ(again, library);
        this->modules().release(again);
    }
    this->modules().release(library);
}

TYPED_TEST_P(ModulesContract, AMissingLibraryHasNoEntries) {
    const ModuleHandle missing = this->modules().load(L"tarvex_no_such_library.dll");
    EXPECT_EQ(missing, kNoModule);
    EXPECT_EQ(this->modules().entry(missing, "AddNumbers"), nullptr);
    this->modules().release(missing);
}

TYPED_TEST_P(ModulesContract, EachLoadNeedsItsOwnRelease) {
    const ModuleHandle first = this->modules().load(kFixtureLibrary);
    const ModuleHandle second = this->modules().load(kFixtureLibrary);
    this->modules().release(first);
    ASSERT_TRUE(this->world_.isLoaded());
    EXPECT_EQ(entryAs<AddNumbers>(this->modules(), second, "AddNumbers")(1, 2), 3);
    this->modules().release(second);
    EXPECT_FALSE(this->world_.isLoaded());
}

REGISTER_TYPED_TEST_SUITE_P(ModulesContract, CallsAnEntryOfALoadedLibrary, EntryNamesMatchExactly,
                            LibraryNamesIgnoreCaseAndTheExtension, AMissingLibraryHasNoEntries,
                            EachLoadNeedsItsOwnRelease);

}  // namespace platform::contract
