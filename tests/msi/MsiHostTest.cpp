// msihost runs a package's actions from the test library "msi_test_actions":
// the immediate action Schedule writes the actions named in the property
// TO_SCHEDULE into the script; Echo reports what an action sees; Fail fails;
// AskUser asks with a Cancel button. The package's CustomAction table binds
// these actions to the library's functions and its InstallExecuteSequence
// table orders the immediate ones.

#include "PackageBuilder.h"
#include "RunProgram.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Type bits: 1 a library function, 0x400 in the script, 0x100 rollback, 0x200 commit.
const std::vector<PackageBuilder::Row> kActions = {
    {"Schedule", "1", "TestActions", "Schedule"},
    {"AskUser", "1", "TestActions", "AskUser"},
    {"ImmediateEcho", "1", "TestActions", "Echo"},
    {"DF1", "1025", "TestActions", "Echo"},
    {"DF2", "1025", "TestActions", "Echo"},
    {"FAIL", "1025", "TestActions", "Fail"},
    {"RB1", "1281", "TestActions", "Echo"},
    {"RB2", "1281", "TestActions", "Echo"},
    {"CM1", "1537", "TestActions", "Echo"},
    {"LaterEcho", "1", "TestActions", "Echo"},
    // 51: the property named by Source takes the formatted Target.
    {"SetData", "51", "CustomActionData", "from [SECRET]"},
    {"ClearData", "51", "CustomActionData", ""},
};

class MsiHostTest : public testing::Test {
protected:
    std::string buildPackage(const std::vector<PackageBuilder::Row>& sequence) {
        const std::string package = m_dir / "test.msi";
        PackageBuilder builder;
        builder.properties({{"ProductCode", "{11111111-2222-3333-4444-555555555555}"}, {"SECRET", "hidden"}})
            .customActions(kActions)
            .executeSequence(sequence);
        const std::string failure = builder.build(package);
        EXPECT_EQ(failure, "");
        return package;
    }

    static ProgramResult host(const std::string& package, const std::vector<std::string>& properties,
                              const std::vector<std::string>& options = {}) {
        std::vector<std::string> argv = {MSIHOST_PROGRAM};
        argv.insert(argv.end(), options.begin(), options.end());
        argv.push_back(package);
        argv.push_back(MSI_TEST_ACTIONS);
        argv.insert(argv.end(), properties.begin(), properties.end());
        return runProgram(argv);
    }

    // The lines of the log that start with the prefix, without it.
    static std::vector<std::string> linesStartingWith(const std::string& log, const std::string& prefix) {
        std::vector<std::string> lines;
        std::istringstream in(log);
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with(prefix))
                lines.push_back(line.substr(prefix.size()));
        }
        return lines;
    }

    static std::vector<std::string> echoes(const std::string& log) {
        std::vector<std::string> lines;
        for (const std::string& line : linesStartingWith(log, "Message INFO [0x04000000]: Echo "))
            lines.push_back(line.substr(0, line.find(';')));
        return lines;
    }

    TempDir m_dir;
};

TEST_F(MsiHostTest, ScheduledActionsRunInOrderThenTheCommitActions) {
    const std::string package = buildPackage({{"CostInitialize", "", "800"}, {"Schedule", "", "1000"}});
    const ProgramResult result = host(package, {"TO_SCHEDULE=RB1;CM1;DF1;DF2"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(echoes(result.output), (std::vector<std::string>{"data of DF1", "data of DF2", "data of CM1"}))
        << result.output;
    EXPECT_NE(result.output.find("Action skipped: CostInitialize (not a custom action)"), std::string::npos);
    EXPECT_NE(result.output.find("Installation result: 0"), std::string::npos);
}

TEST_F(MsiHostTest, AFailingActionRunsTheRollbackActionsMetSoFarLastFirst) {
    const std::string package = buildPackage({{"Schedule", "", "1000"}});
    const ProgramResult result = host(package, {"TO_SCHEDULE=RB1;DF1;RB2;FAIL;RB1;DF2;CM1"});
    EXPECT_EQ(result.exitCode, 1) << result.output;
    // The second RB1 comes after the failure and is never met.
    EXPECT_EQ(echoes(result.output), (std::vector<std::string>{"data of DF1", "data of RB2", "data of RB1"}))
        << result.output;
    EXPECT_NE(result.output.find("Installation result: 1603"), std::string::npos);
}

TEST_F(MsiHostTest, AScriptActionSeesOnlyItsDataAndTheProductCode) {
    const std::string package = buildPackage({{"ImmediateEcho", "", "900"}, {"Schedule", "", "1000"}});
    const ProgramResult result = host(package, {"TO_SCHEDULE=DF1"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    const auto lines = linesStartingWith(result.output, "Message INFO [0x04000000]: Echo ");
    ASSERT_EQ(lines.size(), 2u) << result.output;
    EXPECT_EQ(
        lines[0],
        "; ProductCode={11111111-2222-3333-4444-555555555555}; SECRET=hidden; database=yes; set=yes -> 0");
    EXPECT_EQ(lines[1],
              "data of DF1; ProductCode={11111111-2222-3333-4444-555555555555}; SECRET=; database=no; "
              "set=no -> 0");
}

// A set-property action gives an action that runs after it a property,
// formatted; one with an empty Target removes it.
TEST_F(MsiHostTest, SetPropertyActionsGiveTheLaterActionsTheirValue) {
    const std::string package = buildPackage({{"SetData", "", "800"},
                                              {"ImmediateEcho", "", "900"},
                                              {"ClearData", "", "950"},
                                              {"LaterEcho", "", "1000"}});
    const ProgramResult result = host(package, {});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(echoes(result.output), (std::vector<std::string>{"from hidden", ""})) << result.output;
    EXPECT_NE(result.output.find("Property set: CustomActionData = 'from hidden'"), std::string::npos);
    EXPECT_NE(result.output.find("Property removed: CustomActionData"), std::string::npos);
}

TEST_F(MsiHostTest, SequenceConditionsDecideWhichActionsRun) {
    const std::string package =
        buildPackage({{"ImmediateEcho", "REMOVE~=\"all\"", "900"}, {"Schedule", "NOT REMOVE", "1000"}});
    const ProgramResult install = host(package, {"TO_SCHEDULE=DF1"});
    EXPECT_EQ(echoes(install.output), (std::vector<std::string>{"data of DF1"})) << install.output;
    const ProgramResult remove = host(package, {"TO_SCHEDULE=DF1", "REMOVE=ALL"});
    EXPECT_EQ(echoes(remove.output), (std::vector<std::string>{""})) << remove.output;
}

TEST_F(MsiHostTest, MessageBoxesAnswerWithTheirDefaultButtonOrTheAnswerGiven) {
    const std::string package = buildPackage({{"AskUser", "", "900"}, {"Schedule", "", "1000"}});
    const ProgramResult ok = host(package, {"TO_SCHEDULE=DF1"});
    EXPECT_EQ(ok.exitCode, 0) << ok.output;
    EXPECT_NE(ok.output.find("Message ERROR [0x01000031]: Go on? -> 1"), std::string::npos) << ok.output;

    const ProgramResult cancel = host(package, {"TO_SCHEDULE=DF1"}, {"--answer", "error=cancel"});
    EXPECT_EQ(cancel.exitCode, 2) << cancel.output;
    EXPECT_NE(cancel.output.find("Message ERROR [0x01000031]: Go on? -> 2"), std::string::npos)
        << cancel.output;
    EXPECT_TRUE(echoes(cancel.output).empty()) << "nothing runs after the cancelled action";
    EXPECT_NE(cancel.output.find("Installation result: 1602"), std::string::npos);
}

TEST_F(MsiHostTest, SchedulingAnActionThePackageLacksFailsTheInstallation) {
    const std::string package = buildPackage({{"Schedule", "", "1000"}});
    const ProgramResult result = host(package, {"TO_SCHEDULE=DF1;MISSING;DF2"});
    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_NE(result.output.find("Action not found: MISSING"), std::string::npos);
    EXPECT_TRUE(echoes(result.output).empty()) << "the script never runs";
}

TEST_F(MsiHostTest, BadCommandLinesAndMissingFilesAreRefused) {
    const std::string package = buildPackage({{"Schedule", "", "1000"}});
    EXPECT_EQ(runProgram({MSIHOST_PROGRAM, package}).exitCode, 4);
    EXPECT_EQ(runProgram({MSIHOST_PROGRAM, "--answer", "error=maybe", package, MSI_TEST_ACTIONS}).exitCode,
              4);
    EXPECT_EQ(runProgram({MSIHOST_PROGRAM, m_dir / "none.msi", MSI_TEST_ACTIONS}).exitCode, 3);
    EXPECT_EQ(runProgram({MSIHOST_PROGRAM, package, m_dir / "none.so"}).exitCode, 3);
}

} // namespace
