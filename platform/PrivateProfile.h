#pragma once

// The Windows profile-file calls over ProfileFile, with a cache of parsed
// files that is checked against each file's size, nanosecond modification
// time and identity at every read, so a file is parsed once and re-read only
// when it changed on disk (by this program or any other). Every write
// replaces the file whole.

#include "ProfileFile.h"
#include "WinTypes.h"

#include <functional>
#include <memory>
#include <string>

// Returns the number of characters copied, without the final NUL. A null
// section lists the section names, a null key the key names of the section
// (each NUL-terminated, the list ended by one more NUL; size - 2 when cut).
// A value is cut to size - 1 characters (size - 1 is then returned). A
// missing file, section or key gives the default, without its trailing blanks.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                               LPCSTR fileName);

// Writes key=value into the section, creating section and file as needed.
// A null value deletes the key, a null key the whole section. A write that
// changes nothing (the key already holds the value, the key or section to
// delete is not there) leaves the file untouched. FALSE when the file could
// not be written (its old content then stays).
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);

namespace platform {

// A parsed profile file from the cache; null when the file is missing or unreadable.
std::shared_ptr<const ProfileFile> readProfile(const char* fileName);

// Applies edit to the file's parsed content (empty when the file is missing)
// and writes the result once. Edit answers whether it changed anything: when
// it did not, nothing is written. False only when the write failed.
bool updateProfile(const char* fileName, const std::function<bool(ProfileFile&)>& edit);

// Forgets every cached file (a new project opens).
void clearProfileCache();

// The program changed the file at this disk path: a read pass under way
// looks at it again before taking what it parsed of it.
void forgetProfileInPass(const std::string& diskPath);

// While one lives, the file stays parsed in the cache however many other
// files are read (and is still read again when it changes on disk): the
// settings of the open project, asked for at every page.
class KeptProfile {
public:
    explicit KeptProfile(const char* fileName);
    ~KeptProfile();
    KeptProfile(const KeptProfile&) = delete;
    KeptProfile& operator=(const KeptProfile&) = delete;

private:
    std::string m_disk;
};

} // namespace platform
