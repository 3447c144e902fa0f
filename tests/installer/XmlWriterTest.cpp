#include "XmlWriter.h"
#include "Exception.h"
#include "Golden.h"
#include "TempDir.h"
#include "XmlFlags.h"
#include "XmlOutputErrorHandler.h"
#include "XmlTestFiles.h"
#include "XmlUpdateModel.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<ActionData::Row>;

// config holding item, with attributes and text as a case needs.
struct NewFileCase {
    const char* what;
    std::u16string flags, version, encoding, indentUnits;
    Rows elements;
    Rows attributes;
    std::u16string expected; // the file's text
    Form form;
};

const std::u16string kDeclarationNo = u"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\r\n";

const NewFileCase kNewFiles[] = {
    {"one child, four spaces",
     u"8",
     u"1.0",
     u"UTF-8",
     u"4",
     {{u"item", u"config", u"item", u"1", u"0", u""}},
     {},
     kDeclarationNo + u"<config>\r\n    <item/>\r\n</config>\r\n",
     Form::Utf8},
    {"standalone, tabs",
     u"13",
     u"1.0",
     u"UTF-8",
     u"4",
     {{u"item", u"config", u"item", u"1", u"0", u""}},
     {},
     u"<?xml version=\"1.0\" encoding=\"UTF-8\" "
     u"standalone=\"yes\"?>\r\n<config>\r\n\t\t\t\t<item/>\r\n</config>\r\n",
     Form::Utf8},
    {"UTF-16 in lower case",
     u"8",
     u"1.0",
     u"utf-16",
     u"2",
     {{u"item", u"config", u"item", u"1", u"0", u"\u00e9\u4e2d"}},
     {},
     u"<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"no\"?>\r\n<config>\r\n  "
     u"<item>\u00e9\u4e2d</item>\r\n</config>\r\n",
     Form::Utf16LeBom},
    {"ISO-8859-1 byte for byte, a missing character as a reference",
     u"8",
     u"1.0",
     u"ISO-8859-1",
     u"2",
     {{u"item", u"config", u"item", u"1", u"0", u"\u00e9\u0080\u20ac"}},
     {{u"v", u"item", u"v", u"10", u"1", u"\u20ac"}},
     u"<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"no\"?>\r\n<config>\r\n  "
     u"<item v=\"&#8364;\">\u00e9\u0080&#8364;</item>\r\n</config>\r\n",
     Form::Latin1},
    {"Windows-1252",
     u"8",
     u"1.0",
     u"windows-1252",
     u"2",
     {{u"item", u"config", u"item", u"1", u"0", u"\u20ac\u4e2d"}},
     {},
     u"<?xml version=\"1.0\" encoding=\"Windows-1252\" standalone=\"no\"?>\r\n<config>\r\n  "
     u"<item>\u20ac&#20013;</item>\r\n</config>\r\n",
     Form::Windows1252},
    {"US-ASCII",
     u"8",
     u"1.0",
     u"US-ASCII",
     u"2",
     {{u"item", u"config", u"item", u"1", u"0", u"caf\u00e9"}},
     {},
     u"<?xml version=\"1.0\" encoding=\"US-ASCII\" standalone=\"no\"?>\r\n<config>\r\n  "
     u"<item>caf&#233;</item>\r\n</config>\r\n",
     Form::Ascii},
    {"an empty version",
     u"8",
     u"",
     u"UTF-8",
     u"2",
     {{u"item", u"config", u"item", u"1", u"0", u""}},
     {},
     kDeclarationNo + u"<config>\r\n  <item/>\r\n</config>\r\n",
     Form::Utf8},
    {"text alone on the line, text before children",
     u"8",
     u"1.0",
     u"UTF-8",
     u"2",
     {{u"item", u"config", u"item", u"1", u"0", u"a < b & c"},
      {u"sub", u"item", u"sub", u"1", u"0", u"x"},
      {u"leaf", u"config", u"leaf", u"2", u"0", u"y"}},
     {},
     kDeclarationNo + u"<config>\r\n  <item>\r\n    a &lt; b &amp; c\r\n    <sub>x</sub>\r\n  </item>\r\n  "
                      u"<leaf>y</leaf>\r\n"
                      u"</config>\r\n",
     Form::Utf8},
    {"comment rows in their place; their attributes and children ignored",
     u"8",
     u"1.0",
     u"UTF-8",
     u"2",
     {{u"second", u"config", u"second", u"2", u"0", u""},
      {u"note", u"config", u"note", u"1", u"1", u"hello"},
      {u"unsafe", u"config", u"unsafe", u"3", u"1", u"a--b---c-"},
      {u"under", u"note", u"under", u"1", u"0", u""}},
     {{u"na", u"note", u"n", u"10", u"1", u"1"}},
     kDeclarationNo +
         u"<config>\r\n  <!-- hello -->\r\n  <second/>\r\n  <!-- a- -b- - -c- -->\r\n</config>\r\n",
     Form::Utf8},
    {"attributes of the install pass in Order, the first of a name, none without a name",
     u"8",
     u"1.0",
     u"UTF-8",
     u"2",
     {{u"item", u"config", u"item", u"1", u"0", u""}},
     {{u"b", u"item", u"b", u"10", u"2", u"2"},
      {u"a", u"item", u"a", u"10", u"1", u"1 \"quoted\"\n"},
      {u"b2", u"item", u"b", u"14", u"3", u"again"},
      {u"c", u"item", u"c", u"26", u"4", u"both passes"},
      {u"u", u"item", u"u", u"18", u"4", u"uninstall only"},
      {u"d", u"item", u"d", u"8", u"5", u"no operation"},
      {u"e", u"item", u"", u"10", u"6", u"no name"}},
     kDeclarationNo +
         u"<config>\r\n  <item a=\"1 &quot;quoted&quot;&#10;\" b=\"2\" c=\"both passes\"/>\r\n</config>\r\n",
     Form::Utf8},
    {"characters beyond U+FFFF whole, names of any script",
     u"8",
     u"1.0",
     u"UTF-8",
     u"2",
     {{u"item", u"config", u"\u00e9l\u00e9ment", u"1", u"0", u"a\U0001F600b"},
      {u"note", u"config", u"note", u"2", u"1", u"\U0001F600"}},
     {{u"v", u"item", u"v\u0301", u"10", u"1", u"\U0001F600"}},
     kDeclarationNo +
         u"<config>\r\n  <\u00e9l\u00e9ment v\u0301=\"\U0001F600\">a\U0001F600b</\u00e9l\u00e9ment>\r\n"
         u"  <!-- \U0001F600 -->\r\n</config>\r\n",
     Form::Utf8},
    {"no indentation",
     u"8",
     u"1.0",
     u"UTF-8",
     u"0",
     {{u"item", u"config", u"item", u"1", u"0", u""}},
     {},
     kDeclarationNo + u"<config>\r\n<item/>\r\n</config>\r\n",
     Form::Utf8},
};

TEST(XmlWriterTest, NewFilesAreWrittenWholeInTheirEncodingAndParseAgain) {
    for (const NewFileCase& c : kNewFiles) {
        TempDir dir;
        UpdateRows rows;
        rows.files = {{u"f", u"CONFIG~1.XML|config.xml", wide(dir / "sub\\folder/"), u"Comp", u"config",
                       c.flags, c.version, c.encoding, c.indentUnits, u""}};
        rows.elements = {{u"config", u"", u"config", u"0", u"0", u""}};
        rows.elements.insert(rows.elements.end(), c.elements.begin(), c.elements.end());
        rows.attributes = c.attributes;
        XmlUpdateModel model;
        rows.load(model);
        const XmlFileRecord& file = *model.files().front();
        EXPECT_EQ(file.fullPath(), wide(dir / "sub\\folder/config.xml"));
        file.writeNewDocument(model, xmlflags::kModeInstall);

        const std::string written = dir.read("sub/folder/config.xml");
        const std::string expected = encode(c.expected, c.form);
        EXPECT_EQ(written, expected) << c.what << "\n" << describeDifference(expected, written, "config.xml");
        EXPECT_EQ(reparseError(file.fullPath()), "") << c.what;
    }
}

TEST(XmlWriterTest, AFileThatCannotBeWrittenRightIsNotWrittenAtAll) {
    struct Case {
        const char* what;
        std::u16string encoding;
        std::u16string elementName;
        int number;
        std::u16string elementFlags = u"0";
        std::u16string text = u"";
        std::u16string value = u"1";
    } cases[] = {
        {"an encoding outside the table", u"UTF8", u"item", 4114},
        {"an empty encoding", u"", u"item", 4114},
        {"a name the encoding cannot hold", u"US-ASCII", u"\u00e9l\u00e9ment", 4116},
        {"a name that is no XML name", u"UTF-8", u"my item", 4116},
        {"a name of a symbol", u"UTF-8", u"\u223d", 4116},
        {"a name that starts with a combining mark", u"UTF-8", u"\u0301item", 4116},
        {"a control character in the text", u"UTF-8", u"item", 4113, u"0", u"a\u0001b"},
        {"U+FFFF in a value", u"UTF-8", u"item", 4113, u"0", u"", u"\uffff"},
        {"half a surrogate pair in a UTF-16 file", u"UTF-16", u"item", 4113, u"0", u"a\xd800"},
        {"U+FFFE in a comment", u"UTF-8", u"item", 4113, u"1", u"\ufffe"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        UpdateRows rows;
        rows.files = {
            {u"f", u"config.xml", wide(dir / "new/"), u"", u"config", u"8", u"1.0", c.encoding, u"2", u""}};
        rows.elements = {{u"config", u"", u"config", u"0", u"0", u""},
                         {u"item", u"config", c.elementName, u"1", c.elementFlags, c.text}};
        rows.attributes = {{u"a", u"item", u"a", u"10", u"1", c.value}};
        XmlUpdateModel model;
        rows.load(model);
        try {
            model.files().front()->writeNewDocument(model, xmlflags::kModeInstall);
            ADD_FAILURE() << c.what << ": written";
        } catch (const Exception& error) {
            EXPECT_EQ(error.number(), c.number) << c.what;
            EXPECT_EQ(error.source(), u"os\\XmlOutput") << c.what;
        }
        EXPECT_FALSE(dir.exists("new")) << c.what << ": no folder is made either";
    }
}

TEST(XmlWriterTest, AFileThatCannotBeCreatedIsReported) {
    TempDir dir;
    dir.write("taken", "a file where a folder should be");
    XmlWriter writer(&XmlOutputErrorHandler::instance(), wide(dir / "taken/config.xml"));
    writer.writeDeclaration();
    try {
        writer.finish();
        ADD_FAILURE() << "written";
    } catch (const Exception& error) {
        EXPECT_EQ(error.number(), 4115);
        EXPECT_EQ(error.arguments(), std::vector<std::u16string>{wide(dir / "taken/config.xml")});
    }
}

TEST(XmlWriterTest, CommentsNeverHoldTwoHyphensInARow) {
    EXPECT_EQ(XmlWriter::safeComment(u"plain - text"), u"plain - text");
    EXPECT_EQ(XmlWriter::safeComment(u"--"), u"- -");
    EXPECT_EQ(XmlWriter::safeComment(u"a---b"), u"a- - -b");
}

} // namespace
