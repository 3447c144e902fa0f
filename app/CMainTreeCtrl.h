#pragma once

// The item tree of the main window (control 1000). The main window fills
// it; every node's data is the item it shows. Of its own it has:
//
// - a context menu on the item under the mouse pointer, whose commands go
//   to the main window's item operations with that node, and whose three
//   "Add item" submenus offer only the classes allowed at that place;
// - moving an item by drag and drop: a drag image, a drop-target
//   highlight, scrolling while the pointer is near the top or bottom edge
//   (faster the nearer), leaving sideways cancels; the drop asks where the
//   item goes (above, below, as child) and moves it with its folder.
//
// Handlers are plain member functions taking client points, so tests drive
// a whole drag without a mouse.

#include "CString.h"

#include <memory>
#include <wx/bitmap.h>
#include <wx/popupwin.h>
#include <wx/timer.h>
#include <wx/treectrl.h>

class CMenuCreatorDlg;
class Item;
class Project;
class wxMenu;

class CMainTreeCtrl : public wxTreeCtrl {
public:
    // The menu's commands.
    enum Command {
        ID_EDIT_ATTRIBUTES = 1006,
        ID_VIEW_PAGE = 1219,
        ID_ADD_ABOVE = 61450,
        ID_ADD_BELOW = 61471,
        ID_ADD_CHILD = 61492,
        ID_EDIT_DIAGRAM = 61513,
        ID_REMOVE = 61527,
        ID_EDIT_HTML = 61528,
        ID_MODIFY = 61529,
        ID_OPEN_DIRECTORY = 61530,
        ID_ADD_SITE_MAP_ABOVE = 61531,
        ID_ADD_SITE_MAP_BELOW = 61532,
        ID_ADD_SITE_MAP_CHILD = 61533,
        ID_CREATE_SHORTCUT = 61534,
    };
    static constexpr int kDragTimer = 1;
    // The id of a command in a menu, whose ids stay below 0x7fff, and back.
    static int menuIdOf(int command) { return command > 0x7fff ? command - 0x8000 : command; }
    static int commandOf(int menuId) { return menuId >= 0x7000 ? menuId + 0x8000 : menuId; }

    CMainTreeCtrl(wxWindow* parent, int id);
    ~CMainTreeCtrl() override;

    void setOwner(CMenuCreatorDlg* owner) { m_owner = owner; }
    void setProject(Project* project) { m_project = project; }
    // Forgets the nodes it keeps (context, highlight, drag) with the nodes.
    void DeleteAllItems() override;
    Item* itemOf(const wxTreeItemId& node) const;

    // The one node drawn as drop target (none: an invalid node); the main
    // window draws the selected node so too, so that it stays marked while
    // the tree has no focus.
    void setDropHighlight(const wxTreeItemId& node);
    wxTreeItemId getDropHighlight() const { return m_dropHighlight; }

    // The menu of the node under the client point, shown there; no menu
    // without a project or without a node there.
    void OnContextMenu(const wxPoint& clientPoint);
    // The menu of the node, which becomes the context node (null without a
    // project or a node). The caller owns the menu.
    wxMenu* buildContextMenu(const wxTreeItemId& node);
    const wxTreeItemId& getContextNode() const { return m_contextNode; }
    // A menu command, sent to the main window with the context node.
    void OnCommand(int id);

    // A drag of the node starts at the client point; false without a node.
    bool OnBeginDrag(const wxTreeItemId& node, const wxPoint& clientPoint);
    // The pointer moves to the client point while dragging.
    void OnDragMove(const wxPoint& clientPoint);
    // The drag timer's tick: scrolls while the pointer is near an edge.
    void OnDragTimer(const wxPoint& clientPoint);
    // The button is released: the drop on the drop target.
    void OnDrop();
    bool isDragging() const { return m_dragging; }
    const wxTreeItemId& getDropTarget() const { return m_dropTarget; }

    // Moves the item next to or under the reference (position 1 above, 0
    // below, 2 child) after the project's checks, a normal item's folder
    // first. A folder that cannot be moved moves nothing; a move of the
    // item that fails then puts the folder back. Whether the item moved.
    static bool moveDroppedItem(Project* project, Item* moved, Item* reference, int position);

private:
    void endDrag();
    void showContextMenu(const wxTreeItemId& node, const wxPoint& clientPoint);

    CMenuCreatorDlg* m_owner = nullptr;
    Project* m_project = nullptr;
    wxTreeItemId m_contextNode;
    wxTreeItemId m_dropHighlight;
    // What follows the pointer while a node is dragged: its icon and text,
    // 15 pixels right of and below the pointer, in a window of its own (the
    // toolkit draws nothing over the screen itself).
    class DragPicture : public wxPopupWindow {
    public:
        DragPicture(wxTreeCtrl& tree, const wxTreeItemId& node);
        void follow(const wxPoint& screenPoint);

    private:
        static constexpr int kMargin = 3;
        wxString m_text;
        wxBitmap m_icon;
    };
    DragPicture* m_dragPicture = nullptr;
    bool m_dragging = false;
    wxTreeItemId m_draggedNode;
    wxTreeItemId m_dropTarget;
    wxTimer m_dragTimer;
    int m_ticks = 0;
};
