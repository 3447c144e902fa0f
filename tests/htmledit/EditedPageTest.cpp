// The page file the editor writes: the generated part from the marker on
// comes back byte for byte, whatever the browser did to it, and a page
// saved without an edit keeps its text.

#include "EditedPage.h"
#include "FileSystem.h"
#include "TempDir.h"
#include "cHtmlDocument.h"

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
    // The bytes the editor writes for the document the browser hands back.
    std::string compose(const std::string& html) {
        cHtmlDocument document;
        EXPECT_TRUE(document.attach(html, "file:///p/page.htm"));
        return page.compose(document);
    }
    // Saved without an edit, the browser showing the page as it was read.
    std::string saveUnedited() { return compose(text); }

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
    EXPECT_FALSE(file.page.isUtf8());

    EditedPage missing((file.dir / "none.htm").c_str());
    std::string text;
    EXPECT_FALSE(missing.read(text));
    EXPECT_EQ(missing.getTail(), "");
}

TEST(EditedPageTest, WritesTheEditAboveTheMarkerAndTheGeneratedPartAsItWas) {
    ReadPage file("overview.htm");
    ASSERT_TRUE(file.read);
    struct Case {
        const char* name;
        std::string html;
        std::string bytes;
    };
    const Case cases[] = {
        {"the browser's own form of the marker part is dropped",
         "<!DOCTYPE html>\n<html><head></head><body>\n<div>Caf\xC3\xA9</div><!-- \xC3\xA9 -->\n"
         "<!--PROCESS_HYPERLINK-->\n<h2 class=\"gen\">changed</h2></body></html>",
         "<!DOCTYPE html>\r\n<html><head></head><body>\r\n<div>Caf&#x00E9;</div><!-- \xE9 -->\r\n" + kTail},
        {"an edit that lost the marker gets the part back before its closing body tag",
         "<html><body><div>x</div></body></html>", "<html><body><div>x</div>" + kTail},
        {"the first marker that is a comment is the cut",
         "<html><body><img alt=\"<!--PROCESS_HYPERLINK-->\"><script>'<!--PROCESS_HYPERLINK-->'</script>"
         "<div>x</div><!--PROCESS_HYPERLINK--><div>gone</div></body></html>",
         "<html><body><img alt=\"<!--PROCESS_HYPERLINK-->\"><script>'<!--PROCESS_HYPERLINK-->'</script>"
         "<div>x</div>" +
             kTail},
    };
    for (const Case& c : cases) {
        const std::string bytes = file.compose(c.html);
        EXPECT_EQ(bytes, c.bytes) << c.name;
        ASSERT_TRUE(file.page.write(bytes));
        EXPECT_EQ(file.dir.read("overview.htm"), c.bytes) << c.name;
    }
}

TEST(EditedPageTest, APageWithoutMarkerIsWrittenWhole) {
    ReadPage file("p.htm", "<html><body><p>x</p></body></html>");
    ASSERT_TRUE(file.read);
    EXPECT_EQ(file.compose("<html><body>\n<div>y</div></body></html>"),
              "<html><body>\r\n<div>y</div></body></html>\r\n");
}

// Pages whose text holds the marker where it is no comment, or where what
// follows it in the page would not follow it in the tree: the page has no
// generated part, and a save without an edit gives back its text once.
TEST(EditedPageTest, AMarkerThatIsNoCommentInTheBodyCutsNothing) {
    const struct {
        const char* name;
        std::string page;
        std::string saved;
        std::string once; // what the page holds once, saved and saved again
    } cases[] = {
        {"in an unquoted attribute value",
         "<html><body><img alt=<!--PROCESS_HYPERLINK-->x><div>text</div></body></html>",
         "<html><body><img alt=\"<!--PROCESS_HYPERLINK--\">x&gt;<div>text</div></body></html>\r\n", "text"},
        {"in a broken document type line",
         "<!DOCTYPE html <!--PROCESS_HYPERLINK--> x><html><body><div>text</div></body></html>",
         "<!DOCTYPE html "
         "<!--PROCESS_HYPERLINK-->\r\n<html><body><p>x&gt;</p><div>text</div></body></html>\r\n",
         "text"},
        {"after the page's end, text following",
         "<html><body><p>a</p></body></html><!--PROCESS_HYPERLINK--><p>b</p>",
         "<html><body><p>a</p></body><html><p>b</p></html></html><!--PROCESS_HYPERLINK-->\r\n", "<p>b</p>"},
        {"between a table's rows",
         "<table><tr><td>a</td></tr><!--PROCESS_HYPERLINK--><tr><td>b</td></tr></table>",
         "<html><body><table><tr><td>a</td></tr><!--PROCESS_HYPERLINK--><tr><td>b</td></tr></table>"
         "</body></html>\r\n",
         "<td>b</td>"},
    };
    const auto count = [](const std::string& text, const std::string& part) {
        int found = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++found;
        return found;
    };
    for (const auto& c : cases) {
        ReadPage file("p.htm", c.page);
        ASSERT_TRUE(file.read);
        EXPECT_EQ(file.page.getTail(), "") << c.name;
        const std::string saved = file.saveUnedited();
        EXPECT_EQ(saved, c.saved) << c.name;
        ReadPage again("p.htm", saved);
        EXPECT_EQ(again.page.getTail(), "") << c.name;
        EXPECT_EQ(count(again.saveUnedited(), c.once), 1) << c.name;
    }
}

TEST(EditedPageTest, ReadAndSaveTakeTheCharacterSetByOneRule) {
    const std::string omega = "\xCE\xA9";  // beyond Windows-1252
    const std::string eAcute = "\xC3\xA9"; // é in UTF-8
    const struct {
        const char* name;
        std::string page;
        bool utf8;
        std::string script; // the script's text in the saved bytes
    } cases[] = {
        {"valid UTF-8 without a declaration",
         "<html><body><script>s='" + omega + eAcute + "'</script></body></html>", true,
         "s='" + omega + eAcute + "'"},
        {"Windows-1252 bytes without a declaration", "<html><body><script>s='\xE9'</script></body></html>",
         false, "s='\xE9'"},
        {"declared UTF-8",
         "<html><head><meta charset=\"utf-8\"></head><body><script>s='" + eAcute + "'</script></body></html>",
         true, "s='" + eAcute + "'"},
        {"declared Windows-1252 in valid UTF-8 bytes",
         "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"></head>"
         "<body><script>s='" +
             eAcute + "'</script></body></html>",
         false, "s='" + eAcute + "'"},
        {"a charset after the body's start is no declaration",
         "<html><body><meta charset=\"windows-1252\"><script>s='" + eAcute + "'</script></body></html>", true,
         "s='" + eAcute + "'"},
    };
    for (const auto& c : cases) {
        ReadPage file("p.htm", c.page);
        ASSERT_TRUE(file.read);
        EXPECT_EQ(file.page.isUtf8(), c.utf8) << c.name;
        const std::string saved = file.saveUnedited();
        EXPECT_NE(saved.find("<script>" + c.script + "</script>"), std::string::npos)
            << c.name << ": " << saved;
    }
    // A declaration the edit puts in decides for the save.
    ReadPage file("p.htm", "<html><body><script>s='\xE9'</script></body></html>");
    EXPECT_EQ(file.compose("<html><head><meta charset=\"utf-8\"></head><body><script>s='" + eAcute +
                           "'</script></body></html>"),
              "<html><head><meta charset=\"utf-8\"></head><body><script>s='" + eAcute +
                  "'</script></body></html>\r\n");
}

// Without a declaration, a page is written in the set a read of it takes.
TEST(EditedPageTest, APageWithoutDeclarationReadsBackInTheSetItWasWrittenIn) {
    // Read in Windows-1252 for the lone \xE9; saved, that is a reference and
    // the script's "\xC3\xA9" would read as UTF-8: the page is written in UTF-8.
    ReadPage file("p.htm", "<html><body><p>\xE9</p><script>s='\xC3\xA9'</script></body></html>");
    ASSERT_FALSE(file.page.isUtf8());
    const std::string saved = file.saveUnedited();
    EXPECT_EQ(saved, "<html><body><p>&#x00E9;</p><script>s='\xC3\x83\xC2\xA9'</script></body></html>\r\n");
    ReadPage again("p.htm", saved);
    EXPECT_NE(again.text.find("s='\xC3\x83\xC2\xA9'"), std::string::npos);
}

TEST(EditedPageTest, TheDocumentTypeIsWrittenAsItWasRead) {
    const std::string doctype =
        "<!DOCTYPE html PUBLIC \"-//Caf\xC3\xA9//DTD\" \"http://example.com/\xC3\xA9t\xC3\xA9.dtd\">";
    ReadPage file("p.htm", doctype + "\r\n<html><body>x</body></html>");
    std::string saved = file.saveUnedited();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(saved.substr(0, doctype.size()), doctype);
        ReadPage again("p.htm", saved);
        saved = again.saveUnedited();
    }
    // One the page ends inside is closed, so that the page after it stays a page.
    // (The parser stops at the NUL: the text before it is the page.)
    const std::string page = "x<!DOCTYPE HTML PUBLIC \"-//C0";
    ReadPage open("p.htm", page + '\0' + "y");
    const std::string closed = open.saveUnedited();
    EXPECT_EQ(closed, "<!DOCTYPE HTML PUBLIC \"-//C0\">\r\n<html><body><p>x</p></body></html>\r\n");
    EXPECT_EQ(ReadPage("p.htm", closed).saveUnedited(), closed);
}

// However long the page, its document type and its generated part are
// found where the page has them: with tens of kilobytes above the marker or
// behind it, the generated part comes back byte for byte and the document
// type as written.
TEST(EditedPageTest, ALongPageKeepsItsDocumentTypeAndGeneratedPart) {
    const std::string doctype =
        "<!DOCTYPE html PUBLIC \"-//Caf\xC3\xA9//DTD\" \"http://example.com/\xC3\xA9t\xC3\xA9.dtd\">";
    const auto lines = [](const char* tag, int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += std::string("<") + tag + ">line " + std::to_string(i) + "</" + tag + ">\r\n";
        return text;
    };
    const struct {
        const char* name;
        int above, behind; // lines above the marker and in the generated part
    } cases[] = {
        {"a short page", 10, 10},
        {"a long edited part", 4000, 10},
        {"a long generated part", 10, 4000},
        {"both long", 4000, 4000},
    };
    for (const auto& c : cases) {
        const std::string tail = "<!--PROCESS_HYPERLINK-->\r\n" + lines("P", c.behind) + "</BODY></HTML>\r\n";
        ReadPage file("p.htm", doctype + "\r\n<html><body>\r\n" + lines("div", c.above) + tail);
        ASSERT_TRUE(file.read) << c.name;
        EXPECT_EQ(file.page.getTail().size(), tail.size()) << c.name;
        EXPECT_TRUE(file.page.getTail() == tail) << c.name;
        const std::string saved = file.saveUnedited();
        EXPECT_EQ(saved.substr(0, doctype.size()), doctype) << c.name;
        ASSERT_GE(saved.size(), tail.size()) << c.name;
        EXPECT_TRUE(saved.compare(saved.size() - tail.size(), tail.size(), tail) == 0) << c.name;
    }
}

// Where a page holds its marker and its document type is found in its text
// whatever the page's size: a page of a large generated part keeps that part
// as it was read and its document type as written.
TEST(EditedPageTest, ALargePageKeepsItsGeneratedPartAndItsDocumentType) {
    const std::string doctype = "<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.01 Transitional//EN'>";
    std::string generated = "<!--PROCESS_HYPERLINK-->\r\n";
    for (int i = 0; generated.size() < 40000; ++i)
        generated += "<H2 CLASS=gen>Section " + std::to_string(i) + "</H2><P>generated</P>\r\n";
    generated += "</BODY>\r\n</HTML>\r\n";
    std::string author;
    for (int i = 0; author.size() < 40000; ++i)
        author += "<DIV>line " + std::to_string(i) + "</DIV>\r\n";
    for (const std::string& start : {std::string(), std::string("\xEF\xBB\xBF")}) {
        const std::string page = start + doctype + "\r\n<HTML><BODY>\r\n" + author + generated;
        ReadPage file("large.htm", page);
        ASSERT_TRUE(file.read);
        EXPECT_EQ(file.page.getTail(), generated) << "with a byte order mark: " << !start.empty();
        cHtmlDocument document;
        ASSERT_TRUE(document.attach(file.text, "file:///p/large.htm"));
        EXPECT_EQ(document.getDoctype(), doctype);
        const std::string saved = file.page.compose(document);
        EXPECT_EQ(saved.substr(0, doctype.size()), doctype);
        ASSERT_GE(saved.size(), generated.size());
        EXPECT_EQ(saved.substr(saved.size() - generated.size()), generated);
    }
}

TEST(EditedPageTest, AFailedWriteIsReported) {
    ReadPage file("sub/p.htm");
    ASSERT_TRUE(file.read);
    ASSERT_TRUE(platform::deleteTree((file.dir / "sub").c_str()));
    EXPECT_FALSE(file.page.write("new"));
}

} // namespace
