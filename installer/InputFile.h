#pragma once

// A file open for reading, closed when the object goes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

class InputFile {
public:
    InputFile() = default;
    ~InputFile() { close(); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Opens an existing file (UTF-16 path, see files::diskPath).
    bool open(const std::u16string& path);
    void close();
    // Reads up to size bytes, fewer only at the end of the file; -1 on failure.
    ssize_t read(void* buffer, size_t size);
    // The same from an offset, leaving the position of read alone.
    ssize_t readAt(void* buffer, size_t size, std::int64_t offset) const;
    // The size of the file; -1 when it cannot be read.
    std::int64_t size() const;

private:
    int m_fd = -1;
};
