#include "FileSystem.h"

#include "AtomicFileWriter.h"
#include "Encoding.h"
#include "FolderListingCache.h"
#include "ReadAhead.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

thread_local int g_lastError = 0;

BOOL fail(int error) {
    g_lastError = error;
    return FALSE;
}

// The program created, renamed or deleted something at this disk path (or
// tried to): the folder listings kept for lookups in another case that it
// touches are forgotten, down the whole tree when a folder moved or went
// with what it holds.
void changedOnDisk(const std::string& disk, bool withTree = false) {
    FolderListingCache::instance().forgetAround(disk, withTree);
}

std::vector<std::string> listFolder(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return names;
    while (dirent* entry = readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    closedir(dir);
    return names;
}

// Reads a file in pieces, handing each to take; 0 at the end, else the read
// error (-1 when take refused a piece).
int readPieces(int fd, const std::function<bool(std::string_view)>& take) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        if (!take(std::string_view(buffer, static_cast<size_t>(n))))
            return -1;
    }
}

int readAll(int fd, std::string& bytes) {
    return readPieces(fd, [&bytes](std::string_view piece) {
        bytes.append(piece);
        return true;
    });
}

// Reads an open file whole and closes it; false with the error recorded. A
// folder opens, but reading it fails (EISDIR). With the file's size known,
// a first read that stops short at that size has the whole file, which
// spares the read that would find its end; a file that changed meanwhile is
// read on to its end.
bool readOpenFile(int fd, std::string& bytes, off_t knownSize = -1) {
    int error = 0;
    if (knownSize >= 0) {
        const auto size = static_cast<size_t>(knownSize);
        bytes.resize(size + 1);
        ssize_t n;
        while ((n = read(fd, bytes.data(), size + 1)) < 0 && errno == EINTR) {
        }
        bytes.resize(n < 0 ? 0 : static_cast<size_t>(n));
        if (n < 0)
            error = errno;
        else if (static_cast<size_t>(n) != size)
            error = readAll(fd, bytes);
    } else {
        error = readAll(fd, bytes);
    }
    close(fd);
    if (error != 0) {
        bytes.clear();
        return fail(error);
    }
    return true;
}

// Opens a file (not a folder) for reading; -1 with the error recorded.
int openForReading(const std::string& disk, struct stat& st) {
    const int fd = open(disk.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        fail(errno);
        return -1;
    }
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        fail(S_ISDIR(st.st_mode) ? EISDIR : errno);
        close(fd);
        return -1;
    }
    return fd;
}

bool copyOneFile(const std::string& from, const std::string& to, bool failIfExists) {
    struct stat st;
    const int in = openForReading(from, st);
    if (in < 0)
        return false;
    // The copy streams through, however large the file.
    AtomicFileWriter out(to);
    out.setFailIfExists(failIfExists);
    const int error = readPieces(in, [&out](std::string_view piece) { return out.write(piece); });
    close(in);
    if (error > 0)
        return fail(error);
    if (error < 0 || !out.commit())
        return fail(out.lastError());
    // The copy keeps the source's modification time and permissions, as on Windows.
    const timespec times[2] = {st.st_atim, st.st_mtim};
    utimensat(AT_FDCWD, to.c_str(), times, 0);
    chmod(to.c_str(), st.st_mode & 07777);
    return TRUE;
}

// The text of a symbolic link; false when the path is no link.
bool readLinkText(const std::string& path, std::string& text) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return false;
    text.assign(static_cast<size_t>(st.st_size) + 1, '\0');
    const ssize_t n = readlink(path.c_str(), text.data(), text.size());
    if (n < 0)
        return false;
    text.resize(static_cast<size_t>(n));
    return true;
}

// Copies an entry of the tree; a link is made anew, never followed. Below
// the top, an entry of the target that is a link is never written through.
bool copyTreeOnDisk(const std::string& source, const std::string& target, bool top) {
    struct stat st;
    if (lstat(source.c_str(), &st) != 0)
        return fail(errno);
    std::string existingLink;
    const bool targetIsLink = readLinkText(target, existingLink);
    if (S_ISLNK(st.st_mode)) {
        std::string link;
        if (!readLinkText(source, link))
            return fail(errno);
        if (symlink(link.c_str(), target.c_str()) == 0)
            return true;
        // Copied before: the same link may stay, anything else is not replaced.
        return errno == EEXIST && targetIsLink && existingLink == link ? true : fail(errno);
    }
    if (targetIsLink && !top)
        return fail(EEXIST);
    if (!S_ISDIR(st.st_mode))
        return copyOneFile(source, target, false);
    if (mkdir(target.c_str(), 0777) != 0 && errno != EEXIST)
        return fail(errno);
    bool ok = true;
    for (const auto& name : listFolder(source))
        ok = copyTreeOnDisk(source + "/" + name, target + "/" + name, false) && ok;
    return ok;
}

bool deleteTreeOnDisk(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return errno == ENOENT ? true : fail(errno);
    if (!S_ISDIR(st.st_mode))
        return unlink(path.c_str()) == 0 ? true : fail(errno);
    bool ok = true;
    for (const auto& name : listFolder(path))
        ok = deleteTreeOnDisk(path + "/" + name) && ok;
    if (rmdir(path.c_str()) != 0)
        return fail(errno);
    return ok;
}

// The path of a tree's top without trailing separators: "link/" would make
// the system look through a link that is to be taken as itself.
std::string treeTop(const char* path) {
    std::string disk = platform::diskPath(path ? path : "");
    while (disk.size() > 1 && disk.back() == '/')
        disk.pop_back();
    return disk;
}

std::vector<std::string> splitPath(std::string_view path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(current);
    return parts;
}

// A path as found on disk: whether it exists, and a stat of it (links
// followed) when one was made.
struct Resolved {
    std::string path;
    bool exists = false;
    bool hasStat = false;
    struct stat st {};
};

Resolved resolveMissing(const std::string& converted);

// A folder of a path: taken as it is when it exists in its exact case.
Resolved resolveFolder(const std::string& converted) {
    Resolved folder{converted};
    if (lstat(converted.c_str(), &folder.st) == 0) {
        // A link is looked through; a link to nothing is kept as it is.
        folder.exists = true;
        folder.hasStat = !S_ISLNK(folder.st.st_mode) || stat(converted.c_str(), &folder.st) == 0;
        return folder;
    }
    return resolveMissing(converted);
}

// A path missing in its exact case: its folder is resolved first, then its
// last name is looked up in the folder's listing. Once a name is found in no
// case, the rest of the path is kept as it is.
Resolved resolveMissing(const std::string& converted) {
    const size_t slash = converted.rfind('/');
    const std::string name = slash == std::string::npos ? converted : converted.substr(slash + 1);
    Resolved folder;
    if (slash == std::string::npos)
        folder.exists = true; // the current folder
    else
        folder = resolveFolder(slash == 0 ? std::string("/") : converted.substr(0, slash));
    const std::string prefix = slash == std::string::npos ? std::string()
                               : slash == 0               ? "/"
                                                          : folder.path + "/";
    Resolved result{prefix + name};
    if (!folder.exists)
        return result;
    struct stat st;
    if (result.path != converted && lstat(result.path.c_str(), &st) == 0) {
        result.exists = true; // the name as it is, in a folder found in another case
        return result;
    }
    if (name.empty() || name == "." || name == "..")
        return result;
    std::string found;
    if (FolderListingCache::instance().findOtherCase(folder.path, name, found,
                                                     folder.hasStat ? &folder.st : nullptr)) {
        result.path = prefix + found;
        result.exists = true;
    }
    return result;
}

// In a read pass, a path whose folder was listed in the pass's epoch is
// answered from the listing, with no call to the system; a folder that
// cannot be listed under its path is itself looked up in its own folder's
// listing, so a missing folder or one in another case costs no call either.
// False when the listings cannot tell.
bool answeredInPass(const std::string& converted, Resolved& resolved) {
    const size_t slash = converted.rfind('/');
    if (slash == std::string::npos)
        return false;
    std::string folder = slash == 0 ? std::string("/") : converted.substr(0, slash);
    const std::string_view name = std::string_view(converted).substr(slash + 1);
    std::string found;
    auto answer = FolderListingCache::instance().lookUpInPass(folder, name, found);
    if (answer == FolderListingCache::Answer::Unlistable) {
        Resolved outer;
        // There under its own name yet not listable: the system tells why.
        if (slash == 0 || !answeredInPass(folder, outer) || (outer.exists && outer.path == folder))
            return false;
        if (!outer.exists) {
            resolved = Resolved{(outer.path + "/").append(name)};
            return true;
        }
        folder = outer.path;
        answer = FolderListingCache::instance().lookUpInPass(folder, name, found);
    }
    switch (answer) {
    case FolderListingCache::Answer::Missing:
        resolved = Resolved{(folder + (folder == "/" ? "" : "/")).append(name)};
        return true;
    case FolderListingCache::Answer::Found:
        resolved = Resolved{folder + (folder == "/" ? "" : "/") + found, true};
        return true;
    default:
        return false;
    }
}

} // namespace

namespace platform {

std::string convertedPath(std::string_view path) {
    std::string converted = encoding::cp1252ToUtf8(path);
    std::replace(converted.begin(), converted.end(), '\\', '/');
    return converted;
}

std::string diskPath(std::string_view path) {
    std::string converted = convertedPath(path);
    // The exact name first: a project made here never needs more.
    struct stat st;
    Resolved resolved;
    if (converted.empty())
        return converted;
    if (answeredInPass(converted, resolved))
        return resolved.path;
    if (lstat(converted.c_str(), &st) == 0)
        return converted;
    return resolveMissing(converted).path;
}

DiskEntry diskEntry(std::string_view path) {
    DiskEntry entry{convertedPath(path)};
    if (entry.path.empty()) {
        entry.error = ENOENT;
        return entry;
    }
    // The exact name first; only a link needs a second look, at what it names.
    Resolved resolved;
    const bool answered = answeredInPass(entry.path, resolved);
    if (answered && !resolved.exists) {
        entry.error = ENOENT;
        return entry;
    }
    if (answered)
        entry.path = resolved.path;
    if (lstat(entry.path.c_str(), &entry.st) == 0) {
        entry.exists = !S_ISLNK(entry.st.st_mode) || stat(entry.path.c_str(), &entry.st) == 0;
        entry.error = entry.exists ? 0 : errno; // a link to nothing is kept as it is
        return entry;
    }
    entry.error = errno;
    if (answered)
        return entry;
    resolved = resolveMissing(entry.path);
    entry.path = resolved.path;
    if (!resolved.exists)
        return entry;
    entry.exists = stat(entry.path.c_str(), &entry.st) == 0;
    entry.error = entry.exists ? 0 : errno;
    return entry;
}

CString fromDiskName(std::string_view name) {
    return CString(encoding::utf8ToCp1252(name));
}

bool fileExists(const char* path) {
    const DiskEntry entry = diskEntry(path ? path : "");
    return entry.exists && !S_ISDIR(entry.st.st_mode);
}

bool folderExists(const char* path) {
    const DiskEntry entry = diskEntry(path ? path : "");
    return entry.exists && S_ISDIR(entry.st.st_mode);
}

bool pathExists(const char* path) {
    struct stat st;
    return lstat(diskPath(path ? path : "").c_str(), &st) == 0;
}

// Opens a program path for reading, the exact name first: a file that is
// there costs no look before; only a missing one is looked for in another
// case (or in the listing of its folder that a read pass holds). -1 with
// the error recorded; disk is the path opened or looked for.
static int openByProgramPath(const char* path, int flags, std::string& disk) {
    disk = convertedPath(path ? path : "");
    if (disk.empty()) {
        fail(ENOENT);
        return -1;
    }
    Resolved found;
    const bool answered = answeredInPass(disk, found);
    if (answered && !found.exists) {
        fail(ENOENT);
        return -1;
    }
    if (answered)
        disk = found.path;
    int fd = open(disk.c_str(), flags | O_CLOEXEC);
    if (fd < 0 && !answered && (errno == ENOENT || errno == ENOTDIR)) {
        const int error = errno;
        found = resolveMissing(disk);
        if (!found.exists) {
            fail(error);
            return -1;
        }
        disk = found.path;
        fd = open(disk.c_str(), flags | O_CLOEXEC);
    }
    if (fd < 0)
        fail(errno);
    return fd;
}

bool readFileBytes(const char* path, std::string& bytes) {
    bytes.clear();
    int error = 0;
    if (path && ReadAhead::take(path, bytes, error))
        return error == 0 || fail(error);
    std::string disk;
    const int fd = openByProgramPath(path, O_RDONLY, disk);
    if (fd < 0)
        return false;
    // With its size known a file is read at once, a large one without
    // growing its text piece by piece, and with no more calls for a small one.
    struct stat st;
    return readOpenFile(fd, bytes, fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? st.st_size : -1);
}

int openDiskEntry(std::string_view path, DiskEntry& entry) {
    entry = DiskEntry{};
    const int fd = openByProgramPath(std::string(path).c_str(), O_RDONLY | O_NONBLOCK, entry.path);
    if (fd < 0) {
        entry.error = g_lastError;
        return -1;
    }
    if (fstat(fd, &entry.st) != 0) {
        entry.error = errno;
        close(fd);
        return -1;
    }
    entry.exists = true;
    return fd;
}

bool readOpenDiskFile(int fd, std::string& bytes, off_t knownSize) {
    bytes.clear();
    return readOpenFile(fd, bytes, knownSize);
}

bool readDiskFileBytes(const std::string& disk, std::string& bytes, off_t knownSize) {
    bytes.clear();
    const int fd = open(disk.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    return readOpenFile(fd, bytes, knownSize);
}

bool writeFileReplacing(const char* path, std::string_view bytes) {
    AtomicFileWriter out(diskPath(path ? path : ""));
    if (!out.write(bytes) || !out.commit())
        return fail(out.lastError());
    return true;
}

bool lastWriteTime(const char* path, std::time_t& time) {
    const DiskEntry entry = diskEntry(path ? path : "");
    if (!entry.exists)
        return fail(entry.error ? entry.error : ENOENT);
    time = entry.st.st_mtime;
    return true;
}

bool FileStamp::operator==(const FileStamp& other) const {
    if (exists != other.exists)
        return false;
    return !exists ||
           (device == other.device && inode == other.inode && size == other.size &&
            modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec);
}

FileStamp fileStamp(const struct stat& st) {
    return FileStamp{true, st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

FileStamp fileStamp(const char* path) {
    const DiskEntry entry = diskEntry(path ? path : "");
    return entry.exists ? fileStamp(entry.st) : FileStamp{};
}

CString shownPath(const CString& path) {
    CString shown = path;
    shown.Replace("\\", "/");
    return shown;
}

bool isSettledTime(const timespec& modified) {
    // Times without a fraction of a second likely come from a file system
    // that keeps whole (or even) seconds.
    const long long span = modified.tv_nsec == 0 ? 3000000000LL : 100000000LL;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (modified.tv_sec < now.tv_sec - 10)
        return true;
    if (modified.tv_sec > now.tv_sec) // a clock ahead of ours: it may have changed a moment ago
        return false;
    const long long age = (static_cast<long long>(now.tv_sec) - modified.tv_sec) * 1000000000LL +
                          (now.tv_nsec - modified.tv_nsec);
    return age > span;
}

bool copyTree(const char* source, const char* target) {
    const std::string top = treeTop(target);
    const bool copied = copyTreeOnDisk(treeTop(source), top, true);
    changedOnDisk(top, true);
    return copied;
}

bool deleteTree(const char* path) {
    const std::string disk = treeTop(path);
    if (disk.empty() || disk == "/")
        return fail(EINVAL);
    const bool deleted = deleteTreeOnDisk(disk);
    changedOnDisk(disk, true);
    return deleted;
}

CString lastErrorText() {
    return CString(std::strerror(g_lastError));
}

int lastErrorCode() {
    return g_lastError;
}

bool copyDiskFile(const std::string& from, const std::string& to, bool failIfExists) {
    return copyOneFile(from, to, failIfExists);
}

bool createDiskFolder(const std::string& path) {
    const bool made = mkdir(path.c_str(), 0777) == 0 || (fail(errno), false);
    changedOnDisk(path);
    return made;
}

} // namespace platform

using platform::diskPath;

BOOL CopyFileA(const char* existingFile, const char* newFile, BOOL failIfExists) {
    if (!existingFile || !newFile)
        return fail(EINVAL);
    return copyOneFile(diskPath(existingFile), diskPath(newFile), failIfExists != FALSE);
}

namespace {

// Moves an entry to a path where nothing is, never replacing what another
// mover puts there meanwhile.
BOOL moveToNewPath(const std::string& from, const struct stat& fromStat, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return TRUE;
    if (errno == EINVAL && rename(from.c_str(), to.c_str()) == 0)
        return TRUE;
    if (errno == EXDEV && !S_ISDIR(fromStat.st_mode)) {
        // Another volume: copy, then remove the original, as Windows does for files.
        if (!copyOneFile(from, to, true))
            return FALSE;
        return unlink(from.c_str()) == 0 ? TRUE : fail(errno);
    }
    return fail(errno);
}

BOOL moveOnDisk(const std::string& from, std::string to, const char* newFile) {
    struct stat fromStat, toStat;
    if (lstat(from.c_str(), &fromStat) != 0)
        return fail(errno);
    if (lstat(to.c_str(), &toStat) == 0) {
        if (fromStat.st_dev != toStat.st_dev || fromStat.st_ino != toStat.st_ino)
            return fail(EEXIST);
        // The same entry under another case: rename it to the exact new name.
        to = encoding::cp1252ToUtf8(newFile);
        std::replace(to.begin(), to.end(), '\\', '/');
        const size_t slash = to.rfind('/');
        const size_t fromSlash = from.rfind('/');
        to = (fromSlash == std::string::npos ? std::string() : from.substr(0, fromSlash + 1)) +
             (slash == std::string::npos ? to : to.substr(slash + 1));
        return rename(from.c_str(), to.c_str()) == 0 ? TRUE : fail(errno);
    }
    return moveToNewPath(from, fromStat, to);
}

} // namespace

namespace platform {

bool moveDiskEntry(const std::string& from, const std::string& to) {
    struct stat fromStat, toStat;
    const bool moved = lstat(from.c_str(), &fromStat) != 0 ? fail(errno)
                       : lstat(to.c_str(), &toStat) == 0   ? fail(EEXIST)
                                                           : moveToNewPath(from, fromStat, to);
    changedOnDisk(from, true);
    changedOnDisk(to, true);
    return moved;
}

} // namespace platform

BOOL MoveFileA(const char* existingFile, const char* newFile) {
    if (!existingFile || !newFile)
        return fail(EINVAL);
    const std::string from = diskPath(existingFile);
    const std::string to = diskPath(newFile);
    const BOOL moved = moveOnDisk(from, to, newFile);
    changedOnDisk(from, true);
    changedOnDisk(to, true);
    return moved;
}

BOOL CreateDirectoryA(const char* path, void*) {
    if (!path || !*path)
        return fail(EINVAL);
    const std::string disk = diskPath(path);
    const BOOL made = mkdir(disk.c_str(), 0777) == 0 ? TRUE : fail(errno);
    changedOnDisk(disk);
    return made;
}

BOOL RemoveDirectoryA(const char* path) {
    if (!path || !*path)
        return fail(EINVAL);
    const std::string disk = diskPath(path);
    const BOOL removed = rmdir(disk.c_str()) == 0 ? TRUE : fail(errno);
    // A folder made again at the same path is another folder: what a read
    // pass knew below this one goes with it.
    changedOnDisk(disk, true);
    return removed;
}

BOOL DeleteFileA(const char* path) {
    if (!path || !*path)
        return fail(EINVAL);
    const std::string disk = diskPath(path);
    struct stat st;
    const bool found = lstat(disk.c_str(), &st) == 0;
    if (found && S_ISDIR(st.st_mode))
        return fail(EISDIR);
    const BOOL deleted = unlink(disk.c_str()) == 0 ? TRUE : fail(errno);
    // A symbolic link to a folder takes what a read pass knew below it along.
    changedOnDisk(disk, found && S_ISLNK(st.st_mode));
    return deleted;
}

DWORD GetFileAttributesA(const char* path) {
    const platform::DiskEntry entry = platform::diskEntry(path ? path : "");
    if (!path || !entry.exists) {
        fail(entry.error ? entry.error : ENOENT);
        return INVALID_FILE_ATTRIBUTES;
    }
    const struct stat& st = entry.st;
    DWORD attributes = S_ISDIR(st.st_mode)   ? FILE_ATTRIBUTE_DIRECTORY
                       : S_ISREG(st.st_mode) ? 0
                                             : FILE_ATTRIBUTE_DEVICE;
    if (!(st.st_mode & S_IWUSR))
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

DWORD GetModuleFileNameA(void*, char* buffer, DWORD size) {
    if (!buffer || size == 0)
        return 0;
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) {
        buffer[0] = '\0';
        return 0;
    }
    exe[n] = '\0';
    const std::string text = encoding::utf8ToCp1252(exe);
    const size_t copied = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<DWORD>(copied);
}

CString relativePath(const char* from, DWORD fromAttributes, const char* to, DWORD toAttributes) {
    std::vector<std::string> fromParts = splitPath(from ? from : "");
    const std::vector<std::string> toParts = splitPath(to ? to : "");
    // A file's folder is the starting point; a path that ends with a
    // separator names its folder already.
    const size_t fromLength = from ? std::strlen(from) : 0;
    const bool endsWithSeparator =
        fromLength > 0 && (from[fromLength - 1] == '/' || from[fromLength - 1] == '\\');
    if (!(fromAttributes & FILE_ATTRIBUTE_DIRECTORY) && !endsWithSeparator && !fromParts.empty())
        fromParts.pop_back();
    (void)toAttributes; // a file or a folder: either way its name ends the path
    const bool fromRooted = from && (from[0] == '/' || from[0] == '\\');
    const bool toRooted = to && (to[0] == '/' || to[0] == '\\');
    size_t common = 0;
    while (common < fromParts.size() && common < toParts.size() &&
           encoding::equalsNoCase(fromParts[common], toParts[common]))
        ++common;
    if (fromRooted != toRooted || (common == 0 && !(fromRooted && toRooted)))
        return CString();
    std::string result;
    for (size_t i = common; i < fromParts.size(); ++i)
        result += result.empty() ? ".." : "\\..";
    if (result.empty())
        result = ".";
    for (size_t i = common; i < toParts.size(); ++i)
        result += "\\" + toParts[i];
    return CString(result);
}

BOOL PathRelativePathToA(char* path, const char* from, DWORD fromAttributes, const char* to,
                         DWORD toAttributes) {
    if (!path)
        return FALSE;
    const CString result = relativePath(from, fromAttributes, to, toAttributes);
    path[0] = '\0';
    if (result.IsEmpty() || result.GetLength() >= MAX_PATH)
        return FALSE;
    std::memcpy(path, result.GetString(), static_cast<size_t>(result.GetLength()) + 1);
    return TRUE;
}

namespace {
CString g_applicationFolderForTests;
}

void setApplicationFolderForTests(const CString& folder) {
    g_applicationFolderForTests = folder;
}

CString getApplicationFolder() {
    if (!g_applicationFolderForTests.IsEmpty())
        return g_applicationFolderForTests;
    char buffer[1001];
    GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    CString path(buffer);
    const int cut = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    return cut < 0 ? path : path.Left(cut);
}
