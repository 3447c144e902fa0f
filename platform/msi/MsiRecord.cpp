#include "MsiRecord.h"

#include "MsiText.h"

MsiRecord::MsiRecord(unsigned fieldCount) : m_fields(fieldCount + 1) {}

MsiRecord::Kind MsiRecord::kind(unsigned field) const {
    return hasField(field) ? m_fields[field].kind : Kind::Null;
}

bool MsiRecord::setString(unsigned field, std::u16string value) {
    if (!hasField(field))
        return false;
    if (value.empty()) {
        setNull(field);
        return true;
    }
    m_fields[field] = {Kind::String, 0, std::move(value)};
    return true;
}

bool MsiRecord::setInteger(unsigned field, int value) {
    if (!hasField(field))
        return false;
    if (value == MSI_NULL_INTEGER)
        setNull(field);
    else
        m_fields[field] = {Kind::Integer, value, {}};
    return true;
}

bool MsiRecord::setStream(unsigned field) {
    if (!hasField(field))
        return false;
    m_fields[field] = {Kind::Stream, 0, {}};
    return true;
}

void MsiRecord::setNull(unsigned field) {
    if (hasField(field))
        m_fields[field] = Field{};
}

std::optional<std::u16string> MsiRecord::string(unsigned field) const {
    if (!hasField(field))
        return std::u16string();
    const Field& f = m_fields[field];
    switch (f.kind) {
    case Kind::Integer:
        return msitext::fromUtf8(std::to_string(f.number));
    case Kind::String:
        return f.text;
    case Kind::Stream:
        return std::nullopt;
    default:
        return std::u16string();
    }
}

int MsiRecord::integer(unsigned field) const {
    if (!hasField(field))
        return MSI_NULL_INTEGER;
    const Field& f = m_fields[field];
    if (f.kind == Kind::Integer)
        return f.number;
    if (f.kind == Kind::String) {
        if (const auto number = msitext::toInteger(f.text))
            return *number;
    }
    return MSI_NULL_INTEGER;
}
