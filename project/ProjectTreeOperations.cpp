// Every change of the menu tree: add, delete, change (rename), move, with
// the checks that guard them and, when several users share the project, the
// lock file "tmp/lock.data" and the reload before acting.

#include "CStringListe.h"
#include "CTime.h"
#include "FileFinder.h"
#include "FileSystem.h"
#include "ItemListePlus.h"
#include "MainWindow.h"
#include "MenuTreeRecord.h"
#include "Project.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "TreeChecks.h"
#include "ui/UserInterface.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

namespace {

// Holds back the tree file's save while a larger change runs; the outermost
// change saves once at its end.
class TreeSaveDeferral {
public:
    explicit TreeSaveDeferral(int& depth) : m_depth(depth) { ++m_depth; }
    ~TreeSaveDeferral() { --m_depth; }
    TreeSaveDeferral(const TreeSaveDeferral&) = delete;
    TreeSaveDeferral& operator=(const TreeSaveDeferral&) = delete;

private:
    int& m_depth;
};

constexpr int kLockAttempts = 10;
constexpr auto kLockWait = std::chrono::milliseconds(150);

void message(UINT id) {
    ui::AfxMessageBox(loadString(id));
}

bool isHomeUrl(const CString& url) {
    return url == "../site/Home/overview.htm" || url == "../site/home/overview.htm";
}

// Whether a folder's name can be an item's name and part of its url: the
// tree file must hold it on one line and in one field (no control
// character, no '*'), the url must keep it as one folder (no '\'), and it
// must not read as a shortcut's name.
bool canBeItemFolderName(const CString& name) {
    if (CString(name).Trim().IsEmpty() || name.Find(kShortcutPrefix) == 0)
        return false;
    for (int i = 0; i < name.GetLength(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c == 0x7F || c == '*' || c == '\\')
            return false;
    }
    return true;
}

// A folder that the import leaves out, said in the project log.
void logSkippedFolder(const Project& project, const CString& folder, int level) {
    if (TextOutStream* log = project.openLog()) {
        *log << "Folder " << folder << " not imported: "
             << (level > MenuTreeRecord::kMaxLevel ? "the tree holds no item deeper than this"
                                                   : "its name cannot be an item's name")
             << "\n";
        Project::closeLog(log);
    }
}

} // namespace

bool Project::takeTreeLock() {
    // Without its folder the lock file cannot be made: no wait helps.
    if (!platform::folderExists(m_projectFolder + "tmp"))
        return false;
    // Another copy of the program holds the lock while it saves: a few short
    // waits let it finish before giving up.
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        m_lockStream = std::make_unique<TextOutStream>(m_projectFolder + "tmp/" + kLockFileName,
                                                       TextOutStream::Mode::InPlace, false,
                                                       TextOutStream::Share::DenyWrite);
        if (m_lockStream->is_open())
            return true;
        m_lockStream.reset();
        if (attempt + 1 < kLockAttempts)
            std::this_thread::sleep_for(kLockWait);
    }
    return false;
}

int Project::lockTree() {
    if (takeTreeLock())
        return 1;
    ui::AfxMessageBox(loadString(32962) + "\nThe project is in use by another user (" +
                      platform::shownPath(m_projectFolder + "tmp/" + kLockFileName) + ").");
    return 0;
}

void Project::unlockTree() {
    m_lockStream.reset();
}

bool Project::beginSharedChange(std::initializer_list<NamedItem> items) {
    if (!lockTree()) {
        message(32813);
        m_busy = 0;
        return false;
    }
    std::vector<CString> uids;
    for (const NamedItem& named : items)
        uids.push_back(*named.item ? (*named.item)->getUid() : CString());
    m_busy = 1;
    loadMenuTree(nullptr, 0);
    size_t i = 0;
    for (const NamedItem& named : items) {
        const CString& uid = uids[i++];
        if (!*named.item)
            continue;
        *named.item = findItemByUid(uid);
        if (!*named.item) {
            message(named.missingMessage);
            unlockTree();
            m_busy = 0;
            return false;
        }
    }
    return true;
}

void Project::endSharedChange(bool rebuild) {
    unlockTree();
    if (rebuild)
        rebuildTreeView();
    m_busy = 0;
}

void Project::rebuildTreeView() {
    if (m_treeDialog)
        m_treeDialog->rebuildTree(m_itemList);
}

void Project::detach(Item* item) {
    m_itemList->remove(item);
    m_detachedItems.push_back(std::unique_ptr<Item>(item));
}

void Project::insertIntoTree(Item* item, Item* anchor, int mode) {
    if (!anchor) {
        m_itemList->append(item);
        return;
    }
    if (mode == 1) {
        m_itemList->insertBefore(item, anchor);
        return;
    }
    // Behind the anchor's whole subtree.
    ItemIterateur* it = m_itemList->ItemListe::createIterator();
    it->seek(anchor);
    if (!it->isAtEnd())
        it->next();
    while (!it->isAtEnd() && it->current()->getLevel() > anchor->getLevel())
        it->next();
    Item* before = it->isAtEnd() ? nullptr : it->current();
    delete it;
    if (before)
        m_itemList->insertBefore(item, before);
    else
        m_itemList->append(item);
}

Item* Project::addItem(Item* anchor, const CString& name, int blankTarget, const CString& icon,
                       const CString& openIcon, int mode, const CString& description, const CString& url,
                       int refreshTree, int saveTree, int frame, int visible, const CString& nameL2,
                       int multiUser, const CString& uid, Item* shortcutTarget) {
    const bool inBatch = m_treeBatchDepth > 0;
    const bool shared = multiUser && !inBatch && changesSharedTree();
    Item* parent = Item::parentForInsertion(anchor, mode);
    if (shared && !beginSharedChange({{&anchor, 32811}, {&parent, 32812}, {&shortcutTarget, 32811}}))
        return nullptr;
    // The reload before a shared change may have replaced the anchor.
    if (anchor)
        parent = Item::parentForInsertion(anchor, mode);
    const int level = !anchor ? 0 : (mode == 2 ? anchor->getLevel() + 1 : anchor->getLevel());

    CString itemUrl;
    switch (computeItemKind(name, url)) {
    case kExternal:
        itemUrl = url;
        break;
    case kDual:
        itemUrl = Item::defaultFolder(parent, name) + "/" + Item::getOverviewPageName(0);
        break;
    default: {
        Item* target = shortcutTarget ? shortcutTarget : findItemByName(name);
        if (target) {
            itemUrl = target->getUrl();
        } else {
            CString text;
            text.Format(loadString(32967), name.GetString());
            ui::AfxMessageBox(text);
        }
    }
    }

    Item* item = createItem(parent, name, itemUrl, blankTarget, icon, openIcon, level, frame, description);
    if (uid.IsEmpty()) {
        // Another copy of the program may have made the same uid in the same
        // second: after the reload the list shows it, so make another one.
        do
            item->generateUid();
        while (isUidTaken(item->getUid()));
        if (inBatch) {
            CString folded = item->getUid();
            folded.MakeUpper();
            m_batchUids.insert(folded);
        }
    } else {
        item->setUid(uid);
    }
    item->setVisible(visible);
    item->setNameL2(nameL2);
    if (shortcutTarget && item->getKind() == kShortcut)
        item->setReferencedUid(shortcutTarget->getUid());
    insertIntoTree(item, anchor, mode);

    if (inBatch) {
        m_batchSave |= saveTree != 0;
        m_batchRebuild |= refreshTree != 0;
        return item;
    }
    if (saveTree)
        saveMenuTree();
    if (shared)
        endSharedChange(refreshTree);
    else if (refreshTree)
        rebuildTreeView();
    return item;
}

bool Project::changeTreeAsOne(Item*& anchor, const std::function<void(Item* anchor)>& changes) {
    if (m_treeBatchDepth > 0) {
        changes(anchor);
        return true;
    }
    const bool shared = changesSharedTree();
    if (shared && !beginSharedChange({{&anchor, 32811}}))
        return false;
    m_batchSave = false;
    m_batchRebuild = false;
    m_batchUids.clear();
    // The uids of the tree as the batch begins; those the batch adds are kept apart.
    ensureIndexes();
    {
        struct Batch {
            int& depth;
            explicit Batch(int& d) : depth(d) { ++depth; }
            ~Batch() { --depth; }
        } batch(m_treeBatchDepth);
        TreeSaveDeferral deferral(m_treeSaveDepth);
        try {
            changes(anchor);
        } catch (...) {
            // What was changed before the failure is saved all the same.
            if (m_batchSave)
                saveMenuTree();
            if (shared)
                endSharedChange(true);
            throw;
        }
    }
    if (m_batchSave)
        saveMenuTree();
    if (shared)
        endSharedChange(m_batchRebuild);
    else if (m_batchRebuild)
        rebuildTreeView();
    return true;
}

int Project::deleteItem(Item* item, int refreshTree, int keepShortcuts, int removeMarkedShortcuts,
                        int withSubtree, int multiUser) {
    const bool inBatch = m_treeBatchDepth > 0;
    const bool shared = multiUser && !inBatch && changesSharedTree();
    if (shared && !beginSharedChange({{&item, 32811}}))
        return 0;
    if (inBatch) {
        m_batchSave = true;
        m_batchRebuild |= refreshTree != 0;
        refreshTree = 0;
    }
    // The outermost call of a deletion saves the tree, so the file never
    // keeps an item that left the tree; inside a move the move saves.
    std::optional<TreeSaveDeferral> deferral(std::in_place, m_treeSaveDepth);
    const CString url = item->getUrl();
    const int position = m_itemList->indexOf(item);
    const int level = item->getLevel();
    detach(item);
    if (!keepShortcuts && item->getKind() != kShortcut)
        deleteShortcutsTo(url, 1);
    if (withSubtree && position > 0) {
        for (Item* next = m_itemList->at(position); next && next->getLevel() > level;
             next = m_itemList->at(position))
            deleteItem(next, 0, keepShortcuts, 0, 0, 0);
    }
    int removed = 0;
    if (removeMarkedShortcuts) {
        for (int i = 1; i <= m_itemList->count();) {
            Item* candidate = m_itemList->at(i);
            if (candidate->getRemovalMark()) {
                deleteItem(candidate, 0, 1, 0, 0, 0);
                ++removed;
            } else {
                ++i;
            }
        }
    }
    deferral.reset();
    if (m_treeSaveDepth == 0)
        saveMenuTree();
    if (shared)
        endSharedChange(refreshTree);
    else if (refreshTree)
        rebuildTreeView();
    if (removed > 0) {
        CString text;
        text.Format(loadString(32968), std::to_string(removed).c_str());
        ui::AfxMessageBox(text);
    }
    return 1;
}

int Project::canMoveItem(Item* from, Item* to, int mode) {
    if (!checkDualUnderDual(from, to, mode))
        return 0;
    if (from == to) {
        message(32957);
        return 0;
    }
    // The target inside the moved subtree.
    const int fromPosition = m_itemList->indexOf(from);
    for (int i = fromPosition + 1; fromPosition > 0 && i <= m_itemList->count(); ++i) {
        Item* next = m_itemList->at(i);
        if (next->getLevel() <= from->getLevel())
            break;
        if (next == to) {
            message(32958);
            return 0;
        }
    }
    return checkItemNameInParent(from->getName(), from->getUrl(), to, mode, from, m_itemList);
}

int Project::changeItem(Item* item, const CString& newName, int blankTarget, const CString& icon,
                        const CString& openIcon, int moveFolder, const CString& url, int visible,
                        const CString& nameL2, const CString& pageHeaderImage, Item* shortcutTarget) {
    const int fullyGenerated = item->isFullyGenerated();
    const bool shared = changesSharedTree();
    if (shared && !beginSharedChange({{&item, 32811}, {&shortcutTarget, 32811}}))
        return 0;
    const CString oldUrl = item->getUrl();
    const CString oldName = item->getName();
    const CString oldNameL2 = item->getNameL2();
    item->setVisible(visible);

    if (newName != oldName) {
        if (item->getKind() != kDual) {
            item->setName(newName);
        } else if (isHomeUrl(oldUrl)) {
            item->setNameText(newName);
        } else {
            // Renaming moves the item's url and those of its dual descendants;
            // every change is remembered so that it can be undone when the
            // folder cannot be renamed.
            struct Moved {
                Item* item;
                CString oldUrl;
            };
            std::vector<Moved> moved{{item, oldUrl}};
            const CString oldFolder = item->getFolder(0, 0);
            item->setName(newName);
            const int position = m_itemList->indexOf(item);
            for (int i = position + 1; position > 0 && i <= m_itemList->count(); ++i) {
                Item* next = m_itemList->at(i);
                if (next->getLevel() <= item->getLevel())
                    break;
                if (next->getKind() == kDual) {
                    moved.push_back({next, next->getUrl()});
                    next->makeDefaultUrl();
                    updateShortcuts(moved.back().oldUrl, next->getUrl(), "", "", "", "");
                }
            }
            if (!fullyGenerated)
                message(32969);
            const CString newFolder = item->getFolder(0, 0);
            const bool folderExists = platform::folderExists(getMovablePathInSite(oldFolder));
            if (moveFolder && folderExists && !moveSiteFile(oldFolder, newFolder)) {
                for (auto it = moved.rbegin(); it != moved.rend(); ++it) {
                    updateShortcuts(it->item->getUrl(), it->oldUrl, "", "", "", "");
                    it->item->setUrl(it->oldUrl);
                }
                item->setNameText(oldName);
                if (shared)
                    endSharedChange(true);
                else
                    rebuildTreeView();
                return 0;
            }
            onItemRenamed(item, newName, oldName);
        }
    }

    item->setIcon(icon);
    item->setOpenIcon(openIcon);
    item->setBlankTarget(blankTarget);
    item->setNameL2(nameL2);
    item->setPageHeaderImageText(pageHeaderImage);
    item->savePageHeaderImage();

    if (item->getKind() == kExternal) {
        item->setUrl(url);
    } else if (item->getKind() == kShortcut) {
        // The item the user chose; else the one the referenced uid names.
        // A new name without a chosen item is the choice of another target
        // ("-> " + its name): the target is then looked up by name, as it is
        // when the referenced uid names no item, and remembered.
        Item* target = shortcutTarget;
        if (!target && item->getName() == oldName)
            target = findReferencedItem(item);
        if (!target)
            target = findItemByName(item->getName());
        if (target) {
            item->setReferencedUid(target->getUid());
            item->setUrl(target->getUrl());
        } else {
            message(32970);
        }
    } else if (item->getName() != oldName || item->getNameL2() != oldNameL2) {
        updateShortcuts(oldUrl, item->getUrl(), oldName, item->getName(), oldNameL2, item->getNameL2());
    }

    saveMenuTree();
    if (shared)
        endSharedChange(true);
    else
        rebuildTreeView();
    return 1;
}

Item* Project::moveItem(Item* to, Item* from, int mode, ItemIterateur* iterator) {
    const bool outermost = iterator == nullptr;
    const bool shared = outermost && changesSharedTree();
    if (shared && !beginSharedChange({{&to, 32814}, {&from, 32815}}))
        return nullptr;
    // The whole move is saved once, at its end.
    std::optional<TreeSaveDeferral> deferral;
    if (outermost)
        deferral.emplace(m_treeSaveDepth);
    const CString oldUrl = from->getUrl();
    const int level = from->getLevel();
    ItemIterateur* it = iterator;
    if (outermost) {
        it = m_itemList->ItemListe::createIterator();
        it->seek(from);
    }
    if (!it->isAtEnd())
        it->next();

    // A shortcut keeps the item it stands for; without one that its
    // referenced uid names, the copy looks its target up by name.
    Item* target = from->getKind() == kShortcut ? findReferencedItem(from) : nullptr;
    Item* moved = addItem(to, from->getName(), from->isBlankTarget(), from->getIcon(), from->getOpenIcon(),
                          mode, "", from->getUrl(), 0, 0, from->isFrame(), from->isVisible(),
                          from->getNameL2(), 0, from->getUid(), target);
    deleteItem(from, 0, 1, 0, 0, 0);
    while (!it->isAtEnd() && it->current()->getLevel() > level)
        moveItem(moved, it->current(), 2, it);
    updateShortcuts(oldUrl, moved->getUrl(), "", "", "", "");

    if (outermost) {
        delete it;
        deferral.reset();
        saveMenuTree();
        if (shared)
            endSharedChange(true);
        else
            rebuildTreeView();
        // A move ends with a full refresh: every item reads its data file again.
        updateLinks(1, 0);
    }
    return moved;
}

std::vector<Item*> Project::takeSubtree(Item* item) {
    std::vector<Item*> taken;
    if (!item) {
        while (m_itemList->count() > 0)
            taken.push_back(m_itemList->removeLast());
        std::reverse(taken.begin(), taken.end());
        return taken;
    }
    const int position = m_itemList->indexOf(item);
    if (position == 0)
        return taken;
    for (Item* next = m_itemList->at(position + 1); next && next->getLevel() > item->getLevel();
         next = m_itemList->at(position + 1)) {
        m_itemList->remove(next);
        taken.push_back(next);
    }
    return taken;
}

void Project::detachSubtree(Item* item) {
    for (Item* taken : takeSubtree(item))
        m_detachedItems.push_back(std::unique_ptr<Item>(taken));
}

void Project::removeSubtree(Item* item) {
    if (item)
        detachSubtree(item);
    else
        m_itemList->deleteAll();
}

int Project::countSubtree(Item* item) const {
    if (!item)
        return getItemCount();
    const int position = m_itemList->indexOf(item);
    int count = 0;
    while (position > 0 && position + count < m_itemList->count() &&
           m_itemList->at(position + count + 1)->getLevel() > item->getLevel())
        ++count;
    return count;
}

int Project::canImportFolderTree(Item* parent) {
    // Folders become dual items, which only a dual item may hold.
    if (parent && parent->getKind() != kDual) {
        message(32956);
        return 0;
    }
    return 1;
}

int Project::importFolderTree(Item* parent) {
    if (!canImportFolderTree(parent))
        return 0;
    // The folders replace the subtree of the tree as another copy of the
    // program may have saved it meanwhile.
    const bool shared = changesSharedTree();
    if (shared && !beginSharedChange({{&parent, 32811}}))
        return 0;
    const CString folder = parent ? parent->getFolder(1, 0) : CString("../") + kSiteFolderName + "/";
    // The parent's subtree leaves the list, and comes back when the folders
    // cannot all be read: a failed import never loses part of the tree.
    const std::vector<Item*> previous = takeSubtree(parent);
    Item* lastInserted = parent;
    if (!scanFolderTree(parent, folder, parent ? parent->getLevel() + 1 : 0, &lastInserted)) {
        for (Item* added : takeSubtree(parent))
            delete added;
        Item* after = parent;
        for (Item* item : previous) {
            if (after)
                m_itemList->insertAfter(item, after);
            else
                m_itemList->append(item);
            after = item;
        }
        if (shared)
            endSharedChange(true);
        return 0;
    }
    for (Item* item : previous)
        m_detachedItems.push_back(std::unique_ptr<Item>(item));
    saveMenuTree();
    if (shared)
        endSharedChange(false);
    createMissingPages(0);
    rebuildTreeView();
    // What was derived from the items that left is rebuilt.
    updateLinks(1, 0);
    return 1;
}

int Project::scanFolderTree(Item* parent, const CString& folder, int level, Item** lastInserted) {
    const CString path = getPathInSite(folder);
    WIN32_FIND_DATAA data;
    HANDLE search = path.IsEmpty() ? INVALID_HANDLE_VALUE : FindFirstFileA(path + "*", &data);
    if (search == INVALID_HANDLE_VALUE) {
        // Named from the project folder, as the url's "../" climbs from "site".
        CString text;
        text.Format(loadString(32984),
                    platform::shownPath(m_projectFolder + (folder.Find("../") == 0 ? folder.Mid(3) : folder))
                        .GetString());
        ui::AfxMessageBox(text);
        return 0;
    }
    std::vector<CString> names;
    do {
        // A linked folder is never entered: a link to "." would import the
        // site over and over, one to another place what is not the site.
        const bool realFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                                !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        const CString name = data.cFileName;
        if (!realFolder || name == "." || name == ".." || name[0] == '_')
            continue;
        if (level > MenuTreeRecord::kMaxLevel || !canBeItemFolderName(name))
            logSkippedFolder(*this, folder + name, level);
        else
            names.push_back(name);
    } while (FindNextFileA(search, &data));
    FindClose(search);

    for (const CString& name : names) {
        Item* item = createItem(parent, name, folder + name + "/" + kOverviewPageName, 0, "bookc.gif",
                                "booko.gif", level, 0, "");
        item->generateUid();
        if (*lastInserted)
            m_itemList->insertAfter(item, *lastInserted);
        else
            m_itemList->append(item);
        *lastInserted = item;
        if (!scanFolderTree(item, folder + name + "/", level + 1, lastInserted))
            return 0;
    }
    return 1;
}

bool Project::isUidTaken(const CString& uid) const {
    if (m_treeBatchDepth == 0)
        return findItemByUid(uid) != nullptr;
    // Inside a batch the index is not rebuilt for every item added: it holds
    // the tree as the batch began (an item removed since only costs another
    // draw), and the batch's own uids are kept beside it.
    CString wanted = uid;
    wanted.MakeUpper();
    return m_foldedUidIndex.count(wanted) > 0 || m_batchUids.count(wanted) > 0;
}

Item* Project::findReferencedItem(const Item* shortcut) const {
    if (shortcut->getReferencedUid().IsEmpty())
        return nullptr;
    Item* target = findItemByUid(shortcut->getReferencedUid());
    return target != shortcut ? target : nullptr;
}

Item* Project::findItemByName(const CString& name) const {
    const CString wanted = name.Find(kShortcutPrefix) >= 0 ? name.Mid(3) : name;
    ensureIndexes();
    const auto hit = m_nameIndex.find(wanted);
    return hit == m_nameIndex.end() ? nullptr : hit->second;
}

CStringListe* Project::getDualItemNames() const {
    auto* names = new CStringListe;
    ItemIterateur* it = getItemIterator();
    while (!it->isAtEnd()) {
        if (it->current()->getKind() == kDual)
            names->append(new CString(it->current()->getName()));
        it->next();
    }
    delete it;
    return names;
}

void Project::discardItemFolder(Item* item) {
    const CString target = discardedFolderPath(item);
    const CString folder = getMovablePathInSite(item->getFolder(1, 0));
    // A folder that is already gone has nothing to keep: no error.
    if (!folder.IsEmpty() && !platform::pathExists(folder))
        return;
    if (folder.IsEmpty() || !MoveFileA(folder, target))
        message(32971);
}

int Project::moveSiteFile(const CString& from, const CString& to) {
    const CString source = getMovablePathInSite(from);
    const CString target = getMovablePathInSite(to);
    if (!source.IsEmpty() && !target.IsEmpty() && MoveFileA(source, target))
        return 1;
    message(32975);
    return 0;
}

int Project::checkNotHomeItem(Item* item) {
    if (item && item == getHomeItem()) {
        message(33182);
        return 0;
    }
    return 1;
}

int Project::checkHasNoChildren(Item* item) {
    const int position = m_itemList->indexOf(item);
    Item* next = position > 0 ? m_itemList->at(position + 1) : nullptr;
    if (next && next->getLevel() > item->getLevel()) {
        message(32959);
        return 0;
    }
    return 1;
}

int Project::checkParentIsDual(Item* item) {
    if (item->getParent() && item->getParent()->getKind() != kDual) {
        message(32960);
        return 0;
    }
    return 1;
}

void Project::updateShortcuts(const CString& oldUrl, const CString& newUrl, const CString& oldName,
                              const CString& newName, const CString& oldNameL2, const CString& newNameL2) {
    ItemIterateur* it = getItemIterator();
    while (!it->isAtEnd()) {
        Item* item = it->current();
        it->next();
        if (item->getKind() != kShortcut || item->getUrl() != oldUrl)
            continue;
        item->setUrl(newUrl);
        if (oldName != newName)
            item->setNameText(CString(kShortcutPrefix) + newName);
        if (oldNameL2 != newNameL2)
            item->setNameL2(CString(kShortcutPrefix) + newNameL2);
    }
    delete it;
}

void Project::deleteShortcutsTo(const CString& url, int markOnly) {
    std::vector<Item*> shortcuts;
    ItemIterateur* it = getItemIterator();
    while (!it->isAtEnd()) {
        Item* item = it->current();
        it->next();
        if (item->getKind() == kShortcut && item->getUrl() == url)
            shortcuts.push_back(item);
    }
    delete it;
    for (Item* shortcut : shortcuts) {
        if (markOnly)
            shortcut->setRemovalMark(1);
        else
            deleteItem(shortcut, 0, 1, 0, 0, 1);
    }
    if (!markOnly && !shortcuts.empty()) {
        CString text;
        text.Format(loadString(32980), std::to_string(shortcuts.size()).c_str(),
                    shortcuts.back()->getName().GetString());
        ui::AfxMessageBox(text);
    }
}
