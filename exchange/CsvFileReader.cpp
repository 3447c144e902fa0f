#include "CsvFileReader.h"

#include "Encoding.h"
#include "FileSystem.h"

#include <string>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

} // namespace

CsvFileReader::Result CsvFileReader::read(const CString& path) {
    m_records.clear();
    m_lines.clear();
    std::string bytes;
    if (path.IsEmpty() || !platform::readFileBytes(path, bytes))
        return Result::CannotOpen;
    return parse(std::move(bytes));
}

CsvFileReader::Result CsvFileReader::parse(std::string bytes) {
    m_records.clear();
    m_lines.clear();
    // Only the mark tells UTF-8: code-page text may form valid UTF-8 too
    // ("\xC4\xBB"), and the program's own files carry no mark.
    if (bytes.starts_with(kUtf8Mark))
        bytes = encoding::utf8ToCp1252(std::string_view(bytes).substr(kUtf8Mark.size()));

    std::vector<CString> fields;
    std::string field;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the current field began with a quote
    bool afterSeparator = false;
    bool pending = false; // something of the current record was read
    int line = 1;
    int recordLine = 1;
    auto endField = [&] {
        fields.emplace_back(field.c_str(), static_cast<int>(field.size()));
        field.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        // A trailing separator adds no field; an empty line is one empty field.
        if (!(afterSeparator && field.empty() && !wasQuoted))
            endField();
        m_records.push_back(std::move(fields));
        m_lines.push_back(recordLine);
        fields.clear();
        field.clear();
        wasQuoted = afterSeparator = pending = false;
    };
    const size_t size = bytes.size();
    for (size_t i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < size && bytes[i + 1] == '"')
                    field += bytes[++i];
                else
                    quoted = false;
                continue;
            }
            if (c == '\n')
                ++line;
            field += c;
            continue;
        }
        if (!pending)
            recordLine = line;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n')
                ++i;
            ++line;
            endRecord();
            continue;
        }
        pending = true;
        if (c == ';') {
            endField();
            afterSeparator = true;
            continue;
        }
        afterSeparator = false;
        if (c == '"' && field.empty() && !wasQuoted) {
            quoted = wasQuoted = true;
            continue;
        }
        field += c;
    }
    if (quoted) {
        m_records.clear();
        m_lines.clear();
        return Result::Damaged;
    }
    if (pending)
        endRecord();
    return Result::Read;
}
