#include "ExportsProject.h"

#include "Encoding.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Python's csv module, by argv: for each file named, a line holding the
// record separator (0x1E) alone, then every record of the file, read as
// Windows-1252, one line per record, fields separated by the unit
// separator (0x1F) and each written as UTF-8 with its line ends shown as
// "\n", so that the lines can be told apart. One run reads every file, as
// starting the interpreter costs far more than reading.
constexpr const char* kPythonReader = R"(
import csv, sys
for path in sys.argv[1:]:
    sys.stdout.write('\x1e\n')
    with open(path, newline='', encoding='cp1252') as f:
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

std::vector<CsvReadings> readCsvFilesBothWays(const std::vector<std::string>& paths) {
    std::vector<CsvReadings> readings(paths.size());
    for (size_t f = 0; f < paths.size(); ++f) {
        CsvFileReader reader;
        reader.read(paths[f].c_str());
        for (const auto& record : reader.getRecords()) {
            std::vector<std::string> fields;
            for (const CString& field : record)
                fields.push_back(shown(field.str()));
            readings[f].program.push_back(fields);
        }
    }
    std::vector<std::string> argv = {"python3", "-c", kPythonReader};
    argv.insert(argv.end(), paths.begin(), paths.end());
    const ProgramResult result = runProgram(argv);
    std::istringstream lines(result.output);
    std::string line;
    size_t files = 0;
    while (std::getline(lines, line)) {
        if (line == "\x1e") {
            ++files;
            continue;
        }
        if (files == 0 || files > paths.size()) {
            ADD_FAILURE() << "Python wrote a record outside the files named: " << line;
            continue;
        }
        std::vector<std::string> fields;
        size_t from = 0;
        for (size_t at; (at = line.find('\x1f', from)) != std::string::npos; from = at + 1)
            fields.push_back(line.substr(from, at - from));
        fields.push_back(line.substr(from));
        // A line ending with the separator ends its last field there: the
        // program's lines end so, and its reader gives no empty field after.
        if (fields.size() > 1 && fields.back().empty())
            fields.pop_back();
        readings[files - 1].python.push_back(fields);
    }
    // A file the interpreter did not reach reads as no record, unlike the program's.
    if (files != paths.size() || result.exitCode != 0)
        ADD_FAILURE() << "Python read " << files << " of " << paths.size() << " files: " << result.errors;
    return readings;
}
