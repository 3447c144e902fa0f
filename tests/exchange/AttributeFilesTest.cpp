// Attribute files exported, edited as a spreadsheet would, and imported
// back: exactly the cells changed reach the items' data files; a damaged
// file, or an item that cannot be saved, leaves every item as it was.

#include "ExportsProject.h"
#include "ItemActivity.h"
#include "ItemWorkProduct.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using DataFiles = std::map<std::string, std::map<std::string, std::string>>;

// The keys of every data file of the site, by the file's path.
DataFiles dataFiles(const ExportsProject& project) {
    DataFiles files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(project.path("site"))) {
        if (entry.path().filename() != "process.data" || !entry.is_regular_file())
            continue;
        std::istringstream lines(project.dir.read(entry.path().string().substr(project.dir.path().size())));
        auto& keys = files[entry.path().string().substr(project.path("site").size())];
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const size_t equal = line.find('=');
            if (equal != std::string::npos)
                keys[line.substr(0, equal)] = line.substr(equal + 1);
        }
    }
    return files;
}

// What changed from before to after: "file key: old -> new", one a line.
std::string changes(const DataFiles& before, const DataFiles& after) {
    std::string text;
    for (const auto& [file, keys] : after) {
        const auto old = before.find(file);
        for (const auto& [key, value] : keys) {
            const std::string was =
                old == before.end() || !old->second.count(key) ? "<none>" : old->second.at(key);
            if (was != value)
                text += file + " " + key + ": " + was + " -> " + value + "\n";
        }
    }
    return text;
}

// The file with the text of the line of the uid replaced.
std::string withLine(const std::string& file, const std::string& uid, const std::string& line) {
    const size_t start = file.find("\r\n" + uid + ";") + 2;
    const size_t end = file.find("\r\n", start);
    return file.substr(0, start) + line + file.substr(end);
}

// The start of a round trip: a first import of the file as exported brings
// every data file it names into the form the items' save writes; the data
// files are then taken as they stand, and the file is exported again, to
// be edited. The text of the file exported.
std::string exportedAfterFirstImport(ExportsProject& project, void (ProcessManager::*exportFile)(),
                                     void (ProcessManager::*importFile)(const CString&),
                                     const std::string& name, DataFiles& before) {
    ProcessManager& manager = *project.manager;
    (manager.*exportFile)();
    (manager.*importFile)(project.path("tmp/" + name).c_str());
    before = dataFiles(project);
    (manager.*exportFile)();
    return project.read("tmp/" + name);
}

} // namespace

TEST(AttributeFilesTest, ActivityAttributesComeBackWithExactlyTheCellsChanged) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    DataFiles before;
    std::string file =
        exportedAfterFirstImport(project, &ProcessManager::exportActivitiesAttributes,
                                 &ProcessManager::importActivitiesAttribute, "activitiesAttr.csv", before);
    file = withLine(file, "N24",
                    "N24;Run the tests;APPROVED;4;Standard;Run every test|Report the defects;;NOPROCEDURE;");
    file =
        withLine(file, "N31",
                 "N31;Q&A session;DRAFT;;Meeting;Run every test|Report the defects|Answer the questions. log "
                 "them|#1C Keep it short|Write the minutes;R\xE9pondre aux questions;URL;");
    project.write("tmp/edited.csv", file);
    manager.importActivitiesAttribute(project.path("tmp/edited.csv").c_str());
    EXPECT_EQ(project.lastMessage(), "5 imports performed");

    EXPECT_EQ(
        changes(before, dataFiles(project)),
        "/Delivery/Plan_the_tests/Design_the_system/process.data VersionMinor: 2 -> 3\n"
        "/Delivery/Plan_the_tests/Write_the_test_plan/Review_the_plan/process.data VersionMinor: 2 -> 3\n"
        "/Delivery/Plan_the_tests/Write_the_test_plan/process.data VersionMinor: 2 -> 3\n"
        "/Delivery/Release/Q_A_session/process.data Step: Answer the questions. log them,#1C Keep it short "
        "-> "
        "Answer the questions. log them,#1C Keep it short,Write the minutes\n"
        "/Delivery/Release/Q_A_session/process.data VersionMinor: 2 -> 3\n"
        "/Delivery/Run_the_tests/process.data State: DRAFT -> APPROVED\n"
        "/Delivery/Run_the_tests/process.data Version:  -> 4\n"
        "/Delivery/Run_the_tests/process.data VersionMinor: 2 -> 3\n");
    EXPECT_EQ(project.item("N24")->getVersion(), "4");
    EXPECT_EQ(project.item("N31")->getItemActivity()->getOwnSteps(0)->count(), 3);
}

TEST(AttributeFilesTest, InheritedStepsAreNotImportedAsTheActivitysOwnAndAnEmptyFieldIsNoStep) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    project.write("in.csv",
                  "header\r\n"
                  "N31;Q&A session;DRAFT;;Meeting;Run every test|Report the defects|Answer;;URL;\r\n"
                  "N21;Design the system;DRAFT;;Standard;;;NOPROCEDURE;\r\n");
    manager.importActivitiesAttribute(project.path("in.csv").c_str());
    ItemActivity* derived = project.item("N31")->getItemActivity();
    ASSERT_EQ(derived->getOwnSteps(0)->count(), 1);
    EXPECT_EQ(*derived->getOwnSteps(0)->at(1), "Answer");
    EXPECT_EQ(derived->getOwnSteps(1)->count(), 0);
    EXPECT_EQ(project.item("N21")->getItemActivity()->getOwnSteps(0)->count(), 0);
    EXPECT_NE(project.read("site/Delivery/Release/Q_A_session/process.data").find("Step=Answer\r\n"),
              std::string::npos);
}

TEST(AttributeFilesTest, InheritedStepsArePassedOverByWhatTheExportWroteOfThem) {
    // The derived activity's field begins with the steps it inherits as
    // the export wrote them: an inherited step holding "|" is two pieces,
    // and a line of the activity it derives from, changing those steps
    // earlier in the same file, changes nothing of what was written.
    struct InheritCase {
        const char* name;
        std::vector<std::string> baseSteps;
        const char* baseLine; // put before the derived activity's line, or null
    };
    const InheritCase cases[] = {
        {"an inherited step holding the bar", {"Run every test|twice", "Report the defects"}, nullptr},
        {"the base's steps changed earlier in the file",
         {"Run every test", "Report the defects"},
         "N24;Run the tests;DRAFT;;Standard;Run every test;;NOPROCEDURE;"},
    };
    for (const auto& c : cases) {
        ExportsProject project;
        ProcessManager& manager = project.open();
        ProcessItem* base = project.item("N24");
        CStringListePlus* baseSteps = base->getItemActivity()->getOwnSteps(0);
        baseSteps->deleteAll();
        for (const std::string& step : c.baseSteps)
            baseSteps->append(new CString(step.c_str()));
        ASSERT_TRUE(base->save()) << c.name;
        manager.exportActivitiesAttributes();
        const std::string exported = project.read("tmp/activitiesAttr.csv");
        const size_t start = exported.find("\r\nN31;") + 2;
        const std::string derivedLine = exported.substr(start, exported.find("\r\n", start) - start);
        project.write("tmp/edited.csv", std::string("header\r\n") + (c.baseLine ? c.baseLine : "") +
                                            (c.baseLine ? "\r\n" : "") + derivedLine + "\r\n");
        manager.importActivitiesAttribute(project.path("tmp/edited.csv").c_str());
        CStringListePlus* own = project.item("N31")->getItemActivity()->getOwnSteps(0);
        std::vector<std::string> steps;
        for (int s = 1; s <= own->count(); ++s)
            steps.push_back(own->at(s)->str());
        EXPECT_EQ(steps, (std::vector<std::string>{"Answer the questions. log them", "#1C Keep it short"}))
            << c.name;
    }
}

TEST(AttributeFilesTest, ADamagedFileChangesNothing) {
    struct DamageCase {
        const char* name;
        std::function<std::string(const std::string&)> damage;
        const char* message;
    };
    const DamageCase cases[] = {
        {"a file ending inside a quoted field",
         [](const std::string& file) {
             return withLine(file, "N21", "N21;Design the system;APPROVED;9;Meeting;;;STANDARD;") +
                    "N24;Run the tests;APPROVED;9;;\"Run every";
         },
         "Can not read file "},
        {"an empty file", [](const std::string&) { return std::string(); },
         "Operation failed for unknown reason (error in method ProcessManager::importActivitiesAttribute)"},
    };
    for (const auto& c : cases) {
        ExportsProject project;
        ProcessManager& manager = project.open();
        manager.exportActivitiesAttributes();
        project.write("tmp/damaged.csv", c.damage(project.read("tmp/activitiesAttr.csv")));
        const std::string before = project.siteFiles();
        manager.importActivitiesAttribute(project.path("tmp/damaged.csv").c_str());
        EXPECT_EQ(project.lastMessage().substr(0, std::string(c.message).size()), c.message) << c.name;
        EXPECT_EQ(describeDifference(before, project.siteFiles(), "site"), "") << c.name;
        EXPECT_EQ(project.item("N21")->getVersion(), "") << c.name;
        EXPECT_EQ(project.item("N21")->getStateText(), "DRAFT") << c.name;
    }
}

TEST(AttributeFilesTest, AnItemThatCannotBeSavedUndoesTheImport) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    manager.exportActivitiesAttributes();
    const std::string exported = project.read("tmp/activitiesAttr.csv");
    project.write("tmp/edited.csv",
                  withLine(exported, "N21", "N21;Design the system;APPROVED;9;Meeting;One|Two;;STANDARD;"));
    // The last activity of the file can no longer be written.
    std::filesystem::remove(project.path("site/Delivery/Release/Q_A_session/process.data"));
    std::filesystem::create_directory(project.path("site/Delivery/Release/Q_A_session/process.data"));
    const std::string before = project.siteFiles();
    manager.importActivitiesAttribute(project.path("tmp/edited.csv").c_str());
    EXPECT_EQ(project.ui.messages.at(project.ui.messages.size() - 2).text,
              "Error writting item 'Q&A session'");
    EXPECT_EQ(project.lastMessage(), "0 imports performed");
    EXPECT_EQ(describeDifference(before, project.siteFiles(), "site"), "");
    ProcessItem* design = project.item("N21");
    EXPECT_EQ(design->getVersion(), "");
    EXPECT_EQ(design->getItemActivity()->getActivityType(), "Standard");
    EXPECT_EQ(design->getItemActivity()->getOwnSteps(0)->count(), 4);
}

TEST(AttributeFilesTest, AValueTypedOverTwoLinesIsRefusedWholeAndInjectsNoKey) {
    // A spreadsheet writes a cell typed over two lines as a quoted field
    // holding the line break. An item's data file keeps a value on one
    // line: the file is refused, naming the line and the column, and no
    // item changes, on disk or after the project is opened again.
    struct TwoLineCase {
        void (ProcessManager::*import)(const CString&);
        const char* file;
        const char* where;
    };
    const TwoLineCase cases[] = {
        {&ProcessManager::importWPAttribute,
         "uid;name;file name;location;CM policy;Image;Type;Timing;domain;discipline\r\n"
         "N10;Test plan;TP;\"x\nWPType=Injected\";;;Report;;;;\r\n",
         "line 2 holds a value over several lines in its column 'location'"},
        {&ProcessManager::importWPAttribute,
         "uid;name;file name;location;CM policy;Image;Type;Timing\r\n"
         "N6;Design model;DM;;;;;;\r\n"
         "N10;Test plan;TP;;;;\"Report\r\nTiming=Never\";;\r\n",
         "line 3 holds a value over several lines in its column 'Type'"},
        {&ProcessManager::importActivitiesAttribute,
         "uid;name;state;version;activity type;steps\r\n"
         "N21;Design the system;DRAFT;;Standard;\"One\nState=APPROVED\";;STANDARD;\r\n",
         "line 2 holds a value over several lines in its column 'steps'"},
        {&ProcessManager::ImportVersionAndApprovalStatus,
         "uid;name\r\n\r\nN19;Delivery;WORKFLOW;;;DRAFT;1;Ann;\"Approved\rVersion=9\";\r\n",
         "line 3 holds a value over several lines in its column 9"},
    };
    for (const auto& c : cases) {
        ExportsProject project;
        ProcessManager& manager = project.open();
        project.write("tmp/typed.csv", c.file);
        const std::string before = project.siteFiles();
        (manager.*c.import)(project.path("tmp/typed.csv").c_str());
        EXPECT_EQ(project.lastMessage(), "The file " + project.path("tmp/typed.csv") +
                                             " cannot be imported: " + c.where +
                                             ", which an item's data file cannot keep. Nothing was "
                                             "imported.")
            << c.file;
        EXPECT_EQ(describeDifference(before, project.siteFiles(), "site"), "") << c.file;
        project.open();
        EXPECT_NE(project.item("N10")->getItemWorkProduct()->getWPType(), "Injected") << c.file;
        EXPECT_NE(project.item("N10")->getItemWorkProduct()->getTiming(), "Never") << c.file;
        EXPECT_EQ(project.item("N21")->getStateText(), "DRAFT") << c.file;
        EXPECT_NE(project.item("N19")->getVersion(), "9") << c.file;
    }
}

TEST(AttributeFilesTest, LinesOfOtherItemsAreSkippedAndAPresentEmptyFieldEmptiesItsValue) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    project.write("in.csv", "uid;name\r\n"
                            "N10;Test plan;FOR_APPROVAL;7\r\n" // a work product: not an activity
                            "N99;nobody;APPROVED\r\n"
                            "N24\r\n"                 // one field
                            "N26;Review the plan\r\n" // found, nothing to store, still saved
                            "N21;Design the system;;\r\n");
    manager.importActivitiesAttribute(project.path("in.csv").c_str());
    EXPECT_EQ(project.lastMessage(), "2 imports performed");
    EXPECT_EQ(project.item("N10")->getVersion(), "2");
    EXPECT_EQ(project.item("N21")->getStateText(), "DRAFT");
    EXPECT_NE(project.read("site/Delivery/Plan_the_tests/Write_the_test_plan/Review_the_plan/process.data")
                  .find("VersionMinor=2"),
              std::string::npos);
    manager.importActivitiesAttribute(project.path("missing.csv").c_str());
    EXPECT_EQ(project.lastMessage(), "Can not read file " + project.path("missing.csv"));
}

TEST(AttributeFilesTest, WorkProductAttributesComeBackAndTheirDomainIsNotRead) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    DataFiles before;
    const std::string file =
        exportedAfterFirstImport(project, &ProcessManager::exportWPAttributes,
                                 &ProcessManager::importWPAttribute, "WPAttr.csv", before);
    project.write(
        "tmp/edited.csv",
        withLine(
            file, "N10",
            "N10;Test plan;TP-<release>;\"Room 4; shelf 2\";;plan.gif;;Start of the tests;Other;Other;"));
    manager.importWPAttribute(project.path("tmp/edited.csv").c_str());
    EXPECT_EQ(project.lastMessage(), "6 imports performed");
    const std::string changed = changes(before, dataFiles(project));
    EXPECT_NE(changed.find("/Engineering/Test/Test_plan/process.data Location:  -> Room 4; shelf 2\n"),
              std::string::npos)
        << changed;
    EXPECT_EQ(project.item("N10")->getItemWorkProduct()->getLocation(), "Room 4; shelf 2");
    EXPECT_EQ(project.item("N10")->getDomain(), "Engineering");
    // Beside the location, only the minor versions moved.
    std::istringstream lines(changed);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("Location") == std::string::npos) {
            EXPECT_NE(line.find(" VersionMinor: "), std::string::npos) << line;
        }
    }
}

TEST(AttributeFilesTest, DescriptionsComeBackWithTheirLineBreaksAndUnknownItemsAreLogged) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    // A first import of the file as exported changes nothing; the round
    // trip starts from there.
    manager.exportItemDescription();
    manager.ImportArtifactDescription(project.path("tmp/itemDescription.csv").c_str());
    const std::string before = project.siteFiles();

    manager.exportItemDescription();
    std::string file = project.read("tmp/itemDescription.csv");
    file = withLine(file, "N24",
                    "N24;Run the tests;\"Run them all\nthen report.\";Ex\xE9"
                    "cutez-les.");
    file += "N99;Ghost;nothing;\r\nN17;Measures;no description file\r\n";
    project.write("tmp/edited.csv", file);
    manager.ImportArtifactDescription(project.path("tmp/edited.csv").c_str());
    EXPECT_EQ(project.ui.messages.at(project.ui.messages.size() - 2).text, "27 imports performed");
    EXPECT_EQ(project.lastMessage(), "Some errors occured. Please consult logfile");
    EXPECT_EQ(project.read("site/Delivery/Run_the_tests/ActivityDescription.txt"),
              "Run them all\nthen report.");
    EXPECT_EQ(project.read("site/Delivery/Run_the_tests/ActivityDescriptionL2.txt"), "Ex\xE9"
                                                                                     "cutez-les.");
    EXPECT_EQ(project.item("N24")->getDescription(0), "Run them all<br>\nthen report.");
    // Beside the two files of the line edited, every file is as it was.
    std::string after = project.siteFiles();
    for (const char* edited : {"ActivityDescription.txt ==\n", "ActivityDescriptionL2.txt ==\n"}) {
        const size_t at = after.find(std::string("Delivery/Run_the_tests/") + edited);
        ASSERT_NE(at, std::string::npos) << edited;
        const size_t start = after.rfind("== ", at);
        after.erase(start, after.find("\n== ", at) + 1 - start);
    }
    EXPECT_EQ(describeDifference(before, after, "site"), "");

    const std::string log = project.read("site/ZevoRiruradiruzuz.log");
    EXPECT_NE(log.find("Load and save all item description\r\n"), std::string::npos);
    EXPECT_NE(log.find("Load Run the tests description: Run the tests\r\n"), std::string::npos);
    EXPECT_NE(log.find("Item Ghost not found\r\n"), std::string::npos);
    EXPECT_NE(log.find("Item Measures : description not supported on this class\r\n"), std::string::npos);
}

TEST(AttributeFilesTest, AnUnchangedDescriptionFileLeavesEveryFileAsItWas) {
    // The file's form of a description has no carriage return, ";" or
    // double quote: a description whose form is what the file holds is
    // left as it is, and an empty one makes no file.
    ExportsProject project;
    ProcessManager& manager = project.open();
    project.write("site/Roles/Tester/RoleDescription.txt", "Runs \"the\" tests; reports.\r\n\r\nKeeps\r\n");
    const std::string before = project.siteFiles();
    manager.exportItemDescription();
    manager.ImportArtifactDescription(project.path("tmp/itemDescription.csv").c_str());
    EXPECT_EQ(project.lastMessage(), "26 imports performed");
    EXPECT_EQ(describeDifference(before, project.siteFiles(), "site"), "");
    EXPECT_EQ(project.read("site/Roles/Tester/RoleDescription.txt"),
              "Runs \"the\" tests; reports.\r\n\r\nKeeps\r\n");

    // An edited line still writes its description, as the file has it.
    manager.exportItemDescription();
    project.write("tmp/edited.csv", withLine(project.read("tmp/itemDescription.csv"), "N3",
                                             "N3;Tester;\"Runs the tests.\nKeeps\";"));
    manager.ImportArtifactDescription(project.path("tmp/edited.csv").c_str());
    EXPECT_EQ(project.read("site/Roles/Tester/RoleDescription.txt"), "Runs the tests.\nKeeps");
}

TEST(AttributeFilesTest, ADamagedDescriptionFileChangesNothing) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    manager.exportItemDescription();
    std::string file = project.read("tmp/itemDescription.csv");
    file = withLine(file, "N24", "N24;Run the tests;Changed;Chang\xE9") + "N21;Design the system;\"cut her";
    project.write("tmp/damaged.csv", file);
    const std::string before = project.siteFiles();
    manager.ImportArtifactDescription(project.path("tmp/damaged.csv").c_str());
    EXPECT_EQ(project.lastMessage(), "Some errors occured. Please consult logfile");
    EXPECT_EQ(describeDifference(before, project.siteFiles(), "site"), "");
    EXPECT_FALSE(project.exists("site/Delivery/Run_the_tests/ActivityDescription.txt"));
    EXPECT_NE(project.read("site/ZevoRiruradiruzuz.log").find("ends inside a quoted description"),
              std::string::npos);
}

TEST(AttributeFilesTest, ApprovalsComeBackAndADateTheFileDoesNotShowIsKept) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    DataFiles before;
    const std::string file = exportedAfterFirstImport(
        project, &ProcessManager::generateVersionAndApprovalStatus,
        &ProcessManager::ImportVersionAndApprovalStatus, "VersionAndApproval.csv", before);
    const size_t start = file.find("\nN19;") + 1;
    std::string line = file.substr(start, file.find('\n', start) - start);
    line.replace(line.find("Approved;05/01/2024"), 19, "Refused;06/01/2024");
    project.write("tmp/edited.csv", file.substr(0, start) + line + file.substr(file.find('\n', start)));
    manager.ImportVersionAndApprovalStatus(project.path("tmp/edited.csv").c_str());
    const std::string changed = changes(before, dataFiles(project));
    EXPECT_NE(changed.find("/Delivery/process.data Appro1: Approved -> Refused\n"), std::string::npos)
        << changed;
    EXPECT_NE(changed.find("/Delivery/process.data Appro1Date: 05/01/2024 -> 06/01/2024\n"),
              std::string::npos);
    // "Pending" is shown without its date, which stays as stored.
    EXPECT_EQ(project.item("N19")->getApproDate(4), "02/02/2024");
    EXPECT_EQ(project.item("N10")->getApproDate(2), "01/02/2024");
}

TEST(AttributeFilesTest, EachVersionFileThatCannotBeWrittenIsToldAndOnlyWhatWasWrittenIsReported) {
    struct Case {
        std::vector<std::string> blocked;
        std::vector<std::string> written;
    };
    const Case cases[] = {
        {{"VersionAndApproval.csv"}, {"Version.csv"}},
        {{"Version.csv"}, {"VersionAndApproval.csv"}},
        {{"VersionAndApproval.csv", "Version.csv"}, {}},
    };
    for (const Case& c : cases) {
        ExportsProject project;
        for (const std::string& name : c.blocked)
            project.blockExport(name);
        project.open().generateVersionAndApprovalStatus();
        std::vector<std::string> expected;
        for (const std::string& name : c.blocked)
            expected.push_back(project.creationFailed(name));
        for (const std::string& name : c.written) {
            expected.push_back("Generation of <site root>/tmp/" + name + ".");
            EXPECT_TRUE(project.read("tmp/" + name).starts_with("uid;name;class;")) << name;
        }
        EXPECT_EQ(project.ui.takeMessageTexts(), expected) << c.blocked.front();
        for (const std::string& name : c.blocked)
            EXPECT_TRUE(std::filesystem::is_directory(project.path("tmp/" + name))) << name;
    }
}
