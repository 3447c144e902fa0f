#include "XmlReader.h"
#include "CodePage.h"
#include "Exception.h"
#include "TempDir.h"
#include "XmlEncoding.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

namespace {

// Keeps the events of a file, each with the byte index it reports.
class Recorder : public XmlReader {
public:
    using XmlReader::XmlReader;

    void onXmlDeclaration(const char16_t* version, const char16_t* encoding, int standalone) override {
        events.push_back("decl " + text(version) + " " + text(encoding) + " " + std::to_string(standalone));
    }
    void onStartElement(const char16_t* name, const char16_t** attributes) override {
        std::string event = "start " + text(name);
        for (const char16_t** a = attributes; *a; a += 2)
            event += " " + text(a[0]) + "=" + text(a[1]);
        events.push_back(event + " @" + std::to_string(currentByteIndex()) + " " +
                         std::to_string(currentLine()) + ":" + std::to_string(currentColumn()));
    }
    void onEndElement(const char16_t* name) override { events.push_back("end " + text(name)); }
    void onCharacterData(const char16_t* data, int length) override { characters.append(data, length); }
    void onComment(const char16_t* data) override { events.push_back("comment " + text(data)); }
    void onProcessingInstruction(const char16_t* target, const char16_t* data) override {
        events.push_back("pi " + text(target) + " " + text(data));
    }

    static std::string text(const char16_t* value) { return value ? codepage::toUtf8(value) : "(null)"; }

    std::vector<std::string> events;
    std::u16string characters;
};

struct EncodingCase {
    const char* what;
    Form form;
    std::u16string declaration; // up to the root element
    std::u16string text;        // the root element's text
};

const EncodingCase kEncodings[] = {
    {"UTF-8", Form::Utf8, u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", u"caf\u00e9 \u20ac \u4e2d"},
    {"UTF-8 with byte order mark", Form::Utf8Bom, u"<?xml version=\"1.0\"?>\n", u"\u00e9\u20ac"},
    {"UTF-8 without declaration", Form::Utf8, u"", u"\u00e9"},
    {"UTF-16 little-endian", Form::Utf16LeBom, u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n",
     u"\u00e9\u20ac\u4e2d"},
    {"UTF-16 big-endian", Form::Utf16BeBom, u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n",
     u"\u00e9\u20ac\u4e2d"},
    {"UTF-16 without byte order mark", Form::Utf16Le, u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n",
     u"\u4e2d"},
    {"ISO-8859-1", Form::Latin1, u"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n", u"\u00e9\u0080\u00ff"},
    // The bytes 0x80 and 0x9C of Windows-1252 are the euro sign and the "oe" ligature.
    {"Windows-1252", Form::Windows1252, u"<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n",
     u"\u00e9\u20ac\u0153\u2019"},
    {"US-ASCII", Form::Ascii, u"<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\n", u"plain"},
};

TEST(XmlReaderTest, ReadsEachEncodingWithByteIndexesOfTheFile) {
    TempDir dir;
    for (const EncodingCase& c : kEncodings) {
        const std::u16string root = u"<root a=\"1\">";
        const std::string bytes =
            encode(c.declaration + root + c.text + u"<!--n--><?pi data?></root>", c.form);
        dir.write("doc.xml", bytes);
        const size_t rootIndex = encode(c.declaration, c.form).size();
        Recorder reader;
        EXPECT_NO_THROW(reader.parse(wide(dir / "doc.xml"))) << c.what;
        EXPECT_EQ(reader.characters, c.text) << c.what;
        const size_t declarations = c.declaration.empty() ? 0 : 1;
        ASSERT_EQ(reader.events.size(), declarations + 4) << c.what;
        const std::string line = c.declaration.empty() ? "1:0" : "2:0";
        EXPECT_EQ(reader.events[declarations], "start root a=1 @" + std::to_string(rootIndex) + " " + line)
            << c.what;
        EXPECT_EQ(reader.events[declarations + 1], "comment n") << c.what;
        EXPECT_EQ(reader.events[declarations + 2], "pi pi data") << c.what;
        EXPECT_EQ(reader.events.back(), "end root") << c.what;
    }
}

TEST(XmlReaderTest, TheDeclarationReachesItsHandler) {
    TempDir dir;
    dir.write("a.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><a/>");
    dir.write("b.xml", "<?xml version=\"1.0\"?><a/>");
    Recorder reader(wide(dir / "a.xml"));
    reader.parse();
    EXPECT_EQ(reader.events.front(), "decl 1.0 UTF-8 1");
    reader.events.clear();
    reader.parse(wide(dir / "b.xml"));
    EXPECT_EQ(reader.events.front(), "decl 1.0 (null) -1");
    EXPECT_EQ(reader.fileName(), wide(dir / "b.xml"));
}

struct FailureCase {
    const char* what;
    std::string bytes;
    std::vector<std::u16string> arguments; // after the path
};

const FailureCase kFailures[] = {
    {"an element left open",
     "<?xml version=\"1.0\"?>\n<root>\n<a>text</a>\n",
     {u"4", u"0", u"no element found"}},
    {"a file cut in a tag", "<root><a attr=\"x", {u"1", u"6", u"unclosed token"}},
    {"an empty file", "", {u"1", u"0", u"no element found"}},
    {"a byte order mark alone", "\xEF\xBB\xBF", {u"1", u"1", u"no element found"}},
    {"an unknown encoding",
     "<?xml version=\"1.0\" encoding=\"KOI9\"?><a/>",
     {u"1", u"30", u"unknown encoding"}},
    {"a syntax error", "<root>\n  <a/>\n <b>x</c>\n</root>", {u"3", u"7", u"mismatched tag"}},
};

TEST(XmlReaderTest, ABrokenOrTruncatedFileIsAParseError) {
    TempDir dir;
    for (const FailureCase& c : kFailures) {
        dir.write("broken.xml", c.bytes);
        Recorder reader;
        try {
            reader.parse(wide(dir / "broken.xml"));
            ADD_FAILURE() << c.what << " parsed";
        } catch (const Exception& error) {
            EXPECT_EQ(error.number(), 4113) << c.what;
            EXPECT_EQ(error.source(), u"os\\XmlReader");
            std::vector<std::u16string> expected = {wide(dir / "broken.xml")};
            expected.insert(expected.end(), c.arguments.begin(), c.arguments.end());
            EXPECT_EQ(error.arguments(), expected) << c.what;
        }
    }
}

TEST(XmlReaderTest, AMissingFileCannotBeOpened) {
    TempDir dir;
    Recorder reader;
    try {
        reader.parse(wide(dir / "missing.xml"));
        ADD_FAILURE() << "parsed";
    } catch (const Exception& error) {
        EXPECT_EQ(error.number(), 4111);
        EXPECT_EQ(error.arguments(), std::vector<std::u16string>{wide(dir / "missing.xml")});
    }
}

// Names as the parser reads them: letters of any script, digits, "-", "."
// and combining marks after the first; not white space, markup, a digit or
// mark first, the symbols and the characters of the compatibility area.
TEST(XmlReaderTest, NamesAreThoseTheParserReads) {
    const XmlEncoding utf8;
    for (const char16_t* name :
         {u"a", u"_a-1.b", u"ns:item", u"\u00e9l\u00e9ment", u"\u4e2d", u"a\u0301", u"a\u00b7b", u":"})
        EXPECT_TRUE(XmlReader::isName(name, utf8)) << codepage::toUtf8(name);
    for (const char16_t* name :
         {u"",        u"1a",      u"-a",      u".a",        u"a b",        u"a\"",        u"a<b",
          u"a=b",     u"a/",      u"a&b",     u"a b=\"1\"", u"\u00d7",     u"\u223d",     u"\u3000",
          u"a\u3000", u"\u0301a", u"a\ufffe", u"\uffff",    u"\U00010000", u"a\U0001F600"})
        EXPECT_FALSE(XmlReader::isName(name, utf8)) << codepage::toUtf8(name);
    EXPECT_FALSE(XmlReader::isName(std::u16string(u"a\0b", 3), utf8));
    EXPECT_FALSE(XmlReader::isName(u"a\xd800", XmlEncoding(XmlEncoding::kUtf16)));
    EXPECT_FALSE(XmlReader::isName(u"\xdc00"
                                   u"a",
                                   XmlEncoding(XmlEncoding::kUtf16, true)));
}

// The parser's rules differ a little between encodings: each name is
// judged in the encoding of the file it goes into.
TEST(XmlReaderTest, ANameIsJudgedInTheEncodingOfItsFile) {
    struct Case {
        XmlEncoding encoding;
        bool micro; // whether "p" and U+00B5 is a name (not through a map of bytes)
    } cases[] = {
        {XmlEncoding(XmlEncoding::kUtf8), false},        {XmlEncoding(XmlEncoding::kUtf16), true},
        {XmlEncoding(XmlEncoding::kUtf16, true), true},  {XmlEncoding(XmlEncoding::kIso88591), true},
        {XmlEncoding(XmlEncoding::kWindows1252), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(XmlReader::isName(u"p\u00b5", c.encoding), c.micro) << c.encoding.code();
        EXPECT_TRUE(XmlReader::isName(u"\u00e9t\u00e9", c.encoding)) << c.encoding.code();
        EXPECT_FALSE(XmlReader::isName(u"\u00d7", c.encoding)) << c.encoding.code();
    }
}

TEST(XmlReaderTest, FilesOfOneBufferAndOfManyAreReadWhole) {
    TempDir dir;
    for (const size_t size : {size_t(XmlReader::kBufferSize), size_t(3 * XmlReader::kBufferSize + 17)}) {
        const std::string head = "<root>";
        const std::string tail = "<last/></root>";
        dir.write("big.xml", head + std::string(size - head.size() - tail.size(), 'x') + tail);
        Recorder reader;
        EXPECT_NO_THROW(reader.parse(wide(dir / "big.xml"))) << size;
        EXPECT_EQ(reader.characters.size(), size - head.size() - tail.size());
        ASSERT_EQ(reader.events.size(), 4u);
        EXPECT_EQ(reader.events[1], "start last @" + std::to_string(size - tail.size()) +
                                        " 1:" + std::to_string(size - tail.size()));
    }
}

} // namespace

namespace {

// Keeps where each event lies in the file and how many bytes it covers.
class ExtentRecorder : public XmlReader {
public:
    void onStartElement(const char16_t* name, const char16_t**) override { add("start " + narrow(name)); }
    void onEndElement(const char16_t* name) override { add("end " + narrow(name)); }
    void onCharacterData(const char16_t*, int length) override { add("text " + std::to_string(length)); }
    void onStartCdataSection() override { add("cdata["); }
    void onEndCdataSection() override { add("]cdata"); }

    void add(const std::string& what) {
        events.push_back(what + " @" + std::to_string(currentByteIndex()) + "+" +
                         std::to_string(currentByteCount()));
    }
    std::vector<std::string> events;
};

TEST(XmlReaderTest, EventsCoverTheBytesOfTheirMarkupAsWritten) {
    TempDir dir;
    // A ">" inside an attribute value, a CR LF that reads as one line feed,
    // a character reference, a CDATA section and an empty-element tag.
    dir.write("doc.xml", "<r a=\"x > y\">t\r\nu&#233;<![CDATA[<z>]]><e/></r>");
    ExtentRecorder reader;
    reader.parse(wide(dir / "doc.xml"));
    const std::vector<std::string> expected = {
        "start r @0+13", "text 1 @13+1", "text 1 @14+2",  "text 1 @16+1", "text 1 @17+6", "cdata[ @23+9",
        "text 3 @32+3",  "]cdata @35+3", "start e @38+4", "end e @42+0",  "end r @42+4",
    };
    EXPECT_EQ(reader.events, expected);
}

// Throws from the start of its second element.
class FailingReader : public XmlReader {
public:
    void onStartElement(const char16_t*, const char16_t**) override {
        if (++m_starts == 2)
            throw Exception(u"test", 1, 4114);
    }
    void onEndElement(const char16_t*) override { ++ends; }
    int ends = 0;

private:
    int m_starts = 0;
};

TEST(XmlReaderTest, AnErrorOfAHandlerEndsTheParseAndReachesTheCallerAsItWas) {
    TempDir dir;
    dir.write("doc.xml", "<r><a/><b/><c/></r>");
    FailingReader reader;
    try {
        reader.parse(wide(dir / "doc.xml"));
        ADD_FAILURE() << "parsed";
    } catch (const Exception& error) {
        EXPECT_EQ(error.number(), 4114);
        EXPECT_EQ(error.source(), u"test");
    }
    EXPECT_EQ(reader.ends, 0) << "no handler runs after the error";
}

} // namespace
