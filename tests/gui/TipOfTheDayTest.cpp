// The tip of the day: the tips file, the dialog that steps through it, the
// start-up switch in the profile, and the tips file that the program
// writes beside itself at every start.

#include "AppProfile.h"
#include "CXHTMLStatic.h"
#include "CXHTMLTipOfTheDayDlg.h"
#include "DialogLook.h"
#include "FileSystem.h"
#include "MenuCreatorDlg.h"
#include "ModalScript.h"
#include "ProgramResource.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <wx/button.h>
#include <wx/checkbox.h>

namespace {

class TipOfTheDayTest : public testing::Test {
protected:
    void SetUp() override {
        // The program folder without its trailing separator.
        setApplicationFolderForTests(m_dir.path().substr(0, m_dir.path().size() - 1).c_str());
        AppProfile::WriteProfileInt("Parameters", "TipsActivated", 1);
    }
    void TearDown() override { setApplicationFolderForTests(""); }
    static int tipsActivated() { return AppProfile::GetProfileInt("Parameters", "TipsActivated", -1); }
    static CString heading(CXHTMLTipOfTheDayDlg& dialog) { return dialog.getHeader()->getWindowText(); }
    static CString shownTip(CXHTMLTipOfTheDayDlg& dialog) { return dialog.getTipControl()->getWindowText(); }
    static bool enabled(wxDialog& dialog, int id) { return dialog.FindWindow(id)->IsEnabled(); }

    TempDir m_dir;
    RecordingUserInterface m_ui;
};

TEST_F(TipOfTheDayTest, OpensOnTheWelcomeTipAndCyclesThroughTheOthers) {
    m_dir.write("Tips.tip", "<b>Welcome</b> tip\r\n\r\n;a comment\r\n a blank first\r\n\tindented\r\n"
                            "Tip one\r\nTip two\r\n");
    CXHTMLTipOfTheDayDlg dialog("Tips.tip", nullptr);
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(dialog.getHighestIndex(), 2);
    EXPECT_EQ(shownTip(dialog), "<b>Welcome</b> tip");
    EXPECT_NE(heading(dialog).Find(">Welcome</font>"), -1) << heading(dialog);
    EXPECT_TRUE(static_cast<wxCheckBox*>(dialog.FindWindow(CXHTMLTipOfTheDayDlg::IDC_STARTUP))->GetValue());

    // ">>" goes on after the welcome, under "Did you know...", and comes
    // back to tip one after the last; "<<" from tip one goes to the last.
    const struct {
        bool next;
        int index;
        const char* tip;
    } steps[] = {{true, 1, "Tip one"},
                 {true, 2, "Tip two"},
                 {true, 1, "Tip one"},
                 {false, 2, "Tip two"},
                 {false, 1, "Tip one"}};
    for (const auto& step : steps) {
        step.next ? dialog.OnNext() : dialog.OnPrevious();
        EXPECT_EQ(dialog.getTipIndex(), step.index);
        EXPECT_EQ(shownTip(dialog), step.tip);
        EXPECT_NE(heading(dialog).Find(">Did you know...</font>"), -1);
    }
    // The heading's rule is drawn in the band's grey.
    EXPECT_NE(heading(dialog).Find("<hr size=1>"), -1);
    dialog.OnDestroy();
    EXPECT_EQ(tipsActivated(), 1);
}

TEST_F(TipOfTheDayTest, UncheckedTheDialogNeverShowsAgain) {
    m_dir.write("Tips.tip", "Welcome\r\nTip one\r\n");
    {
        ModalScript script;
        script.then<CXHTMLTipOfTheDayDlg>([](CXHTMLTipOfTheDayDlg& dialog) {
            static_cast<wxCheckBox*>(dialog.FindWindow(CXHTMLTipOfTheDayDlg::IDC_STARTUP))->SetValue(false);
            dialog.OnOK();
            return answerOf(dialog);
        });
        CXHTMLTipOfTheDayDlg dialog("Tips.tip", nullptr);
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
    EXPECT_EQ(tipsActivated(), 0);
    // Switched off, it closes before it is ever shown (no window opens),
    // and the setting stays off.
    ModalScript none;
    CXHTMLTipOfTheDayDlg dialog("Tips.tip", nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(none.opened.empty());
    EXPECT_FALSE(dialog.IsShown());
    EXPECT_EQ(tipsActivated(), 0);
}

TEST_F(TipOfTheDayTest, AMissingTipsFileIsSaidInTheTipAndChangesNoSetting) {
    CXHTMLTipOfTheDayDlg dialog("Missing.tip", nullptr, 0);
    dialog.OnInitDialog();
    EXPECT_EQ(shownTip(dialog).Find("Tips file missing:"), 0) << shownTip(dialog);
    EXPECT_NE(shownTip(dialog).Find("Missing.tip"), -1) << shownTip(dialog);
    EXPECT_FALSE(enabled(dialog, CXHTMLTipOfTheDayDlg::IDC_NEXTTIP));
    EXPECT_FALSE(enabled(dialog, CXHTMLTipOfTheDayDlg::IDC_PREVTIP));
    static_cast<wxCheckBox*>(dialog.FindWindow(CXHTMLTipOfTheDayDlg::IDC_STARTUP))->SetValue(false);
    dialog.OnDestroy();
    EXPECT_EQ(tipsActivated(), 1);
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(TipOfTheDayTest, TipsFilesWithoutTipsAndWithOverlongLines) {
    // Only comments: an empty tip, and stepping shows nothing new.
    m_dir.write("Tips.tip", ";one\r\n;two\r\n\r\n");
    CXHTMLTipOfTheDayDlg empty("Tips.tip", nullptr);
    empty.OnInitDialog();
    EXPECT_EQ(shownTip(empty), "");
    empty.OnNext();
    EXPECT_EQ(shownTip(empty), "");

    // A line of 20,000 characters is read in pieces of at most 9,997, each a tip.
    m_dir.write("Long.tip", std::string(20000, 'x') + "\r\n");
    CXHTMLTipOfTheDayDlg longLine("Long.tip", nullptr);
    longLine.OnInitDialog();
    EXPECT_EQ(longLine.getHighestIndex(), 2);
    EXPECT_EQ(shownTip(longLine).GetLength(), 9997);
    longLine.OnNext();
    longLine.OnNext();
    EXPECT_EQ(shownTip(longLine).GetLength(), 6);
}

TEST_F(TipOfTheDayTest, TheResourceIsWrittenWholeAndOnlyWhenAsked) {
    const std::string_view tips = findProgramResource(kTipsResourceId, kTipsResourceType);
    ASSERT_FALSE(tips.empty());
    EXPECT_EQ(tips.substr(0, 5), "<font");
    EXPECT_NE(tips.find("\r\n\r\n"), std::string::npos) << "tips are separated by empty lines";

    // The folder's trailing blanks go, a separator is added.
    const std::string folder = m_dir.path() + "bin  ";
    m_dir.write("bin/Tips.tip", "old");
    EXPECT_EQ(writeResourceToFile(129, "TIPS", "Tips.tip", folder.c_str(), FALSE), 0u);
    EXPECT_EQ(m_dir.read("bin/Tips.tip"), "old");
    EXPECT_EQ(writeResourceToFile(129, "TIPS", "Tips.tip", folder.c_str(), TRUE), tips.size());
    EXPECT_EQ(m_dir.read("bin/Tips.tip"), std::string(tips));

    const std::set<std::string> before = m_dir.entries();
    EXPECT_EQ(writeResourceToFile(0, "TIPS", "Tips.tip", m_dir.path().c_str(), TRUE), 0u);
    EXPECT_EQ(writeResourceToFile(129, "", "Tips.tip", m_dir.path().c_str(), TRUE), 0u);
    EXPECT_EQ(writeResourceToFile(129, "TIPS", "", m_dir.path().c_str(), TRUE), 0u);
    // A resource the program does not carry creates no file.
    EXPECT_EQ(writeResourceToFile(130, "TIPS", "Other.tip", m_dir.path().c_str(), TRUE), 0u);
    // A folder that cannot take the file: nothing written, nothing said.
    EXPECT_EQ(writeResourceToFile(129, "TIPS", "Tips.tip", (m_dir.path() + "missing").c_str(), TRUE), 0u);
    EXPECT_EQ(m_dir.entries(), before);
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(TipOfTheDayTest, AProgramFolderWithoutTheTipsFileShowsTheTipsTheProgramCarries) {
    setApplicationFolderForTests((m_dir.path() + "read-only/bin").c_str());
    ASSERT_EQ(writeResourceToFile(129, "TIPS", "Tips.tip", getApplicationFolder(), TRUE), 0u);
    CXHTMLTipOfTheDayDlg dialog("Tips.tip", nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.getHighestIndex(), 8);
    EXPECT_NE(shownTip(dialog).Find("Welcome to Maravex Tolvane"), -1);
    EXPECT_TRUE(enabled(dialog, CXHTMLTipOfTheDayDlg::IDC_NEXTTIP));
    dialog.OnNext();
    EXPECT_NE(shownTip(dialog).Find("F1"), -1);
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(TipOfTheDayTest, TheMainWindowWritesTheTipsAtStartUpAndShowsTheTipOfTheDay) {
    m_dir.write("Tips.tip", "stale");
    {
        CMenuCreatorDlg window("", nullptr);
        window.OnInitDialog();
        EXPECT_EQ(m_dir.read("Tips.tip"), std::string(findProgramResource(129, "TIPS")));
        ModalScript script;
        script.then<CXHTMLTipOfTheDayDlg>([](CXHTMLTipOfTheDayDlg& dialog) {
            EXPECT_NE(dialog.getTipControl()->getWindowText().Find("Welcome to Maravex Tolvane"), -1);
            dialog.OnNext();
            dialog.OnOK();
            return answerOf(dialog);
        });
        window.showTipOfTheDay();
        EXPECT_TRUE(window.getTimer(CMenuCreatorDlg::kRepaintTimer).IsRunning());
    }
    // Switched off: the file is still written, no dialog opens.
    AppProfile::WriteProfileInt("Parameters", "TipsActivated", 0);
    m_dir.write("Tips.tip", "stale");
    CMenuCreatorDlg window("", nullptr);
    window.OnInitDialog();
    EXPECT_NE(m_dir.read("Tips.tip"), "stale");
    ModalScript none;
    window.showTipOfTheDay();
    EXPECT_TRUE(none.opened.empty());
}

TEST_F(TipOfTheDayTest, Looks) {
    ASSERT_GT(writeResourceToFile(129, "TIPS", "Tips.tip", getApplicationFolder(), TRUE), 0u);
    CXHTMLTipOfTheDayDlg dialog("Tips.tip", nullptr);
    dialog.OnInitDialog();
    checkDialogLook(dialog, "tip-of-the-day", m_dir.path());
    // Every tip lies inside the tip's area.
    for (int tip = 1; tip <= dialog.getHighestIndex(); ++tip) {
        dialog.OnNext();
        // Laid out without a bottom, the tip ends inside its area.
        CXHTMLStatic* text = dialog.getTipControl();
        const wxSize area = text->GetClientSize();
        text->SetClientSize(area.x, 10000);
        const XHtmlLayout layout = text->layoutText();
        text->SetClientSize(area);
        EXPECT_FALSE(layout.runs.empty());
        EXPECT_LE(layout.bottom, area.y) << "tip " << tip << " runs past the bottom";
        if (tip == 2)
            checkDialogLook(dialog, "tip-of-the-day-2", m_dir.path());
    }
    dialog.OnDestroy();
}

} // namespace
