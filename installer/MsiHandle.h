#pragma once

// An installer handle that this library opened and closes when it goes
// (a record, a view, a database); 0 when it holds none.

#include "Msi.h"

class MsiHandle {
public:
    MsiHandle() = default;
    explicit MsiHandle(MSIHANDLE handle) : m_handle(handle) {}
    ~MsiHandle() { reset(); }
    MsiHandle(const MsiHandle&) = delete;
    MsiHandle& operator=(const MsiHandle&) = delete;

    MSIHANDLE get() const { return m_handle; }
    // For the calls that hand out a handle; the one held before is closed.
    MSIHANDLE* receive() {
        reset();
        return &m_handle;
    }
    void reset(MSIHANDLE handle = 0) {
        if (m_handle)
            MsiCloseHandle(m_handle);
        m_handle = handle;
    }

private:
    MSIHANDLE m_handle = 0;
};
