#pragma once

// What conditions and formatted records read from an installation: its
// properties and the states of its components.

#include <string>

class MsiValueSource {
public:
    virtual ~MsiValueSource() = default;
    // The empty text for a property that is not set.
    virtual std::u16string property(const std::u16string& name) const = 0;
    // INSTALLSTATE_UNKNOWN for a component the package does not have.
    virtual int installedState(const std::u16string& component) const = 0;
    virtual int actionState(const std::u16string& component) const = 0;
};
