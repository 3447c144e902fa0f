// Item exchange folders: pieces of a project written into its "tmp" folder
// ("export.dat" or "export.d1i" and the folder "exp") and read back into
// this or another project.

#include "CTime.h"
#include "Encoding.h"
#include "FileFinder.h"
#include "FileSystem.h"
#include "ItemListePlus.h"
#include "MenuTreeRecord.h"
#include "PageText.h"
#include "Project.h"
#include "StringTable.h"
#include "TextInStream.h"
#include "TextOutStream.h"
#include "UidReferences.h"
#include "ui/UserInterface.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

constexpr int kExchangeLineLimit = 1000;

// "The file %s is damaged: line %d is not an item record - import aborted"
constexpr UINT kIdsDamagedRecord = 33443;
// "... line %d places an item at or above the item it is imported below ..."
constexpr UINT kIdsBadLevel = 33446;
// "The exchange folder %s has no folder %s for the item '%s' - import aborted"
constexpr UINT kIdsMissingItemFolder = 33447;
// "The file %s names no item - import aborted"
constexpr UINT kIdsNoRootUid = 33448;
// "Error moving directory %s to %s - import aborted, nothing was changed"
constexpr UINT kIdsMoveRefused = 33444;
// "Error saving the references to the new uids. Please consult logfile"
constexpr UINT kIdsRelinkFailed = 33445;
// "The item '%s' has no folder in the site: nothing can be imported below it ..."
constexpr UINT kIdsRootWithoutFolder = 33449;
// ". Imported item uid changed to %s"
constexpr UINT kIdsImportedUidChanged = 33441;
// "%d imported items had a uid already used in the site ..."
constexpr UINT kIdsImportedUidsChanged = 33442;

CString formatted(UINT id, const CString& a, const CString& b = CString(), const CString& c = CString()) {
    CString text;
    text.Format(loadString(id), a.GetString(), b.GetString(), c.GetString());
    return text;
}

void show(UINT id, const CString& a = CString(), const CString& b = CString()) {
    ui::AfxMessageBox(formatted(id, a, b));
}

void showAtLine(UINT id, const CString& path, int line) {
    CString text;
    text.Format(loadString(id), platform::shownPath(path).GetString(), line);
    ui::AfxMessageBox(text);
}

CString withoutTrailingSeparator(const CString& path) {
    CString text = path;
    while (text.GetLength() > 1 && (text.Right(1) == "/" || text.Right(1) == "\\"))
        text = text.Left(text.GetLength() - 1);
    return text;
}

// The folder holding a file, '/' turned into '\'.
CString folderOfFile(const CString& path) {
    CString text = path;
    text.Replace("/", "\\");
    const int cut = text.ReverseFind('\\');
    return cut < 0 ? CString(".") : text.Left(cut);
}

// Whether the exchange folder holding the file has the folder "exp" (with
// below, its folder below "exp") for the named item, a folder itself and no
// link; the refusal names both when not.
bool hasExchangeFolder(const CString& file, const CString& below, const CString& itemName) {
    const CString exp = below.IsEmpty() ? CString("exp") : "exp\\" + below;
    if (isRealFolder(folderOfFile(file) + "\\" + exp))
        return true;
    ui::AfxMessageBox(formatted(kIdsMissingItemFolder, platform::shownPath(folderOfFile(file)),
                                platform::shownPath(exp), itemName));
    return false;
}

CString secondsNow() {
    CString text;
    text.Format("%ld", static_cast<long>(CTime::GetCurrentTime().GetTime()));
    return text;
}

// Creates the exchange folder of an export: "tmp" + "\\" + the item's
// folder name + tag + the seconds, '/' turned into '\\'. Empty, with the
// failure told, when it cannot be created.
CString makeExchangeFolder(const Project& project, Item* item, const char* tag) {
    CString folder =
        project.getProjectDirectory() + "tmp" + "\\" + toFileName(item->getName(), 1) + tag + secondsNow();
    folder.Replace("/", "\\");
    if (CreateDirectoryA(folder, nullptr))
        return folder;
    show(32986, platform::shownPath(folder));
    return CString();
}

// Writes "exp" of an exchange folder: a copy of the item's folder (its
// subfolders too with recurse), then tells how it went.
void copyItemFolderToExchange(Project& project, Item* item, const CString& folder, int recurse) {
    const CString exp = folder + "\\exp";
    if (!CreateDirectoryA(exp, nullptr)) {
        show(32986, platform::shownPath(exp));
        return;
    }
    const CString source = project.getMovablePathInSite(item->getFolder(1, 0));
    // The copy of a large subtree moves the progress bar file by file.
    const int files = source.IsEmpty() ? 0 : Project::countFolderFiles(source, recurse);
    project.setProgressRange(0, files > 0 ? files : 1);
    project.setProgressStep(1);
    int copied = 0;
    const int done = !source.IsEmpty() && Project::copyFolderTree(source, exp, 0, recurse, 0,
                                                                  [&] { project.setProgressPos(++copied); });
    project.setProgressPos(0);
    if (done)
        show(32987, platform::shownPath(exp));
    else
        show(32988);
}

// Removes the symbolic links below a folder (never following one): a link
// moved into the site could lead the program's writes anywhere. Their
// paths are added to removed.
void removeLinks(const CString& folder, std::vector<CString>& removed) {
    forEachFolderEntry(folder, [&](const CString& name, DWORD attributes) {
        const CString path = folder + "\\" + name;
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            DeleteFileA(path);
            removed.push_back(path);
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            removeLinks(path, removed);
        }
        return true;
    });
}

// Whether a line of "export.dat" holds a whole record as the export writes
// it: a level of digits, then the fields up to the second-language name
// (empty ones written as a blank), the format mark "f" and the two flags,
// each field ended by '*'. A line cut short, or one edited out of shape,
// is no record.
bool isWholeRecord(const CString& line) {
    CString text = line;
    text.Trim();
    if (text.IsEmpty() || text.Right(1) != "*")
        return false;
    std::vector<CString> fields;
    int start = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] != '*')
            continue;
        if (i > start)
            fields.push_back(text.Mid(start, i - start));
        start = i + 1;
    }
    if (fields.size() < 11 || fields.size() > 12)
        return false;
    for (int i = 0; i < fields[0].GetLength(); ++i)
        if (fields[0][i] < '0' || fields[0][i] > '9')
            return false;
    auto isFlag = [](const CString& field) { return field == "true" || field == "false"; };
    return fields[7] == "f" && isFlag(fields[8]) && isFlag(fields[9]);
}

// The name of the folder a record's url puts its page in: the last piece
// of the url's folder; empty when that names no folder that can lie below
// another item's.
CString folderNameOfUrl(const CString& url) {
    CString folder = url;
    folder.Replace('\\', '/');
    const int page = folder.ReverseFind('/');
    if (page <= 0)
        return CString();
    folder = folder.Left(page);
    const CString name = folder.Mid(folder.ReverseFind('/') + 1);
    return name == "." || name == ".." ? CString() : name;
}

CString upperCased(const CString& text) {
    CString upper = text;
    upper.MakeUpper();
    return upper;
}

// One record of "export.dat" as the import reads it, with its line number.
struct ImportRecord {
    MenuTreeRecord record;
    int line = 0;
};

} // namespace

CString Project::discardedFolderPath(Item* item) const {
    const CString stem = m_projectFolder + "tmp/" + toFileName(item->getName(), 1) + "_" + secondsNow();
    CString path = stem + "_save";
    for (int n = 2; platform::pathExists(path); ++n) {
        path.Format("%s_%d_save", stem.GetString(), n);
    }
    return path;
}

int Project::countFolderFiles(const CString& folder, int recurse) {
    int count = 0;
    forEachFolderEntry(folder, [&](const CString& name, DWORD attributes) {
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
            return true;
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
            ++count;
        else if (recurse && name.Find("_vti_cnf") < 0)
            count += countFolderFiles(folder + "\\" + name, 1);
        return true;
    });
    return count;
}

int Project::copyFolderTree(const CString& source, const CString& target, int skipFiles, int recurse,
                            int ignoreFolderErrors, const std::function<void()>& fileCopied) {
    const CString from = withoutTrailingSeparator(source);
    const CString to = withoutTrailingSeparator(target);
    // The target's entries are named by disk paths made from the source's
    // names: a folder being filled, looked at for each new name in another
    // case, would be listed again for every file.
    const std::string toDisk = platform::diskPath(to.str());
    auto diskName = [&toDisk](const CString& name) {
        return toDisk + "/" + encoding::cp1252ToUtf8(name.str());
    };
    int result = 1;
    const bool listed =
        !from.IsEmpty() && forEachFolderEntry(from, [&](const CString& name, DWORD attributes) {
            // A link may lead out of the folder, or back into it: never taken.
            if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
                return true;
            if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (!recurse || name.Find("_vti_cnf") >= 0)
                    return true;
                // What a nested folder could not copy fails the whole copy.
                if ((!platform::createDiskFolder(diskName(name)) && !ignoreFolderErrors) ||
                    !copyFolderTree(from + "\\" + name, to + "\\" + name, 0, 1, 0, fileCopied))
                    result = 0;
                return result == 1;
            }
            if (skipFiles)
                return true;
            const CString fromFile = from + "\\" + name;
            const CString toFile = to + "\\" + name;
            // Without recurse the files replace those of an item folder, found
            // whatever the case of their names.
            const bool copied =
                recurse ? platform::copyDiskFile(platform::diskPath(fromFile.str()), diskName(name), true)
                        : CopyFileA(fromFile, toFile, FALSE) != FALSE;
            if (!copied) {
                show(32997, platform::shownPath(fromFile), platform::shownPath(toFile));
                result = 0;
            } else if (fileCopied) {
                fileCopied();
            }
            return result == 1;
        });
    return listed ? result : 0;
}

void Project::exportItemsFull(Item* item) {
    try {
        const CString folder = makeExchangeFolder(*this, item, "_exp_");
        if (folder.IsEmpty())
            return;
        TextOutStream out(folder + "\\export.dat");
        if (!out.is_open()) {
            show(32988);
            return;
        }
        out << item->getUid();
        const int position = m_itemList->indexOf(item);
        for (int i = position + 1; position > 0 && i <= m_itemList->count(); ++i) {
            Item* next = m_itemList->at(i);
            if (next->getLevel() <= item->getLevel())
                break;
            MenuTreeRecord record = MenuTreeRecord::fromItem(*next);
            // The last field names a shortcut's target, and is empty for the others.
            record.hasReferencedField = false;
            const Item* target = findShortcutTarget(next);
            out << "\n" << record.format() << (target ? target->getUid() : CString()) << "*";
        }
        if (!out.close()) {
            show(32988);
            return;
        }
        copyItemFolderToExchange(*this, item, folder, 1);
    } catch (...) {
        reportUnknownFailure("Project::exportItemsFull");
    }
}

void Project::exportOneItem(Item* item, const CString& description) {
    try {
        const CString folder = makeExchangeFolder(*this, item, "_exp1i_");
        if (folder.IsEmpty())
            return;
        // The description is the file's first line: a line break typed
        // into it must not push the uid off its line.
        CString firstLine = description;
        firstLine.Replace("\r", " ");
        firstLine.Replace("\n", " ");
        TextOutStream out(folder + "\\export.d1i");
        if (!out.is_open()) {
            show(32988);
            return;
        }
        out << firstLine << "\n" << item->getUid();
        if (!out.close()) {
            show(32988);
            return;
        }
        copyItemFolderToExchange(*this, item, folder, 0);
    } catch (...) {
        ui::AfxMessageBox("Error in method Project::exportOneItem");
    }
}

void Project::importOneItem(const CString& path) {
    try {
        TextInStream in(path);
        if (!in.is_open()) {
            show(32984, platform::shownPath(path));
            return;
        }
        CString description, uid;
        in.getline(description, kExchangeLineLimit);
        in.getline(uid, kExchangeLineLimit);
        in.close();
        uid.Trim();
        if (uid.IsEmpty()) {
            show(kIdsNoRootUid, platform::shownPath(path));
            return;
        }
        Item* item = findItemByUid(uid);
        if (!item) {
            show(32989, uid);
            return;
        }
        // Nothing to copy is said before the question, naming the folder.
        if (!hasExchangeFolder(path, CString(), item->getName()))
            return;
        if (ui::AfxMessageBox(formatted(32990, item->getName(), description), MB_YESNO) != IDYES)
            return;
        TextOutStream* log = openLog();
        if (log)
            *log << "Import item " << item->getName() << " (uid: " << uid << ")\n";
        const CString target = getMovablePathInSite(item->getFolder(1, 0));
        const int copied = !target.IsEmpty() && copyFolderTree(folderOfFile(path) + "\\exp", target, 0, 0, 0);
        if (!copied)
            show(32991);
        closeLog(log);
        if (copied)
            show(32992);
    } catch (...) {
        reportUnknownFailure("Project::importOneItem");
    }
}

void Project::importItemsFull(const CString& path) {
    bool shared = false;
    try {
        TextInStream in(path);
        if (!in.is_open()) {
            show(32984, platform::shownPath(path));
            return;
        }
        CString rootUid;
        in.getline(rootUid, kExchangeLineLimit);
        rootUid.Trim();
        std::vector<ImportRecord> records;
        CString line;
        bool damaged = false;
        for (int number = 2; in.getline(line, INT_MAX); ++number) {
            ImportRecord read;
            if (!MenuTreeRecord::parse(line, read.record))
                continue; // blank lines and lines that are no record are left aside
            if (!isWholeRecord(line) || read.record.uid.IsEmpty() ||
                CString(read.record.name).Trim().IsEmpty()) {
                if (!damaged)
                    showAtLine(kIdsDamagedRecord, path, number);
                damaged = true;
            }
            read.line = number;
            records.push_back(read);
        }
        in.close();
        if (rootUid.IsEmpty()) {
            show(kIdsNoRootUid, platform::shownPath(path));
            return;
        }
        if (damaged)
            return;

        shared = changesSharedTree();
        if (shared && !beginSharedChange({})) {
            shared = false;
            return;
        }
        auto stop = [&] {
            if (shared)
                endSharedChange(false);
            shared = false;
        };
        Item* root = findItemByUid(rootUid);
        if (!root) {
            show(32989, rootUid);
            stop();
            return;
        }
        if (root->getKind() != kDual) {
            show(32956);
            stop();
            return;
        }
        // The imported items' folders come below the root's, in the site.
        const CString rootFolder = root->getFolder(1, 0);
        const CString siteFolder = withoutTrailingSeparator(getMovablePathInSite(rootFolder));
        if (rootFolder.IsEmpty() || siteFolder.IsEmpty()) {
            show(kIdsRootWithoutFolder, root->getName());
            stop();
            return;
        }

        // The items that leave with the root's old subtree may give their
        // uids to the imported ones; every other uid of the site is taken.
        const int rootPosition = m_itemList->indexOf(root);
        std::unordered_set<const Item*> leaving;
        for (int i = rootPosition + 1; rootPosition > 0 && i <= m_itemList->count(); ++i) {
            const Item* next = m_itemList->at(i);
            if (next->getLevel() <= root->getLevel())
                break;
            leaving.insert(next);
        }
        ensureIndexes();
        std::unordered_set<CString> imported; // upper-cased uids given to imported items
        // The items made below change the uids of items out of the tree,
        // which marks the indexes stale: the index built here serves the
        // whole import, so that no record makes it be rebuilt.
        auto siteItemWith = [&](const CString& uid) -> const Item* {
            const auto range = m_foldedUidIndex.equal_range(upperCased(uid));
            for (auto it = range.first; it != range.second; ++it)
                if (!leaving.count(it->second))
                    return it->second;
            return nullptr;
        };
        auto isTaken = [&](const CString& uid) {
            return imported.count(upperCased(uid)) || siteItemWith(uid) != nullptr;
        };

        // The new items, made from the records but kept out of the tree
        // until everything has been checked and the folder is in place.
        std::vector<std::unique_ptr<Item>> created;
        std::vector<CString> logLines;
        std::vector<CString> duplicates;
        UidReferences renames;
        std::vector<std::pair<Item*, CString>> renamedItems; // with the uid of their record
        Item* parents[MenuTreeRecord::kMaxLevel + 2] = {};
        const int rootLevel = root->getLevel();
        parents[rootLevel] = root;
        const long long offset =
            records.empty() ? 0 : rootLevel - static_cast<long long>(records.front().record.level) + 1;
        int previousLevel = rootLevel;
        for (const ImportRecord& read : records) {
            const MenuTreeRecord& record = read.record;
            // Levels keep their distances below the root; a record more
            // than one level deeper than the one before, or beyond the
            // deepest level, goes under the nearest shallower item, as the
            // tree file's reader places it.
            const long long mapped = record.level + offset;
            const int level = MenuTreeRecord::placedLevel(
                static_cast<int>(std::min<long long>(mapped, INT_MAX)), previousLevel);
            if (mapped <= rootLevel || level <= rootLevel) {
                showAtLine(kIdsBadLevel, path, read.line);
                stop();
                return;
            }
            if (level != mapped) {
                CString text;
                text.Format("Imported record of level %d placed at level %d: %s", record.level, level,
                            record.name.GetString());
                logLines.push_back(text);
            }
            Item* parent = parents[level - 1];
            CString url;
            switch (computeItemKind(record.name, record.url)) {
            case kShortcut:
                break; // the target's, once every item is there
            case kExternal:
                url = record.url;
                break;
            default: {
                // The folder the exported item had, which need not be made
                // from its name; its name's when the url names none.
                CString folder = folderNameOfUrl(record.url);
                if (folder.IsEmpty())
                    folder = toFileName(record.name, 1);
                url = parent->getFolder(1, 0) + folder + "/" + kOverviewPageName;
            }
            }
            Item* item = createItem(parent, record.name, url, record.blankTarget, record.icon,
                                    record.openIcon, level, record.frame, "");
            created.emplace_back(item);
            item->setUid(record.uid);
            if (isTaken(record.uid)) {
                do
                    item->generateUid();
                while (isTaken(item->getUid()));
                // References inside the imported items follow the first
                // item of that uid; a later one of the same file is only renamed.
                if (renames.renamed(record.uid).IsEmpty() && !imported.count(upperCased(record.uid)))
                    renames.add(record.uid, item->getUid());
                // Said as the existing item and the imported one, then the new uid.
                const Item* existing = siteItemWith(record.uid);
                CString detail;
                detail.Format(loadString(32995), record.uid.GetString(),
                              existing ? existing->getName().GetString() : "",
                              existing ? existing->getUrl().GetString() : "", item->getName().GetString(),
                              item->getUrl().GetString());
                duplicates.push_back(detail + formatted(kIdsImportedUidChanged, item->getUid()));
                renamedItems.emplace_back(item, record.uid);
            }
            imported.insert(upperCased(item->getUid()));
            item->setVisible(record.visible);
            item->setNameL2(record.nameL2);
            // Only a shortcut names another item, in memory as in the tree file.
            if (item->getKind() == kShortcut)
                item->setReferencedUid(record.referencedUid);
            parents[level] = item;
            previousLevel = level;
        }

        // Every imported page item must find its folder in the exchange folder.
        const CString exp = folderOfFile(path) + "\\exp";
        if (!hasExchangeFolder(path, CString(), root->getName())) {
            stop();
            return;
        }
        // Each page item's folder below the root's ("" for the root's own).
        std::vector<CString> folders{CString()};
        std::unordered_map<const Item*, CString> folderOf;
        for (const auto& item : created) {
            if (item->getKind() != kDual)
                continue;
            CString below = withoutTrailingSeparator(item->getFolder(1, 0).Mid(rootFolder.GetLength()));
            below.Replace("/", "\\");
            if (!hasExchangeFolder(path, below, item->getName())) {
                stop();
                return;
            }
            folders.push_back(below);
            folderOf[item.get()] = below;
        }

        if (ui::AfxMessageBox(formatted(32993, root->getName()), MB_YESNO) != IDYES) {
            stop();
            return;
        }
        TextOutStream* log = openLog();
        auto logLine = [&log](const CString& text) {
            if (log)
                *log << text << "\n";
        };
        logLine("Full import from item " + root->getName() + " (uid: " + rootUid + ")");

        for (const auto& item : created) {
            const CString target = renames.renamed(item->getReferencedUid());
            if (!target.IsEmpty())
                item->setReferencedUid(target);
        }

        std::vector<CString> links;
        removeLinks(exp, links);
        for (const CString& link : links)
            logLine("Link " + link + " left out of the import");

        // The root's folder moves aside, the exported one takes its place;
        // when that cannot be done the root's folder comes back. Both go
        // to the very path the root's folder was found at, never into a
        // folder of the same name in another case.
        const std::string siteDisk = platform::diskPath(siteFolder.str());
        CString backup;
        std::string backupDisk;
        if (platform::pathExists(siteFolder)) {
            backup = discardedFolderPath(root);
            backupDisk = platform::diskPath(backup.str());
            if (!platform::moveDiskEntry(siteDisk, backupDisk)) {
                closeLog(log);
                show(kIdsMoveRefused, platform::shownPath(siteFolder), platform::shownPath(backup));
                stop();
                return;
            }
        }
        if (!platform::moveDiskEntry(platform::diskPath(exp.str()), siteDisk)) {
            if (!backupDisk.empty())
                platform::moveDiskEntry(backupDisk, siteDisk);
            closeLog(log);
            show(kIdsMoveRefused, platform::shownPath(exp), platform::shownPath(siteFolder));
            stop();
            return;
        }

        // The renamed uids are followed inside the imported items' files,
        // now in the site. Should a file refuse, the import stands and the
        // log names the file.
        if (!renames.isEmpty()) {
            CString failed;
            for (const CString& below : folders)
                renames.relinkFolder(siteFolder + "\\" + below, failed);
            // A renamed item's own pages name it where they were written once.
            for (const auto& [item, uid] : renamedItems)
                if (folderOf.count(item))
                    UidReferences::relinkOwnPages(siteFolder + "\\" + folderOf[item], uid, item->getUid(),
                                                  failed);
            if (!failed.IsEmpty()) {
                logLine("Files whose references to the new uids could not be changed:\n" + failed);
                show(kIdsRelinkFailed);
            }
        }

        // The tree changes in one step.
        detachSubtree(root);
        Item* previous = root;
        for (auto& owned : created) {
            Item* item = owned.release();
            m_itemList->insertAfter(item, previous);
            previous = item;
            itemLoaded(item);
        }
        created.clear();
        // The shortcuts take their targets' urls; found first, then set, so
        // that the index serves every lookup.
        std::vector<std::pair<Item*, CString>> shortcutUrls;
        ItemIterateur* it = getItemIterator();
        while (!it->isAtEnd()) {
            Item* item = it->current();
            it->next();
            const CString referenced = item->getReferencedUid();
            if (item->getKind() != kShortcut || referenced.IsEmpty() || referenced == " ")
                continue;
            if (const Item* target = findItemByUid(referenced); target && target->getUrl() != item->getUrl())
                shortcutUrls.emplace_back(item, target->getUrl());
        }
        delete it;
        for (const auto& [shortcut, url] : shortcutUrls)
            shortcut->setUrl(url);
        for (const CString& text : logLines)
            logLine(text);
        for (const CString& text : duplicates)
            logLine(text);

        saveMenuTree();
        if (shared)
            endSharedChange(true);
        else
            rebuildTreeView();
        shared = false;
        closeLog(log);
        if (duplicates.size() == 1) {
            ui::AfxMessageBox(duplicates.front());
        } else if (duplicates.size() > 1) {
            CString text;
            text.Format(loadString(kIdsImportedUidsChanged), static_cast<int>(duplicates.size()));
            ui::AfxMessageBox(text);
        }
        show(32992);
        // What was derived from the items that left is rebuilt, and the
        // new items read their data files.
        updateLinks(1, 0);
    } catch (...) {
        if (shared)
            endSharedChange(false);
        reportUnknownFailure("Project::importItemsFull");
    }
}
