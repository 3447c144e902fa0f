#include "ActivityPages.h"
#include "CIdentificationDialogMgt.h"
#include "EditingService.h"
#include "ItemActivity.h"
#include "ItemReference.h"
#include "ItemRole.h"
#include "ItemWorkProduct.h"
#include "ListTexts.h"
#include "ProcessProjectFixture.h"
#include "PropertySheet.h"
#include "RolePages.h"
#include "ScriptedEditing.h"
#include "WorkProductPages.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class ProcessClassesTest : public testing::Test {
protected:
    void SetUp() override { f.open(); }
    ProcessProjectFixture f;
};

TEST(ReferenceTest, ItemReferenceParts) {
    TempDir dir;
    ProcessManager manager((dir / "site.tvx").c_str(), nullptr, 1, 0);
    Item* role = manager.createItem(nullptr, "Designer", "../site/Designer/overview.htm", 0, "", "", 0, 0, "");
    role->setUid("N3");
    role->setNameL2("Concepteur");
    manager.getItemList()->append(role);
    struct {
        const char* reference;
        const char* name;
        const char* display;
        const char* displayL2;
        const char* uid;
        bool found;
    } cases[] = {
        {"~n3/performer", "performer", "Designer", "Concepteur", "n3", true},
        {"~N3", "", "Designer", "Concepteur", "N3", true},
        {"Designer/author", "author", "Designer", "Designer", "", false},
        {"/author", "author", "", "", "", false},
        {"~n9/x/y/z", "x/y/z", "", "", "n9", false},
        {"plain", "", "plain", "plain", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(getReferenceName(c.reference), c.name) << c.reference;
        EXPECT_EQ(getReferenceDisplayName(c.reference, 0), c.display) << c.reference;
        EXPECT_EQ(getReferenceDisplayName(c.reference, 1), c.displayL2) << c.reference;
        EXPECT_EQ(getReferenceUid(c.reference), c.uid) << c.reference;
        EXPECT_EQ(findReferencedItem(c.reference) != nullptr, c.found) << c.reference;
    }
}

TEST(ReferenceTest, WorkProductReferenceParts) {
    TempDir dir;
    ProcessManager manager((dir / "site.tvx").c_str(), nullptr, 1, 0);
    for (const auto& [uid, name] : {std::pair{"N10", "Plan"}, {"N11", "Approved"}}) {
        Item* item = manager.createItem(nullptr, name, CString("../site/") + name + "/overview.htm", 0, "", "", 0, 0, "");
        item->setUid(uid);
        manager.getItemList()->append(item);
    }
    struct {
        const char* reference;
        const char* name;
        const char* state;
        const char* stateUid;
        const char* tail;
    } cases[] = {
        {"~n10/n11/3", "Plan", "Approved", "n11", "3"},
        {"Plan", "Plan", "", "", ""},
        {"Plan//2", "Plan", "", "", "2"},
        {"~n99/n11/1", "", "Approved", "n11", "1"},
        {"~n10/n98/", "Plan", "", "n98", ""},
        {"~n10/n11/2/extra", "Plan", "Approved", "n11", "2/extra"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(getWorkProductReferenceName(c.reference, 0), c.name) << c.reference;
        EXPECT_EQ(getWorkProductReferenceStateName(c.reference, 0, 0), c.state) << c.reference;
        EXPECT_EQ(getWorkProductReferenceStateName(c.reference, 0, 1), c.stateUid) << c.reference;
        EXPECT_EQ(getWorkProductReferenceTail(c.reference), c.tail) << c.reference;
    }
}

TEST_F(ProcessClassesTest, RoleAttributesReadAndRoundTrip) {
    ProcessItem* designer = f.item("N3");
    ItemRole* role = designer->getItemRole();
    ASSERT_NE(role, nullptr);
    EXPECT_EQ(role->getImage(), "designer.gif");
    EXPECT_EQ(role->getImageRG(), "designer_big.gif");
    EXPECT_EQ(role->getDetailedDescriptionUrl(0), "http://example.org/designer");
    EXPECT_EQ(role->getDetailedDescriptionUrl(1), "");
    EXPECT_EQ(role->m_actingRoleGroup, 0);
    role->setDetailedDescriptionUrlL2("http://example.org/fr");
    role->m_actingRoleGroup = 1;
    ASSERT_EQ(designer->save(), 1);
    designer->load(1);
    EXPECT_EQ(designer->getItemRole()->getDetailedDescriptionUrl(1), "http://example.org/fr");
    EXPECT_EQ(designer->getItemRole()->m_actingRoleGroup, 1);
    EXPECT_NE(f.read("site/Roles/Engineers/Designer/process.data").find("ActingRoleGroup=yes\r\n"), std::string::npos);
}

TEST_F(ProcessClassesTest, ActivityAttributesReadAndRoundTrip) {
    ProcessItem* design = f.item("N8");
    ItemActivity* activity = design->getItemActivity();
    ASSERT_NE(activity, nullptr);
    EXPECT_EQ(texts(activity->getRoles()),
              (std::vector<std::string>{"~n3/performer", "~n5/assistant", "unknown role/performer"}));
    EXPECT_EQ(texts(activity->getOwnSteps(0)),
              (std::vector<std::string>{"#0 Prepare", "#0C Note well", "#1 Detail", "Write, then check"}));
    EXPECT_EQ(texts(activity->getOwnSteps(1)), std::vector<std::string>{"Pr\xE9parer"});
    EXPECT_EQ(texts(activity->getGeneralProcedures()), std::vector<std::string>{"N20"});
    EXPECT_EQ(activity->getProcedureLink(), 0); // "url" in lower case is not "URL"
    EXPECT_EQ(activity->getProcedureUrl(0), "http://example.org/proc");
    EXPECT_TRUE(activity->isSeparatedProcedureText());
    EXPECT_EQ(texts(design->getPhaseList()), (std::vector<std::string>{"Inception", "Elaboration"}));
    ASSERT_EQ(design->save(), 1);
    const std::string data = f.read("site/Process/Design/process.data");
    EXPECT_NE(data.find("ProcedureLink=NOPROCEDURE\r\n"), std::string::npos);
    EXPECT_NE(data.find("Step=#0 Prepare,#0C Note well,#1 Detail,Write\\comma then check\r\n"), std::string::npos);
    EXPECT_NE(data.find("ProjectKind=generic\r\n"), std::string::npos); // none of its own: its parent's, written back
    design->load(1);
    EXPECT_EQ(texts(design->getItemActivity()->getOwnSteps(0)).back(), "Write, then check");
}

TEST_F(ProcessClassesTest, DerivedActivitiesInheritStepsAndDescriptionAndSurviveCycles) {
    ItemActivity* review = f.item("N9")->getItemActivity();
    EXPECT_EQ(texts(review->getSteps(1)), (std::vector<std::string>{"#0 Prepare", "#0C Note well", "#1 Detail",
                                                                    "Write, then check", "Check the design"}));
    EXPECT_EQ(texts(review->getSteps(0)), std::vector<std::string>{"Check the design"});
    EXPECT_EQ(review->readDescription(0, 1, 0, 0), "Design the product.<br>\n<br>\nReview it.<br>\n");
    EXPECT_EQ(review->readDescription(0, 0, 0, 0), "Review it.\r\n");
    // Design now derives from Review: a cycle.
    ItemActivity* design = f.item("N8")->getItemActivity();
    design->setDerived(1);
    design->setDerivedFrom("N9");
    EXPECT_EQ(texts(review->getSteps(1)).size(), 5u);
    EXPECT_EQ(texts(design->getSteps(1)).front(), "Check the design");
    EXPECT_EQ(review->readDescription(0, 1, 0, 0), "Design the product.<br>\n<br>\nReview it.<br>\n");
}

TEST_F(ProcessClassesTest, ActivityPopupUnderEachOption) {
    ProcessItem* design = f.item("N8");
    ItemActivity* activity = design->getItemActivity();
    activity->buildHtmlDescription(0);
    EXPECT_EQ(design->getHtmlDescription(0), ""); // every option off
    const std::string heading = "<b><font color='navy'>";
    struct {
        const char* option;
        std::string popup;
    } cases[] = {
        {"AP_Desc", heading + "Description</font></b><br>Design the product.\r\n"},
        {"AP_IWP", heading + "Input work products</font></b><br>* Blueprint (Approved) (2)"},
        {"AP_OWP", heading + "Output work products</font></b><br>* Code"},
        // A plain name is shown as it is, whether a role has it or not.
        {"AP_Roles", heading + "Roles</font></b><br>* <font color='navy'>Performer:</font> Designer, unknown role<br>* "
                               "<font color='navy'>Assistant:</font> Lead"},
        {"AP_Steps", heading + "Steps</font></b><br>* Prepare<br><i>Note well</i><br>* Write, then check"},
    };
    for (const auto& c : cases) {
        for (const auto& other : cases)
            f.setOption(other.option, other.option == c.option ? "yes" : "false");
        activity->buildHtmlDescription(0);
        EXPECT_EQ(design->getHtmlDescription(0), c.popup) << c.option;
    }
    for (const auto& c : cases)
        f.setOption(c.option, "yes");
    activity->buildHtmlDescription(0);
    EXPECT_EQ(design->getHtmlDescription(0), cases[0].popup + "<br><br>" + cases[1].popup + "<br><br>" +
                                                 cases[2].popup + "<br><br>" + cases[3].popup + "<br><br>" +
                                                 cases[4].popup);
    f.write("site/Process/Design/ActivityDescription.txt", std::string(1500, 'd'));
    f.setOption("AP_IWP", "false");
    f.setOption("AP_OWP", "false");
    f.setOption("AP_Roles", "false");
    f.setOption("AP_Steps", "false");
    activity->buildHtmlDescription(0);
    EXPECT_EQ(design->getHtmlDescription(0), heading + "Description</font></b><br>" + std::string(1000, 'd') + " ...");
}

TEST_F(ProcessClassesTest, WorkProductAttributesAndTheirRules) {
    ProcessItem* blueprint = f.item("N10");
    ItemWorkProduct* product = blueprint->getItemWorkProduct();
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(product->getTemplateNameL1F1(), "blueprint.doc"); // alternative links off
    EXPECT_EQ(product->getExampleNameL1F1(), "example.doc");
    EXPECT_EQ(product->getWPName(), "BP-<nn>");
    EXPECT_EQ(product->m_toArchive, 1);
    EXPECT_EQ(product->m_viewParentWorkProductInActivity, 0); // "True" is not "true"
    EXPECT_EQ(product->m_defaultExampleLibrary, 1);           // "False" is not "false"
    EXPECT_EQ(product->getExampleLibraryPath(), "C:\\lib/");
    EXPECT_EQ(product->getAuthorsText(), "~n3/author,~n4/reviewed by,~n5/author");
    EXPECT_EQ(product->hasAuthor(f.item("N3"), "author"), 1);
    EXPECT_EQ(product->hasAuthor(f.item("N4"), "author"), 0);
    EXPECT_EQ(product->getImagePath(), "site/Products/Blueprint/blueprint.gif");
    EXPECT_EQ(f.item("N12")->getItemWorkProduct()->getImagePath(), "images/doc2.gif");
    EXPECT_EQ(f.item("N11")->getExtension()->hasDiagram(), 0);
    EXPECT_EQ(static_cast<ItemWorkProduct*>(f.item("N11")->getExtension())->getDisplayName(0),
              "Blueprint / Approved");
    EXPECT_EQ(static_cast<ItemWorkProduct*>(f.item("N11")->getExtension())->getDisplayName(1),
              "Plan d\xE9taill\xE9 / Approuv\xE9" "e");

    f.setOption("UseAlternativeLinks", "yes");
    blueprint->load(1);
    EXPECT_EQ(blueprint->getItemWorkProduct()->getTemplateNameL1F1(), "http://example.org/blueprint.doc");
    ASSERT_EQ(blueprint->save(), 1);
    const std::string data = f.read("site/Products/Blueprint/process.data");
    EXPECT_NE(data.find("ExampleLibraryPath=C:\\lib/\r\n"), std::string::npos);
    EXPECT_NE(data.find("DefaultExampleLibrary=true\r\n"), std::string::npos);
    EXPECT_NE(data.find("viewParentWorkProductInActivity=false\r\n"), std::string::npos);
    EXPECT_NE(data.find("Author=~n3/author,~n4/reviewed by,~n5/author\r\n"), std::string::npos);
}

TEST_F(ProcessClassesTest, ExampleLibraryListing) {
    ItemWorkProduct* code = f.item("N12")->getItemWorkProduct();
    EXPECT_EQ(texts(code->getArchiveFiles()), std::vector<std::string>{"a.doc"});
    TwoStringListe* folders = code->getExampleLibraryList();
    ASSERT_EQ(folders->count(), 1);
    EXPECT_EQ(folders->at(1)->getFirst(), "reports");
    EXPECT_EQ(folders->at(1)->getSecond(), "reports/");
    EXPECT_EQ(folders->at(1)->getNumber(), 1);
    EXPECT_EQ(code->isArchiveEmpty(), 0);
    // A state with a library of its own shows in its work product's library.
    f.write("site/Products/Blueprint/process.data", "[PROCESSUS]\r\nClass=WORKPRODUCT\r\n");
    f.item("N10")->load(1);
    f.item("N11")->load(1);
    TwoStringListe* parentFolders = f.item("N10")->getItemWorkProduct()->getExampleLibraryList();
    ASSERT_EQ(parentFolders->count(), 1);
    EXPECT_EQ(parentFolders->at(1)->getFirst(), "Approved");
    EXPECT_EQ(parentFolders->at(1)->getSecond(), "../Approved/ar/");
    EXPECT_EQ(parentFolders->at(1)->getNumber(), 0);
}

TEST_F(ProcessClassesTest, CountingWorkProductsCountsStatesOfOneParentOnce) {
    ItemActivity* design = f.item("N8")->getItemActivity();
    // A state: its extension is a work product's.
    auto* state = static_cast<ItemWorkProduct*>(f.item("N11")->getExtension());
    EXPECT_EQ(state->m_viewParentWorkProductInActivity, 1);
    // Two references to states of Blueprint count once only when the
    // state itself is the referenced work product.
    design->getInWorkProducts()->deleteAll();
    design->getInWorkProducts()->append(new CString("Approved"));
    design->getInWorkProducts()->append(new CString("approved//2"));
    design->getInWorkProducts()->append(new CString("Code"));
    f.item("N11")->changeClass("WORKPRODUCT"); // findWorkProduct looks among work products
    EXPECT_EQ(design->countInWorkProducts(), 2);
    EXPECT_EQ(design->countOutWorkProducts(), 2);
}

TEST_F(ProcessClassesTest, WorkProductAndRolePopups) {
    ProcessItem* blueprint = f.item("N10");
    f.setOption("WPP_Desc", "yes");
    f.setOption("WPP_Aut", "yes");
    f.setOption("View_WPO_Tailoring_Guideline", "yes");
    f.write("site/Products/Blueprint/Tailoring.txt", "Skip it.");
    blueprint->buildHtmlDescription(0);
    const std::string heading = "<b><font color='navy'>";
    EXPECT_EQ(blueprint->getHtmlDescription(0),
              heading + "Description</font></b><br>What the system shall do.\r\n<br><br>" + heading +
                  "Tailoring</font></b><br>Skip it.<br><br>" + heading + "Authors</font></b><br>* Designer<br>* Lead");
    ProcessItem* designer = f.item("N3");
    designer->buildHtmlDescription(0);
    EXPECT_EQ(designer->getHtmlDescription(0), "");
    f.setOption("RP_Desc", "yes");
    designer->buildHtmlDescription(1);
    EXPECT_EQ(designer->getHtmlDescription(1), ""); // no second-language description
    designer->buildHtmlDescription(0);
    EXPECT_EQ(designer->getHtmlDescription(0), heading + "Description</font></b><br>Designs the system.\r\n");
}

TEST_F(ProcessClassesTest, ActivitySheetHasItsPagesAndWritesInOrder) {
    ProcessItem* design = f.item("N8");
    ScriptedEditing editing([&](PropertySheet& sheet) {
        auto* attributes = pageOf<CActivityAttrDialogMgt>(sheet);
        EXPECT_EQ(attributes->m_activityType, "Standard");
        attributes->m_activityType = "Meeting";
        attributes->m_procedureLink = 2;
        attributes->m_derivedFrom = f.item("N9");
        attributes->m_derived = 1;
        pageOf<ActivityDescDialogMgt>(sheet)->m_description = "Changed description";
        pageOf<CIdentificationDialogMgt>(sheet)->m_nameL2 = "Conception modifi\xE9" "e";
        return IDOK;
    });
    design->edit();
    EXPECT_EQ(editing.title, "Edit activity: Design");
    EXPECT_EQ(editing.captions, (std::vector<std::string>{"Roles - Work products", "Steps", "Attributes and procedures",
                                                          "Description", "Description 2nd Lang", "Tailoring guideline",
                                                          "Tailoring guideline 2nd lang", "Measures", "Informations",
                                                          "Identification"}));
    const std::string data = f.read("site/Process/Design/process.data");
    EXPECT_NE(data.find("ActivityType=Meeting\r\n"), std::string::npos);
    EXPECT_NE(data.find("ProcedureLink=URL\r\n"), std::string::npos);
    EXPECT_NE(data.find("DerivedFrom=N9\r\n"), std::string::npos);
    EXPECT_EQ(f.read("site/Process/Design/ActivityDescription.txt"), "Changed description");
    EXPECT_EQ(design->getNameL2(), "Conception modifi\xE9" "e"); // renamed through the project
    EXPECT_NE(f.read("tolvane/MenuTreeV2.dat").find("Conception modifi\xE9" "e"), std::string::npos);
}

TEST_F(ProcessClassesTest, WorkProductSheetWritesTemplatesAndAuthors) {
    ProcessItem* blueprint = f.item("N10");
    f.setOption("UseAlternativeLinks", "yes");
    ScriptedEditing editing([&](PropertySheet& sheet) {
        auto* attributes = pageOf<CWorkProductPPage1>(sheet);
        EXPECT_EQ(attributes->m_authors.size(), 3u);
        attributes->m_authors.resize(1);
        attributes->m_authors.push_back(
            references::chosenRow(f.item("N4"), {f.item("N4")->getName(), "validated by"}));
        attributes->m_location = "Archive room";
        auto* templates = pageOf<CWorkProductPPage2>(sheet);
        EXPECT_EQ(templates->m_altTemplateNameL1F1, "http://example.org/blueprint.doc");
        templates->m_templateNameL2F2 = "plan-fr.doc";
        templates->m_altTemplateNameL1F1 = "";
        pageOf<CWorkProductPPage4>(sheet)->m_exampleLibraryPath = "/srv/library";
        return IDOK;
    });
    blueprint->edit();
    EXPECT_EQ(editing.title, "WorkProduct edition: Blueprint");
    EXPECT_EQ(editing.captions, (std::vector<std::string>{"Attributes", "Description 2nd Lang", "Templates", "Examples",
                                                          "Tailoring guideline", "Tailoring guideline 2nd lang",
                                                          "Identification", "Informations"}));
    ItemWorkProduct* product = blueprint->getItemWorkProduct();
    EXPECT_EQ(product->getAuthorsText(), "~N3/author,~N4/validated by");
    EXPECT_EQ(product->getTemplateNameL1F1(), "blueprint.doc"); // the alternative was emptied
    const std::string data = f.read("site/Products/Blueprint/process.data");
    EXPECT_NE(data.find("Location=Archive room\r\n"), std::string::npos);
    EXPECT_NE(data.find("TemplateNameL1F1=blueprint.doc\r\nAlternativeTemplateNameL1F1=\r\n"), std::string::npos);
    EXPECT_NE(data.find("TemplateNameL2F2=plan-fr.doc\r\n"), std::string::npos);
    EXPECT_NE(data.find("ExampleLibraryPath=/srv/library/\r\n"), std::string::npos);
}

TEST_F(ProcessClassesTest, RoleSheetsAndCancel) {
    ProcessItem* designer = f.item("N3");
    const std::string before = f.read("site/Roles/Engineers/Designer/process.data");
    ScriptedEditing editing([&](PropertySheet& sheet) {
        pageOf<Role1DialogMgt>(sheet)->m_image = "new.gif";
        return IDCANCEL;
    });
    designer->edit();
    EXPECT_EQ(editing.title, "Role edition: Designer");
    EXPECT_EQ(editing.captions, (std::vector<std::string>{"Role attributes", "Description 2nd Lang", "Identification"}));
    EXPECT_EQ(f.read("site/Roles/Engineers/Designer/process.data"), before);
    ScriptedEditing accept([&](PropertySheet& sheet) {
        auto* attributes = pageOf<Role1DialogMgt>(sheet);
        if (!attributes)
            return IDOK; // the role-map sheet
        EXPECT_EQ(attributes->m_description, "Designs the system.\r\n");
        attributes->m_image = "new.gif";
        attributes->m_description = "Draws plans.";
        return IDOK;
    });
    designer->edit();
    EXPECT_EQ(designer->getItemRole()->getImage(), "new.gif");
    EXPECT_EQ(f.read("site/Roles/Engineers/Designer/RoleDescription.txt"), "Draws plans.");
    f.item("N2")->edit();
    EXPECT_EQ(accept.title, "Role map edition: Engineers");
    EXPECT_EQ(accept.captions, (std::vector<std::string>{"Workflow", "Identification"}));
}

} // namespace
