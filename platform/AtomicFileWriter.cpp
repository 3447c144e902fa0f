#include "AtomicFileWriter.h"

#include "FolderListingCache.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kTempPrefix = ".~tv";
constexpr std::string_view kTempSuffix = ".part";

// A symbolic link is replaced through its target, not turned into a file.
std::string followLink(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved))
            return resolved;
    }
    return path;
}

mode_t defaultMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string diskPath)
    : m_asked(std::move(diskPath)), m_target(followLink(m_asked)) {
    const size_t slash = m_target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : m_target.substr(0, slash + 1);
    m_temp = folder + std::string(kTempPrefix) + "XXXXXX" + std::string(kTempSuffix);
    m_fd = mkostemps(m_temp.data(), static_cast<int>(kTempSuffix.size()), O_CLOEXEC);
    if (m_fd < 0) {
        m_error = errno;
        m_temp.clear();
    }
}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

bool AtomicFileWriter::write(std::string_view bytes) {
    if (m_fd < 0)
        return false;
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            m_error = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (m_fd < 0)
        return false;
    struct stat st;
    const mode_t mode = stat(m_target.c_str(), &st) == 0 ? (st.st_mode & 07777) : defaultMode();
    fchmod(m_fd, mode);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && m_error == 0)
        m_error = errno;
    if (m_error != 0) {
        unlink(m_temp.c_str());
        m_temp.clear();
        return false;
    }
    int rc;
    if (m_failIfExists) {
        rc = renameat2(AT_FDCWD, m_temp.c_str(), AT_FDCWD, m_target.c_str(), RENAME_NOREPLACE);
        if (rc != 0 && errno == EINVAL) {
            // File systems without the no-replace rename: check, then rename.
            struct stat existing;
            if (lstat(m_target.c_str(), &existing) == 0) {
                errno = EEXIST;
                rc = -1;
            } else {
                rc = rename(m_temp.c_str(), m_target.c_str());
            }
        }
    } else {
        rc = rename(m_temp.c_str(), m_target.c_str());
    }
    if (rc != 0) {
        m_error = errno;
        unlink(m_temp.c_str());
        m_temp.clear();
        return false;
    }
    m_temp.clear();
    // The file may be new in its folder.
    FolderListingCache::instance().noteFileWritten(m_target);
    if (m_asked != m_target)
        FolderListingCache::instance().forgetAround(m_asked);
    return true;
}

void AtomicFileWriter::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.empty()) {
        unlink(m_temp.c_str());
        m_temp.clear();
    }
}

bool AtomicFileWriter::isTemporaryName(std::string_view fileName) {
    return fileName.size() >= kTempPrefix.size() + kTempSuffix.size() && fileName.starts_with(kTempPrefix) &&
           fileName.ends_with(kTempSuffix);
}
