#pragma once

// Files and folders as the program uses them. Paths are Windows-1252 text
// with '\' or '/' separators, as stored in project files; they are turned
// into file-system paths (UTF-8, '/') only when the disk is touched, and a
// name missing in its exact case is looked up in another case, so that
// project folders written on Windows open here.

#include "CString.h"
#include "WinTypes.h"

#include <ctime>
#include <string>
#include <string_view>
#include <sys/stat.h>

constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

namespace platform {

// The file-system path for a program path: '\' becomes '/', the text becomes
// UTF-8, and every component missing in its exact case is replaced by an
// existing entry of the same name in another case (the first in name order).
std::string diskPath(std::string_view path);
// The same with no look at the disk: the file-system path of a name that is
// there in its exact case.
std::string convertedPath(std::string_view path);

struct DiskEntry {
    std::string path; // as diskPath gives it
    bool exists = false;
    struct stat st {}; // of what it names, links followed, when it exists
    int error = 0;     // why it could not be looked at, when it does not
};
// The file-system path for a program path and a look at what it names,
// with no further call to the system when the path is there in its exact
// case.
DiskEntry diskEntry(std::string_view path);

// The program's text for a file-system name or path (UTF-8 to Windows-1252;
// names that are not UTF-8 are kept as bytes).
CString fromDiskName(std::string_view name);

bool fileExists(const char* path);   // a file (or a link to one)
bool folderExists(const char* path); // a folder (or a link to one)
bool pathExists(const char* path);

// Reads a whole file; false when it cannot be opened or read.
bool readFileBytes(const char* path, std::string& bytes);
// Opens a file for reading by its program path, looked up as readFileBytes
// looks it up, and looks at what was opened (entry.st) instead of at the
// path before: the descriptor, or -1 when it cannot be opened (entry.error
// tells why). A pipe in a file's place is opened without waiting for a
// writer. The caller reads it with readOpenDiskFile or closes it.
int openDiskEntry(std::string_view path, DiskEntry& entry);
// Reads a file opened by openDiskEntry whole and closes it; its size, when
// known, spares the read that would find the end.
bool readOpenDiskFile(int fd, std::string& bytes, off_t knownSize = -1);
// The same for a path already in the file system's form (diskPath). The
// file's size, when a look just before told it, spares the read that would
// find the end.
bool readDiskFileBytes(const std::string& diskPath, std::string& bytes, off_t knownSize = -1);
// Replaces a file whole (temporary file, then rename); false on any failure,
// the old content then stays as it was.
bool writeFileReplacing(const char* path, std::string_view bytes);
// Copies a file between paths already in the file system's form, keeping
// its modification time and permissions; the target is replaced whole, or,
// with failIfExists, never replaced. False on any failure.
bool copyDiskFile(const std::string& from, const std::string& to, bool failIfExists);
// Creates a folder at a path already in the file system's form, so that
// a writer filling a new folder need not look each new name up in another
// case. False on failure (lastErrorText tells why).
bool createDiskFolder(const std::string& path);
// Moves a file or folder between paths already in the file system's form,
// where nothing stands at the new path in any case: a folder put back where
// it was taken from goes there, not into a folder of the same name in
// another case. False when something is there, or on any failure.
bool moveDiskEntry(const std::string& from, const std::string& to);

// Last modification time of a file or folder; false when it is missing.
bool lastWriteTime(const char* path, std::time_t& time);

// What tells one version of a file from another without reading it: where
// it lies on disk, its size and its modification time. A file replaced
// whole (a temporary file renamed over it) lies elsewhere on disk.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const FileStamp& other) const;
};
// The stamp of what a look at a file found.
FileStamp fileStamp(const struct stat& st);
// The stamp of the file at a program path as it is now.
FileStamp fileStamp(const char* path);

// A path as the user is shown it, in a message or in a list file written
// for the user: a path of this system, every '\' of the form the project
// files store turned into '/'. The stored form itself stays as it is.
CString shownPath(const CString& path);

// Whether a file or folder last changed at this time may be taken as
// unchanged for as long as its time stays the same. File times advance with
// a clock tick, and some file systems keep whole seconds only, so an entry
// changed a moment ago may change again without its time moving: what was
// read of it then must be read again.
bool isSettledTime(const timespec& modified);

// Copies a folder and everything below it into target (created when missing);
// symbolic links are recreated as links, never followed, and a link already
// in the target below its top is never written through. False when anything
// could not be copied.
bool copyTree(const char* source, const char* target);
// Deletes a file, or a folder and everything below it; a symbolic link is
// removed itself, never what it points to, also when the path ends with a
// separator. True when nothing is left.
bool deleteTree(const char* path);

// The errno-style cause of the last failed call of this layer, as text.
CString lastErrorText();
// The same cause as its errno value (EEXIST for a copy that found its target).
int lastErrorCode();

} // namespace platform

// The Windows calls the program makes, with their results (non-zero on
// success). They set the text that platform::lastErrorText gives.
BOOL CopyFileA(const char* existingFile, const char* newFile, BOOL failIfExists);
// Moves or renames a file or folder; fails when the target exists (a change
// of case only is a rename of the same entry and succeeds).
BOOL MoveFileA(const char* existingFile, const char* newFile);
BOOL CreateDirectoryA(const char* path, void* securityAttributes);
BOOL RemoveDirectoryA(const char* path);
BOOL DeleteFileA(const char* path);
DWORD GetFileAttributesA(const char* path);
// Full path of the running program, cut to size - 1 characters.
DWORD GetModuleFileNameA(void* module, char* buffer, DWORD size);

// The shell's relative path from one path to another. Each side is taken as
// a folder when its attribute has FILE_ATTRIBUTE_DIRECTORY, else as a file
// (whose folder is the starting point; a path ending with a separator is
// that folder). The computation is on the text, with
// names compared ignoring case; the result uses '\' and begins with "." or
// "..". FALSE when the two paths have no common root.
BOOL PathRelativePathToA(char* path, const char* from, DWORD fromAttributes, const char* to,
                         DWORD toAttributes);
// The same, returning the text (empty when there is no common root).
CString relativePath(const char* from, DWORD fromAttributes, const char* to, DWORD toAttributes);

// The folder of the running program file, without a trailing separator.
CString getApplicationFolder();
// Tests give the program another folder (empty restores the real one).
void setApplicationFolderForTests(const CString& folder);
