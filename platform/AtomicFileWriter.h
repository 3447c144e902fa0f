#pragma once

// Writes a file so that it is replaced whole or not at all: the bytes go to a
// temporary file in the same folder, which takes the target's place by a
// rename when committed. A crash or a kill before the commit leaves the old
// file untouched; an uncommitted writer removes its temporary file.

#include <string>
#include <string_view>

class AtomicFileWriter {
public:
    // diskPath is a path as the file system takes it (UTF-8, '/').
    explicit AtomicFileWriter(std::string diskPath);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    bool write(std::string_view bytes);
    // Renames the temporary file over the target; false when any write failed
    // or the rename did (the target then keeps its old content).
    bool commit();
    // With failIfExists the commit refuses to replace an existing target.
    void setFailIfExists(bool failIfExists) { m_failIfExists = failIfExists; }
    void discard();
    int lastError() const { return m_error; }

    // Temporary files are named so that folder listings can leave them out.
    static bool isTemporaryName(std::string_view fileName);

private:
    // The path asked for, which may be a symbolic link to the target.
    std::string m_asked;
    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
    int m_error = 0;
    bool m_failIfExists = false;
};
