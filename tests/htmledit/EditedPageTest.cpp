// The page file the editor writes: the generated part from the marker on
// comes back byte for byte, whatever the browser did to it.

#include "EditedPage.h"
#include "FileSystem.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

const std::string kPage =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
    "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "</HEAD>\r\n<BODY>\r\n<P>Caf\xE9</P>\r\n"
    "<!--PROCESS_HYPERLINK-->\r\n<H2 CLASS=gen>Roles \xE9</H2>\n<SPAN style='x'>s</SPAN>\r\n"
    "</BODY>\r\n</HTML>\r\n";
const std::string kTail =
    "<!--PROCESS_HYPERLINK-->\r\n<H2 CLASS=gen>Roles \xE9</H2>\n<SPAN style='x'>s</SPAN>\r\n"
    "</BODY>\r\n</HTML>\r\n";

// A page file written into the folder and read by the editor.
struct ReadPage {
    explicit ReadPage(const std::string& name, const std::string& bytes = kPage)
        : page((dir / name).c_str()) {
        dir.write(name, bytes);
        read = page.read(text);
    }
    TempDir dir;
    EditedPage page;
    std::string text;
    bool read = false;
};

TEST(EditedPageTest, ReadsThePageInItsCharacterSetAndKeepsTheGeneratedPart) {
    ReadPage file("overview.htm");
    ASSERT_TRUE(file.read);
    EXPECT_NE(file.text.find("<P>Caf\xC3\xA9</P>"), std::string::npos);
    EXPECT_EQ(file.page.getTail(), kTail);

    EditedPage missing((file.dir / "none.htm").c_str());
    std::string text;
    EXPECT_FALSE(missing.read(text));
    EXPECT_EQ(missing.getTail(), "");
}

TEST(EditedPageTest, WritesTheEditAboveTheMarkerAndTheGeneratedPartAsItWas) {
    ReadPage file("overview.htm");
    ASSERT_TRUE(file.read);
    EditedPage& page = file.page;
    struct Case {
        const char* name;
        std::string html;
        std::string bytes;
    };
    const Case cases[] = {
        {"the browser's own form of the marker part is dropped",
         "<!DOCTYPE html>\n<html><head></head><body>\n<div>Caf&#x00E9; \xC3\xA9</div>\n"
         "<!--PROCESS_HYPERLINK-->\n<h2 class=\"gen\">changed</h2></body></html>",
         "<!DOCTYPE html>\r\n<html><head></head><body>\r\n<div>Caf&#x00E9; \xE9</div>\r\n" + kTail},
        {"an edit that lost the marker gets the part back before its closing body tag",
         "<html><body><div>x</div></body></html>", "<html><body><div>x</div>" + kTail},
    };
    for (const Case& c : cases) {
        const std::string bytes = page.compose(c.html, false);
        EXPECT_EQ(bytes, c.bytes) << c.name;
        ASSERT_TRUE(page.write(bytes));
        EXPECT_EQ(file.dir.read("overview.htm"), c.bytes) << c.name;
    }
    // A page declared in UTF-8 keeps its characters in UTF-8.
    EXPECT_EQ(page.compose("<div>\xC3\xA9</div><!--PROCESS_HYPERLINK-->", true),
              "<div>\xC3\xA9</div>" + kTail);
}

TEST(EditedPageTest, APageWithoutMarkerIsWrittenWhole) {
    ReadPage file("p.htm", "<html><body><p>x</p></body></html>");
    ASSERT_TRUE(file.read);
    EXPECT_EQ(file.page.compose("<html><body>\n<div>y</div></body></html>", false),
              "<html><body>\r\n<div>y</div></body></html>\r\n");
}

TEST(EditedPageTest, AFailedWriteIsReported) {
    ReadPage file("sub/p.htm");
    ASSERT_TRUE(file.read);
    ASSERT_TRUE(platform::deleteTree((file.dir / "sub").c_str()));
    EXPECT_FALSE(file.page.write("new"));
}

} // namespace
