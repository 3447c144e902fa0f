// Project maintenance behind the Tools commands: giving an item a new uid,
// and cleaning the project folder of editor folders, exports and backups.

#include "FileFinder.h"
#include "FileSystem.h"
#include "Item.h"
#include "ItemListePlus.h"
#include "Project.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

namespace {

// "Item UID shall be made of upper case letters 'A'-'Z', digits '0'-'9' and '_'"
constexpr UINT kIdsUidCharacters = 33440;

bool isUidCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

} // namespace

bool Project::isUidUnique(Item* item, const CString& uid) const {
    CString folded = uid;
    folded.MakeUpper();
    ensureIndexes();
    const auto range = m_foldedUidIndex.equal_range(folded);
    for (auto it = range.first; it != range.second; ++it)
        if (it->second != item)
            return false;
    return true;
}

int Project::checkNewUid(Item* item, const CString& uid) const {
    if (uid.IsEmpty()) {
        ui::AfxMessageBox(loadString(33058));
        return 0;
    }
    bool wellFormed = uid != "0";
    for (int i = 0; i < uid.GetLength() && wellFormed; ++i)
        wellFormed = isUidCharacter(uid[i]);
    if (!wellFormed) {
        ui::AfxMessageBox(loadString(kIdsUidCharacters));
        return 0;
    }
    if (!isUidUnique(item, uid)) {
        ui::AfxMessageBox(loadString(33059));
        return 0;
    }
    return 1;
}

int Project::setItemUid(Item* item, const CString& newUid) {
    if (!checkNewUid(item, newUid))
        return 0;
    const CString oldUid = item->getUid();
    const bool shared = changesSharedTree();
    // Another user may have taken the uid meanwhile: checked again on the
    // reloaded tree.
    if (shared && (!beginSharedChange({{&item, 32811}}) || !checkNewUid(item, newUid))) {
        if (isBusy())
            endSharedChange(false);
        return 0;
    }
    item->setUid(newUid);
    // The shortcuts that name the item keep naming it.
    ItemIterateur* it = getItemIterator();
    while (!it->isAtEnd()) {
        Item* shortcut = it->current();
        it->next();
        if (shortcut->getKind() == kShortcut && shortcut->getReferencedUid().CompareNoCase(oldUid) == 0)
            shortcut->setReferencedUid(newUid);
    }
    delete it;
    saveMenuTree();
    if (shared)
        endSharedChange(true);
    relinkUid(item, oldUid, newUid);
    return 1;
}

int Project::removeFolderContents(const CString& folder, int removeSelf,
                                  std::initializer_list<const char*> keep) {
    const bool listed = forEachFolderEntry(folder, [&](const CString& name, DWORD attributes) {
        for (const char* kept : keep)
            if (name.CompareNoCase(kept) == 0)
                return true;
        const CString path = folder + "\\" + name;
        // A link is removed itself: what it leads to is not the project's.
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            removeFolderContents(path, 1, {});
        else
            DeleteFileA(path);
        return true;
    });
    if (!listed)
        return 0;
    if (removeSelf)
        RemoveDirectoryA(folder);
    return 1;
}

int Project::removeFolderTree(const CString& folder, int removeSelf) {
    return removeFolderContents(folder, removeSelf, {});
}

void Project::deleteFolderTree(const CString& folder) {
    forEachFolderEntry(folder, [&](const CString& name, DWORD attributes) {
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return true;
        const CString path = folder + "\\" + name;
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            // A linked folder is not walked; a link named so goes itself.
            if (name == "_vti_cnf")
                DeleteFileA(path);
        } else if (name == "_vti_cnf") {
            removeFolderTree(path, 1);
        } else {
            deleteFolderTree(path);
        }
        return true;
    });
}

void Project::removeTmpFolder() {
    // A "tmp" that is a link leads out of the project: what it holds is
    // not the project's to delete.
    if (!isRealFolder(m_projectFolder + "tmp"))
        return;
    // The lock file and the file held while the project is open stay:
    // another copy of the program may hold them, and must find them where
    // they were.
    removeFolderContents(m_projectFolder + "tmp", 0, {kLockFileName, kOpenHoldFileName});
}

void Project::removeSaveFolder() {
    if (!isRealFolder(m_projectFolder + "tolvane") || !isRealFolder(m_projectFolder + "tolvane" + "/save"))
        return;
    removeFolderContents(m_projectFolder + "tolvane" + "/save", 0, {});
}
