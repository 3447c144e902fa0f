#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// A process with a design activity, a plain page, and a glossary whose
// entries are Role (with a second-language name, a source and an
// equivalent) and Workflow (without a second-language name). Description
// files are written the way the program writes them: CR LF line ends.
class DescriptionTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.write("proj/site.tvx",
                    "[STD_OPTION]\r\nTwoLanguages=yes\r\nGenerationLang=EN\r\nGenerationLang2=FR\r\n"
                    "DataVersion=v2.4.5\r\n[PROCESS_OPTION]\r\nAP_Desc=yes\r\n");
        m_dir.write("proj/tolvane/trad.ini", "[TRAD]\r\nSource_EN=Source\r\nEquivalent_EN=Equivalent\r\n"
                                             "Description_EN=Description\r\nSource_FR=Origine\r\n");
        m_dir.write(
            "proj/tolvane/MenuTreeV2.dat",
            "\r\n0*N1*Process*../site/Process/overview.htm* *b.gif*b.gif*f*true*false*Processus* *\r\n"
            "1*N2*Design*../site/Process/Design/overview.htm* *b.gif*b.gif*f*true*false*Conception* *\r\n"
            "1*N3*Plain*../site/Process/Plain/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
            "1*N4*The \"Go\" gate [@N4]*../site/Process/Gate/overview.htm* *b.gif*b.gif*f*true*false* * "
            "*\r\n"
            "0*N10*Glossary*../site/Glossary/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
            "1*N11*Role*../site/Glossary/Role/overview.htm* *b.gif*b.gif*f*true*false*R\xF4le* *\r\n"
            "1*N12*Workflow*../site/Glossary/Workflow/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n");
        m_dir.write("proj/site/Process/process.data", "[PROCESSUS]\r\nClass=NOPROCESSCLASS\r\n");
        m_dir.write("proj/site/Process/Design/process.data", "[PROCESSUS]\r\nClass=ACTIVITY\r\n");
        m_dir.write("proj/site/Process/Design/ActivityDescription.txt", "Draw the plan\r\n");
        m_dir.write("proj/site/Process/Plain/process.data", "[PROCESSUS]\r\nClass=NOPROCESSCLASS\r\n");
        m_dir.write("proj/site/Process/Gate/process.data", "[PROCESSUS]\r\nClass=ACTIVITY\r\n");
        m_dir.write("proj/site/Process/Gate/ActivityDescription.txt", "Pass the gate\r\n");
        m_dir.write("proj/site/Glossary/process.data", "[PROCESSUS]\r\nClass=GLOSSARY\r\n");
        m_dir.write(
            "proj/site/Glossary/Role/process.data",
            "[PROCESSUS]\r\nClass=GLOSSARYENTRY\r\nsourceL1=Book \"A\"\r\nequivalentL1=Part of [@N2]\r\n"
            "sourceL2=Livre\r\n");
        m_dir.write("proj/site/Glossary/Role/GADescription.txt", "Who does\r\nthe work\r\n");
        m_dir.write("proj/site/Glossary/Role/GADescriptionL2.txt", "Qui fait\r\n");
        m_dir.write("proj/site/Glossary/Workflow/process.data", "[PROCESSUS]\r\nClass=GLOSSARYENTRY\r\n");
        m_dir.write("proj/site/Glossary/Workflow/GADescription.txt",
                    "A chain of [@N2], \"quoted\", C:\\dir</b>\r\n");
        m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), nullptr, 0, 0);
        for (Item* item : {this->item("N2"), this->item("N3"), this->item("N4")})
            static_cast<ProcessItem*>(item)->buildHtmlDescription(0);
    }
    Item* item(const char* uid) { return m_manager->findItemByUid(uid); }
    std::string html(const std::string& text, int language = 0, int plain = 0, int* counter = nullptr) {
        int own = 0;
        return m_manager
            ->descriptionToHtml(text.c_str(), counter ? counter : &own, item("N3"), language, plain)
            .str();
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    std::unique_ptr<ProcessManager> m_manager;
};

const std::string kRoleScript =
    "\n<script language=\"JavaScript1.2\"  type=\"text/javascript\">\nText[0]=[\"Role\","
    "\"<font size=1>Who does<br>\nthe work<br>\n<\\/font>"
    "<p><i><font size=1>Source: Book &#147A&#147<\\/font><\\/i><\\/p>"
    "<p><i><font size=1>Equivalent: Part of Design<\\/font><\\/i><\\/p>\"]\n</script>\n";

std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n')
            c = ' ';
    return text;
}

TEST_F(DescriptionTest, EntitiesSurviveAndOtherAmpersandsAreEscaped) {
    EXPECT_EQ(html("&amp; & &eacute; &nbsp; &lt;b&gt;", 0, 1), "&amp; &amp; &amp;eacute; &nbsp; &lt;b&gt;");
}

TEST_F(DescriptionTest, FirstOccurrenceOfATermGetsItsTooltip) {
    int counter = 0;
    EXPECT_EQ(html("Roles, then the role.", 0, 0, &counter),
              oneLine(kRoleScript) + "<span class=\"ToolTip\"  onMouseover=\"ShowTip(Text[0])\" "
                                     "onMouseout=\"HideTip(event)\" >Role</span>s, then the role.");
    EXPECT_EQ(counter, 1);
}

TEST_F(DescriptionTest, TermsMustStandAsWords) {
    struct {
        const char* text;
        bool marked;
    } cases[] = {
        {"Workflow: first", true},
        {"the Workflows", true},
        {"ends with Workflow", true},
        {"Workflowing", false},
        {"subWorkflow here", false},
        {"(Workflow)", false},
        // Only the first occurrence is tried, even when a later one would fit.
        {"Workflowing, Workflow", false},
        // Inside a script element: not marked, even when it occurs again later.
        {"<script>var Workflow;</script> Workflow", false},
        // A script element that is not closed runs to the end, as a browser reads it.
        {"<script> Workflow", false},
        // Line ends separate words too.
        {"first line<br>\nWorkflow starts this one", true},
        {"this line ends with Workflow\r\nnext", true},
    };
    for (const auto& c : cases) {
        const std::string out = html(c.text);
        EXPECT_EQ(out.find("<span class=\"ToolTip\"") != std::string::npos, c.marked) << c.text << "\n"
                                                                                      << out;
    }
}

// "|" pairs in an expected text stand for the span of tooltip 0 around a word.
std::string withSpan(std::string text) {
    const std::string opening =
        "<span class=\"ToolTip\"  onMouseover=\"ShowTip(Text[0])\" onMouseout=\"HideTip(event)\" >";
    for (bool open = true; text.find('|') != std::string::npos; open = !open)
        text.replace(text.find('|'), 1, open ? opening : std::string("</span>"));
    return text;
}

// The converted text behind the tooltip entries, which all come first.
std::string behindEntries(const std::string& out) {
    std::string rest = out;
    while (rest.rfind(" <script language=\"JavaScript1.2\"  type=\"text/javascript\"> Text[", 0) == 0)
        rest = rest.substr(rest.find("</script> ") + 10);
    return rest;
}

TEST_F(DescriptionTest, TermsAreMarkedOnlyInText) {
    struct {
        const char* text;
        const char* marked;
    } cases[] = {
        // Words inside tags are passed over: the first use in the text is marked.
        {"<img alt=\"Workflow\"> the Workflow runs", "<img alt=\"Workflow\"> the |Workflow| runs"},
        {"<a title=\"the Workflow, here\">x</a>", "<a title=\"the Workflow, here\">x</a>"},
        {"<p title='x > Workflow'> Workflow", "<p title='x > Workflow'> |Workflow|"},
        {"<img alt=Workflow> Workflow", "<img alt=Workflow> |Workflow|"},
        // So are comments and style sheets.
        {"<!-- Workflow --> Workflow", "<!-- Workflow --> |Workflow|"},
        {"<!-- a -- > Workflow", "<!-- a -- > Workflow"},
        {"<style> p.Workflow {} </style> Workflow", "<style> p.Workflow {} </style> |Workflow|"},
        // A script's closing tag with blanks still closes it.
        {"<script>f()</script > Workflow", "<script>f()</script > |Workflow|"},
        {"<script>a<</script> Workflow", "<script>a<</script> |Workflow|"},
        // A longer name closes nothing: the script runs on to its closing tag.
        {"<script>a='</scripts>'; Workflow = 1;</script> Workflow",
         "<script>a='</scripts>'; Workflow = 1;</script> Workflow"},
        {"<style> q::after {content: '</styles>'} .Workflow {} </style> Workflow",
         "<style> q::after {content: '</styles>'} .Workflow {} </style> |Workflow|"},
        // A '<' that opens no tag is text.
        {"a < b, Workflow", "a < b, |Workflow|"},
        {"<3 Workflow", "<3 |Workflow|"},
    };
    for (const auto& c : cases) {
        const std::string out = html(c.text);
        EXPECT_EQ(behindEntries(out), withSpan(c.marked)) << c.text << "\n" << out;
    }
}

TEST_F(DescriptionTest, NamesWithNulOrMarkupCannotMisplaceAMark) {
    struct {
        std::string name;
        std::string text;
    } cases[] = {
        // Searched only up to its NUL, the name would wrap "Work<br>".
        {std::string("Work\0abc", 8), "Work<br>, more"},
        {"a\"><b>", "a\"><b> x"},
    };
    for (const auto& c : cases) {
        item("N12")->setNameL2(c.name);
        EXPECT_EQ(html(c.text, 1), c.text) << c.text;
    }
}

TEST_F(DescriptionTest, ReferencesBecomeLinksOrNames) {
    // The design activity has a popup text: the link targets the main frame
    // and carries a tooltip; the plain page has none.
    const std::string design = html("See [@N2].");
    EXPECT_EQ(design.substr(0, 51), "See <a href=\"../Design/overview.htm\" target=\"main\">");
    EXPECT_NE(design.find("Text[0]=[\"Design\",\"<font size=1>"), std::string::npos);
    EXPECT_NE(design.find(">Design</span></a>."), std::string::npos);
    EXPECT_EQ(html("[@N3] and [@N99]!"), "<a href=\"./overview.htm\">Plain</a> and !");
    EXPECT_EQ(html("[@n2] [@N3] [@N99]x", 1, 1), "Conception Empty translation x");
    // An unclosed reference runs to the next "]": the stretch vanishes.
    EXPECT_EQ(html("a [@N2 b [@N3] c", 0, 1), "a  c");
    EXPECT_EQ(html("tail [@N2", 0, 1), "tail N2");
}

TEST_F(DescriptionTest, SecondLanguageSearchesSecondNames) {
    const std::string out = html("Le R\xF4le et Empty translation", 1);
    EXPECT_NE(out.find("Text[0]=[\"R\xF4le\",\"<font size=1>Qui fait<br> <\\/font>"
                       "<p><i><font size=1>Origine: Livre<\\/font><\\/i><\\/p>\"]"),
              std::string::npos)
        << out;
    // The entry without a second name is searched under the text that stands for it.
    EXPECT_NE(out.find(">Empty translation</span>"), std::string::npos);
}

TEST_F(DescriptionTest, ScriptStringsStayValid) {
    // The Workflow entry's description holds a reference, double quotes, a
    // backslash and a closing tag; its file has CR LF line ends.
    const std::string out = html("line one\r\nWorkflow\r\n");
    EXPECT_EQ(out.find('\r'), std::string::npos);
    EXPECT_EQ(out.find('\n'), std::string::npos);
    EXPECT_NE(
        out.find(
            "Text[0]=[\"Workflow\",\"<font size=1>A chain of Design, &quot;quoted&quot;, C:\\\\dir<\\/b><br> "
            "<\\/font>\"]"),
        std::string::npos)
        << out;
    EXPECT_NE(out.find("line one <span"), std::string::npos);
}

TEST_F(DescriptionTest, NamesInScriptsAreEscapedAndNotExpandedAgain) {
    // The gate's name holds double quotes and a reference to itself.
    const std::string out = html("See [@N4].");
    EXPECT_NE(out.find("Text[0]=[\"The &#147Go&#147 gate [@N4]\",\"<font size=1>"), std::string::npos) << out;
    EXPECT_NE(out.find(">The \"Go\" gate [@N4]</span></a>."), std::string::npos) << out;
    EXPECT_EQ(html("[@N4] ok", 0, 1), "The \"Go\" gate [@N4] ok");
    EXPECT_EQ(m_manager->toTooltipText("[@N4]", 0), "The &#147Go&#147 gate [@N4]");
    // Without a page to link from, references are names.
    int counter = 0;
    EXPECT_EQ(m_manager->descriptionToHtml("x [@N3]", &counter, nullptr, 0, 0), "x Plain");
}

TEST_F(DescriptionTest, TooltipTexts) {
    struct {
        const char* text;
        const char* tooltip;
    } cases[] = {
        {"a\nb", "a<br>b"},         {"a\r\nb", "a<br>b"},
        {"<b>x</b>", "<b>x<\\/b>"}, {"say \"hi\"", "say &#147hi&#147"},
        {"C:\\dir", "C:\\\\dir"},   {"[@N2] then [@N99]x and [@y", "Design then x and y"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_manager->toTooltipText(c.text, 0), c.tooltip) << c.text;

    int counter = 4;
    EXPECT_EQ(
        m_manager->writeTermTooltip("term", &counter, "body\n", 0, ""),
        "\n<script language=\"JavaScript1.2\"  type=\"text/javascript\">\nText[4]=[\"term\",\"<font size=1>"
        "body<br><\\/font>\"]\n</script>\n<span class=\"ToolTip\"  onMouseover=\"ShowTip(Text[4])\" "
        "onMouseout=\"HideTip(event)\" >term</span>");
    EXPECT_EQ(counter, 5);
    EXPECT_NE(m_manager->writeTermTooltip("t", &counter, "", 0, "Title").str().find("Text[5]=[\"Title\""),
              std::string::npos);
}

TEST_F(DescriptionTest, TheGlossaryIsReadOncePerRun) {
    {
        ProcessManager::PageRun run(*m_manager);
        EXPECT_NE(html("Role").find("Who does"), std::string::npos);
        m_dir.write("proj/site/Glossary/Role/GADescription.txt", "Renewed\r\n");
        EXPECT_NE(html("Role").find("Who does"), std::string::npos);
    }
    // Outside a run every text reads the glossary as it stands.
    EXPECT_NE(html("Role").find("Renewed"), std::string::npos);
    m_dir.write("proj/site/Glossary/Role/GADescription.txt", "Again\r\n");
    EXPECT_NE(html("Role").find("Again"), std::string::npos);
}

} // namespace

namespace {

// A project folder made on Windows may name a page in another case than the
// program writes it: a reference links to the page as it is named on disk.
TEST_F(DescriptionTest, AReferenceLinksToThePageAsItIsNamedOnDisk) {
    m_dir.write("proj/site/Process/Gate/Overview.htm", "");
    EXPECT_NE(html("See [@N2] and [@N4].").find("<a href=\"../Gate/Overview.htm\""), std::string::npos);
    // A page that is not there keeps the name the program gives it.
    EXPECT_NE(html("See [@N2].").find("<a href=\"../Design/overview.htm\""), std::string::npos);
}

} // namespace
