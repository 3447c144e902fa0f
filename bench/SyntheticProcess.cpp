#include "SyntheticProcess.h"

#include "FolderListingCache.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A picture of one white pixel: the pages only need the diagram's picture to be there.
const unsigned char kPicture[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
    0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00,
    0x00, 0x90, 0x77, 0x53, 0xde, 0x00, 0x00, 0x00, 0x0c, 0x49, 0x44, 0x41, 0x54, 0x78,
    0x9c, 0x63, 0xf8, 0xff, 0xff, 0x3f, 0x00, 0x05, 0xfe, 0x02, 0xfe, 0x0d, 0xef, 0x46,
    0xb8, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82,
};

std::string onePixelPicture() {
    return std::string(reinterpret_cast<const char*>(kPicture), sizeof kPicture);
}

std::string page(const std::string& name) {
    return "<html>\r\n<head>\r\n<title>" + name +
           "</title>\r\n<link rel=\"stylesheet\" href=\"../../../css/project.css\">\r\n"
           "</head>\r\n<body>\r\n<h1>" +
           name + "</h1>\r\n<p>insert text here</p>\r\n</body>\r\n</html>\r\n";
}

} // namespace

void buildSyntheticProcess(const fs::path& root, long items, bool withPages) {
    writeFile(
        root / "site.tvx",
        "[APPLICATION_KIND]\r\nTolvane=yes\r\n[STD_OPTION]\r\nDataVersion=v2.4.5\r\n"
        "TwoLanguages=yes\r\nJavaScriptTreeview=yes\r\nGenerationLang=EN\r\n"
        "GenerationLang2=FR\r\n[PROCESS_OPTION]\r\nGenerateHeader=yes\r\n"
        "GenerateTemplateAccessByMA=yes\r\nGenerateActivities=yes\r\nGenerateRole=yes\r\n"
        "GenerateRoleGroup=yes\r\nGenerateActivitiesOnRoleGroup=yes\r\nGenerateMacroActivities=yes\r\n"
        "GenerateActivitySchemaFlag=yes\r\nRP_Desc=yes\r\nMAP_Desc=yes\r\nAP_Desc=yes\r\n"
        "AP_IWP=yes\r\nAP_OWP=yes\r\nAP_Roles=yes\r\nAP_Steps=yes\r\nWPP_Desc=yes\r\nGP_Desc=yes\r\n"
        "GenerateActivitiesByRoleByMA=yes\r\nGenerateGenericProcedure=yes\r\nGenerateMeasure=yes\r\n"
        "GenerateWorkProduct=yes\r\nGenerateWPOverview=yes\r\nView_WPO_Author=yes\r\n"
        "View_WPO_Traceability=yes\r\nView_WPO_Naming_Rules=yes\r\n"
        "GenerateActivityAccessByStateByMA=yes\r\nGenerateProcessOverview=yes\r\nSynthesisOnWPGroup=yes\r\n"
        "GenerateBanner=yes\r\nGenerateWBSNumber=yes\r\n"
        "[PROCESSUS]\r\nROLE_RESPONSIBILITY=performer,assistant\r\n");
    const long terms = 50;
    const long roles = items / 6 + 1;
    const long products = items / 6 + 1;
    // The domain of the products with their overview, its two disciplines
    // with the group of their products and their template pages, the page
    // of all templates, a procedure in its group, a measure in its folder,
    // the workflow with its overview, the glossary, the site map and the
    // roles' group; every tenth product has a quality criterion; the
    // activities come in macro-activities of a hundred.
    const long fixed = 18;
    const long criteria = (products + 9) / 10;
    const long activities = (items - roles - 2 * products - criteria - terms - fixed) * 100 / 101;
    std::string tree;
    auto record = [&](int level, const std::string& uid, const std::string& name, const std::string& folder,
                      const char* frame = "f", const std::string& shortcutTo = " ") {
        tree += "\r\n" + std::to_string(level) + "*" + uid + "*" + name + "*../site/" + folder +
                "/overview.htm* *i.gif*o.gif*" + frame + "*true*false*" + name + " FR*" + shortcutTo + "*";
        if (withPages && shortcutTo == " ") {
            // An item shown in frames has its text on its content page.
            const bool framed = std::string(frame) == "t";
            writeFile(root / "site" / folder / (framed ? "content.htm" : "overview.htm"), page(name));
            writeFile(root / "site" / folder / (framed ? "contentL2.htm" : "overviewL2.htm"),
                      page(name + " FR"));
        }
    };
    // The roles' group shows a role map of its first hundred roles.
    record(0, "N1", "Roles", "Roles");
    writeFile(root / "site/Roles/process.data", "[PROCESSUS]\r\nClass=ROLEGROUP\r\n");
    std::string roleMap;
    for (long r = 0; r < roles; ++r) {
        const std::string name = "Role" + std::to_string(r);
        record(1, "NR" + std::to_string(r), name, "Roles/" + name);
        writeFile(root / "site/Roles" / name / "process.data", "[PROCESSUS]\r\nClass=PROCESSROLE\r\n");
        if (withPages)
            writeFile(root / "site/Roles" / name / "RoleDescription.txt",
                      "Does the work of " + name + ".\r\n");
        if (r < 100)
            roleMap += "NR" + std::to_string(r) + ";" + std::to_string(r * 10) + ";0;" +
                       std::to_string(r * 10 + 9) + ";20\r\n";
    }
    if (withPages) {
        writeFile(root / "site/Roles/map.data", roleMap);
        writeFile(root / "site/Roles/roles.png", onePixelPicture());
    }
    record(0, "N2", "Products", "Products");
    writeFile(root / "site/Products/process.data", "[PROCESSUS]\r\nClass=DOMAIN\r\n");
    record(1, "NO", "Overview", "Products/Overview");
    writeFile(root / "site/Products/Overview/process.data", "[PROCESSUS]\r\nClass=WORKPRODUCTOVERVIEW\r\n");
    for (long p = 0; p < products; ++p) {
        // Half the products in each discipline, each discipline closed by its template page.
        const std::string discipline = p < products / 2 ? "Design" : "Test";
        if (p == 0 || p == products / 2) {
            record(1, "N" + discipline, discipline, "Products/" + discipline);
            writeFile(root / "site/Products" / discipline / "process.data",
                      "[PROCESSUS]\r\nClass=DISCIPLINE\r\n");
            record(2, "NW" + discipline, discipline + " products", "Products/" + discipline + "/Group");
            writeFile(root / "site/Products" / discipline / "Group/process.data",
                      "[PROCESSUS]\r\nClass=WORKPRODUCTGROUP\r\n");
        }
        const std::string name = "Product" + std::to_string(p);
        const std::string folder = "Products/" + discipline + "/Group/" + name;
        record(3, "NP" + std::to_string(p), name, folder);
        // Every third product has a template, every fifth an example; the
        // products derive from each other in pairs (a cycle of two), each
        // implements the requirements of the next; every twentieth keeps an
        // example library.
        writeFile(root / "site" / folder / "process.data",
                  "[PROCESSUS]\r\nClass=WORKPRODUCT\r\nAuthor=~nr" + std::to_string(p % roles) +
                      "/author,~nr" + std::to_string((p + 1) % roles) + "/reviewed by\r\n" +
                      (p % 3 == 0 ? "TemplateNameL1F1=template.doc\r\n" : "") +
                      (p % 5 == 0 ? "ExampleNameL1F1=example.doc\r\n" : "") +
                      "Derived=yes\r\nDerivedFrom=NP" +
                      std::to_string(p % 2 == 0 ? (p + 1) % products : p - 1) + "\r\ntraceabilityLinks=NP" +
                      std::to_string((p + 1) % products) + "\r\nisARequirementToImplement=true\r\n");
        if (withPages) {
            writeFile(root / "site" / folder / "ArtefactDescription.txt", "What " + name + " holds.\r\n");
            if (p % 20 == 0)
                writeFile(root / "site" / folder / "ar/report.doc", "x");
        }
        record(4, "NS" + std::to_string(p), "Done", folder + "/Done");
        writeFile(root / "site" / folder / "Done/process.data", "[PROCESSUS]\r\nClass=WORKPRODUCTSTATE\r\n");
        if (p % 10 == 0) {
            record(4, "NQ" + std::to_string(p), "Complete", folder + "/Complete");
            writeFile(root / "site" / folder / "Complete/process.data",
                      "[PROCESSUS]\r\nClass=QUALITYCRITERIA\r\n");
            if (withPages)
                writeFile(root / "site" / folder / "Complete/description.txt", "Nothing is missing.\r\n");
        }
        if (p + 1 == products / 2 || p + 1 == products) {
            record(2, "NT" + discipline, discipline + " templates", "Products/" + discipline + "/Templates");
            writeFile(root / "site/Products" / discipline / "Templates/process.data",
                      "[PROCESSUS]\r\nClass=TEMPLATEACCESS\r\n");
        }
    }
    record(0, "N5", "All templates", "Templates");
    writeFile(root / "site/Templates/process.data", "[PROCESSUS]\r\nClass=TEMPLATEACCESS\r\n");
    record(0, "N6", "Procedures", "Procedures");
    writeFile(root / "site/Procedures/process.data", "[PROCESSUS]\r\nClass=GENERALPROCEDUREGROUP\r\n");
    record(1, "N7", "Review", "Procedures/Review");
    writeFile(root / "site/Procedures/Review/process.data",
              "[PROCESSUS]\r\nClass=GENERALPROCEDURE\r\nProcedure=review.htm\r\n");
    // The measure has the data of one project per hundred items.
    record(0, "N8", "Measures", "Measures");
    writeFile(root / "site/Measures/process.data", "[PROCESSUS]\r\nClass=NOPROCESSCLASS\r\n");
    record(1, "N9", "Effort", "Measures/Effort");
    writeFile(root / "site/Measures/Effort/process.data",
              "[PROCESSUS]\r\nClass=MEASURE\r\nCalculateAverage=yes\r\nCalculateMedian=yes\r\n"
              "CalculateStandardDeviation=yes\r\n");
    for (long d = 0; withPages && d < items / 100; ++d)
        writeFile(root / "site/Measures/Effort/am" / ("Project" + std::to_string(d) + ".dat"),
                  "[DATA]\r\nProjectName=Project" + std::to_string(d) +
                      "\r\nValue=" + std::to_string(d % 37) + "\r\n");
    record(0, "N3", "Process", "Process", "t");
    writeFile(root / "site/Process/process.data", "[PROCESSUS]\r\nClass=WORKFLOW\r\n");
    for (long a = 0; a < activities; ++a) {
        const std::string macro = "Phase" + std::to_string(a / 100);
        if (a % 100 == 0) {
            // Each macro-activity's page is made whole from its diagram,
            // whose areas are its activities.
            record(1, "NM" + std::to_string(a / 100), macro, "Process/" + macro);
            writeFile(root / "site/Process" / macro / "process.data",
                      "[PROCESSUS]\r\nClass=MACROACTIVITY\r\nfullyGenerated=yes\r\n");
            if (withPages) {
                std::string areas;
                for (long b = a; b < a + 100 && b < activities; ++b)
                    areas += "NA" + std::to_string(b) + ";" + std::to_string((b - a) * 20) + ";0;" +
                             std::to_string((b - a) * 20 + 19) + ";40\r\n";
                writeFile(root / "site/Process" / macro / "map.data", areas);
                for (const char* picture : {"wf.png", "wfL2.png"})
                    writeFile(root / "site/Process" / macro / picture, onePixelPicture());
            }
            // A shortcut to the first activity of the previous phase.
            if (a > 0)
                record(2, "NC" + std::to_string(a / 100), "-> Activity" + std::to_string(a - 100),
                       "Process/Phase" + std::to_string(a / 100 - 1) + "/Activity" + std::to_string(a - 100),
                       "f", "NA" + std::to_string(a - 100));
        }
        const std::string name = "Activity" + std::to_string(a);
        const std::string folder = "Process/" + macro + "/" + name;
        // Every tenth activity is shown in frames.
        record(2, "NA" + std::to_string(a), name, folder, a % 10 == 0 ? "t" : "f");
        const long in = a % products, out = (a + 1) % products;
        writeFile(root / "site" / folder / "process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nRoles=~nr" + std::to_string(a % roles) +
                      "/performer,~nr" + std::to_string((a + 7) % roles) +
                      "/assistant\r\nInWorkProducts=~np" + std::to_string(in) + "/ns" + std::to_string(in) +
                      "/1\r\nOutWorkProducts=~np" + std::to_string(out) +
                      "//1\r\nStep=Prepare,Do the work,Check the result\r\n" +
                      (a % 10 == 0 ? "GProc=N7\r\nMeasures=N7\r\n" : "") +
                      // Half the activities approved, a quarter awaiting approval.
                      (a % 2 == 0   ? "State=APPROVED\r\n"
                       : a % 4 == 1 ? "State=FOR_APPROVAL\r\n"
                                    : ""));
        if (withPages)
            writeFile(root / "site" / folder / "ActivityDescription.txt",
                      "The activity uses a Term3 and a Term17 and then [@NA" +
                          std::to_string((a + 1) % activities) + "].\r\nSecond line of the description.\r\n");
    }
    record(0, "N4", "Glossary", "Glossary");
    writeFile(root / "site/Glossary/process.data", "[PROCESSUS]\r\nClass=GLOSSARY\r\n");
    for (long t = 0; t < terms; ++t) {
        const std::string name = "Term" + std::to_string(t);
        record(1, "NG" + std::to_string(t), name, "Glossary/" + name);
        writeFile(root / "site/Glossary" / name / "process.data", "[PROCESSUS]\r\nClass=GLOSSARYENTRY\r\n");
        writeFile(root / "site/Glossary" / name / "GADescription.txt", "What " + name + " means.\r\n");
    }
    // The outline of the workflow, the map of the site and its banner.
    record(0, "N10", "Overview", "Overview");
    writeFile(root / "site/Overview/process.data",
              "[PROCESSUS]\r\nClass=PROCESSOVERVIEW\r\nTargetWorkflow=../site/Process/overview.htm\r\n");
    record(0, "N11", "Site map", "Site_map");
    writeFile(root / "site/Site_map/process.data", "[PROCESSUS]\r\nClass=SITEMAP\r\n");
    if (withPages) {
        writeFile(root / "site/Home/banner.data",
                  "N3;0;0;99;20\r\nN4;100;0;199;20\r\n ;200;0;299;20; ;"
                  "ShowTip(Text[0]);HideTip(event);return hideTreeview(); \r\n");
        for (const char* picture : {"banner.png", "bannerL2.png"})
            writeFile(root / "site/Home" / picture, onePixelPicture());
    }
    writeFile(root / "tolvane/MenuTreeV2.dat", tree);
    if (withPages) {
        fs::create_directories(root / "applet");
        writeFile(root / "css/project.css", "body { font-family: sans-serif; }\r\n");
    }
}

SyntheticRun::SyntheticRun(int argc, char** argv, std::vector<long> defaultSizes) {
    for (int i = 1; i < argc; ++i)
        m_sizes.push_back(std::atol(argv[i]));
    if (m_sizes.empty())
        m_sizes = std::move(defaultSizes);
    ui::install(&m_quiet);
    std::string base = (fs::temp_directory_path() / "tolvane-bench-XXXXXX").string();
    if (!mkdtemp(base.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_base = base;
}

SyntheticRun::~SyntheticRun() {
    ui::install(nullptr);
    fs::remove_all(m_base);
}

void SyntheticRun::useQuietOpener() {
    const fs::path bin = m_base / "bin";
    fs::create_directories(bin);
    std::ofstream(bin / "xdg-open") << "#!/bin/sh\nexit 0\n";
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    const char* path = std::getenv("PATH");
    setenv("PATH", (bin.string() + ":" + (path ? path : "")).c_str(), 1);
}

std::unique_ptr<ProcessManager> SyntheticRun::openProcess(const fs::path& root, long items, bool withPages) {
    buildSyntheticProcess(root, items, withPages);
    platform::clearProfileCache();
    FolderListingCache::instance().clear();
    return std::make_unique<ProcessManager>((root / "site.tvx").string().c_str(), nullptr, 0, 0);
}
