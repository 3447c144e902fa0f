#include "CMainTreeCtrl.h"

#include "CMoveMenuItem.h"
#include "DiagramEditorAvailability.h"
#include "ItemClasses.h"
#include "ItemIcons.h"
#include "MenuCreatorDlg.h"
#include "ProcessItem.h"
#include "Project.h"
#include "StringTable.h"
#include "WinTypes.h"
#include "WxText.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/settings.h>

namespace {

// The entries of the three "Add item" submenus, in order: the class tested
// against the child-class rule, the class handed to the add dialog (0: a
// plain item) and the command of the entry in "Add item above"; the other
// two submenus follow at fixed offsets, but for the site map's.
struct AddEntry {
    const char* text;
    int testedKind;
    int classCode;
    int aboveId;
};
const AddEntry kAddEntries[] = {
    {"Add dual item", 1, 0, 61450},
    {"Add role", 2, 2, 61451},
    {"Add activity", 4, 4, 61452},
    {"Add macro-activity", 5, 5, 61453},
    {"Add phase", 6, 6, 61454},
    {"Add work product", 7, 7, 61455},
    {"Add work product state", 8, 8, 61456},
    {"Add workflow", 9, 9, 61457},
    {"Add domain", 22, 22, 61458},
    {"Add discipline", 10, 10, 61459},
    {"Add procedure/guide", 12, 12, 61460},
    {"Add quality criteria", 23, 23, 61461},
    {"Add measure", 19, 19, 61462},
    {"Add glossary", 21, 21, 61463},
    {"Add glossary entry", 20, 20, 61464},
    {"Add work product group", 15, 15, 61465},
    {"Add role group", 16, 16, 61466},
    {"Add procedure/guide group", 13, 13, 61467},
    {"Add template access", 11, 11, 61468},
    {"Add process overview", 14, 14, 61469},
    {"Add work product overview", 17, 17, 61470},
    {"Add site map", 24, 24, CMainTreeCtrl::ID_ADD_SITE_MAP_ABOVE},
};
// The submenus: their texts, the position handed to the add dialog (1
// above, 0 below, 2 child) and the offset of their ids from "above".
struct AddMenu {
    const char* text;
    int position;
    int offset;
    int siteMapId;
};
const AddMenu kAddMenus[] = {
    {"Add item above", 1, 0, CMainTreeCtrl::ID_ADD_SITE_MAP_ABOVE},
    {"Add item below", 0, 21, CMainTreeCtrl::ID_ADD_SITE_MAP_BELOW},
    {"Add child item", 2, 42, CMainTreeCtrl::ID_ADD_SITE_MAP_CHILD},
};

// The command's entry and submenu of "Add item"; false for other commands.
bool findAddCommand(int id, const AddEntry** entry, const AddMenu** menu) {
    for (const AddMenu& submenu : kAddMenus)
        for (const AddEntry& add : kAddEntries) {
            const int entryId = add.classCode == 24 ? submenu.siteMapId : add.aboveId + submenu.offset;
            if (entryId == id) {
                *entry = &add;
                *menu = &submenu;
                return true;
            }
        }
    return false;
}

// Pointers within this distance of the top or bottom edge scroll the tree.
constexpr int kScrollZone = 20;

// The folder of an item as the move compares and passes it: with its
// separator, "\" for "/".
CString backslashed(CString path) {
    path.Replace("/", "\\");
    return path;
}

} // namespace

CMainTreeCtrl::CMainTreeCtrl(wxWindow* parent, int id)
    : wxTreeCtrl(parent, id, wxDefaultPosition, wxSize(260, 200),
                 wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN),
      m_dragTimer(this, kDragTimer) {
    Bind(wxEVT_TREE_ITEM_MENU, [this](wxTreeEvent&) { OnContextMenu(ScreenToClient(wxGetMousePosition())); });
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) { OnCommand(commandOf(event.GetId())); });
    Bind(wxEVT_TREE_BEGIN_DRAG, [this](wxTreeEvent& event) {
        // The tree's own drag stays off: the drag is ours. The drag image
        // holds the mouse for the tree until the drag ends.
        event.Veto();
        OnBeginDrag(event.GetItem(), event.GetPoint());
    });
    Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
        if (m_dragging)
            OnDragMove(event.GetPosition());
        event.Skip(!m_dragging);
    });
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
        event.Skip(!m_dragging);
        if (m_dragging)
            CallAfter([this] { OnDrop(); });
    });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
        if (m_dragging)
            endDrag();
    });
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { OnDragTimer(ScreenToClient(wxGetMousePosition())); },
        kDragTimer);
}

CMainTreeCtrl::~CMainTreeCtrl() {
    m_dragTimer.Stop();
}

void CMainTreeCtrl::DeleteAllItems() {
    if (m_dragging)
        endDrag();
    m_contextNode = m_dropHighlight = m_draggedNode = m_dropTarget = wxTreeItemId();
    wxTreeCtrl::DeleteAllItems();
}

Item* CMainTreeCtrl::itemOf(const wxTreeItemId& node) const {
    auto* data = node.IsOk() ? static_cast<ItemNodeData*>(GetItemData(node)) : nullptr;
    return data ? data->getItem() : nullptr;
}

void CMainTreeCtrl::setDropHighlight(const wxTreeItemId& node) {
    if (m_dropHighlight.IsOk() && m_dropHighlight != node)
        SetItemDropHighlight(m_dropHighlight, false);
    m_dropHighlight = node;
    if (node.IsOk())
        SetItemDropHighlight(node, true);
}

void CMainTreeCtrl::OnContextMenu(const wxPoint& clientPoint) {
    if (!m_project)
        return;
    int flags = 0;
    const wxTreeItemId node = HitTest(clientPoint, flags);
    if (!node.IsOk() || !(flags & wxTREE_HITTEST_ONITEM)) {
        m_contextNode = wxTreeItemId();
        return;
    }
    showContextMenu(node, clientPoint);
}

void CMainTreeCtrl::showContextMenu(const wxTreeItemId& node, const wxPoint& clientPoint) {
    std::unique_ptr<wxMenu> menu(buildContextMenu(node));
    if (menu)
        PopupMenu(menu.get(), clientPoint);
}

wxMenu* CMainTreeCtrl::buildContextMenu(const wxTreeItemId& node) {
    Item* item = m_project ? itemOf(node) : nullptr;
    if (!item) {
        m_contextNode = wxTreeItemId();
        return nullptr;
    }
    m_contextNode = node;
    auto* processItem = dynamic_cast<ProcessItem*>(item);
    auto* menu = new wxMenu;
    menu->Append(ID_VIEW_PAGE, toWx(loadString(33159)));
    menu->AppendSeparator();
    menu->Append(menuIdOf(ID_MODIFY), "Edit name and basic attribute");
    menu->Append(ID_EDIT_ATTRIBUTES, "Edit attributes");
    if (item->hasDiagram()) {
        menu->Append(menuIdOf(ID_EDIT_DIAGRAM), "Edit diagram", kDiagramEditorMissing);
        menu->Enable(menuIdOf(ID_EDIT_DIAGRAM), false);
    }
    if (processItem && processItem->hasHtmlPage())
        menu->Append(menuIdOf(ID_EDIT_HTML), "Edit html page");
    menu->AppendSeparator();
    for (const AddMenu& submenu : kAddMenus) {
        Item* parent = submenu.position == 2 ? item : item->getParent();
        auto* entries = new wxMenu;
        for (const AddEntry& entry : kAddEntries)
            if (isAllowedChildClassOf(entry.testedKind, parent))
                entries->Append(
                    menuIdOf(entry.classCode == 24 ? submenu.siteMapId : entry.aboveId + submenu.offset),
                    entry.text);
        menu->AppendSubMenu(entries, submenu.text);
    }
    menu->AppendSeparator();
    menu->Append(menuIdOf(ID_REMOVE), "Remove item");
    if (item->getKind() != kExternal) {
        menu->AppendSeparator();
        menu->Append(menuIdOf(ID_OPEN_DIRECTORY), "Open directory");
    }
    if (item->getKind() == kDual) {
        menu->AppendSeparator();
        menu->Append(menuIdOf(ID_CREATE_SHORTCUT), "Create shortcut below");
    }
    return menu;
}

void CMainTreeCtrl::OnCommand(int id) {
    if (!m_owner)
        return;
    const wxTreeItemId node = m_contextNode;
    const AddEntry* entry = nullptr;
    const AddMenu* submenu = nullptr;
    switch (id) {
    case ID_VIEW_PAGE:
        m_owner->viewItemPage(node);
        return;
    case ID_MODIFY:
        m_owner->modifyItem(node);
        return;
    case ID_EDIT_ATTRIBUTES:
        m_owner->editItemAttributes(node);
        return;
    case ID_EDIT_DIAGRAM:
        m_owner->editItemDiagram(node);
        return;
    case ID_EDIT_HTML:
        m_owner->editItemHtml(node);
        return;
    case ID_REMOVE:
        m_owner->removeItem(node);
        return;
    case ID_OPEN_DIRECTORY:
        m_owner->openItemDirectory(node);
        return;
    case ID_CREATE_SHORTCUT:
        m_owner->createShortcut(node);
        return;
    default:
        if (findAddCommand(id, &entry, &submenu))
            m_owner->addItem(node, submenu->position, entry->classCode, "");
    }
}

CMainTreeCtrl::DragPicture::DragPicture(wxTreeCtrl& tree, const wxTreeItemId& node)
    : wxPopupWindow(&tree, wxBORDER_SIMPLE), m_text(tree.GetItemText(node)) {
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK));
    SetFont(tree.GetFont());
    if (wxImageList* icons = tree.GetImageList(); icons && tree.GetItemImage(node) >= 0)
        m_icon = icons->GetBitmap(tree.GetItemImage(node));
    const wxSize text = GetTextExtent(m_text);
    const int iconWidth = m_icon.IsOk() ? m_icon.GetWidth() + kMargin : 0;
    const int iconHeight = m_icon.IsOk() ? m_icon.GetHeight() : 0;
    SetClientSize(kMargin + iconWidth + text.x + kMargin, std::max(text.y, iconHeight) + 2 * kMargin);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxPaintDC dc(this);
        const wxSize size = GetClientSize();
        int x = kMargin;
        if (m_icon.IsOk()) {
            dc.DrawBitmap(m_icon, x, (size.y - m_icon.GetHeight()) / 2, true);
            x += m_icon.GetWidth() + kMargin;
        }
        dc.SetFont(GetFont());
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT));
        dc.DrawText(m_text, x, (size.y - dc.GetCharHeight()) / 2);
    });
}

void CMainTreeCtrl::DragPicture::follow(const wxPoint& screenPoint) {
    Move(screenPoint + wxPoint(15, 15));
    if (!IsShown())
        Show();
}

bool CMainTreeCtrl::OnBeginDrag(const wxTreeItemId& node, const wxPoint& clientPoint) {
    m_dropTarget = wxTreeItemId();
    m_draggedNode = node;
    if (!node.IsOk())
        return false;
    m_dragPicture = new DragPicture(*this, node);
    m_dragging = true;
    m_dragPicture->follow(ClientToScreen(clientPoint));
    // The tree holds the mouse once, until the drag ends.
    if (!HasCapture())
        CaptureMouse();
    m_dragTimer.Start(20);
    return true;
}

void CMainTreeCtrl::OnDragMove(const wxPoint& clientPoint) {
    if (!m_dragging)
        return;
    m_dragPicture->follow(ClientToScreen(clientPoint));
    int flags = 0;
    const wxTreeItemId node = HitTest(clientPoint, flags);
    if (node.IsOk() && (flags & wxTREE_HITTEST_ONITEM)) {
        setDropHighlight(node);
        m_dropTarget = node;
        Update();
    }
    // Leaving sideways gives the drag up; above and below the tree scrolls.
    if (clientPoint.x < 0 || clientPoint.x > GetClientSize().x)
        endDrag();
}

void CMainTreeCtrl::OnDragTimer(const wxPoint& clientPoint) {
    if (!m_dragging)
        return;
    ++m_ticks;
    m_dragPicture->follow(ClientToScreen(clientPoint));
    const wxTreeItemId firstVisible = GetFirstVisibleItem();
    const int height = GetClientSize().y;
    // The nearer the edge, the more often: every sixth tick at the inner
    // side of the zone, every tick at the edge and beyond.
    auto due = [this](int depth) {
        const int step = std::max(6 - depth / 4, 1);
        return m_ticks % step == 0;
    };
    if (!firstVisible.IsOk())
        return;
    if (clientPoint.y < kScrollZone) {
        if (!due(kScrollZone - clientPoint.y))
            return;
        const wxTreeItemId above = GetPrevVisible(firstVisible);
        if (above.IsOk())
            ScrollTo(above);
        setDropHighlight(firstVisible);
        m_dropTarget = firstVisible;
        Update();
    } else if (clientPoint.y > height - kScrollZone) {
        if (!due(clientPoint.y - (height - kScrollZone)))
            return;
        // The last node shown before the scroll, and the one after it.
        wxTreeItemId last = firstVisible;
        for (wxTreeItemId next = GetNextVisible(last); next.IsOk() && IsVisible(next);
             next = GetNextVisible(next))
            last = next;
        const wxTreeItemId below = GetNextVisible(last);
        if (below.IsOk())
            EnsureVisible(below);
        m_dropTarget = below.IsOk() ? below : wxTreeItemId();
        setDropHighlight(m_dropTarget);
        Update();
    }
}

void CMainTreeCtrl::endDrag() {
    m_dragTimer.Stop();
    m_dragging = false;
    if (m_dragPicture) {
        m_dragPicture->Destroy();
        m_dragPicture = nullptr;
    }
    if (HasCapture())
        ReleaseMouse();
    setDropHighlight(wxTreeItemId());
}

void CMainTreeCtrl::OnDrop() {
    if (!m_dragging)
        return;
    endDrag();
    Item* moved = itemOf(m_draggedNode);
    Item* reference = itemOf(m_dropTarget);
    if (!moved || !reference || m_dropTarget == m_draggedNode)
        return;
    CMoveMenuItem dialog(moved->getKind() == kDual, this);
    dialog.m_moveName = moved->getName();
    dialog.m_referenceName = reference->getName();
    if (dialog.DoModal() == IDOK)
        moveDroppedItem(m_project, moved, reference, dialog.m_position);
    SetFocus();
}

bool CMainTreeCtrl::moveDroppedItem(Project* project, Item* moved, Item* reference, int position) {
    if (!project || !project->canMoveItem(moved, reference, position))
        return false;
    CString oldFolder;
    CString newFolder;
    if (moved->getKind() == kDual) {
        oldFolder = backslashed(moved->getFolder(1, 0));
        const CString fileName = toFileName(moved->getName(), 1);
        if (position == 2)
            newFolder = reference->getFolder(1, 0) + fileName + "/";
        else if (Item* parent = reference->getParent())
            newFolder = parent->getFolder(1, 0) + fileName + "/";
        else
            newFolder = "../" + siteFolderName() + "/" + fileName + "/";
        newFolder = backslashed(newFolder);
    }
    // The folder goes first, so that the moved item's new pages are there;
    // when it cannot, the item stays where it is with its folder.
    const bool folderMoves = oldFolder != newFolder;
    if (folderMoves && !project->moveSiteFile(oldFolder, newFolder))
        return false;
    if (project->moveItem(reference, moved, position, nullptr))
        return true;
    if (folderMoves)
        project->moveSiteFile(newFolder, oldFolder);
    return false;
}
