#include "InputFile.h"

#include "FileOps.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool InputFile::open(const std::u16string& path) {
    close();
    if (path.empty())
        return false;
    m_fd = ::open(files::diskPath(path).c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (m_fd >= 0 && (fstat(m_fd, &info) != 0 || S_ISDIR(info.st_mode)))
        close();
    return m_fd >= 0;
}

void InputFile::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

namespace {

// Reads until size bytes are there, the file ends or a call fails.
template <class Read> ssize_t readFully(void* buffer, size_t size, Read&& read) {
    size_t done = 0;
    while (done < size) {
        const ssize_t got = read(static_cast<char*>(buffer) + done, size - done, done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

} // namespace

ssize_t InputFile::read(void* buffer, size_t size) {
    if (m_fd < 0)
        return -1;
    return readFully(buffer, size, [&](char* at, size_t left, size_t) { return ::read(m_fd, at, left); });
}

ssize_t InputFile::readAt(void* buffer, size_t size, std::int64_t offset) const {
    if (m_fd < 0 || offset < 0)
        return -1;
    return readFully(buffer, size, [&](char* at, size_t left, size_t done) {
        return ::pread(m_fd, at, left, static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
    });
}

std::int64_t InputFile::size() const {
    struct stat info;
    if (m_fd < 0 || fstat(m_fd, &info) != 0)
        return -1;
    return static_cast<std::int64_t>(info.st_size);
}
