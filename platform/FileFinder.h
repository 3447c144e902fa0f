#pragma once

// The folder search of Windows: FindFirstFileA/FindNextFileA/FindClose over a
// pattern "folder\mask" whose mask holds '*' and '?'. Names are matched
// ignoring case and returned sorted by name ignoring case, so results never
// depend on the file system's order; "." and ".." come first when the mask
// matches them, as on Windows. A symbolic link carries
// FILE_ATTRIBUTE_REPARSE_POINT beside the attributes of its target, as on
// Windows: a recursive walk must not enter it.

#include "CString.h"
#include "WinTypes.h"

#include <functional>

using HANDLE = void*;
inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(-1);

struct FILETIME {
    DWORD dwLowDateTime = 0;
    DWORD dwHighDateTime = 0;
};

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    char cFileName[MAX_PATH] = {};
    char cAlternateFileName[14] = {};
};

HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* data);
BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* data);
BOOL FindClose(HANDLE search);

// Whether name matches a mask of '*' (any run) and '?' (one character),
// ignoring case; "*.*" matches every name, with or without a dot.
bool matchesFileMask(const char* name, const char* mask);

// Calls f with the name and the attributes of every entry of the folder
// ("." and ".." aside), in the order above, until f answers false. False
// when the folder cannot be listed.
bool forEachFolderEntry(const char* folder,
                        const std::function<bool(const CString& name, DWORD attributes)>& f);
// Whether the path names a folder itself, not a symbolic link to one.
bool isRealFolder(const char* path);

// Whether the path names a symbolic link itself (a closing separator aside).
bool isSymbolicLink(const char* path);
// Where a path leads on disk, every symbolic link, "." and ".." resolved:
// for telling whether a listing would lead out of a folder, or back into
// one it has been through. "" when nothing is there.
CString resolvedPath(const char* path);
// Whether a resolved path is the resolved folder itself or lies below it.
bool isResolvedWithin(const CString& path, const CString& folder);
