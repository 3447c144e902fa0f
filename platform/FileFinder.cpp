#include "FileFinder.h"

#include "AtomicFileWriter.h"
#include "Encoding.h"
#include "FileSystem.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

struct Found {
    std::string name; // Windows-1252
    WIN32_FIND_DATAA data;
};

struct Search {
    std::vector<Found> entries;
    size_t next = 0;
};

// Seconds since 1970 to 100-nanosecond intervals since 1601.
FILETIME toFileTime(const timespec& t) {
    const unsigned long long ticks =
        (static_cast<unsigned long long>(t.tv_sec) + 11644473600ULL) * 10000000ULL + t.tv_nsec / 100;
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

Found makeEntry(const std::string& name, const struct stat& st, bool isLink) {
    Found f;
    f.name = name;
    f.data.dwFileAttributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : 0;
    if (!(st.st_mode & S_IWUSR))
        f.data.dwFileAttributes |= FILE_ATTRIBUTE_READONLY;
    if (isLink)
        f.data.dwFileAttributes |= FILE_ATTRIBUTE_REPARSE_POINT;
    if (f.data.dwFileAttributes == 0)
        f.data.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
    f.data.ftLastWriteTime = toFileTime(st.st_mtim);
    f.data.ftLastAccessTime = toFileTime(st.st_atim);
    f.data.ftCreationTime = toFileTime(st.st_ctim);
    const auto size = static_cast<unsigned long long>(S_ISDIR(st.st_mode) ? 0 : st.st_size);
    f.data.nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFF);
    f.data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    const size_t n = std::min(name.size(), sizeof f.data.cFileName - 1);
    std::memcpy(f.data.cFileName, name.data(), n);
    f.data.cFileName[n] = '\0';
    return f;
}

bool matchFrom(const char* name, const char* mask) {
    for (; *mask; ++mask, ++name) {
        if (*mask == '*') {
            while (mask[1] == '*')
                ++mask;
            if (!mask[1])
                return true;
            for (const char* rest = name; *rest; ++rest)
                if (matchFrom(rest, mask + 1))
                    return true;
            return false;
        }
        if (!*name)
            return false;
        if (*mask != '?' && encoding::toLower(*mask) != encoding::toLower(*name))
            return false;
    }
    return *name == '\0';
}

} // namespace

bool matchesFileMask(const char* name, const char* mask) {
    if (!name || !mask)
        return false;
    if (std::strcmp(mask, "*.*") == 0)
        return true;
    return matchFrom(name, mask);
}

HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* data) {
    if (!pattern || !data)
        return INVALID_HANDLE_VALUE;
    const std::string text(pattern);
    const size_t cut = text.find_last_of("/\\");
    const std::string folder = cut == std::string::npos ? std::string() : text.substr(0, cut + 1);
    const std::string mask = cut == std::string::npos ? text : text.substr(cut + 1);
    if (mask.empty())
        return INVALID_HANDLE_VALUE;

    // The folder without its closing separator: one look finds it, or tells
    // that there is nothing to list (a missing folder is asked for often).
    std::string disk = ".";
    if (!folder.empty()) {
        std::string folderPath = folder;
        while (folderPath.size() > 1 && (folderPath.back() == '/' || folderPath.back() == '\\'))
            folderPath.pop_back();
        const platform::DiskEntry entry = platform::diskEntry(folderPath);
        if (!entry.exists || !S_ISDIR(entry.st.st_mode))
            return INVALID_HANDLE_VALUE;
        disk = entry.path;
    }
    DIR* dir = opendir(disk.c_str());
    if (!dir)
        return INVALID_HANDLE_VALUE;
    auto* search = new Search;
    std::vector<Found> dots;
    while (dirent* entry = readdir(dir)) {
        const std::string_view diskName(entry->d_name);
        if (AtomicFileWriter::isTemporaryName(diskName))
            continue;
        const std::string name = platform::fromDiskName(diskName).str();
        if (!matchesFileMask(name.c_str(), mask.c_str()))
            continue;
        // A link shows what it points to (itself when that is missing) and
        // is marked, so that callers walking down the folders pass it by.
        const std::string entryPath = disk + "/" + std::string(diskName);
        struct stat st;
        if (lstat(entryPath.c_str(), &st) != 0)
            continue;
        const bool isLink = S_ISLNK(st.st_mode);
        if (isLink)
            stat(entryPath.c_str(), &st);
        (name == "." || name == ".." ? dots : search->entries).push_back(makeEntry(name, st, isLink));
    }
    closedir(dir);
    std::sort(search->entries.begin(), search->entries.end(), [](const Found& a, const Found& b) {
        const int c = encoding::compareNoCase(a.name, b.name);
        return c != 0 ? c < 0 : a.name < b.name;
    });
    std::sort(dots.begin(), dots.end(), [](const Found& a, const Found& b) { return a.name < b.name; });
    search->entries.insert(search->entries.begin(), dots.begin(), dots.end());
    if (search->entries.empty()) {
        delete search;
        return INVALID_HANDLE_VALUE;
    }
    *data = search->entries[0].data;
    search->next = 1;
    return search;
}

BOOL FindNextFileA(HANDLE handle, WIN32_FIND_DATAA* data) {
    if (!handle || handle == INVALID_HANDLE_VALUE || !data)
        return FALSE;
    auto* search = static_cast<Search*>(handle);
    if (search->next >= search->entries.size())
        return FALSE;
    *data = search->entries[search->next++].data;
    return TRUE;
}

BOOL FindClose(HANDLE handle) {
    if (!handle || handle == INVALID_HANDLE_VALUE)
        return FALSE;
    delete static_cast<Search*>(handle);
    return TRUE;
}

bool forEachFolderEntry(const char* folder,
                        const std::function<bool(const CString& name, DWORD attributes)>& f) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((std::string(folder) + "/*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    do {
        const CString name = data.cFileName;
        if (name != "." && name != ".." && !f(name, data.dwFileAttributes))
            break;
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return true;
}

bool isSymbolicLink(const char* path) {
    if (!path || !*path)
        return false;
    std::string disk = platform::diskPath(path);
    while (disk.size() > 1 && disk.back() == '/')
        disk.pop_back();
    struct stat st;
    return lstat(disk.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

CString resolvedPath(const char* path) {
    if (!path || !*path)
        return CString();
    char* resolved = realpath(platform::diskPath(path).c_str(), nullptr);
    if (!resolved)
        return CString();
    const CString result = resolved;
    std::free(resolved);
    return result;
}

bool isResolvedWithin(const CString& path, const CString& folder) {
    if (path.IsEmpty() || folder.IsEmpty())
        return false;
    const std::string_view inner = path.str();
    const std::string_view outer = folder.str();
    if (outer == "/")
        return inner[0] == '/';
    return inner.substr(0, outer.size()) == outer &&
           (inner.size() == outer.size() || inner[outer.size()] == '/');
}

bool isRealFolder(const char* path) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path, &data);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}
