#include "TextOutStream.h"

#include "AtomicFileWriter.h"
#include "FileSystem.h"
#include "FolderListingCache.h"

#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr size_t kFlushSize = 1 << 16;

} // namespace

TextOutStream::TextOutStream(const char* path, Mode mode, bool binary, Share share) {
    open(path, mode, binary, share);
}

TextOutStream::TextOutStream() = default;

TextOutStream::~TextOutStream() {
    if (std::uncaught_exceptions() > 0)
        discard();
    else
        close();
}

bool TextOutStream::open(const char* path, Mode mode, bool binary, Share share) {
    close();
    m_mode = mode;
    m_binary = binary;
    m_buffer.clear();
    // Told by close() until an opening succeeds.
    m_failed = true;
    if (!path || !*path)
        return false;
    const std::string disk = platform::diskPath(path);
    if (mode == Mode::Replace) {
        m_writer = std::make_unique<AtomicFileWriter>(disk);
        if (!m_writer->isOpen()) {
            m_writer.reset();
            return false;
        }
    } else {
        const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == Mode::Append ? O_APPEND : 0);
        m_fd = ::open(disk.c_str(), flags, 0666);
        m_disk = disk;
        // The file may be new in its folder.
        FolderListingCache::instance().forgetAround(disk);
        if (m_fd < 0)
            return false;
        // A writer is refused while another stream denies writing; DenyWrite
        // itself needs the file to be open nowhere else for writing.
        const int lock = share == Share::DenyWrite ? LOCK_EX : LOCK_SH;
        if (flock(m_fd, lock | LOCK_NB) != 0) {
            ::close(m_fd);
            m_fd = -1;
            return false;
        }
        if (mode == Mode::InPlace && ftruncate(m_fd, 0) != 0) {
            ::close(m_fd);
            m_fd = -1;
            return false;
        }
    }
    m_open = true;
    m_good = true;
    m_failed = false;
    return true;
}

TextOutStream& TextOutStream::writeBytes(std::string_view bytes) {
    if (!m_open)
        return *this;
    m_buffer.append(bytes);
    if (m_buffer.size() >= kFlushSize)
        flushBuffer();
    return *this;
}

TextOutStream& TextOutStream::write(std::string_view bytes) {
    if (!m_open || m_binary)
        return writeBytes(bytes);
    for (char c : bytes) {
        if (c == '\n')
            m_buffer += '\r';
        m_buffer += c;
    }
    if (m_buffer.size() >= kFlushSize)
        flushBuffer();
    return *this;
}

bool TextOutStream::flushBuffer() {
    if (m_buffer.empty())
        return m_good;
    if (m_writer) {
        if (!m_writer->write(m_buffer))
            m_good = false;
    } else if (m_fd >= 0) {
        std::string_view rest(m_buffer);
        while (!rest.empty()) {
            const ssize_t n = ::write(m_fd, rest.data(), rest.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                m_good = false;
                break;
            }
            rest.remove_prefix(static_cast<size_t>(n));
        }
    }
    m_buffer.clear();
    return m_good;
}

bool TextOutStream::close() {
    if (!m_open)
        return !m_failed;
    bool ok = flushBuffer();
    if (m_writer) {
        ok = ok ? m_writer->commit() : (m_writer->discard(), false);
        m_writer.reset();
    }
    if (m_fd >= 0) {
        if (::close(m_fd) != 0)
            ok = false;
        m_fd = -1;
        // Written in place: what a read pass knew of the file is out of date.
        FolderListingCache::instance().forgetAround(m_disk);
    }
    m_open = false;
    m_failed = !ok;
    return ok;
}

void TextOutStream::discard() {
    if (!m_open)
        return;
    m_failed = true;
    m_buffer.clear();
    if (m_writer) {
        m_writer->discard();
        m_writer.reset();
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
        // Written in place, if only in part: what a read pass knew of the
        // file is out of date.
        FolderListingCache::instance().forgetAround(m_disk);
    }
    m_open = false;
}

TextOutStream& TextOutStream::operator<<(int value) { return write(std::to_string(value)); }
TextOutStream& TextOutStream::operator<<(long value) { return write(std::to_string(value)); }
TextOutStream& TextOutStream::operator<<(unsigned int value) { return write(std::to_string(value)); }
TextOutStream& TextOutStream::operator<<(unsigned long value) { return write(std::to_string(value)); }

TextOutStream& TextOutStream::operator<<(double value) {
    CString text;
    text.Format("%g", value);
    return write(text.str());
}
