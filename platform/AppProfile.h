#pragma once

// The application's registry profile (the class library's GetProfileString
// and friends under Software\<registry key>\<application>). It is kept in a
// profile file "<registry key>/<application>.ini" under the registry folder:
// $TOLVANE_REGISTRY_DIR when set, else $XDG_CONFIG_HOME, else ~/.config.

#include "CString.h"
#include "WinTypes.h"

#include <string>

namespace AppProfile {

// The registry key and application names; "Maravex Process" and "Tolvane"
// unless the program sets others.
void setRegistryKey(const char* key);
void setApplicationName(const char* name);

// The folder that stands for the registry.
CString registryFolder();
// The same as the file system names it (UTF-8).
std::string registryDiskFolder();
// The file that holds this application's profile.
CString profileFile();

CString GetProfileString(const char* section, const char* entry, const char* defaultValue = "");
BOOL WriteProfileString(const char* section, const char* entry, const char* value);
int GetProfileInt(const char* section, const char* entry, int defaultValue);
BOOL WriteProfileInt(const char* section, const char* entry, int value);

} // namespace AppProfile
