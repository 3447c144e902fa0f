#include "ItemClasses.h"
#include "ItemExtensions.h"
#include "ProcessFixture.h"

#include <gtest/gtest.h>
#include <set>
#include <typeinfo>

namespace {

struct ClassRow {
    int kind;
    const char* display;
    const char* stored;
    const std::type_info& extension;
};

const ClassRow kClasses[] = {
    {1, "NOPROCESSCLASS", "NOPROCESSCLASS", typeid(ProcessItemExtension)},
    {2, "ROLE", "PROCESSROLE", typeid(ItemRole)},
    {3, "NOPROCESSCLASS", "NOPROCESSCLASS", typeid(ProcessItemExtension)},
    {4, "ACTIVITY", "ACTIVITY", typeid(ItemActivity)},
    {5, "MACRO-ACTIVITY", "MACROACTIVITY", typeid(ItemMacroActivity)},
    {6, "PHASE", "PHASE", typeid(ItemPhase)},
    {7, "WORKPRODUCT", "WORKPRODUCT", typeid(ItemWorkProduct)},
    {8, "WORKPRODUCT STATE", "WORKPRODUCTSTATE", typeid(ItemWorkProduct)},
    {9, "WORKFLOW", "WORKFLOW", typeid(ItemWorkflow)},
    {10, "DISCIPLINE", "DISCIPLINE", typeid(ItemDiscipline)},
    {11, "TEMPLATE ACCESS", "TEMPLATEACCESS", typeid(ItemTemplateAccess)},
    {12, "GENERAL PROCEDURE", "GENERALPROCEDURE", typeid(ItemGenericProcedure)},
    {13, "GENERAL PROCEDURE GROUP", "GENERALPROCEDUREGROUP", typeid(ItemGenericProcedureGroup)},
    {14, "PROCESS OVERVIEW", "PROCESSOVERVIEW", typeid(ItemProcessOverview)},
    {15, "WORKPRODUCT GROUP", "WORKPRODUCTGROUP", typeid(ItemWorkProductGroup)},
    {16, "ROLE GROUP", "ROLEGROUP", typeid(ItemRoleGroup)},
    {17, "WORKPRODUCT OVERVIEW", "WORKPRODUCTOVERVIEW", typeid(ItemWorkProductOverview)},
    {18, "PROCESSFORMALISM", "PROCESSFORMALISM", typeid(ProcessItemExtension)},
    {19, "MEASURE", "MEASURE", typeid(ItemMeasure)},
    {20, "GLOSSARY ENTRY", "GLOSSARYENTRY", typeid(ItemGlossaryEntry)},
    {21, "GLOSSARY", "GLOSSARY", typeid(ItemGlossary)},
    {22, "DOMAIN", "DOMAIN", typeid(ItemDomain)},
    {23, "QUALITY CRITERIA", "QUALITYCRITERIA", typeid(ItemQualityCriteria)},
    {24, "SITE MAP", "SITEMAP", typeid(ItemSiteMap)},
};

TEST(ItemClassesTest, KindsKeywordsAndExtensions) {
    for (const auto& row : kClasses) {
        const bool noClass = row.kind == 1 || row.kind == 3;
        EXPECT_EQ(getProcessClassKeyword(row.kind, 1), row.display) << row.kind;
        EXPECT_EQ(getProcessClassKeyword(row.kind, 0), row.stored) << row.kind;
        if (!noClass) {
            EXPECT_EQ(getProcessClassFromKeyword(row.display), row.kind) << row.display;
            EXPECT_EQ(getProcessClassFromKeyword(row.stored), row.kind) << row.stored;
        }
        ProcessItem item(nullptr, "x", "../site/x/overview.htm", 0, "", "", 0, nullptr, 0, "");
        item.createExtension(row.kind);
        ASSERT_NE(item.getExtension(), nullptr);
        EXPECT_EQ(typeid(*item.getExtension()), row.extension) << row.kind;
        EXPECT_EQ(item.getClassKind(), row.kind);
    }
    for (const char* other : {"activity", "", "NOPROCESSCLASS", "--- Group ---", "MACRO ACTIVITY"})
        EXPECT_EQ(getProcessClassFromKeyword(other), 1) << other;
    EXPECT_EQ(getProcessClassKeyword(0, 1), "NOPROCESSCLASS");
    EXPECT_EQ(getProcessClassKeyword(25, 0), "NOPROCESSCLASS");
}

TEST(ItemClassesTest, TypedGettersAnswerOnlyTheirKind) {
    ProcessItem state(nullptr, "s", "../site/s/overview.htm", 0, "", "", 0, nullptr, 0, "");
    state.createExtension(8);
    EXPECT_EQ(state.getItemWorkProduct(), nullptr); // a state's extension is a work product's all the same
    ProcessItem product(nullptr, "p", "../site/p/overview.htm", 0, "", "", 0, nullptr, 0, "");
    product.createExtension(7);
    EXPECT_NE(product.getItemWorkProduct(), nullptr);
    EXPECT_EQ(product.getItemActivity(), nullptr);
    product.setClassKind(4); // the old extension stays in place
    EXPECT_EQ(product.getClassKind(), 4);
    EXPECT_EQ(product.getItemActivity(), nullptr);
    EXPECT_NE(dynamic_cast<ItemWorkProduct*>(product.getExtension()), nullptr);
}

// The rule as stated per parent kind, besides kinds 1 and 24 that go anywhere.
const std::pair<int, std::set<int>> kAllowed[] = {
    {1, {3, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 21, 22}},
    {2, {2}},
    {4, {4, 23}},
    {5, {4, 5, 23}},
    {6, {4, 5, 23}},
    {7, {7, 8, 23}},
    {9, {4, 5, 6, 14, 23}},
    {10, {9, 11, 13, 14, 15, 16, 17, 21}},
    {13, {12}},
    {15, {7, 15}},
    {16, {2, 16}},
    {21, {20}},
    {22, {9, 10, 11, 13, 14, 15, 16, 17, 21}},
};

TEST(ItemClassesTest, ChildClassMatrixForEveryPair) {
    for (int parent = 0; parent <= 25; ++parent) {
        std::set<int> allowed;
        for (const auto& [kind, children] : kAllowed)
            if (kind == parent)
                allowed = children;
        for (int child = 0; child <= 25; ++child) {
            const bool expected = child == 1 || child == 24 || allowed.count(child) > 0;
            EXPECT_EQ(isAllowedChildClass(child, parent), expected ? 1 : 0) << child << " under " << parent;
        }
    }
}

TEST(ItemClassesTest, ShortcutParentsAndChildrenStandForTheirTargets) {
    TempDir dir;
    ProcessTestProject project((dir / "site.tvx").c_str(), nullptr, 0);
    auto* workflow = project.createItem(nullptr, "Flow", "../site/Flow/overview.htm", 0, "", "", 0, 0, "");
    auto* shortcut = project.createItem(nullptr, "-> Flow", "../site/Flow/overview.htm", 0, "", "", 0, 0, "");
    auto* phase = project.createItem(nullptr, "Phase", "../site/Phase/overview.htm", 0, "", "", 0, 0, "");
    auto* phaseShortcut = project.createItem(nullptr, "-> Phase", "../site/Phase/overview.htm", 0, "", "", 0, 0, "");
    auto* dangling = project.createItem(nullptr, "-> None", "../site/None/overview.htm", 0, "", "", 0, 0, "");
    for (Item* item : {workflow, shortcut, phase, phaseShortcut, dangling})
        project.getItemList()->append(item);
    static_cast<ProcessItem*>(workflow)->createExtension(9);
    static_cast<ProcessItem*>(phase)->createExtension(6);
    EXPECT_EQ(isAllowedChildClassOf(6, shortcut), 1); // a PHASE under a shortcut to a WORKFLOW
    EXPECT_EQ(isAllowedChildClassOf(6, nullptr), 0);
    EXPECT_EQ(isAllowedChildClassOf(24, phase), 1);
    EXPECT_EQ(isAllowedChildItemOf(phaseShortcut, workflow), 1);
    EXPECT_EQ(isAllowedChildItemOf(phaseShortcut, nullptr), 0);
    EXPECT_EQ(isAllowedChildClassOf(9, dangling), 1); // a missing target counts as kind 1
    EXPECT_EQ(isAllowedChildItemOf(nullptr, phase), 1);
}

TEST(ItemClassesTest, ChangingTheClassReplacesTheExtensionAndWritesClass) {
    ProcessFixture fixture("process-items");
    ProcessItem* design = fixture.item("N2");
    design->load(0);
    ASSERT_NE(design->getItemActivity(), nullptr);
    design->changeClass("GLOSSARY");
    EXPECT_EQ(design->getClassKind(), 21);
    EXPECT_EQ(typeid(*design->getExtension()), typeid(ItemGlossary));
    EXPECT_NE(fixture.read("site/Process/Design/process.data").find("Class=GLOSSARY\r\n"), std::string::npos);
    EXPECT_NE(fixture.read("site/Process/Design/process.data").find("CustomKey=kept as it is"), std::string::npos);
    design->changeClass("no such class");
    EXPECT_EQ(design->getClassKind(), 1);
    EXPECT_EQ(typeid(*design->getExtension()), typeid(ProcessItemExtension));
    EXPECT_NE(fixture.read("site/Process/Design/process.data").find("Class=NOPROCESSCLASS\r\n"), std::string::npos);
}

} // namespace
