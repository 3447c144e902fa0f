#pragma once

// The rows that the pages' grids show for a list of item references (an
// activity's roles and work products, a work product's authors): one text
// per column, the referenced item shown by its name. Each row keeps the uid
// of the item it designates, as its reference was read or as the user chose
// the item, so that writing the rows back never looks an item up by its
// name again: of two items of one name the row keeps its own, and a name
// holding "/" is never taken for a reference. A reference whose item no
// longer exists shows "(missing item <uid>)" in place of the name and is
// written back with the same uid, so the user sees what is gone and nothing
// stored is lost or changed.

#include "CString.h"

#include <vector>

class ProcessItem;
class ProcessManager;

struct ReferenceRow {
    std::vector<CString> cells;
    // The uid of the item the row designates; "" for a row read from a
    // reference that names its item by its name only (older data).
    CString uid;
    // Work products: the uid of the state, "" for none.
    CString stateUid;
};
using ReferenceRows = std::vector<ReferenceRow>;

namespace references {

// What a cell shows for a uid that names no item.
CString missingItemText(const CString& uid);

// The name cell of a reference: the referenced item's first-language name,
// the missing-item text when "~" + uid names no item, or the plain name.
CString nameCell(const CString& reference);
// The state cell of a work-product reference: the state's first-language
// name, the missing-item text when its uid names no item, or "".
CString stateCell(const CString& reference);

// The row of a role reference (role, responsibility) and of a work-product
// reference (name, state, number or part), with the uids they hold.
ReferenceRow roleRow(const CString& reference, const CString& responsibility);
ReferenceRow workProductRow(const CString& reference);
// A row the user added for an item chosen in a list.
ReferenceRow chosenRow(ProcessItem* item, std::vector<CString> cells);

// The references the rows are written as. The head is "~" + the uid the
// row keeps; a row without one (read by a plain name) names the first role
// or work product of its name, or, when none has it, keeps the name.
CString roleReference(const ReferenceRow& row, ProcessManager* manager);
CString workProductReference(const ReferenceRow& row, ProcessManager* manager);

// An item as the pages' lists show it: its domain and " / " (when it has
// one), its discipline and " / " (likewise), then its first-language name.
CString itemLabel(ProcessItem* item);

// Moves row `from` to `to` (both 0-based and valid), the rows between shifting.
void moveRow(ReferenceRows& rows, int from, int to);

} // namespace references
