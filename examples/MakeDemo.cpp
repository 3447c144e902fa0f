// Builds the demo project from the program data the way a user would: a new
// project from the standard site template, then items added through the
// project with their files, attributes and descriptions in two languages,
// and the site generated.
//
//   make_demo <data folder> <target folder>
//
// The target folder must not exist. Dates are fixed so that two runs give
// the same files.

#include "CString.h"
#include "CTime.h"
#include "Encoding.h"
#include "FileFinder.h"
#include "FileSystem.h"
#include "ItemActivity.h"
#include "ItemGenericProcedure.h"
#include "ItemGlossaryEntry.h"
#include "ItemMeasure.h"
#include "ItemRole.h"
#include "ItemWorkProduct.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"
#include "UserInterface.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace {

// Source texts are UTF-8; the program keeps Windows-1252.
CString text(const char* utf8) {
    return CString(encoding::utf8ToCp1252(utf8));
}

class DemoBuilder {
public:
    explicit DemoBuilder(ProcessManager& manager) : m_manager(manager) {}

    // Adds an item as last child of parent (a top item when parent is null)
    // with its class files; its uid is "N17653" + the given number.
    ProcessItem* add(const char* parentUid, const char* keyword, const char* name, const char* nameL2,
                     int number, const char* icon, const char* openIcon, int frame = 0) {
        Item* parent = parentUid ? m_manager.findItemByUid(uid(parentUid)) : nullptr;
        Item* anchor = parent;
        int mode = 2;
        if (!parent) { // a top item just above the site map, which stays last
            anchor = m_manager.findItemByUid("N17000000002");
            mode = 1;
        }
        char id[32];
        std::snprintf(id, sizeof id, "N17653%06d", number);
        auto* item = static_cast<ProcessItem*>(m_manager.addItem(
            anchor, text(name), 0, icon, openIcon, mode, "", "", 0, 1, frame, 1, text(nameL2), 0, id));
        if (!item || !m_manager.createItemFiles(item, keyword, keyword, frame))
            throw std::runtime_error(std::string("cannot add ") + name);
        m_uids[name] = id;
        return item;
    }
    CString uid(const char* name) const {
        auto found = m_uids.find(name);
        return found == m_uids.end() ? CString(name) : CString(found->second);
    }
    ProcessItem* item(const char* name) {
        return static_cast<ProcessItem*>(m_manager.findItemByUid(uid(name)));
    }
    // "~uid/text": how activities and work products name roles.
    // "Name/text" given as "~" + the named item's uid + "/" + text.
    CString reference(const char* nameAndText) const {
        const std::string text(nameAndText);
        const auto slash = text.find('/');
        return "~" + uid(text.substr(0, slash).c_str()) + "/" + text.substr(slash + 1).c_str();
    }

    // Writes both descriptions; "[@name]" becomes a reference to the item
    // added under that name.
    void describe(ProcessItem* item, const char* english, const char* french) {
        if (!item->getExtension() || item->getExtension()->getDescriptionFileName(0).IsEmpty())
            throw std::runtime_error("no description file for " + item->getName().str());
        item->getExtension()->writeDescription(withReferences(english), 0);
        item->getExtension()->writeDescription(withReferences(french), 1);
    }

private:
    CString withReferences(const char* utf8) const {
        std::string result(utf8);
        for (std::size_t at = result.find("[@"); at != std::string::npos; at = result.find("[@", at + 2)) {
            const std::size_t end = result.find(']', at);
            if (end == std::string::npos)
                break;
            const std::string name = result.substr(at + 2, end - at - 2);
            result.replace(at + 2, name.size(), uid(name.c_str()).str());
        }
        return text(result.c_str());
    }

    ProcessManager& m_manager;
    std::map<std::string, std::string> m_uids;
};

// An item with its names and descriptions in both languages.
struct Described {
    const char* name;
    const char* nameL2;
    int number;
    const char* english;
    const char* french;
};

void build(ProcessManager& manager) {
    DemoBuilder demo(manager);
    auto add = [&](const char* parent, const char* keyword, const char* name, const char* nameL2, int number,
                   const char* icon, const char* openIcon, int frame = 0) {
        return demo.add(parent, keyword, name, nameL2, number, icon, openIcon, frame);
    };

    // Roles.
    add(nullptr, "ROLE GROUP", "Roles", "Rôles", 1, "workers.gif", "workers.gif");
    const Described roleList[] = {
        {"Analyst", "Analyste", 2, "Gathers the needs of the customer and writes the requirements document.",
         "Recueille les besoins du client et rédige le cahier des exigences."},
        {"Developer", "Développeur", 3, "Designs and writes the source code from the approved requirements.",
         "Conçoit et écrit le code source à partir des exigences approuvées."},
        {"Tester", "Testeur", 4, "Checks the product against the requirements and reports the defects found.",
         "Vérifie le produit par rapport aux exigences et signale les défauts trouvés."},
        {"Quality manager", "Responsable qualité", 5,
         "Reviews the work products and follows the measures of the process.",
         "Revoit les produits de travail et suit les mesures du processus."},
    };
    for (const auto& r : roleList)
        demo.describe(add("Roles", "ROLE", r.name, r.nameL2, r.number, "worker.gif", "worker.gif"), r.english,
                      r.french);

    // Work products with their states and templates.
    add(nullptr, "WORKPRODUCT GROUP", "Work products", "Produits de travail", 10, "artfc_w.gif",
        "artfo_w.gif");
    struct {
        const char* name;
        const char* nameL2;
        int number;
        const char* type;
        const char* templateFile;
        const char* authors[2];
        const char* english;
        const char* french;
    } productList[] = {
        {"Requirements document",
         "Cahier des exigences",
         11,
         "requirements",
         "requirements.htm",
         {"Analyst/author", "Quality manager/reviewed by"},
         "States what the product must do. Each requirement is numbered and can be tested.",
         "Décrit ce que le produit doit faire. Chaque exigence est numérotée et vérifiable."},
        {"Source code",
         "Code source",
         14,
         "source code",
         "",
         {"Developer/author", nullptr},
         "The programs of the product, kept under version control.",
         "Les programmes du produit, gérés en configuration."},
        {"Test report",
         "Rapport de test",
         15,
         "report",
         "test-report.htm",
         {"Tester/author", "Quality manager/validated by"},
         "The results of the tests and the defects found.",
         "Les résultats des tests et les défauts trouvés."},
    };
    for (const auto& p : productList) {
        ProcessItem* product =
            add("Work products", "WORKPRODUCT", p.name, p.nameL2, p.number, "ar_doc.gif", "ar_doc.gif");
        demo.describe(product, p.english, p.french);
        CString authors;
        for (const char* author : p.authors) {
            if (!author)
                continue;
            authors += (authors.IsEmpty() ? "" : ",") + demo.reference(author);
        }
        product->writeValue("Author", authors);
        product->load(1);
        ItemWorkProduct* wp = product->getItemWorkProduct();
        wp->setWPType(p.type);
        if (*p.templateFile) {
            const CString archive = product->getItemFolderPath() + "ar/";
            CreateDirectoryA(archive, nullptr);
            TextOutStream out(archive + p.templateFile);
            out << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"windows-1252\">\n<title>" << text(p.name)
                << "</title>\n</head>\n<body>\n<h1>" << text(p.name)
                << "</h1>\n<h2>1. Purpose</h2>\n<p></p>\n"
                << "<h2>2. Content</h2>\n<p></p>\n</body>\n</html>\n";
            out.close();
            CString texts[16];
            texts[0] = p.templateFile; // template, first language, first format
            wp->setTemplatesAndExamples(texts);
        }
        wp->saveData();
    }
    const char* states[][5] = {{"Requirements document", "Draft", "Brouillon",
                                "Being written; may still change.",
                                "En cours de rédaction ; peut encore changer."},
                               {"Requirements document", "Approved", "Approuvée",
                                "Reviewed and approved; changes need a new review.",
                                "Revue et approuvée ; tout changement demande une nouvelle revue."}};
    int stateNumber = 12;
    for (const auto& s : states)
        demo.describe(add(s[0], "WORKPRODUCT STATE", s[1], s[2], stateNumber++, "state.gif", "state.gif"),
                      s[3], s[4]);

    // Procedures.
    add(nullptr, "GENERAL PROCEDURE GROUP", "Procedures", "Procédures", 20, "worddoc.gif", "worddoc.gif");
    ProcessItem* procedure = add("Procedures", "GENERAL PROCEDURE", "Test procedure", "Procédure de test", 21,
                                 "word.gif", "word.gif");
    {
        const CString folder = procedure->getItemFolderPath();
        for (int language = 0; language <= 1; ++language) {
            TextOutStream out(folder + (language == 0 ? "procedure.htm" : "procedureL2.htm"));
            out << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"windows-1252\">\n<title>"
                << text(language == 0 ? "Test procedure" : "Procédure de test")
                << "</title>\n</head>\n<body>\n<ol>\n"
                << text(language == 0 ? "<li>Prepare the test cases from the requirements.</li>\n"
                                        "<li>Run every test case and note the result.</li>\n"
                                        "<li>Report each defect with the steps that show it.</li>\n"
                                      : "<li>Préparer les cas de test à partir des exigences.</li>\n"
                                        "<li>Exécuter chaque cas de test et noter le résultat.</li>\n"
                                        "<li>Signaler chaque défaut avec les étapes qui le montrent.</li>\n")
                << "</ol>\n</body>\n</html>\n";
            out.close();
        }
        const CString url = procedure->getFolder(1, 0);
        procedure->getItemGenericProcedure()->saveProcedure(
            "", url + "procedure.htm", "Approved", "Procedure", "1.0",
            text("How the tester prepares, runs and reports the tests."), "", url + "procedureL2.htm");
        procedure->getExtension()->writeDescription(
            text("Comment le testeur prépare, exécute et rapporte les tests."), 1);
    }

    // Measure with one project's data point.
    add(nullptr, "NOPROCESSCLASS", "Measures", "Mesures", 30, "bookc.gif", "booko.gif");
    ProcessItem* defects =
        add("Measures", "MEASURE", "Defects found", "Défauts trouvés", 31, "measure.gif", "measure.gif");
    defects->getItemMeasure()->setUnit("defects");
    defects->getItemMeasure()->saveData();
    CreateDirectoryA(defects->getItemMeasure()->getDataFolder(), nullptr);
    defects->getItemMeasure()->writeMeasureData("Pilot project", "generic", "Engineering", "12",
                                                "Found during the system tests", "15");

    // The workflow, shown in frames under the trail of its parents, and its activities.
    ProcessItem* flow = add(nullptr, "WORKFLOW", "Development workflow", "Flux de développement", 40,
                            "wfdtree.gif", "wfdtree.gif", 1);
    demo.describe(
        flow,
        "From the needs of the customer to a tested product. The [@Analyst] starts, the [@Tester] ends.",
        "Des besoins du client à un produit testé. L'[@Analyst] commence, le [@Tester] termine.");
    struct {
        const char* name;
        const char* nameL2;
        int number;
        const char* roles[2];
        const char* in;
        const char* out;
        const char* steps[3];
        const char* stepsL2[3];
        const char* english;
        const char* french;
    } activities[] = {
        {"Gather the requirements",
         "Recueillir les exigences",
         41,
         {"Analyst/responsible", "Quality manager/consulted"},
         nullptr,
         "Requirements document/Draft",
         {"Meet the customer", "Write the requirements", "Number each requirement"},
         {"Rencontrer le client", "Rédiger les exigences", "Numéroter chaque exigence"},
         "The analyst writes down what the product must do, in words the customer understands.",
         "L'analyste écrit ce que le produit doit faire, dans des mots que le client comprend."},
        {"Review the requirements",
         "Revoir les exigences",
         42,
         {"Quality manager/responsible", "Analyst/informed"},
         "Requirements document/Draft",
         "Requirements document/Approved",
         {"Read the requirements", "Note every question", "Approve or send back"},
         {"Lire les exigences", "Noter chaque question", "Approuver ou renvoyer"},
         "A review checks that each requirement of the [@Requirements document] is clear and can be "
         "tested.",
         "Une revue vérifie que chaque exigence du [@Requirements document] est claire et "
         "vérifiable."},
        {"Develop",
         "Développer",
         43,
         {"Developer/responsible", nullptr},
         "Requirements document/Approved",
         "Source code",
         {"Design", "Write the code", "Check it in"},
         {"Concevoir", "Écrire le code", "L'archiver"},
         "The developer builds the product from the approved requirements.",
         "Le développeur construit le produit à partir des exigences approuvées."},
        {"Test",
         "Tester",
         44,
         {"Tester/responsible", "Developer/consulted"},
         "Source code",
         "Test report",
         {"Prepare the test cases", "Run the tests", "Report the defects"},
         {"Préparer les cas de test", "Exécuter les tests", "Signaler les défauts"},
         "The tester runs the tests of the [@Test procedure] and counts the defects found.",
         "Le testeur exécute les tests de la [@Test procedure] et compte les défauts trouvés."},
    };
    for (const auto& a : activities) {
        ProcessItem* activity =
            add("Development workflow", "ACTIVITY", a.name, a.nameL2, a.number, "wfdtree.gif", "wfdtree.gif");
        demo.describe(activity, a.english, a.french);
        ItemActivity* extension = activity->getItemActivity();
        for (const char* role : a.roles) {
            if (!role)
                continue;
            extension->appendRoleReference(demo.reference(role));
        }
        auto productReference = [&](const char* productAndState) {
            const std::string s(productAndState);
            const auto slash = s.find('/');
            const std::string product = s.substr(0, slash);
            const CString state =
                slash == std::string::npos ? CString() : demo.uid(s.substr(slash + 1).c_str());
            return new CString("~" + demo.uid(product.c_str()) + "/" + state + "/1");
        };
        if (a.in)
            extension->getInWorkProducts()->append(productReference(a.in));
        if (a.out)
            extension->getOutWorkProducts()->append(productReference(a.out));
        for (const char* step : a.steps)
            extension->addStep(text(step));
        for (const char* step : a.stepsL2)
            extension->addStepL2(text(step));
        if (a.number == 44) {
            extension->getGeneralProcedures()->append(new CString(demo.uid("Test procedure")));
            extension->getMeasures()->append(new CString(demo.uid("Defects found")));
        }
        extension->setActivityType(ItemActivity::getStandardType());
        activity->save();
    }

    // The glossary of the template gets a description and its entries.
    demo.describe(demo.item("N17000000001"), "The words of the process, with what they mean here.",
                  "Les mots du processus, avec ce qu'ils veulent dire ici.");
    const Described terms[] = {
        {"Activity", "Activité", 50, "A unit of work done by roles, which uses and produces work products.",
         "Une unité de travail faite par des rôles, qui utilise et produit des produits de travail."},
        {"Role", "Rôle", 51, "A set of responsibilities that a person takes on in the process.",
         "Un ensemble de responsabilités qu'une personne assume dans le processus."},
        {"Work product", "Produit de travail", 52,
         "Anything an activity produces: a document, code, a report.",
         "Tout ce qu'une activité produit : un document, du code, un rapport."},
        {"Defect", "Défaut", 53, "A difference between the product and its requirements.",
         "Un écart entre le produit et ses exigences."},
    };
    for (const auto& t : terms) {
        ProcessItem* entry =
            add("N17000000001", "GLOSSARY ENTRY", t.name, t.nameL2, t.number, "bookc.gif", "booko.gif");
        demo.describe(entry, t.english, t.french);
        entry->getItemGlossaryEntry()->setSourceL1("Demo process");
        entry->getItemGlossaryEntry()->setSourceL2(text("Processus de démonstration"));
        entry->save();
    }
    manager.saveMenuTree();
    // The demo comes with its site generated, so that the first "View
    // website" shows the pages of the demo's own tree.
    manager.generate();
    // The log of this machine and the tree file's backups are of no use in
    // a fresh project.
    DeleteFileA(manager.getSiteDirectory() + Project::getLogFileName());
    WIN32_FIND_DATAA found;
    const CString save = manager.getProjectDirectory() + "tolvane/save/";
    HANDLE finder = FindFirstFileA(save + "*.sav", &found);
    if (finder != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA(save + found.cFileName);
        while (FindNextFileA(finder, &found));
        FindClose(finder);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_demo <data folder> <target folder>\n");
        return 2;
    }
    const std::filesystem::path data = argv[1];
    const std::filesystem::path target = argv[2];
    if (std::filesystem::exists(target)) {
        std::fprintf(stderr, "make_demo: %s exists already\n", target.c_str());
        return 1;
    }
    // 1 December 2026, noon UTC.
    CTime::setClockForTests(1796126400);
    if (!platform::copyTree((data / "Data/Common").c_str(), target.c_str()) ||
        !platform::copyTree((data / "Data/SiteTemplates/Standard").c_str(), target.c_str())) {
        std::fprintf(stderr, "make_demo: cannot copy the program data into %s\n", target.c_str());
        return 1;
    }
    const std::string settings = (target / "Demo.tvx").string();
    std::filesystem::rename(target / "project.tvx", settings);
    WritePrivateProfileStringA("STD_OPTION", "SiteName", "Demo process", settings.c_str());
    WritePrivateProfileStringA("STD_OPTION", "SiteNameL2", text("Processus de démonstration"),
                               settings.c_str());
    WritePrivateProfileStringA("STD_OPTION", "TwoLanguages", "yes", settings.c_str());
    try {
        ProcessManager manager(settings.c_str(), nullptr, 0, 0);
        build(manager);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_demo: %s\n", error.what());
        return 1;
    }
    return 0;
}
