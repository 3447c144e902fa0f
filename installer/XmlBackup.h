#pragma once

// The backup copies of target files: made in the file's folder before a
// run changes an existing file, copied back when the run is undone. A
// backup's name comes from the row's BackupFileName, or from the file's
// name followed by ".#.back", the "#" standing for a counter that makes the
// name free.

#include <cstdint>
#include <string>

struct XmlFileRecord;

class XmlBackup {
public:
    // How many names makeBackup tries before it gives up.
    static constexpr int kMaxAttempts = 1000;

    // The full path of the backup with that counter: counter 0 leaves the
    // counter out with one separator beside it (config.xml.back), others
    // put it in place of the "#" (config.xml.2.back). A template without
    // "#" takes the counter at its end.
    static std::u16string backupName(const XmlFileRecord& file, std::uint32_t counter);
    // Copies the file to the first free backup name and gives its path.
    // An existing file is never replaced; when no name is free within
    // kMaxAttempts, or the copy fails for another reason, error 4115 with
    // the backup's path.
    static std::u16string makeBackup(const XmlFileRecord& file);
    // Gives the file the bytes of a backup, keeping its owner, group, mode
    // and links (a read-only file too); a missing file is copied back whole.
    // False for an empty path or a failed copy.
    static bool restoreFromBackup(const std::u16string& backup, const XmlFileRecord& file);
};
