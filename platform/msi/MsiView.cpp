#include "MsiView.h"

#include "MsiPackage.h"
#include "MsiText.h"

#include <libmsi.h>

namespace {

std::shared_ptr<MsiRecord> fromLibmsi(LibmsiRecord* source, const std::u16string& types) {
    const unsigned count = libmsi_record_get_field_count(source);
    auto record = std::make_shared<MsiRecord>(count);
    for (unsigned field = 1; field <= count; ++field) {
        if (libmsi_record_is_null(source, field))
            continue;
        const char16_t type = field - 1 < types.size() ? types[field - 1] : u's';
        if (type == u'i' || type == u'I') {
            record->setInteger(field, libmsi_record_get_int(source, field));
        } else if (type == u'v' || type == u'V') {
            record->setStream(field);
        } else {
            gchar* text = libmsi_record_get_string(source, field);
            record->setString(field, msitext::fromUtf8(text ? text : ""));
            g_free(text);
        }
    }
    return record;
}

LibmsiRecord* toLibmsi(const MsiRecord& source) {
    LibmsiRecord* record = libmsi_record_new(source.fieldCount());
    for (unsigned field = 1; field <= source.fieldCount(); ++field) {
        switch (source.kind(field)) {
        case MsiRecord::Kind::Integer:
            libmsi_record_set_int(record, field, source.integer(field));
            break;
        case MsiRecord::Kind::String:
            libmsi_record_set_string(record, field,
                                     msitext::toUtf8(source.string(field).value_or(u"")).c_str());
            break;
        default:
            break;
        }
    }
    return record;
}

} // namespace

MsiView::MsiView(std::shared_ptr<const MsiPackage> package, std::u16string query)
    : m_package(std::move(package)), m_query(std::move(query)) {}

MsiView::~MsiView() {
    if (m_handle)
        g_object_unref(m_handle);
}

UINT MsiView::open() {
    GError* failure = nullptr;
    m_handle = libmsi_query_new(m_package->database(), msitext::toUtf8(m_query).c_str(), &failure);
    g_clear_error(&failure);
    if (!m_handle)
        return ERROR_BAD_QUERY_SYNTAX;
    if (LibmsiRecord* types = libmsi_query_get_column_info(m_handle, LIBMSI_COL_INFO_TYPES, &failure)) {
        const unsigned count = libmsi_record_get_field_count(types);
        for (unsigned field = 1; field <= count; ++field) {
            gchar* type = libmsi_record_get_string(types, field);
            m_types += type && *type ? static_cast<char16_t>(*type) : u's';
            g_free(type);
        }
        g_object_unref(types);
    }
    g_clear_error(&failure);
    return ERROR_SUCCESS;
}

UINT MsiView::execute(const MsiRecord* parameters) {
    if (!m_handle)
        return ERROR_INVALID_HANDLE_STATE;
    LibmsiRecord* values = parameters ? toLibmsi(*parameters) : nullptr;
    GError* failure = nullptr;
    const bool done = libmsi_query_execute(m_handle, values, &failure);
    g_clear_error(&failure);
    if (values)
        g_object_unref(values);
    m_executed = done;
    return done ? ERROR_SUCCESS : ERROR_FUNCTION_FAILED;
}

UINT MsiView::fetch(std::shared_ptr<MsiRecord>& row) {
    if (!m_handle || !m_executed)
        return ERROR_FUNCTION_FAILED;
    GError* failure = nullptr;
    LibmsiRecord* record = libmsi_query_fetch(m_handle, &failure);
    g_clear_error(&failure);
    if (!record)
        return ERROR_NO_MORE_ITEMS;
    row = fromLibmsi(record, m_types);
    g_object_unref(record);
    return ERROR_SUCCESS;
}

UINT MsiView::close() {
    if (!m_handle)
        return ERROR_INVALID_HANDLE_STATE;
    GError* failure = nullptr;
    libmsi_query_close(m_handle, &failure);
    g_clear_error(&failure);
    m_executed = false;
    return ERROR_SUCCESS;
}

std::shared_ptr<MsiRecord> MsiView::columnInfo(MSICOLINFO info) const {
    if (!m_handle || (info != MSICOLINFO_NAMES && info != MSICOLINFO_TYPES))
        return nullptr;
    GError* failure = nullptr;
    LibmsiRecord* record = libmsi_query_get_column_info(
        m_handle, info == MSICOLINFO_NAMES ? LIBMSI_COL_INFO_NAMES : LIBMSI_COL_INFO_TYPES, &failure);
    g_clear_error(&failure);
    if (!record)
        return nullptr;
    auto result = fromLibmsi(record, std::u16string());
    g_object_unref(record);
    return result;
}
