#pragma once

// The open site project: its folder, its settings file, its menu tree, its
// log and its labels, and the operations through which the rest of the
// program changes the tree. Exactly one project is open at a time;
// getInstance answers it. The project actually opened is a ProcessManager,
// which overrides most virtual operations; these are the plain menu-tree
// behaviour.
//
// Lookups over the items use indexes that the project rebuilds whenever the
// list or an item's identity changed since they were built.

#include "CString.h"

#include "FileSystem.h"
#include "WinTypes.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <unordered_map>
#include <vector>

class CStringListe;
class DiskLinks;
class Item;
class ItemIterateur;
class ItemListe;
class ItemListePlus;
class MainWindow;
class CTime;
class SharedHold;
class TextInStream;
class TextOutStream;
class VisibleTree;
namespace platform {
class KeptProfile;
}

class Project {
public:
    Project(const CString& settingsPath, MainWindow* mainWindow, int layoutFlag);
    virtual ~Project();
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    static Project* getInstance();

    // Whether the settings file at path can be opened as a project, before
    // anything is built or written: empty when it can, else the message for
    // the user, which names the path and what is missing (the file, a
    // readable file, the menu-tree file). Nothing is created on disk.
    static CString checkProjectFiles(const CString& settingsPath, int layoutFlag);
    // The project folder of a settings file, with its trailing separator:
    // the file's folder, or with the layout flag that folder's parent.
    static CString getProjectFolderFor(const CString& settingsPath, int layoutFlag);

    // New item made with these values and the project as owner; not inserted.
    virtual Item* createItem(Item* parent, const CString& name, const CString& url, int blankTarget,
                             const CString& icon, const CString& openIcon, int level, int frame,
                             const CString& description);
    virtual void onItemRenamed(Item* item, const CString& newName, const CString& oldName);
    // Rebuilds derived cross-references when they may be stale; force 1
    // rebuilds them whatever their state and has every item read its data
    // file again. Nothing here.
    virtual void updateLinks(int force, int doubledProgress);
    // Shows 32982 "%s is not managed in this application" with the class text.
    virtual int createItemFiles(Item* item, const CString& classKeyword, const CString& classText, int frame);
    virtual int isProcessMode() { return 0; }
    virtual int isLinkRefreshPending() { return 1; }
    // Site root + the item's page path; an empty text when that lies outside the project folder.
    virtual CString getItemPagePath(Item* item, int language);
    virtual int checkItemClassAllowed(const CString& classKeyword, Item* parent);
    // Conversion hooks for open tree files of older formats; nothing here.
    virtual void migrate013_015(TextInStream& /*treeFile*/) {}
    virtual void migrate014_015(TextInStream& /*treeFile*/) {}
    // Called for every item the tree reader creates, after it was appended.
    virtual void itemLoaded(Item* /*item*/) {}
    virtual void relinkUid(Item* /*item*/, const CString& /*oldUid*/, const CString& /*newUid*/) {}

    // Tree operations. Each refuses with its message, and in multi-user mode
    // runs under the lock on a freshly reloaded tree.
    // Adds an item next to the anchor (mode 1 above, 2 as last child, else
    // below its subtree); null when refused. An empty uid gets a new one.
    // A shortcut takes the url of shortcutTarget when one is given, else of
    // the item its name designates.
    virtual Item* addItem(Item* anchor, const CString& name, int blankTarget, const CString& icon,
                          const CString& openIcon, int mode, const CString& description, const CString& url,
                          int refreshTree, int saveTree, int frame, int visible, const CString& nameL2,
                          int multiUser, const CString& uid, Item* shortcutTarget = nullptr);
    // Takes the item (and its subtree) out of the tree; its folder stays.
    // 1 when the item left the tree; 0 when a shared change refused (the
    // lock was held, or another user had deleted the item).
    virtual int deleteItem(Item* item, int refreshTree, int keepShortcuts, int removeMarkedShortcuts,
                           int withSubtree, int multiUser);
    virtual int canMoveItem(Item* from, Item* to, int mode);
    // Applies the property dialog's values; a rename moves urls, folders and
    // shortcuts. 0 when refused or when the folder could not be renamed (the
    // item then keeps its old name and folder). A shortcut stands from now
    // on for shortcutTarget when one is given (the item the user chose),
    // else for the item its referenced uid names, or its name after a rename.
    virtual int changeItem(Item* item, const CString& newName, int blankTarget, const CString& icon,
                           const CString& openIcon, int moveFolder, const CString& url, int visible,
                           const CString& nameL2, const CString& pageHeaderImage,
                           Item* shortcutTarget = nullptr);
    // Moves the item with its subtree next to or under the target; the new item, or null.
    Item* moveItem(Item* to, Item* from, int mode, ItemIterateur* iterator);
    // The multi-user lock: the file kLockFileName in "tmp", held open
    // against writers while one copy of the program changes the tree.
    static constexpr const char* kLockFileName = "lock.data";
    int lockTree();
    void unlockTree();
    // The file in "tmp" that every running copy of the program holds while
    // it has the project open, so that the next one can say so.
    static constexpr const char* kOpenHoldFileName = "open.data";
    // Whether a tree change runs under the lock on a freshly read tree:
    // always while several users share the project, and otherwise when
    // another running copy of the program rewrote the tree file since this
    // one last read or wrote it.
    bool changesSharedTree() const;
    // Whether the tree file is no longer the one this copy last read or wrote.
    bool menuTreeChangedOnDisk() const;
    // Takes the item's subtree out of the list; a null item empties the whole list.
    void removeSubtree(Item* item);
    // How many items the item's subtree holds below it; every item of the
    // tree for none.
    int countSubtree(Item* item) const;
    // Whether folders can be imported below the item (the whole site for
    // none): only a dual item holds the dual items they become; otherwise
    // 32956 is told and the answer is 0.
    int canImportFolderTree(Item* parent);
    // Replaces the parent's subtree (the whole tree for none) by items made
    // from the folders below the parent's folder, then saves the tree and
    // writes the pages missing. 1 when done; 0, with the tree as it was and
    // the failure told, when a folder could not be read.
    int importFolderTree(Item* parent);
    // Makes an item of every folder of folder (linked folders, "." and ".."
    // and names beginning with '_' aside), at the level given under parent,
    // each inserted after *lastInserted and becoming it, then the items of
    // its own folders below it. 0 when a folder could not be read.
    int scanFolderTree(Item* parent, const CString& folder, int level, Item** lastInserted);
    // The first item whose name equals the name ("-> " and what precedes it dropped).
    Item* findItemByName(const CString& name) const;
    // The item of the tree that a shortcut's referenced uid names (never the
    // shortcut itself); null when it names none.
    Item* findReferencedItem(const Item* shortcut) const;
    // A new list of the names of the dual items in tree order; the caller owns it.
    CStringListe* getDualItemNames() const;
    // Moves the item's folder into "tmp" under a dated name.
    void discardItemFolder(Item* item);
    // Renames site root + from to site root + to; reports a failure.
    int moveSiteFile(const CString& from, const CString& to);
    int checkNotHomeItem(Item* item);
    int checkHasNoChildren(Item* item);
    int checkParentIsDual(Item* item);
    // Every shortcut with exactly the old url gets the new one, and the new
    // names when they changed.
    void updateShortcuts(const CString& oldUrl, const CString& newUrl, const CString& oldName,
                         const CString& newName, const CString& oldNameL2, const CString& newNameL2);
    // Marks (or deletes) every shortcut with exactly that url.
    void deleteShortcutsTo(const CString& url, int markOnly);
    // The next item from *position on (1-based) whose name in the language
    // contains the text ignoring case; *position becomes its number.
    Item* findNextItemByName(const CString& text, int* position, int language) const;
    // Turns the item into the kind named "Dual", "Shortcut" or "External".
    void changeItemKind(Item* item, const CString& kindText);
    // Adds a shortcut to the item below its subtree.
    void createShortcut(Item* item);

    // Item list files and project services.
    void exportItems();
    void importItems(const CString& path);
    void writeHtmlFileList();
    void listSiteFiles(CStringListe* list);
    void listHtmlFiles(CStringListe* list, const CString& folder);
    // Creates the item's folder (one level) in the site; shows 32965 and
    // answers 0 when it cannot: it exists already, its parent is missing,
    // or it would lie outside the project folder.
    int createItemFolder(Item* item);
    // Writes the item's default page (and its header frameset when asked);
    // an existing page is kept unless overwrite is set.
    void createItemPage(Item* item, int overwrite, TextOutStream* log, int createFolder, int writeHeader,
                        int language);
    void createMissingPages(int overwrite);
    // Copies a document into the item's folder; the name it got, or "" when refused.
    CString copyDocumentIntoItem(const CString& sourcePath, Item* item, int addDate, CTime* modificationTime,
                                 CString* fileName);
    CString makeDocumentTable(const CString& fileName, const CString& description, int newWindow,
                              int paragraphForm, const CTime* modificationTime, const CString& linkText,
                              int convertFileName, int dateKnown);
    // Shows the item's folder in the file manager; an external item has
    // none ("Not available on external items").
    void openItemFolder(Item* item);
    // Shows the folder "tmp" in the file manager.
    void openExportFolder();

    // Site tools.
    // Puts newPrefix in place of oldPrefix at the start of every url that
    // begins with it, saves the tree when any changed and tells how many;
    // an empty oldPrefix is refused.
    void replaceUrlPrefix(const CString& oldPrefix, const CString& newPrefix);
    // The log and the label file in the user's text editor.
    void viewLogFile();
    void editTranslationFile();
    // The item's page rewritten as the map of the site: every item shown,
    // indented by its level, with its icon and a link to its page.
    void writeSiteMapPage(Item* item, int language);
    // The item's page rewritten as the list of its visible direct children.
    void generateDualChildLinks(Item* item, int language);
    // The second-language page of every item that has none yet.
    void createSecondLanguagePages();
    // The one-page document "tmp/process.htm" ("processL2.htm"): every item
    // after the first under a heading of its depth with the body of its page.
    void exportOnePageProcess(int language);

    // Item exchange folders, written into "tmp" and read back.
    // A full export: "export.dat" with the records of the item's
    // descendants, and "exp" with a copy of the item's folder.
    void exportItemsFull(Item* item);
    // A single-item export: "export.d1i" with the description and the
    // item's uid, and "exp" with the item folder's own files.
    void exportOneItem(Item* item, const CString& description);
    // Replaces the subtree below the item that the file's first line names
    // by the exported one. The whole file is read and checked, and the
    // exported folder is in place, before the tree changes: a damaged
    // exchange folder or a failed move leaves the project as it was.
    // Imported uids already used in the site are replaced by new ones,
    // and the references inside the imported items follow them.
    void importItemsFull(const CString& path);
    // Copies the exported files onto the item named by the file.
    void importOneItem(const CString& path);
    // Copies the files of source into target (an existing one is replaced
    // unless recurse is set), and with recurse its folders too (those named
    // with "_vti_cnf" aside). Symbolic links are neither followed nor
    // copied. 1 when everything was copied; a file that could not be shows
    // 32997 and makes the result 0, in a nested folder as well.
    // fileCopied, when given, is called after each file copied.
    static int copyFolderTree(const CString& source, const CString& target, int skipFiles, int recurse,
                              int ignoreFolderErrors, const std::function<void()>& fileCopied = {});
    // The number of files copyFolderTree copies from the folder.
    static int countFolderFiles(const CString& folder, int recurse);

    // Uid change and folder clean-up.
    // Whether no other item has this uid, ignoring case (lookups upper-case
    // the uids they are given, so two uids differing in case are one).
    bool isUidUnique(Item* item, const CString& uid) const;
    // Whether uid can become the item's new uid: not empty (33058), made of
    // 'A'-'Z', '0'-'9' and '_' and not the mark "0" of a removed item
    // (33440), unique (33059). Shows the refusal's message.
    int checkNewUid(Item* item, const CString& uid) const;
    // Gives the item the new uid when checkNewUid accepts it; the shortcuts
    // naming the old uid follow, the tree is saved, then relinkUid rewrites
    // the other references. 1 when done.
    int setItemUid(Item* item, const CString& newUid);
    // Removes every folder named "_vti_cnf" below the folder, with its contents.
    void deleteFolderTree(const CString& folder);
    // Deletes everything below the folder (and the folder itself with
    // removeSelf); a symbolic link is removed itself, never followed. 0
    // when the folder cannot be listed.
    int removeFolderTree(const CString& folder, int removeSelf);
    // Empties "tmp", keeping the multi-user lock file.
    void removeTmpFolder();
    // Empties "tolvane/save", the menu-tree backups.
    void removeSaveFolder();

    // Page pieces shared by the page writers.
    CString getItemFilePath(Item* item, int language);
    // The page's heading with its header picture; with links, the
    // picture's address is spelt as the folders on disk have it.
    CString getPageBanner(const CString& title, const CString& rootPath, const CString& headerImage,
                          int addBreak, const CString& image, DiskLinks* links = nullptr);
    void createHeaders(int language);
    virtual void createItemHeader(Item* item, int language);
    CString writeHeadMetaTags();
    CString writeBreadcrumb(Item* start, Item* page, const CString& pageFile, int language);
    void writePageUidFooter(Item* item, TextOutStream& out, int language, const CString& text);
    static CString getTooltipAttributes(const CString& index);
    Item* getPreviousItem(Item* item) const;
    Item* getNextItem(Item* item) const;
    // The site's framesets ("index.htm", "indexWF.htm" and their second-language
    // twins) and the navigation tree of the items shown, in the form the settings choose.
    void createSiteFrames();
    void createTreeViewPage(int language);
    void createAppletTreePage(int language);
    // Whether some item of the list has this one as parent and is visible.
    int hasVisibleChildren(Item* item) const;
    // Whether this is the last visible item of the list under its parent.
    int getLastVisibleSibling(Item* item) const;
    // What the site shows of the tree, made again only after the tree, an
    // item's place in it or an item's visibility changed.
    const VisibleTree& visibleTree() const;
    // An item's visibility, parent or level changed.
    void shapeChanged() { ++m_shapeEpoch; }

    // The settings-file path, or "administrator.ini" in the folder "tolvane"
    // of the project folder when the project was opened without one.
    CString getSettingsFile() const;
    // STD_OPTION "Charset", or "iso-8859-1" when absent or empty.
    CString readCharset() const;
    // Paths made from what the project's files store (urls, names, file
    // names) must stay inside the project folder: a damaged or hostile
    // project must never make the program read or write elsewhere.
    // Whether a path relative to the project folder, its "." and ".."
    // segments resolved one after the other ('/' and '\' both separate),
    // never leaves it.
    static bool staysInProjectFolder(const CString& relativePath);
    // Project folder + relativePath, or an empty text when that leads outside it.
    CString getPathInProject(const CString& relativePath) const;
    // Site root + relativePath, or an empty text when that leads outside the project folder.
    CString getPathInSite(const CString& relativePath) const;
    // Site root + a path that a rename or a removal may move: one below the
    // site root, never the root itself nor anything outside it; an empty
    // text otherwise.
    CString getMovablePathInSite(const CString& relativePath) const;
    CString getProjectDirectory() const { return m_projectFolder; }
    CString getSiteDirectory() const { return m_siteRoot; }
    ItemListePlus* getItemList() const { return m_itemList; }
    int getItemCount() const;
    ItemIterateur* getItemIterator() const;
    // The last item whose url, lower-cased, is "../site/home/overview.htm".
    Item* getHomeItem() const;

    // The menu-tree file "MenuTreeV2.dat" of the folder "tolvane".
    // Fresh 1 builds a new list; 0 reloads, keeping the items that are still
    // there and marking those another user removed. Always 1 unless reading failed.
    int loadMenuTree(MainWindow* treeDialog, int fresh);
    // Backs up and rewrites the tree file whole; a failure is reported. A
    // file that another copy of the program rewrote since this one read it
    // is never written over: the user is told and nothing is written. A
    // file read damaged is kept aside first.
    void saveMenuTree();
    // Copies the tree file into "tolvane/save/<seconds>.sav" when that folder exists.
    void backupMenuTree() const;
    CString getMenuTreePath() const;

    // The first item of the list (the project's own when none is given)
    // whose uid equals uid upper-cased; null when none.
    Item* findItemByUid(const CString& uid, ItemListe* list = nullptr) const;
    // The target of a shortcut: the last Dual item with exactly its url.
    Item* findShortcutTarget(const Item* shortcut) const;
    // Items changed their uid, name or url: the indexes are rebuilt on next use.
    void invalidateIndexes() { ++m_identityEpoch; }
    // Items changed their class: the indexes by class are rebuilt on next use.
    void invalidateClassIndexes() { ++m_classEpoch; }
    // Changes whenever the item list, an item's identity or its class
    // changed, so that indexes kept elsewhere can tell they are stale.
    struct TreeStamp {
        const void* list = nullptr;
        long version = -1;
        long epoch = -1;
        long classEpoch = -1;
        bool operator==(const TreeStamp&) const = default;
    };
    TreeStamp treeStamp() const;

    // Labels of generated pages from "trad.ini", cached for the project's life.
    CString getLabel(int secondLanguage, const CString& key);
    CString translateLabel(const CString& language, const CString& key);
    void setGenerationLanguage(const CString& language) { m_generationLanguage = language; }
    void setGenerationLanguage2(const CString& language) { m_generationLanguage2 = language; }
    const CString& getGenerationLanguage() const { return m_generationLanguage; }
    const CString& getGenerationLanguage2() const { return m_generationLanguage2; }
    static CString getVersionString();

    // Appends a dated block header to "ZevoRiruradiruzuz.log" in the site root
    // and answers the stream (null when it cannot be opened); closeLog writes
    // the block footer, closes and deletes it.
    TextOutStream* openLog() const;
    static CString getLogFileName() { return "ZevoRiruradiruzuz.log"; }
    static void closeLog(TextOutStream* log);

    // The main window's progress bar.
    void setProgressRange(int low, int high);
    void setProgressStep(int step);
    void setProgressPos(int position);

    int isTreeLoaded() const { return m_treeLoaded; }
    int isBusy() const { return m_busy; }
    void setBusy(int busy) { m_busy = busy; }
    MainWindow* getMainWindow() const { return m_mainWindow; }
    MainWindow* getTreeDialog() const { return m_treeDialog; }
    int isSourceControlOn() const { return m_sourceControl; }
    const CString& getSourceControlProject() const { return m_vssProjectName; }
    const CString& getSourceControlUser() const { return m_vssUser; }
    const CString& getSourceControlPath() const { return m_vssPath; }
    const CString& getApprovalLabel(int n) const { return m_approvalLabels[n - 1]; }
    void setApprovalLabel(int n, const CString& label) { m_approvalLabels[n - 1] = label; }

protected:
    void rebuildTreeView();
    // Takes the item's subtree (every item for none) out of the list; the
    // items stay allocated for whoever still holds one.
    void detachSubtree(Item* item);
    // The parts of an item's header shared by both header writers: the
    // links to its ancestors, top first, each followed by " / ", and their
    // names in the same form for the window's status line. pageLinks are
    // those of the item's folder.
    static void headerTrail(Item* item, int language, DiskLinks& pageLinks, CString& links, CString& status);
    // The overview page of a framed item: a frameset of the header page
    // over the content page, under the window status text; docType, when
    // given, is its first line.
    void writeHeaderFrameset(Item* item, int language, const CString& status, const char* docType);
    void initFromFile(const CString& path, MainWindow* mainWindow);

    ItemListePlus* m_itemList;
    CString m_siteRoot;
    CString m_projectFolder;
    MainWindow* m_treeDialog = nullptr;
    int m_sourceControl = 0;
    CString m_vssProjectName;
    CString m_vssUser;
    CString m_vssPath;
    CString m_generationLanguage;
    CString m_generationLanguage2;
    int m_busy = 0;
    MainWindow* m_mainWindow;
    CString m_approvalLabels[6];
    std::unordered_map<CString, CString> m_labelCache;
    CString m_settingsPath;
    int m_layoutFlag;
    int m_treeLoaded = 0;
    // Items taken out of the tree (removed by another user, deleted, moved
    // away) stay allocated while the project is open, for whoever holds them.
    std::vector<std::unique_ptr<Item>> m_detachedItems;

private:
    void rebuildIndexes() const;
    void ensureIndexes() const;
    TreeStamp identityStamp() const;
    // Steps of a change made while several users share the project: lock,
    // reload, find the named items again (each with the message shown when
    // another user deleted it). False when the change must not go on.
    struct NamedItem {
        Item** item;
        UINT missingMessage;
    };
    bool beginSharedChange(std::initializer_list<NamedItem> items);
    void endSharedChange(bool rebuild);
    void detach(Item* item);
    // lockTree without its message: false when another copy holds the lock
    // or the lock file cannot be made.
    bool takeTreeLock();
    // A record cut short in the tree file just read, at the line given: said
    // once, naming the newest backup, and the file is to be kept aside
    // before it is written over.
    void damagedMenuTreeRead(int line, const std::string& bytes, const platform::FileStamp& stamp);
    // The newest backup in "tolvane/save" that is not the file of these bytes; empty when none.
    CString newestMenuTreeBackup(const std::string& except) const;
    // Copies the damaged tree file to its place aside; false, told, when it cannot.
    bool keepDamagedMenuTree();
    // Removes what a folder walk finds below the folder; names in keep (at
    // its top only) stay.
    int removeFolderContents(const CString& folder, int removeSelf, std::initializer_list<const char*> keep);
    // A free name in "tmp" for the item's folder moved aside: the item's
    // folder name, "_", the seconds and "_save" (a counter before "_save"
    // when that is taken).
    CString discardedFolderPath(Item* item) const;
    // Unlinks the items of the item's subtree (every item for none) from the
    // list and answers them in tree order; they are the caller's to keep.
    std::vector<Item*> takeSubtree(Item* item);
    void insertIntoTree(Item* item, Item* anchor, int mode);
    // The folder "applet" that the tree pages lie in, created when missing;
    // false, told once until it can be made again, when it cannot be.
    bool ensureAppletFolder();
    bool m_appletFolderReported = false;
    std::unique_ptr<TextOutStream> m_lockStream;
    std::unique_ptr<SharedHold> m_openHold;
    // The tree file as this copy last read or wrote it, once it did.
    bool m_treeStampKnown = false;
    platform::FileStamp m_treeStamp;
    // The tree file last read had a record cut short: before the tree is
    // written, it is copied to m_damagedTreeCopy. m_damageTold is the file
    // last said to be damaged, so that reading it again says nothing more.
    bool m_treeDamaged = false;
    CString m_damagedTreeCopy;
    platform::FileStamp m_damageTold;
    // The settings file stays parsed while the project is open: every page
    // the generator writes asks it for options.
    std::unique_ptr<platform::KeptProfile> m_keptSettings;
    // Deletions and moves under way: only the outermost saves the tree file.
    int m_treeSaveDepth = 0;

    long m_identityEpoch = 0;
    long m_classEpoch = 0;
    long m_shapeEpoch = 0;
    mutable std::unique_ptr<VisibleTree> m_visibleTree;
    mutable TreeStamp m_visibleTreeStamp;
    mutable long m_visibleTreeShape = -1;
    // The tree the indexes were built from; a default stamp matches none.
    mutable TreeStamp m_indexStamp;
    mutable std::unordered_map<CString, Item*> m_uidIndex;
    // Every item by its uid upper-cased.
    mutable std::unordered_multimap<CString, Item*> m_foldedUidIndex;
    mutable std::unordered_map<CString, Item*> m_dualByUrl;
    mutable std::unordered_map<CString, Item*> m_nameIndex;
};
