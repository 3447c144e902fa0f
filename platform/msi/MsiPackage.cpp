#include "MsiPackage.h"

#include "MsiView.h"

#include <libmsi.h>

MsiPackage::~MsiPackage() {
    g_object_unref(m_database);
}

std::shared_ptr<MsiPackage> MsiPackage::open(const std::string& path, std::string& error) {
    GError* failure = nullptr;
    LibmsiDatabase* database = libmsi_database_new(path.c_str(), LIBMSI_DB_FLAGS_READONLY, nullptr, &failure);
    if (!database) {
        error = failure && failure->message ? failure->message : "cannot open the package";
        g_clear_error(&failure);
        return nullptr;
    }
    g_clear_error(&failure);
    return std::shared_ptr<MsiPackage>(new MsiPackage(database, path));
}

std::vector<std::shared_ptr<MsiRecord>> MsiPackage::select(const std::u16string& query) const {
    std::vector<std::shared_ptr<MsiRecord>> rows;
    MsiView view(shared_from_this(), query);
    if (view.open() != ERROR_SUCCESS || view.execute(nullptr) != ERROR_SUCCESS)
        return rows;
    std::shared_ptr<MsiRecord> row;
    while (view.fetch(row) == ERROR_SUCCESS)
        rows.push_back(row);
    return rows;
}
