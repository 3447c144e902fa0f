// Installations end to end: msihost runs packages built with msibuild, and
// Tarnwick's actions schedule, patch, roll back, commit and remove.

#include "Registry.h"
#include "RunProgram.h"
#include "TarnwickPackage.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kProductCode = "{11111111-2222-3333-4444-555555555555}";
const std::string kModuleId = "12345678_ABCD_ABCD_ABCD_123456789ABC";
const std::u16string kConfigKey = u"Software\\Dulvarn\\Fernwise\\XML Config\\";

// Type bits: 1 a library function, 0x400 in the script, 0x100 rollback, 0x200 commit.
std::vector<PackageBuilder::Row> tarnwickActions(const std::string& suffix = "") {
    return {{"XmlLocator", "1", "Tarnwick", "OnXmlLocator"},
            {"XmlInstall", "1", "Tarnwick", "OnXmlInstall"},
            {"XmlUninstall", "1", "Tarnwick", "OnXmlUninstall"},
            {"FW_XmlRollback" + suffix, "1281", "Tarnwick", "OnXmlRollback"},
            {"FW_XmlCommit" + suffix, "1537", "Tarnwick", "OnXmlCommit"},
            {"FW_XmlConfig" + suffix, "1025", "Tarnwick", "OnXmlConfig"},
            {"FW_XmlRemove" + suffix, "1025", "Tarnwick", "OnXmlRemove"}};
}

class TarnwickInstallTest : public testing::Test {
protected:
    void SetUp() override {
        setenv("TOLVANE_REGISTRY_DIR", m_registry.path().c_str(), 1);
        m_target.write("app.xml", demo::kApp);
    }

    // The demo product; its port comes from the property PORT.
    PackageBuilder demoPackage(const std::vector<PackageBuilder::Row>& moreFiles = {}) const {
        PackageBuilder builder;
        builder.properties({{"ProductName", "Demo"}, {"ProductCode", kProductCode}, {"PORT", "8080"}})
            .components({"Main"})
            .customActions(tarnwickActions())
            .executeSequence({{"XmlLocator", "", "900"},
                              {"XmlInstall", "NOT REMOVE", "1000"},
                              {"XmlUninstall", "REMOVE", "1001"}})
            .errors({{"4113", "Cannot read [2]: line [3], column [4]: [5]"},
                     {"4115", "Cannot write [2]."},
                     {"4117", "The root of [3] is [2]."}});
        auto files = demo::files("INSTALLDIR");
        files.insert(files.end(), moreFiles.begin(), moreFiles.end());
        xmlFileTable(builder, files);
        xmlElementTable(builder, demo::kElements);
        auto attributes = demo::kAttributes;
        attributes[0][5] = "[PORT]";
        xmlAttributeTable(builder, attributes);
        return builder;
    }

    // The demo product with a second root record, cfg2, that only sets the
    // port: for more files of the kind of app.xml (the records of one root
    // are handled once per run).
    PackageBuilder secondConfigPackage(const std::vector<PackageBuilder::Row>& moreFiles) const {
        PackageBuilder builder = demoPackage(moreFiles);
        auto elements = demo::kElements;
        elements.push_back({"cfg2", "", "config", "0", "0", ""});
        elements.push_back({"port2", "cfg2", "port", "1", "8", ""});
        xmlElementTable(builder, elements);
        auto attributes = demo::kAttributes;
        attributes[0][5] = "[PORT]";
        attributes.push_back({"port2In", "port2", "value", "14", "1", "[PORT]"});
        xmlAttributeTable(builder, attributes);
        return builder;
    }

    std::string build(const PackageBuilder& builder) {
        const std::string package = m_packages / ("p" + std::to_string(++m_count) + ".msi");
        const std::string failure = builder.build(package);
        EXPECT_EQ(failure, "");
        return package;
    }

    ProgramResult install(const std::string& package, std::vector<std::string> arguments = {}) const {
        std::vector<std::string> argv = {MSIHOST_PROGRAM};
        std::vector<std::string> properties = {"INSTALLDIR=" + m_target.path()};
        for (const std::string& argument : arguments)
            (argument.starts_with("--") || argv.back().starts_with("--") ? argv : properties)
                .push_back(argument);
        argv.push_back(package);
        argv.push_back(TARNWICK_MODULE);
        argv.insert(argv.end(), properties.begin(), properties.end());
        return runProgram(argv);
    }

    // Every file of the target folder with its bytes.
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> out;
        for (const std::string& path : m_target.entries()) {
            const std::string name = path.substr(m_target.path().size());
            out[name] = m_target.read(name);
        }
        return out;
    }

    // The actions that ran, in order, with their modes.
    static std::vector<std::string> actionsRun(const std::string& log) {
        std::vector<std::string> out;
        std::istringstream in(log);
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with("Action start: "))
                out.push_back(line.substr(14));
        }
        return out;
    }

    std::string entry(const std::u16string& key, const std::string& name) const {
        DWORD type = 0;
        std::string data;
        const std::string path = m_target / name;
        if (!Registry::queryValue(key, std::u16string(path.begin(), path.end()), type, data))
            return "(none)";
        std::string text;
        for (size_t i = 0; i + 1 < data.size(); i += 2)
            text += data[i];
        text.pop_back(); // its NUL
        return text;
    }
    std::u16string productKey() const {
        return kConfigKey + std::u16string(kProductCode.begin(), kProductCode.end());
    }

    // Who owns a file, who may do what with it, how many names it has.
    struct Attributes {
        uid_t owner;
        gid_t group;
        mode_t mode;
        nlink_t links;
        bool operator==(const Attributes&) const = default;
    };
    Attributes attributes(const std::string& name) const {
        struct stat info {};
        EXPECT_EQ(stat((m_target / name).c_str(), &info), 0) << name;
        return {info.st_uid, info.st_gid, info.st_mode & 07777, info.st_nlink};
    }
    // Gives a file of the target folder to the user nobody with the mode.
    void giveAway(const std::string& name, mode_t mode) const {
        const passwd* nobody = getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        ASSERT_EQ(chown((m_target / name).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        ASSERT_EQ(chmod((m_target / name).c_str(), mode), 0);
    }
    // app.xml and linked.xml (which has a second name, linked.alias), both
    // 640 and nobody's: the owner, group and mode are the service's.
    void serviceFiles() {
        m_target.write("linked.xml", demo::kApp);
        ASSERT_EQ(link((m_target / "linked.xml").c_str(), (m_target / "linked.alias").c_str()), 0);
        giveAway("app.xml", 0640);
        giveAway("linked.xml", 0640);
    }

    TempDir m_target;
    TempDir m_packages;
    TempDir m_registry;
    int m_count = 0;
};

TEST_F(TarnwickInstallTest, AnInstallationCreatesAndPatchesFilesAndItsCommitRemovesTheBackups) {
    const ProgramResult result = install(build(demoPackage()));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(actionsRun(result.output),
              (std::vector<std::string>{"XmlLocator (immediate)", "XmlInstall (immediate)",
                                        "FW_XmlConfig (scheduled)", "FW_XmlCommit (commit)"}));
    EXPECT_NE(result.output.find("Message ACTIONDATA [0x09000000]: 1: " + m_target / "app.xml"),
              std::string::npos);
    EXPECT_EQ(files(),
              (std::map<std::string, std::string>{{"app.xml", demo::kAppInstalled}, {"new.xml", demo::kNew}}))
        << "the backup of app.xml is gone";
    EXPECT_EQ(entry(productKey(), "new.xml"), "*");
    EXPECT_EQ(entry(productKey(), "app.xml"), "(none)");
}

TEST_F(TarnwickInstallTest, AnInstallationThatFailsAfterPatchingRollsBackEveryByte) {
    m_target.write("bad.xml", "<config>\r\n  <port value=\"1\"/>\r\n");
    const auto before = files();
    const ProgramResult result =
        install(build(demoPackage({demo::fileRow("z_bad", "bad.xml", "INSTALLDIR", "cfg", "0")})));
    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_EQ(actionsRun(result.output),
              (std::vector<std::string>{"XmlLocator (immediate)", "XmlInstall (immediate)",
                                        "FW_XmlConfig (scheduled)", "FW_XmlRollback (rollback)"}));
    EXPECT_NE(result.output.find("Message ERROR [0x01000010]: Cannot read " + m_target / "bad.xml"),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("Action ended: FW_XmlConfig, result 1603"), std::string::npos);
    const size_t created = result.output.find("Message ACTIONDATA [0x09000000]: 1: " + m_target / "new.xml");
    EXPECT_LT(created, result.output.find("Message ERROR")) << "app.xml and new.xml came first";
    EXPECT_EQ(files(), before);
    EXPECT_FALSE(Registry::keyExists(productKey()));
}

TEST_F(TarnwickInstallTest, ARepairPatchesAgainAndRemovalRestoresWhatTheInstallationChanged) {
    const std::string package = build(demoPackage());
    ASSERT_EQ(install(package).exitCode, 0);

    const ProgramResult repair = install(package, {"--component", "Main=3,3", "PORT=9090", "REINSTALL=ALL"});
    ASSERT_EQ(repair.exitCode, 0) << repair.output;
    std::string repaired = demo::kAppInstalled;
    repaired.replace(repaired.find("8080"), 4, "9090");
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"app.xml", repaired}, {"new.xml", demo::kNew}}));
    EXPECT_EQ(entry(productKey(), "new.xml"), "*") << "still known as created by the installation";

    const ProgramResult removal = install(package, {"REMOVE=ALL", "PORT=9090"});
    ASSERT_EQ(removal.exitCode, 0) << removal.output;
    EXPECT_EQ(actionsRun(removal.output),
              (std::vector<std::string>{"XmlLocator (immediate)", "XmlUninstall (immediate)",
                                        "FW_XmlRemove (scheduled)"}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"app.xml", demo::kApp}}));
    EXPECT_FALSE(Registry::keyExists(kConfigKey.substr(0, kConfigKey.size() - 1)));
}

// The tests run as root; the files they patch are another user's. A patch
// keeps their owner, group, mode and names.
TEST_F(TarnwickInstallTest, APatchKeepsTheOwnerGroupModeAndLinksOfItsTargets) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give the target files to another user";
    serviceFiles();
    const Attributes app = attributes("app.xml");
    const Attributes linked = attributes("linked.xml");
    ASSERT_EQ(linked.links, 2u);

    const ProgramResult result = install(
        build(secondConfigPackage({demo::fileRow("l_linked", "linked.xml", "INSTALLDIR", "cfg2", "0")})));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(m_target.read("app.xml"), demo::kAppInstalled);
    std::string linkedInstalled = demo::kApp;
    linkedInstalled.replace(linkedInstalled.find("80"), 2, "8080");
    EXPECT_EQ(m_target.read("linked.alias"), linkedInstalled) << "still the same file";
    EXPECT_EQ(attributes("app.xml"), app);
    EXPECT_EQ(attributes("linked.xml"), linked);
    EXPECT_EQ(files().size(), 4u) << "app.xml, linked.xml, linked.alias and new.xml; nothing else";
}

// A failing installation puts the files back as they were, owner, group,
// mode and names included.
TEST_F(TarnwickInstallTest, ARollbackKeepsTheOwnerGroupModeAndLinksOfItsTargets) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give the target files to another user";
    serviceFiles();
    m_target.write("bad.xml", "<config>\r\n");
    const auto before = files();
    const Attributes app = attributes("app.xml");
    const Attributes linked = attributes("linked.xml");

    const ProgramResult result =
        install(build(secondConfigPackage({demo::fileRow("l_linked", "linked.xml", "INSTALLDIR", "cfg2", "0"),
                                           demo::fileRow("z_bad", "bad.xml", "INSTALLDIR", "cfg", "0")})));
    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_NE(result.output.find("Action start: FW_XmlRollback (rollback)"), std::string::npos);
    EXPECT_EQ(files(), before);
    EXPECT_EQ(attributes("app.xml"), app);
    EXPECT_EQ(attributes("linked.xml"), linked);
}

// A target that nobody may write is refused with 4115 before anything is
// written to it, and the installation rolls back what it patched before.
TEST_F(TarnwickInstallTest, ATargetNobodyMayWriteFailsTheInstallation) {
    m_target.write("locked.xml", demo::kApp);
    ASSERT_EQ(chmod((m_target / "locked.xml").c_str(), 0444), 0);
    const auto before = files();
    const Attributes locked = attributes("locked.xml");

    const ProgramResult result = install(
        build(secondConfigPackage({demo::fileRow("b_locked", "locked.xml", "INSTALLDIR", "cfg2", "0")})));
    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_NE(result.output.find("Message ERROR [0x01000010]: Cannot write " + m_target / "locked.xml"),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("Action start: FW_XmlRollback (rollback)"), std::string::npos);
    EXPECT_EQ(files(), before) << "app.xml put back, new.xml and every backup gone";
    EXPECT_EQ(attributes("locked.xml"), locked);
}

// A repair that fails rolls back only what it changed: new.xml, which the
// installation created and the repair never reached, stays.
TEST_F(TarnwickInstallTest, ARepairThatFailsLeavesWhatTheInstallationDid) {
    const std::string package =
        build(demoPackage({demo::fileRow("b_bad", "bad.xml", "INSTALLDIR", "cfg", "0")}));
    ASSERT_EQ(install(package).exitCode, 0) << "bad.xml is missing: nothing to do";
    m_target.write("bad.xml", "<config>");
    const auto installed = files();

    const ProgramResult repair = install(package, {"--component", "Main=3,3", "PORT=9090"});
    EXPECT_EQ(repair.exitCode, 1) << repair.output;
    EXPECT_EQ(files(), installed);
    EXPECT_EQ(entry(productKey(), "new.xml"), "*");

    // Removal fails at bad.xml too, but it never fails the uninstallation.
    const ProgramResult removal = install(package, {"REMOVE=ALL"});
    EXPECT_EQ(removal.exitCode, 0) << removal.output;
    EXPECT_NE(removal.output.find("Action ended: FW_XmlRemove, result 0"), std::string::npos);
    EXPECT_NE(removal.output.find("Message ERROR [0x01000010]: Cannot read"), std::string::npos);
}

// A merge module passes its id to the immediate actions: they pack only
// its files and schedule the actions of its own names, and its
// bookkeeping has a key of its own.
TEST_F(TarnwickInstallTest, AMergeModuleHandlesOnlyItsOwnFiles) {
    PackageBuilder builder =
        demoPackage({demo::fileRow("a_app." + kModuleId, "app.xml", "INSTALLDIR", "cfg", "64")});
    builder.customActions(tarnwickActions("." + kModuleId));
    const std::string package = build(builder);
    const ProgramResult result = install(package, {"CustomActionData=" + kModuleId});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(actionsRun(result.output),
              (std::vector<std::string>{"XmlLocator (immediate)", "XmlInstall (immediate)",
                                        "FW_XmlConfig." + kModuleId + " (scheduled)",
                                        "FW_XmlCommit." + kModuleId + " (commit)"}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"app.xml", demo::kAppInstalled},
                                                           {"app.xml.back", demo::kApp}}))
        << "new.xml is not the module's; the module keeps its backup (0x40)";
    const std::u16string moduleKey = productKey() + u"." + std::u16string(kModuleId.begin(), kModuleId.end());
    EXPECT_EQ(entry(moduleKey, "app.xml"), m_target / "app.xml.back");
    EXPECT_FALSE(Registry::keyExists(productKey()));

    const ProgramResult removal = install(package, {"CustomActionData=" + kModuleId, "REMOVE=ALL"});
    ASSERT_EQ(removal.exitCode, 0) << removal.output;
    EXPECT_EQ(actionsRun(removal.output),
              (std::vector<std::string>{"XmlLocator (immediate)", "XmlUninstall (immediate)",
                                        "FW_XmlRemove." + kModuleId + " (scheduled)"}));
    EXPECT_EQ(m_target.read("app.xml"), demo::kApp);
    EXPECT_FALSE(Registry::keyExists(moduleKey));
}

// One installation carries the product's actions and a merge module's: a
// set-property action passes the module's id to the module's immediate
// action, and another takes it away again. Each handles its own files.
TEST_F(TarnwickInstallTest, AProductAndAMergeModuleInstallTogether) {
    m_target.write("mod.xml", demo::kApp);
    PackageBuilder builder =
        demoPackage({demo::fileRow("m_mod." + kModuleId, "mod.xml", "INSTALLDIR", "cfg", "0")});
    std::vector<PackageBuilder::Row> actions = tarnwickActions();
    for (const auto& row : tarnwickActions("." + kModuleId)) {
        if (row[0].starts_with("FW_"))
            actions.push_back(row);
    }
    actions.push_back({"XmlInstall." + kModuleId, "1", "Tarnwick", "OnXmlInstall"});
    actions.push_back({"SetModuleId", "51", "CustomActionData", kModuleId});
    actions.push_back({"ClearModuleId", "51", "CustomActionData", ""});
    builder.customActions(actions).executeSequence({{"XmlInstall", "NOT REMOVE", "1000"},
                                                    {"SetModuleId", "", "1010"},
                                                    {"XmlInstall." + kModuleId, "NOT REMOVE", "1011"},
                                                    {"ClearModuleId", "", "1012"}});
    const ProgramResult result = install(build(builder));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(
        actionsRun(result.output),
        (std::vector<std::string>{"XmlInstall (immediate)", "SetModuleId (immediate)",
                                  "XmlInstall." + kModuleId + " (immediate)", "ClearModuleId (immediate)",
                                  "FW_XmlConfig (scheduled)", "FW_XmlConfig." + kModuleId + " (scheduled)",
                                  "FW_XmlCommit (commit)", "FW_XmlCommit." + kModuleId + " (commit)"}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"app.xml", demo::kAppInstalled},
                                                           {"mod.xml", demo::kAppInstalled},
                                                           {"new.xml", demo::kNew}}))
        << "each file patched once, no backup left";
    EXPECT_EQ(entry(productKey(), "new.xml"), "*");
    const std::u16string moduleKey = productKey() + u"." + std::u16string(kModuleId.begin(), kModuleId.end());
    EXPECT_EQ(entry(moduleKey, "mod.xml"), "(none)");
}

// The immediate action run twice in one installation schedules its actions
// twice: the second run's bookkeeping adds to the first's, so the commits
// leave no backup behind.
TEST_F(TarnwickInstallTest, TwoRunsOfTheInstallActionCommitEveryBackup) {
    PackageBuilder builder = demoPackage();
    std::vector<PackageBuilder::Row> actions = tarnwickActions();
    actions.push_back({"XmlInstallAgain", "1", "Tarnwick", "OnXmlInstall"});
    builder.customActions(actions).executeSequence(
        {{"XmlInstall", "NOT REMOVE", "1000"}, {"XmlInstallAgain", "NOT REMOVE", "1001"}});
    const ProgramResult result = install(build(builder));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"app.xml", demo::kAppInstalled},
                                                           {"new.xml", demo::kNew}}));
    EXPECT_EQ(entry(productKey(), "app.xml"), "(none)");
    EXPECT_EQ(entry(productKey(), "new.xml"), "*");
}

TEST_F(TarnwickInstallTest, TheLocatorReadsValuesOfExistingFilesIntoProperties) {
    PackageBuilder builder = demoPackage();
    builder.table("FW_XmlLocatorElement", {"XmlElement", "XmlFile", "ParentElement", "Name", "Order"},
                  {"s72", "S255", "S72", "s255", "I2"},
                  {{"cfg", "[INSTALLDIR]app.xml", "", "config", "0"}, {"port", "", "cfg", "port", "1"}});
    builder.table("FW_XmlLocator",
                  {"XmlLocator", "XmlElement", "Property", "Type", "Value", "ResultType", "Order"},
                  {"s72", "s72", "S72", "I2", "S255", "I2", "I2"},
                  {{"portValue", "port", "OLDPORT", "4", "value", "16", "1"}});
    const ProgramResult result = install(build(builder));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("Property set: OLDPORT = '80'"), std::string::npos) << result.output;
}

// The installer refuses to schedule the commit action: the rollback action
// stays in the script, the configure action is never scheduled and the
// installation fails before the script runs.
TEST_F(TarnwickInstallTest, AnActionThatCannotBeScheduledFailsTheInstallation) {
    PackageBuilder builder;
    builder.properties({{"ProductCode", kProductCode}})
        .components({"Main"})
        .customActions({{"XmlInstall", "1", "Tarnwick", "OnXmlInstall"},
                        {"FW_XmlRollback", "1281", "Tarnwick", "OnXmlRollback"},
                        {"FW_XmlConfig", "1025", "Tarnwick", "OnXmlConfig"}})
        .executeSequence({{"XmlInstall", "", "1000"}});
    xmlFileTable(builder, demo::files("INSTALLDIR"));
    const ProgramResult result = install(build(builder));
    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_NE(result.output.find("Action scheduled: FW_XmlRollback (rollback)"), std::string::npos);
    EXPECT_NE(result.output.find("Action not found: FW_XmlCommit"), std::string::npos);
    EXPECT_NE(result.output.find("Property set: FW_XmlCommit = '"), std::string::npos);
    EXPECT_EQ(result.output.find("Property removed: FW_XmlCommit"), std::string::npos) << "it keeps the data";
    EXPECT_EQ(result.output.find("FW_XmlConfig"), std::string::npos);
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"app.xml", demo::kApp}}));
}

} // namespace
