#pragma once

// One entry of the project's menu tree: names in two languages, the page it
// opens (its url, rooted one folder below the site root, "../site/..."),
// icons, depth, parent and uid. Its kind is derived from name and url:
// Dual (a page of the site in a folder of its own), Shortcut (the name
// begins with "-> "; it stands for another item with the same url) or
// External (an url outside the site).

#include "CString.h"

class Project;
class ItemListe;

inline constexpr const char* kOverviewPageName = "overview.htm";
inline constexpr const char* kOverviewPageNameL2 = "overviewL2.htm";
inline constexpr const char* kHeaderPageName = "header.htm";
inline constexpr const char* kHeaderPageNameL2 = "headerL2.htm";
inline constexpr const char* kContentPageName = "content.htm";
inline constexpr const char* kContentPageNameL2 = "contentL2.htm";
inline constexpr const char* kSiteFolderName = "site";
inline constexpr const char* kShortcutPrefix = "-> ";
inline constexpr const char* kKeyFrame = "Frame";

enum ItemKind { kDual = 0, kShortcut = 1, kExternal = 2 };

class Item {
public:
    Item(Item* parent, const CString& name, const CString& url, int blankTarget, const CString& icon,
         const CString& openIcon, int level, Project* project, int frame, const CString& description);
    virtual ~Item() = default;
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    // The stored description of the first language for 0, of the second otherwise.
    virtual CString getDescription(int language);
    // Folder with separator + content or overview page name of the language.
    virtual CString getPagePath(int language);
    // Whether the generator writes the whole page (a rename then needs no manual change).
    virtual int isFullyGenerated() { return 0; }
    virtual void savePageHeaderImage() {}
    virtual int hasStandardHeader() { return 1; }
    virtual int hasDiagram() { return 0; }

    const CString& getUid() const { return m_uid; }
    void setUid(const CString& uid);
    const CString& getReferencedUid() const { return m_referencedUid; }
    void setReferencedUid(const CString& uid) { m_referencedUid = uid; }
    Project* getProject() const { return m_project; }
    Item* getParent() const { return m_parent; }
    void setParent(Item* parent);
    const CString& getName() const { return m_name; }
    void setNameText(const CString& name);
    const CString& getNameL2() const { return m_nameL2; }
    void setNameL2(const CString& name) { m_nameL2 = name; }
    const CString& getUrl() const { return m_url; }
    void setUrl(const CString& url);
    const CString& getIcon() const { return m_icon; }
    void setIcon(const CString& icon) { m_icon = icon; }
    const CString& getOpenIcon() const { return m_openIcon; }
    void setOpenIcon(const CString& icon) { m_openIcon = icon; }
    int getLevel() const { return m_level; }
    void setLevel(int level);
    int isVisible() const { return m_visible; }
    void setVisible(int visible);
    int isBlankTarget() const { return m_blankTarget; }
    void setBlankTarget(int blankTarget) { m_blankTarget = blankTarget; }
    int isFrame() const { return m_frame; }
    void setFrame(int frame) { m_frame = frame; }
    const CString& getPageHeaderImage() const { return m_pageHeaderImage; }
    void setPageHeaderImageText(const CString& image) { m_pageHeaderImage = image; }
    void setDescription(int language, const CString& text) { (language == 0 ? m_description : m_descriptionL2) = text; }
    void setDescriptionL1(const CString& text) { m_description = text; }
    int isGlossaryEntryFlag() const { return m_glossaryEntry; }
    void setGlossaryEntryFlag(int flag) { m_glossaryEntry = flag; }
    int getReloadMark() const { return m_reloadMark; }
    void setReloadMark(int mark) { m_reloadMark = mark; }
    int getRemovalMark() const { return m_removalMark; }
    void setRemovalMark(int mark) { m_removalMark = mark; }
    void* getTreeHandle() const { return m_treeHandle; }
    void setTreeHandle(void* handle) { m_treeHandle = handle; }

    // Overwrites the seven fields at once (a reloaded tree record matched this item).
    void update(Item* parent, const CString& name, const CString& url, int blankTarget, const CString& icon,
                const CString& openIcon, int level);
    int getKind() const;
    CString getKindName() const;
    // The url up to its last '/' or '\', with that separator when withSeparator
    // is set, without its first three characters ("../") when dropPrefix is set.
    CString getFolder(int withSeparator, int dropPrefix) const;
    // Sets the name; a Dual item then gets its default url again.
    void setName(const CString& name);
    // Parent folder (or "../site/") + toFileName(name) + "/overview.htm"; Dual items only.
    void makeDefaultUrl();
    // The folder a new item called name gets under parent (null for a top
    // item), as its url names it: the parent's folder, or "../site/", and
    // the name made fit for a file name.
    static CString defaultFolder(const Item* parent, const CString& name);
    // The parent an item inserted next to anchor gets: anchor itself as a
    // child (mode 2), else anchor's parent; none without an anchor.
    static Item* parentForInsertion(Item* anchor, int mode);
    // Prepares an item whose kind is being changed to kind.
    void initForKind(int kind, const CString& name);
    CString getOverviewUrl(int language) const;
    static CString getOverviewPageName(int language);
    // The name for 0, else the second-language name or "Empty translation".
    CString getNameByLanguage(int language) const;
    // Relative path ('/' separators, no trailing one) from the folder of
    // fromItem followed by suffix to this item's folder.
    CString getRelativeLink(const Item* fromItem, const CString& suffix) const;
    // For a shortcut: the last Dual item of the list with exactly its url.
    Item* getShortcutTarget(ItemListe* list) const;
    // "N" + seconds since 1970 + a process-wide counter.
    void generateUid();

protected:
    // The project's indexes over uids, names and urls are stale after a change.
    void identityChanged();
    // Only the indexes by class are stale: loading the items of a large
    // process sets every item's class, and must not make each lookup of a
    // uid or a shortcut's target in between rebuild the indexes.
    void classChanged();
    // What the site shows of the tree is stale: a visibility, a parent or a level changed.
    void shapeChanged();

private:
    int m_reloadMark = 0;
    int m_visible = 1;
    CString m_uid;
    CString m_referencedUid;
    Project* m_project;
    Item* m_parent;
    CString m_name;
    CString m_nameL2;
    CString m_url;
    CString m_icon;
    CString m_openIcon;
    int m_level;
    CString m_description;
    CString m_descriptionL2;
    int m_blankTarget;
    int m_frame;
    void* m_treeHandle = nullptr;
    CString m_pageHeaderImage;
    int m_glossaryEntry = 0;
    int m_removalMark = 0;
};

// Kind from name and url: "-> " at the start makes a shortcut; an url not
// beginning with "../site" or "..\site", or one whose ".." segments lead
// out of the project folder, makes an external item; else Dual.
int computeItemKind(const CString& name, const CString& url);
// Whether the url begins with "../site" or "..\site".
bool isSiteUrl(const CString& url);
CString kindName(int kind);
int kindFromName(const CString& text);
// The folder name for an item name, byte for byte: letters, digits, '-' and
// '_' stay, the French accents lose theirs, a blank becomes '_' when
// blanksToUnderscore is set, every other byte becomes '_'.
CString toFileName(const CString& name, int blanksToUnderscore);
CString fileNameOfPath(const CString& path);
// The first non-shortcut item whose url matches ignoring case, '/' taken as '\'.
Item* findItemByUrl(ItemListe* list, const CString& url);
inline CString shortcutPrefix() { return kShortcutPrefix; }
inline CString siteFolderName() { return kSiteFolderName; }
CString getContentPageName(int language);
