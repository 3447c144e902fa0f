#pragma once

// The rows that the pages' grids show for a list of item references (an
// activity's roles and work products, a work product's authors): one text
// per column, the referenced item shown by its name. A reference whose item
// no longer exists shows "(missing item <uid>)" in place of the name, and
// that text turns back into the same "~" + uid when the rows are written,
// so the user sees what is gone and nothing stored is lost or changed.

#include "CString.h"

#include <vector>

class ProcessItem;

using ReferenceRow = std::vector<CString>;
using ReferenceRows = std::vector<ReferenceRow>;

namespace references {

// What a cell shows for a uid that names no item, and the uid such a text
// stands for (false for any other text).
CString missingItemText(const CString& uid);
bool missingItemUid(const CString& text, CString* uid);

// The name cell of a reference: the referenced item's first-language name,
// the missing-item text when "~" + uid names no item, or the plain name.
CString nameCell(const CString& reference);
// The state cell of a work-product reference: the state's first-language
// name, the missing-item text when its uid names no item, or "".
CString stateCell(const CString& reference);

// The head of a reference written from a name cell: "~" + uid of the item
// found for the name, the uid a missing-item text stands for, or the name.
CString headFor(ProcessItem* found, const CString& name);
// The uid of a state cell when no state of that name was found: the uid a
// missing-item text stands for, else "".
CString stateUidFor(const CString& foundUid, const CString& stateName);

// An item as the pages' lists show it: its domain and " / " (when it has
// one), its discipline and " / " (likewise), then its first-language name.
CString itemLabel(ProcessItem* item);

// Moves row `from` to `to` (both 0-based and valid), the rows between shifting.
void moveRow(ReferenceRows& rows, int from, int to);

} // namespace references
