#include "Project.h"

#include "CTime.h"
#include "FileSystem.h"
#include "Item.h"
#include "ItemListePlus.h"
#include "MainWindow.h"
#include "PrivateProfile.h"
#include "ProcessOption.h"
#include "SharedHold.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "VisibleTree.h"
#include "ui/UserInterface.h"

#include <algorithm>
#include <vector>

namespace {

Project* g_project = nullptr;

constexpr const char* kHomeUrl = "../site/home/overview.htm";

// "The project %s is open in another copy of the program too: ..."
constexpr UINT kIdsOpenElsewhere = 33534;

// Up to and with the last '/' or '\'.
CString folderOf(const CString& path) {
    const int cut = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    return cut < 0 ? CString() : path.Left(cut + 1);
}

// Walks the segments of a path relative to the project folder, resolving
// "." and ".."; false as soon as a ".." climbs above the project folder.
// The folders left at the end go into segments when it is given.
bool resolveSegments(const CString& relativePath, std::vector<CString>* segments) {
    const char* text = relativePath.GetString();
    const int length = relativePath.GetLength();
    int depth = 0;
    int start = 0;
    for (int i = 0; i <= length; ++i) {
        if (i < length && text[i] != '/' && text[i] != '\\')
            continue;
        const int size = i - start;
        if (size == 2 && text[start] == '.' && text[start + 1] == '.') {
            if (depth == 0)
                return false;
            --depth;
            if (segments)
                segments->pop_back();
        } else if (size > 0 && !(size == 1 && text[start] == '.')) {
            ++depth;
            if (segments)
                segments->push_back(relativePath.Mid(start, size));
        }
        start = i + 1;
    }
    return true;
}

} // namespace

Project::Project(const CString& settingsPath, MainWindow* mainWindow, int layoutFlag)
    : m_itemList(new ItemListePlus), m_mainWindow(mainWindow), m_settingsPath(settingsPath),
      m_layoutFlag(layoutFlag) {
    g_project = this;
    // Settings remembered for the project opened before must not leak into this one.
    ProcessOption::instance().resetPopupCache();
    initFromFile(settingsPath, mainWindow);
    m_keptSettings = std::make_unique<platform::KeptProfile>(getSettingsFile());
}

Project::~Project() {
    m_itemList->deleteAll();
    delete m_itemList;
    if (g_project == this)
        g_project = nullptr;
}

Project* Project::getInstance() { return g_project; }

CString Project::getProjectFolderFor(const CString& settingsPath, int layoutFlag) {
    CString folder = folderOf(settingsPath);
    if (layoutFlag && folder.GetLength() > 1)
        folder = folderOf(folder.Left(folder.GetLength() - 1));
    return folder;
}

void Project::initFromFile(const CString& path, MainWindow* mainWindow) {
    m_busy = 1;
    m_projectFolder = getProjectFolderFor(path, m_layoutFlag);
    m_siteRoot = m_projectFolder + "site" + "/";

    m_generationLanguage = StdOption::instance().getGenerationLang();
    m_generationLanguage2 = StdOption::instance().getGenerationLang2();

    m_sourceControl = settings::readKey(path, "CM", "CM") == "yes";
    for (auto [key, field] : {std::pair{"ProjectName", &m_vssProjectName}, {"User", &m_vssUser},
                              {"VssPath", &m_vssPath}}) {
        const CString value = settings::readKey(path, "CM", key);
        if (!value.IsEmpty())
            *field = value;
    }

    CreateDirectoryA(m_projectFolder + "tmp", nullptr);
    // Several users share a project on purpose; otherwise a second copy of
    // the program on it is worth a word, since each change of the tree
    // first takes in what the other saved.
    m_openHold = std::make_unique<SharedHold>(m_projectFolder + "tmp/" + kOpenHoldFileName);
    if (m_openHold->othersHeldIt() && !StdOption::instance().getMultiUsers()) {
        CString message;
        message.Format(loadString(kIdsOpenElsewhere), platform::shownPath(path).GetString());
        ui::AfxMessageBox(message, MB_OK | MB_ICONINFORMATION);
    }
    backupMenuTree();
    if (mainWindow)
        mainWindow->loadIconImages(m_projectFolder);
    m_busy = 0;
}

Item* Project::createItem(Item* parent, const CString& name, const CString& url, int blankTarget,
                          const CString& icon, const CString& openIcon, int level, int frame,
                          const CString& description) {
    return new Item(parent, name, url, blankTarget, icon, openIcon, level, this, frame, description);
}

void Project::onItemRenamed(Item*, const CString&, const CString&) {}

void Project::updateLinks(int, int) {}

int Project::createItemFiles(Item*, const CString&, const CString& classText, int) {
    CString message;
    message.Format(loadString(32982), classText.GetString());
    ui::AfxMessageBox(message);
    return 0;
}

CString Project::getItemPagePath(Item* item, int language) {
    return getPathInSite(item->getPagePath(language));
}

int Project::checkItemClassAllowed(const CString&, Item*) { return 1; }

bool Project::staysInProjectFolder(const CString& relativePath) {
    return resolveSegments(relativePath, nullptr);
}

CString Project::getPathInProject(const CString& relativePath) const {
    return staysInProjectFolder(relativePath) ? m_projectFolder + relativePath : CString();
}

CString Project::getPathInSite(const CString& relativePath) const {
    return staysInProjectFolder(CString(kSiteFolderName) + "/" + relativePath) ? m_siteRoot + relativePath
                                                                               : CString();
}

CString Project::getMovablePathInSite(const CString& relativePath) const {
    std::vector<CString> segments;
    if (!resolveSegments(CString(kSiteFolderName) + "/" + relativePath, &segments) || segments.size() < 2 ||
        segments.front() != kSiteFolderName)
        return CString();
    return m_siteRoot + relativePath;
}

CString Project::getSettingsFile() const {
    if (!m_settingsPath.IsEmpty())
        return m_settingsPath;
    return m_projectFolder + "tolvane" + "/" + "administrator.ini";
}

CString Project::readCharset() const {
    const CString charset = StdOption::instance().getCharset();
    return charset.IsEmpty() ? CString("iso-8859-1") : charset;
}

int Project::getItemCount() const { return m_itemList->count(); }

ItemIterateur* Project::getItemIterator() const { return m_itemList->ItemListe::createIterator(); }

Item* Project::getHomeItem() const {
    Item* home = nullptr;
    ItemIterateur* it = getItemIterator();
    while (!it->isAtEnd()) {
        Item* item = it->current();
        it->next();
        CString url = item->getUrl();
        url.MakeLower();
        if (url == kHomeUrl)
            home = item;
    }
    delete it;
    return home;
}

Project::TreeStamp Project::treeStamp() const {
    return TreeStamp{m_itemList, m_itemList->version(), m_identityEpoch, m_classEpoch};
}

// The project's own indexes (uid, name, url) do not depend on the classes.
Project::TreeStamp Project::identityStamp() const {
    return TreeStamp{m_itemList, m_itemList->version(), m_identityEpoch, 0};
}

void Project::ensureIndexes() const {
    if (!(m_indexStamp == identityStamp()))
        rebuildIndexes();
}

void Project::rebuildIndexes() const {
    m_uidIndex.clear();
    m_foldedUidIndex.clear();
    m_dualByUrl.clear();
    m_nameIndex.clear();
    ItemIterateur* it = m_itemList->ItemListe::createIterator();
    while (!it->isAtEnd()) {
        Item* item = it->current();
        it->next();
        m_uidIndex.emplace(item->getUid(), item); // the first of equal uids
        CString folded = item->getUid();
        folded.MakeUpper();
        m_foldedUidIndex.emplace(folded, item);
        m_nameIndex.emplace(item->getName(), item);
        if (item->getKind() == kDual)
            m_dualByUrl[item->getUrl()] = item; // the last of equal urls
    }
    delete it;
    m_indexStamp = identityStamp();
}

Item* Project::findItemByUid(const CString& uid, ItemListe* list) const {
    CString wanted = uid;
    wanted.MakeUpper();
    if (list && list != m_itemList) {
        ItemIterateur* it = list->createIterator();
        Item* found = nullptr;
        while (!it->isAtEnd() && !found) {
            if (it->current()->getUid() == wanted)
                found = it->current();
            it->next();
        }
        delete it;
        return found;
    }
    ensureIndexes();
    const auto hit = m_uidIndex.find(wanted);
    return hit == m_uidIndex.end() ? nullptr : hit->second;
}

Item* Project::findShortcutTarget(const Item* shortcut) const {
    if (!shortcut || shortcut->getKind() != kShortcut)
        return nullptr;
    ensureIndexes();
    const auto hit = m_dualByUrl.find(shortcut->getUrl());
    return hit == m_dualByUrl.end() ? nullptr : hit->second;
}

TextOutStream* Project::openLog() const {
    auto* log = new TextOutStream(m_siteRoot + getLogFileName(), TextOutStream::Mode::Append);
    if (!log->is_open()) {
        delete log;
        return nullptr;
    }
    *log << "\n\n" << CString('-', 12) << CTime::GetCurrentTime().Format("%A, %B %d, %Y - %H:%M:%S")
         << CString('-', 12) << "\n";
    return log;
}

void Project::closeLog(TextOutStream* log) {
    if (!log)
        return;
    *log << "\n\n" << CString('-', 33) << "\n";
    log->close();
    delete log;
}

CString Project::getVersionString() { return loadString(61449); }

void Project::setProgressRange(int low, int high) { ui::setProgressRange(low, high); }

void Project::setProgressStep(int step) { ui::current().setProgressStep(step); }

void Project::setProgressPos(int position) { ui::setProgressPos(position); }
