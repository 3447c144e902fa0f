#pragma once

// The resources the program carries in itself, found by id and type as the
// program has always named them, and written out as files.

#include "CString.h"
#include "WinTypes.h"

#include <string_view>

// The tips of the day, one mini-HTML tip per line.
constexpr UINT kTipsResourceId = 129;
constexpr const char* kTipsResourceType = "TIPS";

// The bytes of a resource; empty when the program has none of that id and type.
std::string_view findProgramResource(UINT id, const char* type);

// Writes resource (id, type) into the file fileName of folder (blanks on
// the right of the folder cut; only fileName when folder is null or empty).
// Without overwrite an existing file is left alone. The file is replaced
// whole: a failed write leaves it as it was, and a missing or empty
// resource creates no file. Answers the number of bytes written, 0 when
// nothing was.
DWORD writeResourceToFile(UINT id, const char* type, const char* fileName, const char* folder,
                          BOOL overwrite);
