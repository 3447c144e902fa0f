#include "CStringListePlus.h"
#include "ItemActivity.h"
#include "ItemExtensionListe.h"
#include "ItemRole.h"
#include "ItemRoleGroup.h"
#include "ItemWorkProduct.h"
#include "ListTexts.h"
#include "ProcessItemListe.h"
#include "ProcessProjectFixture.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> names(ListeGen* list) {
    std::vector<std::string> out;
    for (int i = 1; i <= list->count(); ++i)
        out.push_back(static_cast<Item*>(list->at(i))->getName().str());
    return out;
}

std::vector<std::string> linkTexts(ItemExtensionListe* links) {
    std::vector<std::string> out;
    for (int i = 1; i <= links->count(); ++i)
        out.push_back(reinterpret_cast<Item*>(links->at(i)->getItem())->getName().str() + ":" +
                      links->at(i)->getText().str());
    return out;
}

class ProcessManagerTest : public testing::Test {
protected:
    ProcessProjectFixture f;
};

TEST_F(ProcessManagerTest, OpensWithTheSettingsFilesProcessData) {
    ProcessManager* manager = f.open();
    EXPECT_EQ(ProcessManager::getInstance(), manager);
    EXPECT_EQ(manager->isProcessMode(), 1);
    EXPECT_EQ(manager->isLinkRefreshPending(), 0); // refreshed at opening
    EXPECT_EQ(texts(manager->getProjectKinds()), (std::vector<std::string>{"small", "large"}));
    EXPECT_EQ(texts(manager->getRoleResponsibilities()), (std::vector<std::string>{"", "performer", "assistant"}));
    EXPECT_EQ(manager->getWorkProductRoleResponsibilities()->count(), 5);
    EXPECT_EQ(manager->getApprovalLabel(1), "Project manager");
    EXPECT_EQ(manager->getApprovalLabel(2), "Approval 2");
    EXPECT_EQ(manager->getApprovalLabel(3), "Quality");
    EXPECT_EQ(manager->getApprovalLabel(6), "Customer");
    CStringListe* keywords = manager->getClassKeywords();
    ASSERT_EQ(keywords->count(), 23);
    EXPECT_EQ(*keywords->at(1), "ACTIVITY");
    EXPECT_EQ(*keywords->at(14), "--- Group ---");
    EXPECT_EQ(*keywords->at(23), "SITE MAP");
    EXPECT_EQ(texts(ItemWorkProduct::workProductTypes), (std::vector<std::string>{"", "report", "plan"}));
    EXPECT_EQ(manager->getGenerationLanguage(), "EN");
    EXPECT_EQ(manager->getItemCount(), 13);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.window.calls.back(), "setWindowTitle Maravex Tolvane - v2.4.5  - Demo process");
    EXPECT_NE(manager->getExporter(), nullptr);
}

TEST_F(ProcessManagerTest, ProcessSettingsFallBackToTheirDefaults) {
    f.write("site.tvx", "[STD_OPTION]\r\nDataVersion=v2.0\r\nGenerationLang=EN\r\n[PROCESS_OPTION]\r\nGerationLang=DE\r\n"
                        "[PROCESSUS]\r\nROLE_RESPONSIBILITY=\r\n");
    ProcessManager* manager = f.open();
    EXPECT_EQ(manager->isProcessMode(), 0);
    EXPECT_EQ(texts(manager->getProjectKinds()), (std::vector<std::string>{"generic"}));
    EXPECT_EQ(texts(manager->getRoleResponsibilities()), (std::vector<std::string>{""}));
    EXPECT_EQ(texts(ItemWorkProduct::workProductTypes), (std::vector<std::string>{""}));
    EXPECT_EQ(manager->getApprovalLabel(1), "Approval 1");
    EXPECT_EQ(manager->getGenerationLanguage(), "DE");
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "Warning - process data version: v2.0 - Tolvane version: v2.4.5. Please consult "
                                     "the installation manual to check if a manual migration procedure shall be "
                                     "performed!");
    EXPECT_EQ(f.window.calls.back(), "setWindowTitle Maravex Tolvane - v2.4.5");
    f.open(); // the program's version was stored: no second warning
    EXPECT_EQ(f.ui.messages.size(), 1u);
}

TEST_F(ProcessManagerTest, DeferredOpeningLeavesTreeAndLinksToTheCaller) {
    ProcessManager* manager = f.open(1);
    EXPECT_EQ(manager->getItemCount(), 0);
    EXPECT_EQ(manager->isLinkRefreshPending(), 1);
    manager->loadMenuTree(&f.window, 1);
    manager->updateLinks(0, 0);
    EXPECT_EQ(manager->isLinkRefreshPending(), 0);
    EXPECT_TRUE(f.item("N8")->isLoaded());
}

TEST_F(ProcessManagerTest, AMoveEndsWithEveryItemReadingItsDataFileAgain) {
    ProcessManager* manager = f.open();
    ASSERT_EQ(f.item("N8")->getVersion(), "");
    // Written by another copy of the program since the opening.
    f.write("site/Process/Design/process.data", f.read("site/Process/Design/process.data") + "Version=3\r\n");
    ASSERT_NE(manager->moveItem(f.item("N8"), f.item("N9"), 1, nullptr), nullptr);
    EXPECT_EQ(f.item("N8")->getVersion(), "3");
    EXPECT_EQ(manager->isLinkRefreshPending(), 0);
}

// Another copy of the program changes the shared project between two
// refreshes, in folders and files last changed long ago (whose listings and
// parsed contents are kept): the second refresh reads every item as a
// fresh open would.
TEST_F(ProcessManagerTest, ARefreshSeesWhatAnotherCopyChangedMeanwhile) {
    const timespec longAgo[2] = {{1000000000, 0}, {1000000000, 0}};
    for (const auto& entry : std::filesystem::recursive_directory_iterator(f.dir / "proj"))
        utimensat(AT_FDCWD, entry.path().c_str(), longAgo, 0);
    utimensat(AT_FDCWD, (f.dir / "proj").c_str(), longAgo, 0);
    ProcessManager* manager = f.open();
    ASSERT_EQ(f.item("N3")->Item::getDescription(1), "");
    ASSERT_EQ(f.item("N4")->Item::getDescription(0), "");
    ASSERT_EQ(f.item("N10")->getItemWorkProduct()->getTemplateNameL1F1(), "blueprint.doc");
    ASSERT_EQ(texts(f.item("N12")->getItemWorkProduct()->getArchiveFiles()), std::vector<std::string>{"a.doc"});

    f.write("site/Roles/Engineers/Designer/RoleDescriptionL2.txt", "Concepteur\r\n");
    f.write("site/Roles/Engineers/Tester/roledescription.TXT", "Tests\r\n");
    std::filesystem::rename(f.dir / "proj/site/Products/Code/ar", f.dir / "proj/site/Products/Code/AR");
    f.write("site/Products/Code/AR/b.doc", "b");
    std::string settings = f.read("site.tvx");
    settings.insert(settings.find("[PROCESS_OPTION]") + 18, "UseAlternativeLinks=yes\r\n");
    f.write("site.tvx", settings);

    manager->updateLinks(1, 0);
    EXPECT_EQ(f.item("N3")->Item::getDescription(1), "Concepteur\r\n");
    EXPECT_EQ(f.item("N4")->Item::getDescription(0), "Tests\r\n");
    EXPECT_EQ(f.item("N10")->getItemWorkProduct()->getTemplateNameL1F1(), "http://example.org/blueprint.doc");
    EXPECT_EQ(texts(f.item("N12")->getItemWorkProduct()->getArchiveFiles()),
              (std::vector<std::string>{"a.doc", "b.doc"}));
}

TEST_F(ProcessManagerTest, LinkRefreshFindsActingGroupsThroughShortcuts) {
    f.open();
    ItemRole* lead = f.item("N5")->getItemRole();
    ItemRole* tester = f.item("N4")->getItemRole();
    ASSERT_TRUE(lead && tester);
    EXPECT_EQ(tester->m_actingRoleGroup, 0); // "Yes" is not "yes"
    EXPECT_EQ(names(lead->getGroupMembers()), std::vector<std::string>{"Tester"});
    EXPECT_EQ(names(tester->getActingGroups()), std::vector<std::string>{"Lead"});
    EXPECT_EQ(f.item("N3")->getItemRole()->getActingGroups()->count(), 0);
}

TEST_F(ProcessManagerTest, RoleLinksClimbThroughGroupsAndReachMembers) {
    ProcessManager* manager = f.open();
    manager->linkRoles();
    EXPECT_EQ(linkTexts(f.item("N3")->getItemRole()->getActivityLinks()), std::vector<std::string>{"Design:performer"});
    EXPECT_EQ(linkTexts(f.item("N2")->getItemRoleGroup()->getActivityLinks()),
              std::vector<std::string>{"Design:performer"});
    EXPECT_EQ(linkTexts(f.item("N5")->getItemRole()->getActivityLinks()), std::vector<std::string>{"Design:assistant"});
    // Tester is a member of the group that Lead acts as.
    EXPECT_EQ(linkTexts(f.item("N4")->getItemRole()->getActivityLinks()), std::vector<std::string>{"Design:assistant"});
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "Some roles have not been found. Please consult logfile.");
    EXPECT_NE(f.read("site/ZevoRiruradiruzuz.log").find("Role unknown role/performer referenced in Design not found"),
              std::string::npos);
    manager->linkRoles(); // rebuilt, not doubled
    EXPECT_EQ(f.item("N3")->getItemRole()->getActivityLinks()->count(), 1);
    EXPECT_EQ(manager->getItemLinks()->count(), 3); // the member's link is owned there too
}

TEST_F(ProcessManagerTest, WorkProductLinks) {
    ProcessManager* manager = f.open();
    manager->linkWorkProducts();
    ItemWorkProduct* blueprint = f.item("N10")->getItemWorkProduct();
    ItemWorkProduct* code = f.item("N12")->getItemWorkProduct();
    EXPECT_EQ(names(blueprint->getUsingActivities()), std::vector<std::string>{"Design"});
    EXPECT_EQ(names(code->getProducingActivities()), std::vector<std::string>{"Design"});
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "Some work products have not been found. Please consult logfile.");
    EXPECT_NE(f.read("site/ZevoRiruradiruzuz.log").find("Work product missing wp referenced in Design not found"),
              std::string::npos);
    EXPECT_TRUE(blueprint->isUsedByActivity(f.item("N8"), f.item("N11"), 1));
    EXPECT_FALSE(blueprint->isUsedByActivity(f.item("N8"), nullptr, 1));
    EXPECT_TRUE(code->isUsedByActivity(f.item("N8"), nullptr, 0));
}

TEST_F(ProcessManagerTest, LookupsByNameClassAndReference) {
    ProcessManager* manager = f.open();
    EXPECT_EQ(manager->findRole("~n3/performer"), f.item("N3"));
    EXPECT_EQ(manager->findRole("DESIGNER"), f.item("N3"));
    EXPECT_EQ(manager->findRole("~n99/x"), nullptr);
    EXPECT_EQ(manager->findWorkProduct("blueprint//3"), f.item("N10"));
    EXPECT_EQ(manager->findItemByNameAndClass("approved", 8), f.item("N11"));
    EXPECT_EQ(manager->findItemByNameAndClass("approved", 7), nullptr);
    EXPECT_EQ(manager->findWorkProductStateUid(f.item("N10"), "Approved"), "N11");
    ProcessItemListe roles;
    manager->getRoles(&roles);
    EXPECT_EQ(names(&roles), (std::vector<std::string>{"Designer", "Tester", "Lead"}));
    roles.removeAll();
    ProcessItemListe* states = manager->getWorkProductStates(f.item("N10"));
    EXPECT_EQ(names(states), std::vector<std::string>{"Approved"});
    delete states;
    CStringListePlus* products = manager->getActivityWorkProductLists();
    EXPECT_EQ(texts(products), (std::vector<std::string>{"Blueprint", "Code", "missing wp"}));
    products->deleteAll();
    delete products;
    EXPECT_EQ(manager->getPhaseName("Inception", 1), "Inception");
    // The index follows renames.
    f.item("N3")->setNameText("Architect");
    EXPECT_EQ(manager->findRole("architect"), f.item("N3"));
    EXPECT_EQ(manager->findRole("designer"), nullptr);
    // And class changes, which leave the lookups by uid as they were.
    manager->changeItemClass(f.item("N3"), "GLOSSARY");
    EXPECT_EQ(manager->findRole("architect"), nullptr);
    EXPECT_EQ(manager->findItemByNameAndClass("architect", 21), f.item("N3"));
    EXPECT_EQ(manager->findItemByUid("n3"), f.item("N3"));
}

TEST_F(ProcessManagerTest, QualityCriteriaOfDerivedWorkProductsStopOnCycles) {
    ProcessManager* manager = f.open();
    // Blueprint derives from Code and Code from Blueprint.
    ProcessItemListe* criteria = manager->getQualityCriteria(f.item("N10"));
    EXPECT_EQ(criteria->count(), 0);
    delete criteria;
    auto* criterion = static_cast<ProcessItem*>(manager->addItem(f.item("N12"), "Complete", 0, "i", "o", 2, "", "",
                                                                 0, 0, 0, 1, "", 0, ""));
    criterion->createExtension(23);
    criteria = manager->getQualityCriteria(f.item("N10"));
    EXPECT_EQ(names(criteria), std::vector<std::string>{"Complete"}); // the source's, before its own
    delete criteria;
}

TEST_F(ProcessManagerTest, ChangingAUidRelinksWholeReferenceParts) {
    // A reference whose uid only begins like the changed one must stay.
    std::string design = f.read("site/Process/Design/process.data");
    design.replace(design.find("InWorkProducts=~n10/n11/2"), 25, "InWorkProducts=~n10/n11/2,~n123/n11/1");
    f.write("site/Process/Design/process.data", design);
    ProcessManager* manager = f.open();
    manager->relinkUid(f.item("N3"), "N3", "N30");
    manager->relinkUid(f.item("N12"), "N12", "N120");
    manager->relinkUid(f.item("N11"), "N11", "N110");
    manager->relinkUid(f.item("N1"), "N1", "N100"); // no reference names it: nothing changes
    // The files name the new uids, the rest of each reference as it was
    // written; the items read them again (lists lower-cased, as always).
    const std::string data = f.read("site/Process/Design/process.data");
    EXPECT_NE(data.find("Roles=~N30/performer,~n5/assistant,Unknown role/performer"), std::string::npos);
    EXPECT_NE(data.find("InWorkProducts=~n10/N110/2,~n123/N110/1"), std::string::npos);
    EXPECT_NE(data.find("OutWorkProducts=~N120//1,Missing WP"), std::string::npos);
    EXPECT_NE(
        f.read("site/Products/Blueprint/process.data").find("Author=~N30/author,~n4/reviewed by,~n5/author"),
        std::string::npos);
    ItemActivity* activity = f.item("N8")->getItemActivity();
    EXPECT_EQ(texts(activity->getRoles()),
              (std::vector<std::string>{"~n30/performer", "~n5/assistant", "unknown role/performer"}));
    EXPECT_EQ(texts(activity->getInWorkProducts()),
              (std::vector<std::string>{"~n10/n110/2", "~n123/n110/1"}));
    EXPECT_EQ(texts(activity->getOutWorkProducts()), (std::vector<std::string>{"~n120//1", "missing wp"}));
    EXPECT_EQ(f.item("N10")->getItemWorkProduct()->getAuthorsText(),
              "~n30/author,~n4/reviewed by,~n5/author");
    EXPECT_NE(f.read("site/ZevoRiruradiruzuz.log").find("Changing uid  from N3 to N30"), std::string::npos);
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST_F(ProcessManagerTest, ClassChangesAreLogged) {
    ProcessManager* manager = f.open();
    manager->changeItemClass(f.item("N1"), "GLOSSARY");
    EXPECT_EQ(f.item("N1")->getClassKind(), 21);
    EXPECT_NE(f.read("site/ZevoRiruradiruzuz.log").find("Changing item Roles from class NOPROCESSCLASS to class GLOSSARY"),
              std::string::npos);
}

TEST_F(ProcessManagerTest, PublicOperationsReportFailures) {
    ProcessManager* manager = f.open();
    manager->guarded("generate", [] { throw 42; });
    manager->guarded("exportItems", [] { throw std::runtime_error("Disk full"); });
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[0].text, "Operation failed for unknown reason (error in method ProcessManager::generate)");
    EXPECT_EQ(f.ui.messages[1].text, "Disk full");
}

} // namespace
