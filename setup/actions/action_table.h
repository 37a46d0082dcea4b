#pragma once

#include "setup/store/action_string.h"

// Edits of an action table that keep its used slots contiguous from the first,
// so that the first empty slot always ends it, and that keep one entry per
// button and modifier combination.
namespace setup {

// The first empty slot among the 11 usable ones; -1 when all are used.
int firstFreeSlot(const ActionTable& table);

// Removes a used slot: the slots after it move up by one and the slot freed at
// the end is cleared. A slot outside the used ones is left alone.
void removeAction(ActionTable& table, int slot);

// Whether two entries are bound to the same buttons with the same modifiers.
bool sameCombination(const ActionInfo& first, const ActionInfo& second);

// The first other used slot bound to the same combination as slot; -1 when none.
int findDuplicate(const ActionTable& table, int slot);

// Settles a duplicate in favour of the entry in slot: the duplicate's slot takes
// all of slot's entry, and every other entry of that combination (slot among
// them) goes, so the combination keeps one entry where it was first bound.
void keepOneEntry(ActionTable& table, int slot, int duplicate);

}  // namespace setup
