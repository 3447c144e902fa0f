// The document wrappers of the page editor on small pages: the selection
// the browser hands over, style sheets, font sizes, separators, picture
// addresses on save and the HTML the document writes.

#include "HtmlPage.h"
#include "HtmlTree.h"
#include "RecordingUserInterface.h"
#include "cHtmlHR.h"
#include "cHtmlImg.h"
#include "cHtmlStyle.h"
#include "cHtmlStyleSheet.h"

#include <gtest/gtest.h>

namespace {

TEST(DocumentTest, TakesTheSelectionFromItsMarkAndDropsTheEditorsElements) {
    HtmlPage page("<div><b" + selected("caret") + ">bold</b></div><div data-tolvane-editor=\"\">ours</div>",
                  "<meta data-tolvane-editor=\"\" http-equiv=\"Content-Security-Policy\" content=\"x\">");
    // Only the editor's META goes: an element of the page stays with its content.
    EXPECT_EQ(page.body(), "<div><b>bold</b></div><div data-tolvane-editor=\"\">ours</div>");
    EXPECT_EQ(page.head(), "");
    EXPECT_FALSE(page.document.getSelectionElement(0).isValid()); // a caret is no selection
    EXPECT_EQ(page.document.getSelectionElement(1).getTagName(), "B");
    EXPECT_EQ(page.document.getSelectionKind(), cHtmlDocument::SelectionKind::Caret);

    // The mark goes back to the browser with the page, on the same element.
    EXPECT_NE(page.document.getDocumentHtml(true).find("<b data-tolvane-selection=\"caret\">"),
              std::string::npos);
    EXPECT_EQ(page.document.getDocumentHtml(false).find("data-tolvane-selection"), std::string::npos);

    HtmlPage text("<div" + selected("text") + ">some text</div>");
    EXPECT_EQ(text.document.getSelectionElement(0).getTagName(), "DIV");
    HtmlPage none("<div>x</div>");
    EXPECT_FALSE(none.document.getSelectionElement(1).isValid());
}

TEST(DocumentTest, ARemovedElementIsNoSelection) {
    HtmlPage page("<div><span" + selected("text") + ">s</span></div>");
    cHtmlElement span = page.document.getSelectionElement(0);
    ASSERT_TRUE(span.isValid());
    span.getParent().removeNode(1);
    EXPECT_FALSE(page.document.getSelectionElement(0).isValid());
    // The wrapper still reads its element.
    EXPECT_EQ(span.getInnerHtml(), "s");
}

TEST(DocumentTest, WritesCharactersAsReferencesPerCodePoint) {
    HtmlPage page("<div title=\"\xC3\xA9\">caf\xC3\xA9 \xF0\x9F\x98\x80&nbsp;&lt;&amp;</div>"
                  "<script>if (a < b) s = '</div>\xC3\xA9';</script><wbr><div>after</div>");
    EXPECT_EQ(page.body(), "<div title=\"&#x00E9;\">caf&#x00E9; &#x1F600;&nbsp;&lt;&amp;</div>"
                           "<script>if (a < b) s = '</div>\xC3\xA9';</script><wbr><div>after</div>");
    EXPECT_EQ(page.document.getBody().getChild(0).getInnerHtml(), "caf&#x00E9; &#x1F600;&nbsp;&lt;&amp;");
    EXPECT_EQ(page.document.getDocumentHtml(false).rfind(
                  "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<html>", 0),
              0u);
}

TEST(DocumentTest, ElementOperations) {
    HtmlPage page("<div id=\"a\"><i>x</i> <b>y</b><!--c--></div>");
    cHtmlElement div = page.document.getBody().getChild(0);
    EXPECT_EQ(div.getChildCount(), 2);
    EXPECT_EQ(div.getChild(1).getPreviousElement().getTagName(), "I");
    EXPECT_EQ(div.getChild(0).getNextElement().getTagName(), "B");
    EXPECT_EQ(div.getAttribute("ID"), "a");
    EXPECT_EQ(div.getChild(1).findAncestor("BODY").getTagName(), "BODY");
    EXPECT_EQ(div.getChild(1).skipAncestors("<B><I>").getTagName(), "DIV");

    div.insertHtml("<u>1</u>", 1, 1);
    div.insertHtml("<u>2</u>", 0, 1);
    div.insertHtml("<hr>", 1, 0);
    div.insertHtml("<br>", 0, 0);
    EXPECT_EQ(page.body(), "<hr><div id=\"a\"><u>1</u><i>x</i> <b>y</b><!--c--><u>2</u></div><br>");
    div.getChild(1).removeNode(0);
    div.removeAttribute("id");
    EXPECT_EQ(page.body(), "<hr><div><u>1</u>x <b>y</b><!--c--><u>2</u></div><br>");
    div.setDivContent("a&nbsp;b");
    EXPECT_EQ(page.body(), "<hr><div><div>a&nbsp;b</div></div><br>");
}

TEST(DocumentTest, FindsOrMakesTheEmbeddedStyleSheet) {
    {
        // Only a linked sheet: a STYLE element is added to HEAD and used.
        HtmlPage page("<div>x</div>", "<link rel=\"stylesheet\" href=\"a.css\">");
        EXPECT_EQ(page.document.setStyleRule("BODY", 5, "12px"), 1);
        EXPECT_EQ(page.head(),
                  "<link rel=\"stylesheet\" href=\"a.css\"><style>BODY { font-size: 12px }</style>");
    }
    {
        // An existing rule changes in only that property, its selector matched ignoring case.
        HtmlPage page("<div>x</div>", "<style>body { color: red; font-size: 9px }</style>");
        EXPECT_EQ(page.document.setStyleRule("BODY", 5, "14px"), 1);
        EXPECT_EQ(page.document.setStyleRule("TD", 1, "blue"), 1);
        EXPECT_EQ(page.head(), "<style>body { color: red; font-size: 14px }\nTD { color: blue }</style>");
        EXPECT_EQ(page.document.findStyleSheet().getRuleStyle("Body").getProperty(1), "red");
    }
    {
        // Without HEAD there is no sheet.
        cHtmlDocument document;
        document.attach("<body><div>x</div></body>", HtmlPage::kUrl);
        xmlNode* head = document.getHead().getNode();
        if (head)
            document.discard(head);
        EXPECT_FALSE(document.findStyleSheet().isValid());
        EXPECT_EQ(document.setStyleRule("BODY", 5, "14px"), 0);
    }
}

TEST(DocumentTest, InlineStyleProperties) {
    HtmlPage page("<table style=\"WIDTH: 200px; height:50%\"><tr><td>x</td></tr></table>");
    cHtmlStyle style = page.document.getBody().getChild(0).getStyle();
    EXPECT_EQ(style.getProperty(7), "200px");
    EXPECT_EQ(style.getProperty(8), "50%");
    EXPECT_EQ(style.getProperty(10), "");
    EXPECT_EQ(style.setProperty(10, "x"), 0);
    style.setProperty(7, "");
    style.setProperty(0, "red");
    EXPECT_EQ(page.body(), "<table style=\"height: 50%; background-color: red\"><tr><td>x</td></tr></table>");
    style.setProperty(8, "");
    style.setProperty(0, "");
    EXPECT_EQ(page.body(), "<table><tr><td>x</td></tr></table>");
}

TEST(DocumentTest, FontSizesInPixels) {
    const std::string caret = selected("caret");
    const std::string cases[][3] = {
        {"<font style=\"font-size: 12pt\"><b" + caret + ">x</b></font>", "", "16"},
        {"<font style=\"font-size: 10mm\"><span" + caret + ">x</span></font>", "", "38"},
        {"<font style=\"font-size:1in\"" + caret + ">x</font>", "", "96"},
        {"<font style=\"font-size:2em\"" + caret + ">x</font>", "", "2"},
        {"<font size=\"3\"><i" + caret + ">x</i></font>", "", "16"},
        // A size outside 1 to 7 is passed over: the search goes on upwards.
        {"<font size=\"2\"><font size=\"9\"" + caret + ">x</font></font>", "", "14"},
        {"<div" + caret + ">x</div>", "<style>BODY { font-size: 14px }</style>", "14"},
        {"<div" + caret + ">x</div>", "<style>BODY { font-size: 2px }</style>", "16"},
        {"<div" + caret + ">x</div>", "", "16"},
    };
    for (const auto& c : cases) {
        HtmlPage page(c[0], c[1]);
        EXPECT_EQ(page.document.getFontSizePx(), std::stoi(c[2])) << c[0] << c[1];
    }
}

TEST(DocumentTest, TheBrowsersSizeSevenBecomesPixels) {
    HtmlPage page("<div" + selected("text") +
                  ">a <font size=\"7\">big</font> <font size=\"7\">also</font>"
                  "<font color=\"red\">c</font></div>");
    EXPECT_EQ(page.document.applyFontSizePx(18), 1);
    EXPECT_EQ(page.body(),
              "<div>a <font style=\"font-size: 18px\">big</font> <font style=\"font-size: 18px\">"
              "also</font><font color=\"red\">c</font></div>");
    HtmlPage none("<div>x</div>");
    EXPECT_EQ(none.document.applyFontSizePx(18), 0);
}

TEST(DocumentTest, SeparatorProperties) {
    HtmlPage page("<hr><hr color=\"red\" size=\"4\" width=\"50%\" noshade>");
    cHtmlHR plain(page.document.getBody().getChild(0));
    cHtmlHR styled(page.document.getBody().getChild(1));
    EXPECT_EQ(plain.getProperty(0), "");
    EXPECT_EQ(plain.getProperty(1), "2");
    EXPECT_EQ(plain.getProperty(2), "100%");
    EXPECT_EQ(plain.isShaded(), 1);
    EXPECT_EQ(styled.getProperty(0), "RED");
    EXPECT_EQ(styled.isShaded(), 0);
    plain.setShaded(0);
    styled.setShaded(1);
    styled.setProperty(1, "");
    EXPECT_EQ(page.body(), "<hr noshade=\"noshade\"><hr color=\"red\" width=\"50%\">");
    EXPECT_FALSE(cHtmlHR(page.document.getBody()).isValid());
}

TEST(DocumentTest, PicturesOfThePagesFolderAreAddressedRelativeToThePage) {
    HtmlPage page(
        "<img src=\"file:///proj/site/Item/a.gif\"><img src=\"b.gif\"><img src=\"../Item/c%20d.gif\">"
        "<img src=\"http://example.com/Item/e.gif\"><img src=\"../../images/top.gif\">"
        "<img src=\"file:///other/f.gif\"><img src=\"sub/g.gif\"><img src=\"file:./h.gif\"><img>");
    EXPECT_EQ(cHtmlImg(page.document.getBody().getChild(1)).getHref(), "file:///proj/site/Item/b.gif");
    EXPECT_EQ(cHtmlImg(page.document.getBody().getChild(3)).getHref(), "http://example.com/Item/e.gif");
    page.document.localizeImages();
    EXPECT_EQ(page.body(),
              "<img src=\"a.gif\"><img src=\"b.gif\"><img src=\"c%20d.gif\">"
              "<img src=\"http://example.com/Item/e.gif\"><img src=\"../../images/top.gif\">"
              "<img src=\"file:///other/f.gif\"><img src=\"sub/g.gif\"><img src=\"h.gif\"><img>");
}

// What the tree holds is written so that a reader builds the same tree
// from it again.
TEST(DocumentTest, WritesWhatReadsBackAsTheSameElements) {
    // A name with a prefix is kept whole (the parser keeps only its end).
    HtmlPage prefixed("<o:p>x</o:p><tr:0 id=\"a\">y</tr:0>");
    EXPECT_EQ(prefixed.body(), "<o:p>x</o:p><tr:0 id=\"a\">y</tr:0>");
    // A script holding its own end tag (as a script can make it) keeps it
    // as script text.
    HtmlPage page("<script>s = 1;</script><div>after</div>");
    xmlNode* script = page.document.getBody().getChild(0).getNode();
    htmltree::setText(script, "s = '</SCRIPT><b>x</b>';");
    const std::string written = page.body();
    EXPECT_EQ(written, "<script>s = '<\\/SCRIPT><b>x</b>';</script><div>after</div>");
    HtmlPage again(written);
    EXPECT_EQ(again.body(), written);
}

TEST(DocumentTest, SourceTextKeepsTheDocumentType) {
    HtmlPage page("<div>x</div>");
    ASSERT_TRUE(page.document.loadHtml("<html><body><div>y</div></body></html>"));
    EXPECT_EQ(page.document.getDocumentHtml(false),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
              "<html><body><div>y</div></body></html>");
    EXPECT_EQ(page.document.getUrl(), HtmlPage::kUrl);
    // A text with a document type gives its own, as written.
    ASSERT_TRUE(page.document.loadHtml("<!doctype html><html><body>z</body></html>"));
    EXPECT_EQ(page.document.getDocumentHtml(false), "<!doctype html>\n<html><body>z</body></html>");
}

// The document type is the page's first declaration, as written, wherever
// comments and blanks put it; declarations the body holds later (the parser
// reports each of them) leave it as it is, however many there are.
TEST(DocumentTest, TheDocumentTypeIsThePagesFirstDeclaration) {
    std::string many = "<!DOCTYPE html SYSTEM \"first.dtd\">\n<html><body>";
    for (int i = 0; i < 20000; ++i)
        many += "<!doctype x>t";
    many += "</body></html>";
    const struct {
        const char* name;
        std::string page;
        std::string doctype;
    } cases[] = {
        {"at the start", "<!DOCTYPE html>\n<html><body>a</body></html>", "<!DOCTYPE html>"},
        {"after a comment", "<!-- c -->\r\n<!doctype HTML><html><body>a</body></html>", "<!doctype HTML>"},
        {"a later one in the body", "<!DOCTYPE html><html><body><!DOCTYPE other>a</body></html>",
         "<!DOCTYPE html>"},
        {"many later ones", many, "<!DOCTYPE html SYSTEM \"first.dtd\">"},
    };
    for (const auto& c : cases) {
        htmltree::Source source;
        EXPECT_TRUE(htmltree::parse(c.page, "", &source)) << c.name;
        EXPECT_EQ(source.doctype, c.doctype) << c.name;
    }
}

} // namespace
