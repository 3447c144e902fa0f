#include "SyntheticProcess.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <utility>
#include <string>

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string page(const std::string& name) {
    return "<html>\r\n<head>\r\n<title>" + name +
           "</title>\r\n<link rel=\"stylesheet\" href=\"../../../css/project.css\">\r\n"
           "</head>\r\n<body>\r\n<h1>" +
           name + "</h1>\r\n<p>insert text here</p>\r\n</body>\r\n</html>\r\n";
}

} // namespace

void buildSyntheticProcess(const fs::path& root, long items, bool withPages) {
    writeFile(root / "site.tvx",
              "[APPLICATION_KIND]\r\nTolvane=yes\r\n[STD_OPTION]\r\nDataVersion=v2.4.5\r\n"
              "TwoLanguages=yes\r\nJavaScriptTreeview=yes\r\nGenerationLang=EN\r\n"
              "GenerationLang2=FR\r\n[PROCESS_OPTION]\r\nGenerateHeader=yes\r\nAP_Desc=yes\r\n"
              "AP_IWP=yes\r\nAP_OWP=yes\r\nAP_Roles=yes\r\nAP_Steps=yes\r\nMAP_Desc=yes\r\nMAP_outWP=yes\r\n"
              "MAP_childrenActivities=yes\r\n"
              "[PROCESSUS]\r\nROLE_RESPONSIBILITY=performer,assistant\r\n");
    const long terms = 50;
    const long roles = items / 6 + 1;
    const long products = items / 6 + 1;
    const long activities = items - roles - 2 * products - terms - 4;
    std::string tree;
    auto record = [&](int level, const std::string& uid, const std::string& name, const std::string& folder,
                      const char* frame = "f") {
        tree += "\r\n" + std::to_string(level) + "*" + uid + "*" + name + "*../site/" + folder +
                "/overview.htm* *i.gif*o.gif*" + frame + "*true*false*" + name + " FR* *";
        if (withPages) {
            writeFile(root / "site" / folder / "overview.htm", page(name));
            writeFile(root / "site" / folder / "overviewL2.htm", page(name + " FR"));
        }
    };
    record(0, "N1", "Roles", "Roles");
    for (long r = 0; r < roles; ++r) {
        const std::string name = "Role" + std::to_string(r);
        record(1, "NR" + std::to_string(r), name, "Roles/" + name);
        writeFile(root / "site/Roles" / name / "process.data", "[PROCESSUS]\r\nClass=PROCESSROLE\r\n");
    }
    record(0, "N2", "Products", "Products");
    for (long p = 0; p < products; ++p) {
        const std::string name = "Product" + std::to_string(p);
        record(1, "NP" + std::to_string(p), name, "Products/" + name);
        writeFile(root / "site/Products" / name / "process.data",
                  "[PROCESSUS]\r\nClass=WORKPRODUCT\r\nAuthor=~nr" + std::to_string(p % roles) +
                      "/author\r\n");
        record(2, "NS" + std::to_string(p), "Done", "Products/" + name + "/Done");
        writeFile(root / "site/Products" / name / "Done/process.data",
                  "[PROCESSUS]\r\nClass=WORKPRODUCTSTATE\r\n");
    }
    // The activities sit in stages (macro-activities) of twenty, the stages
    // in phases of five hundred activities, all under one workflow; each
    // stage after the first begins with a shortcut to the first activity of
    // the stage before. Every popup of a phase, a stage or the workflow
    // walks the subtree below it.
    record(0, "N3", "Process", "Process", "t");
    writeFile(root / "site/Process/process.data", "[PROCESSUS]\r\nClass=WORKFLOW\r\n");
    long emitted = 0;
    for (long a = 0; emitted < activities; ++a) {
        const std::string name = "Activity" + std::to_string(a);
        if (a % 500 == 0) {
            const std::string phase = "Phase" + std::to_string(a / 500);
            record(1, "NH" + std::to_string(a / 500), phase, "Process/" + phase);
            writeFile(root / "site/Process" / phase / "process.data", "[PROCESSUS]\r\nClass=PHASE\r\n");
            ++emitted;
        }
        if (a % 20 == 0) {
            const std::string stage = "Stage" + std::to_string(a / 20);
            record(2, "NM" + std::to_string(a / 20), stage, "Process/" + stage);
            writeFile(root / "site/Process" / stage / "process.data",
                      "[PROCESSUS]\r\nClass=MACROACTIVITY\r\n");
            ++emitted;
            if (a >= 20) {
                const std::string target = "Activity" + std::to_string(a - 20);
                tree += "\r\n3*NC" + std::to_string(a / 20) + "*-> " + target + "*../site/Process/" + target +
                        "/overview.htm* *i.gif*o.gif*f*true*false*-> " + target + " FR*NA" +
                        std::to_string(a - 20) + "*";
                ++emitted;
            }
        }
        // Every tenth activity is shown in frames.
        record(3, "NA" + std::to_string(a), name, "Process/" + name, a % 10 == 0 ? "t" : "f");
        ++emitted;
        const long in = a % products, out = (a + 1) % products;
        writeFile(root / "site/Process" / name / "process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nRoles=~nr" + std::to_string(a % roles) +
                      "/performer,~nr" + std::to_string((a + 7) % roles) +
                      "/assistant\r\nInWorkProducts=~np" + std::to_string(in) + "/ns" + std::to_string(in) +
                      "/1\r\nOutWorkProducts=~np" + std::to_string(out) +
                      "//1\r\nStep=Prepare,Do the work,Check the result\r\n");
        if (withPages)
            writeFile(root / "site/Process" / name / "ActivityDescription.txt",
                      "The activity uses a Term3 and a Term17 and then [@NA" +
                          std::to_string(a > 0 ? a - 1 : 0) + "].\r\nSecond line of the description.\r\n");
    }
    record(0, "N4", "Glossary", "Glossary");
    writeFile(root / "site/Glossary/process.data", "[PROCESSUS]\r\nClass=GLOSSARY\r\n");
    for (long t = 0; t < terms; ++t) {
        const std::string name = "Term" + std::to_string(t);
        record(1, "NG" + std::to_string(t), name, "Glossary/" + name);
        writeFile(root / "site/Glossary" / name / "process.data", "[PROCESSUS]\r\nClass=GLOSSARYENTRY\r\n");
        writeFile(root / "site/Glossary" / name / "GADescription.txt", "What " + name + " means.\r\n");
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
