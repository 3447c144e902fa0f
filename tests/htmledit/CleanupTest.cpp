// The clean-up of the page editor on small pages: what each kind of
// element becomes, what is reported, and what is left alone.

#include "Encoding.h"
#include "FileSystem.h"
#include "Golden.h"
#include "HtmlPage.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

struct CleanupCase {
    const char* name;
    const char* body;
    const char* cleaned;
    const char* report; // the tags listed in the message; empty: no message
};

const CleanupCase kCleanupCases[] = {
    {"iframe goes with its content, a form leaves its content",
     "<iframe src=x>inner</iframe><form action=y><div>kept</div></form>", "<div>kept</div>",
     " <FORM> <IFRAME>"},
    {"later and inner parts are reported first", "<center>c</center><div><u><blink>b</blink></u></div>",
     "c<div><u>b</u></div>", " <BLINK> <CENTER>"},
    {"a heading cell becomes a normal cell and keeps its row",
     "<table><tr><th colspan=2 style=\"color:red\">Head</th></tr><tr><td>a</td><td>b</td></tr></table>",
     "<table><tr><td colspan=\"2\">Head</td></tr><tr><td>a</td><td>b</td></tr></table>", " <TH>"},
    {"H1 stays, H3 becomes a bold line of size 4", "<h1>Title</h1><h3>Part <i>one</i></h3>",
     "<h1>Title</h1><div><font size=\"4\"><b>Part <i>one</i></b></font></div>", ""},
    {"H2 to H6 take sizes 5 to 1", "<h2>a</h2><h6>b</h6>",
     "<div><font size=\"5\"><b>a</b></font></div><div><font size=\"1\"><b>b</b></font></div>", ""},
    {"a paragraph becomes lines between blank lines", "<p>text</p>",
     "<div>&nbsp;</div><div>text</div><div>&nbsp;</div>", ""},
    {"empty formatting goes, a space that is not blank stays", "<b></b><span> </span><b>&nbsp;</b><em>e</em>",
     "<b>&nbsp;</b><em>e</em>", ""},
    {"style stays on TABLE, FONT and IMG only",
     "<div style=\"color:red\">d</div><table style=\"width:5px\"><tr><td "
     "style=\"color:blue\">t</td></tr></table>"
     "<font style=\"font-size:12px\">f</font><img src=\"a.gif\" style=\"border:0\">",
     "<div>d</div><table style=\"width:5px\"><tr><td>t</td></tr></table><font "
     "style=\"font-size:12px\">f</font>"
     "<img src=\"a.gif\" style=\"border:0\">",
     ""},
    {"an alignment written as style stays as the align attribute",
     "<div style=\"text-align: center; color: red\">c</div><td style=\"text-align:right\" align=left>t</td>",
     "<div align=\"center\">c</div><td align=\"left\">t</td>", ""},
    {"a background-coloured span becomes a FONT of that colour, other spans lose their style",
     "<span style=\"background-color: rgb(255, 0, 0); font-weight: bold\">b</span><span "
     "style=\"color: red\">c</span>",
     "<font style=\"background-color: rgb(255, 0, 0)\">b</font><span>c</span>", ""},
    {"an empty anchor with a name or id is a link's target and stays, an empty link goes",
     "<a name=\"Top\"></a><a id=\"end\" style=\"color:red\"> </a><a href=\"x.htm\"></a><a name=\"\"></a>"
     "<div><a href=\"#Top\">To top</a></div>",
     "<a name=\"Top\"></a><a id=\"end\"> </a><div><a href=\"#Top\">To top</a></div>", ""},
    {"script events go, other attributes stay",
     "<div onclick=\"x()\" onMouseOver=\"y()\" title=\"t\">d</div><img src=\"a.gif\" onload=\"z()\">",
     "<div title=\"t\">d</div><img src=\"a.gif\">", ""},
    {"style sheets go unreported", "<style>p{color:red}</style><div>x</div>", "<div>x</div>", ""},
    {"an unknown element of a kept kind stays", "<ul><li>one</li></ul><hr><br><wbr><map><area></map>",
     "<ul><li>one</li></ul><hr><br><wbr><map><area></map>", ""},
    {"the generated part below the marker is left as it is",
     "<p>mine</p><!--PROCESS_HYPERLINK--><p class=\"gen\">generated</p><span "
     "style=\"color:red\">s</span><center>c</center>",
     "<div>&nbsp;</div><div>mine</div><div>&nbsp;</div><!--PROCESS_HYPERLINK--><p class=\"gen\">generated</p>"
     "<span style=\"color:red\">s</span><center>c</center>",
     ""},
    {"an element around the marker is walked, its part after the marker is not",
     "<div><center>c</center><!--PROCESS_HYPERLINK--><center>g</center></div>",
     "<div>c<!--PROCESS_HYPERLINK--><center>g</center></div>", " <CENTER>"},
};

TEST(CleanupTest, KeepsPagesWithinTheEditorsSubset) {
    for (const CleanupCase& c : kCleanupCases) {
        RecordingUserInterface ui;
        HtmlPage page(c.body);
        page.document.removeUnsupportedTags();
        EXPECT_EQ(page.body(), c.cleaned) << c.name;
        const CString report =
            *c.report ? "The following tags have been removed as the Editor does not support them:\n" +
                            CString(c.report)
                      : CString();
        expectMessage(ui, report, "Unsupported Tags", MB_OK | MB_ICONEXCLAMATION, c.name);
    }
}

TEST(CleanupTest, RemovesOnlyRefreshingMetaAndEveryStyleSheet) {
    RecordingUserInterface ui;
    HtmlPage page(
        "<div>x</div>",
        "<meta http-equiv=\"Refresh\" content=\"5; url=a.htm\"><meta name=\"Generator\" content=\"refresh\">"
        "<meta name=\"Robots\" content=\"All\"><style>body{color:red}</style><title>T</title>");
    page.document.removeUnsupportedTags();
    // "refresh" counts anywhere after the first character, in any case.
    EXPECT_EQ(page.head(), "<meta name=\"Robots\" content=\"All\"><title>T</title>");
    EXPECT_TRUE(ui.messages.empty());
}

// The host applies the page defaults when the clean-up asks for them.
class DefaultsHost : public cHtmlDocument::Host {
public:
    explicit DefaultsHost(cHtmlDocument& document) : m_document(document) {}
    void notifyHost(int code) override {
        codes.push_back(code);
        if (code == 5003)
            m_document.applyPageDefaults();
    }
    std::vector<int> codes;

private:
    cHtmlDocument& m_document;
};

TEST(CleanupTest, ASavedPageHoldsExactlyTheDefaultRules) {
    RecordingUserInterface ui;
    HtmlPage page("<div>x</div><style>td{color:blue}</style>",
                  "<style>BODY{font-size:20px;color:red}</style><link rel=\"stylesheet\" href=\"p.css\">");
    DefaultsHost host(page.document);
    page.document.setHost(&host);
    page.document.removeUnsupportedTags();
    EXPECT_EQ(host.codes, std::vector<int>{5003});
    EXPECT_EQ(page.head(),
              "<link rel=\"stylesheet\" href=\"p.css\"><style>BODY { font-size: 14px; font-family: Arial }\n"
              "TABLE { font-size: 14px; font-family: Arial }</style>");
    EXPECT_EQ(page.document.getDocumentHtml(false).find("<body topmargin=\"2\" leftmargin=\"3\">") !=
                  std::string::npos,
              true);
    // A second clean-up gives the same page.
    const std::string first = page.document.getDocumentHtml(false);
    page.document.removeUnsupportedTags();
    EXPECT_EQ(page.document.getDocumentHtml(false), first);
}

// A page with a bit of everything the clean-up meets: what it reports and
// the page it leaves are compared with the golden copy as a whole.
TEST(CleanupTest, AVariedPageIsCleanedAsItsGoldenCopy) {
    RecordingUserInterface ui;
    std::string page;
    ASSERT_TRUE(platform::readFileBytes((fixturesFolder() + "/htmledit/varied-page.htm").c_str(), page));
    cHtmlDocument document;
    DefaultsHost host(document);
    document.setHost(&host);
    // The browser hands the page over in UTF-8.
    ASSERT_TRUE(document.attach(encoding::cp1252ToUtf8(page), HtmlPage::kUrl));
    document.removeUnsupportedTags();
    std::string result;
    for (const auto& message : ui.messages)
        result += std::string(message.caption) + ": " + message.text.GetString() + "\n";
    result += document.getDocumentHtml(false);
    const std::string difference = compareWithGolden(result, "htmledit/varied-page-cleaned.htm");
    EXPECT_TRUE(difference.empty()) << difference;
}

TEST(CleanupTest, AnEmptyBodyIsGivenALine) {
    HtmlPage page(" \r\n\t ");
    page.document.removeUnsupportedTags();
    EXPECT_EQ(page.body(), "<div></div>");
}

} // namespace
