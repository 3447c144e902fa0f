#include "XmlTargetDatabase.h"
#include "Exception.h"
#include "Golden.h"
#include "TempDir.h"
#include "XmlFlags.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<ActionData::Row>;
using xmlflags::kModeInstall;
using xmlflags::kModeUninstall;

// The file patched as a run does, in each encoding a target may have: an
// attribute changed, text replaced (after a character reference, in a CDATA
// section), an element added and, by a removal run, an element deleted.
// Everything else must stay byte for byte.
struct EncodingCase {
    const char* what;
    Form form;
    std::u16string declaration;
    std::u16string keep;  // text of an element nobody touches
    std::u16string added; // how the added text appears in the file
};

const std::u16string kAddedText = u"\u20ac \u4e2d";

const EncodingCase kEncodings[] = {
    {"UTF-8", Form::Utf8, u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", u"\u00e9", kAddedText},
    {"UTF-8 with a byte order mark, no declaration", Form::Utf8Bom, u"", u"\u00e9", kAddedText},
    {"UTF-16", Form::Utf16LeBom, u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n", u"\u00e9", kAddedText},
    {"UTF-16 without a declaration", Form::Utf16LeBom, u"", u"\u00e9", kAddedText},
    {"UTF-16 without a byte order mark", Form::Utf16Le, u"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n",
     u"\u00e9", kAddedText},
    {"UTF-16 big-endian", Form::Utf16BeBom, u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n", u"\u00e9",
     kAddedText},
    {"UTF-16 big-endian without a declaration", Form::Utf16BeBom, u"", u"\u00e9", kAddedText},
    {"Windows-1252", Form::Windows1252, u"<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n",
     u"\u00e9\u0153", u"\u20ac &#20013;"},
    {"ISO-8859-1", Form::Latin1, u"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n", u"\u00e9\u0080",
     u"&#8364; &#20013;"},
    {"US-ASCII", Form::Ascii, u"<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\r\n", u"&#233;",
     u"&#8364; &#20013;"},
};

std::u16string sourceFile(const EncodingCase& c) {
    return c.declaration + u"<!-- settings -->\r\n<config>\r\n" +
           u"  <item name=\"a&gt;b\" when=\"x > y\">caf&#233; &amp; more</item>\r\n" +
           u"  <data><![CDATA[<raw>]]></data>\r\n" + u"  <old flag=\"1\"/>\r\n" + u"  <keep>" + c.keep +
           u"</keep>\r\n" + u"</config>\r\n";
}

std::u16string expectedFile(const EncodingCase& c) {
    return c.declaration + u"<!-- settings -->\r\n<config>\r\n" +
           u"  <item name=\"a&gt;b\" when=\"z\">tea &amp; cake</item>\r\n" +
           u"  <data>new &lt;text&gt;</data>\r\n" + u"  <keep>" + c.keep + u"</keep>\r\n" + u"  <added v=\"" +
           c.added + u"\">" + c.added + u"</added>\r\n" + u"</config>\r\n";
}

TEST(XmlTargetDatabaseTest, PatchesEachEncodingInPlaceByteForByte) {
    const Rows install = {{u"config", u"", u"config", u"0", u"0", u""},
                          {u"item", u"config", u"item", u"1", u"8", u"tea & cake"},
                          {u"data", u"config", u"data", u"2", u"8", u"new <text>"},
                          {u"added", u"config", u"added", u"9", u"4", kAddedText}};
    const Rows installAttributes = {{u"when", u"item", u"when", u"14", u"1", u"z"},
                                    {u"v", u"added", u"v", u"14", u"1", kAddedText}};
    const Rows uninstall = {{u"config", u"", u"config", u"0", u"0", u""},
                            {u"old", u"config", u"old", u"1", u"2", u""}};
    for (const EncodingCase& c : kEncodings) {
        const std::string once =
            patched(encode(sourceFile(c), c.form), install, installAttributes, kModeInstall, u"config");
        const std::string twice = patched(once, uninstall, {}, kModeUninstall, u"config");
        const std::string expected = encode(expectedFile(c), c.form);
        EXPECT_EQ(twice, expected) << c.what << "\n" << describeDifference(expected, twice, c.what);

        // The added text reads back whole, whatever the file could hold.
        TempDir dir;
        dir.write("doc.xml", twice);
        XmlTargetDatabase database(wide(dir / "doc.xml"));
        ASSERT_NO_THROW(database.load()) << c.what;
        const auto added = database.findByPath(u"config/added");
        ASSERT_EQ(added.size(), 1u) << c.what;
        EXPECT_EQ(added[0]->text(), kAddedText) << c.what;
        EXPECT_EQ(added[0]->attributes().at(0).value, kAddedText) << c.what;
    }
}

// Elements rows of a root r holding a, which the rows update (first match).
Rows rowsForA(const std::u16string& text = u"") {
    return {{u"r", u"", u"r", u"0", u"0", u""}, {u"a", u"r", u"a", u"1", u"8", text}};
}

TEST(XmlTargetDatabaseTest, AttributesAreRewrittenInTheirStartTag) {
    struct Case {
        const char* what;
        std::string before;
        Rows attributes;
        int mode;
        std::string after;
    } cases[] = {
        {"added after the document's",
         "<a b=\"1\"/>",
         {{u"c", u"a", u"c", u"10", u"1", u"2"}},
         kModeInstall,
         "<a b=\"1\" c=\"2\"/>"},
        {"one removed, one added",
         "<a b=\"1\"/>",
         {{u"c", u"a", u"c", u"10", u"1", u"2"}, {u"b", u"a", u"b", u"12", u"2", u""}},
         kModeInstall,
         "<a c=\"2\"/>"},
        {"the only one removed",
         "<a b=\"1\">x</a>",
         {{u"b", u"a", u"b", u"12", u"1", u""}},
         kModeInstall,
         "<a>x</a>"},
        {"the same value changes no byte",
         "<a b='1'\r\n   c=\"2\" />",
         {{u"b", u"a", u"b", u"14", u"1", u"1"}},
         kModeInstall,
         "<a b='1'\r\n   c=\"2\" />"},
        {"a list over lines keeps the break before it and the space after it",
         "<a\r\n    b=\"1\"\r\n    c=\"2\"\r\n  >t</a>",
         {{u"c", u"a", u"c", u"14", u"1", u"3"}},
         kModeInstall,
         "<a\r\n    b=\"1\" c=\"3\"\r\n  >t</a>"},
        {"a \">\" inside a value",
         "<a b=\"x > y\" />",
         {{u"b", u"a", u"b", u"14", u"1", u"z"}},
         kModeInstall,
         "<a b=\"z\" />"},
        {"added to a tag without any",
         "<a>t</a>",
         {{u"b", u"a", u"b", u"10", u"1", u"1"}},
         kModeInstall,
         "<a b=\"1\">t</a>"},
        {"values escaped",
         "<a/>",
         {{u"b", u"a", u"b", u"10", u"1", u"1<2 & \"3\"\t"}},
         kModeInstall,
         "<a b=\"1&lt;2 &amp; &quot;3&quot;&#9;\"/>"},
        {"a row without a name writes nothing",
         "<a b=\"1\"/>",
         {{u"e", u"a", u"", u"14", u"1", u"2"}},
         kModeInstall,
         "<a b=\"1\"/>"},
        {"the uninstall pass",
         "<a b=\"1\" c=\"2\"/>",
         {{u"c", u"a", u"c", u"20", u"1", u""}},
         kModeUninstall,
         "<a b=\"1\"/>"},
        {"rows outside the pass do nothing",
         "<a b=\"1\"/>",
         {{u"b", u"a", u"b", u"20", u"1", u""}},
         kModeInstall,
         "<a b=\"1\"/>"},
    };
    for (const Case& c : cases) {
        const std::string result = patched("<r>" + c.before + "</r>", rowsForA(), c.attributes, c.mode);
        EXPECT_EQ(result, "<r>" + c.after + "</r>") << c.what;
    }
}

// An entity whose text the parser reports at each of its references.
const std::string kEntityDeclaration = "<!DOCTYPE r [<!ENTITY e \"ab&#38;#38;cd\">]>\r\n";

TEST(XmlTargetDatabaseTest, TextIsReplacedWhereTheFileHoldsIt) {
    struct Case {
        const char* what;
        std::string before;
        std::u16string text;
        std::string after;
    } cases[] = {
        {"an empty-element tag", "<a/>", u"x", "<a>x</a>"},
        {"old text", "<a>old</a>", u"x", "<a>x</a>"},
        {"only children: a line of its own", "<a>\r\n    <b/>\r\n  </a>", u"x",
         "<a>\r\n    <b/>\r\n    x\r\n  </a>"},
        {"after a character reference and a line end", "<a>caf&#233;\r\n  </a>", u"x", "<a>x\r\n  </a>"},
        {"over a line end in the text", "<a>one\r\n  two</a>", u"x", "<a>x</a>"},
        {"a CDATA section", "<a><![CDATA[<raw>]]></a>", u"x", "<a>x</a>"},
        {"text around a comment", "<a>one<!--c-->two</a>", u"x", "<a>x<!--c--></a>"},
        {"escaped", "<a>x &amp; y</a>", u"p<q & r", "<a>p&lt;q &amp; r</a>"},
        {"a \">\" inside an attribute value", "<a b=\"x > y\">old</a>", u"x", "<a b=\"x > y\">x</a>"},
        {"after a tag over lines", "<a\r\n  b=\"1\"\r\n/>", u"x", "<a\r\n  b=\"1\"\r\n>x</a>"},
        {"with a reference to a declared entity", "<a>1&e;2</a>", u"x", "<a>x</a>"},
    };
    for (const Case& c : cases) {
        const std::string result =
            patched(kEntityDeclaration + "<r>" + c.before + "</r>", rowsForA(c.text), {}, kModeInstall);
        EXPECT_EQ(result, kEntityDeclaration + "<r>" + c.after + "</r>") << c.what;
    }
}

// A name is taken only when the parser would read it back as one: any
// other is refused (4116) before anything is written, as an attribute's or
// as a new element's.
TEST(XmlTargetDatabaseTest, ANameThatIsNoXmlNameIsRefusedNotWritten) {
    const std::u16string names[] = {
        u"my setting",
        u"b\"c",
        u"1b",
        u"\u223d",
        u"\u3000b",
        u"b\u3000",
        u"\u0301b",
        u"b\ufffe",
        u"\U00010000b",
        u"b\xd800",
        u"\xdc00"
        u"b",
    };
    for (const std::u16string& name : names) {
        EXPECT_EQ(patched("<r><a/></r>", rowsForA(), {{u"b", u"a", name, u"10", u"1", u"1"}}, kModeInstall),
                  "failed: 4116 ")
            << narrow(name);
        const Rows newElement = {{u"r", u"", u"r", u"0", u"0", u""}, {u"b", u"r", name, u"1", u"4", u""}};
        EXPECT_EQ(patched("<r/>", newElement, {}, kModeInstall), "failed: 4116 ") << narrow(name);
    }
    // Names of letters beyond ASCII, combining marks after the first.
    for (const char16_t* name : {u"\u00e9l\u00e9ment", u"\u4e2d", u"b\u0301", u"ns:b-1.x"}) {
        const Rows newElement = {{u"r", u"", u"r", u"0", u"0", u""}, {u"b", u"r", name, u"1", u"4", u""}};
        EXPECT_EQ(patched("<r/>", newElement, {}, kModeInstall), "<r>\r\n  <" + narrow(name) + "/>\r\n</r>")
            << narrow(name);
    }
}

// Whether a character may stand in a name depends, for the parser, on the
// file's encoding (U+00B5 may in an ISO-8859-1 or UTF-16 file, not in a
// UTF-8 one): a name is taken only when the target's own encoding reads it
// back.
TEST(XmlTargetDatabaseTest, ANameIsTakenOnlyWhenTheTargetsEncodingReadsItBack) {
    const Rows newElement = {{u"r", u"", u"r", u"0", u"0", u""}, {u"b", u"r", u"p\u00b5", u"1", u"4", u""}};
    EXPECT_EQ(patched("<r/>", newElement, {}, kModeInstall), "failed: 4116 ") << "UTF-8";
    EXPECT_EQ(patched("<r><a/></r>", rowsForA(), {{u"b", u"a", u"p\u00b5", u"10", u"1", u"1"}}, kModeInstall),
              "failed: 4116 ")
        << "UTF-8";
    const std::string latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r/>";
    EXPECT_EQ(patched(latin1, newElement, {}, kModeInstall),
              latin1.substr(0, latin1.size() - 2) + ">\r\n  <p\xb5/>\r\n</r>");
    const std::string utf16 = encode(u"<r/>", Form::Utf16LeBom);
    EXPECT_EQ(patched(utf16, newElement, {}, kModeInstall),
              encode(u"<r>\r\n  <p\u00b5/>\r\n</r>", Form::Utf16LeBom));
}

// Characters that no XML document can hold, not even as references (control
// characters but tab and line ends, U+FFFE, U+FFFF, half a surrogate pair),
// are refused with 4113 in a value, a text or a comment, before anything is
// written; a character beyond U+FFFF, a whole pair, is written.
TEST(XmlTargetDatabaseTest, CharactersXmlForbidsAreRefusedBeforeAnythingIsWritten) {
    const std::u16string forbidden[] = {
        u"a\uffffb",
        u"\ufffe",
        u"a\xd800"
        u"b",
        u"a\xdc00",
        u"\xdc00\xd800",
        u"a\u0001",
        u"\u001b",
    };
    for (const Form form : {Form::Utf8, Form::Utf16LeBom}) {
        const std::string before = encode(u"<r><a b=\"1\">old</a></r>", form);
        const auto refused = [&](const Rows& elements, const Rows& attributes, const std::u16string& what) {
            TempDir dir;
            dir.write("doc.xml", before);
            try {
                PatchRun run(fileRows(dir.path(), u"r", elements, attributes), wide(dir / "doc.xml"));
                run.update(kModeInstall);
                run.database.save();
                ADD_FAILURE() << narrow(what) << ": written";
            } catch (const Exception& error) {
                EXPECT_EQ(error.number(), 4113) << narrow(what);
                ASSERT_EQ(error.arguments().size(), 4u) << narrow(what);
                EXPECT_EQ(error.arguments()[0], wide(dir / "doc.xml"));
            }
            EXPECT_EQ(dir.read("doc.xml"), before) << narrow(what);
            EXPECT_EQ(dir.entries().size(), 1u) << narrow(what);
        };
        for (const std::u16string& text : forbidden) {
            refused(rowsForA(), {{u"b", u"a", u"b", u"14", u"1", text}}, u"value " + text);
            refused(rowsForA(text), {}, u"text " + text);
            Rows added = rowsForA();
            added.push_back({u"c", u"r", u"c", u"2", u"4", text});
            refused(added, {}, u"new element " + text);
            Rows comment = rowsForA();
            comment.push_back({u"c", u"r", u"c", u"2", u"1", text});
            refused(comment, {}, u"comment " + text);
        }
        const std::string pair = patched(before, rowsForA(u"\U0001F600"),
                                         {{u"b", u"a", u"b", u"14", u"1", u"\U0001F600"}}, kModeInstall);
        EXPECT_EQ(pair, encode(u"<r><a b=\"\U0001F600\">\U0001F600</a></r>", form));
    }
}

TEST(XmlTargetDatabaseTest, AFileWhoseElementsComeFromAnEntityIsLeftAsItIs) {
    const std::string before = "<!DOCTYPE r [<!ENTITY e \"<a/>\">]>\r\n<r>&e;</r>";
    EXPECT_EQ(patched(before, rowsForA(u"x"), {}, kModeInstall), "failed: 0 Unexpected exception.");
}

TEST(XmlTargetDatabaseTest, AttributesAndTextOfOneElementBothLandInIt) {
    const std::string result = patched("<r>\r\n  <a b=\"1\"/>\r\n  <z/>\r\n</r>", rowsForA(u"text"),
                                       {{u"c", u"a", u"c", u"10", u"1", u"a longer value"}}, kModeInstall);
    EXPECT_EQ(result, "<r>\r\n  <a b=\"1\" c=\"a longer value\">text</a>\r\n  <z/>\r\n</r>");
}

TEST(XmlTargetDatabaseTest, NewElementsGoIndentedBeforeTheirParentsEndTag) {
    const Rows newB = {{u"r", u"", u"r", u"0", u"0", u""}, {u"b", u"r", u"b", u"1", u"4", u""}};
    struct Case {
        const char* what;
        std::string before;
        Rows elements;
        Rows attributes;
        std::string after;
    } cases[] = {
        {"into an empty-element tag", "<r/>", newB, {}, "<r>\r\n  <b/>\r\n</r>"},
        {"before an end tag on its own line",
         "<r>\r\n  <a/>\r\n</r>",
         newB,
         {},
         "<r>\r\n  <a/>\r\n  <b/>\r\n</r>"},
        {"before an end tag after other markup", "<r><a/></r>", newB, {}, "<r><a/>\r\n  <b/>\r\n</r>"},
        {"after text", "<r>text  </r>", newB, {}, "<r>text\r\n  <b/>\r\n</r>"},
        {"a second one after the first",
         "<r>\r\n  <a/>\r\n</r>",
         {{u"r", u"", u"r", u"0", u"0", u""},
          {u"b", u"r", u"b", u"1", u"4", u""},
          {u"c", u"r", u"c", u"2", u"4", u""}},
         {},
         "<r>\r\n  <a/>\r\n  <b/>\r\n  <c/>\r\n</r>"},
        {"with its subtree",
         "<r/>",
         {{u"r", u"", u"r", u"0", u"0", u""},
          {u"b", u"r", u"b", u"1", u"4", u""},
          {u"c", u"b", u"c", u"1", u"4", u"t"}},
         {{u"x", u"b", u"x", u"10", u"1", u"1"}},
         "<r>\r\n  <b x=\"1\">\r\n    <c>t</c>\r\n  </b>\r\n</r>"},
        {"into the parent that has the key attribute",
         "<r>\r\n  <s id=\"1\">\r\n  </s>\r\n  <s id=\"2\"/>\r\n</r>",
         {{u"r", u"", u"r", u"0", u"0", u""},
          {u"s", u"r", u"s", u"1", u"0", u""},
          {u"b", u"s", u"b", u"1", u"4", u""}},
         {{u"id", u"s", u"id", u"11", u"1", u"2"}},
         "<r>\r\n  <s id=\"1\">\r\n  </s>\r\n  <s id=\"2\">\r\n    <b/>\r\n  </s>\r\n</r>"},
        {"then text into the element the new one follows",
         "<r><a/></r>",
         {{u"r", u"", u"r", u"0", u"0", u""},
          {u"b", u"r", u"b", u"0", u"4", u""},
          {u"a", u"r", u"a", u"1", u"8", u"t"}},
         {},
         "<r><a>t</a>\r\n  <b/>\r\n</r>"},
    };
    for (const Case& c : cases) {
        const std::string result = patched(c.before, c.elements, c.attributes, kModeInstall);
        EXPECT_EQ(result, c.after) << c.what << "\n" << describeDifference(c.after, result, c.what);
    }
}

TEST(XmlTargetDatabaseTest, RemovedElementsTakeTheirLineWithThem) {
    const Rows removeA = {{u"r", u"", u"r", u"0", u"0", u""}, {u"a", u"r", u"a", u"1", u"2", u""}};
    struct Case {
        const char* what;
        std::string before;
        Rows elements;
        Rows attributes;
        std::string after;
    } cases[] = {
        {"alone on its line", "<r>\r\n  <a/>\r\n  <b/>\r\n</r>", removeA, {}, "<r>\r\n  <b/>\r\n</r>"},
        {"beside other markup", "<r><a/><b/></r>", removeA, {}, "<r><b/></r>"},
        {"followed by markup on its line", "<r>\r\n  <a/> <b/>\r\n</r>", removeA, {}, "<r>\r\n<b/>\r\n</r>"},
        {"with its children", "<r>\r\n  <a>\r\n    <c/>\r\n  </a>\r\n</r>", removeA, {}, "<r>\r\n</r>"},
        {"every match",
         "<r>\r\n  <a/>\r\n  <a>\r\n  </a>\r\n  <z/>\r\n</r>",
         removeA,
         {},
         "<r>\r\n  <z/>\r\n</r>"},
        {"rows below a removed element touch nothing",
         "<r>\r\n  <a>\r\n    <b>\r\n      <c x=\"1\"/>\r\n    </b>\r\n  </a>\r\n  <z/>\r\n</r>",
         {{u"r", u"", u"r", u"0", u"0", u""},
          {u"a", u"r", u"a", u"1", u"2", u""},
          {u"b", u"a", u"b", u"1", u"0", u""},
          {u"c", u"b", u"c", u"1", u"0", u""}},
         {{u"x", u"c", u"x", u"20", u"1", u""}},
         "<r>\r\n  <z/>\r\n</r>"},
    };
    for (const Case& c : cases) {
        const std::string result = patched(c.before, c.elements, c.attributes, kModeUninstall);
        EXPECT_EQ(result, c.after) << c.what << "\n" << describeDifference(c.after, result, c.what);
    }
}

TEST(XmlTargetDatabaseTest, UTF16CharactersWhoseBytesLookLikeMarkupStayWhole) {
    // U+0D0A is the bytes of CR and LF, U+0920 those of a tab and a space.
    for (const Form form : {Form::Utf16LeBom, Form::Utf16BeBom}) {
        EXPECT_EQ(patched(encode(u"<r><a>x\u0d0a</a></r>", form), rowsForA(u"y"), {}, kModeInstall),
                  encode(u"<r><a>y</a></r>", form));
        const Rows removeA = {{u"r", u"", u"r", u"0", u"0", u""}, {u"a", u"r", u"a", u"1", u"2", u""}};
        EXPECT_EQ(patched(encode(u"<r>\u0920<a/></r>", form), removeA, {}, kModeUninstall),
                  encode(u"<r>\u0920</r>", form));
    }
}

// The keys of the document elements that match the table's i record.
std::string matchKeys(const Rows& elements, const Rows& attributes, int mode) {
    TempDir dir;
    dir.write("doc.xml", "<r>\r\n  <s id=\"1\"><i k=\"a\">one</i></s>\r\n"
                         "  <s id=\"2\"><i k=\"a\">two</i><i k=\"b\"> two\r\n</i></s>\r\n</r>");
    PatchRun run(fileRows(dir.path(), u"r", elements, attributes), wide(dir / "doc.xml"));
    std::string keys;
    for (const XmlDocumentElementRecord* match : run.database.findMatches(*run.model.findElement(u"i"), mode))
        keys += (keys.empty() ? "" : " ") + narrow(match->key());
    return keys;
}

TEST(XmlTargetDatabaseTest, MatchesByPathKeysAncestorsAndAtUninstallText) {
    const auto rows = [](const std::u16string& name, const std::u16string& text) {
        return Rows{{u"r", u"", u"r", u"0", u"0", u""},
                    {u"s", u"r", u"s", u"1", u"0", u""},
                    {u"i", u"s", name, u"1", u"0", text}};
    };
    struct Case {
        const char* what;
        Rows elements;
        Rows attributes;
        int mode;
        std::string keys;
    } cases[] = {
        {"the path alone", rows(u"i", u""), {}, kModeInstall, "i i_1 i_2"},
        {"names compare exactly", rows(u"I", u""), {}, kModeInstall, ""},
        {"a key attribute", rows(u"i", u""), {{u"k", u"i", u"k", u"11", u"1", u"a"}}, kModeInstall, "i i_1"},
        {"key values compare exactly",
         rows(u"i", u""),
         {{u"k", u"i", u"k", u"11", u"1", u"A"}},
         kModeInstall,
         ""},
        {"a key of an ancestor",
         rows(u"i", u""),
         {{u"k", u"i", u"k", u"11", u"1", u"a"}, {u"id", u"s", u"id", u"11", u"1", u"2"}},
         kModeInstall,
         "i_1"},
        {"other attributes do not match at install",
         rows(u"i", u""),
         {{u"k", u"i", u"k", u"10", u"1", u"b"}},
         kModeInstall,
         "i i_1 i_2"},
        {"the trimmed text at uninstall", rows(u"i", u" two\r\n"), {}, kModeUninstall, "i_1 i_2"},
        {"and every added attribute at uninstall",
         rows(u"i", u"two"),
         {{u"k", u"i", u"k", u"10", u"1", u"b"}},
         kModeUninstall,
         "i_2"},
        {"but none of the uninstall pass",
         rows(u"i", u"two"),
         {{u"k", u"i", u"k", u"26", u"1", u"b"}},
         kModeUninstall,
         "i_1 i_2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchKeys(c.elements, c.attributes, c.mode), c.keys) << c.what;
}

TEST(XmlTargetDatabaseTest, ReadsEveryElementWithAUniqueKeyItsOrderAndTrimmedText) {
    TempDir dir;
    dir.write("doc.xml", "<r><item a=\"1\" b=\"2\"/><x>\r\n  <item> text &amp; more \r\n</item><item_2/></x>"
                         "<item/></r>");
    XmlTargetDatabase database(wide(dir / "doc.xml"));
    database.load();
    std::vector<std::string> read;
    for (const auto& element : database.elements()) {
        read.push_back(narrow(element->key()) + " " + narrow(element->namePath()) + " " +
                       std::to_string(element->order()) + " [" + narrow(element->text()) + "]");
    }
    const std::vector<std::string> expected = {
        "r r 0 []",
        "item r/item 0 []",
        "x r/x 1 []",
        "item_1 r/x/item 0 [text & more]",
        "item_2 r/x/item_2 1 []",
        "item_3 r/item 2 []",
    };
    EXPECT_EQ(read, expected);
    EXPECT_EQ(database.rootElement()->name(), u"r");
    const auto& attributes = database.elements()[1]->attributes();
    ASSERT_EQ(attributes.size(), 2u);
    EXPECT_EQ(attributes[1].name, u"b");
    EXPECT_EQ(attributes[1].origin, XmlAttributeRecord::kFromDocument);
    EXPECT_EQ(attributes[1].order, 1);
    EXPECT_EQ(database.findByPath(u"R/X/ITEM").size(), 1u) << "paths found ignoring case";
}

// Elements that nothing looks for are left out with everything inside
// them; they still count among their parent's children, and their text is
// not the parent's.
TEST(XmlTargetDatabaseTest, ElementsNothingLooksForAreLeftOutButStillCounted) {
    TempDir dir;
    const std::string bytes =
        "<r>head<skip>in <b>deep</b></skip>\r\n  <B v=\"1\">t</B>tail<b v=\"2\"/><c/></r>";
    dir.write("doc.xml", bytes);
    XmlTargetDatabase database(wide(dir / "doc.xml"));
    XmlAttributeRecord one;
    one.name = u"v";
    one.value = u"1";
    database.keepOnly({{u"R/b", {one}}, {u"r/skip/c", {}}});
    database.load();
    std::vector<std::string> read;
    for (const auto& element : database.elements())
        read.push_back(narrow(element->namePath()) + " " + std::to_string(element->order()) + " [" +
                       narrow(element->text()) + "]");
    EXPECT_EQ(read, (std::vector<std::string>{"r 0 [head\n  tail]", "r/B 1 [t]"}));

    std::vector<std::string> runs;
    for (const auto& [start, end] : database.rootElement()->textRanges)
        runs.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(runs, (std::vector<std::string>{"head", "tail"}));
}

TEST(XmlTargetDatabaseTest, TheEncodingComesFromTheByteOrderMarkAndTheDeclaration) {
    struct Case {
        const char* what;
        std::string bytes;
        int code; // or the error number
        bool bigEndian;
    } cases[] = {
        {"UTF-8 in lower case", "<?xml version=\"1.0\" encoding=\"utf-8\"?><r/>", XmlEncoding::kUtf8, false},
        {"no declaration", "<r/>", XmlEncoding::kUtf8, false},
        {"Windows-1252", "<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?><r/>", XmlEncoding::kWindows1252,
         false},
        {"US-ASCII", "<?xml version=\"1.0\" encoding=\"us-ascii\"?><r/>", XmlEncoding::kUsAscii, false},
        {"UTF-16 without a declaration", encode(u"<r/>", Form::Utf16LeBom), XmlEncoding::kUtf16, false},
        {"UTF-16 big-endian", encode(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><r/>", Form::Utf16BeBom),
         XmlEncoding::kUtf16, true},
        {"a name outside the table", "<?xml version=\"1.0\" encoding=\"UTF8\"?><r/>", 4114, false},
        {"a broken file", "<r><a></r>", 4113, false},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("doc.xml", c.bytes);
        XmlTargetDatabase database(wide(dir / "doc.xml"));
        try {
            database.load();
            EXPECT_EQ(database.updater().encoding().code(), c.code) << c.what;
            EXPECT_EQ(database.updater().encoding().bigEndian(), c.bigEndian) << c.what;
        } catch (const Exception& error) {
            EXPECT_EQ(error.number(), c.code) << c.what;
        }
    }
}

// A file in which every element gets edited, level after level: the
// attributes of every s first, then the text of the v inside each, and at
// removal every w. The positions of the deeper elements must have followed
// all the edits made before them.
TEST(XmlTargetDatabaseTest, EveryElementOfALongFileIsEditedInItsPlace) {
    const auto file = [](int count, const std::u16string& attributes, const std::u16string& text,
                         bool withW) {
        std::u16string out = u"<?xml version=\"1.0\"?>\r\n<r>\r\n";
        for (int i = 0; i < count; ++i) {
            const std::u16string n = wide(std::to_string(i));
            out += u"  <s id=\"" + n + u"\"" + attributes + u">\r\n    <v>" + text + n + u"</v>\r\n";
            if (withW)
                out += u"    <w/>\r\n";
            out += u"  </s>\r\n";
        }
        return out + u"</r>\r\n";
    };
    const Rows install = {{u"r", u"", u"r", u"0", u"0", u""},
                          {u"s", u"r", u"s", u"1", u"16", u""},
                          {u"v", u"s", u"v", u"1", u"16", u"new"}};
    const Rows added = {{u"x", u"s", u"x", u"10", u"1", u"1"}};
    const Rows removal = {{u"r", u"", u"r", u"0", u"0", u""},
                          {u"s", u"r", u"s", u"1", u"0", u""},
                          {u"w", u"s", u"w", u"1", u"2", u""}};
    const int count = 1500;
    for (const Form form : {Form::Utf8, Form::Utf16BeBom}) {
        const std::string once =
            patched(encode(file(count, u"", u"old ", true), form), install, added, kModeInstall);
        // Each v holds "new" now, whatever number it held.
        std::u16string expected = file(count, u" x=\"1\"", u"", true);
        for (int i = count - 1; i >= 0; --i) {
            const std::u16string old = u"<v>" + wide(std::to_string(i)) + u"</v>";
            expected.replace(expected.rfind(old), old.size(), u"<v>new</v>");
        }
        ASSERT_EQ(once, encode(expected, form))
            << describeDifference(encode(expected, form), once, "install");
        const std::string twice = patched(once, removal, {}, kModeUninstall);
        std::u16string removed = expected;
        const std::u16string lineOfW = u"    <w/>\r\n";
        for (size_t at; (at = removed.find(lineOfW)) != std::u16string::npos;)
            removed.erase(at, lineOfW.size());
        EXPECT_EQ(twice, encode(removed, form))
            << describeDifference(encode(removed, form), twice, "removal");
    }
}

TEST(XmlTargetDatabaseTest, AnInsertionWithoutItsParentFailsAndLeavesTheFile) {
    TempDir dir;
    const std::string before = "<r>\r\n  <a>old</a>\r\n  <s id=\"1\"/>\r\n</r>";
    dir.write("doc.xml", before);
    const Rows elements = {{u"r", u"", u"r", u"0", u"0", u""},
                           {u"a", u"r", u"a", u"1", u"16", u"changed"},
                           {u"s", u"r", u"s", u"2", u"0", u""},
                           {u"b", u"s", u"b", u"1", u"4", u""}};
    PatchRun run(fileRows(dir.path(), u"r", elements, {{u"id", u"s", u"id", u"11", u"1", u"9"}}),
                 wide(dir / "doc.xml"));
    try {
        run.update(kModeInstall);
        ADD_FAILURE() << "inserted";
    } catch (const Exception& error) {
        EXPECT_EQ(error.text(), u"Unexpected exception.");
        EXPECT_EQ(error.source(), u"xml\\XmlTargetDatabase");
    }
    EXPECT_EQ(dir.read("doc.xml"), before);
}

} // namespace
