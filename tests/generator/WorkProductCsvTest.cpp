#include "WorkProductCsv.h"

#include "PagesProject.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Splits one line of the file as a spreadsheet reads it: ";" separates
// fields, a field in double quotes may hold ";", line ends and doubled
// double quotes.
std::vector<std::string> readBack(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"')
            fields.back() += '"', ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (c == ';' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

TEST(WorkProductCsvTest, FieldsReadBackAsWritten) {
    for (const char* text : {"", "plain text", "a;b", "say \"yes\"", "two\nlines", "cr\r\nlf", "\"", ";;",
                             "both; \"quoted\"\nand more"}) {
        const std::string written = WorkProductCsv::field(text).GetString();
        EXPECT_EQ(readBack(written), std::vector<std::string>{text}) << written;
    }
    // A field that needs none is written as it is.
    EXPECT_EQ(WorkProductCsv::field("Test plan"), "Test plan");
}

// A description with the separator, quotes and several lines stays one
// field of one line, as written, names in place of references.
TEST(WorkProductCsvTest, ALineReadsBackAsWritten) {
    PagesProject project;
    project.write("site/Engineering/Test/Test_plan/ArtefactDescription.txt",
                  "Scope; schedule and \"exit\" criteria.\r\nSee [@N11].\r\n");
    ProcessManager& manager = project.open();
    manager.updateLinks(1, 0);
    int counter = 0;
    const CString line = WorkProductCsv::line(manager, *project.item("N10"), 0, &counter);
    ASSERT_EQ(line.Right(1), "\n");
    const std::string text = line.Left(line.GetLength() - 1).GetString();
    EXPECT_EQ(text.find('\n'), std::string::npos) << text;
    const std::vector<std::string> fields = readBack(text);
    ASSERT_EQ(fields.size(), 7u) << text;
    EXPECT_EQ(fields[0], "Test plan");
    EXPECT_EQ(fields[2], "Test");
    EXPECT_EQ(fields[5], "~n3/author,~n2/reviewed by");
    EXPECT_EQ(fields[6].substr(0, 42), "Scope; schedule and \"exit\" criteria. See T") << fields[6];
    EXPECT_EQ(counter, 0);

    const std::vector<std::string> header =
        readBack(std::string(WorkProductCsv::headerLine(manager, 1).GetString()));
    EXPECT_EQ(header.size(), 8u);
    EXPECT_EQ(header[1], "Domain");
}

} // namespace
