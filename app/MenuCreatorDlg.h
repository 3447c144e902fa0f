#pragma once

// The main window: the item tree of the open project and the buttons of the
// item, project and site commands. The program lives as long as this modal
// dialog. Controls carry the original's control ids, so that enabling rules
// and tests name them by number.
//
// Start-up opens the project named on the command line, or the project
// around the program folder when its "administrator.ini" says so; the first
// link refresh then runs on a timer once the window is up.

#include "CMainTreeCtrl.h"
#include "CString.h"
#include "ItemIcons.h"
#include "MainWindow.h"

#include <functional>
#include <memory>
#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/treebase.h>

class Item;
class ItemListePlus;
class ProcessManager;
class wxEventLoopBase;
class wxGauge;

class CMenuCreatorDlg : public wxDialog, public MainWindow {
public:
    // The control ids of the window.
    enum ControlId {
        IDC_EXIT = 1,
        IDC_ADMIN = 16,
        IDC_TREE = 1000,
        IDC_VIEW_PAGE = 1004,
        IDC_EDIT_ATTRIBUTES = 1006,
        IDC_EDIT_DIAGRAM = 1008,
        IDC_ADD_ITEM = 1010,
        IDC_REMOVE_ITEM = 1011,
        IDC_MODIFY_ITEM = 1012,
        IDC_SEARCH_FIRST = 1016,
        IDC_SEARCH_NEXT = 1017,
        IDC_EXPAND_ALL = 1018,
        IDC_COLLAPSE_ALL = 1019,
        IDC_TOOLS = 1067,
        IDC_UPDATE_TREE = 1068,
        IDC_OPEN_DIRECTORY = 1069,
        IDC_PARAMETERS = 1070,
        IDC_EXPORT = 1073,
        IDC_MAKER_LINK = 1076,
        IDC_USER_MANUAL = 1151,
        IDC_VIEW_WEBSITE = 1152,
        IDC_SEARCH_TEXT = 1161,
        IDC_SELECTED_NAME = 1162,
        IDC_SELECTED_UID = 1163,
        IDC_SELECTED_CLASS = 1164,
        IDC_SELECTED_NAME_L2 = 1165,
        IDC_PROGRESS = 1188,
        IDC_SEARCH_UID = 1205,
        IDC_SEARCH_NAME_L1 = 1206,
        IDC_SEARCH_NAME_L2 = 1207,
        IDC_WORD = 1208,
        IDC_WORD_SEARCH = 1209,
        IDC_NEW = 1215,
        IDC_OPEN = 1216,
        IDC_OPEN_LAST = 1217,
        IDC_EDIT_HTML = 1219,
        IDC_EDIT_BANNER = 1391,
        IDC_IMPORT = 1392,
        IDC_SITE_GENERATION = 1400,
        IDC_DOC_GENERATION = 1401,
    };
    static constexpr int kLinkRefreshTimer = 109;
    static constexpr int kRepaintTimer = 61536;
    // Waits, in steps of kTipWaitStep milliseconds, for the window to be on
    // the screen before the tip of the day comes over it.
    static constexpr int kTipTimer = 110;
    static constexpr int kTipWaitStep = 20;
    static constexpr int kTipWaitLimit = 250;
    // The fields whose focus the pointer gives back: the tree, the search
    // edits and the selected item's name, uid and class.
    static constexpr int kFocusKeepingIds[] = {IDC_TREE,          IDC_SEARCH_TEXT,  IDC_WORD,
                                               IDC_SELECTED_NAME, IDC_SELECTED_UID, IDC_SELECTED_CLASS};

    // projectPath: the settings file named on the command line, or empty.
    CMenuCreatorDlg(const CString& projectPath, wxWindow* parent);
    ~CMenuCreatorDlg() override;

    // The window's start-up: tooltips, title, the start-up project, the
    // default button, the timers. Called by ShowModal, or by tests.
    bool OnInitDialog();
    // Runs the window until the program ends (Exit, the close box): the
    // start-up first, then the tip of the day over the shown window.
    int DoModal();

    // What the project asks of the main window.
    void loadIconImages(const CString& projectFolder) override;
    void disableProjectButtons() override;
    void rebuildTree(ItemListePlus* list) override;
    void setWindowTitle(const CString& title) override;
    // The add-item dialog at the anchor item, for the diagram editor's
    // "Create" of an activity box.
    Item* addItem(Item* anchor, int position, int classCode, const CString& name) override;
    void enableProjectButtons();

    // The ends of the program: Exit, the window's close box. Each rewrites
    // the open project's site frames once, then ends the dialog.
    void OnOK();
    void OnClose();
    // Escape: the window stays open.
    void OnCancel() {}
    // The pointer moved over the window itself: the search edits, the
    // selected item's fields and the tree, when they have the focus, are
    // remembered (also whenever they get it); when another control has it
    // (a button clicked), the remembered one gets it back.
    void OnMouseMove();
    void OnTimer(int id);
    // The tip of the day, at start-up.
    void showTipOfTheDay();
    // Whether the window is mapped on the display (by the window manager,
    // when there is one).
    bool isOnScreen() const;
    // "Admin": the dialog of the program's version.
    void OnAdmin();
    // F1 and the help command: the user manual in the browser.
    void OnHelp();
    // The project and site commands of the window.
    // New, Open, Open Last: the project replaced by a new one, one chosen,
    // or the last one created or opened.
    void OnNew();
    void OnOpen();
    void OnOpenLast();
    void OnSiteGeneration();
    // The one-page document of the process, for the workflow or the
    // discipline chosen, in each language of the project.
    void OnDocGeneration();
    void OnUpdateTree();
    // The selected item's subtree exported into "tmp", and a subtree
    // exported earlier imported back.
    void OnExport();
    void OnImport();
    // The report of every occurrence of the word of 1208.
    void OnSearch();
    void OnUserManual();
    // "Parameters": the sheet of the project's options, written at OK.
    void OnParameters();
    // "Tools": the site tools, and in process mode the process tools, on
    // the item selected when the sheet opens.
    void OnTools();
    void OnViewWebsite();
    // The item commands on the tree's selected node; without one, 33022
    // (add, remove, modify) or 33023 (open directory), or nothing.
    void OnAddItem();
    void OnRemoveItem();
    void OnModifyItem();
    void OnViewPage();
    void OnEditHtml();
    void OnEditAttributes();
    void OnEditDiagram();
    void OnOpenDirectory();
    // Every node expanded, or collapsed.
    void OnExpandAll();
    void OnCollapseAll();
    // The search of an item by the text of 1161: by its name in the first
    // or second language (case ignored, a part of the name is enough) or by
    // its uid, as the radio buttons say. "First" starts from the top of the
    // tree, "Next" goes on after the last hit (or starts over when the text
    // changed). A hit is selected and marked.
    void OnSearchFirst();
    void OnSearchNext();
    // The radio buttons: a uid has no next hit, so "Next" is disabled.
    void OnSearchByUid();
    void OnSearchByName();
    // The selection changed: the selected item's names, uid and class, and
    // the buttons that depend on it.
    void OnSelchangedTree();

    // The item commands on a node of the tree (an invalid node is none).
    // position: 1 above the node's item, 0 below, 2 as its last child, 3
    // from "Add item" (below); classCode: the class to preselect, 0 for
    // none. The new item, or null when nothing was added.
    Item* addItem(const wxTreeItemId& node, int position, int classCode, const CString& name);
    // Removes the item, and then moves a dual item's folder aside: only once
    // the item has left the tree, so that a refused removal keeps its pages.
    void removeItem(const wxTreeItemId& node);
    void modifyItem(const wxTreeItemId& node);
    // The item's page in the page editor, to edit it or only to view it; a
    // shortcut's target's page; in a project of two languages the language
    // is asked first. Viewing an external item opens its address in the
    // browser.
    void editItemHtml(const wxTreeItemId& node);
    void viewItemPage(const wxTreeItemId& node);
    // The diagram editor is not part of this version: says so.
    void editItemDiagram(const wxTreeItemId& node);
    void openItemDirectory(const wxTreeItemId& node);
    void createShortcut(const wxTreeItemId& node);
    // The property sheet of the item's class (a shortcut's target's).
    void editItemAttributes(const wxTreeItemId& node);

    // The tooltip of a control; empty for controls without one.
    static CString getToolTipText(int controlId);
    // The path of the program folder's administrator settings file.
    static CString getAdministratorSettingsPath();

    ProcessManager* getProject() const { return m_project.get(); }
    CMainTreeCtrl* getTree() const { return m_tree; }
    Item* getLastSearchHit() const { return m_lastSearchHit; }
    const ItemIconSet& getIcons() const { return m_icons; }
    const CString& getCommandLinePath() const { return m_commandLinePath; }
    wxTimer& getTimer(int id) { return id == kLinkRefreshTimer ? m_linkRefreshTimer : m_repaintTimer; }

private:
    void buildControls();
    void openStartupProject(const CString& settingsPath, int adminLayout);
    // Rewrites the site frames of the open project, ends the dialog.
    void endProgram();
    // Clears the running mark; ends the program if it was asked to meanwhile.
    void endRun();
    // A project command under the wait cursor, never inside another one;
    // the focus then returns to the tree.
    void runOnProject(const std::function<void(ProcessManager&)>& work);
    // The open project's site frames and tree pages rewritten from its menu
    // tree, as the project is closed (the program ends, another is opened).
    void publishTree();
    // Closes the open project and opens the settings file; whether it
    // opened. A path that names no project is told, and the open project
    // stays.
    bool replaceProject(const CString& settingsPath);
    Item* itemOf(const wxTreeItemId& node) const;
    // Whether the window is one whose focus the pointer gives back.
    bool keepsFocus(const wxWindow* window) const;
    void giveFocusBack();
    // The page editor on the node's item (its target for a shortcut).
    void runPageEditor(const wxTreeItemId& node, bool viewOnly);
    // Expands, or collapses, every node.
    void expandAll(bool expand);
    // One search step from the search position; shows the hit or 33038.
    void search(const CString& text);
    // The selected node when it shows an item; an invalid node otherwise.
    wxTreeItemId selectedItemNode() const;
    // The selected item's names, uid and class, its highlight, and the
    // commands that depend on it.
    void showSelection();

    CString m_commandLinePath;
    std::unique_ptr<ProcessManager> m_project;
    CMainTreeCtrl* m_tree = nullptr;
    wxGauge* m_progress = nullptr;
    ItemIconSet m_icons;
    // The running position of the name search, the text of the last
    // "First" and its last hit (forgotten by every rebuild).
    int m_searchPosition = 0;
    CString m_lastSearchText;
    Item* m_lastSearchHit = nullptr;
    wxTimer m_linkRefreshTimer;
    wxTimer m_repaintTimer;
    wxTimer m_tipTimer;
    int m_tipWaits = 0;
    // The last of the search edits, the selected item's fields and the
    // tree that had the focus.
    wxWindow* m_rememberedFocus = nullptr;
    // The loop the program runs in while DoModal runs.
    wxEventLoopBase* m_loop = nullptr;
    bool m_initialised = false;
    bool m_ending = false;
    // A command or the deferred refresh is running.
    bool m_running = false;
    // The window was asked to close while a command ran.
    bool m_closeAsked = false;
};
