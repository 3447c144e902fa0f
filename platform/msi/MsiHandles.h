#pragma once

// The table of open handles: every record, view, database and installation
// that the calls hand out is an object kept here under a number until it is
// closed. Objects are shared, so a database stays open while a view made on
// it lives, whatever the order in which their handles are closed.

#include "Msi.h"

#include <memory>

// What a handle stands for.
class MsiObject {
public:
    virtual ~MsiObject() = default;
};

class MsiHandles {
public:
    static MSIHANDLE add(std::shared_ptr<MsiObject> object);
    static std::shared_ptr<MsiObject> find(MSIHANDLE handle);
    // False when the handle is not open.
    static bool close(MSIHANDLE handle);

    template <class T> static std::shared_ptr<T> get(MSIHANDLE handle) {
        return std::dynamic_pointer_cast<T>(find(handle));
    }
};
