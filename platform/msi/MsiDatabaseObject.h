#pragma once

// What a database handle stands for: the package of a session, shared with
// it, so the handle stays usable whatever is closed first.

#include "MsiHandles.h"

#include <memory>

class MsiPackage;

class MsiDatabaseObject : public MsiObject {
public:
    explicit MsiDatabaseObject(std::shared_ptr<MsiPackage> package) : m_package(std::move(package)) {}
    const std::shared_ptr<MsiPackage>& package() const { return m_package; }

private:
    std::shared_ptr<MsiPackage> m_package;
};
