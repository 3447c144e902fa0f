// "New project creation" on a program folder of the test's own: the
// templates it offers, the project it makes, the entries it refuses with
// every reason at once, and the creations that fail after the folder was
// made, which leave nothing behind.

#include "CNewProjectDlgMgt.h"
#include "ModalScript.h"
#include "ProgramFolder.h"
#include "StringTable.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <wx/dirdlg.h>
#include <wx/listbox.h>
#include <wx/utils.h>

namespace {

class NewProjectTest : public ProgramFolder {
protected:
    std::unique_ptr<CNewProjectDlgMgt> open() {
        auto dialog = std::make_unique<CNewProjectDlgMgt>(nullptr);
        dialog->OnInitDialog();
        return dialog;
    }
    static std::vector<std::string> templates(const CNewProjectDlgMgt& dialog) {
        std::vector<std::string> names;
        for (unsigned i = 0; i < dialog.getTemplateList()->GetCount(); ++i)
            names.push_back(dialog.getTemplateList()->GetString(i).utf8_string());
        return names;
    }
    static void choose(CNewProjectDlgMgt& dialog, const char* name) {
        wxListBox* list = dialog.getTemplateList();
        list->SetSelection(list->FindString(name, true));
        dialog.OnSelchangeTemplates();
    }
    // A site template of the program folder: the standard one, or a copy
    // of it changed by the test.
    std::string templateFolder(const std::string& name) const {
        return m_dir / ("bin/Data/SiteTemplates/" + name);
    }
    void copyStandardTemplate(const std::string& as) const {
        ASSERT_TRUE(platform::copyTree(templateFolder("Standard").c_str(), templateFolder(as).c_str()));
    }
    // The collected message: its heading, then one reason per line.
    static std::string refusal(std::initializer_list<int> reasons) {
        std::string text = loadString(33166).str();
        for (int reason : reasons)
            text += "\n" + loadString(reason).str();
        return text;
    }
};

TEST_F(NewProjectTest, OffersTheTemplateFoldersAndDescribesTheOneChosen) {
    copyStandardTemplate("_Draft");
    copyStandardTemplate("Bilingual");
    std::filesystem::remove(templateFolder("Bilingual") + "/templateDescription.txt");
    m_dir.write("bin/Data/SiteTemplates/notes.txt", "not a template");
    auto dialog = open();
    EXPECT_EQ(templates(*dialog), (std::vector<std::string>{"Bilingual", "Standard"}));
    EXPECT_EQ(dialog->getTemplateList()->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(dialog->getText(CNewProjectDlgMgt::IDC_DESCRIPTION), "");

    choose(*dialog, "Standard");
    const std::string description = dialog->getText(CNewProjectDlgMgt::IDC_DESCRIPTION).str();
    EXPECT_EQ(description.rfind("Standard process site, English first and French as second language.\n\n", 0),
              0u)
        << description;
    EXPECT_NE(description.find("\"Generate site in 2 languages\" in the options.\n"), std::string::npos);
    // A template without its description file shows none.
    choose(*dialog, "Bilingual");
    EXPECT_EQ(dialog->getText(CNewProjectDlgMgt::IDC_DESCRIPTION), "");
}

TEST_F(NewProjectTest, MakesTheProjectFolderNamedAfterTheProject) {
    auto dialog = open();
    choose(*dialog, "Standard");
    dialog->setText(CNewProjectDlgMgt::IDC_PROJECT_NAME, "Mon projet");
    // A location given with a separator at its end.
    dialog->setText(CNewProjectDlgMgt::IDC_LOCATION, (work() + "/").c_str());
    dialog->OnOK();
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_TRUE(dialog->hasEnded());
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(dialog->getProjectFile(), (work("Mon_projet/Mon_projet.tvx")).c_str());
    EXPECT_EQ(dialog->getProjectName(), "Mon_projet");
    // The common files and the template's, side by side in the folders they share.
    for (const char* file : {"Mon_projet.tvx", "tolvane/MenuTreeV2.dat", "site/Home/overview.htm",
                             "applet/treeView.htm", "applet/IconImages/home.gif", "css/project.css",
                             "JScript/dtree.js", "tolvane/Templates/Word/WordHeader.htm"})
        EXPECT_TRUE(m_dir.exists("work/Mon_projet/" + std::string(file))) << file;
    EXPECT_FALSE(m_dir.exists("work/Mon_projet/project.tvx"));
    EXPECT_EQ(m_dir.read("work/Mon_projet/Mon_projet.tvx"),
              m_dir.read("bin/Data/SiteTemplates/Standard/project.tvx"));
}

TEST_F(NewProjectTest, ThePickedFolderBecomesTheLocation) {
    auto dialog = open();
    ModalScript script;
    script.then<wxDirDialog>([this](wxDirDialog& picker) {
        EXPECT_EQ(picker.GetMessage().utf8_string(), loadString(33167).str());
        EXPECT_TRUE(picker.HasFlag(wxDD_DIR_MUST_EXIST));
        TolvaneDialog::answerChooser(picker, work().c_str());
        return static_cast<int>(wxID_OK);
    });
    dialog->OnBrowse();
    EXPECT_EQ(dialog->getText(CNewProjectDlgMgt::IDC_LOCATION), work().c_str());
    // Cancelled: the location stays.
    script.then<wxDirDialog>([](wxDirDialog&) { return static_cast<int>(wxID_CANCEL); });
    dialog->OnBrowse();
    EXPECT_EQ(dialog->getText(CNewProjectDlgMgt::IDC_LOCATION), work().c_str());
}

// The picker opens on the folder typed as the location; without one (or
// with one that is no folder) on the user's home folder, not on an empty
// list of recent files.
TEST_F(NewProjectTest, ThePickerOpensOnTheLocationOrTheHomeFolder) {
    const std::string home = wxGetHomeDir().utf8_string();
    const struct {
        std::string location;
        std::string opensOn;
    } cases[] = {
        {"", home},
        {work("missing"), home},
        {work("Mon projet"), home},
        {work(), work()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.location);
        auto dialog = open();
        dialog->setText(CNewProjectDlgMgt::IDC_LOCATION, c.location.c_str());
        EXPECT_EQ(dialog->getPickerFolder().str(), c.opensOn);
        ModalScript script;
        script.then<wxDirDialog>([](wxDirDialog&) { return static_cast<int>(wxID_CANCEL); });
        dialog->OnBrowse();
        EXPECT_EQ(dialog->getText(CNewProjectDlgMgt::IDC_LOCATION), c.location.c_str());
    }
}

// Entries that make no project: every reason is told at once, the dialog
// stays open, nothing is created and the caller gets no project.
TEST_F(NewProjectTest, RefusesEntriesThatMakeNoProject) {
    ASSERT_TRUE(CreateDirectoryA(work("Mon_projet").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(work("Sales_Marketing").c_str(), nullptr));
    m_dir.write("work/file.txt", "a file");
    const struct {
        const char* name;
        std::string location;
        bool templateChosen;
        std::vector<std::string> messages;
    } cases[] = {
        {"", "", false, {refusal({33162, 33164, 33165})}},
        {"Site", work("missing"), true, {refusal({33163})}},
        {"Site", work("file.txt"), true, {refusal({33163})}},
        // The name is checked as the folder it becomes.
        {"Mon projet", work(), true, {refusal({33169})}},
        {"Sales/Marketing", work(), true, {refusal({33169})}},
        // A character no item name may hold: its own box first.
        {"50%", work(), true, {loadString(32973).str(), refusal({32973})}},
        {"..\\Site", work(), false, {loadString(32973).str(), refusal({32973, 33165})}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " in " + c.location);
        const auto before = m_dir.entries();
        auto dialog = open();
        if (c.templateChosen)
            choose(*dialog, "Standard");
        dialog->setText(CNewProjectDlgMgt::IDC_PROJECT_NAME, c.name);
        dialog->setText(CNewProjectDlgMgt::IDC_LOCATION, c.location.c_str());
        dialog->OnOK();
        EXPECT_EQ(messages(), c.messages);
        EXPECT_FALSE(dialog->hasEnded());
        EXPECT_EQ(dialog->getProjectFile(), "");
        EXPECT_EQ(m_dir.entries(), before);
    }
}

// Creations that fail once the dialog has closed: each is told, the folder
// made for the project is gone again, and the caller gets no project.
TEST_F(NewProjectTest, AFailedCreationLeavesNothingBehind) {
    // A template whose file would replace one of the common files.
    copyStandardTemplate("Clashing");
    m_dir.write("bin/Data/SiteTemplates/Clashing/css/project.css", "body {}");
    // A template without its settings file.
    copyStandardTemplate("Unnamed");
    std::filesystem::remove(templateFolder("Unnamed") + "/project.tvx");
    // A folder in which nothing can be made, even by the super-user.
    const std::string unwritable = "/proc";
    const struct {
        const char* templateName;
        std::string location;
        std::vector<std::string> messages;
    } cases[] = {
        {"Standard",
         unwritable,
         {"Creation of directory /proc/Site failed. Notice that path length should not exceed 248 "
          "characters.\n(" +
          std::string(std::strerror(ENOENT)) + ")"}},
        {"Clashing",
         work(),
         {"File copy failed: " + m_dir / "bin/Data/SiteTemplates/Clashing/css/project.css -> " + work() +
              "/Site/css/project.css",
          loadString(33168).str()}},
        {"Unnamed",
         work(),
         {"The settings file " + work() + "/Site/project.tvx could not be renamed to " + work() +
          "/Site/Site.tvx (" + std::strerror(ENOENT) + "). The project was not created."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.templateName);
        const auto before = m_dir.entries();
        auto dialog = open();
        choose(*dialog, c.templateName);
        dialog->setText(CNewProjectDlgMgt::IDC_PROJECT_NAME, "Site");
        dialog->setText(CNewProjectDlgMgt::IDC_LOCATION, c.location.c_str());
        dialog->OnOK();
        EXPECT_TRUE(dialog->hasEnded());
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(dialog->getProjectFile(), "");
        EXPECT_EQ(dialog->getProjectName(), "");
        EXPECT_EQ(m_dir.entries(), before);
        EXPECT_FALSE(platform::pathExists("/proc/Site"));
    }
}

TEST_F(NewProjectTest, CancelGivesNoProject) {
    auto dialog = open();
    choose(*dialog, "Standard");
    dialog->setText(CNewProjectDlgMgt::IDC_PROJECT_NAME, "Site");
    dialog->setText(CNewProjectDlgMgt::IDC_LOCATION, work().c_str());
    const auto before = m_dir.entries();
    dialog->OnCancel();
    EXPECT_EQ(dialog->getProjectFile(), "");
    EXPECT_EQ(m_dir.entries(), before);
}

} // namespace
