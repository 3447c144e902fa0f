#pragma once

// The file-system operations of Tarnwick. Paths are UTF-16 text; "\" and "/"
// both separate names, and the path reaches the disk as UTF-8 with "/".

#include <string>
#include <vector>

namespace files {

std::string diskPath(const std::u16string& path);
bool exists(const std::u16string& path);
bool deleteFile(const std::u16string& path);
// Copies a file whole, keeping its time and permissions; with failIfExists
// an existing target is never replaced. 0, or the system's error code
// (EEXIST for an existing target).
int copyFile(const std::u16string& from, const std::u16string& to, bool failIfExists);

// Creates the missing folders of a path (its last name too when
// lastIsFolder); the folders made are appended to created when given. A
// path that starts with two separators begins with a server, which is
// never created alone. 0, or the system's error code of the first folder
// that could not be made (its empty parent, from the third level on, is
// then removed again).
int createFolders(const std::u16string& path, bool lastIsFolder,
                  std::vector<std::u16string>* created = nullptr);

} // namespace files
