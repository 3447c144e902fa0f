// A semicolon-separated file as the imports read it (CsvFileReader): any
// bytes give records or refuse the file whole, and a file the program
// writes reads back as written: the records read, and the input's bytes
// taken as values of the program's code page, written as the exports write
// their lines and read again, are the same records, on the lines they were
// written on.

#include "CsvFileReader.h"
#include "ExportFile.h"
#include "FuzzProperty.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string describe(const std::vector<CString>& record) {
    std::string text;
    for (const CString& field : record)
        text += "[" + field.str() + "]";
    return text;
}

// Written as the exports write their lines (a fixed header, each field as
// ExportFile::field makes it and followed by ";", CR LF line ends) and read
// again, the records are the same, on the lines they were written on.
void requireReadBackAsWritten(const std::vector<std::vector<CString>>& records, const char* source) {
    std::string written = "uid;name\r\n";
    std::vector<int> writtenLines;
    int line = 2;
    for (const auto& record : records) {
        writtenLines.push_back(line);
        for (const CString& field : record) {
            const CString text = ExportFile::field(field);
            written += text.str() + ";";
            for (const char c : text.str())
                line += c == '\n';
        }
        written += "\r\n";
        ++line;
    }
    CsvFileReader again;
    fuzzRequire(again.parse(written) == CsvFileReader::Result::Read, "a file the program writes is read",
                source);
    const auto& back = again.getRecords();
    fuzzRequire(back.size() == records.size() + 1, "a file the program writes gives its records",
                std::string(source) + ": " + std::to_string(back.size() - 1) + " of " +
                    std::to_string(records.size()));
    fuzzRequire(back.front() == std::vector<CString>{"uid", "name"}, "the header reads back", source);
    for (size_t r = 0; r < records.size(); ++r) {
        fuzzRequire(back[r + 1] == records[r], "a record the program writes reads back as written",
                    std::string(source) + ": " + describe(records[r]) + " / " + describe(back[r + 1]));
        fuzzRequire(again.getLineNumbers()[r + 1] == writtenLines[r], "a record reads back on its line",
                    source);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input's bytes as values of the code page, the program's own: a
    // record ends at 0x1E, a field at 0x1F.
    std::vector<std::vector<CString>> values(1, std::vector<CString>(1));
    for (const char c : fuzzBytes(data, size)) {
        if (c == '\x1E')
            values.emplace_back(1);
        else if (c == '\x1F')
            values.back().emplace_back();
        else
            values.back().back() += c;
    }
    requireReadBackAsWritten(values, "the input's bytes as values");

    CsvFileReader reader;
    const CsvFileReader::Result result = reader.parse(std::string(fuzzBytes(data, size)));
    fuzzRequire(result != CsvFileReader::Result::CannotOpen, "bytes in memory are always read");
    const auto& records = reader.getRecords();
    if (result == CsvFileReader::Result::Damaged) {
        fuzzRequire(records.empty(), "a damaged file gives no record");
        return 0;
    }
    const auto& lines = reader.getLineNumbers();
    fuzzRequire(lines.size() == records.size(), "each record has its line");
    for (size_t r = 0; r < records.size(); ++r) {
        fuzzRequire(!records[r].empty(), "a record has a field");
        fuzzRequire(lines[r] >= 1 && (r == 0 || lines[r] > lines[r - 1]), "records begin on later lines");
    }

    requireReadBackAsWritten(records, "the records read");
    return 0;
}
