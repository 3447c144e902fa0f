#pragma once

// An installer package opened read-only through libmsi: the database behind
// a database handle and behind the session of an installation.

#include "MsiHandles.h"
#include "MsiRecord.h"

#include <memory>
#include <string>
#include <vector>

typedef struct _LibmsiDatabase LibmsiDatabase;

class MsiPackage : public MsiObject, public std::enable_shared_from_this<MsiPackage> {
public:
    ~MsiPackage() override;
    MsiPackage(const MsiPackage&) = delete;
    MsiPackage& operator=(const MsiPackage&) = delete;

    // Null, with the reason in error, when the file is no package.
    static std::shared_ptr<MsiPackage> open(const std::string& path, std::string& error);

    LibmsiDatabase* database() const { return m_database; }
    const std::string& path() const { return m_path; }

    // The rows of a query; none when the query fails (a missing table, for one).
    std::vector<std::shared_ptr<MsiRecord>> select(const std::u16string& query) const;

private:
    MsiPackage(LibmsiDatabase* database, std::string path) : m_database(database), m_path(std::move(path)) {}

    LibmsiDatabase* m_database;
    std::string m_path;
};
