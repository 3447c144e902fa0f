#include "XmlBackup.h"

#include "Exception.h"
#include "FileOps.h"
#include "InstallerMessages.h"
#include "Text.h"
#include "XmlFileRecord.h"

#include <cerrno>

namespace {

const std::u16string kSource = u"xml\\XmlManager";
constexpr int kBackupLine = 437;

} // namespace

std::u16string XmlBackup::backupName(const XmlFileRecord& file, std::uint32_t counter) {
    const std::u16string pattern =
        file.backupFileName.empty() ? file.fileName + u".#.back" : file.backupFileName;
    const std::vector<std::u16string> pieces = text::split(pattern, u"#");
    const std::u16string before = pieces.empty() ? std::u16string() : pieces[0];
    const std::u16string after = pieces.size() < 2 ? std::u16string() : pieces[1];
    const bool starts = text::startsWith(u"#", pattern, false);
    const bool ends = text::endsWith(pattern, u"#", false);
    if (starts && !ends) {
        if (counter < 1)
            return file.directory + XmlFileRecord::trimSeparator(after, false);
        return file.directory + text::toTextUnsigned(counter) + after;
    }
    std::u16string name = file.directory + before;
    name = counter < 1 ? XmlFileRecord::trimSeparator(name, true) : name + text::toTextUnsigned(counter);
    return name + after;
}

std::u16string XmlBackup::makeBackup(const XmlFileRecord& file) {
    const std::u16string path = file.fullPath();
    std::u16string candidate;
    for (std::uint32_t counter = 0; counter < kMaxAttempts; ++counter) {
        candidate = backupName(file, counter);
        if (files::exists(candidate))
            continue;
        const int error = files::copyFile(path, candidate, true);
        if (error == 0)
            return candidate;
        if (error != EEXIST) // taken a moment ago: try the next name
            break;
    }
    throw Exception(kSource, kBackupLine, messages::kCannotCreate, {candidate});
}

bool XmlBackup::restoreFromBackup(const std::u16string& backup, const XmlFileRecord& file) {
    return !backup.empty() && files::copyFile(backup, file.fullPath(), false) == 0;
}
