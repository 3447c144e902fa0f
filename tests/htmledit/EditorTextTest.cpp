#include "EditorText.h"

#include <gtest/gtest.h>

namespace {

TEST(EditorTextTest, EscapeWideWritesOneReferencePerCodePoint) {
    struct Case {
        const char* utf8;
        const char* expected;
    };
    const Case cases[] = {
        {"caf\xC3\xA9", "caf&#x00E9;"},
        {"a~b", "a~b"},                        // 126 stays one byte
        {"\x7F", "&#x007F;"},                  // 127 is above 126
        {"\xE2\x82\xAC", "&#x20AC;"},          // euro sign
        {"x\xF0\x9F\x98\x80y", "x&#x1F600;y"}, // beyond 16 bits: one reference, not two halves
        {"\xE9t\xE9", "&#x00E9;t&#x00E9;"},    // not UTF-8: Windows-1252 bytes
        {"\x80", "&#x20AC;"},                  // Windows-1252 euro byte
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(escapeWide(c.utf8), CString(c.expected)) << c.utf8;
}

TEST(EditorTextTest, StripEnclosingTagAndAffix) {
    EXPECT_EQ(stripEnclosingTag("  <div>a&nbsp;</div>\r\n", "DIV"), "a&nbsp;");
    EXPECT_EQ(stripEnclosingTag("<DIV class=x>a</DIV>", "div"), "a");
    EXPECT_EQ(stripEnclosingTag("<div>a</div><div>b</div>", "DIV"), "a</div><div>b");
    EXPECT_EQ(stripEnclosingTag("<span>a</span>", "DIV"), "<span>a</span>");
    EXPECT_EQ(stripEnclosingTag("<div>", "DIV"), "<div>");

    EXPECT_EQ(stripAffix("a&nbsp;", "&nbsp;", 1), "a");
    EXPECT_EQ(stripAffix("&NBSP;b", "&nbsp;", 0), "b");
    EXPECT_EQ(stripAffix("a&nbsp;", "&nbsp;", 0), "a&nbsp;");
    EXPECT_EQ(stripAffix("ab", "abc", 1), "ab");
    EXPECT_EQ(stripAffix("", "x", 1), "");
    EXPECT_EQ(stripAffix("x", "", 1), "x");
}

TEST(EditorTextTest, CssLengthsInPixels) {
    struct Case {
        const char* text;
        int pixels;
    };
    const Case cases[] = {{"12pt", 16}, {"10mm", 38}, {"1in", 96}, {"2em", 2}, {"14px", 14}, {"14", 14},
                          {"2cm", 76},  {"3pc", 48},  {"abc", 0},  {"", 0},    {"0px", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(cssLengthToPx(c.text), c.pixels) << c.text;
}

TEST(EditorTextTest, LocalPathsOfAddresses) {
    struct Case {
        const char* address;
        const char* path;
    };
    const Case cases[] = {
        {"b.gif", "/p/site/Item/b.gif"},
        {"./b.gif", "/p/site/Item/b.gif"},
        {"../Other/c.png", "/p/site/Other/c.png"},
        {"..\\Item\\d.png", "/p/site/Item/d.png"},
        {"my%20pic.gif", "/p/site/Item/my pic.gif"},
        {"file:///p/site/Item/e.gif", "/p/site/Item/e.gif"},
        {"file:///p/site/Item/sub/../f%C3%A9.gif", "/p/site/Item/f\xC3\xA9.gif"},
        {"file:./g.gif", "/p/site/Item/g.gif"},
        {"http://example.com/Item/h.gif", ""},
        {"https://example.com/x.png", ""},
        {"data:image/png;base64,AAAA", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(localPathOf(c.address, "/p/site/Item"), c.path) << c.address;
    EXPECT_EQ(pathToFileUrl("/p/my site/\xC3\xA9.gif"), "file:///p/my%20site/%C3%A9.gif");
    EXPECT_EQ(fileUrlToPath(pathToFileUrl("/a b/c#d.htm")), "/a b/c#d.htm");
}

TEST(EditorTextTest, AddressesOfFilesFromAPage) {
    const struct {
        const char* file;
        const char* address;
    } cases[] = {
        {"/p/site/Item/release-flow.png", "release-flow.png"},
        {"/p/site/Item/my pic \xC3\xA9#1.png", "my%20pic%20%C3%A9%231.png"},
        {"/p/site/../site/Item/./b.gif", "b.gif"},
        {"/p/site/Item/sub/c.gif", "file:///p/site/Item/sub/c.gif"},
        {"/p/site/Other/d.gif", "file:///p/site/Other/d.gif"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(addressFromPage(c.file, "/p/site/Item"), c.address) << c.file;
    EXPECT_EQ(addressFromPage("/p/site/Item/e.gif", "/p/site/x/../Item/"), "e.gif");
}

} // namespace
