#pragma once

// The icons of the item tree. The table proposes a new item's two icon
// names from its class; an ItemIconSet holds the pictures of a project's
// icon folder (an image list, the records and the map from file name to
// record) and fills a tree control with the items and their icons. The main
// window and every item picker each own a set of their own.

#include "CString.h"
#include "MainWindow.h"

#include <memory>
#include <unordered_map>
#include <wx/treebase.h>

class ImageIndex;
class ImageIndexListe;
class Item;
class ItemListe;
class wxImageList;
class wxTreeCtrl;

// The data of a tree node: its item.
class ItemNodeData : public wxTreeItemData {
public:
    explicit ItemNodeData(Item* item) : m_item(item) {}
    Item* getItem() const { return m_item; }

private:
    Item* m_item;
};

// The icon and open icon proposed for an item of a class kind; the book
// icons for the classes without one of their own.
CString getClosedIconForClass(int classKind);
CString getOpenIconForClass(int classKind);

class ItemIconSet {
public:
    ItemIconSet();
    ~ItemIconSet();
    ItemIconSet(const ItemIconSet&) = delete;
    ItemIconSet& operator=(const ItemIconSet&) = delete;

    // Replaces everything with the "*.gif" files of projectFolder +
    // "applet/IconImages/" (projectFolder ends with a separator). A picture
    // that does not load keeps a record with the image index -1. A tree
    // showing the old image list must let go of it first.
    void load(const CString& projectFolder);

    // The image list to show in a tree; the set keeps it.
    wxImageList* getImageList() const { return m_imageList.get(); }
    ImageIndexListe* getIconList() const { return m_icons; }
    // The record of an icon file name, as found on disk (case counts).
    ImageIndex* find(const CString& fileName) const;

    // Deletes every node of the tree and inserts one per item of the list,
    // in list order under the node of the level above, with the item's
    // icons (the default icon, with a message for the first three missing
    // ones, when an icon is not in the folder). Each node's data is its
    // item; with rememberNodes (the main window's tree only: the items keep
    // one node) the item remembers its node. With no default icon in the
    // folder the tree stays empty after a message, and the result is false.
    bool fillTree(wxTreeCtrl& tree, ItemListe* items, bool rememberNodes);

private:
    std::unique_ptr<wxImageList> m_imageList;
    ImageIndexListe* m_icons;
    std::unordered_map<CString, ImageIndex*> m_byName;
};
