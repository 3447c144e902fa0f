#pragma once

// The "Get" buttons of the item pages copy a file the user chose into the
// item's folder at once. A file of the same name there is never replaced
// in silence: the user is asked first.

#include "CString.h"

enum class ItemFolderCopy {
    // Nothing of that name yet, or the user agreed to replace it: copy.
    Copy,
    // The chosen file is the folder's own file: it is taken as it is.
    UseAsIs,
    // The user kept the folder's file: nothing is copied or taken.
    Declined,
};

// What to do with the chosen file, whose copy would be target: asks
// 33483 when the chosen file is target itself, 33484 when target is
// another file, and nothing when target does not exist.
ItemFolderCopy askBeforeCopyInto(const CString& chosenPath, const CString& target, const CString& fileName);
