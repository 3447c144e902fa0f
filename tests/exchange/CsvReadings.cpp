#include "ExportsProject.h"

#include "Encoding.h"

#include <sstream>

namespace {

// Python's csv module, by argv: every record of the file, read as
// Windows-1252, one line per record, fields separated by the unit
// separator (0x1F) and each written as UTF-8 with its line ends shown as
// "\n", so that the lines can be told apart.
constexpr const char* kPythonReader = R"(
import csv, sys
with open(sys.argv[1], newline='', encoding='cp1252') as f:
    for row in csv.reader(f, delimiter=';'):
        sys.stdout.write('\x1f'.join(field.replace('\r', '\\r').replace('\n', '\\n') for field in row) + '\n')
)";

std::string shown(std::string field) {
    std::string out;
    for (const char c : field) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return encoding::cp1252ToUtf8(out);
}

} // namespace

CsvReadings readCsvBothWays(const std::string& path) {
    CsvReadings readings;
    CsvFileReader reader;
    reader.read(path.c_str());
    for (const auto& record : reader.getRecords()) {
        std::vector<std::string> fields;
        for (const CString& field : record)
            fields.push_back(shown(field.str()));
        readings.program.push_back(fields);
    }
    const ProgramResult result = runProgram({"python3", "-c", kPythonReader, path});
    std::istringstream lines(result.output);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        size_t from = 0;
        for (size_t at; (at = line.find('\x1f', from)) != std::string::npos; from = at + 1)
            fields.push_back(line.substr(from, at - from));
        fields.push_back(line.substr(from));
        // A line ending with the separator ends its last field there: the
        // program's lines end so, and its reader gives no empty field after.
        if (fields.size() > 1 && fields.back().empty())
            fields.pop_back();
        readings.python.push_back(fields);
    }
    return readings;
}
