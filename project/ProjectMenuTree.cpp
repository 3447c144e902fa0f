// The menu-tree file "MenuTreeV2.dat" in the folder "tolvane": one record a
// line, each preceded by a line break, read in fresh mode when a project
// opens and in reload mode before every change made while several users
// share the project.

#include "CTime.h"
#include "FileFinder.h"
#include "FileSystem.h"
#include "ItemListePlus.h"
#include "MainWindow.h"
#include "MenuTreeRecord.h"
#include "Project.h"
#include "ReadPass.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextInStream.h"
#include "TextOutStream.h"
#include "ui/UserInterface.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr const char* kMenuTreeFile = "MenuTreeV2.dat";

// Why a project cannot be opened: "The project "%s" cannot be opened: ..."
constexpr UINT kIdsProjectFileMissing = 33400;
constexpr UINT kIdsProjectIsFolder = 33401;
constexpr UINT kIdsProjectFileUnreadable = 33402;
constexpr UINT kIdsProjectTreeMissing = 33403;
// "The menu tree file %s is damaged: its record on line %d is cut short ..."
// with the newest backup, or with the backup folder that holds none.
constexpr UINT kIdsTreeCutShort = 33530;
constexpr UINT kIdsTreeCutShortNoBackup = 33531;
// "The menu tree file %s was changed by another copy of the program ..."
constexpr UINT kIdsTreeChangedElsewhere = 33532;
// "The damaged menu tree file %s could not be kept as %s (%s) ..."
constexpr UINT kIdsDamagedTreeNotKept = 33533;

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

bool Project::menuTreeChangedOnDisk() const {
    if (!m_treeStampKnown)
        return false;
    // Another copy replaces the file, never removes it: a file gone holds
    // nothing to take in.
    const platform::FileStamp now = platform::fileStamp(getMenuTreePath());
    return now.exists && !(now == m_treeStamp);
}

bool Project::changesSharedTree() const {
    return StdOption::instance().getMultiUsers() || menuTreeChangedOnDisk();
}

CString Project::newestMenuTreeBackup(const std::string& except) const {
    // Backups are named by the second they were made; the newest first.
    const CString saveFolder = m_projectFolder + "tolvane/save/";
    std::vector<std::pair<long long, CString>> backups;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(saveFolder + "*.sav", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                backups.emplace_back(std::atoll(found.cFileName), found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(backups.begin(), backups.end(), std::greater<>());
    // The copy made when the project opened is the damaged file itself.
    for (const auto& backup : backups) {
        std::string bytes;
        if (platform::readFileBytes(saveFolder + backup.second, bytes) && bytes != except)
            return saveFolder + backup.second;
    }
    return CString();
}

void Project::damagedMenuTreeRead(int line, const std::string& bytes, const platform::FileStamp& stamp) {
    if (m_damageTold == stamp && !m_damagedTreeCopy.IsEmpty()) {
        // Said already; kept already unless the copy is still to be made.
        m_treeDamaged = !platform::pathExists(m_damagedTreeCopy);
        return;
    }
    m_treeDamaged = true;
    m_damageTold = stamp;
    // A name that no file has, for the copy made before the tree is next written.
    CString seconds;
    seconds.Format("%ld", static_cast<long>(CTime::GetCurrentTime().GetTime()));
    const CString stem = m_projectFolder + "tolvane/" + kMenuTreeFile + "." + seconds;
    m_damagedTreeCopy = stem + ".damaged";
    for (int n = 2; platform::pathExists(m_damagedTreeCopy); ++n) {
        CString numbered;
        numbered.Format("-%d.damaged", n);
        m_damagedTreeCopy = stem + numbered;
    }
    const CString backup = newestMenuTreeBackup(bytes);
    CString message;
    message.Format(
        loadString(backup.IsEmpty() ? kIdsTreeCutShortNoBackup : kIdsTreeCutShort),
        platform::shownPath(getMenuTreePath()).GetString(), line,
        platform::shownPath(backup.IsEmpty() ? m_projectFolder + "tolvane/save" : backup).GetString(),
        platform::shownPath(m_damagedTreeCopy).GetString());
    ui::AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}

bool Project::keepDamagedMenuTree() {
    if (!m_treeDamaged)
        return true;
    if (!CopyFileA(getMenuTreePath(), m_damagedTreeCopy, TRUE)) {
        CString message;
        message.Format(loadString(kIdsDamagedTreeNotKept), platform::shownPath(getMenuTreePath()).GetString(),
                       platform::shownPath(m_damagedTreeCopy).GetString(),
                       platform::lastErrorText().GetString());
        ui::AfxMessageBox(message, MB_OK | MB_ICONSTOP);
        return false;
    }
    m_treeDamaged = false;
    return true;
}

void Project::saveMenuTree() {
    const CString path = getMenuTreePath();
    // The look at the file and its writing go together under the lock, which
    // another copy of the program takes to write it too; when the lock
    // cannot be had, the look is made all the same.
    const bool ownLock = !m_lockStream && takeTreeLock();
    struct LockRelease {
        Project& project;
        bool own;
        ~LockRelease() {
            if (own)
                project.unlockTree();
        }
    } release{*this, ownLock};
    if (menuTreeChangedOnDisk()) {
        CString message;
        message.Format(loadString(kIdsTreeChangedElsewhere), platform::shownPath(path).GetString());
        ui::AfxMessageBox(message, MB_OK | MB_ICONSTOP);
        return;
    }
    if (!keepDamagedMenuTree())
        return;
    backupMenuTree();
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
        message.Format(loadString(32964), platform::shownPath(path).GetString(),
                       platform::shownPath(m_projectFolder + "tolvane").GetString());
        ui::AfxMessageBox(message);
        return;
    }
    m_treeStamp = platform::fileStamp(path);
    m_treeStampKnown = true;
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

    // The file's bytes and what they were read from, so that a later look
    // tells whether another copy of the program rewrote it since.
    const CString treePath = getMenuTreePath();
    std::string bytes;
    platform::DiskEntry entry;
    const int fd = platform::openDiskEntry(treePath.str(), entry);
    const bool read =
        fd >= 0 && platform::readOpenDiskFile(fd, bytes, S_ISREG(entry.st.st_mode) ? entry.st.st_size : -1);
    m_treeStamp = fd >= 0 ? platform::fileStamp(entry.st) : platform::fileStamp(treePath);
    m_treeStampKnown = true;
    m_treeDamaged = false;
    TextInStream in;
    if (read)
        in.openBytes(bytes);
    else
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
        // The first record cut short, by its line; a file that ends inside
        // the line break before a record has that record cut to nothing.
        int cutLine = 0;
        int lineNumber = 0;
        CString line;
        while (in.getline(line, INT_MAX)) {
            ++lineNumber;
            // Only the last line can keep a carriage return: the file ends
            // between it and its line feed.
            if (line.Right(1) == "\r" && in.eof()) {
                line = line.Left(line.GetLength() - 1);
                if (!cutLine)
                    cutLine = lineNumber + 1;
            }
            MenuTreeRecord record;
            if (!MenuTreeRecord::parse(line, record))
                continue;
            // A record cut short would be an item without its name, icons
            // or flags: it is left out, and said.
            if (!MenuTreeRecord::isWhole(line)) {
                if (!cutLine || cutLine > lineNumber)
                    cutLine = lineNumber;
                continue;
            }
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
        // Only the project's own tree file is written over later.
        if (cutLine && read)
            damagedMenuTreeRead(cutLine, bytes, m_treeStamp);
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
