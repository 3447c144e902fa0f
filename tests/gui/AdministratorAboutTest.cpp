// The "Admin" dialog and its version check, answered by a server on the
// loopback address.

#include "CAdministratorAbout.h"
#include "CHyperlinkStatic.h"
#include "DialogLook.h"
#include "FileSystem.h"
#include "LoopbackHttpServer.h"
#include "MenuCreatorDlg.h"
#include "ModalScript.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "VersionCheck.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

const char* const kCannotGet = "Can not get the last Maravex Tolvane version";
const char* const kUpToDate = "Maravex Tolvane is up-to-date";

// Numbers past what an int holds count as the largest there is, never as a
// number wrapped round into a small or negative one.
TEST(VersionCheckTest, ComparesVersionNumbersNotTexts) {
    const struct {
        const char* latest;
        const char* running;
        int order; // of latest against running
    } cases[] = {
        {"2.4.5", "2.4.5", 0},
        {"2.4.4", "2.4.5", -1},
        {"2.10", "2.9", 1},
        {"2.4.5.0", "2.4.5", 0},
        {"3", "2.99.99", 1},
        {"2.5.0 beta", "2.4.5", 1},
        {"2.4.5 beta", "2.4.5", -1},
        {"2.4.5", "2.4.5 rc1", 1},
        {"v2.4.6", "2.4.5", 1},
        {"02.4.5", "2.4.5", 0},
        {"2.4294967295", "2.4.5", 1},
        {"2.99999999999999999999", "2.4.5", 1},
        {"2.4294967295", "2.99999999999999999999", 0},
    };
    for (const auto& c : cases) {
        const int order = VersionCheck::compareVersions(c.latest, c.running);
        EXPECT_EQ((order > 0) - (order < 0), c.order) << c.latest << " against " << c.running;
    }
}

TEST(VersionCheckTest, TellsWhatTheFirstLineSays) {
    const struct {
        std::string file;
        const char* message;
    } cases[] = {
        {"version=2.4.5\r\n", kUpToDate},
        {"version=2.4.4", kUpToDate},
        {"version=2.10.1\nrelease notes\n", "A new version is available: 2.10.1"},
        {"current version=2.5.0 beta\r\n", "A new version is available: 2.5.0 beta"},
        {"\r\nversion=9.0\r\n", kCannotGet},
        {"", kCannotGet},
        {"version=\r\n", kCannotGet},
        {"version=unknown", kCannotGet},
    };
    for (const auto& c : cases) {
        VersionCheck::setFetcher([&c](const CString& path, std::string& content) {
            EXPECT_EQ(path, "/version/version.txt");
            content = c.file;
            return true;
        });
        EXPECT_EQ(VersionCheck::check("v2.4.5"), c.message) << c.file;
    }
    VersionCheck::setFetcher([](const CString&, std::string&) { return false; });
    EXPECT_EQ(VersionCheck::check("v2.4.5"), kCannotGet);
    VersionCheck::setFetcher(nullptr);
}

class AdministratorAboutTest : public testing::Test {
protected:
    void TearDown() override { unsetenv("TOLVANE_VERSION_SERVER"); }
    RecordingUserInterface m_ui;
    TempDir m_dir;
};

TEST_F(AdministratorAboutTest, ShowsTheVersionAndTheMakersLink) {
    // The program's data beside it, for its picture.
    setApplicationFolderForTests(TOLVANE_DATA_DIR);
    CAdministratorAbout dialog(nullptr, nullptr);
    setApplicationFolderForTests("");
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(dialog.getText(CAdministratorAbout::IDC_VERSION), "Maravex Tolvane v2.4.5");
    EXPECT_EQ(dialog.getMakerLink()->getText(), "www.maravex-process.example");
    EXPECT_EQ(dialog.getMakerLink()->getUrl(), "https://www.maravex-process.example/tolvane");
    ASSERT_NE(dialog.FindWindow(CAdministratorAbout::IDC_CHECKVERSION), nullptr);
    dialog.OnOK();
    EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
    checkDialogLook(dialog, "about", m_dir.path());
}

TEST_F(AdministratorAboutTest, ReportsANewerVersionFromTheServer) {
    LoopbackHttpServer server(200, "version=2.10.0\r\n");
    setenv("TOLVANE_VERSION_SERVER", (server.address() + "/").c_str(), 1);
    CAdministratorAbout dialog(nullptr, nullptr);
    dialog.OnInitDialog();
    dialog.OnCheckversion();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "A new version is available: 2.10.0");
    EXPECT_EQ(server.paths(), std::vector<std::string>{"/version/version.txt"});
    EXPECT_EQ(m_ui.waitCursorDepth, 0);
    EXPECT_EQ(m_ui.waitCursorCount, 1);
}

TEST_F(AdministratorAboutTest, TheSameOrAnOlderVersionIsUpToDateAndAMissingFileIsSaid) {
    const struct {
        int status;
        const char* body;
        const char* message;
    } cases[] = {
        {200, "version=2.4.5\r\n", kUpToDate},
        {200, "version=2.4.4\r\n", kUpToDate},
        {404, "version=3.0\r\n", kCannotGet},
    };
    for (const auto& c : cases) {
        LoopbackHttpServer server(c.status, c.body);
        setenv("TOLVANE_VERSION_SERVER", server.address().c_str(), 1);
        CAdministratorAbout dialog(nullptr, nullptr);
        dialog.OnCheckversion();
        ASSERT_FALSE(m_ui.messages.empty());
        EXPECT_EQ(m_ui.messages.back().text, c.message) << c.body;
        EXPECT_EQ(server.paths().size(), 1u);
    }
}

TEST_F(AdministratorAboutTest, WithoutAConfiguredServerNothingIsAsked) {
    LoopbackHttpServer server(200, "version=9.9.9\r\n");
    unsetenv("TOLVANE_VERSION_SERVER");
    CAdministratorAbout dialog(nullptr, nullptr);
    dialog.OnCheckversion();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, kCannotGet);
    EXPECT_TRUE(server.paths().empty());
}

TEST_F(AdministratorAboutTest, TheMainWindowsAdminButtonOpensIt) {
    CMenuCreatorDlg window("", nullptr);
    ModalScript script;
    script.then<CAdministratorAbout>([](CAdministratorAbout& dialog) {
        EXPECT_EQ(dialog.getText(CAdministratorAbout::IDC_VERSION), "Maravex Tolvane v2.4.5");
        dialog.OnOK();
        return answerOf(dialog);
    });
    wxCommandEvent click(wxEVT_BUTTON, CMenuCreatorDlg::IDC_ADMIN);
    window.FindWindow(CMenuCreatorDlg::IDC_ADMIN)->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(script.opened.size(), 1u);
}

} // namespace
