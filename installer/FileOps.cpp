#include "FileOps.h"

#include "CodePage.h"
#include "FileSystem.h"
#include "Text.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

std::string diskPath(const std::u16string& path) {
    std::string out = codepage::toUtf8(path);
    for (char& c : out) {
        if (c == '\\')
            c = '/';
    }
    return out;
}

bool exists(const std::u16string& path) {
    struct stat info;
    return !path.empty() && stat(diskPath(path).c_str(), &info) == 0;
}

bool deleteFile(const std::u16string& path) {
    return unlink(diskPath(path).c_str()) == 0;
}

int copyFile(const std::u16string& from, const std::u16string& to, bool failIfExists) {
    if (platform::copyDiskFile(diskPath(from), diskPath(to), failIfExists))
        return 0;
    const int error = platform::lastErrorCode();
    return error != 0 ? error : EIO;
}

int createFolders(const std::u16string& path, bool lastIsFolder, std::vector<std::u16string>* created) {
    if (exists(path))
        return 0;
    std::vector<std::u16string> pieces = text::split(text::replaceAll(path, u"/", u"\\"), u"\\");
    if (pieces.size() >= 3 && pieces[0].empty() && pieces[1].empty()) {
        pieces.erase(pieces.begin(), pieces.begin() + 2);
        pieces[0] = u"\\\\" + pieces[0];
    }
    if (pieces.empty())
        return 0;
    const size_t levels = lastIsFolder ? pieces.size() : pieces.size() - 1;
    std::u16string current = pieces[0];
    for (size_t level = 1; level < levels; ++level) {
        const std::u16string folder = current + u"\\" + pieces[level];
        if (mkdir(diskPath(folder).c_str(), 0777) == 0) {
            if (created)
                created->push_back(folder);
        } else if (errno != EEXIST) {
            const int error = errno;
            if (level >= 2)
                rmdir(diskPath(current).c_str());
            return error;
        }
        current = folder;
    }
    return 0;
}

} // namespace files
