// The style sheets and inline styles of the page editor: a sheet comes back
// as it was read but for the rules an edit changed, and property names in
// any script survive.

#include "CssText.h"
#include "Encoding.h"
#include "HtmlPage.h"
#include "HtmlTree.h"
#include "cHtmlStyle.h"
#include "cHtmlStyleSheet.h"

#include <gtest/gtest.h>

namespace {

const std::string kUtf8Name = "\xC3\x89"
                              "COLE-Couleur"; // "ÉCOLE-Couleur"

TEST(CssTextTest, ASheetReadAndWrittenUneditedIsTheSameText) {
    const std::string sheets[] = {
        "",
        "  \r\n",
        "BODY { font-size: 14px; font-family: Arial }\nTABLE { font-size: 14px }",
        "body{color:red}/* a comment } { */ td {COLOR : Blue ;}  ",
        "@media print { body { color: black } }\n@import url(\"x.css\");\np{margin:0}",
        "P { x { color: red }\nBODY { color: blue }",
        "P { color: red",
        "a[title=\"{\"] { content: \"}\" } b { c: d }",
        "TD { " + kUtf8Name + ": 1 }",
        "} stray { a: b } trailing text without a block",
    };
    for (const std::string& sheet : sheets)
        EXPECT_EQ(css::writeSheet(css::parseSheet(sheet)), sheet);
}

TEST(CssTextTest, ReadsRulesAndDeclarations) {
    const std::vector<css::Rule> rules =
        css::parseSheet("/* c */ BODY { FONT-Size : 14px; /* x */ font-family: 'A;B' }\n@media x { p {} }\n"
                        "TD { " +
                        kUtf8Name + ": 1 } rest");
    ASSERT_EQ(rules.size(), 4u);
    EXPECT_EQ(rules[0].selector, "BODY");
    EXPECT_EQ(rules[0].lead, "/* c */ ");
    EXPECT_EQ(css::getValue(rules[0].declarations, "font-size"), "14px");
    EXPECT_EQ(css::getValue(rules[0].declarations, "FONT-FAMILY"), "'A;B'");
    EXPECT_EQ(rules[1].raw, "@media x { p {} }");
    // Only ASCII letters are folded: the name stays UTF-8.
    ASSERT_EQ(rules[2].declarations.size(), 1u);
    EXPECT_EQ(rules[2].declarations[0].property, "\xC3\x89"
                                                 "cole-couleur");
    EXPECT_EQ(rules[3].raw, " rest");
}

TEST(CssTextTest, AnEditRewritesOnlyTheRuleItChanged) {
    const std::string kept = "/* ours */\nP { x { color: red }\n";
    HtmlPage page("", "<style>BODY{font-size:14px}\n" + kept + "</style>");
    cHtmlStyleSheet sheet = page.document.findStyleSheet();
    ASSERT_TRUE(sheet.isValid());
    const auto text = [&] { return htmltree::textOf(sheet.getElement().getNode()); };
    const std::string before = text();

    // Values a rule already has leave the sheet as it is.
    EXPECT_EQ(sheet.setRule("body", 5, "14px"), 1);
    EXPECT_EQ(text(), before);
    const int changes = page.document.getChangeCount();
    EXPECT_EQ(sheet.setRule("BODY", 5, "14px"), 1);
    EXPECT_EQ(page.document.getChangeCount(), changes);

    // A new value rewrites that rule; the rest stays as written, however often.
    for (const char* size : {"12px", "13px", "12px"}) {
        EXPECT_EQ(sheet.setRule("BODY", 5, size), 1);
        EXPECT_EQ(text(), std::string("BODY { font-size: ") + size + " }\n" + kept);
    }
    // A rule added after one left open would fall inside it: that one is closed first.
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(sheet.setRule("TABLE", 6, "Arial"), 1);
        EXPECT_EQ(
            text(),
            "BODY { font-size: 12px }\n/* ours */\nP { x { color: red }\n}\nTABLE { font-family: Arial }");
    }
    EXPECT_EQ(sheet.getRuleStyle("table").getProperty(6), "Arial");
}

// Sheets whose text a browser would read oddly: a rule an edit rewrites
// still stands for its selector, holds the value set and reads back as written.
TEST(CssTextTest, AnEditedRuleReadsBackWhateverItHeld) {
    const struct {
        std::string sheet;
        CString selector;
    } cases[] = {
        {"P { { x { color: red }\nBODY { color: blue }", "P"},
        {"\"Pc } { body\n{ a: b }", "\"Pc } { body\""},
        {"b { c: d; x: \"y \\", "b"},
        {"a /* it's */ { a: b; c: url(x; d: e }", "a"},
        {"i[title=\"{\"] { content: \"}\" } p { a: b }", "i[title=\"{\"]"},
        {"\xC3\x89"
         "COLE { a: b }",
         "\xC9"
         "COLE"},
    };
    for (const auto& c : cases) {
        HtmlPage page("", "<style>" + c.sheet + "</style>");
        cHtmlStyleSheet sheet = page.document.findStyleSheet();
        EXPECT_EQ(sheet.setRule(c.selector, 5, "13px"), 1) << c.sheet;
        EXPECT_EQ(sheet.getRuleStyle(c.selector).getProperty(5), "13px") << c.sheet;
        const std::string edited = htmltree::textOf(sheet.getElement().getNode());
        EXPECT_EQ(css::writeSheet(css::parseSheet(edited)), edited);
        int rules = 0;
        for (const css::Rule& rule : css::parseSheet(edited))
            rules += css::hasSelector(rule, encoding::cp1252ToUtf8(c.selector.str())) ? 1 : 0;
        EXPECT_EQ(rules, 1) << edited;
    }
}

TEST(CssTextTest, InlineStylesKeepNamesInAnyScript) {
    HtmlPage page("<font style=\"" + kUtf8Name + ": 1; COLOR: red\">x</font>");
    cHtmlStyle style = page.document.getBody().getChild(0).getStyle();
    EXPECT_EQ(style.getProperty(1), "red");
    EXPECT_EQ(style.setProperty(1, "red"), 1);
    EXPECT_EQ(style.setProperty(5, "12px"), 1);
    EXPECT_EQ(page.body(), "<font style=\"&#x00C9;cole-couleur: 1; color: red; font-size: 12px\">x</font>");
}

} // namespace
