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

ssize_t InputFile::read(void* buffer, size_t size) {
    if (m_fd < 0)
        return -1;
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(m_fd, static_cast<char*>(buffer) + done, size - done);
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
