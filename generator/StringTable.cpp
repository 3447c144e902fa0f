#include "StringTable.h"

#include <algorithm>

CString loadString(UINT id) {
    const StringTableEntry* end = kStringTable + kStringTableSize;
    const StringTableEntry* hit =
        std::lower_bound(kStringTable, end, id, [](const StringTableEntry& e, UINT wanted) { return e.id < wanted; });
    if (hit == end || hit->id != id)
        return CString();
    return CString(hit->text).Left(499);
}
