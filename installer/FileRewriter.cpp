#include "FileRewriter.h"

#include "FileOps.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

// Named as the program's other temporary files, which listings leave out.
constexpr char kStageName[] = ".~tvXXXXXX.part";
constexpr int kStageSuffix = 5;

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool hasExtendedAttributes(int fd) {
    return flistxattr(fd, nullptr, 0) > 0;
}

bool writeAll(int fd, const char* bytes, size_t size, off_t at) {
    while (size > 0) {
        const ssize_t n = pwrite(fd, bytes, size, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<size_t>(n);
        at += n;
    }
    return true;
}

} // namespace

FileRewriter::FileRewriter(const std::u16string& path, ReadOnly readOnly) : m_path(files::diskPath(path)) {
    char resolved[PATH_MAX];
    const bool exists = realpath(m_path.c_str(), resolved) != nullptr;
    if (exists)
        m_path = resolved;
    else if (errno != ENOENT) {
        fail(errno);
        return;
    }
    const size_t slash = m_path.rfind('/');
    m_folder = slash == std::string::npos ? std::string() : m_path.substr(0, slash + 1);
    if (exists) {
        // Not blocking on a pipe: only a regular file is rewritten.
        m_target = open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (m_target < 0 || fstat(m_target, &m_targetStat) != 0) {
            fail(errno);
            return;
        }
        if (!S_ISREG(m_targetStat.st_mode)) {
            fail(EINVAL);
            return;
        }
        if (readOnly == ReadOnly::Refuse && (m_targetStat.st_mode & 0222) == 0) {
            fail(EACCES);
            return;
        }
        fcntl(m_target, F_SETFL, fcntl(m_target, F_GETFL) & ~O_NONBLOCK);
    }
    makeStage();
}

FileRewriter::~FileRewriter() {
    closeAll();
}

void FileRewriter::closeAll() {
    if (m_stage >= 0)
        close(m_stage);
    if (m_target >= 0)
        close(m_target);
    if (!m_stagePath.empty())
        unlink(m_stagePath.c_str());
    m_stage = m_target = -1;
    m_stagePath.clear();
}

bool FileRewriter::fail(int error) {
    if (m_error == 0)
        m_error = error != 0 ? error : EIO;
    closeAll();
    return false;
}

// Beside the file, where it can take the file's place; where the folder
// takes no new file, a stage without a name in the temporary folder, whose
// bytes are then copied over the file's.
void FileRewriter::makeStage() {
    std::string name = m_folder + kStageName;
    m_stage = mkostemps(name.data(), kStageSuffix, O_CLOEXEC);
    if (m_stage >= 0) {
        m_stagePath = name;
        return;
    }
    if (m_target < 0) {
        fail(errno);
        return;
    }
    const char* temporary = std::getenv("TMPDIR");
    const std::string folder = temporary && *temporary ? temporary : "/tmp";
    m_stage = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (m_stage >= 0)
        return;
    name = folder + "/" + kStageName;
    m_stage = mkostemps(name.data(), kStageSuffix, O_CLOEXEC);
    if (m_stage < 0) {
        fail(errno);
        return;
    }
    unlink(name.c_str());
}

bool FileRewriter::write(std::string_view bytes) {
    if (m_stage < 0)
        return false;
    if (!writeAll(m_stage, bytes.data(), bytes.size(), m_written))
        return fail(errno);
    m_written += static_cast<off_t>(bytes.size());
    return true;
}

bool FileRewriter::commit() {
    if (m_stage < 0)
        return false;
    if (m_target < 0) {
        // A new file.
        if (fchmod(m_stage, newFileMode()) != 0 || rename(m_stagePath.c_str(), m_path.c_str()) != 0)
            return fail(errno);
        m_stagePath.clear();
        closeAll();
        return true;
    }
    if (!renameOver() && !copyOver())
        return false;
    // A write the system kept back may fail only when the file is closed.
    const int target = m_target;
    m_target = -1;
    if (close(target) != 0)
        return fail(errno);
    closeAll();
    return true;
}

bool FileRewriter::renameOver() {
    if (m_stagePath.empty() || m_targetStat.st_nlink != 1 || hasExtendedAttributes(m_target))
        return false;
    // The owner first: changing it clears the set-user and set-group bits.
    if (fchown(m_stage, m_targetStat.st_uid, m_targetStat.st_gid) != 0 ||
        fchmod(m_stage, m_targetStat.st_mode & 07777) != 0 ||
        rename(m_stagePath.c_str(), m_path.c_str()) != 0)
        return false;
    m_stagePath.clear();
    return true;
}

bool FileRewriter::copyOver() {
    std::vector<char> block(65536);
    for (off_t at = 0; at < m_written;) {
        const ssize_t n = pread(m_stage, block.data(), block.size(), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : EIO);
        if (!writeAll(m_target, block.data(), static_cast<size_t>(n), at))
            return fail(errno);
        at += n;
    }
    if (ftruncate(m_target, m_written) != 0)
        return fail(errno);
    return true;
}
