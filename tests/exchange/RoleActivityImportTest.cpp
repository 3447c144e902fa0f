#include "ExportsProject.h"
#include "ItemActivity.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const kMatrix = "Matrix of the roles\r\n"
                            ";;;;;Architect;Tester;Quality \"lead\";Nobody\r\n"
                            "Design the system;;;;;responsible;X;;consulted\r\n"
                            ";;Run the tests;;Other name;Consulted; x ;Boss;\r\n"
                            ";;;;;x\r\n"
                            "Plan the tests;;;;;x\r\n"
                            "Unknown act;;;;;x\r\n"
                            "a;b\r\n"
                            ";;Review the plan;;;;;;x;extra\r\n";

std::string rolesOf(const ExportsProject& project, const char* uid) {
    return project.item(uid)->getItemActivity()->getRolesText().str();
}

} // namespace

TEST(RoleActivityImportTest, EveryActivityNamedGetsTheRolesOfItsLine) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    project.write("matrix.csv", kMatrix);
    manager.ImportRoleActivityLinks(project.path("matrix.csv").c_str());
    EXPECT_TRUE(project.ui.messages.empty());
    EXPECT_EQ(rolesOf(project, "N21"), "Architect/responsible,Tester,Nobody/consulted");
    EXPECT_EQ(rolesOf(project, "N24"), "Architect/Consulted,Tester");
    EXPECT_EQ(rolesOf(project, "N26"), "Nobody");
    // An activity that no line names keeps its roles; all are saved.
    EXPECT_EQ(rolesOf(project, "N23"), "~n3/responsible");
    EXPECT_NE(project.read("site/Delivery/Plan_the_tests/Design_the_system/process.data")
                  .find("Roles=Architect/responsible,Tester,Nobody/consulted\r\n"),
              std::string::npos);
    EXPECT_NE(project.read("site/Delivery/Plan_the_tests/Write_the_test_plan/process.data")
                  .find("Roles=~n3/responsible\r\n"),
              std::string::npos);
    EXPECT_TRUE(manager.isLinkRefreshPending());

    const std::string log = project.read("site/ZevoRiruradiruzuz.log");
    const char* const expected[] = {
        "Load all roles from formated file\r\n",
        "Role Nobody do not exist\r\n",
        "4 role load\r\n -------- to copy in excel to view it adequately --------\r\n"
        "Activities loaded/error;error?;;responsible;consulted;\r\n",
        "Design the system;no;;Architect;Nobody;\r\n",
        "Line 4 : 2 columns defining activity names -> Run the tests, Other name;yes\r\n",
        "Line 4 : role responsibility Boss not found;yes\r\n",
        "Run the tests;no;;;Architect;\r\n",
        "Line 5 : empty activity name;yes\r\n",
        "Line 7 : activity Unknown act not found;yes\r\n",
        "Line 8 : number of required elements missing;yes\r\n",
        "Review the plan;no;;;;\r\n",
        " -------- end of \"to copy in excel to view it adequately\" --------\r\n",
        "Save role-activity links\r\n",
        "Saving roles on activity : Design the system: Architect/responsible,Tester,Nobody/consulted\r\n",
    };
    size_t at = 0;
    for (const char* line : expected) {
        const size_t found = log.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << "\nin\n" << log;
        at = found;
    }
    EXPECT_EQ(log.find("Plan the tests"), std::string::npos);
}

TEST(RoleActivityImportTest, AFileThatCannotBeReadWhollyChangesNothing) {
    struct FailureCase {
        const char* name;
        const char* bytes; // null: no file
        const char* message;
    };
    const FailureCase cases[] = {
        {"no file", nullptr, "Can not read file "},
        {"an empty file", "", "Missing header"},
        {"a header alone", "Matrix\r\n", "Missing Roles row"},
        {"a file ending inside a quoted cell", "M\r\n;;;;;Tester\r\nDesign the system;;;;;\"x",
         "Can not read file "},
    };
    for (const auto& c : cases) {
        ExportsProject project;
        ProcessManager& manager = project.open();
        if (c.bytes)
            project.write("matrix.csv", c.bytes);
        const std::string before = project.siteFiles();
        manager.ImportRoleActivityLinks(project.path("matrix.csv").c_str());
        EXPECT_EQ(project.lastMessage().substr(0, std::string(c.message).size()), c.message) << c.name;
        EXPECT_EQ(describeDifference(before, project.siteFiles(), "site"), "") << c.name;
        EXPECT_EQ(rolesOf(project, "N21"), "~n2/responsible,~n3/consulted") << c.name;
    }
}

TEST(RoleActivityImportTest, MoreThan99ResponsibilitiesStopTheImportBeforeAnyLine) {
    for (const int count : {98, 99}) {
        ExportsProject project;
        std::string responsibilities = "r1";
        for (int r = 2; r <= count; ++r)
            responsibilities += ",r" + std::to_string(r);
        project.setOption("PROCESSUS", "ROLE_RESPONSIBILITY", responsibilities.c_str());
        ProcessManager& manager = project.open();
        project.write("matrix.csv", kMatrix);
        manager.ImportRoleActivityLinks(project.path("matrix.csv").c_str());
        // The list holds the empty responsibility besides those of the settings.
        if (count + 1 > 99) {
            EXPECT_EQ(project.lastMessage(), "Maximum number of role responsibilities is 99 - ending import");
            EXPECT_EQ(rolesOf(project, "N21"), "~n2/responsible,~n3/consulted");
        } else {
            EXPECT_TRUE(project.ui.messages.empty()) << project.lastMessage();
            EXPECT_EQ(rolesOf(project, "N24"), "Tester");
        }
    }
}

TEST(RoleActivityImportTest, ARoleListThatCannotBeSavedUndoesTheImport) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    project.write("matrix.csv", kMatrix);
    std::filesystem::remove(project.path("site/Delivery/Release/Q_A_session/process.data"));
    std::filesystem::create_directory(project.path("site/Delivery/Release/Q_A_session/process.data"));
    const std::string before = project.siteFiles();
    manager.ImportRoleActivityLinks(project.path("matrix.csv").c_str());
    EXPECT_EQ(project.lastMessage(), "Error saving roles. Please consult logfile");
    EXPECT_EQ(describeDifference(before, project.siteFiles(), "site"), "");
    EXPECT_EQ(rolesOf(project, "N21"), "~n2/responsible,~n3/consulted");
    EXPECT_NE(
        project.read("site/ZevoRiruradiruzuz.log").find("Error saving roles on activity : Q&A session\r\n"),
        std::string::npos);
}
