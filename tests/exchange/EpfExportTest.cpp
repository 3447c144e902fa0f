#include "EpfProject.h"
#include "Golden.h"
#include "ItemActivity.h"
#include "ItemWorkProduct.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <tuple>
#include <vector>

namespace {

const char* const kSuccess =
    "exportForEPF.xml generated in <site root>/tmp directory.\n\nDo not forget to synchronize each "
    "capability "
    "pattern and delivery process after import so to refresh task, role and work product descriptors.";

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

void expectSound(const EpfLibraryCheck& check, const std::string& context) {
    EXPECT_EQ(check.xmllint, "") << context;
    EXPECT_EQ(check.parseError, "") << context;
    EXPECT_EQ(check.duplicateIds, std::vector<std::string>()) << context;
    EXPECT_EQ(check.unresolved, std::vector<std::string>()) << context;
    EXPECT_EQ(check.misordered, std::vector<std::string>()) << context;
    EXPECT_GT(check.references, 0u) << context;
}

} // namespace

TEST(EpfExportTest, TheFixtureGivesItsGoldenLibrary) {
    EpfProject project;
    project.open();
    project.exportLibrary({"N4", "N9"}, project.path("guidmap.txt"));
    EXPECT_EQ(project.lastMessage(), kSuccess);
    const std::string library = project.library();
    EXPECT_EQ(compareWithGolden(library, "epf/exportForEPF.xml"), "");
    EXPECT_EQ(compareWithGolden(project.read("tmp/EPFexport/exportForEPF_warning.txt"),
                                "epf/exportForEPF_warning.txt"),
              "");
    EXPECT_EQ(compareWithGolden(project.exportedFiles(), "epf/files.txt"), "");
    expectSound(project.check(), "golden");

    // The workflow's pictures, named whole, now lie in the plug-in's resources.
    EXPECT_NE(library.find("<img src=\"resources/N19_wf.png\"> <img src=\"resources/N19_wf.png\"> "
                           "<img src=\"../Roles/wf.png\"> <img src=\"awf.png\"> <img src=\"wf.png.bak\">"),
              std::string::npos);
    // Links to item pages are the published pages, each found after the one before was replaced.
    EXPECT_NE(
        library.find("<a href=\"published/design.htm\" >Design</a><a href=\"published/test.htm\">Test</a> "
                     "<A HREF=\"published/plan-in-delivery.htm\" >Plan</A> "
                     "<a href=\"../Roles/Tester/content.htm\">Tester</a> <a href=\"\">none</a> "
                     "<a href=\"e.htm\">Engineering</a>"),
        std::string::npos);
    EXPECT_NE(library.find("Text with ]]]]><![CDATA[> inside"), std::string::npos);
    // The discipline plug-in meets its own discipline: one role set, one process category.
    EXPECT_EQ(count(library, "id=\"RSN9\""), 1u);
    EXPECT_EQ(count(library, "id=\"DIN9\""), 1u);
    // An activity met again through a shortcut inside the workflow has a descriptor of its own.
    EXPECT_EQ(count(library, "id=\"DPTDN21N20N19\""), 1u);
    EXPECT_EQ(count(library, "id=\"DPTDN21N20N19N25\""), 1u);
}

TEST(EpfExportTest, EverySelectionGivesAWellFormedLibraryWhoseReferencesResolve) {
    const std::vector<std::vector<const char*>> selections = {
        {}, {"N4"}, {"N9"}, {"N5", "N9"}, {"N9", "N4", "N5"}, {"N4", "N4"},
    };
    for (const char* twoLanguages : {"yes", "false"}) {
        EpfProject project;
        project.setOption("STD_OPTION", "TwoLanguages", twoLanguages);
        project.open();
        for (const auto& selection : selections) {
            ProcessItemListe list;
            std::string context = std::string("two languages ") + twoLanguages + ", selection";
            for (const char* uid : selection) {
                list.append(project.item(uid));
                context += std::string(" ") + uid;
            }
            project.manager->exportXMLforEPF(&list, "");
            list.removeAll();
            EXPECT_EQ(project.lastMessage(), kSuccess) << context;
            expectSound(project.check(), context);
        }
    }
}

TEST(EpfExportTest, TheCustomCategoriesOfADomainsDisciplinesComeLastMetFirst) {
    EpfProject project;
    project.open();
    project.exportLibrary({"N4"});
    const std::string library = project.library();
    std::vector<size_t> positions;
    for (const char* text :
         {"id=\"CG_PAN9\"", "id=\"GUIDN9\"", "id=\"CG_PAN5\"", "id=\"GUIDN5\"", "id=\"VWPN4\"",
          "id=\"GUIDN4\"", "id=\"CG_DN4\"", "<CategorizedElement>CG_PAN5</CategorizedElement>",
          "<CategorizedElement>CG_PAN9</CategorizedElement>", " </ContentCategory>\r\n</MethodPackage>"}) {
        positions.push_back(library.find(text));
        EXPECT_NE(positions.back(), std::string::npos) << text;
    }
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
}

TEST(EpfExportTest, ADisciplineMetInsideAnotherOfTheSameNameClosesItsPackageFirst) {
    EpfProject project;
    project.open();
    project.item("N9")->setDiscipline("Design");
    project.exportLibrary({"N4"});
    expectSound(project.check(), "two disciplines of one name");
    const std::string library = project.library();
    for (const char* id : {"id=\"CPN5\"", "id=\"CP_WPR_N5\"", "id=\"CPN9\"", "id=\"CP_WPR_N9\""})
        EXPECT_EQ(count(library, id), 1u) << id;
}

TEST(EpfExportTest, PluginFoldersStayInsideTheExportFolderWhateverTheName) {
    EpfProject project;
    project.open();
    project.item("N4")->setNameL2("../../../../outside");
    project.item("N9")->setNameL2("a/b");
    const auto before = project.dir.entries();
    project.exportLibrary({"N4", "N9"});
    for (const std::string& entry : project.dir.entries()) {
        if (!before.count(entry)) {
            EXPECT_EQ(entry.rfind(project.dir / "proj/tmp/", 0), 0u) << entry;
        }
    }
    EXPECT_TRUE(
        project.exists("tmp/EPFexport/.._.._.._.._outside - main/guidances/guidelines/resources/top.gif"));
    EXPECT_TRUE(
        project.exists("tmp/EPFexport/a_b - work products and roles/workproducts/resources/doc2.gif"));
    // The names themselves are kept, escaped, in the library.
    EXPECT_NE(project.library().find("name=\"../../../../outside - main\""), std::string::npos);
    expectSound(project.check(), "hostile names");
}

TEST(EpfExportTest, NamesWithMarkupAreEscapedEverywhere) {
    EpfProject project;
    project.open();
    project.item("N19")->setNameL2("Deliver \"now\" & <later>");
    project.item("N30")->setNameL2("A<B & C");
    project.item("N4")->setNameL2("R&D \"x\"");
    project.item("N21")->setNameL2("Design ]]> it");
    project.exportLibrary({"N4"});
    expectSound(project.check(), "markup names");
    const std::string library = project.library();
    EXPECT_NE(library.find("name=\"SM_Deliver &quot;now&quot; &amp; &lt;later&gt;_N19\""), std::string::npos);
    EXPECT_NE(library.find("name=\"SM_A&lt;B &amp; C_N30\""), std::string::npos);
    EXPECT_NE(library.find("name=\"R&amp;D &quot;x&quot; - main\""), std::string::npos);
}

TEST(EpfExportTest, ControlCharactersInStoredTextsLoseNothingAroundThem) {
    // Control characters are no XML: they are left out, and the text around
    // them, and every element after them, stays whole.
    EpfProject project;
    project.open();
    project.item("N10")->getItemWorkProduct()->m_templateName[0][0] = "plan\x02\x03.doc";
    *project.item("N21")->getItemActivity()->getOwnSteps(0)->at(1) = "#1 Sketch\x02 the\x03 architecture";
    project.exportLibrary({"N4"});
    expectSound(project.check(), "control characters");
    const std::string library = project.library();
    EXPECT_NE(library.find("<Attachment>resources/N10_plan.doc</Attachment>"), std::string::npos);
    EXPECT_NE(library.find("* Sketch the architecture"), std::string::npos);
    for (const char* id :
         {"id=\"TL1F1_N10\"", "id=\"N10\"", "id=\"N21\"", "<Template>TL1F1_N10</Template>", "id=\"P-N21\""})
        EXPECT_EQ(count(library, id), 1u) << id;
}

TEST(EpfExportTest, TheDeclaredEncodingIsTheOneOfTheBytes) {
    EpfProject project;
    project.setOption("STD_OPTION", "Charset", nullptr);
    project.open();
    project.exportLibrary({});
    EXPECT_TRUE(project.library().starts_with("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"));
    expectSound(project.check(), "iso-8859-1");

    // A euro sign, which ISO-8859-1 has not: the file becomes UTF-8 and says so.
    project.write("site/Roles/Architect/RoleDescription.txt", "Costs 5 \x80.\r\n");
    project.exportLibrary({});
    const std::string library = project.library();
    EXPECT_TRUE(library.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    EXPECT_NE(library.find("Costs 5 \xE2\x82\xAC."), std::string::npos);
    expectSound(project.check(), "UTF-8");
}

TEST(EpfExportTest, ALibraryThatCannotBeWrittenFailsTheExportWithAMessage) {
    EpfProject project;
    project.open();
    std::filesystem::create_directories(project.path("tmp/EPFexport/exportForEPF.xml"));
    project.exportLibrary({"N4"});
    ASSERT_FALSE(project.ui.messages.empty());
    EXPECT_NE(project.lastMessage().find("exportForEPF.xml creation failed."), std::string::npos)
        << project.lastMessage();
    for (const auto& message : project.ui.messages)
        EXPECT_NE(message.text, kSuccess);
}

TEST(EpfExportTest, WarningsNameTheGeneralProcedureLinksThatAreNoProcedureAndTheReferencesLeftOut) {
    // Exported alone, the generic pair's tasks and roles refer to the work
    // products of the domain, which no plug-in holds: each reference left
    // out is told on a line of its own.
    EpfProject project;
    project.open();
    project.exportLibrary({});
    const std::vector<std::pair<const char*, const char*>> leftOut = {
        {"Output reference to 'Design model' (N6)", "Task 'Design the system' (N21)"},
        {"Output reference to 'Interface description' (N8)", "Task 'Design the system' (N21)"},
        {"MandatoryInput reference to 'Test plan' (N10)", "Task 'Design the system' (N21)"},
        {"Output reference to 'Test plan' (N10)", "Task 'Write the test plan' (N23)"},
        {"MandatoryInput reference to 'Test plan' (N10)", "Task 'Review the plan' (N26)"},
        {"Output reference to 'Test report' (N11)", "Task 'Run the tests' (N24)"},
        {"MandatoryInput reference to 'Test plan' (N10)", "Task 'Run the tests' (N24)"},
        {"Output reference to 'Design model' (N6)", "Task 'Q&A session' (N31)"},
        {"MandatoryInput reference to 'Test report' (N11)", "Task 'Q&A session' (N31)"},
        {"ResponsibleFor reference to 'Design model' (N6)", "Role 'Architect' (N2)"},
        {"ResponsibleFor reference to 'Interface description' (N8)", "Role 'Architect' (N2)"},
        {"ResponsibleFor reference to 'Design model' (N6)", "Role 'Tester' (N3)"},
        {"ResponsibleFor reference to 'Test plan' (N10)", "Role 'Tester' (N3)"},
        {"ResponsibleFor reference to 'Test report' (N11)", "Role 'Tester' (N3)"},
    };
    std::string warnings = "* Not imported: Write the test plan link to Design the system as guideline\r\n";
    for (const auto& [reference, owner] : leftOut)
        warnings += std::string("* Not exported: ") + reference + " in " + owner +
                    ": it is in no exported plug-in\r\n";
    EXPECT_EQ(project.read("tmp/EPFexport/exportForEPF_warning.txt"), warnings);
    // A second run replaces both files and keeps the resources of the first.
    project.exportLibrary({"N4"});
    EXPECT_EQ(project.read("tmp/EPFexport/exportForEPF_warning.txt"),
              "* Not imported: Write the test plan link to Design the system as guideline\r\n");
    EXPECT_TRUE(
        project.exists("tmp/EPFexport/Generic - main/guidances/supportingmaterials/resources/N19_wf.png"));
}

TEST(EpfExportTest, APluginsFoldersCarryTheNameItsElementHas) {
    // The importing tool finds a plug-in's files in the folder of the
    // plug-in's name as it reads it from the library: accents, blanks and
    // markup characters stay, only what a file name cannot hold is replaced.
    struct NameCase {
        const char* name;   // the domain's second-language name
        const char* xml;    // the main plug-in's name in the library
        const char* folder; // its folder, as the disk names it
    };
    const NameCase cases[] = {
        {"G\xE9nie logiciel", "G\xE9nie logiciel - main", "G\xC3\xA9nie logiciel - main"},
        {"R&D <x> \"y\"", "R&amp;D &lt;x&gt; &quot;y&quot; - main", "R&D _x_ _y_ - main"},
        {"a/b\\c:d*e?f|g", "a/b\\c:d*e?f|g - main", "a_b_c_d_e_f_g - main"},
    };
    for (const auto& c : cases) {
        EpfProject project;
        project.open();
        project.item("N4")->setNameL2(c.name);
        project.exportLibrary({"N4"});
        EXPECT_NE(project.library().find(std::string("name=\"") + c.xml + "\""), std::string::npos) << c.name;
        EXPECT_TRUE(project.exists(std::string("tmp/EPFexport/") + c.folder +
                                   "/guidances/guidelines/resources/top.gif"))
            << c.name;
        expectSound(project.check(), c.name);
    }
}

TEST(EpfExportTest, PluginsWhoseNamesGiveTheSameFolderEachKeepTheirOwnFiles) {
    // N5 and N9 take these second-language names; the generic pair comes
    // last. Each plug-in lays its files in the folder listed here, so the
    // template file name both work products share is copied twice.
    struct FolderCase {
        const char* first;
        const char* second;
        std::vector<std::string> folders; // N5, N9, generic
    };
    const FolderCase cases[] = {
        {"R:D", "R?D", {"R_D", "R_D (2)", "Generic"}},
        {"", "", {"Empty translation", "Empty translation (2)", "Generic"}},
        {"Generic", "generic", {"Generic", "generic (2)", "Generic (3)"}},
        {"Design", "Test", {"Design", "Test", "Generic"}},
        // A name is its own folder before any other's numbered one.
        {"Test", "Test (2)", {"Test", "Test (2)", "Generic"}},
        {"Generic (2)", "Generic", {"Generic (2)", "Generic", "Generic (3)"}},
    };
    const std::regex shapeicon("shapeicon=\"([^\"]*)\"");
    for (const FolderCase& c : cases) {
        const std::string context = std::string("names '") + c.first + "' and '" + c.second + "'";
        EpfProject project;
        project.open();
        project.item("N5")->setNameL2(c.first);
        project.item("N9")->setNameL2(c.second);
        project.write("site/Engineering/Design/Design_model/test-plan.doc", "the design's template");
        project.item("N6")->getItemWorkProduct()->m_templateName[0][0] = "test-plan.doc";
        project.write("site/Engineering/Test/Test_plan/plan.gif", "GIF89a");
        project.exportLibrary({"N5", "N9"});
        EXPECT_EQ(project.lastMessage(), kSuccess) << context;
        expectSound(project.check(), context);

        const std::string root = "tmp/EPFexport/";
        const std::string templates = " - work products and roles/guidances/templates/resources/";
        EXPECT_EQ(project.read(root + c.folders[0] + templates + "N6_test-plan.doc"), "the design's template")
            << context;
        EXPECT_EQ(project.read(root + c.folders[1] + templates + "N10_test-plan.doc"),
                  project.read("site/Engineering/Test/Test_plan/test-plan.doc"))
            << context;
        EXPECT_TRUE(
            project.exists(root + c.folders[1] +
                           " - work products and roles/guidances/examples/resources/N10_plan-example.doc"))
            << context;
        EXPECT_TRUE(
            project.exists(root + c.folders[2] + " - main/guidances/whitepapers/resources/N41_rules.pdf"))
            << context;
        for (const std::string& folder : c.folders)
            EXPECT_TRUE(project.exists(root + folder + " - main/guidances/guidelines/resources/top.gif"))
                << context << ": " << folder;

        // Each work product's icon is the one in its own plug-in's folder, and is there.
        const std::string library = project.library();
        std::vector<std::string> icons;
        for (auto it = std::sregex_iterator(library.begin(), library.end(), shapeicon);
             it != std::sregex_iterator(); ++it) {
            icons.push_back((*it)[1]);
            EXPECT_TRUE(project.exists(root + icons.back())) << context << ": " << icons.back();
        }
        const std::tuple<const char*, std::string, const char*> owners[] = {
            {"N6", c.folders[0], "doc2.gif"}, {"N10", c.folders[1], "N10_plan.gif"}};
        for (const auto& [uid, folder, file] : owners) {
            const std::string element = "id=\"" + std::string(uid) + "\"";
            const size_t at = library.find(element);
            ASSERT_NE(at, std::string::npos) << context << ": " << uid;
            std::smatch icon;
            const std::string tag = library.substr(at, library.find('>', at) - at);
            ASSERT_TRUE(std::regex_search(tag, icon, shapeicon)) << context << ": " << uid;
            EXPECT_EQ(icon[1].str(), folder + " - work products and roles/workproducts/resources/" + file)
                << context << ": " << uid;
        }
        EXPECT_FALSE(icons.empty()) << context;
    }
}

TEST(EpfExportTest, DocumentsOfOneNameInAPluginEachKeepTheirOwnCopy) {
    // Two work products of one plug-in name a template, an example and a
    // picture alike: each copy is named after its item, and each element
    // attaches its own.
    EpfProject project;
    project.open();
    const std::pair<const char*, const char*> products[] = {{"N6", "site/Engineering/Design/Design_model/"},
                                                            {"N10", "site/Engineering/Test/Test_plan/"}};
    for (const auto& [uid, folder] : products) {
        ItemWorkProduct* product = project.item(uid)->getItemWorkProduct();
        product->m_templateName[0][0] = "shared.doc";
        product->m_exampleName[0][0] = "./ar/example.doc";
        product->m_image = "icon.gif";
        project.write(std::string(folder) + "shared.doc", std::string("template of ") + uid);
        project.write(std::string(folder) + "ar/example.doc", std::string("example of ") + uid);
        project.write(std::string(folder) + "icon.gif", std::string("icon of ") + uid);
    }
    project.exportLibrary({"N4"});
    expectSound(project.check(), "documents of one name");
    const std::string library = project.library();
    const std::string companion = "tmp/EPFexport/Ing\xC3\xA9nierie - work products and roles/";
    for (const auto& [uid, folder] : products) {
        const std::string prefix = std::string(uid) + "_";
        EXPECT_NE(library.find("<Attachment>resources/" + prefix + "shared.doc</Attachment>"),
                  std::string::npos)
            << uid;
        EXPECT_NE(library.find("<Attachment>resources/" + prefix + "example.doc</Attachment>"),
                  std::string::npos)
            << uid;
        EXPECT_NE(library.find("shapeicon=\"Ing\xE9nierie - work products and roles/workproducts/resources/" +
                               prefix + "icon.gif\""),
                  std::string::npos)
            << uid;
        EXPECT_EQ(project.read(companion + "guidances/templates/resources/" + prefix + "shared.doc"),
                  std::string("template of ") + uid);
        EXPECT_EQ(project.read(companion + "guidances/examples/resources/" + prefix + "example.doc"),
                  std::string("example of ") + uid);
        EXPECT_EQ(project.read(companion + "workproducts/resources/" + prefix + "icon.gif"),
                  std::string("icon of ") + uid);
    }
}

TEST(EpfExportTest, AProcedureLinkShowsItsNameAsTextOfTheLink) {
    EpfProject project;
    std::string tree = project.read("tolvane/MenuTreeV2.dat");
    const size_t at = tree.find("*Coding rules*");
    ASSERT_NE(at, std::string::npos);
    tree.replace(at, 14, "*Coding <rules> & co*");
    project.write("tolvane/MenuTreeV2.dat", tree);
    project.write("site/Procedures/Coding_rules/process.data",
                  "[PROCESSUS]\r\nClass=GENERALPROCEDURE\r\nProcedure=http://example.org/rules.pdf\r\n");
    project.open();
    project.exportLibrary({"N4", "N9"});
    const std::string library = project.library();
    EXPECT_NE(library.find("<Attachment><![CDATA[<a href=\"http://example.org/rules.pdf\">"
                           "Coding &lt;rules&gt; &amp; co</a>]]></Attachment>"),
              std::string::npos)
        << library;
    EXPECT_EQ(library.find("<rules>"), std::string::npos);
    expectSound(project.check(), "link");
}
