#include "SharedHold.h"

#include "FileSystem.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// The holds this program keeps, by file.
std::mutex g_holdsLock;
std::map<std::string, int> g_holds;

// Locks of the open file itself, not of the process: two holds of one
// program conflict like those of two programs, and a lock changes from
// alone to shared in one step, so that a newcomer never finds the file
// free while its holder changes its lock.
bool setLock(int fd, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool refusedByAnotherHolder() {
    return errno == EAGAIN || errno == EACCES;
}

} // namespace

SharedHold::SharedHold(const char* path) {
    const std::string disk = platform::diskPath(path ? path : "");
    m_fd = disk.empty() ? -1 : open(disk.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    struct stat st {};
    if (m_fd < 0 || fstat(m_fd, &st) != 0) {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = -1;
        return;
    }
    m_key = std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
    std::lock_guard<std::mutex> guard(g_holdsLock);
    const bool heldHere = g_holds[m_key]++ > 0;
    if (!heldHere) {
        if (setLock(m_fd, F_WRLCK)) {
            setLock(m_fd, F_RDLCK);
            return;
        }
        // A file system without such locks tells nothing about others.
        if (!refusedByAnotherHolder())
            return;
        m_othersHeld = true;
    }
    // A newcomer holds the file alone for a moment only.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (setLock(m_fd, F_RDLCK) || !refusedByAnotherHolder())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

SharedHold::~SharedHold() {
    if (m_fd < 0)
        return;
    std::lock_guard<std::mutex> guard(g_holdsLock);
    close(m_fd);
    if (--g_holds[m_key] == 0)
        g_holds.erase(m_key);
}
