#include "AppProfile.h"

#include "Encoding.h"
#include "FileSystem.h"
#include "FolderListingCache.h"
#include "PrivateProfile.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

CString g_registryKey = "Maravex Process";
CString g_application = "Tolvane";

// Creates every missing folder of a file-system path.
void makeFolders(const std::string& folder) {
    for (size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos == folder.size() || folder[pos] == '/') {
            const std::string part = folder.substr(0, pos);
            if (mkdir(part.c_str(), 0777) == 0)
                FolderListingCache::instance().forgetAround(part);
        }
    }
}

} // namespace

namespace AppProfile {

void setRegistryKey(const char* key) {
    g_registryKey = key;
}
void setApplicationName(const char* name) {
    g_application = name;
}

std::string registryDiskFolder() {
    if (const char* dir = std::getenv("TOLVANE_REGISTRY_DIR"); dir && *dir)
        return dir;
    if (const char* dir = std::getenv("XDG_CONFIG_HOME"); dir && *dir)
        return dir;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.config";
}

CString registryFolder() {
    return platform::fromDiskName(registryDiskFolder());
}

CString profileFile() {
    return registryFolder() + "/" + g_registryKey + "/" + g_application + ".ini";
}

CString GetProfileString(const char* section, const char* entry, const char* defaultValue) {
    const auto file = platform::readProfile(profileFile());
    if (file && section && entry) {
        if (const auto value = file->get(section, entry))
            return CString(*value);
    }
    return CString(defaultValue);
}

BOOL WriteProfileString(const char* section, const char* entry, const char* value) {
    const CString path = profileFile();
    makeFolders(platform::diskPath((registryFolder() + "/" + g_registryKey).str()));
    return WritePrivateProfileStringA(section, entry, value, path);
}

int GetProfileInt(const char* section, const char* entry, int defaultValue) {
    const CString text = GetProfileString(section, entry, nullptr);
    if (text.IsEmpty())
        return defaultValue;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (end == text.GetString() || errno != 0)
        return defaultValue;
    return static_cast<int>(value);
}

BOOL WriteProfileInt(const char* section, const char* entry, int value) {
    return WriteProfileString(section, entry, std::to_string(value).c_str());
}

} // namespace AppProfile
