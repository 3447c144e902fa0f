#include "XmlBackup.h"

#include "Exception.h"
#include "FileOps.h"
#include "FileRewriter.h"
#include "InputFile.h"
#include "InstallerMessages.h"
#include "Text.h"
#include "XmlFileRecord.h"

#include <cerrno>
#include <vector>

namespace {

const std::u16string kSource = u"xml\\XmlManager";
constexpr int kBackupLine = 437;
constexpr size_t kCopyBlock = 65536;

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
    if (backup.empty())
        return false;
    const std::u16string path = file.fullPath();
    // A file gone meanwhile comes back as the backup is, with its mode.
    if (!files::exists(path))
        return files::copyFile(backup, path, false) == 0;
    InputFile source;
    if (!source.open(backup))
        return false;
    // A read-only file is put back too, and stays read-only.
    FileRewriter target(path, FileRewriter::ReadOnly::Write);
    std::vector<char> block(kCopyBlock);
    for (;;) {
        const ssize_t read = source.read(block.data(), block.size());
        if (read < 0)
            return false;
        if (read == 0)
            return target.commit();
        if (!target.write(std::string_view(block.data(), static_cast<size_t>(read))))
            return false;
    }
}
