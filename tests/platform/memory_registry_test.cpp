#include "platform/memory/memory_registry.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "tests/platform/registry_contract.h"

namespace platform {
namespace contract {
template <>
void setReadable(MemoryRegistry& registry, RegistryRoot root, const std::wstring& path,
                 bool readable) {
    // Each test has a registry of its own: nothing to undo.
    if (!readable) {
        registry.makeUnreadable(root, path);
    }
}

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RegistryContract, MemoryRegistry);
}  // namespace contract

namespace {

const std::wstring kProperties = L"SOFTWARE\\Orvane\\Properties";

class MemoryRegistryFaults : public ::testing::Test {
protected:
    void SetUp() override {
        auto key = registry_.create(RegistryRoot::LocalMachine, kProperties);
        key->writeString(L"P001", L"old");
        key->close();
    }
    MemoryRegistry registry_;
};

TEST_F(MemoryRegistryFaults, ARefusedWriteChangesNothingAndLaterWritesWork) {
    auto key = registry_.open(RegistryRoot::LocalMachine, kProperties);
    registry_.refuseWrite(1);
    key->writeString(L"P001", L"first");
    EXPECT_THROW(key->writeString(L"A001", L"second"), RegistryError);
    EXPECT_FALSE(key->hasValue(L"A001"));
    key->writeString(L"A001", L"third");
    EXPECT_EQ(key->readString(L"P001"), L"first");
    EXPECT_EQ(key->readString(L"A001"), L"third");
}

TEST_F(MemoryRegistryFaults, CountsEveryKindOfChange) {
    const size_t before = registry_.writeCount();
    auto key = registry_.create(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvane\\New");
    key->writeString(L"v", L"1");
    key->deleteValue(L"v");
    key->deleteValue(L"v");  // nothing to delete: no change, no write
    registry_.deleteKey(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvane\\New");
    EXPECT_EQ(registry_.writeCount() - before, 4u);
}

TEST_F(MemoryRegistryFaults, ARefusedDeleteKeepsTheValue) {
    auto key = registry_.open(RegistryRoot::LocalMachine, kProperties);
    registry_.refuseWrite(0);
    EXPECT_THROW(key->deleteValue(L"P001"), RegistryError);
    EXPECT_EQ(key->readString(L"P001"), L"old");
}

TEST_F(MemoryRegistryFaults, ReadOnlyKeysRefuseWritesBelowThem) {
    registry_.makeReadOnly(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvane");
    auto key = registry_.open(RegistryRoot::LocalMachine, kProperties);
    EXPECT_EQ(key->readString(L"P001"), L"old");
    EXPECT_THROW(key->writeString(L"P001", L"new"), RegistryError);
    EXPECT_NO_THROW(
        registry_.create(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvanex")->writeString(L"v", L"1"))
        << "a sibling whose name merely starts the same is not read-only";
}

TEST_F(MemoryRegistryFaults, UnreadableKeysCanNeitherBeOpenedNorCreatedBelow) {
    registry_.makeUnreadable(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvane");
    EXPECT_THROW(registry_.open(RegistryRoot::LocalMachine, kProperties), RegistryError);
    EXPECT_THROW(registry_.create(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvane\\New"),
                 RegistryError);
    EXPECT_EQ(registry_.open(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvane\\New"), nullptr)
        << "a refused create leaves nothing behind";
    EXPECT_NE(registry_.open(RegistryRoot::LocalMachine, L"SOFTWARE"), nullptr);
}

TEST_F(MemoryRegistryFaults, TheJournalShowsWritesBeforeTheClose) {
    registry_.clearJournal();
    auto key = registry_.open(RegistryRoot::LocalMachine, kProperties);
    key->writeString(L"P001", L"x");
    key->close();
    EXPECT_EQ(
        registry_.journal(),
        (std::vector<std::wstring>{L"write HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\Properties\\P001",
                                   L"close HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\Properties"}));
}

TEST_F(MemoryRegistryFaults, ValueLookupForTestsSaysWhatIsMissing) {
    EXPECT_EQ(registry_.value(RegistryRoot::LocalMachine, kProperties, L"P001"), L"old");
    EXPECT_EQ(registry_.value(RegistryRoot::LocalMachine, kProperties, L"P002"), std::nullopt);
    EXPECT_EQ(registry_.value(RegistryRoot::LocalMachine, L"SOFTWARE\\None", L"P001"),
              std::nullopt);
}

}  // namespace
}  // namespace platform
