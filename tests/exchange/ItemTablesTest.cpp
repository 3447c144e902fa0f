// The item tables, the breakdown files, the attribute files and the reports
// on the fixture process: each file as its golden copy, read back alike by
// the program's reader and by Python's csv module, and told to the user.

#include "ExportsProject.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct ExportCase {
    const char* name;
    std::function<void(ProcessManager&)> run;
    std::vector<const char*> files;
    const char* message;
};

const std::vector<ExportCase>& exportCases() {
    static const std::vector<ExportCase> cases = {
        {"templates",
         [](ProcessManager& m) { m.exportTemplatesList(); },
         {"templates.csv"},
         "templates.csv generated in <site root>/tmp directory and templates copy in <site "
         "root>/tmp/templates "
         "directory\""},
        {"procedures",
         [](ProcessManager& m) { m.exportProceduresList(); },
         {"procedures.csv"},
         "procedures.csv generated in <site root>/tmp directory"},
        {"glossary",
         [](ProcessManager& m) { m.exportGlossary(); },
         {"glossary.csv"},
         "glossary.csv generated in <site root>/tmp directory"},
        {"work products",
         [](ProcessManager& m) { m.exportWorkProductsList(); },
         {"workProducts.csv"},
         "workProducts.csv generated in <site root>/tmp directory"},
        {"roles",
         [](ProcessManager& m) { m.exportRolesList(); },
         {"roles.csv"},
         "roles.csv generated in <site root>/tmp directory"},
        {"activities",
         [](ProcessManager& m) { m.exportActivitiesList(); },
         {"activities.csv"},
         "activities.csv generated in <site root>/tmp directory"},
        {"traceability",
         [](ProcessManager& m) { m.exportTraceabilityLinks(); },
         {"TraceabilityLinks.csv"},
         "TraceabilityLinks.csv generated in <site root>/tmp directory"},
        {"wbs",
         [](ProcessManager& m) { m.exportWBS(); },
         {"wbs.csv", "wbs2.csv", "schedule.csv"},
         "wbs.csv, wbs2.csv, schedule.csv generated in <site root>/tmp directory"},
        {"matrices",
         [](ProcessManager& m) { m.exportActivityArtefactMatrix(); },
         {"aam.csv", "aat.csv"},
         "aam.csv and aat.csv generated in <site root>/tmp directory"},
        {"activity attributes",
         [](ProcessManager& m) { m.exportActivitiesAttributes(); },
         {"activitiesAttr.csv"},
         "activitiesAttr.csv generated in <site root>/tmp directory"},
        {"work product attributes",
         [](ProcessManager& m) { m.exportWPAttributes(); },
         {"WPAttr.csv"},
         "WPAttr.csv generated in <site root>/tmp directory"},
        {"descriptions",
         [](ProcessManager& m) { m.exportItemDescription(); },
         {"itemDescription.csv"},
         "Generation of <site root>/tmp/itemDescription.csv."},
        {"versions",
         [](ProcessManager& m) { m.generateVersionAndApprovalStatus(); },
         {"VersionAndApproval.csv", "Version.csv"},
         "Generation of <site root>/tmp/VersionAndApproval.csv and <site root>/tmp/Version.csv."},
        {"search",
         [](ProcessManager& m) { m.searchText("THE", 0); },
         {"SearchReport.csv"},
         "SearchReport.csv generated in <site root>/tmp directory"},
        {"integrity",
         [](ProcessManager& m) { m.generateIntegrityReport(); },
         {"Report.csv"},
         "Report.csv generated in <site root>/tmp directory"},
        {"progress",
         [](ProcessManager& m) { m.generateProgressStatusReport(); },
         {"progressStatusReport.csv"},
         "Generation of <site root>/tmp/progressStatusReport.csv."},
    };
    return cases;
}

} // namespace

TEST(ExportFilesTest, EachFileIsItsGoldenCopyAndIsTold) {
    for (const auto& c : exportCases()) {
        ExportsProject project;
        ProcessManager& manager = project.open();
        c.run(manager);
        EXPECT_EQ(project.lastMessage(), c.message) << c.name;
        for (const char* file : c.files)
            EXPECT_EQ(
                compareWithGolden(project.read(std::string("tmp/") + file), std::string("exports/") + file),
                "")
                << c.name;
    }
}

TEST(ExportFilesTest, ASpreadsheetReadsTheFieldsTheProgramReads) {
    // Every file is kept aside, so that one run of Python reads them all.
    TempDir kept;
    std::vector<std::string> files, paths;
    for (const auto& c : exportCases()) {
        ExportsProject project;
        c.run(project.open());
        for (const char* file : c.files) {
            const std::string copy = kept / (std::to_string(paths.size()) + "-" + file);
            std::filesystem::copy_file(project.path(std::string("tmp/") + file), copy);
            files.push_back(file);
            paths.push_back(copy);
        }
    }
    const std::vector<CsvReadings> readings = readCsvFilesBothWays(paths);
    for (size_t f = 0; f < files.size(); ++f) {
        ASSERT_FALSE(readings[f].program.empty()) << files[f];
        EXPECT_EQ(readings[f].python, readings[f].program) << files[f];
    }
}

TEST(ExportFilesTest, ValuesHoldingTheSeparatorOrQuotesStayOneField) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    manager.exportWPAttributes();
    manager.exportRolesList();
    const std::vector<CsvReadings> readings =
        readCsvFilesBothWays({project.path("tmp/WPAttr.csv"), project.path("tmp/roles.csv")});
    const CsvReadings& attributes = readings[0];
    const std::vector<std::string> metrics = {"N38", "Metrics; monthly", "metrics.xls", "", "", "", "",
                                              "",    "Engineering",      "Test"};
    EXPECT_NE(std::find(attributes.python.begin(), attributes.python.end(), metrics),
              attributes.python.end());
    const CsvReadings& roles = readings[1];
    EXPECT_EQ(roles.python.back(), std::vector<std::string>{"Quality \"lead\""});
}

TEST(ExportFilesTest, AFileThatCannotBeWrittenIsToldAndNoSuccessShown) {
    for (const auto& c : exportCases()) {
        ExportsProject project;
        ProcessManager& manager = project.open();
        std::filesystem::remove_all(project.path("tmp"));
        c.run(manager);
        const std::string failure = project.path(std::string("tmp/") + c.files.front()) +
                                    " creation failed. Verify the directory " + project.path("tmp") +
                                    " exist.";
        EXPECT_EQ(std::count_if(project.ui.messages.begin(), project.ui.messages.end(),
                                [&](const auto& m) { return m.text == failure.c_str(); }),
                  1)
            << c.name << ": " << project.lastMessage();
        for (const auto& message : project.ui.messages)
            EXPECT_NE(message.text.str(), c.message) << c.name;
        EXPECT_FALSE(project.exists("tmp")) << c.name;
    }
}

TEST(ItemTablesTest, TemplatesAreCopiedOnlyWhenAskedAndNeverOverwritten) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    project.ui.answers = {IDNO};
    manager.exportTemplatesList();
    EXPECT_EQ(project.ui.messages.front().text, "Do you want to export the templates themselves ?");
    EXPECT_FALSE(project.exists("tmp/templates"));

    project.write("tmp/templates/test-plan.doc", "kept");
    project.ui.answers = {IDYES};
    manager.exportTemplatesList();
    EXPECT_EQ(project.lastMessage(),
              "templates.csv generated in <site root>/tmp directory and templates copy in "
              "<site root>/tmp/templates directory\"");
    EXPECT_EQ(project.read("tmp/templates/test-plan.doc"), "kept");
    EXPECT_EQ(project.read("tmp/templates/design.doc"), "design template\r\n");
    // Templates named by an address, or missing from the item folder, are not copied.
    std::vector<std::string> copied;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(project.path("tmp/templates")))
        copied.push_back(entry.path().filename().string());
    std::sort(copied.begin(), copied.end());
    EXPECT_EQ(copied, (std::vector<std::string>{"design.doc", "test-plan.doc"}));
}

TEST(ItemTablesTest, ProcedureDocumentsAreCopiedWhenAsked) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    project.ui.answers = {IDYES};
    manager.exportProceduresList();
    EXPECT_EQ(project.ui.messages.front().text, "Do you want to export the procedures themselves");
    EXPECT_EQ(project.read("tmp/procedures/rules.pdf"), "%PDF-1.4 rules\r\n");
    EXPECT_EQ(project.read("tmp/procedures/review.htm"),
              project.read("site/Procedures/Review_procedure/review.htm"));
    EXPECT_TRUE(project.exists("tmp/procedures/revue.htm"));
}

TEST(ItemTablesTest, AProjectWithoutItemsOfTheClassGivesTheHeaderAlone) {
    ExportsProject project;
    project.write("tolvane/MenuTreeV2.dat",
                  "0*N1*Roles*../site/Roles/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n");
    ProcessManager& manager = project.open();
    manager.exportActivitiesList();
    EXPECT_EQ(project.read("tmp/activities.csv"),
              "Activity name;Phase;Discipline;Project Kind;Role\r\n;;;;Actor without defined responsibility;"
              "responsible;consulted\r\n");
    manager.exportGlossary();
    EXPECT_EQ(
        project.read("tmp/glossary.csv"),
        "uid;Name L1;Name L2;description;description L2;source L1;source L2;equivalent L1;equivalent L2\r\n");
}
