#include "HtmlText.h"

#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "TextInStream.h"
#include "TextOutStream.h"

#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <random>
#include <string>

namespace {

// Lines of a page file that a tag may run over.
std::string joinLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

struct FindTagCase {
    const char* text;
    const char* name;
    int start;
    bool found;
    int startAfter;
    int endAfter;
};
const FindTagCase kFindTagCases[] = {
    {"<p><BODY bgcolor=\"white\">x", "body", 0, true, 3, 24},
    {"x</Body>", "/body", 0, true, 1, 7},
    {"<abbr>t</abbr>", "a", 0, true, 0, 5}, // the name is a prefix
    {"<a>1</a><a>2</a>", "a", 1, true, 8, 10},
    {"<p>no tag</p>", "img", 0, false, -1, 99},
    {"<img", "img", 0, false, 0, -1},          // no ">" and nothing to read
    {"<img src=x>", "img", 11, false, 11, 99}, // start at the length: unchanged
    {"<img src=x>", "img", -1, false, -1, 99},
};

TEST(HtmlTextTest, FindTagOnOneLine) {
    for (const auto& c : kFindTagCases) {
        CString text = c.text;
        int start = c.start;
        int end = 99;
        EXPECT_EQ(findTag(text, c.name, &start, &end, nullptr), c.found) << c.text;
        EXPECT_EQ(start, c.startAfter) << c.text;
        EXPECT_EQ(end, c.endAfter) << c.text;
        EXPECT_EQ(text, c.text);
    }
}

TEST(HtmlTextTest, FindTagPullsInTheLinesUpToItsEnd) {
    TempDir dir;
    dir.write("page.htm", joinLines({"  alt=\"\"", "  src=\"a.gif\">", "after"}));
    TextInStream in((dir / "page.htm").c_str());
    CString text = "<p><IMG border=0";
    int start = 0;
    int end = -1;
    ASSERT_TRUE(findTag(text, "img", &start, &end, &in));
    EXPECT_EQ(text, "<p><IMG border=0\n  alt=\"\"\n  src=\"a.gif\">");
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, text.GetLength() - 1);
    CString next;
    ASSERT_TRUE(in.getline(next, 50000));
    EXPECT_EQ(next, "after");

    // A text where the tag is not found reads nothing.
    CString plain = "<p>text";
    start = 0;
    EXPECT_FALSE(findTag(plain, "img", &start, &end, &in));
    EXPECT_EQ(plain, "<p>text");
}

TEST(HtmlTextTest, FindTagGivesUpAfterTenLines) {
    TempDir dir;
    std::string nine;
    for (int n = 1; n <= 9; ++n)
        nine += "line" + std::to_string(n) + "\r\n";
    dir.write("ten.htm", nine + ">\r\nrest\r\n");
    dir.write("eleven.htm", nine + "line10\r\n>\r\nrest\r\n");

    TextInStream ten((dir / "ten.htm").c_str());
    CString text = "<img";
    int start = 0;
    int end = -1;
    EXPECT_TRUE(findTag(text, "img", &start, &end, &ten));
    EXPECT_EQ(end, text.GetLength() - 1);

    TextInStream eleven((dir / "eleven.htm").c_str());
    text = "<img";
    start = 0;
    end = -1;
    EXPECT_FALSE(findTag(text, "img", &start, &end, &eleven));
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, -1);
    EXPECT_EQ(text.Right(7), "\nline10"); // the lines read stay in the text
    CString next;
    ASSERT_TRUE(eleven.getline(next, 50000));
    EXPECT_EQ(next, ">");
}

struct RemoveCase {
    const char* text;
    const char* name;
    const char* result;
};
const RemoveCase kRemoveElementsCases[] = {
    {"a<h1>One</h1>b<H1 class=\"banner\" id=t>Two</H1>c", "H1", "abc"},
    {"<h1>1</h1><h1>2</h1>end", "h1", "end"},
    {"x<h1>Title without end", "H1", "x<h1>Title without end"},
    {"<h1>A</h1>x<h1>B", "H1", "x<h1>B"},
    {"<b>bold <i>it</i></b> rest", "b", " rest"},
};
const RemoveCase kRemoveTagsCases[] = {
    {"<A HREF=\"x.htm\">Link</A>", "a", "Link</A>"},
    {"Link</A> and </a>", "/a", "Link and "},
    {"<a href=x><abbr>t</abbr></a>", "a", "t</abbr></a>"},
    {"<br><BR>x<br/>", "br", "x"},
    {"no tags", "a", "no tags"},
};

TEST(HtmlTextTest, RemoveElementsAndTags) {
    for (const auto& c : kRemoveElementsCases) {
        CString text = c.text;
        EXPECT_EQ(removeElements(text, c.name, nullptr), c.result) << c.text;
        EXPECT_EQ(text, c.result) << c.text;
    }
    for (const auto& c : kRemoveTagsCases) {
        CString text = c.text;
        EXPECT_EQ(removeTags(text, c.name, nullptr), c.result) << c.text;
        EXPECT_EQ(text, c.result) << c.text;
    }
}

TEST(HtmlTextTest, RemoveElementsKeepsTheLinesItRead) {
    TempDir dir;
    std::string lines;
    for (int n = 1; n <= 11; ++n)
        lines += "l" + std::to_string(n) + "\r\n";
    dir.write("page.htm", lines);
    TextInStream in((dir / "page.htm").c_str());
    // The closing tag has no ">" in the next ten lines: the element stays,
    // and so do the lines read while looking for it.
    CString text = "x<h1>T</h1";
    EXPECT_EQ(removeElements(text, "h1", &in), "x<h1>T</h1\nl1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\nl10");
    CString next;
    ASSERT_TRUE(in.getline(next, 50000));
    EXPECT_EQ(next, "l11");
}

// The functions as they first read a text: a lower-cased copy searched
// again for every tag, the text cut and joined again for every removal.
// They take time by the square of a line's tags, but say what the answers
// are; the functions give the same answers reading each text once.
namespace reference {

bool findTag(CString& text, const CString& name, int* start, int* end, TextInStream* in) {
    if (*start < 0 || *start >= text.GetLength())
        return false;
    *start = lowerCased(text).Find(lowerCased("<" + name), *start);
    if (*start == -1)
        return false;
    *end = text.Find('>', *start);
    CString line;
    for (int n = 0; *end == -1 && n < 10 && in && in->getline(line, 50000); ++n) {
        text += "\n" + line;
        *end = text.Find('>', *start);
    }
    return *end != -1;
}

CString removeElements(CString& text, const CString& name, TextInStream* in) {
    for (int from = 0;;) {
        int start = from;
        int end = -1;
        if (!reference::findTag(text, name, &start, &end, in))
            return text;
        CString after = text.Mid(end + 1);
        int closeStart = 0;
        int closeEnd = -1;
        if (!reference::findTag(after, "/" + name, &closeStart, &closeEnd, in))
            return text = text.Left(end + 1) + after;
        text = text.Left(start) + after.Mid(closeEnd + 1);
        from = start;
    }
}

CString removeTags(CString& text, const CString& name, TextInStream* in) {
    for (int from = 0;;) {
        int start = from;
        int end = -1;
        if (!reference::findTag(text, name, &start, &end, in))
            return text;
        text = text.Left(start) + text.Mid(end + 1);
        from = start;
    }
}

void rebasePictureSources(CString& line, TextInStream* in) {
    for (int from = 0;;) {
        int start = -1;
        int end = -1;
        for (const char* name : {"img", "v:imagedata"}) {
            int tagStart = from;
            int tagEnd = -1;
            if (reference::findTag(line, name, &tagStart, &tagEnd, in) && (start == -1 || tagStart < start)) {
                start = tagStart;
                end = tagEnd;
            }
        }
        if (start == -1)
            return;
        int valueStart = -1;
        int valueEnd = -1;
        CString value = getAttributeValue(line, start, end, "src", &valueStart, &valueEnd);
        if (valueStart == -1) {
            from = end + 1;
            continue;
        }
        value.Replace("\\\\", "/");
        if (value.Left(2) == "./")
            value = value.Mid(2);
        const int lengthBefore = line.GetLength();
        line = replaceRange(line, valueStart, valueEnd, "/" + value);
        from = end + (line.GetLength() - lengthBefore) + 1;
    }
}

} // namespace reference

// Texts made of the pieces tags are made of, over lines that a tag left
// open pulls in: every answer, every text left and every line read agrees
// with the reference.
TEST(HtmlTextTest, EachTextIsReadOnceWithTheAnswersItAlwaysGave) {
    const char* const pieces[] = {
        "<a",   "<A ",   "</a",       "</A>",   "<abbr>",       ">",          "x",  " ",  "<h1", "</H1",
        "<img", " src=", "\"p.gif\"", "SRC = ", "<v:imagedata", "<IMG alt=y", "<b", "/>", "\n"};
    std::mt19937 random(20240611);
    auto text = [&](int pieceCount) {
        std::string made;
        for (int i = 0; i < pieceCount; ++i)
            made += pieces[random() % std::size(pieces)];
        return made;
    };
    TempDir dir;
    for (int round = 0; round < 3000; ++round) {
        const std::string line = text(1 + random() % 30);
        std::string lines;
        for (int n = random() % 25; n > 0; --n)
            lines += text(random() % 4) + "\r\n";
        dir.write("lines.txt", lines);
        const char* name = round % 3 == 0 ? "a" : round % 3 == 1 ? "/a" : "h1";
        for (int function = 0; function < 4; ++function) {
            SCOPED_TRACE(testing::Message() << "function " << function << " on " << line << " | " << lines);
            TextInStream in((dir / "lines.txt").c_str());
            TextInStream expectedIn((dir / "lines.txt").c_str());
            CString actual = line.c_str();
            CString expected = line.c_str();
            if (function == 0) {
                int start = static_cast<int>(random() % (line.size() + 1));
                int expectedStart = start;
                int end = -1;
                int expectedEnd = -1;
                EXPECT_EQ(findTag(actual, name, &start, &end, &in),
                          reference::findTag(expected, name, &expectedStart, &expectedEnd, &expectedIn));
                EXPECT_EQ(start, expectedStart);
                EXPECT_EQ(end, expectedEnd);
            } else if (function == 1) {
                EXPECT_EQ(removeTags(actual, name, &in), reference::removeTags(expected, name, &expectedIn));
            } else if (function == 2) {
                EXPECT_EQ(removeElements(actual, name, &in),
                          reference::removeElements(expected, name, &expectedIn));
            } else {
                // The pictures' sources, through a page's sections; with no
                // project open they are rebased on nothing.
                ASSERT_EQ(getProcessManager(), nullptr);
                dir.write("tmp/.keep", "");
                dir.write("x/page.htm", "<body>" + line + "\r\n" + lines);
                TextOutStream out((dir / "tmp/out.htm").c_str());
                extractPageSections((dir / "x/page.htm").c_str(), out, nullptr, 0);
                ASSERT_TRUE(out.close());
                std::string expectedSections;
                TextInStream page((dir / "x/page.htm").c_str());
                CString pageLine;
                bool first = true;
                while (page.getline(pageLine, 50000)) {
                    if (first)
                        pageLine = pageLine.Mid(6);
                    first = false;
                    reference::removeElements(pageLine, "H1", &page);
                    reference::removeTags(pageLine, "a", &page);
                    reference::removeTags(pageLine, "/a", &page);
                    if (pageLine.Find("top.gif") != -1)
                        reference::removeTags(pageLine, "img", &page);
                    reference::rebasePictureSources(pageLine, &page);
                    pageLine.Replace("\n", "\r\n");
                    expectedSections += pageLine.str() + "\r\n";
                }
                EXPECT_EQ(dir.read("tmp/out.htm"), expectedSections);
                continue;
            }
            EXPECT_EQ(actual, expected);
            CString rest;
            CString expectedRest;
            while (expectedIn.getline(expectedRest, 50000)) {
                ASSERT_TRUE(in.getline(rest, 50000));
                EXPECT_EQ(rest, expectedRest);
            }
            EXPECT_FALSE(in.getline(rest, 50000));
        }
    }
}

struct AttributeCase {
    const char* text;
    int limit;
    const char* value;
    int valueStart;
    int valueEnd;
    const char* replaced; // with the value "new"
};
const AttributeCase kAttributeCases[] = {
    {"<img alt=\"pic\" src=\"images/a.gif\" border=0>", 43, "images/a.gif", 19, 32,
     "<img alt=\"pic\" src=\"new\" border=0>"},
    {"<IMG SRC = \"a.gif\">", 18, "a.gif", 10, 17, "<IMG SRC =\"new\">"},
    {"<img src=\n  \"a.gif\">", 19, "a.gif", 9, 18, "<img src=\"new\">"},
    {"<img src=\"\">", 11, "", 9, 10, "<img src=\"new\">"},
    // Unquoted values are read whole, from the character after the "=".
    {"<img src=a.gif border=0>", 23, "a.gif", 9, 13, "<img src=\"new\" border=0>"},
    {"<img src=a alt=\"x\">", 18, "a", 9, 9, "<img src=\"new\" alt=\"x\">"},
    {"<img src=a.gif>", 14, "a.gif", 9, 13, "<img src=\"new\">"},
    // Only the tag up to the limit is searched.
    {"<img alt=\"x\"><img src=\"b.gif\">", 12, "", -1, -1, nullptr},
};

TEST(HtmlTextTest, AttributeValueAndItsReplacement) {
    for (const auto& c : kAttributeCases) {
        int valueStart = 0;
        int valueEnd = 0;
        EXPECT_EQ(getAttributeValue(c.text, 0, c.limit, "Src", &valueStart, &valueEnd), c.value) << c.text;
        EXPECT_EQ(valueStart, c.valueStart) << c.text;
        EXPECT_EQ(valueEnd, c.valueEnd) << c.text;
        if (c.replaced) {
            EXPECT_EQ(replaceRange(c.text, valueStart, valueEnd, "new"), c.replaced) << c.text;
        }
    }
    // The search starts at from.
    int valueStart = 0;
    int valueEnd = 0;
    EXPECT_EQ(getAttributeValue("<img src=\"a\"><img src=\"b\">", 13, 25, "src", &valueStart, &valueEnd),
              "b");
    EXPECT_EQ(valueStart, 22);
}

struct BodyCase {
    const char* page;
    const char* body;
    const char* bodyToMarker;
};
const BodyCase kBodyCases[] = {
    {"<html><head></head>\r\n<body\r\n bgcolor=\"white\">First\r\nSecond\r\n</BODY></html>\r\n",
     "FirstSecond", "FirstSecond"},
    {"<BODY>a<!--process_hyperlink-->generated\r\nmore\r\n</body>\r\n",
     "a<!--process_hyperlink-->generatedmore", "a"},
    {"<body>a\r\n<!--PROCESS_HYPERLINK-->\r\nb</body>c\r\n<body>d</body>\r\n", "a<!--PROCESS_HYPERLINK-->bd",
     "ad"},
    {"<html><p>no body</p></html>\r\n", "", ""},
    // Only a tag named body opens or closes the body.
    {"<body>a<!--PROCESS_HYPERLINK-->b\r\n<bodyguard>c</bodyguard>\r\n</body>\r\n",
     "a<!--PROCESS_HYPERLINK-->b<bodyguard>c</bodyguard>", "a"},
    {"<Bodyguard>x\r\n<body\r\n>y</body-x></BODY >\r\n", "y</body-x>", "y</body-x>"},
};

TEST(HtmlTextTest, PageBody) {
    TempDir dir;
    for (const auto& c : kBodyCases) {
        dir.write("page.htm", c.page);
        EXPECT_EQ(extractPageBody((dir / "page.htm").c_str(), 0), c.body) << c.page;
        EXPECT_EQ(extractPageBody((dir / "page.htm").c_str(), 1), c.bodyToMarker) << c.page;
    }
    EXPECT_EQ(extractPageBody((dir / "missing.htm").c_str(), 0), "");
    EXPECT_FALSE(dir.exists("missing.htm"));
}

struct EscapeCase {
    const char* text;
    const char* html;
    const char* script;
    const char* escaped;
};
const EscapeCase kEscapeCases[] = {
    {"a \"b\" & c", "a &quot;b&quot; &amp; c", "a 'b' & c", "a \"b\" &amp; c"},
    {"<B>x</B> &amp; y", "<B>x</B> &amp;amp; y", "x &amp; y", "&lt;B&gt;x&lt;/B&gt; &amp;amp; y"},
    {"it\x92s `q`", "it\x92s `q`", "it&rsquo;s &lsquo;q&lsquo;", "it\x92s `q`"},
};

TEST(HtmlTextTest, Escaping) {
    for (const auto& c : kEscapeCases) {
        EXPECT_EQ(textToHtml(c.text, 0), c.html) << c.text;
        EXPECT_EQ(textToHtml(c.text, 1), c.script) << c.text;
        EXPECT_EQ(escapeHtml(c.text), c.escaped) << c.text;
    }
}

TEST(HtmlTextTest, LowerCasedFoldsTheCodePagesLettersInACopy) {
    const CString name = "\xC9TAT Q&A \x8A\xD7 R\xC9VIS\xC9";
    EXPECT_EQ(lowerCased(name), "\xE9tat q&a \x9A\xD7 r\xE9vis\xE9");
    EXPECT_EQ(name, "\xC9TAT Q&A \x8A\xD7 R\xC9VIS\xC9");
    EXPECT_EQ(lowerCased(""), "");
}

// A project with the section labels in two languages, and one item page.
class PageSectionsTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.copyFixture("menu-tree-project", "proj");
        m_dir.write("proj/site.tvx",
                    "[STD_OPTION]\r\nGenerationLang=EN\r\nGenerationLang2=FR\r\nDataVersion=v2.4.5\r\n");
        m_dir.write("proj/tolvane/trad.ini",
                    "[TRAD]\r\n"
                    "Description_EN=Description\r\nDescription_FR=Sommaire\r\n"
                    "TemplatesExamples_EN=Templates\r\nTemplatesExamples_FR=Modeles\r\n"
                    "Hyperlinks_EN=Links\r\nHyperlinks_FR=Liens\r\n"
                    "Procedures_EN=Procedures\r\nProcedures_FR=Marches\r\n"
                    "WPCreatedUpdated_EN=Created\r\nWPCreatedUpdated_FR=Cree\r\n"
                    "TailoringGuideline_EN=Tailoring\r\nTailoringGuideline_FR=Adaptation\r\n");
        m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), nullptr, 1, 0);
        m_dir.write("proj/tmp/.keep", "");
    }

    // The bytes extractPageSections writes for the page.
    std::string sections(const std::string& page, int language) {
        const std::string out = m_dir / "proj/tmp/out.htm";
        TextOutStream stream(out.c_str());
        extractPageSections((m_dir / page).c_str(), stream, nullptr, language);
        stream.close();
        return m_dir.read("proj/tmp/out.htm");
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    std::unique_ptr<ProcessManager> m_manager;
};

TEST_F(PageSectionsTest, ItemPageBecomesADocumentSection) {
    ASSERT_EQ(getProcessManager(), m_manager.get());
    m_dir.write(
        "proj/site/Qual/Sub/page.htm",
        joinLines({
            "<html><head><title>Page</title></head>",
            "<body bgcolor=\"white\">",
            "<H1 class=\"banner\">Page title</H1><p>Intro</p>",
            "<H4>Description</H4>",
            "<p>See <A HREF=\"other.htm\">the other page</A> and <a name=\"x\"></a>here.</p>",
            "<img src=\"./images/pic.gif\" alt=\"p\"> and <v:imagedata src=\"images\\\\sub\\\\shape.png\" "
            "o:title=\"\"/>",
            "<img alt=\"no source\"><IMG SRC=\"b.gif\">",
            "<H4>Liens</H4><h4>Description</h4><H4>Other</H4>",
            "<a href=\"#Top\"><img src=\"../../images/top.gif\" border=0></a><img src=\"x.gif\">",
            "<H4><a name=\"ACU\">Created</a></H4>",
            "<img",
            " src=\"c.gif\">",
            "</body>",
            "<p>after the body</p>",
        }));
    // Picture addresses climb from the document's folder with "/", which
    // every reader of the document takes.
    const std::string expected =
        "\r\n"
        "<p>Intro</p>\r\n"
        "<B>Description</B><BR>\r\n"
        "<p>See the other page and here.</p>\r\n"
        "<img src=\"../site/Qual/Sub/images/pic.gif\" alt=\"p\"> and "
        "<v:imagedata src=\"../site/Qual/Sub/images/sub/shape.png\" o:title=\"\"/>\r\n"
        "<img alt=\"no source\"><IMG SRC=\"../site/Qual/Sub/b.gif\">\r\n"
        "<H4>Liens</H4><h4>Description</h4><H4>Other</H4>\r\n"
        "\r\n"
        "<B>Created</B><BR>\r\n"
        "<img\r\n src=\"../site/Qual/Sub/c.gif\">\r\n"
        "\r\n";
    EXPECT_EQ(sections("proj/site/Qual/Sub/page.htm", 0), expected);

    // In the second language its own headings are the ones made bold.
    const std::string second = sections("proj/site/Qual/Sub/page.htm", 1);
    EXPECT_NE(second.find("\r\n<H4>Description</H4>\r\n"), std::string::npos);
    EXPECT_NE(second.find("\r\n<B>Liens</B><BR><B>Description</B><BR><B>Other</B><BR>\r\n"),
              std::string::npos);
}

TEST_F(PageSectionsTest, UnreadablePageWritesNothing) {
    m_dir.write("proj/site/home/nobody.htm", "<html><p>text</p></html>\r\n");
    EXPECT_EQ(sections("proj/site/home/nobody.htm", 0), "");
    EXPECT_EQ(sections("proj/site/home/missing.htm", 0), "");
    EXPECT_FALSE(m_dir.exists("proj/site/home/missing.htm"));
}

} // namespace
