// Every record keyword read and written again: the program's own records
// come back byte for byte, older shorter layouts take their defaults, a
// record one field short is refused, and hostile text and numbers are read
// safely.

#include "DiagramRecord.h"
#include "CDiagramEntity.h"
#include "CFlowchartEntityCondition.h"
#include "CTokenizer.h"
#include "RecordRoundTrip.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

// The line as written, or "refused"; "=" for the line itself.
struct RecordCase {
    const char* what;
    std::string line;
    std::string written;
};

const std::string kSame = "=";
const std::string kRefused = "refused";

const RecordCase kRecordCases[] = {
    // The base record, read by a plain entity.
    {"base: full", "basic:10.000000,20.000000,110.000000,70.000000,Start\\colon now,G12,3,Depart;", kSame},
    {"base: without titleL2", "basic:1,2,3,4,t,G1,0;", "basic:1.000000,2.000000,3.000000,4.000000,t,G1,0,;"},
    {"base: one field short", "basic:1,2,3,4,t,G1;", kRefused},
    {"base: escapes", "basic:0,0,9,9,a\\commab\\semicolonc\\colond\\newline,G\\comma1,0,\\comma;",
     "basic:0.000000,0.000000,9.000000,9.000000,a\\commab\\semicolonc\\colond\\newline,G\\comma1,0,\\comma;"},
    {"base: a second colon is text", "basic:1,2,3,4,a:b,G1,0,c;",
     "basic:1.000000,2.000000,3.000000,4.000000,a\\colonb,G1,0,c;"},
    {"base: two final semicolons", "basic:1,2,3,4,t,G1,0,Depart;;",
     "basic:1.000000,2.000000,3.000000,4.000000,t,G1,0,Depart\\semicolon;"},
    {"base: blanks around the keyword", "  basic :1,2,3,4,t,G1,0,x;  ",
     "basic:1.000000,2.000000,3.000000,4.000000,t,G1,0,x;"},
    {"base: seven decimals", "basic:0.1234567,2,3,4,t,G1,0,x;",
     "basic:0.123457,2.000000,3.000000,4.000000,t,G1,0,x;"},
    {"base: hostile numbers", "basic:nan,1e7,-inf,1e300,t,G1,99999999999,x;",
     "basic:0.000000,1000000.000000,1.000000,1000001.000000,t,G1,1000000,x;"},
    {"base: text where numbers go", "basic:left,top,3,4,t,G1,group,x;",
     "basic:0.000000,0.000000,3.000000,4.000000,t,G1,0,x;"},
    {"no keyword", "1,2,3,4,t,G1,0,x;", kRefused},
    {"unknown keyword", "Line:1,2,3,4,L,0,1,2,3,0,1;", kRefused},
    {"flowchart_entity is no record of a diagram", "flowchart_entity:0,0,128,64,t,G1,0,x;", kRefused},

    // Line.
    {"line: full", "line:100.000000,100.000000,50.000000,20.000000,L1,0,255,0,0,1,2,1,2;", kSame},
    {"line: 11 fields, no arrows", "line:1,2,3,4,L,0,1,2,3,0,1;",
     "line:1.000000,2.000000,3.000000,4.000000,L,0,1,2,3,0,1,0,0;"},
    {"line: 12 fields, still no arrows", "line:1,2,3,4,L,0,1,2,3,0,1,2;",
     "line:1.000000,2.000000,3.000000,4.000000,L,0,1,2,3,0,1,0,0;"},
    {"line: one field short", "line:1,2,3,4,L,0,1,2,3,0;", kRefused},
    {"line: whole units", "line:10.7,-3.2,20.9,-0.5,L,0,0,0,0,0,1,0,0;",
     "line:10.000000,-3.000000,20.000000,0.000000,L,0,0,0,0,0,1,0,0;"},
    {"line: hostile numbers", "line:1e9,-inf,nan,5,L\\newline,0,0,0,0,0,1,0,0;",
     "line:1000000.000000,-1000000.000000,0.000000,5.000000,L\\newline,0,0,0,0,0,1,0,0;"},

    // Box and circle.
    {"box: full", "flowchart_box:10.000000,10.000000,110.000000,60.000000,G5,2,255,200,175,0,0,128,1,3;",
     kSame},
    {"box: 12 fields, solid and one pixel", "flowchart_box:0,0,50,50,G5,0,1,2,3,4,5,6;",
     "flowchart_box:0.000000,0.000000,50.000000,50.000000,G5,0,1,2,3,4,5,6,0,1;"},
    {"box: one field short", "flowchart_box:0,0,50,50,G5,0,1,2,3,4,5;", kRefused},
    {"box: widened to its minimum", "flowchart_box:10,10,13,13,G5,0,1,2,3,4,5,6;",
     "flowchart_box:10.000000,10.000000,16.000000,16.000000,G5,0,1,2,3,4,5,6,0,1;"},
    {"circle: full", "flowchart_circle:0.000000,0.000000,40.000000,40.000000,G6,0,255,255,255,0,0,0,2,1;",
     kSame},

    // Terminator: the base record.
    {"terminator: full",
     "flowchart_start:0.000000,0.000000,128.000000,32.000000,Start/End,G7,0,D\xe9"
     "but;",
     kSame},
    {"terminator: fixed size", "flowchart_start:5,5,6,6,x,G7,0;",
     "flowchart_start:5.000000,5.000000,133.000000,37.000000,x,G7,0,;"},

    // Label.
    {"label: full",
     "flowchart_label:10.000000,10.000000,110.000000,40.000000,G9,0,0,0,128,12,Arial,Note\\comma "
     "here,Remarque,"
     "1,0,1,2,1;",
     kSame},
    {"label: 11 fields", "flowchart_label:0,0,50,20,G9,0,1,2,3,14,Arial;",
     "flowchart_label:0.000000,0.000000,50.000000,20.000000,G9,0,1,2,3,14,Arial,,,0,0,0,0,0;"},
    {"label: 13 fields", "flowchart_label:0,0,50,20,G9,0,1,2,3,14,Arial,a,b;",
     "flowchart_label:0.000000,0.000000,50.000000,20.000000,G9,0,1,2,3,14,Arial,a,b,0,0,0,0,0;"},
    {"label: 15 fields, no font styles", "flowchart_label:0,0,50,20,G9,0,1,2,3,14,Arial,a,b,1,1;",
     "flowchart_label:0.000000,0.000000,50.000000,20.000000,G9,0,1,2,3,14,Arial,a,b,0,0,0,0,0;"},
    {"label: 16 fields keep alignment and frame", "flowchart_label:0,0,50,20,G9,0,1,2,3,14,Arial,a,b,1,1,1;",
     "flowchart_label:0.000000,0.000000,50.000000,20.000000,G9,0,1,2,3,14,Arial,a,b,1,1,1,0,0;"},
    {"label: one field short", "flowchart_label:0,0,50,20,G9,0,1,2,3,14;", kRefused},
    {"label: font name as it stands", "flowchart_label:0,0,50,20,G9,0,0,0,0,12,Odd;Face:,t,u,0,0,0,1,0;",
     "flowchart_label:0.000000,0.000000,50.000000,20.000000,G9,0,0,0,0,12,Odd;Face:,t,u,0,0,0,1,0;"},

    // Condition.
    {"condition: full",
     "flowchart_condition:100.000000,100.000000,160.000000,200.000000,Approved?,G3,0,Accept\xe9 "
     "?,4,5,0,0,255,10,"
     "Times New Roman,1;",
     kSame},
    {"condition: 8 fields, a decision node of the first look", "flowchart_condition:0,0,40,40,?,G3,0,x;",
     "flowchart_condition:0.000000,0.000000,40.000000,40.000000,?,G3,0,x,0,3,0,0,0,12,Arial,0;"},
    {"condition: 7 fields", "flowchart_condition:0,0,40,40,?,G3,0;",
     "flowchart_condition:0.000000,0.000000,40.000000,40.000000,?,G3,0,,0,3,0,0,0,12,Arial,0;"},
    {"condition: one field short", "flowchart_condition:0,0,40,40,?,G3;", kRefused},
    {"condition: 9 fields, the rest 0 or empty", "flowchart_condition:0,0,40,60,?,G3,0,x,4;",
     "flowchart_condition:0.000000,0.000000,40.000000,60.000000,?,G3,0,x,4,0,0,0,0,0,,0;"},
    {"condition: a gateway is at least 50 high",
     "flowchart_condition:0,0,40,40,?,G3,0,x,4,3,0,0,0,12,Arial,1;",
     "flowchart_condition:0.000000,0.000000,40.000000,50.000000,?,G3,0,x,4,3,0,0,0,12,Arial,1;"},
    {"condition: a decision node keeps its height",
     "flowchart_condition:0,0,40,40,?,G3,0,x,0,3,0,0,0,12,Arial,1;",
     "flowchart_condition:0.000000,0.000000,40.000000,40.000000,?,G3,0,x,0,3,0,0,0,12,Arial,1;"},

    // Paper.
    {"paper", "paper:1000,800;", kSame},
    {"paper: blanks", "  paper : 1000,800;", "paper:1000,800;"},
    {"paper: capital P", "Paper:1000,800;", kRefused},
    {"paper: one number", "paper:1000;", kRefused},
    {"paper: without its semicolon", "paper:1000,800", "paper:1000,800;"},
    {"paper: two semicolons", "paper:1000,800;;", "paper:1000,800;"},
    {"paper: out of range", "paper:-5,99999;", "paper:1,32767;"},
    {"paper: zero", "paper:0,0;", "paper:1,1;"},

    // Link.
    {"link: full",
     "flowchart_link:2,1,yes\\comma "
     "go,G1,G2,2,120.000000,40.000000,120.000000,90.000000,3,oui,2,0,1,4,10,Arial,"
     "255,0,0,1;",
     kSame},
    {"link: 11 fields", "flowchart_link:2,1,a,G1,G2,0,0,0,0,0,0;",
     "flowchart_link:2,1,a,G1,G2,0,0.000000,0.000000,0.000000,0.000000,0,,1,1,1,0,12,Arial,0,0,0,0;"},
    {"link: 13 fields", "flowchart_link:2,1,a,G1,G2,0,0,0,0,0,0,b,3;",
     "flowchart_link:2,1,a,G1,G2,0,0.000000,0.000000,0.000000,0.000000,0,b,3,0,0,0,12,Arial,0,0,0,0;"},
    {"link: 16 fields, the rest 0 or empty", "flowchart_link:2,1,a,G1,G2,0,0,0,0,0,0,b,3,0,1,9;",
     "flowchart_link:2,1,a,G1,G2,0,0.000000,0.000000,0.000000,0.000000,0,b,3,0,1,9,0,,0,0,0,0;"},
    {"link: one field short", "flowchart_link:2,1,a,G1,G2,0,0,0,0,0;", kRefused},
    {"link: blanks around the keyword", " flowchart_link :2,1,a,G1,G2,0,0,0,0,0,0;",
     "flowchart_link:2,1,a,G1,G2,0,0.000000,0.000000,0.000000,0.000000,0,,1,1,1,0,12,Arial,0,0,0,0;"},
    {"link: without its semicolon",
     "flowchart_link:2,1,a,G1,G2,1,5.000000,6.000000,0.000000,0.000000,0,,1,1,1,0,12,Arial,0,0,0,1",
     "flowchart_link:2,1,a,G1,G2,1,5.000000,6.000000,0.000000,0.000000,0,,1,1,1,0,12,Arial,0,0,0,1;"},
    {"link: whole units", "flowchart_link:2,1,a,G1,G2,2,12.9,-3.7,1e300,nan,0;",
     "flowchart_link:2,1,a,G1,G2,2,12.000000,-3.000000,1000000.000000,0.000000,0,,1,1,1,0,12,Arial,0,0,0,0;"},
    {"link: more points than slots", "flowchart_link:2,1,a,G1,G2,7,1,2,3,4,0;",
     "flowchart_link:2,1,a,G1,G2,2,1.000000,2.000000,3.000000,4.000000,0,,1,1,1,0,12,Arial,0,0,0,0;"},
    {"link: fewer points than none", "flowchart_link:2,1,a,G1,G2,-3,1,2,3,4,0;",
     "flowchart_link:2,1,a,G1,G2,0,1.000000,2.000000,3.000000,4.000000,0,,1,1,1,0,12,Arial,0,0,0,0;"},
    {"link: a colon in a name", "flowchart_link:2,1,a:b,G:1,G2,0,0,0,0,0,0;",
     "flowchart_link:2,1,a\\colonb,G:1,G2,0,0.000000,0.000000,0.000000,0.000000,0,,1,1,1,0,12,Arial,0,0,0,"
     "0;"},
};

TEST(DiagramRecordTest, EveryKeywordReadsAndWritesAsDocumented) {
    for (const RecordCase& c : kRecordCases) {
        const std::optional<std::string> written = rewriteDiagramLine(c.line);
        const std::string expected = c.written == kSame ? c.line : c.written;
        EXPECT_EQ(written.value_or(kRefused), expected) << c.what;
        // What is written reads back as itself.
        if (written) {
            EXPECT_EQ(rewriteDiagramLine(*written).value_or(kRefused), *written) << c.what;
        }
    }
}

// A title or label holding line breaks of any kind is written without a raw
// line break, and reads back with CR LF pairs.
TEST(DiagramRecordTest, LineBreaksAreWrittenAsNewlineAndReadAsCrLf) {
    struct BreakCase {
        const char* title;
        const char* readBack;
    };
    const BreakCase cases[] = {
        {"a\r\nb", "a\r\nb"}, {"a\nb", "a\r\nb"}, {"a\rb", "a\r\nb"}, {"a\n\r\nb\r", "a\r\n\r\nb\r\n"}};
    for (const BreakCase& c : cases) {
        CDiagramEntity entity;
        entity.setRect(0, 0, 10, 10);
        entity.setTitle(c.title);
        entity.setTitleL2(c.title);
        const CString line = entity.toRecordLine();
        EXPECT_EQ(line.FindOneOf("\r\n"), -1) << line.GetString();
        CDiagramEntity back;
        ASSERT_TRUE(back.loadFromRecord(line)) << line.GetString();
        EXPECT_EQ(back.getTitle(), c.readBack);
        EXPECT_EQ(back.getTitleL2(), c.readBack);

        CFlowchartLink link;
        link.setLabel(c.title);
        link.setFromName(c.title);
        link.setFontName(c.title);
        const CString linkLine = link.toRecordString();
        EXPECT_EQ(linkLine.FindOneOf("\r\n"), -1) << linkLine.GetString();
        CFlowchartLink linkBack;
        ASSERT_TRUE(linkBack.loadFromRecord(linkLine));
        EXPECT_EQ(linkBack.getLabel(), c.readBack);
    }
}

// The four separators of a record survive in every text of every record.
TEST(DiagramRecordTest, SeparatorsInTextsComeBack) {
    const CString text = "a,b;c:d\r\ne";
    CFlowchartEntityCondition condition;
    condition.setRect(0, 0, 40, 40);
    condition.setTitle(text);
    condition.setTitleL2(text);
    condition.setName(text);
    CFlowchartEntityCondition back;
    ASSERT_TRUE(back.loadFromRecord(condition.toRecordLine()));
    EXPECT_EQ(back.getTitle(), text);
    EXPECT_EQ(back.getTitleL2(), text);
    EXPECT_EQ(back.getName(), text);

    CFlowchartLink link;
    link.setLabel(text);
    link.setLabelL2(text);
    CFlowchartLink linkBack;
    ASSERT_TRUE(linkBack.loadFromRecord(link.toRecordString()));
    EXPECT_EQ(linkBack.getLabel(), text);
    EXPECT_EQ(linkBack.getLabelL2(), text);

    // The escape words themselves are not protected: a title holding
    // "\comma" reads back with a comma.
    CDiagramEntity entity;
    entity.setTitle("x\\commay");
    CDiagramEntity entityBack;
    ASSERT_TRUE(entityBack.loadFromRecord(entity.toRecordLine()));
    EXPECT_EQ(entityBack.getTitle(), "x,y");
}

// The user's locale never changes how numbers are written and read.
TEST(DiagramRecordTest, NumbersUseTheCLocaleWhateverTheUsersLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale installed";
    const std::optional<std::string> written = rewriteDiagramLine("basic:10.5,2.25,30,40,t,G1,0,x;");
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(written.value_or(kRefused), "basic:10.500000,2.250000,30.000000,40.000000,t,G1,0,x;");
}

TEST(DiagramRecordTest, TokenizerKeepsEmptyParts) {
    struct SplitCase {
        const char* text;
        int size;
        const char* last;
    };
    const SplitCase cases[] = {{"", 1, ""}, {"a,b,", 3, ""}, {",", 2, ""}, {"a,,b", 3, "b"}};
    for (const SplitCase& c : cases) {
        const CTokenizer parts(c.text, ',');
        EXPECT_EQ(parts.getSize(), c.size) << c.text;
        EXPECT_EQ(parts.getElement(parts.getSize() - 1), c.last) << c.text;
    }
    const CTokenizer three("1,2,3", ',');
    int value = -1;
    three.getAtInt(5, value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(three.joinFrom(1), "2,3");
    EXPECT_EQ(three.joinFrom(3), "");
}

TEST(DiagramRecordTest, UniqueNamesOfOneSecondDifferInTheCounter) {
    const CString first = makeUniqueEntityName();
    const CString second = makeUniqueEntityName();
    EXPECT_NE(first, second);
    EXPECT_EQ(first.Left(1), "G");
}

} // namespace
