#include "Project.h"

#include "ItemListePlus.h"
#include "ProcessOption.h"

#include <algorithm>

namespace {

Project* g_project = nullptr;

// Up to and with the last '/' or '\'.
CString folderOf(const CString& path) {
    const int cut = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    return cut < 0 ? CString() : path.Left(cut + 1);
}

} // namespace

Project::Project(const CString& settingsPath, MainWindow* mainWindow, int layoutFlag)
    : m_itemList(new ItemListePlus), m_mainWindow(mainWindow), m_settingsPath(settingsPath),
      m_layoutFlag(layoutFlag) {
    g_project = this;
    // Settings of the project opened before must not leak into this one.
    ProcessOption::instance().resetPopupCache();
    m_projectFolder = folderOf(settingsPath);
    if (layoutFlag && m_projectFolder.GetLength() > 1)
        m_projectFolder = folderOf(m_projectFolder.Left(m_projectFolder.GetLength() - 1));
    m_siteRoot = m_projectFolder + "site" + "/";
}

Project::~Project() {
    m_itemList->deleteAll();
    delete m_itemList;
    if (g_project == this)
        g_project = nullptr;
}

Project* Project::getInstance() { return g_project; }

CString Project::getSettingsFile() const {
    if (!m_settingsPath.IsEmpty())
        return m_settingsPath;
    return m_projectFolder + "tolvane" + "/" + "administrator.ini";
}
