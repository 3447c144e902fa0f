#include "ItemIcons.h"

#include "ExtendedPictureHolder.h"
#include "FileFinder.h"
#include "ImageIndex.h"
#include "Item.h"
#include "ItemListe.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/bitmap.h>
#include <wx/imaglist.h>
#include <wx/treectrl.h>

namespace {

struct ClassIcons {
    int classKind;
    const char* icon;
    const char* openIcon;
};

const ClassIcons kClassIcons[] = {
    {2, "worker.gif", "worker.gif"},      {4, "wfdtree.gif", "wfdtree.gif"},
    {5, "wfdtree.gif", "wfdtree.gif"},    {6, "wfdtree.gif", "wfdtree.gif"},
    {7, "ar_doc.gif", "ar_doc.gif"},      {8, "state.gif", "state.gif"},
    {9, "wfdtree.gif", "wfdtree.gif"},    {10, "wf_red.gif", "wf_red.gif"},
    {11, "template.gif", "template.gif"}, {12, "word.gif", "word.gif"},
    {13, "worddoc.gif", "worddoc.gif"},   {14, "ovutable.gif", "ovutable.gif"},
    {15, "artfc_w.gif", "artfo_w.gif"},   {16, "workers.gif", "workers.gif"},
    {19, "measure.gif", "measure.gif"},   {23, "check.gif", "check.gif"},
};

const ClassIcons* iconsOf(int classKind) {
    for (const ClassIcons& icons : kClassIcons)
        if (icons.classKind == classKind)
            return &icons;
    return nullptr;
}

// Levels run from 0 to 99, as in the menu-tree file.
constexpr int kLevels = 100;
// Missing icons reported in one fill, at the most.
constexpr int kMaxMissingIconMessages = 3;

} // namespace

CString getClosedIconForClass(int classKind) {
    const ClassIcons* icons = iconsOf(classKind);
    return icons ? CString(icons->icon) : getDefaultClosedIcon();
}

CString getOpenIconForClass(int classKind) {
    const ClassIcons* icons = iconsOf(classKind);
    return icons ? CString(icons->openIcon) : getDefaultOpenIcon();
}

ItemIconSet::ItemIconSet() : m_icons(new ImageIndexListe) {}

ItemIconSet::~ItemIconSet() {
    m_icons->deleteAll();
    delete m_icons;
}

void ItemIconSet::load(const CString& projectFolder) {
    const CString folder = projectFolder + "applet/IconImages/";
    m_byName.clear();
    m_icons->deleteAll();
    m_imageList = std::make_unique<wxImageList>(16, 16, true, 100);
    WIN32_FIND_DATAA found;
    HANDLE finder = FindFirstFileA(folder + "*.gif", &found);
    if (finder == INVALID_HANDLE_VALUE)
        return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        auto* picture = new ExtendedPictureHolder;
        picture->loadFromFile(folder + found.cFileName);
        auto* bitmap = picture->getHandle() ? new wxBitmap(*picture->getHandle()) : new wxBitmap;
        // A picture that did not load is refused by the image list.
        int index = -1;
        if (bitmap->IsOk()) {
            wxBitmap tile = *bitmap;
            if (tile.GetWidth() != 16 || tile.GetHeight() != 16)
                tile = wxBitmap(tile.ConvertToImage().Rescale(16, 16));
            index = m_imageList->Add(tile);
        }
        auto* record = new ImageIndex(picture, bitmap, index, found.cFileName);
        m_icons->append(record);
        m_byName[found.cFileName] = record;
    } while (FindNextFileA(finder, &found));
    FindClose(finder);
}

ImageIndex* ItemIconSet::find(const CString& fileName) const {
    const auto hit = m_byName.find(fileName);
    return hit == m_byName.end() ? nullptr : hit->second;
}

bool ItemIconSet::fillTree(wxTreeCtrl& tree, ItemListe* items, bool rememberNodes) {
    tree.DeleteAllItems();
    const CString defaultIcon = getClosedIconForClass(1);
    const ImageIndex* fallback = find(defaultIcon);
    if (!fallback) {
        // No item keeps a node of the emptied tree.
        for (int i = 1; rememberNodes && items && i <= items->count(); ++i)
            items->at(i)->setTreeHandle(nullptr);
        CString message;
        message.Format(loadString(33025), defaultIcon.GetString());
        ui::AfxMessageBox(message);
        return false;
    }
    tree.SetImageList(m_imageList.get());
    wxTreeItemId parents[kLevels + 1];
    parents[0] = tree.AddRoot("");
    int missing = 0;
    auto imageOf = [&](const CString& name, const Item* item) {
        if (const ImageIndex* record = find(name))
            return record->getImageIndex();
        if (missing < kMaxMissingIconMessages) {
            CString message;
            message.Format(loadString(33026), name.GetString(), item->getUid().GetString(),
                           defaultIcon.GetString());
            ui::AfxMessageBox(message);
            ++missing;
        }
        return fallback->getImageIndex();
    };
    for (int i = 1; items && i <= items->count(); ++i) {
        Item* item = items->at(i);
        const int image = imageOf(item->getIcon(), item);
        const int selectedImage = imageOf(item->getOpenIcon(), item);
        int level = item->getLevel();
        level = level < 0 ? 0 : (level >= kLevels ? kLevels - 1 : level);
        wxTreeItemId parent = parents[level];
        for (int up = level - 1; !parent.IsOk() && up >= 0; --up)
            parent = parents[up];
        const wxTreeItemId node = tree.AppendItem(parent, toWx(item->getName()), image, selectedImage);
        tree.SetItemData(node, new ItemNodeData(item));
        if (rememberNodes)
            item->setTreeHandle(node.GetID());
        parents[level + 1] = node;
        for (int deeper = level + 2; deeper <= kLevels; ++deeper)
            parents[deeper] = wxTreeItemId();
    }
    return true;
}
