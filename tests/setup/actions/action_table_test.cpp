#include "setup/actions/action_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace setup {
namespace {

// A table whose leading slots hold entries for these (buttons, keys, action).
ActionTable tableOf(const std::vector<std::array<int, 3>>& entries) {
    ActionTable table;
    for (size_t slot = 0; slot < entries.size(); ++slot) {
        table[slot].buttonCode = entries[slot][0];
        table[slot].keyCode = entries[slot][1];
        table[slot].actionCode = entries[slot][2];
    }
    return table;
}

std::vector<int> actionsOf(const ActionTable& table) {
    std::vector<int> actions;
    for (int slot = 0; slot < actionCount(table); ++slot) {
        actions.push_back(table[slot].actionCode);
    }
    return actions;
}

TEST(ActionTable, TheFirstFreeSlotFollowsTheUsedOnes) {
    EXPECT_EQ(firstFreeSlot(ActionTable{}), 0);
    EXPECT_EQ(firstFreeSlot(tableOf({{2, 0, 4}, {1, 0, 5}})), 2);
    ActionTable full;
    for (int slot = 0; slot < kUsableActions; ++slot) {
        full[slot].buttonCode = 2;
    }
    EXPECT_EQ(firstFreeSlot(full), -1) << "the twelfth slot is never offered";
}

TEST(ActionTable, RemovingMovesTheLaterEntriesUpAndClearsTheLastSlot) {
    struct Case {
        int slot;
        std::vector<int> left;
    };
    const Case cases[] = {{0, {5, 6}}, {1, {4, 6}}, {2, {4, 5}}, {3, {4, 5, 6}}, {-1, {4, 5, 6}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        auto table = tableOf({{2, 0, 4}, {1, 0, 5}, {8, 1, 6}});
        table[2].macroText = L"{Tab}";
        removeAction(table, c.slot);
        EXPECT_EQ(actionsOf(table), c.left);
        for (int slot = static_cast<int>(c.left.size()); slot < kActionSlots; ++slot) {
            EXPECT_EQ(table[slot], ActionInfo{}) << "slot " << slot;
        }
    }
}

TEST(ActionTable, RemovingTheOnlyEntryEmptiesTheTable) {
    auto table = tableOf({{2, 0, 6}});
    table[0].macroText = L"abc";
    table[0].macroLength = 3;
    removeAction(table, 0);
    EXPECT_EQ(table, ActionTable{});
}

TEST(ActionTable, ADuplicateIsAnotherUsedEntryWithTheSameButtonsAndKeys) {
    const auto table = tableOf({{2, 0, 4}, {1, 1, 5}, {2, 1, 7}, {1, 1, 8}});
    EXPECT_EQ(findDuplicate(table, 3), 1);
    EXPECT_EQ(findDuplicate(table, 1), 3) << "a replaced row is compared with later rows too";
    EXPECT_EQ(findDuplicate(table, 0), -1) << "the same buttons with other keys differ";
    EXPECT_EQ(findDuplicate(table, 2), -1);
    EXPECT_EQ(findDuplicate(table, 4), -1) << "an unused slot has no duplicate";
}

TEST(ActionTable, KeepingOneEntryPutsTheNewActionWhereTheCombinationWasFirst) {
    auto table = tableOf({{2, 0, 4}, {1, 1, 5}, {8, 2, 7}, {1, 1, 6}});
    table[3].macroText = L"{Ctrl-Dn}c{Ctrl-Up}";
    table[3].macroLength = 19;
    const ActionInfo added = table[3];
    keepOneEntry(table, 3, 1);
    EXPECT_EQ(actionsOf(table), (std::vector<int>{4, 6, 7}));
    EXPECT_EQ(table[1], added) << "all five fields move";
    EXPECT_EQ(table[3], ActionInfo{});
}

TEST(ActionTable, KeepingOneEntryDropsAReplacedRowInTheMiddle) {
    // Row 1 was replaced by 12/0 with action 5; row 3 held 12/0 before.
    auto table = tableOf({{2, 0, 4}, {12, 0, 5}, {8, 2, 7}, {12, 0, 8}});
    keepOneEntry(table, 1, 3);
    EXPECT_EQ(actionsOf(table), (std::vector<int>{4, 7, 5}));
    EXPECT_EQ(table[2].buttonCode, 12);
}

TEST(ActionTable, KeepingOneEntryAlsoSettlesDuplicatesStoredBefore) {
    auto table = tableOf({{1, 1, 4}, {1, 1, 5}, {2, 0, 8}, {1, 1, 9}});
    keepOneEntry(table, 3, 0);
    EXPECT_EQ(actionsOf(table), (std::vector<int>{9, 8}));
}

}  // namespace
}  // namespace setup
