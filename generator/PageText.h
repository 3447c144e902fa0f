#pragma once

// Pieces that every writer of the site's pages uses.

#include "CString.h"

constexpr const char* kTransitionalDocType =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
    "\"http://www.w3.org/TR/html4/loose.dtd\">";
constexpr const char* kFramesetDocType = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\" "
                                         "\"http://www.w3.org/TR/html4/frameset.dtd\">";

// "../" repeated: the way up from a page's folder, steps folders high. A
// page of an item at level n reaches the site's shared folders with n + 2.
CString upPrefix(int steps);

// Message 33042: an operation ended on a failure of unknown kind.
void reportUnknownFailure(const CString& operation);
