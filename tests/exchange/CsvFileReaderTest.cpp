#include "CsvFileReader.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Records = std::vector<std::vector<std::string>>;

Records recordsOf(const CsvFileReader& reader) {
    Records records;
    for (const auto& record : reader.getRecords()) {
        records.emplace_back();
        for (const CString& field : record)
            records.back().push_back(field.str());
    }
    return records;
}

struct ParseCase {
    const char* name;
    std::string bytes;
    Records records;
    std::vector<int> lines;
};

const ParseCase kParseCases[] = {
    {"lines cut as the program always cut them",
     "a;;b\r\na;\r\n;\r\n\r\nx",
     {{"a", "", "b"}, {"a"}, {""}, {""}, {"x"}},
     {1, 2, 3, 4, 5}},
    {"line feeds alone end lines too", "h\nu1;n1;\nu2;n2", {{"h"}, {"u1", "n1"}, {"u2", "n2"}}, {1, 2, 3}},
    {"a quoted field keeps separators, line ends and doubled quotes",
     "u;\"one;two\r\nthree \"\"x\"\"\";z\r\nnext",
     {{"u", "one;two\r\nthree \"x\"", "z"}, {"next"}},
     {1, 3}},
    {"a quote inside an unquoted field is a character", "a\"b;c\"", {{"a\"b", "c\""}}, {1}},
    {"an empty quoted field at the end is a field", "a;\"\"\n", {{"a", ""}}, {1}},
    {"an empty file has no record", "", {}, {}},
    {"UTF-8 with its mark becomes the code page", "\xEF\xBB\xBFu;caf\xC3\xA9", {{"u", "caf\xE9"}}, {1}},
    {"code-page bytes stay as they are", "u;caf\xE9", {{"u", "caf\xE9"}}, {1}},
    // The program writes its files in the code page, without a mark: text
    // whose bytes happen to form UTF-8 is still the code page's.
    {"\"\xC4\xBB\" (two letters that form UTF-8) stays", "u;\xC4\xBB", {{"u", "\xC4\xBB"}}, {1}},
    {"\"\xC3\xA9\" stays", "u;\xC3\xA9;x\r\n", {{"u", "\xC3\xA9", "x"}}, {1}},
    {"\"\xE2\x82\xAC\" stays", "u;\xE2\x82\xAC", {{"u", "\xE2\x82\xAC"}}, {1}},
};

} // namespace

TEST(CsvFileReaderTest, ReadsRecordsAsASpreadsheetWritesThem) {
    for (const auto& c : kParseCases) {
        CsvFileReader reader;
        EXPECT_EQ(reader.parse(c.bytes), CsvFileReader::Result::Read) << c.name;
        EXPECT_EQ(recordsOf(reader), c.records) << c.name;
        EXPECT_EQ(reader.getLineNumbers(), c.lines) << c.name;
    }
}

TEST(CsvFileReaderTest, AFileEndingInsideAQuotedFieldIsDamagedAndGivesNothing) {
    CsvFileReader reader;
    EXPECT_EQ(reader.parse("uid;name\r\nN1;\"half a descr"), CsvFileReader::Result::Damaged);
    EXPECT_TRUE(reader.getRecords().empty());
}

TEST(CsvFileReaderTest, AMissingFileCannotBeOpened) {
    TempDir dir;
    CsvFileReader reader;
    EXPECT_EQ(reader.read((dir / "missing.csv").c_str()), CsvFileReader::Result::CannotOpen);
    dir.write("here.csv", "a;b\r\n");
    EXPECT_EQ(reader.read((dir / "here.csv").c_str()), CsvFileReader::Result::Read);
    EXPECT_EQ(recordsOf(reader), (Records{{"a", "b"}}));
}
