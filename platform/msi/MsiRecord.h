#pragma once

// A record: fields 0 to n, each null, an integer, a text or a stream. Field
// 0 holds the template of a formatted record or a message.

#include "MsiHandles.h"

#include <optional>
#include <string>
#include <vector>

class MsiRecord : public MsiObject {
public:
    enum class Kind { Null, Integer, String, Stream };

    explicit MsiRecord(unsigned fieldCount);

    unsigned fieldCount() const { return static_cast<unsigned>(m_fields.size()) - 1; }
    bool hasField(unsigned field) const { return field < m_fields.size(); }
    Kind kind(unsigned field) const;
    bool isNull(unsigned field) const { return kind(field) == Kind::Null; }

    // An empty text makes the field null, as the installer does. False for a
    // field past the last.
    bool setString(unsigned field, std::u16string value);
    bool setInteger(unsigned field, int value);
    bool setStream(unsigned field);
    void setNull(unsigned field);

    // The text of a field: an integer as decimal, null and missing fields
    // empty; nothing for a stream.
    std::optional<std::u16string> string(unsigned field) const;
    // The integer of a field: a text only when it is all an integer;
    // MSI_NULL_INTEGER otherwise.
    int integer(unsigned field) const;

private:
    struct Field {
        Kind kind = Kind::Null;
        int number = 0;
        std::u16string text;
    };
    std::vector<Field> m_fields;
};
