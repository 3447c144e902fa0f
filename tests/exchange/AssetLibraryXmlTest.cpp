#include "Encoding.h"
#include "ExportsProject.h"
#include "XmlExporter.h"
#include "XmlText.h"

#include <gtest/gtest.h>

namespace {

// xmllint's verdict on a file: empty when it is well formed.
std::string xmllintErrors(const std::string& path) {
    const ProgramResult result = runProgram({"xmllint", "--noout", path});
    return result.exitCode == 0 ? std::string()
                                : "xmllint " + std::to_string(result.exitCode) + ": " + result.errors;
}

struct EscapeCase {
    const char* stored;
    const char* markup;
    const char* text;
};

const EscapeCase kEscapeCases[] = {
    {"", "", ""},
    {"Say \"hi\"", "Say &quot;hi&quot;", "Say &quot;hi&quot;"},
    {"one<br>two", "one<br>two", "onetwo"},
    {"one<BR>two", "one<BR>two", "one&lt;BR&gt;two"},
    {"<p>para</p> <b>bold</b> <i>it</i><hr>", "<p>para</p> <b>bold</b> <i>it</i><hr>",
     "&lt;p&gt;para&lt;/p&gt; bold it"},
    {"A & B &lt; C", "A &amp; B &lt; C", "A &amp; B &lt; C"},
    {"it\x92s `quoted`", "it's 'quoted'", "it's 'quoted'"},
    {"see [@N3]", "see Tester", "see Tester"},
};

} // namespace

TEST(XmlExporterTest, TextsAreEscapedForAttributesAndCharacterData) {
    ExportsProject project;
    XmlExporter& exporter = *project.open().getExporter();
    for (const auto& c : kEscapeCases) {
        EXPECT_EQ(exporter.toXmlMarkup(c.stored, 0), c.markup) << c.stored;
        EXPECT_EQ(exporter.toXmlText(c.stored, 0), c.text) << c.stored;
    }
    EXPECT_EQ(exporter.toXmlMarkup("see [@N3]", 1), "see Testeur");
}

TEST(XmlTextTest, ValuesBecomeWellFormedContent) {
    EXPECT_EQ(XmlText::escape("a&b<c>d"), "a&amp;b&lt;c&gt;d");
    EXPECT_EQ(XmlText::content("Q&A <b>x</b> &amp; &lt; &#233; &nbsp;&copy;"),
              "Q&amp;A &lt;b&gt;x&lt;/b&gt; &amp; &lt; &#233; &#160;&amp;copy;");
    EXPECT_EQ(XmlText::characterData("a]]>b]]>"), "a]]]]><![CDATA[>b]]]]><![CDATA[>");
}

TEST(XmlTextTest, TheDeclaredEncodingIsTheOneOfTheBytes) {
    struct EncodingCase {
        const char* charset;
        std::string text;
        const char* declared;
        std::string bytes;
    };
    const EncodingCase cases[] = {
        {"iso-8859-1", "caf\xE9", "iso-8859-1", "caf\xE9"},
        {"iso-8859-1", "5 \x80", "UTF-8", "5 \xE2\x82\xAC"},
        {"windows-1252", "5 \x80", "windows-1252", "5 \x80"},
        {"utf-8", "caf\xE9", "utf-8", "caf\xC3\xA9"},
        {"us-ascii", "caf\xE9", "UTF-8", "caf\xC3\xA9"},
        {"shift_jis", "a", "UTF-8", "a"},
        {"iso-8859-1", "a\x01\x0C\tb\r\n", "iso-8859-1", "a\tb\r\n"},
    };
    for (const auto& c : cases) {
        const XmlText::Encoded encoded = XmlText::encode(c.text, c.charset);
        EXPECT_EQ(encoded.declared, c.declared) << c.charset << " " << c.text;
        EXPECT_EQ(encoded.bytes, c.bytes) << c.charset << " " << c.text;
    }
}

TEST(AssetLibraryXmlTest, TheExportIsItsGoldenCopyAndWellFormed) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    manager.exportXML();
    EXPECT_EQ(project.lastMessage(), "export.xml generated in <site root>/tmp directory");
    // The second-language steps of the derived activity are one short.
    EXPECT_EQ(std::count_if(project.ui.messages.begin(), project.ui.messages.end(),
                            [](const auto& m) { return m.text == "Step desynchronization"; }),
              9);
    const std::string xml = project.read("tmp/export.xml");
    EXPECT_EQ(compareWithGolden(xml, "exports/export.xml"), "");
    EXPECT_EQ(xmllintErrors(project.path("tmp/export.xml")), "");
    EXPECT_NE(xml.find("<![CDATA[Counts <b>every</b> defect &amp; its fix ]]]]><![CDATA[> done."),
              std::string::npos);
}

TEST(AssetLibraryXmlTest, AOneLanguageProjectWithTheDefaultCharsetGivesWellFormedUtf8WhenItMust) {
    ExportsProject project;
    project.setOption("STD_OPTION", "TwoLanguages", "false");
    project.setOption("STD_OPTION", "Charset", nullptr);
    // A euro sign, which ISO-8859-1 has not, and a name with markup.
    project.write("site/Roles/Architect/RoleDescription.txt", "Costs 5 \x80.\r\n");
    ProcessManager& manager = project.open();
    project.item("N40")->setNameText("Lead <QA> & \"co\"");
    manager.exportXML();
    const std::string xml = project.read("tmp/export.xml");
    EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n")) << xml.substr(0, 60);
    EXPECT_TRUE(encoding::isValidUtf8(xml));
    EXPECT_NE(xml.find("Costs 5 \xE2\x82\xAC."), std::string::npos);
    EXPECT_NE(xml.find("<name>Lead &lt;QA&gt; &amp; &quot;co&quot;</name>"), std::string::npos);
    EXPECT_EQ(xml.find("L2>"), std::string::npos);
    EXPECT_EQ(xmllintErrors(project.path("tmp/export.xml")), "");

    // Without a character beyond what ISO-8859-1 holds, its label is kept.
    project.write("site/Roles/Architect/RoleDescription.txt", "Costs 5 \xA3.\r\n");
    manager.exportXML();
    EXPECT_TRUE(
        project.read("tmp/export.xml").starts_with("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"));
    EXPECT_EQ(xmllintErrors(project.path("tmp/export.xml")), "");
}
