#include "platform/memory/memory_named_mutexes.h"

#include <gtest/gtest.h>

#include "tests/platform/named_mutexes_contract.h"

namespace platform {
namespace contract {

class MemoryNamedMutexesWorld {
public:
    std::unique_ptr<NamedMutexes> startProcess() {
        return std::make_unique<MemoryNamedMutexes>(table_);
    }

private:
    MemoryMutexTable table_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, NamedMutexesContract, MemoryNamedMutexesWorld);

}  // namespace contract

namespace {

TEST(MemoryNamedMutexes, TheMakerOwnsTheMutexUntilItReleasesIt) {
    MemoryMutexTable table;
    MemoryNamedMutexes first(table);
    const auto mutex = first.createOwned(kInstanceMutexName);
    EXPECT_TRUE(table.isOwned(kInstanceMutexName));
    first.release(mutex);
    EXPECT_FALSE(table.isOwned(kInstanceMutexName));
    EXPECT_TRUE(table.exists(kInstanceMutexName));
}

TEST(MemoryNamedMutexes, OpeningAnExistingMutexDoesNotTakeItOver) {
    MemoryMutexTable table;
    MemoryNamedMutexes first(table);
    MemoryNamedMutexes second(table);
    first.createOwned(kInstanceMutexName);
    EXPECT_EQ(second.createOwned(kInstanceMutexName), kNoMutex);
    EXPECT_TRUE(table.isOwned(kInstanceMutexName));
    EXPECT_EQ(second.openHandles(), 1u);
}

TEST(MemoryNamedMutexes, AnEndingOwnerAbandonsTheMutexOthersStillHold) {
    MemoryMutexTable table;
    auto first = std::make_unique<MemoryNamedMutexes>(table);
    MemoryNamedMutexes second(table);
    first->createOwned(kInstanceMutexName);
    EXPECT_TRUE(second.exists(kInstanceMutexName));
    first.reset();
    EXPECT_TRUE(table.exists(kInstanceMutexName));
    EXPECT_FALSE(table.isOwned(kInstanceMutexName));
}

TEST(MemoryNamedMutexes, NamesCompareWithCase) {
    MemoryMutexTable table;
    MemoryNamedMutexes process(table);
    process.createOwned(kInstanceMutexName);
    EXPECT_FALSE(process.exists(L"tarvexinstance1"));
}

TEST(MemoryNamedMutexes, TheProcessWideTableIsSharedByDefault) {
    MemoryNamedMutexes first;
    MemoryNamedMutexes second;
    first.createOwned(L"TarvexSharedTableTest");
    EXPECT_TRUE(second.exists(L"TarvexSharedTableTest"));
}

}  // namespace
}  // namespace platform
