#include "TreeChecks.h"

#include "FileSystem.h"
#include "ItemListe.h"
#include "Project.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <cstring>

namespace {

bool allowedInName(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    // ( ) / . : , é è ê ù û ç à â @ # & blank tab - _ '
    static const char kOthers[] = "()/.:,\xE9\xE8\xEA\xF9\xFB\xE7\xE0\xE2@#& \t-_'";
    return c != 0 && std::strchr(kOthers, static_cast<char>(c)) != nullptr;
}

int refuse(UINT id) {
    ui::AfxMessageBox(loadString(id));
    return 0;
}

} // namespace

int checkItemName(const CString& name) {
    if (name.IsEmpty())
        return refuse(32972);
    for (int i = 0; i < name.GetLength(); ++i)
        if (!allowedInName(static_cast<unsigned char>(name[i])))
            return refuse(32973);
    return 1;
}

int checkItemNameInParent(const CString& name, const CString& url, Item* anchor, int mode, Item* item,
                          ItemListe* list) {
    if (computeItemKind(name, url) == kShortcut)
        return 1;
    if (!checkItemName(name))
        return 0;
    if (!list)
        return 1;
    Item* parent = !anchor ? (item ? item->getParent() : nullptr) : Item::parentForInsertion(anchor, mode);
    const int childLevel = parent ? parent->getLevel() + 1 : 0;
    CString folder = toFileName(name, 1);
    ItemIterateur* it = list->createIterator();
    if (parent) {
        it->seek(parent);
        if (!it->isAtEnd())
            it->next();
    }
    int ok = 1;
    while (!it->isAtEnd() && ok) {
        Item* sibling = it->current();
        it->next();
        if (parent && sibling->getLevel() <= parent->getLevel())
            break; // the parent's subtree is over
        if (sibling->getLevel() != childLevel || sibling == item)
            continue;
        // The same name, or another name whose item folder would be the
        // same one ("A B" and "A_B"), also on a file system that ignores case:
        // the new item's pages would replace the sibling's.
        const CString siblingFolder = fileNameOfPath(sibling->getFolder(0, 0));
        if (sibling->getName() == name) {
            ok = refuse(32974);
        } else if (sibling->getKind() == kDual && computeItemKind(name, url) == kDual &&
                   siblingFolder.CompareNoCase(folder) == 0) {
            CString message;
            message.Format(loadString(33420), name.GetString(), folder.GetString(),
                           sibling->getName().GetString());
            ui::AfxMessageBox(message);
            ok = 0;
        }
    }
    delete it;
    return ok;
}

int checkItemFolderFree(Project* project, const CString& name, const CString& url, Item* anchor, int mode,
                        Item* item) {
    if (!project || computeItemKind(name, url) != kDual)
        return 1;
    Item* parent = anchor ? Item::parentForInsertion(anchor, mode) : (item ? item->getParent() : nullptr);
    const CString folder = Item::defaultFolder(parent, name);
    if (item && item->getKind() == kDual) {
        // Its own folder, perhaps in another case; the home item keeps its
        // folder whatever its name.
        CString url = item->getUrl();
        url.MakeLower();
        if (item->getFolder(0, 0).CompareNoCase(folder) == 0 || url == "../site/home/overview.htm")
            return 1;
    }
    const CString path = project->getPathInSite(folder);
    if (path.IsEmpty() || !platform::pathExists(path))
        return 1;
    CString message;
    message.Format(loadString(33421),
                   platform::shownPath(folder.Find("../") == 0 ? folder.Mid(3) : folder).GetString(),
                   name.GetString());
    ui::AfxMessageBox(message);
    return 0;
}

int checkDualUnderDual(Item* from, Item* to, int mode) {
    if (mode == 2 && to && to->getKind() != kDual && from->getKind() == kDual)
        return refuse(32956);
    return 1;
}
