#pragma once

// One undo snapshot of a diagram's entities: the paper size and, per entity
// in drawing order, its record line and what a line does not hold: its owner
// item, its selection, and its rectangle to the last bit (a line entity reads
// whole units, and "%f" keeps six decimals). Undo builds the entities again
// from their lines through the entity factory, as loading a diagram does;
// an entity of a class the factory does not build is kept as a whole copy,
// so that undo never loses it.

#include "CString.h"
#include "SharedRows.h"

#include <cstdint>
#include <memory>
#include <new>

class CDiagramEntity;
class Item;

struct EntitySnapshot {
    std::shared_ptr<const CString> line;
    // Only for a class the factory does not build.
    std::shared_ptr<const CDiagramEntity> copy;
    double left = 0, top = 0, right = 0, bottom = 0;
    Item* owner = nullptr;
    std::uint64_t selectionTime = 0;
    int selected = 0;

    bool operator==(const EntitySnapshot&) const = default;
};

struct CUndoItem {
    int paperWidth = 0;
    int paperHeight = 0;
    SharedRows<EntitySnapshot> entities;
};

// Runs make until it succeeds, giving up the oldest snapshot of the stack
// each time memory runs out; false when the stack emptied first.
template <class Stack, class Make> bool makeDroppingOldest(Stack& stack, Make&& make) {
    for (;;) {
        try {
            make();
            return true;
        } catch (const std::bad_alloc&) {
            if (stack.empty())
                return false;
            stack.erase(stack.begin());
        }
    }
}
