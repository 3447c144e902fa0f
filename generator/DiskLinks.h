#pragma once

// Links that the site's pages and tree files give to other files, spelled
// the way those files are named on disk. A project folder made on Windows
// may hold "site/home" where the program writes "site/Home"; Windows finds
// either, but a browser here finds a file only under its exact name. A link
// to a file that exists therefore takes that file's spelling; any other
// link stays as written.
//
// Each answer costs a look at the disk (one when the spelling is already
// right), and a link asked for again is answered from memory: one object
// serves the links of one page or one tree.

#include "CString.h"

#include <unordered_map>
#include <vector>

class DiskLinks {
public:
    // Links relative to a folder (a program path, '/' or '\' separators,
    // "." and ".." taken as a browser takes them).
    explicit DiskLinks(const CString& folder);

    // The link with the names of its target as they are on disk, when that
    // target exists; its "../" steps, its separators and any "#" or "?" part
    // stay as they were. Addresses, absolute paths and links whose target
    // lies above the root come back unchanged.
    CString get(const CString& link);

private:
    CString resolve(const CString& link) const;

    bool m_absolute = false;
    std::vector<CString> m_folder;
    std::unordered_map<CString, CString> m_known;
};
