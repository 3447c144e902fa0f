#include "MarkedPage.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

const char* const kHead = "<html>\n<body>\r\n<p>Written by hand</p>\r\n";

// Scans a page, writes "NEW\n" as the generated section and finishes.
std::string regenerate(TempDir& dir, const std::string& page) {
    dir.write("page.htm", page);
    MarkedPage marked((dir / "page.htm").c_str());
    if (marked.scan() != MarkedPage::Scan::Found)
        return "<not found>";
    TextOutStream* out = marked.begin();
    if (!out)
        return "<not written>";
    *out << "NEW\n";
    EXPECT_TRUE(marked.finish());
    return dir.read("page.htm");
}

TEST(MarkedPageTest, KeepsTheAuthorsPartAndReplacesTheRest) {
    struct {
        const char* what;
        std::string page;
        std::string after;
    } cases[] = {
        {"marker line with a paragraph before it",
         std::string(kHead) + "  <p>Intro</p> <!--PROCESS_HYPERLINK-->\r\nold section\r\n</body></html>\r\n",
         std::string(kHead) + "  <p>Intro</p> \r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"no marker: it takes the closing body tag's place", std::string(kHead) + "</BODY>\r\n</HTML>\r\n",
         std::string(kHead) + "<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"lower-case closing tag with text before it", std::string(kHead) + "end</body></html>",
         std::string(kHead) + "end\r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"marker before a later closing tag wins",
         std::string(kHead) + "<!--PROCESS_HYPERLINK-->\nold\n</body>\n",
         std::string(kHead) + "<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"closing tag above the marker wins",
         std::string(kHead) + "</body>\r\n<p>lost</p>\r\n<!--PROCESS_HYPERLINK-->\r\n",
         std::string(kHead) + "<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"lower-case marker", std::string(kHead) + "x<!--process_hyperlink-->\r\nold\r\n",
         std::string(kHead) + "x\r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"damaged marker: the comment goes, the words before it stay",
         std::string(kHead) + "keep? <!-- PROCESS_HYPERLINK -->\r\nold\r\n",
         std::string(kHead) + "keep? \r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        EXPECT_EQ(regenerate(dir, c.page), c.after) << c.what;
        // A second run gives the same page: no empty line piles up before the marker.
        EXPECT_EQ(regenerate(dir, c.after), c.after) << c.what;
    }
}

// Each page is generated ten times: every generation gives the page of the
// first, and the author's words are all still there.
TEST(MarkedPageTest, TheAuthorsPartSurvivesEveryGeneration) {
    const std::string longText(990, 'x');
    struct {
        const char* what;
        std::string page;
        std::string first;
    } cases[] = {
        {"the word in prose above the marker",
         std::string(kHead) + "<p>See the PROCESS_HYPERLINK notes</p>\r\n<!--PROCESS_HYPERLINK-->\r\nold\r\n",
         std::string(kHead) +
             "<p>See the PROCESS_HYPERLINK notes</p>\r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"the word in prose before the closing tag",
         std::string(kHead) + "<p>See the PROCESS_HYPERLINK notes</p></body></html>\r\n",
         std::string(kHead) +
             "<p>See the PROCESS_HYPERLINK notes</p>\r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"a closing tag before the marker on one line: the leftmost wins",
         std::string(kHead) + "<p>end</p></body><!--PROCESS_HYPERLINK-->\r\n",
         std::string(kHead) + "<p>end</p>\r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"a damaged marker after prose with the word",
         std::string(kHead) + "PROCESS_HYPERLINK is ours <!-- PROCESS_HYPERLINK ->\r\nold\r\n",
         std::string(kHead) + "PROCESS_HYPERLINK is ours \r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"the word in an attribute is prose",
         std::string(kHead) + "<a title=\"PROCESS_HYPERLINK\">x</a></BODY>\r\n",
         std::string(kHead) + "<a title=\"PROCESS_HYPERLINK\">x</a>\r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"a key spread by blanks before an intact one", std::string(kHead) + "a </ body> b </body>\r\n",
         std::string(kHead) + "a \r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"a marker across the end of a 999-character piece",
         std::string(kHead) + longText + "<!--PROCESS_HYPERLINK-->\r\nold\r\n",
         std::string(kHead) + longText + "\r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
        {"a marker in the second piece of a long line",
         std::string(kHead) + longText + longText + "<!--PROCESS_HYPERLINK-->\r\nold\r\n",
         std::string(kHead) + longText + longText + "\r\n<!--PROCESS_HYPERLINK-->\r\nNEW\r\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::string page = c.page;
        for (int generation = 1; generation <= 10; ++generation) {
            page = regenerate(dir, page);
            EXPECT_EQ(page, c.first) << c.what << ", generation " << generation;
            if (page != c.first)
                break;
        }
    }
}

TEST(MarkedPageTest, PagesWithoutKeyOrFileAreLeftAlone) {
    TempDir dir;
    const std::string page = std::string(kHead) + "</Body></Html>\r\n";
    dir.write("page.htm", page);
    MarkedPage mixedCase((dir / "page.htm").c_str());
    EXPECT_EQ(mixedCase.scan(), MarkedPage::Scan::NoKey);
    EXPECT_EQ(dir.read("page.htm"), page);
    // The bare word outside a comment is the author's prose, not a marker.
    const std::string prose = std::string(kHead) + "<p>PROCESS_HYPERLINK</p>\r\n<p>more</p>\r\n";
    dir.write("prose.htm", prose);
    MarkedPage proseOnly((dir / "prose.htm").c_str());
    EXPECT_EQ(proseOnly.scan(), MarkedPage::Scan::NoKey);
    EXPECT_EQ(dir.read("prose.htm"), prose);
    MarkedPage missing((dir / "missing.htm").c_str());
    EXPECT_EQ(missing.scan(), MarkedPage::Scan::CannotOpen);
    EXPECT_FALSE(dir.exists("missing.htm"));
}

TEST(MarkedPageTest, AFailureWhileWritingKeepsTheOldPage) {
    TempDir dir;
    const std::string page =
        std::string(kHead) + "<!--PROCESS_HYPERLINK-->\r\nold section\r\n</body></html>\r\n";
    dir.write("page.htm", page);
    try {
        MarkedPage marked((dir / "page.htm").c_str());
        ASSERT_EQ(marked.scan(), MarkedPage::Scan::Found);
        *marked.begin() << "half of the new section";
        throw std::runtime_error("writer failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(dir.read("page.htm"), page);
}

TEST(MarkedPageTest, LongLinesAreScannedInPieces) {
    TempDir dir;
    // The marker stands right after 999 characters: it is the start of the
    // next piece, so nothing of the long line is lost.
    const std::string longLine(999, 'x');
    EXPECT_EQ(regenerate(dir, longLine + "<!--PROCESS_HYPERLINK-->\r\nold\r\n"),
              longLine + "<!--PROCESS_HYPERLINK-->\r\nNEW\r\n");
}

TEST(MarkedPageTest, WholePagesReplaceTheFile) {
    TempDir dir;
    dir.write("page.htm", "a much longer old page\r\n");
    MarkedPage marked((dir / "page.htm").c_str());
    *marked.beginWhole() << "new\n";
    EXPECT_TRUE(marked.finish());
    EXPECT_EQ(dir.read("page.htm"), "new\r\n");
}

} // namespace
