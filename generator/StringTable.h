#pragma once

// The program's string table: every message, caption and tooltip text by
// its id. Callers fill a text's "%s" and "%d" places with CString::Format.

#include "CString.h"
#include "WinTypes.h"

struct StringTableEntry {
    unsigned id;
    const char* text;
};

extern const StringTableEntry kStringTable[];
extern const int kStringTableSize;

// The text of the id, cut to 499 characters; empty for an id without text.
CString loadString(UINT id);
