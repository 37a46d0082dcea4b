#include "setup/actions/action_table.h"

#include <algorithm>
#include <vector>

namespace setup {

int firstFreeSlot(const ActionTable& table) {
    const int count = actionCount(table);
    return count < kUsableActions ? count : -1;
}

void removeAction(ActionTable& table, int slot) {
    const int count = actionCount(table);
    if (slot < 0 || slot >= count) {
        return;
    }
    std::move(table.begin() + slot + 1, table.begin() + count, table.begin() + slot);
    table[count - 1] = ActionInfo{};
}

bool sameCombination(const ActionInfo& first, const ActionInfo& second) {
    return first.buttonCode == second.buttonCode && first.keyCode == second.keyCode;
}

int findDuplicate(const ActionTable& table, int slot) {
    const int count = actionCount(table);
    if (slot < 0 || slot >= count) {
        return -1;
    }
    for (int other = 0; other < count; ++other) {
        if (other != slot && sameCombination(table[other], table[slot])) {
            return other;
        }
    }
    return -1;
}

void keepOneEntry(ActionTable& table, int slot, int duplicate) {
    const int count = actionCount(table);
    if (slot < 0 || slot >= count || duplicate < 0 || duplicate >= count) {
        return;
    }
    table[duplicate] = table[slot];
    std::vector<ActionInfo> kept;
    for (int index = 0; index < count; ++index) {
        if (index == duplicate || !sameCombination(table[index], table[duplicate])) {
            kept.push_back(table[index]);
        }
    }
    clearActions(table);
    std::copy(kept.begin(), kept.end(), table.begin());
}

}  // namespace setup
