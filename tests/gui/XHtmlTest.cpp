// The mini-HTML text: its parser, its layout with a fixed measure, the
// colours it reads, and the static control's links.

#include "CHyperlinkStatic.h"
#include "CXHTMLStatic.h"
#include "CXNamedColors.h"
#include "FileSystem.h"
#include "RecordingUserInterface.h"
#include "XHtmlLayout.h"
#include "XHtmlParser.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <wx/frame.h>

namespace {

// The tokens as one line of text, placeholders shown as [character].
std::string describe(const std::vector<XHtmlToken>& tokens) {
    static const char* const names[] = {"",     "B+",    "B-",   "I+",   "I-",     "U+",     "U-",
                                        "S+",   "S-",    "BIG+", "BIG-", "SMALL+", "SMALL-", "SUB+",
                                        "SUB-", "SUP+",  "SUP-", "FONT", "FONT-",  "CODE+",  "CODE-",
                                        "LINK", "LINK-", "HR",   "BR"};
    std::string text;
    for (const XHtmlToken& token : tokens) {
        if (!text.empty())
            text += ' ';
        if (token.kind == XHtmlToken::Text) {
            text += "text(";
            for (const char* p = token.text; *p; ++p) {
                if (*p == XHtmlParser::kPlaceholder && p[1]) {
                    text += std::string("[") + XHtmlParser::entityCharacter(*++p) + "]";
                } else {
                    text += *p;
                }
            }
            text += ")";
            continue;
        }
        text += names[token.kind];
        if (token.kind == XHtmlToken::Font) {
            text += "(";
            if (token.hasColor)
                text += "color=" + token.color.str() + ";";
            if (token.hasBackground)
                text += "bg=" + token.background.str() + ";";
            if (token.hasFace)
                text += "face=" + token.text.str() + ";";
            if (token.hasSize)
                text += "size=" + std::to_string(token.size) + ";";
            text += ")";
        } else if (token.kind == XHtmlToken::Link) {
            text += "(" + token.text.str() + ")";
        } else if (token.kind == XHtmlToken::Rule && token.hasSize) {
            text += "(" + std::to_string(token.size) + ")";
        }
    }
    return text;
}

struct ParseCase {
    const char* html;
    const char* tokens;
};
const ParseCase kParseCases[] = {
    {"a&lt;b", "text(a[<]b)"},
    {"&nbsp;&amp;&euro;&AMP;", "text([ ][&][\x80]&AMP;)"},
    {"<b>x</B>", "B+ text(x) B-"},
    {"<i><u><strike>x</strike></u></i>", "I+ U+ S+ text(x) S- U- I-"},
    {"<big><small><sub><sup></sup></sub></small></big>", "BIG+ SMALL+ SUB+ SUP+ SUP- SUB- SMALL- BIG-"},
    {"<font color=\"255,0,0\" SIZE=\"+4\" face=\"Arial\">x</font>",
     "FONT(color=255,0,0;face=Arial;size=4;) text(x) FONT-"},
    {"<font junk=1 bgcolor=\"red\">", "FONT(bg=red;)"},
    {"<font color=red size=\"2\">", "FONT()"},
    {"<a href=\"/qvm/x.htm\">link</a>", "LINK(\"/qvm/x.htm\") text(link) LINK-"},
    {"<A HREF=APP:next>", "LINK(APP:next)"},
    {"<hr size=3><HR>", "HR(3) HR"},
    {"x<br>y", "text(x) BR text(y)"},
    {"<code>c</code>", "CODE+ text(c) CODE-"},
    {"1 < 2", "text(1 ) text(<) text( 2)"},
    {"<bogus>", "text(<) text(bogus>)"},
    {"<b", "text(<) text(b)"},
};

TEST(XHtmlParserTest, ReadsTagsEntitiesAndText) {
    for (const ParseCase& c : kParseCases)
        EXPECT_EQ(describe(XHtmlParser::parse(c.html)), c.tokens) << c.html;
}

// Every character is half the font's height wide; a line is the height.
class FixedMeasurer : public XHtmlMeasurer {
public:
    void selectFont(const XHtmlFont& font) override { m_height = std::abs(font.height); }
    int textWidth(const CString& text) override { return text.GetLength() * m_height / 2; }
    int textHeight(const CString&) override { return m_height; }
    int ascent() override { return m_height * 3 / 4; }
    int descent() override { return m_height - ascent(); }

private:
    int m_height = 10;
};

XHtmlLayout layout(const CString& html, int width = 200, int height = 100, int leftMargin = 0) {
    XHtmlLayout::Settings settings;
    settings.width = width;
    settings.height = height;
    settings.leftMargin = leftMargin;
    settings.font.height = -10;
    settings.font.face = "Sans";
    settings.textColor = RGB(0, 0, 0);
    settings.backgroundColor = RGB(255, 255, 255);
    FixedMeasurer measurer;
    return XHtmlLayout::layout(html, settings, measurer);
}

// The runs as "x,y:text" with b (bold), i, u, s, h<height>, c<colour> when not plain.
std::string runs(const XHtmlLayout& result) {
    std::string text;
    for (const XHtmlRun& run : result.runs) {
        if (!text.empty())
            text += " | ";
        text += std::to_string(run.x) + "," + std::to_string(run.y) + ":" + run.text.str();
        if (run.font.bold)
            text += " b";
        if (run.font.italic)
            text += " i";
        if (run.font.underline)
            text += " u";
        if (run.font.strike)
            text += " s";
        if (run.font.height != -10)
            text += " h" + std::to_string(run.font.height);
        if (run.font.face != "Sans")
            text += " f" + run.font.face.str();
        if (run.color != 0) {
            char colour[16];
            std::snprintf(colour, sizeof colour, " c%06X", run.color);
            text += colour;
        }
    }
    return text;
}

struct LayoutCase {
    const char* html;
    int width;
    int height;
    int leftMargin;
    const char* runs;
};
const LayoutCase kLayoutCases[] = {
    {"Hello world", 200, 100, 0, "0,0:Hello world"},
    // "aaaa bbbb " is 50 wide, less than 60 - 2; the next word is not.
    {"aaaa bbbb cccc", 60, 100, 0, "0,0:aaaa bbbb  | 0,10:cccc"},
    {"abcdefghij", 30, 100, 0, "0,0:abcdefghij"},
    {"aa bb cc dd", 40, 25, 0, "0,0:aa bb  | 0,10:cc dd"},
    // The third line would end below the control: it is not drawn.
    {"aa bb cc dd ee ff", 40, 25, 0, "0,0:aa bb  | 0,10:cc dd "},
    {"  x", 200, 100, 0, "0,0:x"},
    {"a <b>b</b> c", 200, 100, 0, "0,0:a  | 10,0:b b | 15,0: c"},
    {"</b>x", 200, 100, 0, "0,0:x"},
    {"<i><u><strike>x</strike></u></i>y", 200, 100, 0, "0,0:x i u s | 5,0:y"},
    // Pieces go on where the last one ended, margin or not.
    {"a<b>b</b>c", 200, 100, 10, "10,0:a | 15,0:b b | 20,0:c"},
    // A piece whose first word no longer fits its line starts the next one.
    {"aaaa<b>bbbbbbbb</b>", 60, 100, 0, "0,0:aaaa | 0,10:bbbbbbbb b"},
    {"a&lt;b&nbsp;c", 200, 100, 0, "0,0:a<b c"},
    {"x<br>y", 200, 100, 0, "0,0:x | 0,10:y"},
    {"<big>x</big><small>y</small>", 200, 100, 0, "0,0:x h-11 | 5,0:y h-9"},
    {"<code>x</code>y", 200, 100, 0, "0,0:x fCourier New | 5,0:y"},
    // SIZE +4 on height -10 is -14; the closing tag moves down by that
    // font's descent (4) and returns to the control's font and colours.
    {"<font size=\"+4\" color=\"255,0,0\">x</font>y", 200, 100, 0, "0,0:x h-14 c0000FF | 7,4:y"},
    {"<font color=\"red\"><font color=\"#00FF00\">a</font>b", 200, 100, 0, "0,0:a c00FF00 | 5,0:b"},
    {"<font color=\"#0F0\" face=\"Arial\">a", 200, 100, 0, "0,0:a fArial"},
    {"<sub>x</sub><sup>y</sup>", 200, 100, 0, "0,3:x | 5,-3:y"},
    {"a<hr size=3>b", 200, 100, 0, "0,0:a | 0,13:b"},
};

TEST(XHtmlLayoutTest, PlacesTheTextAsTheTagsSay) {
    for (const LayoutCase& c : kLayoutCases)
        EXPECT_EQ(runs(layout(c.html, c.width, c.height, c.leftMargin)), c.runs) << c.html;
}

TEST(XHtmlLayoutTest, RulesAndLinks) {
    const XHtmlLayout ruled = layout("a<font color=\"blue\"><hr size=3></font>b");
    ASSERT_EQ(ruled.rules.size(), 1u);
    EXPECT_EQ(ruled.rules[0].y, 10);
    EXPECT_EQ(ruled.rules[0].size, 3);
    EXPECT_EQ(ruled.rules[0].color, RGB(0, 0, 255));
    // Rules are two pixels thick unless they say otherwise.
    EXPECT_EQ(layout("<hr>").rules.at(0).size, 2);

    // A link's text on each of its lines is a hot rectangle with the target as written.
    const XHtmlLayout linked = layout("see <a href=\"APP:go\">aaaa bbbb</a> now", 60, 100);
    ASSERT_EQ(linked.hotRects.size(), 2u);
    EXPECT_EQ(linked.hotRects[0].target, "\"APP:go\"");
    EXPECT_EQ(linked.hotRects[0].left, 20);
    EXPECT_EQ(linked.hotRects[0].top, 0);
    EXPECT_EQ(linked.hotRects[0].right, 45);
    EXPECT_EQ(linked.hotRects[0].bottom, 10);
    EXPECT_EQ(linked.hotRects[1].left, 0);
    EXPECT_EQ(linked.hotRects[1].top, 10);
    EXPECT_EQ(linked.hotRects[1].right, 20);
    EXPECT_TRUE(linked.hotRects[1].contains(5, 15));
    EXPECT_FALSE(linked.hotRects[1].contains(25, 15));
    // The text after the link is no link.
    EXPECT_EQ(runs(linked), "0,0:see  | 20,0:aaaa  | 0,10:bbbb | 20,10: now");
    // Past the bottom nothing is drawn, and no link is hot.
    EXPECT_TRUE(layout("<br><a href=x>x</a>", 200, 15).hotRects.empty());
}

// Texts a tips file or an owner might hold by mistake or on purpose: sizes
// far out of range, tags without their end, stray placeholders.
std::string hostileRepeat(const char* piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text + "x";
}
const std::string kHostileTexts[] = {
    "<font size=\"2147483647\">x</font>y",
    "<font size=\"-2147483648\">x",
    "<font size=\"99999999999999999999\">x",
    hostileRepeat("<big>", 5000),
    hostileRepeat("<small>", 5000),
    hostileRepeat("<font size=\"+1000\">", 200),
    "<hr size=2147483647>a<hr size=2147483647>b",
    "<hr size=-2147483648>a",
    "<a href=",
    "<font color=\"",
    "<font face=\"" + std::string(500, 'F') + "\">x",
    "&\x01",
    "\x01\x7F\x01",
    std::string(3000, '<'),
};

TEST(XHtmlLayoutTest, HostileTextStaysInBounds) {
    for (const std::string& html : kHostileTexts) {
        const XHtmlLayout result = layout(html.c_str(), 200, 100);
        for (const XHtmlRun& run : result.runs) {
            EXPECT_LE(std::abs(run.font.height), XHtmlLayout::kLargestPixels) << html.substr(0, 40);
        }
        for (const XHtmlRule& rule : result.rules) {
            EXPECT_GE(rule.size, 0) << html.substr(0, 40);
            EXPECT_LE(rule.size, XHtmlLayout::kLargestPixels) << html.substr(0, 40);
        }
        EXPECT_LE(result.bottom, 100 + 2 * XHtmlLayout::kLargestPixels) << html.substr(0, 40);
    }
}

TEST(XNamedColorsTest, ReadsNumbersHexadecimalAndNames) {
    const struct {
        const char* text;
        COLORREF color;
    } cases[] = {
        {"255,0,0", RGB(255, 0, 0)},
        {"10, 20, 30", RGB(10, 20, 30)},
        {"10,20", RGB(10, 20, 0)},
        {"300,0,0", RGB(44, 0, 0)},
        {"#00FF00", RGB(0, 255, 0)},
        {"#1f5fa8", RGB(0x1F, 0x5F, 0xA8)},
        {"#0F0", 0},
        {"#00FF000", 0},
        {"LIGHTGREY", RGB(211, 211, 211)},
        {"lightgray", 0},
        {"Gray", RGB(0x7F, 0x7F, 0x7F)},
        {"BlanchedAlmond", RGB(0xFF, 0xFF, 0xCD)},
        {"YellowGreen", RGB(0x8B, 0xCD, 0x32)},
        {"navy", RGB(0, 0, 0x80)},
        {"nonsense", 0},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CXNamedColors(c.text).getColor(), c.color) << c.text;

    // A '#' late in a seven-character text leaves fewer than six digits:
    // the missing pairs are 0, and nothing past the text's end is read
    // (here hexadecimal digits lie beyond it in the text's own buffer).
    CString late = "abcd#12FFFF";
    late.Delete(7, 4);
    ASSERT_EQ(late, "abcd#12");
    EXPECT_EQ(CXNamedColors(late).getColor(), RGB(0x12, 0, 0));
    EXPECT_EQ(CXNamedColors("abcdef#").getColor(), RGB(0, 0, 0));
}

class XHtmlStaticTest : public testing::Test {
protected:
    void TearDown() override {
        setApplicationFolderForTests("");
        m_frame->Destroy();
    }
    wxFrame* m_frame = new wxFrame(nullptr, wxID_ANY, "owner");
    RecordingUserInterface m_ui;
};

TEST_F(XHtmlStaticTest, AppLinksSendTheOwnersCommands) {
    auto* text = new CXHTMLStatic(m_frame, 1008, wxSize(300, 80));
    std::vector<std::pair<int, long>> received;
    m_frame->Bind(wxEVT_MENU, [&received](wxCommandEvent& event) {
        received.emplace_back(event.GetId(), event.GetExtraLong());
    });
    text->setAppCommands({{m_frame, 7001, 5, "Next"}, {m_frame, 7002, 6, "Back"}});
    EXPECT_TRUE(text->gotoURL("APP:next"));
    EXPECT_TRUE(text->gotoURL("\"app:Back\""));
    EXPECT_FALSE(text->gotoURL("APP:unknown"));
    EXPECT_EQ(received, (std::vector<std::pair<int, long>>{{7001, 5}, {7002, 6}}));

    // A click on the painted link follows it; elsewhere nothing happens.
    text->setWindowText("Go <a href=\"APP:Next\">on</a>");
    text->layoutText();
    ASSERT_EQ(text->getHotRects().size(), 1u);
    const XHtmlHotRect link = text->getHotRects()[0];
    EXPECT_TRUE(text->clickAt(wxPoint((link.left + link.right) / 2, (link.top + link.bottom) / 2)));
    EXPECT_FALSE(text->clickAt(wxPoint(link.left - 1, link.top)));
    EXPECT_EQ(received.size(), 3u);

    // A command whose window is gone is not sent.
    auto* gone = new wxFrame(nullptr, wxID_ANY, "gone");
    text->setAppCommands({{gone, 7003, 0, "Gone"}});
    delete gone;
    EXPECT_FALSE(text->gotoURL("APP:Gone"));
    // A new text forgets the links of the old one.
    text->setWindowText("plain");
    EXPECT_TRUE(text->getHotRects().empty());
}

TEST_F(XHtmlStaticTest, PageLinksOpenThroughTheDesktopsOpenerWithTheProgramFolder) {
    setApplicationFolderForTests("/opt/My Programs\\Tolvane");
    EXPECT_EQ(CXHTMLStatic::linkAddress("\"/qvm/User_reference/Documentation.htm\""),
              "\"file:///opt/My%20Programs/Tolvane/User_reference/Documentation.htm\"");
    EXPECT_EQ(CXHTMLStatic::linkAddress("https://example.org/"), "https://example.org/");

    // Without an opener the user is told what could not be opened: the
    // address alone, as one argument, without the quotes of the tag.
    auto* text = new CXHTMLStatic(m_frame, 1008);
    const std::string path = std::getenv("PATH");
    setenv("PATH", "/nonexistent", 1);
    const bool opened = text->gotoURL("\"/qvm/Presentation/TolvaneDemo.htm\"");
    setenv("PATH", path.c_str(), 1);
    EXPECT_FALSE(opened);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(
        m_ui.messages[0].text.Find("\"file:///opt/My%20Programs/Tolvane/Presentation/TolvaneDemo.htm\" could "
                                   "not be opened"),
        0)
        << m_ui.messages[0].text;
}

TEST_F(XHtmlStaticTest, PaintsHostileTextWithoutHarm) {
    auto* text = new CXHTMLStatic(m_frame, 1008, wxSize(300, 80));
    m_frame->Show();
    for (const std::string& html : kHostileTexts) {
        text->setWindowText(html.c_str());
        text->Refresh();
        text->Update();
        text->layoutText();
    }
    SUCCEED();
}

TEST_F(XHtmlStaticTest, TheMakersLinkOpensOnItsTextAndSaysWhenItCannot) {
    auto* link = new CHyperlinkStatic(m_frame, 1076, "www.maravex-process.example");
    link->setUrl("https://www.maravex-process.example/tolvane");
    const wxSize size = link->GetBestSize();
    const std::string path = std::getenv("PATH");
    setenv("PATH", "/nonexistent", 1);
    // Beside the text nothing opens; on it the opener is asked, and its
    // absence is told with the address.
    const bool beside = link->pressAt(wxPoint(size.x + 1, size.y / 2));
    const bool onText = link->pressAt(wxPoint(size.x / 2, size.y / 2));
    setenv("PATH", path.c_str(), 1);
    EXPECT_FALSE(beside);
    EXPECT_FALSE(onText);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(
        m_ui.messages[0].text.Find("\"https://www.maravex-process.example/tolvane\" could not be opened"), 0)
        << m_ui.messages[0].text;
}

TEST_F(XHtmlStaticTest, ColoursAnswerTheirPreviousValue) {
    auto* text = new CXHTMLStatic(m_frame, 1016);
    text->setBkColor("red");
    EXPECT_EQ(text->setBkColor(RGB(1, 2, 3)), RGB(255, 0, 0));
    text->setTextColor("#00FF00");
    EXPECT_EQ(text->setTextColor("blue"), RGB(0, 255, 0));
    // A new text starts from the desktop's colours again.
    text->setWindowText("x");
    EXPECT_NE(text->setBkColor(RGB(0, 0, 0)), RGB(1, 2, 3));
}

} // namespace
