#pragma once

// The open site project: its folder, its settings file and its menu tree.
// Exactly one project is open at a time; getInstance answers it.

#include "CString.h"

class ItemListePlus;
class MainWindow;

class Project {
public:
    Project(const CString& settingsPath, MainWindow* mainWindow, int layoutFlag);
    virtual ~Project();
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    static Project* getInstance();

    // The settings-file path, or "administrator.ini" in the folder "tolvane"
    // of the project folder when the project was opened without one.
    CString getSettingsFile() const;
    CString getProjectDirectory() const { return m_projectFolder; }
    CString getSiteDirectory() const { return m_siteRoot; }
    ItemListePlus* getItemList() const { return m_itemList; }

protected:
    ItemListePlus* m_itemList;
    CString m_siteRoot;
    CString m_projectFolder;
    MainWindow* m_mainWindow;
    CString m_settingsPath;
    int m_layoutFlag;
};
