// The deferred side run by hand on one installation: each action builds
// its own manager from the same data, as the installer's script does.

#include "XmlManager.h"
#include "MsiRecord.h"
#include "MsiSession.h"
#include "RegistryKey.h"
#include "TarnwickPackage.h"
#include "TempDir.h"
#include "Text.h"
#include "XmlFlags.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using xmlflags::kModeInstall;
using xmlflags::kModeUninstall;

std::vector<ActionData::Row> wideRows(const std::vector<PackageBuilder::Row>& rows) {
    std::vector<ActionData::Row> out;
    for (const auto& row : rows) {
        ActionData::Row fields;
        for (const std::string& field : row)
            fields.push_back(wide(field));
        out.push_back(fields);
    }
    return out;
}

class XmlManagerTest : public testing::Test {
protected:
    void SetUp() override {
        setenv("TOLVANE_REGISTRY_DIR", m_registry.path().c_str(), 1);
        m_session.setMessageHandler(
            [this](std::uint32_t type, const MsiRecord& record, const std::u16string&) {
                if ((type & INSTALLMESSAGE_TYPEMASK) == INSTALLMESSAGE_ERROR)
                    m_errors.push_back(record.integer(1));
                return IDOK;
            });
        m_dir.write("app.xml", demo::kApp);
    }

    // The demo product's rows, with more files between app.xml and new.xml.
    UpdateRows rows(const std::vector<PackageBuilder::Row>& more = {},
                    const std::u16string& remove = u"") const {
        UpdateRows out;
        out.properties = {{u"ProductName", u"Demo"}, {u"ProductCode", u"{P}"}, {u"REMOVE", remove}};
        auto files = demo::files(m_dir.path());
        files.insert(files.begin() + 1, more.begin(), more.end());
        out.files = wideRows(files);
        out.elements = wideRows(demo::kElements);
        out.attributes = wideRows(demo::kAttributes);
        return out;
    }

    // The action of that kind, as its own manager runs it.
    enum Action { kInstall, kUninstall, kRollback, kCommit };
    UINT act(Action action, const UpdateRows& data) {
        XmlUpdateDataReader reader(
            ActionData::pack({data.properties, data.files, data.elements, data.attributes}));
        reader.unpack();
        XmlManager manager(m_session.handle());
        manager.load(reader);
        switch (action) {
        case kInstall:
            return manager.run(kModeInstall);
        case kUninstall:
            return manager.run(kModeUninstall);
        case kRollback:
            manager.rollback();
            return 0;
        case kCommit:
            manager.commit();
            return 0;
        }
        return 0;
    }

    // The bookkeeping value of a file of the folder; "(none)" without one.
    std::string entries(const std::string& name) const {
        RegistryKey key;
        std::u16string value;
        if (!key.open(kKey, false) || !key.readString(wide(m_dir / name), value))
            return "(none)";
        return narrow(text::replaceAll(value, wide(m_dir.path()), u""));
    }
    bool keyExists() const {
        RegistryKey key;
        return key.open(kKey, false);
    }

    const std::u16string kKey = u"Software\\Dulvarn\\Fernwise\\XML Config\\{P}";
    TempDir m_dir;
    TempDir m_registry;
    MsiSession m_session;
    std::vector<int> m_errors;
};

TEST_F(XmlManagerTest, InstallPatchesAndCreatesAndCommitKeepsOnlyTheRecordOfCreation) {
    EXPECT_EQ(act(kInstall, rows()), 0u);
    EXPECT_EQ(m_dir.read("app.xml"), demo::kAppInstalled);
    EXPECT_EQ(m_dir.read("new.xml"), demo::kNew);
    EXPECT_EQ(m_dir.read("app.xml.back"), demo::kApp) << "made before the file was touched";
    EXPECT_EQ(entries("app.xml"), "app.xml.back");
    EXPECT_EQ(entries("new.xml"), "*");

    act(kCommit, rows());
    EXPECT_FALSE(m_dir.exists("app.xml.back"));
    EXPECT_EQ(entries("app.xml"), "(none)") << "no entry names a backup that is gone";
    EXPECT_EQ(entries("new.xml"), "*");
    EXPECT_TRUE(m_errors.empty());
}

TEST_F(XmlManagerTest, AFailedInstallRollsBackEveryByte) {
    m_dir.write("bad.xml", "<config>\r\n  <port value=\"1\"/>\r\n");
    const auto before = m_dir.entries();
    UpdateRows failing = rows();
    failing.files.push_back(wideRows({demo::fileRow("z_bad", "bad.xml", m_dir.path(), "cfg", "0")})[0]);
    EXPECT_EQ(act(kInstall, failing), 1603u);
    EXPECT_EQ(m_errors, std::vector<int>{4113});
    EXPECT_EQ(m_dir.read("app.xml"), demo::kAppInstalled) << "patched before the failure";
    EXPECT_EQ(m_dir.read("new.xml"), demo::kNew);

    act(kRollback, failing);
    EXPECT_EQ(m_dir.read("app.xml"), demo::kApp);
    EXPECT_EQ(m_dir.entries(), before) << "the created file and every backup are gone";
    EXPECT_FALSE(keyExists());
}

// A repair that fails puts back what it changed, from its own backups, and
// leaves alone the files it never reached, the created one among them.
TEST_F(XmlManagerTest, AFailedRepairPutsBackOnlyWhatItChanged) {
    // app.xml keeps its backups at commit (0x40), so the installation's
    // backup is still there when the repair runs.
    const auto keeping = [&](std::vector<PackageBuilder::Row> more) {
        UpdateRows data = rows(more);
        data.files[0][5] = u"64";
        return data;
    };
    act(kInstall, keeping({}));
    act(kCommit, keeping({}));
    EXPECT_EQ(entries("app.xml"), "app.xml.back");
    EXPECT_EQ(m_dir.read("app.xml.back"), demo::kApp);

    m_dir.write("new.xml", "<settings>edited by the user</settings>");
    m_dir.write("bad.xml", "<config>");
    UpdateRows repair = keeping({demo::fileRow("b_bad", "bad.xml", m_dir.path(), "cfg", "0")});
    repair.attributes[0][5] = u"9090";
    EXPECT_EQ(act(kInstall, repair), 1603u);
    EXPECT_NE(m_dir.read("app.xml").find("9090"), std::string::npos);

    act(kRollback, repair);
    EXPECT_EQ(m_dir.read("app.xml"), demo::kAppInstalled) << "as before the repair, not before the install";
    EXPECT_EQ(m_dir.read("app.xml.back"), demo::kApp);
    EXPECT_FALSE(m_dir.exists("app.xml.1.back"));
    EXPECT_EQ(m_dir.read("new.xml"), "<settings>edited by the user</settings>") << "never reached";
    EXPECT_EQ(entries("app.xml"), "app.xml.back");
    EXPECT_EQ(entries("new.xml"), "*");
    EXPECT_FALSE(m_dir.exists("bad.xml.back"));
    EXPECT_EQ(entries("bad.xml"), "(none)");
}

TEST_F(XmlManagerTest, ARepairBacksUpWhatItPatchesAndItsCommitClearsItsOwnEntries) {
    act(kInstall, rows());
    act(kCommit, rows());
    m_dir.write("new.xml", "<settings>\r\n</settings>\r\n");
    EXPECT_EQ(act(kInstall, rows()), 0u);
    EXPECT_EQ(m_dir.read("new.xml"), "<settings>\r\n  <name>Demo</name>\r\n</settings>\r\n");
    EXPECT_EQ(m_dir.read("app.xml"), demo::kAppInstalled) << "nothing inserted twice";
    EXPECT_EQ(entries("new.xml"), "*|new.xml.back");

    act(kCommit, rows());
    EXPECT_FALSE(m_dir.exists("new.xml.back"));
    EXPECT_FALSE(m_dir.exists("app.xml.back"));
    EXPECT_EQ(entries("new.xml"), "*") << "still known as created by the installation";
    EXPECT_EQ(entries("app.xml"), "(none)");

    // So removal deletes it.
    EXPECT_EQ(act(kUninstall, rows({}, u"ALL")), 0u);
    EXPECT_FALSE(m_dir.exists("new.xml"));
    EXPECT_EQ(m_dir.read("app.xml"), demo::kApp);
}

TEST_F(XmlManagerTest, RemovalUndoesTheInstallationAndCommitsItself) {
    act(kInstall, rows());
    act(kCommit, rows());
    const auto installed = m_dir.entries();
    EXPECT_EQ(act(kUninstall, rows({}, u"all")), 0u);
    EXPECT_EQ(m_dir.read("app.xml"), demo::kApp);
    EXPECT_FALSE(m_dir.exists("new.xml"));
    EXPECT_FALSE(m_dir.exists("app.xml.back")) << "removal commits its own backups";
    EXPECT_TRUE(keyExists()) << "\"all\" is not \"ALL\"";

    // A file recorded as created whose row does not ask for its deletion
    // is patched for removal instead.
    act(kInstall, rows());
    act(kCommit, rows());
    UpdateRows keepNew = rows({}, u"ALL");
    keepNew.files[1][5] = u"8";
    EXPECT_EQ(act(kUninstall, keepNew), 0u);
    EXPECT_EQ(m_dir.read("new.xml"), demo::kNew);
    EXPECT_EQ(m_dir.read("app.xml"), demo::kApp);
    EXPECT_FALSE(keyExists());
    EXPECT_EQ(m_dir.entries(), installed);
}

TEST_F(XmlManagerTest, AFileThatAsksToContinueIsPutBackAtOnce) {
    m_dir.write("other.xml", "<other>\r\n</other>\r\n");
    // 0x20: continue; its root element is not the root record's.
    const auto row = demo::fileRow("b_other", "other.xml", m_dir.path(), "cfg", "32");
    EXPECT_EQ(act(kInstall, rows({row})), 0u);
    EXPECT_EQ(m_errors, std::vector<int>{4117});
    EXPECT_EQ(m_dir.read("other.xml"), "<other>\r\n</other>\r\n");
    EXPECT_FALSE(m_dir.exists("other.xml.back"));
    EXPECT_EQ(entries("other.xml"), "(none)");
    EXPECT_EQ(m_dir.read("new.xml"), demo::kNew) << "the run went on";
}

TEST_F(XmlManagerTest, AMissingFileIsCreatedOnlyWhenItsRowAsks) {
    UpdateRows data = rows();
    data.files[1][5] = u"0";
    EXPECT_EQ(act(kInstall, data), 0u);
    EXPECT_FALSE(m_dir.exists("new.xml"));
    EXPECT_EQ(entries("new.xml"), "(none)");
}

// Entries that an earlier run left open (a removal that failed) are not
// this run's: its rollback leaves them alone.
TEST_F(XmlManagerTest, EntriesLeftOpenByAnEarlierRunAreNotRolledBack) {
    act(kInstall, rows());
    act(kCommit, rows());
    m_dir.write("bad.xml", "<config>");
    EXPECT_EQ(act(kUninstall, rows({demo::fileRow("b_bad", "bad.xml", m_dir.path(), "cfg", "0")}, u"ALL")),
              1603u);
    const std::string afterFailedRemoval = m_dir.read("app.xml");

    const UpdateRows failing = rows({demo::fileRow("b_bad", "bad.xml", m_dir.path(), "cfg", "0")});
    EXPECT_EQ(act(kInstall, failing), 1603u);
    act(kRollback, failing);
    EXPECT_EQ(m_dir.read("app.xml"), afterFailedRemoval);
    EXPECT_TRUE(m_dir.exists("new.xml"));
}

// Two runs of the install action in one installation add up: rolled back
// (last first), every file is as before the first; committed, no backup of
// either run is left.
TEST_F(XmlManagerTest, TwoRunsOfOneInstallationRollBackAndCommitTogether) {
    const auto before = m_dir.entries();
    UpdateRows second = rows();
    second.attributes[0][5] = u"9090";
    act(kInstall, rows());
    EXPECT_EQ(act(kInstall, second), 0u);
    EXPECT_NE(m_dir.read("app.xml").find("9090"), std::string::npos);
    act(kRollback, second);
    act(kRollback, rows());
    EXPECT_EQ(m_dir.read("app.xml"), demo::kApp);
    EXPECT_EQ(m_dir.entries(), before) << "the created file and both backups are gone";
    EXPECT_FALSE(keyExists());

    act(kInstall, rows());
    act(kInstall, second);
    act(kCommit, rows());
    act(kCommit, second);
    EXPECT_FALSE(m_dir.exists("app.xml.back"));
    EXPECT_FALSE(m_dir.exists("app.xml.1.back"));
    EXPECT_EQ(entries("app.xml"), "(none)");
    EXPECT_EQ(entries("new.xml"), "*");
}

// Only the elements that carry the key attributes of their records, and of
// their records' parents, are read as candidates: the one that fits is
// patched among many that do not.
TEST_F(XmlManagerTest, KeyAttributesOfTheElementAndItsParentsFindTheMatch) {
    std::string groups = "<config>\r\n";
    for (const char* group : {"a", "b"}) {
        groups += std::string("  <group name=\"") + group + "\">\r\n";
        for (int i = 0; i < 50; ++i)
            groups += "    <add key=\"k" + std::to_string(i) + "\" value=\"0\"/>\r\n";
        groups += "  </group>\r\n";
    }
    groups += "</config>\r\n";
    m_dir.write("groups.xml", groups);
    UpdateRows data;
    data.properties = {{u"ProductCode", u"{P}"}};
    data.files = wideRows({demo::fileRow("g", "groups.xml", m_dir.path(), "cfg", "0")});
    data.elements = {{u"cfg", u"", u"config", u"0", u"0", u""},
                     {u"grp", u"cfg", u"group", u"1", u"0", u""},
                     {u"add", u"grp", u"add", u"1", u"8", u""}};
    // Keys (0x0B) and a value overwritten (0x0E).
    data.attributes = {{u"1", u"grp", u"name", u"11", u"0", u"b"},
                       {u"2", u"add", u"key", u"11", u"0", u"k7"},
                       {u"3", u"add", u"value", u"14", u"1", u"1"}};
    EXPECT_EQ(act(kInstall, data), 0u);
    std::string expected = groups;
    const std::string before = "<add key=\"k7\" value=\"0\"/>";
    expected.replace(expected.find(before, expected.find("<group name=\"b\">")), before.size(),
                     "<add key=\"k7\" value=\"1\"/>");
    EXPECT_EQ(m_dir.read("groups.xml"), expected);
}

} // namespace
