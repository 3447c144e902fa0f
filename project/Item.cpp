#include "Item.h"

#include "CTime.h"
#include "FileSystem.h"
#include "ItemListe.h"
#include "ItemListePlus.h"
#include "Project.h"

#include <atomic>

Item::Item(Item* parent, const CString& name, const CString& url, int blankTarget, const CString& icon,
           const CString& openIcon, int level, Project* project, int frame, const CString& description)
    : m_project(project), m_parent(parent), m_name(name), m_url(url), m_icon(icon), m_openIcon(openIcon),
      m_level(level), m_description(description), m_blankTarget(blankTarget), m_frame(frame) {}

void Item::identityChanged() {
    if (m_project)
        m_project->invalidateIndexes();
}

void Item::classChanged() {
    if (m_project)
        m_project->invalidateClassIndexes();
}

void Item::shapeChanged() {
    if (m_project)
        m_project->shapeChanged();
}

void Item::setParent(Item* parent) {
    if (parent != m_parent)
        shapeChanged();
    m_parent = parent;
}

void Item::setLevel(int level) {
    if (level != m_level)
        shapeChanged();
    m_level = level;
}

void Item::setVisible(int visible) {
    if (visible != m_visible)
        shapeChanged();
    m_visible = visible;
}

void Item::setUid(const CString& uid) {
    m_uid = uid;
    identityChanged();
}

void Item::setNameText(const CString& name) {
    m_name = name;
    identityChanged();
}

void Item::setUrl(const CString& url) {
    m_url = url;
    identityChanged();
}

CString Item::getDescription(int language) { return language == 0 ? m_description : m_descriptionL2; }

CString Item::getPagePath(int language) {
    const CString page = m_frame ? getContentPageName(language) : getOverviewPageName(language);
    return getFolder(1, 0) + page;
}

void Item::update(Item* parent, const CString& name, const CString& url, int blankTarget, const CString& icon,
                  const CString& openIcon, int level) {
    m_parent = parent;
    m_name = name;
    m_url = url;
    m_blankTarget = blankTarget;
    m_icon = icon;
    m_openIcon = openIcon;
    m_level = level;
    identityChanged();
    shapeChanged();
}

int Item::getKind() const { return computeItemKind(m_name, m_url); }

CString Item::getKindName() const {
    switch (getKind()) {
    case kDual: return "Dual";
    case kExternal: return "External";
    default: return "Shortcut";
    }
}

CString Item::getFolder(int withSeparator, int dropPrefix) const {
    const int cut = std::max(m_url.ReverseFind('/'), m_url.ReverseFind('\\'));
    if (cut < 0)
        return CString();
    CString folder = m_url.Left(withSeparator ? cut + 1 : cut);
    if (dropPrefix)
        folder = folder.Mid(3);
    return folder;
}

void Item::setName(const CString& name) {
    setNameText(name);
    if (getKind() == kDual)
        makeDefaultUrl();
}

void Item::makeDefaultUrl() {
    if (getKind() != kDual)
        return;
    setUrl(defaultFolder(m_parent, m_name) + "/" + kOverviewPageName);
}

CString Item::defaultFolder(const Item* parent, const CString& name) {
    return (parent ? parent->getFolder(1, 0) : CString("../site/")) + toFileName(name, 1);
}

Item* Item::parentForInsertion(Item* anchor, int mode) {
    return anchor ? (mode == 2 ? anchor : anchor->getParent()) : nullptr;
}

void Item::initForKind(int kind, const CString& name) {
    switch (kind) {
    case kShortcut:
        setUrl("bad url");
        setName(kShortcutPrefix);
        break;
    case kExternal:
        setUrl("bad url");
        setNameText("bad name");
        break;
    case kDual:
        setName(name);
        setUrl("../site/");
        makeDefaultUrl();
        break;
    default: break;
    }
}

CString Item::getOverviewUrl(int language) const {
    return language == 0 ? m_url : getFolder(1, 0) + kOverviewPageNameL2;
}

CString Item::getOverviewPageName(int language) { return language == 0 ? kOverviewPageName : kOverviewPageNameL2; }

CString Item::getNameByLanguage(int language) const {
    if (language == 0)
        return m_name;
    return m_nameL2.IsEmpty() ? CString("Empty translation") : m_nameL2;
}

CString Item::getRelativeLink(const Item* fromItem, const CString& suffix) const {
    const CString projectFolder = m_project ? m_project->getProjectDirectory() : CString();
    CString from = projectFolder + fromItem->getFolder(0, 0) + suffix;
    CString to = projectFolder + getFolder(0, 0);
    from.Replace('/', '\\');
    to.Replace('/', '\\');
    CString link = relativePath(from, FILE_ATTRIBUTE_DIRECTORY, to, FILE_ATTRIBUTE_DIRECTORY);
    link.Replace('\\', '/');
    link.TrimRight('/');
    return link;
}

Item* Item::getShortcutTarget(ItemListe* list) const {
    if (getKind() != kShortcut || !list)
        return nullptr;
    // The project's own list answers from its index: the same last dual item
    // with exactly this url.
    if (m_project && list == static_cast<ItemListe*>(m_project->getItemList()))
        return m_project->findShortcutTarget(this);
    Item* target = nullptr;
    ItemIterateur* it = list->createIterator();
    while (!it->isAtEnd()) {
        Item* item = it->current();
        it->next();
        if (item->getUrl() == m_url && item->getKind() == kDual)
            target = item;
    }
    delete it;
    return target;
}

void Item::generateUid() {
    static std::atomic<int> counter{0};
    CString uid;
    uid.Format("N%ld%d", static_cast<long>(CTime::GetCurrentTime().GetTime()), counter++);
    setUid(uid);
}

int computeItemKind(const CString& name, const CString& url) {
    if (name.Find(kShortcutPrefix) == 0)
        return kShortcut;
    if (!url.IsEmpty() && !isSiteUrl(url))
        return kExternal;
    // A site url whose ".." segments climb out of the project folder names
    // no page of the site: the item is only a link to it.
    if (url.Find("..", 1) >= 0 && !Project::staysInProjectFolder(CString(kSiteFolderName) + "/" + url))
        return kExternal;
    return kDual;
}

bool isSiteUrl(const CString& url) {
    return url.Find(CString("../") + kSiteFolderName) == 0 ||
           url.Find(CString("..\\") + kSiteFolderName) == 0;
}

CString kindName(int kind) {
    switch (kind) {
    case kDual: return "Dual";
    case kShortcut: return "Shortcut";
    case kExternal: return "External";
    default: return "Non Valid Kind";
    }
}

int kindFromName(const CString& text) {
    if (text == "Dual")
        return kDual;
    if (text == "External")
        return kExternal;
    if (text == "Shortcut")
        return kShortcut;
    return 3;
}

CString toFileName(const CString& name, int blanksToUnderscore) {
    CString out = name;
    for (int i = 0; i < out.GetLength(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        char mapped;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_')
            mapped = static_cast<char>(c);
        else if (c == 0xE9 || c == 0xE8 || c == 0xEA) // é è ê
            mapped = 'e';
        else if (c == 0xF9 || c == 0xFB) // ù û
            mapped = 'u';
        else if (c == 0xE7) // ç
            mapped = 'c';
        else if (c == 0xE0 || c == 0xE2 || c == '@') // à â @
            mapped = 'a';
        else if (c == ' ')
            mapped = blanksToUnderscore ? '_' : ' ';
        else
            mapped = '_';
        out.SetAt(i, mapped);
    }
    return out;
}

CString fileNameOfPath(const CString& path) {
    const int cut = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    return cut < 0 ? path : path.Mid(cut + 1);
}

Item* findItemByUrl(ItemListe* list, const CString& url) {
    CString wanted = url;
    wanted.Replace('/', '\\');
    wanted.MakeLower();
    ItemIterateur* it = list->createIterator();
    Item* found = nullptr;
    while (!it->isAtEnd() && !found) {
        Item* item = it->current();
        it->next();
        CString candidate = item->getUrl();
        candidate.Replace('/', '\\');
        candidate.MakeLower();
        if (item->getKind() != kShortcut && candidate == wanted)
            found = item;
    }
    delete it;
    return found;
}

CString getContentPageName(int language) { return language == 0 ? kContentPageName : kContentPageNameL2; }
