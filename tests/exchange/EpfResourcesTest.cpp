#include "EpfResources.h"
#include "EpfLibrary.h"
#include "EpfProject.h"
#include "EpfXml.h"
#include "XmlExporter.h"

#include <gtest/gtest.h>

struct RelativePathCase {
    const char* base;
    const char* link;
    const char* path;
};

TEST(EpfResourcesTest, LinksAreResolvedAgainstTheirPagesFolder) {
    const RelativePathCase cases[] = {
        {"../site/Design", "../../Test/Plan/overview.htm", "../Test/Plan/overview.htm"},
        {"../site/Design", "./overview.htm", "../site/Design/./overview.htm"},
        {"../site/.", "../overview.htm", "../site/../overview.htm"},
        {"", "../Test/overview.htm", "Test/overview.htm"},
        {"..\\site\\Design", "..\\Test\\overview.htm", "../site/Test/overview.htm"},
        {"/abs/site", "x.htm", "abs/site/x.htm"},
        {"..", "../../a", "../../../a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(getRelativePath(c.base, c.link), c.path) << c.base << " + " << c.link;
}

TEST(EpfResourcesTest, TheDateTextIsLocalTimeWithTwoDigitFields) {
    ScopedTimeZone zone("UTC");
    CTime::setClockForTests(CTime(2024, 3, 7, 9, 5, 1).GetTime());
    EXPECT_EQ(getCurrentDateText(), "2024-03-07T09:05:01");
}

struct PictureCase {
    const char* text;
    const char* rewritten;
};

TEST(EpfResourcesTest, PicturesAreRewrittenByTheirWholeName) {
    const PictureCase cases[] = {
        {"<img src=\"1.png\">", "<img src=\"resources/N5_1.png\">"},
        {"<img src=\"./1.png\"><img src='1.png'>",
         "<img src=\"resources/N5_1.png\"><img src='resources/N5_1.png'>"},
        {"<img src=\"11.png\"><img src=\"a1.png\"><img src=\"1.png.bak\">",
         "<img src=\"11.png\"><img src=\"a1.png\"><img src=\"1.png.bak\">"},
        {"<img src=\"../1.png\"><img src=\"sub/1.png\"><img src=\"sub/./1.png\">",
         "<img src=\"../1.png\"><img src=\"sub/1.png\"><img src=\"sub/./1.png\">"},
        {"1.png and 1.png", "resources/N5_1.png and resources/N5_1.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EpfResources::rewritePicture(c.text, "1.png", "resources/N5_1.png"), c.rewritten) << c.text;
    // A picture whose name ends another's copy is not rewritten a second time.
    const CString once = EpfResources::rewritePicture("<img src=\"1.png\">", "1.png", "resources/N5_1.png");
    EXPECT_EQ(EpfResources::rewritePicture(once, "N5_1.png", "resources/N5_N5_1.png"), once);
}

TEST(EpfResourcesTest, OnlyTheFrameTargetsMainAreRemoved) {
    CString text =
        "<a target=\"main\" TARGET=\"main\" target=main TARGET=main target=\"_blank\" Target=main>";
    EpfResources::removeMainTargets(text);
    EXPECT_EQ(text, "<a     target=\"_blank\" Target=main>");
}

TEST(EpfResourcesTest, LinkRewritingGoesOnAfterEachReplacement) {
    EpfProject project;
    ProcessManager& manager = project.open();
    EpfLibrary::GuidMap map = {{"N4", "e.htm"},
                               {"N5", "d.htm"},
                               {"N20", "plan.htm"},
                               {"DPN20N19N19", "plan-in-delivery.htm"},
                               {"N9", "a-page-whose-path-is-longer-than-the-link-it-replaces.htm"}};
    EpfLibrary library(*manager.getExporter(), manager, nullptr, map);
    EpfResources resources(library, "Generic");
    Item& delivery = *project.item("N19");
    CString text =
        "<a href=\"../Engineering/overview.htm\">E</a><a href=\"../Engineering/Design/overview.htm\">D</a>"
        "<a HREF=\"../Engineering/Test/overviewL2.htm\">T</a><a href=\"../Engineering/overview.htm\">E</a>"
        "<a href=\"\">x</a><a href=\"../Engineering/Design/content.htm\">c</a>"
        "<a href=\"Plan_the_tests/overview.htm\">P</a><a href=\"../Nowhere/overview.htm\">n</a>";
    resources.rewriteLinks(text, delivery, &delivery);
    EXPECT_EQ(
        text,
        "<a href=\"e.htm\">E</a><a href=\"d.htm\">D</a>"
        "<a HREF=\"a-page-whose-path-is-longer-than-the-link-it-replaces.htm\">T</a><a href=\"e.htm\">E</a>"
        "<a href=\"\">x</a><a href=\"../Engineering/Design/content.htm\">c</a>"
        "<a href=\"plan-in-delivery.htm\">P</a><a href=\"../Nowhere/overview.htm\">n</a>");
    // Without a workflow met, the item's own uid decides.
    CString plan = "<a href=\"Plan_the_tests/overview.htm\">P</a>";
    resources.rewriteLinks(plan, delivery, nullptr);
    EXPECT_EQ(plan, "<a href=\"plan.htm\">P</a>");
}

TEST(EpfResourcesTest, TheGuidMapFileIsReadAsPublished) {
    TempDir dir;
    dir.write("map.txt", " DPTDN1N2N3;path/one.htm;third piece\r\n"
                         "DPBEN4N5N6;path/two.htm\n"
                         "XDPBEN7;kept.htm\n"
                         "no separator\n"
                         "\n"
                         "single;\n"
                         "N8;first.htm\n"
                         "N8; second.htm \n"
                         "N9;\n"
                         "N12;;third\n"
                         "N10;" +
                             std::string(1200, 'x') +
                             "\n"
                             "N11;last line without break");
    const EpfLibrary::GuidMap map = EpfLibrary::readGuidMap((dir / "map.txt").c_str());
    const EpfLibrary::GuidMap expected = {{"DPN1N2N3", "path/one.htm"},
                                          {"DPN4N5N6", "path/two.htm"},
                                          {"XDPBEN7", "kept.htm"},
                                          {"N8", " second.htm "},
                                          {"N12", ""},
                                          {"N10", CString(std::string(995, 'x'))},
                                          {"N11", "last line without break"}};
    EXPECT_EQ(map, expected);
    EXPECT_TRUE(EpfLibrary::readGuidMap((dir / "missing.txt").c_str()).empty());
    EXPECT_TRUE(EpfLibrary::readGuidMap("").empty());
}

TEST(EpfXmlTest, ValuesAreFitForAttributesAndCharacterData) {
    EXPECT_EQ(EpfXml::attributeValue("A &amp; B &nbsp;<x> \"q\""), "A &amp; B &#160;&lt;x&gt; &quot;q&quot;");
    EXPECT_EQ(EpfXml::stored("R&D <a> \"x\" &amp;"), "R&amp;D &lt;a&gt; &quot;x&quot; &amp;amp;");
    EXPECT_EQ(EpfXml::characterData("a]]>b\x01\x02"), "a]]]]><![CDATA[>b");
    EpfXml xml;
    EXPECT_EQ(xml.startTag(2, "E", {{"name", "a\"b"}, {" id", "X1"}}, EpfXml::Closed),
              "  <E name=\"a&quot;b\"  id=\"X1\"/>\n");
}

TEST(EpfXmlTest, ReferencesToElementsTheLibraryLacksAreLeftOut) {
    EpfXml xml;
    CString document = xml.startTag(0, "Root", {{"id", "R"}});
    document += xml.reference(2, "Task", "R");
    document += xml.reference(2, "Task", "Missing");
    document += xml.configurationLine("AddedCategory", "R") + "\n";
    document += xml.configurationLine("AddedCategory", "Gone") + "\n";
    document += "</Root>\n";
    EXPECT_EQ(xml.resolve(document),
              "<Root id=\"R\">\n  <Task>R</Task>\n<AddedCategory>R</AddedCategory>\n</Root>\n");
}
