// The menu-tree file "MenuTreeV2.dat" in the folder "tolvane": one record a
// line, each preceded by a line break, read in fresh mode when a project
// opens and in reload mode before every change made while several users
// share the project.

#include "CTime.h"
#include "FileSystem.h"
#include "ItemListePlus.h"
#include "MainWindow.h"
#include "MenuTreeRecord.h"
#include "Project.h"
#include "ReadPass.h"
#include "StringTable.h"
#include "TextInStream.h"
#include "TextOutStream.h"
#include "ui/UserInterface.h"

#include <climits>
#include <unordered_map>

namespace {

constexpr const char* kMenuTreeFile = "MenuTreeV2.dat";

// Why a project cannot be opened: "The project "%s" cannot be opened: ..."
constexpr UINT kIdsProjectFileMissing = 33400;
constexpr UINT kIdsProjectIsFolder = 33401;
constexpr UINT kIdsProjectFileUnreadable = 33402;
constexpr UINT kIdsProjectTreeMissing = 33403;

} // namespace

CString Project::getMenuTreePath() const { return m_projectFolder + "tolvane" + "/" + kMenuTreeFile; }

CString Project::checkProjectFiles(const CString& settingsPath, int layoutFlag) {
    auto problem = [&settingsPath](UINT id, const CString& detail = CString()) {
        CString message;
        message.Format(loadString(id), settingsPath.GetString(), detail.GetString());
        return message;
    };
    const DWORD attributes = GetFileAttributesA(settingsPath);
    if (settingsPath.IsEmpty() || attributes == INVALID_FILE_ATTRIBUTES)
        return problem(kIdsProjectFileMissing);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return problem(kIdsProjectIsFolder);
    std::string bytes;
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return problem(kIdsProjectFileUnreadable, "not a regular file");
    if (!platform::readFileBytes(settingsPath, bytes))
        return problem(kIdsProjectFileUnreadable, platform::lastErrorText());
    // The tree file is looked for where loadMenuTree reads it.
    const CString folder = getProjectFolderFor(settingsPath, layoutFlag);
    const CString tree = folder + "tolvane" + "/" + kMenuTreeFile;
    if (!platform::fileExists(tree) &&
        !platform::fileExists(folder + "devkit/Administrator/" + kMenuTreeFile))
        return problem(kIdsProjectTreeMissing, tree);
    return CString();
}

void Project::backupMenuTree() const {
    const CString saveFolder = m_projectFolder + "tolvane/save";
    const CString tree = getMenuTreePath();
    if (!platform::folderExists(saveFolder) || !platform::fileExists(tree))
        return;
    CString backup;
    backup.Format("%s/%ld.sav", saveFolder.GetString(), static_cast<long>(CTime::GetCurrentTime().GetTime()));
    CopyFileA(tree, backup, FALSE);
}

void Project::saveMenuTree() {
    backupMenuTree();
    const CString path = getMenuTreePath();
    TextOutStream out(path);
    bool written = out.is_open();
    if (written) {
        ItemIterateur* it = m_itemList->ItemListe::createIterator();
        while (!it->isAtEnd()) {
            Item* item = it->current();
            it->next();
            MenuTreeRecord record = MenuTreeRecord::fromItem(*item);
            // Only a shortcut names another item; the others write a blank.
            if (item->getKind() == kShortcut) {
                record.referencedUid = item->getReferencedUid();
                if (record.referencedUid.IsEmpty()) {
                    const Item* target = findShortcutTarget(item);
                    record.referencedUid = target ? target->getUid() : CString();
                    record.hasReferencedField = target != nullptr;
                }
            }
            out << "\n" << record.format();
        }
        delete it;
        // Until the stream closes the old file stays in place whole.
        written = out.close();
    }
    if (!written) {
        CString message;
        message.Format(loadString(32964), path.GetString(), (m_projectFolder + "tolvane").GetString());
        ui::AfxMessageBox(message);
    }
}

int Project::loadMenuTree(MainWindow* treeDialog, int fresh) {
    // Reading the tree looks at its folders once; the log it may write
    // starts a new epoch.
    ReadPass pass;
    ItemListePlus* oldList = nullptr;
    std::unordered_map<CString, Item*> oldByUid;
    if (fresh) {
        m_itemList->deleteAll();
    } else {
        oldList = m_itemList;
        m_itemList = new ItemListePlus;
        ItemIterateur* it = oldList->ItemListe::createIterator();
        while (!it->isAtEnd()) {
            Item* item = it->current();
            it->next();
            item->setReloadMark(0);
            oldByUid.emplace(item->getUid(), item);
        }
        delete it;
    }
    invalidateIndexes();
    if (treeDialog)
        m_treeDialog = treeDialog;

    TextInStream in(getMenuTreePath());
    if (!in.is_open())
        in.open(m_projectFolder + "devkit/Administrator/" + kMenuTreeFile);
    if (!in.is_open()) {
        m_treeLoaded = 0;
        CString message;
        message.Format(loadString(32966), kMenuTreeFile, "tolvane", kMenuTreeFile, kMenuTreeFile, "tolvane");
        ui::AfxMessageBox(message);
        if (m_mainWindow)
            m_mainWindow->disableProjectButtons();
    } else {
        m_treeLoaded = 1;
        Item* parents[MenuTreeRecord::kMaxLevel + 2] = {};
        int previousLevel = -1;
        TextOutStream* log = nullptr;
        auto logLine = [&](const CString& text) {
            if (!log)
                log = openLog();
            if (log)
                *log << text << "\n";
        };
        CString line;
        while (in.getline(line, INT_MAX)) {
            MenuTreeRecord record;
            if (!MenuTreeRecord::parse(line, record))
                continue;
            // A record deeper than one below the record before, or beyond the
            // deepest level, has no parent of its own: it goes under the
            // nearest shallower item.
            const int level = MenuTreeRecord::placedLevel(record.level, previousLevel);
            if (level != record.level) {
                CString text;
                text.Format("Menu tree record of level %d placed at level %d: ", record.level, level);
                logLine(text + line);
            }
            // A site url whose ".." segments climb out of the project folder
            // makes the item a mere link: no file of it is read or written.
            // Said once, when the project opens.
            if (fresh && isSiteUrl(record.url) && computeItemKind(record.name, record.url) == kExternal)
                logLine("Menu tree item " + record.name + " kept as an external link: its url " + record.url +
                        " leads outside the project folder");
            Item* parent = parents[level];
            Item* item = nullptr;
            const auto old = fresh ? oldByUid.end() : oldByUid.find(record.uid);
            if (old != oldByUid.end() && !old->second->getReloadMark()) {
                item = old->second;
                item->setReloadMark(1);
                m_itemList->append(item);
                item->update(parent, record.name, record.url, record.blankTarget, record.icon, record.openIcon,
                             level);
                item->setReferencedUid(record.referencedUid);
            } else {
                item = createItem(parent, record.name, record.url, record.blankTarget, record.icon,
                                  record.openIcon, level, record.frame, "");
                item->setUid(record.uid);
                item->setVisible(record.visible);
                item->setNameL2(record.nameL2);
                item->setReferencedUid(record.referencedUid);
                m_itemList->append(item);
                itemLoaded(item);
            }
            parents[level + 1] = item;
            previousLevel = level;
        }
        closeLog(log);
        if (oldList) {
            // What another user removed stays allocated for whoever holds it,
            // recognisable by its uid "0".
            ItemIterateur* it = oldList->ItemListe::createIterator();
            while (!it->isAtEnd()) {
                Item* item = it->current();
                it->next();
                if (item->getReloadMark())
                    continue;
                item->setUid("0");
                item->setNameText(item->getName() + " (deleted)");
                item->setNameL2(item->getNameByLanguage(1) + " (deleted)");
                m_detachedItems.push_back(std::unique_ptr<Item>(item));
            }
            delete it;
        }
    }
    if (treeDialog)
        treeDialog->rebuildTree(m_itemList);
    if (oldList) {
        oldList->removeAll();
        delete oldList;
    }
    return 1;
}
