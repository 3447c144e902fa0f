#pragma once

// Pieces that every writer of the site's pages uses.

#include "CString.h"

#include <vector>

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

// The link from a folder to a file or folder, as the pages write it:
// computed between the two paths with '\' separators, written with '/'.
CString relativeLink(const CString& fromFolder, const CString& to);

// The lines of a text that an author supplies for a page (an introduction,
// "add.htm"), as the page writers read them: each line whole, however
// long (a line cut in pieces would get a break inside a sentence or a
// tag), one last empty line after a final line break, one empty line for
// an empty file. False when the file cannot be read; it is never created.
bool readPageTextLines(const CString& path, std::vector<CString>& lines);
