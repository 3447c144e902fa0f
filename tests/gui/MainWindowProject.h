#pragma once

// The main window opened on the small process project of the item dialogs
// (or another fixture), and what tests read of its tree.

#include "AppProfile.h"
#include "ItemDialogsProject.h"
#include "MenuCreatorDlg.h"

#include <memory>
#include <string>
#include <vector>

class MainWindowProject : public ItemDialogsProject {
protected:
    void SetUp() override {
        ItemDialogsProject::SetUp();
        m_project.reset();
        // The tip of the day, switched off, never comes between the commands.
        AppProfile::WriteProfileInt("Parameters", "TipsActivated", 0);
        m_main = std::make_unique<CMenuCreatorDlg>((m_dir / "proj/site.tvx").c_str(), nullptr);
        m_main->OnInitDialog();
        messages();
    }
    void TearDown() override {
        m_main.reset();
        ItemDialogsProject::TearDown();
    }
    ProcessItem* item(const char* uid) const {
        return static_cast<ProcessItem*>(m_main->getProject()->findItemByUid(uid));
    }
    wxTreeItemId node(const char* uid) const { return wxTreeItemId(item(uid)->getTreeHandle()); }
    void select(const char* uid) const { m_main->getTree()->SelectItem(node(uid)); }
    std::vector<std::string> nodeNames() const {
        std::vector<std::string> names;
        for (int i = 1; i <= m_main->getProject()->getItemCount(); ++i) {
            Item* listed = m_main->getProject()->getItemList()->at(i);
            names.push_back(
                m_main->getTree()->GetItemText(wxTreeItemId(listed->getTreeHandle())).utf8_string());
        }
        return names;
    }

    std::unique_ptr<CMenuCreatorDlg> m_main;
};
