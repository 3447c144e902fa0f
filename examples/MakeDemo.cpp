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
#include "DiagramPicture.h"
#include "Encoding.h"
#include "FileFinder.h"
#include "FileSystem.h"
#include "ItemActivity.h"
#include "ItemGenericProcedure.h"
#include "ItemGlossaryEntry.h"
#include "ItemMeasure.h"
#include "ItemProcessOverview.h"
#include "ItemRole.h"
#include "ItemWorkProduct.h"
#include "ItemWorkflow.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"
#include "UserInterface.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

// A document page written as a user keeps it in an item's folder: a
// template or an example, whose sections are given as (heading, text).
void writeDocument(const CString& path, const char* title,
                   const std::vector<std::pair<const char*, const char*>>& sections) {
    TextOutStream out(path);
    out << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"windows-1252\">\n<title>" << text(title)
        << "</title>\n</head>\n<body>\n<h1>" << text(title) << "</h1>\n";
    int number = 1;
    for (const auto& [heading, body] : sections)
        out << "<h2>" << number++ << ". " << text(heading) << "</h2>\n" << text(body) << "\n";
    out << "</body>\n</html>\n";
    if (!out.close())
        throw std::runtime_error(std::string("cannot write ") + path.str());
}

// A node of a diagram as its clickable-area file records it: the uid of
// the item it stands for, or, for a picture node, its first text and link.
struct DiagramArea {
    CString key;
    int left, top, right, bottom;
    CString link = {};
    CString target = {};
};

// The clickable-area file "map.data" of a diagram as the diagram editor's
// export writes it beside the pictures.
void writeAreaFile(ProcessItem* item, const std::vector<DiagramArea>& areas) {
    TextOutStream out(item->getItemFolderPath() + "map.data");
    for (const DiagramArea& area : areas) {
        out << area.key << ";" << area.left << ";" << area.top << ";" << area.right << ";" << area.bottom;
        if (!area.link.IsEmpty())
            out << ";" << area.link << "; ; ; ;" << (area.target.IsEmpty() ? CString(" ") : area.target);
        out << "\n";
    }
    if (!out.close())
        throw std::runtime_error("cannot write the areas of " + item->getName().str());
}

void savePicture(const DiagramPicture& picture, const CString& path) {
    if (!picture.save(path))
        throw std::runtime_error("cannot write " + path.str());
}

const DiagramPicture::Color kInk{0x20, 0x20, 0x20};
const DiagramPicture::Color kLaneFill{0xE8, 0xE6, 0xE1};
const DiagramPicture::Color kLaneLine{0xB0, 0xAC, 0xA4};
const DiagramPicture::Color kBoxFill{0xDD, 0xE8, 0xF5};
const DiagramPicture::Color kBoxLine{0x3A, 0x5F, 0x8F};
const DiagramPicture::Color kRoleFill{0xF6, 0xEE, 0xD9};
const DiagramPicture::Color kRoleLine{0x9A, 0x7B, 0x3C};

// A little document: the picture of a procedure.
void drawDocument(DiagramPicture& picture, int left, int top) {
    picture.fillRect(left, top, left + 16, top + 20, DiagramPicture::Color{0xFF, 0xFF, 0xFF});
    picture.frame(left, top, left + 16, top + 20, kBoxLine);
    for (int y = top + 6; y < top + 18; y += 4)
        picture.line(left + 3, y, left + 12, y, kLaneLine);
}

// The workflow of the demo in swimlanes, one per role, as the diagram
// editor would export it: the picture of each language and the areas of
// its roles, activities and procedures, and a picture node that leads to
// the glossary.
void drawWorkflow(DemoBuilder& demo, ProcessItem* flow) {
    const char* const lanes[] = {"Analyst", "Quality manager", "Developer", "Tester"};
    const struct {
        const char* name;
        int lane;
        int left;
    } activities[] = {
        {"Gather the requirements", 0, 175},
        {"Review the requirements", 1, 335},
        {"Design the solution", 2, 495},
        {"Plan the tests", 3, 495},
        {"Develop", 2, 655},
        {"Test", 3, 815},
    };
    const char* const procedures[] = {"Review procedure", "Test procedure"};
    constexpr int width = 990, height = 470, laneTop = 10, laneHeight = 100, header = 120;
    auto middle = [](int lane) { return laneTop + lane * laneHeight + laneHeight / 2; };
    std::vector<DiagramArea> areas;
    for (int lane = 0; lane < 4; ++lane)
        areas.push_back({demo.uid(lanes[lane]), 10, laneTop + lane * laneHeight, header,
                         laneTop + (lane + 1) * laneHeight});
    for (const auto& a : activities)
        areas.push_back({demo.uid(a.name), a.left, middle(a.lane) - 22, a.left + 120, middle(a.lane) + 22});
    for (int p = 0; p < 2; ++p)
        areas.push_back({demo.uid(procedures[p]), 130 + p * 190, 425, 300 + p * 190, 451});
    areas.push_back({"Glossary", 880, 425, 980, 451, "../Glossary/overview.htm", "main"});

    for (int language = 0; language <= 1; ++language) {
        DiagramPicture picture(width, height);
        auto name = [&](const char* item) { return demo.item(item)->getNameByLanguage(language); };
        for (int lane = 0; lane < 4; ++lane) {
            const int top = laneTop + lane * laneHeight;
            picture.fillRect(10, top, header, top + laneHeight, kLaneFill);
            picture.frame(10, top, width - 10, top + laneHeight + 1, kLaneLine);
            picture.line(header, top, header, top + laneHeight, kLaneLine);
            picture.centredText(10, top, header, top + laneHeight, name(lanes[lane]), kInk);
        }
        for (const auto& a : activities) {
            const int y = middle(a.lane);
            picture.roundBox(a.left, y - 22, a.left + 120, y + 22, kBoxFill, kBoxLine);
            picture.centredText(a.left, y - 22, a.left + 120, y + 22, name(a.name), kInk);
        }
        // The flow, from the initial node to the final one.
        picture.disc(150, middle(0), 8, kInk);
        const std::vector<std::vector<DiagramPicture::Point>> flows = {
            {{158, middle(0)}, {174, middle(0)}},
            {{295, middle(0)}, {315, middle(0)}, {315, middle(1)}, {334, middle(1)}},
            {{455, middle(1)}, {475, middle(1)}, {475, middle(2)}, {494, middle(2)}},
            {{475, middle(2)}, {475, middle(3)}, {494, middle(3)}},
            {{615, middle(2)}, {654, middle(2)}},
            {{775, middle(2)}, {795, middle(2)}, {795, middle(3)}, {814, middle(3)}},
            {{615, middle(3)}, {814, middle(3)}},
            {{935, middle(3)}, {951, middle(3)}},
        };
        for (const auto& flow : flows)
            picture.connector(flow, kInk);
        picture.ring(962, middle(3), 10, kInk);
        picture.disc(962, middle(3), 6, kInk);
        // The procedures the activities follow, and the way to the glossary.
        picture.text(10, 433, language == 0 ? "Procedures:" : text("Procédures :"), kInk);
        for (int p = 0; p < 2; ++p) {
            drawDocument(picture, 130 + p * 190, 428);
            picture.text(152 + p * 190, 433, name(procedures[p]), kInk);
        }
        picture.roundBox(880, 425, 980, 451, kRoleFill, kRoleLine);
        picture.centredText(880, 425, 980, 451, language == 0 ? "Glossary" : "Glossaire", kInk);
        savePicture(picture, flow->getItemFolderPath() + (language == 0 ? "wf.png" : "wfL2.png"));
    }
    writeAreaFile(flow, areas);
}

// The role map of the demo's role group: the quality manager above the
// three roles whose work he reviews.
void drawRoleMap(DemoBuilder& demo, ProcessItem* group) {
    const struct {
        const char* name;
        int left;
        int top;
    } boxes[] = {
        {"Quality manager", 170, 15}, {"Analyst", 20, 115}, {"Developer", 170, 115}, {"Tester", 320, 115}};
    std::vector<DiagramArea> areas;
    for (const auto& b : boxes)
        areas.push_back({demo.uid(b.name), b.left, b.top, b.left + 120, b.top + 44});
    for (int language = 0; language <= 1; ++language) {
        DiagramPicture picture(460, 175);
        picture.line(230, 59, 230, 87, kRoleLine);
        picture.line(80, 87, 380, 87, kRoleLine);
        for (int x : {80, 230, 380})
            picture.line(x, 87, x, 114, kRoleLine);
        for (const auto& b : boxes) {
            picture.roundBox(b.left, b.top, b.left + 120, b.top + 44, kRoleFill, kRoleLine);
            picture.centredText(b.left, b.top, b.left + 120, b.top + 44,
                                demo.item(b.name)->getNameByLanguage(language), kInk);
        }
        savePicture(picture, group->getItemFolderPath() + (language == 0 ? "roles.png" : "rolesL2.png"));
    }
    writeAreaFile(group, areas);
}

// The work product map of the overview: each discipline's work products in
// a column, an arrow from each to the work products made from it.
void drawWorkProductMap(DemoBuilder& demo, ProcessItem* overview) {
    const struct {
        const char* name;
        int left;
        int top;
    } boxes[] = {
        {"Requirements document", 20, 40}, {"Use case", 20, 110},  {"Design document", 200, 40},
        {"Source code", 200, 110},         {"Test plan", 380, 40}, {"Test report", 380, 110},
    };
    const char* const columns[] = {"Requirements", "Development", "Testing"};
    std::vector<DiagramArea> areas;
    for (const auto& b : boxes)
        areas.push_back({demo.uid(b.name), b.left, b.top, b.left + 140, b.top + 44});
    for (int language = 0; language <= 1; ++language) {
        DiagramPicture picture(540, 170);
        for (int c = 0; c < 3; ++c)
            picture.centredText(20 + c * 180, 8, 160 + c * 180, 30,
                                demo.item(columns[c])->getNameByLanguage(language), kInk);
        picture.arrow(160, 62, 199, 62, kInk);  // requirements -> design
        picture.arrow(270, 84, 270, 109, kInk); // design -> code
        // requirements -> test plan, above the design document
        picture.connector({{90, 40}, {90, 34}, {450, 34}, {450, 39}}, kInk);
        picture.arrow(340, 132, 379, 132, kInk); // code -> test report
        picture.arrow(450, 84, 450, 109, kInk);  // test plan -> test report
        for (const auto& b : boxes) {
            picture.roundBox(b.left, b.top, b.left + 140, b.top + 44, kBoxFill, kBoxLine);
            picture.centredText(b.left, b.top, b.left + 140, b.top + 44,
                                demo.item(b.name)->getNameByLanguage(language), kInk);
        }
        savePicture(picture, overview->getItemFolderPath() + (language == 0 ? "wpMap.png" : "wpMapL2.png"));
    }
    writeAreaFile(overview, areas);
}

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

    // The domain and its disciplines, each with its work products and the
    // page of their templates, then the page of every template.
    demo.describe(
        add(nullptr, "DOMAIN", "Software engineering", "Génie logiciel", 10, "bookc.gif", "booko.gif"),
        "How the team turns the needs of a customer into a tested product.",
        "Comment l'équipe transforme les besoins d'un client en un produit testé.");
    struct Discipline {
        const char* name;
        const char* nameL2;
        int number;
        const char* products;
        const char* productsL2;
        const char* templates;
        const char* templatesL2;
    };
    const Discipline disciplines[] = {
        {"Requirements", "Exigences", 60, "Requirements work products", "Produits des exigences",
         "Requirements templates", "Modèles des exigences"},
        {"Development", "Développement", 64, "Development work products", "Produits du développement",
         "Development templates", "Modèles du développement"},
        {"Testing", "Tests", 68, "Testing work products", "Produits des tests", "Testing templates",
         "Modèles des tests"},
    };
    for (const auto& d : disciplines) {
        add("Software engineering", "DISCIPLINE", d.name, d.nameL2, d.number, "bookc.gif", "booko.gif");
        add(d.name, "WORKPRODUCT GROUP", d.products, d.productsL2, d.number + 1, "artfc_w.gif",
            "artfo_w.gif");
    }

    // Work products: their templates and examples lie in their own folders.
    struct Document {
        const char* file;
        const char* title;
        std::vector<std::pair<const char*, const char*>> sections;
    };
    struct Product {
        const char* group;
        const char* name;
        const char* nameL2;
        int number;
        const char* type;
        const char* wpName;
        const char* comment;
        Document documents[2]; // template, example (either without file)
        const char* authors[2];
        const char* english;
        const char* french;
    };
    const Product productList[] = {
        {"Requirements work products",
         "Requirements document",
         "Cahier des exigences",
         11,
         "requirements",
         "REQ_Project_vX.Y",
         "One per product release.",
         {{"requirements.htm",
           "Requirements document",
           {{"Purpose", "<p>Who the product is for and what problem it solves.</p>"},
            {"Scope", "<p>What the release covers, and what it leaves out.</p>"},
            {"Requirements",
             "<table border=\"1\">\n<tr><th>Id</th><th>Requirement</th><th>Priority</th><th>How it is "
             "verified</th></tr>\n<tr><td>REQ-1</td><td></td><td></td><td></td></tr>\n</table>"},
            {"Constraints", "<p>Standards, platforms and limits the product must respect.</p>"}}},
          {"requirements-example.htm",
           "Requirements document: time sheets",
           {{"Purpose", "<p>Employees enter their hours once a week; managers approve them.</p>"},
            {"Requirements",
             "<table border=\"1\">\n<tr><th>Id</th><th>Requirement</th><th>Priority</th><th>How "
             "it is verified</th></tr>\n<tr><td>REQ-1</td><td>An employee enters the hours of "
             "a week on one page.</td><td>High</td><td>Test TS-3</td></tr>\n</table>"}}}},
         {"Analyst/author", "Quality manager/reviewed by"},
         "States what the product must do. Each requirement is numbered and can be tested.",
         "Décrit ce que le produit doit faire. Chaque exigence est numérotée et vérifiable."},
        {"Requirements work products",
         "Use case",
         "Cas d'utilisation",
         62,
         "model",
         "UC-nn Goal of the user",
         "",
         {{"use-case.htm",
           "Use case",
           {{"Goal", "<p>What the actor wants to achieve.</p>"},
            {"Actors", "<p>Who takes part.</p>"},
            {"Main flow", "<ol>\n<li></li>\n</ol>"},
            {"Alternative flows", "<p>What else may happen, step by step.</p>"}}},
          {nullptr, nullptr, {}}},
         {"Analyst/author", nullptr},
         "One way a user reaches a goal with the product, told step by step.",
         "Une façon dont un utilisateur atteint un but avec le produit, racontée pas à pas."},
        {"Development work products",
         "Design document",
         "Dossier de conception",
         66,
         "document",
         "",
         "Kept up to date with the code.",
         {{"design.htm",
           "Design document",
           {{"Context", "<p>The systems around the product and how it talks to them.</p>"},
            {"Components", "<p>The parts of the product and what each is responsible for.</p>"},
            {"Interfaces", "<p>What each component offers the others.</p>"},
            {"Decisions", "<p>The choices made, with their reasons and the options set aside.</p>"}}},
          {nullptr, nullptr, {}}},
         {"Developer/author", "Quality manager/reviewed by"},
         "How the product is built: its parts, their interfaces and the reasons for the choices made.",
         "Comment le produit est construit : ses parties, leurs interfaces et les raisons des choix faits."},
        {"Development work products",
         "Source code",
         "Code source",
         14,
         "source code",
         "",
         "",
         {{nullptr, nullptr, {}}, {nullptr, nullptr, {}}},
         {"Developer/author", nullptr},
         "The programs of the product, kept under version control.",
         "Les programmes du produit, gérés en configuration."},
        {"Testing work products",
         "Test plan",
         "Plan de test",
         70,
         "plan",
         "",
         "Reviewed with the analyst.",
         {{"test-plan.htm",
           "Test plan",
           {{"Scope", "<p>The requirements under test, and those left out.</p>"},
            {"Approach", "<p>The kinds of test, their order, and who runs them.</p>"},
            {"Environment", "<p>Machines, data and tools the tests need.</p>"},
            {"Entry and exit criteria", "<p>When testing starts, and when it is done.</p>"}}},
          {nullptr, nullptr, {}}},
         {"Tester/author", "Analyst/reviewed by"},
         "What is tested, how, with what and when testing is finished.",
         "Ce qui est testé, comment, avec quoi et quand les tests sont terminés."},
        {"Testing work products",
         "Test report",
         "Rapport de test",
         15,
         "report",
         "TR_Project_vX.Y",
         "",
         {{"test-report.htm",
           "Test report",
           {{"Summary", "<p>What was tested, and the verdict.</p>"},
            {"Results",
             "<table border=\"1\">\n<tr><th>Test</th><th>Requirement</th><th>Result</th></tr>\n</table>"},
            {"Defects", "<p>Each defect found, with its severity and state.</p>"}}},
          {"test-report-example.htm",
           "Test report: time sheets 1.2",
           {{"Summary", "<p>42 tests run, 40 passed. Release accepted with two minor defects.</p>"},
            {"Defects", "<p>DEF-7: the week total is not refreshed after a correction (minor).</p>"}}}},
         {"Tester/author", "Quality manager/validated by"},
         "The results of the tests and the defects found.",
         "Les résultats des tests et les défauts trouvés."},
    };
    for (const auto& p : productList) {
        ProcessItem* product =
            add(p.group, "WORKPRODUCT", p.name, p.nameL2, p.number, "ar_doc.gif", "ar_doc.gif");
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
        wp->setWPName(text(p.wpName));
        wp->setComment(text(p.comment));
        CString texts[16];
        for (int kind = 0; kind < 2; ++kind) {
            const Document& document = p.documents[kind];
            if (!document.file)
                continue;
            writeDocument(product->getItemFolderPath() + document.file, document.title, document.sections);
            // The first language's first format, plain (not alternative).
            texts[kind * 8] = document.file;
        }
        wp->setTemplatesAndExamples(texts);
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
    for (const auto& d : disciplines)
        add(d.name, "TEMPLATE ACCESS", d.templates, d.templatesL2, d.number + 3, "template.gif",
            "templateo.gif");
    add("Software engineering", "TEMPLATE ACCESS", "All templates", "Tous les modèles", 72, "template.gif",
        "templateo.gif");

    // The test plan is checked against a quality criterion and implements
    // the requirements; the test reports of past releases are kept in the
    // test report's example library.
    ProcessItem* covered = add("Test plan", "QUALITY CRITERIA", "Every requirement is tested",
                               "Chaque exigence est testée", 75, "check.gif", "checko.gif");
    demo.describe(covered, "Each requirement of the requirements document has at least one test case.",
                  "Chaque exigence du cahier des exigences a au moins un cas de test.");
    covered->getExtension()->writeTailoringGuideline(text("For every release."), 0);
    covered->getExtension()->writeTailoringGuideline(text("Pour chaque version."), 1);
    ProcessItem* requirements = demo.item("Requirements document");
    requirements->getItemWorkProduct()->m_isARequirementToImplement = 1;
    requirements->getItemWorkProduct()->saveData();
    ProcessItem* testPlan = demo.item("Test plan");
    testPlan->getExtension()->getTraceabilityLinks()->append(new CString(demo.uid("Requirements document")));
    testPlan->getItemWorkProduct()->setLocation(text("Project folder, \"Tests\""));
    testPlan->getItemWorkProduct()->saveData();
    const CString library = demo.item("Test report")->getItemFolderPath() + "ar/";
    CreateDirectoryA(library, nullptr);
    CreateDirectoryA(library + "release-1.0/", nullptr);
    writeDocument(library + "release-1.0/test-report-1.0.htm", "Test report: release 1.0",
                  {{"Summary", "<p>38 tests run, 38 passed.</p>"}});
    writeDocument(library + "defect-checklist.htm", "Defect checklist",
                  {{"Before reporting", "<p>Can you make it happen again? Which build?</p>"}});

    // The overview of the work products of the domain, with their map.
    ProcessItem* overview = add("Software engineering", "WORKPRODUCT OVERVIEW", "Work product overview",
                                "Vue des produits", 74, "artfc_w.gif", "artfo_w.gif");
    if (overview->getExtension() && !overview->getExtension()->getDescriptionFileName(0).IsEmpty())
        demo.describe(overview, "The work products of the process, by discipline.",
                      "Les produits du processus, par discipline.");
    drawWorkProductMap(demo, overview);

    // Procedures: each document lies in its item's folder.
    add(nullptr, "GENERAL PROCEDURE GROUP", "Procedures", "Procédures", 20, "worddoc.gif", "worddoc.gif");
    struct Procedure {
        const char* name;
        const char* nameL2;
        int number;
        const char* steps;
        const char* stepsL2;
        const char* english;
        const char* french;
    };
    const Procedure procedures[] = {
        {"Test procedure", "Procédure de test", 21,
         "<li>Prepare the test cases from the requirements.</li>\n"
         "<li>Run every test case and note the result.</li>\n"
         "<li>Report each defect with the steps that show it.</li>\n",
         "<li>Préparer les cas de test à partir des exigences.</li>\n"
         "<li>Exécuter chaque cas de test et noter le résultat.</li>\n"
         "<li>Signaler chaque défaut avec les étapes qui le montrent.</li>\n",
         "How the tester prepares, runs and reports the tests.",
         "Comment le testeur prépare, exécute et rapporte les tests."},
        {"Review procedure", "Procédure de revue", 22,
         "<li>Send the document to the reviewers a week ahead.</li>\n"
         "<li>Each reviewer notes his remarks in the review sheet.</li>\n"
         "<li>The meeting settles every remark; the author updates the document.</li>\n",
         "<li>Envoyer le document aux relecteurs une semaine avant.</li>\n"
         "<li>Chaque relecteur note ses remarques dans la fiche de revue.</li>\n"
         "<li>La réunion traite chaque remarque ; l'auteur met le document à jour.</li>\n",
         "How a document is reviewed before it is approved.",
         "Comment un document est revu avant d'être approuvé."},
    };
    for (const auto& p : procedures) {
        ProcessItem* procedure =
            add("Procedures", "GENERAL PROCEDURE", p.name, p.nameL2, p.number, "word.gif", "word.gif");
        const CString folder = procedure->getItemFolderPath();
        for (int language = 0; language <= 1; ++language) {
            TextOutStream out(folder + (language == 0 ? "procedure.htm" : "procedureL2.htm"));
            out << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"windows-1252\">\n<title>"
                << text(language == 0 ? p.name : p.nameL2) << "</title>\n</head>\n<body>\n<ol>\n"
                << text(language == 0 ? p.steps : p.stepsL2) << "</ol>\n</body>\n</html>\n";
            out.close();
        }
        // The documents are named as they lie in the procedure's folder.
        procedure->getItemGenericProcedure()->saveProcedure("", "procedure.htm", "Approved", "Procedure",
                                                            "1.0", text(p.english), "", "procedureL2.htm");
        procedure->getExtension()->writeDescription(text(p.french), 1);
    }

    // Measure with the data points of four projects and its statistics.
    add(nullptr, "NOPROCESSCLASS", "Measures", "Mesures", 30, "bookc.gif", "booko.gif");
    ProcessItem* defects =
        add("Measures", "MEASURE", "Defects found", "Défauts trouvés", 31, "measure.gif", "measure.gif");
    demo.describe(
        defects,
        "The defects that the system tests of a release find, counted from its test report. "
        "Compared with the size of the release, it shows where reviews should look harder.",
        "Les défauts que trouvent les tests système d'une version, comptés dans son rapport de test. "
        "Rapporté à la taille de la version, il montre où les revues doivent regarder de plus près.");
    ItemMeasure* defectCount = defects->getItemMeasure();
    defectCount->setUnit("defects");
    defectCount->m_calculateAverage = 1;
    defectCount->m_calculateMedian = 1;
    defectCount->m_calculateStandardDeviation = 1;
    defectCount->m_includePlannedValue = 1;
    defectCount->saveData();
    CreateDirectoryA(defectCount->getDataFolder(), nullptr);
    defectCount->writeMeasureData("Pilot project", "generic", "Engineering", "12",
                                  "Found during the system tests", "15");
    defectCount->writeMeasureData("Billing 2.0", "generic", "Finance", "31",
                                  "A new team; the reviews of the design were skipped", "20");
    defectCount->writeMeasureData("Field service app", "small", "Support", "7", "", "10");
    defectCount->writeMeasureData("Warehouse scanner", "small", "Logistics", "", "Tests still running", "10");

    // The workflow, shown in frames under the trail of its parents, and its
    // activities, two per discipline.
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
        const char* tailoring;
        const char* tailoringL2;
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
         "L'analyste écrit ce que le produit doit faire, dans des mots que le client comprend.",
         "For a small change, a few lines in the change request take the place of a new document.",
         "Pour une petite évolution, quelques lignes dans la demande de changement remplacent un nouveau "
         "document."},
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
         "vérifiable.",
         nullptr,
         nullptr},
        {"Design the solution",
         "Concevoir la solution",
         47,
         {"Developer/responsible", "Analyst/consulted"},
         "Requirements document/Approved",
         "Design document",
         {"Split the product into components", "Define the interfaces", "Write down the decisions"},
         {"Découper le produit en composants", "Définir les interfaces", "Consigner les décisions"},
         "The developer decides how the product is built before writing its code.",
         "Le développeur décide comment le produit est construit avant d'en écrire le code.",
         "Reuse the design of the previous release and record only what changes.",
         "Reprendre la conception de la version précédente et ne consigner que ce qui change."},
        {"Develop",
         "Développer",
         43,
         {"Developer/responsible", nullptr},
         "Design document",
         "Source code",
         {"Write the code", "Test each unit", "Check it in"},
         {"Écrire le code", "Tester chaque unité", "L'archiver"},
         "The developer builds the product from the approved requirements and the design.",
         "Le développeur construit le produit à partir des exigences approuvées et de la conception.",
         nullptr,
         nullptr},
        {"Plan the tests",
         "Préparer les tests",
         49,
         {"Tester/responsible", "Analyst/consulted"},
         "Requirements document/Approved",
         "Test plan",
         {"List the requirements to test", "Choose the test cases", "Book the test environment"},
         {"Lister les exigences à tester", "Choisir les cas de test", "Réserver l'environnement de test"},
         "The tester decides what will be tested and how, while the code is being written.",
         "Le testeur décide ce qui sera testé et comment, pendant que le code s'écrit.",
         nullptr,
         nullptr},
        {"Test",
         "Tester",
         44,
         {"Tester/responsible", "Developer/consulted"},
         "Source code",
         "Test report",
         {"Prepare the test cases", "Run the tests", "Report the defects"},
         {"Préparer les cas de test", "Exécuter les tests", "Signaler les défauts"},
         "The tester runs the tests of the [@Test procedure] and counts the defects found.",
         "Le testeur exécute les tests de la [@Test procedure] et compte les défauts trouvés.",
         nullptr,
         nullptr},
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
        if (a.tailoring) {
            extension->writeTailoringGuideline(text(a.tailoring), 0);
            extension->writeTailoringGuideline(text(a.tailoringL2), 1);
        }
        extension->setActivityType(ItemActivity::getStandardType());
        activity->save();
    }
    // The review follows its procedure, details its second step and has
    // its quality criterion; the test follows the test procedure and is
    // measured.
    ItemActivity* review = demo.item("Review the requirements")->getItemActivity();
    review->getGeneralProcedures()->append(new CString(demo.uid("Review procedure")));
    demo.item("Review the requirements")->save();
    const CString reviewFolder = demo.item("Review the requirements")->getItemFolderPath();
    for (int language = 0; language <= 1; ++language) {
        TextOutStream details(reviewFolder + (language == 0 ? "1.htm" : "1L2.htm"));
        details << "<html>\n<body>\n"
                << text(language == 0
                            ? "<p>Write each question next to the requirement it is about, with the "
                              "name of who asks it. A question left open blocks the approval.</p>\n"
                            : "<p>Écrire chaque question en face de l'exigence qu'elle concerne, avec "
                              "le nom de qui la pose. Une question restée ouverte bloque "
                              "l'approbation.</p>\n")
                << "</body>\n</html>\n";
        details.close();
    }
    ProcessItem* criterion = add("Review the requirements", "QUALITY CRITERIA", "Testable requirements",
                                 "Exigences vérifiables", 73, "check.gif", "checko.gif");
    demo.describe(criterion, "Every requirement says how it will be verified.",
                  "Chaque exigence dit comment elle sera vérifiée.");
    criterion->getExtension()->writeTailoringGuideline(text("Always."), 0);
    criterion->getExtension()->writeTailoringGuideline(text("Toujours."), 1);
    ItemActivity* test = demo.item("Test")->getItemActivity();
    test->getGeneralProcedures()->append(new CString(demo.uid("Test procedure")));
    test->getMeasures()->append(new CString(demo.uid("Defects found")));
    demo.item("Test")->save();
    // The test plan's way of working lies on a page of its own: the
    // activity's page is then generated whole, with a link to it.
    ProcessItem* planning = demo.item("Plan the tests");
    for (int language = 0; language <= 1; ++language) {
        TextOutStream procedurePage(planning->getItemFolderPath() +
                                    ItemActivity::getProcedurePageName(language));
        procedurePage
            << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"windows-1252\">\n<title>"
            << text(language == 0 ? "Plan the tests" : "Préparer les tests") << "</title>\n</head>\n<body>\n"
            << text(language == 0
                        ? "<p>Start from the approved requirements: each one gets at least one test "
                          "case. Agree with the analyst on what is left out, and write it down.</p>\n"
                        : "<p>Partir des exigences approuvées : chacune reçoit au moins un cas de "
                          "test. Convenir avec l'analyste de ce qui est laissé de côté, et "
                          "l'écrire.</p>\n")
            << "</body>\n</html>\n";
        procedurePage.close();
    }
    planning->getItemActivity()->setSeparatedProcedureText(1);
    planning->getItemActivity()->setProcedureLink(1);
    planning->save();

    // What the authors wrote with the page editor above the generated part
    // of each activity's page.
    struct Authored {
        const char* name;
        const char* purpose[2];
        const char* start[2];
        const char* guidelines[2];
        const char* finish[2];
        const char* example[2];
    } authored[] = {
        {"Gather the requirements",
         {"Agree with the customer on what the product must do before anyone designs or builds it: a "
          "requirement found late is the most costly to change.",
          "S'accorder avec le client sur ce que le produit doit faire avant que quiconque le conçoive ou le "
          "construise : une exigence découverte tard est la plus coûteuse à changer."},
         {"Starts when the customer's request is accepted. Needed: the request, a contact on the customer's "
          "side and the requirements of the previous release, if there is one.",
          "Commence quand la demande du client est acceptée. Il faut : la demande, un interlocuteur chez le "
          "client et les exigences de la version précédente, s'il y en a une."},
         {"Ask about the work the users do, not about screens. Write one requirement per sentence, with "
          "\"must\", and note where it comes from. Keep the open questions in a list of their own.",
          "Interroger sur le travail des utilisateurs, pas sur les écrans. Écrire une exigence par phrase, "
          "avec « doit », et noter d'où elle vient. Tenir les questions ouvertes dans une liste à part."},
         {"Ends when every part of the request is covered by a numbered requirement and the draft is ready "
          "for its review.",
          "Se termine quand chaque point de la demande est couvert par une exigence numérotée et que le "
          "brouillon est prêt pour sa revue."},
         {"R12: The invoice must show the customer's VAT number. Source: meeting of 3 March with the "
          "accounting team.",
          "E12 : La facture doit porter le numéro de TVA du client. Source : réunion du 3 mars avec la "
          "comptabilité."}},
        {"Review the requirements",
         {"Make sure that each requirement is clear, complete and can be tested before the design starts.",
          "S'assurer que chaque exigence est claire, complète et vérifiable avant que la conception "
          "commence."},
         {"Starts when the analyst hands in the draft requirements document; the reviewers get it a week "
          "before the meeting.",
          "Commence quand l'analyste remet le brouillon du document d'exigences ; les relecteurs le "
          "reçoivent une semaine avant la réunion."},
         {"Follow the review procedure. Read each requirement asking two questions: can it be understood "
          "one way only, and how would we test it? Do not rewrite the requirements during the meeting.",
          "Suivre la procédure de revue. Lire chaque exigence en se posant deux questions : ne peut-elle "
          "se comprendre que d'une façon, et comment la testerait-on ? Ne pas réécrire les exigences en "
          "réunion."},
         {"Ends with the document approved, or sent back to the analyst with the list of questions to "
          "settle.",
          "Se termine par le document approuvé, ou renvoyé à l'analyste avec la liste des questions à "
          "régler."},
         {"Remark on R7, \"The report must be fast\": how fast, measured how? Settled as \"The report of a "
          "month must appear within 5 seconds\".",
          "Remarque sur E7, « Le rapport doit être rapide » : rapide comment, mesuré comment ? Réglée en "
          "« Le rapport d'un mois doit s'afficher en moins de 5 secondes »."}},
        {"Design the solution",
         {"Decide how the product will be built, so that the work can be shared among developers and "
          "every choice is known to all.",
          "Décider comment le produit sera construit, pour que le travail se partage entre développeurs "
          "et que chaque choix soit connu de tous."},
         {"Starts when the requirements are approved. Needed: the approved requirements document and the "
          "design of the previous release.",
          "Commence quand les exigences sont approuvées. Il faut : le document d'exigences approuvé et la "
          "conception de la version précédente."},
         {"Give each component one responsibility. Define every interface before the code behind it. For "
          "each important choice, write down the options weighed and why one was taken.",
          "Donner à chaque composant une seule responsabilité. Définir chaque interface avant le code qui "
          "la réalise. Pour chaque choix important, consigner les options pesées et la raison du choix."},
         {"Ends when every requirement is covered by a component and the analyst has read the design "
          "document.",
          "Se termine quand chaque exigence est couverte par un composant et que l'analyste a lu le "
          "document de conception."},
         {"Decision D3: invoices are made by a service of their own, so that the accounting rules can "
          "change without a new release of the shop.",
          "Décision D3 : les factures sont faites par un service à part, pour que les règles comptables "
          "puissent changer sans nouvelle version de la boutique."}},
        {"Develop",
         {"Build the product from its design in small steps, each one tested and kept under version "
          "control.",
          "Construire le produit à partir de sa conception par petites étapes, chacune testée et gardée "
          "en gestion de versions."},
         {"Starts for a component as soon as its interfaces are defined in the design document.",
          "Commence pour un composant dès que ses interfaces sont définies dans le document de "
          "conception."},
         {"Write the unit tests with the code. Check in often, with a message that names the requirement "
          "or the defect. Ask for a change of the design rather than work around it.",
          "Écrire les tests unitaires avec le code. Archiver souvent, avec un message qui nomme "
          "l'exigence ou le défaut. Demander un changement de conception plutôt que la contourner."},
         {"Ends when every component is checked in, its unit tests pass and the whole product builds.",
          "Se termine quand chaque composant est archivé, que ses tests unitaires passent et que le "
          "produit entier se construit."},
         {"Check-in message: \"R12: the invoice shows the VAT number; unit test added.\"",
          "Message d'archivage : « E12 : la facture montre le numéro de TVA ; test unitaire ajouté. »"}},
        {"Test",
         {"Show that the product meets its requirements, and find its defects before the customer does.",
          "Montrer que le produit satisfait ses exigences, et trouver ses défauts avant le client."},
         {"Starts when a build of the whole product is installed in the test environment. Needed: the "
          "test plan and its test cases.",
          "Commence quand une version complète du produit est installée dans l'environnement de test. Il "
          "faut : le plan de test et ses cas de test."},
         {"Run the test cases of the plan in order and record the result of each. Describe each defect so "
          "that a developer can reproduce it: steps, data, what was expected, what happened.",
          "Exécuter les cas de test du plan dans l'ordre et noter le résultat de chacun. Décrire chaque "
          "défaut pour qu'un développeur le reproduise : étapes, données, résultat attendu, résultat "
          "obtenu."},
         {"Ends when every test case has run and the test report is written; the defects found are "
          "counted for the measure.",
          "Se termine quand tous les cas de test ont été exécutés et que le rapport de test est écrit ; "
          "les défauts trouvés sont comptés pour la mesure."},
         {"Defect 41: for a customer without VAT number the invoice shows \"null\". Create a customer "
          "without VAT number, order one item, print the invoice.",
          "Défaut 41 : pour un client sans numéro de TVA, la facture affiche « null ». Créer un client "
          "sans numéro de TVA, commander un article, imprimer la facture."}},
    };
    // The headings of the author's part, in each language.
    const struct {
        const char* anchor;
        const char* title[2];
    } headings[] = {
        {"Purpose", {"Purpose", "Objectif"}},
        {"Start", {"Start and inputs", "Début et entrées"}},
        {"Guidelines", {"Work guidelines", "Conduite du travail"}},
        {"Finish", {"Results and end", "Résultats et fin"}},
        {"Example", {"Example", "Exemple"}},
    };
    for (const auto& a : authored) {
        ProcessItem* activity = demo.item(a.name);
        const char* const* paragraphs[] = {a.purpose, a.start, a.guidelines, a.finish, a.example};
        CString prefix;
        for (int i = 0; i < activity->getLevel() + 2; ++i)
            prefix += "../";
        const std::string top = "<a href=\"#Top\"><IMG alt=\"To top of page\" src=\"" + prefix.str() +
                                "images/top.gif\" border=0></a>";
        for (int language = 0; language <= 1; ++language) {
            // A table of topics beside the sections, as the page editor made it.
            std::string block = "<table border=\"0\" cellpadding=\"8\" cellspacing=\"0\" width=\"100%\">\r\n"
                                "<tr>\r\n"
                                "<td valign=\"top\" width=\"22%\" bgcolor=\"#F2F5F9\">\r\n<p><b>" +
                                text(language == 0 ? "Topics" : "Sommaire").str() + "</b></p>\r\n<p>";
            for (size_t h = 0; h < std::size(headings); ++h)
                block += std::string(h ? "<br>\r\n" : "") + "<a href=\"#" + headings[h].anchor + "\">" +
                         text(headings[h].title[language]).str() + "</a>";
            block += "</p>\r\n</td>\r\n<td valign=\"top\" width=\"78%\">\r\n";
            for (size_t h = 0; h < std::size(headings); ++h)
                block += std::string("<h4><a name=\"") + headings[h].anchor + "\">" +
                         text(headings[h].title[language]).str() + "</a> " + top + "</h4>\r\n<p>" +
                         text(paragraphs[h][language]).str() + "</p>\r\n";
            block += "</td>\r\n</tr>\r\n</table>\r\n";
            const CString path = manager.getItemPagePath(activity, language);
            std::string page;
            if (!platform::readFileBytes(path, page))
                throw std::runtime_error(std::string("cannot read the page of ") + a.name);
            // The author's part goes below the anchor of the page's top.
            const std::string anchor = "<a name=\"Top\"></a>\r\n";
            const std::size_t at = page.find(anchor);
            if (at == std::string::npos)
                throw std::runtime_error(std::string("no top anchor in the page of ") + a.name);
            page.insert(at + anchor.size(), block);
            if (!platform::writeFileReplacing(path, page))
                throw std::runtime_error(std::string("cannot write the page of ") + a.name);
        }
    }

    // The overview of the workflow: its activities as a numbered outline
    // with their steps.
    ProcessItem* outline = add(nullptr, "PROCESS OVERVIEW", "Process overview", "Vue d'ensemble du processus",
                               48, "bookc.gif", "booko.gif");
    outline->getItemProcessOverview()->setTargetWorkflow(flow->getUrl());
    outline->save();

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
    // The workflow's page is made whole from its diagram; the role group
    // shows its role map.
    drawWorkflow(demo, flow);
    flow->getItemWorkflow()->setFullyGenerated(1);
    flow->save();
    drawRoleMap(demo, demo.item("Roles"));

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
    // The files that a running copy of the program holds in "tmp" are of no
    // use in a fresh project; opening it makes the folder again.
    platform::deleteTree((target / "tmp").c_str());
    return 0;
}
