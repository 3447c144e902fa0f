#include "MenuCreatorDlg.h"

#include "AppProfile.h"
#include "AttributeSheets.h"
#include "CAddMenuItem.h"
#include "CAdministratorAbout.h"
#include "CBitmapButtonAutoFocus.h"
#include "CChangeMenuItem.h"
#include "CCustomStatic.h"
#include "CHyperlinkStatic.h"
#include "CMainTreeCtrl.h"
#include "CRemoveMenuItem.h"
#include "CXHTMLTipOfTheDayDlg.h"
#include "ControlValues.h"
#include "DiagramEditorAvailability.h"
#include "ExtendedPictureHolder.h"
#include "FileSystem.h"
#include "Item.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ItemPageEditing.h"
#include "LanguageSelection.h"
#include "MainButtonBitmaps.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProgramResource.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "TolvaneApp.h"
#include "UserInterface.h"
#include "WxText.h"

#include <gtk/gtk.h>
#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/gauge.h>
#include <wx/icon.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include <algorithm>
#include <unordered_set>

namespace {

// The buttons enabled once a project has loaded, in the order they are
// enabled. "Edit banner" (1391) would open the diagram editor, which this
// version does not have: it stays disabled, as "Edit Diagram" (1008).
const int kProjectButtons[] = {1010, 1011, 1012, 1219, 1004, 1006, 1016, 1017, 1400, 1401,
                               1070, 1067, 1069, 1068, 1018, 1019, 1209, 1073, 1392, 1152};
// The buttons disabled when the project's tree file is missing; the others stay as they are.
const int kDisabledWithoutTree[] = {1010, 1011, 1012, 1068, 1219, 1004, 1006,
                                    1070, 1067, 1400, 1401, 1016, 1017};
// The controls the window starts with disabled, until a project loads.
const int kStartDisabled[] = {1010, 1011, 1012, 1004, 1219, 1006, 1008, 1069, 1018, 1019, 1016,
                              1017, 1400, 1401, 1070, 1067, 1068, 1391, 1073, 1392, 1209, 1152};

struct ToolTip {
    int controlId;
    int stringId;
};
const ToolTip kToolTips[] = {
    {1, 33133},    {1215, 33174}, {1216, 33175}, {1217, 33176}, {1010, 33107}, {1011, 33108}, {1012, 33109},
    {1004, 33159}, {1219, 33112}, {1006, 33113}, {1008, 33114}, {1069, 33123}, {1018, 33125}, {1019, 33126},
    {1161, 33129}, {1016, 33127}, {1017, 33128}, {1206, 33130}, {1207, 33131}, {1205, 33132}, {1162, 33118},
    {1163, 33119}, {1164, 33120}, {1400, 33110}, {1401, 33111}, {1070, 33121}, {1067, 33122}, {1068, 33124},
    {1391, 33178}, {1073, 33179}, {1392, 33180}, {1209, 33181},
};
// The Admin button's tooltip is ours to choose.
const char* const kAdminToolTip = "Administration of the program and information about it";

// Uids match whatever their case.
CString upperUid(const Item* item) {
    CString uid = item->getUid();
    uid.MakeUpper();
    return uid;
}

// The captions of the picture buttons.
struct MainButton {
    int id;
    const char* caption;
};
const MainButton kMainButtons[] = {
    {1, "Exit"},
    {16, "Admin"},
    {1215, "New"},
    {1216, "Open"},
    {1217, "Open Last"},
    {1010, "Add item"},
    {1011, "Remove item"},
    {1012, "Modify item"},
    {1004, "View page"},
    {1219, "Edit Html"},
    {1006, "Edit Attributes"},
    {1008, "Edit Diagram"},
    {1069, "Open directory"},
    {1018, "Expand all"},
    {1019, "Collapse all"},
    {1068, "Update tree "},
    {1016, "First"},
    {1017, "Next"},
    {1400, "Site generation"},
    {1401, "Doc generation"},
    {1391, "Edit banner"},
    {1152, "View website"},
    {1070, "Parameters"},
    {1067, "Tools"},
    {1073, "Export"},
    {1392, "Import"},
    {1209, "Search"},
    {1151, "User manual"},
};

const char* captionOf(int id) {
    for (const MainButton& button : kMainButtons)
        if (button.id == id)
            return button.caption;
    return "";
}

// The least size of the window, in pixels, when its controls need no more.
const wxSize kMinimumSize(720, 570);

} // namespace

CMenuCreatorDlg::CMenuCreatorDlg(const CString& projectPath, wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxMAXIMIZE_BOX | wxMINIMIZE_BOX),
      m_commandLinePath(projectPath), m_linkRefreshTimer(this, kLinkRefreshTimer),
      m_repaintTimer(this, kRepaintTimer), m_tipTimer(this, kTipTimer) {
    buildControls();
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, IDC_EXIT);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnNew(); }, IDC_NEW);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOpen(); }, IDC_OPEN);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOpenLast(); }, IDC_OPEN_LAST);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnSiteGeneration(); }, IDC_SITE_GENERATION);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnDocGeneration(); }, IDC_DOC_GENERATION);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnUpdateTree(); }, IDC_UPDATE_TREE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnExport(); }, IDC_EXPORT);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnImport(); }, IDC_IMPORT);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnSearch(); }, IDC_WORD_SEARCH);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnUserManual(); }, IDC_USER_MANUAL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnParameters(); }, IDC_PARAMETERS);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnTools(); }, IDC_TOOLS);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnViewWebsite(); }, IDC_VIEW_WEBSITE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnAddItem(); }, IDC_ADD_ITEM);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnRemoveItem(); }, IDC_REMOVE_ITEM);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnModifyItem(); }, IDC_MODIFY_ITEM);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnViewPage(); }, IDC_VIEW_PAGE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnEditHtml(); }, IDC_EDIT_HTML);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnEditAttributes(); }, IDC_EDIT_ATTRIBUTES);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnEditDiagram(); }, IDC_EDIT_DIAGRAM);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOpenDirectory(); }, IDC_OPEN_DIRECTORY);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnExpandAll(); }, IDC_EXPAND_ALL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCollapseAll(); }, IDC_COLLAPSE_ALL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnSearchFirst(); }, IDC_SEARCH_FIRST);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnSearchNext(); }, IDC_SEARCH_NEXT);
    Bind(
        wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnSearchByUid(); }, IDC_SEARCH_UID);
    Bind(
        wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnSearchByName(); }, IDC_SEARCH_NAME_L1);
    Bind(
        wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnSearchByName(); }, IDC_SEARCH_NAME_L2);
    Bind(
        wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent&) { OnSelchangedTree(); }, IDC_TREE);
    Bind(
        wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent&) { editItemAttributes(m_tree->GetSelection()); },
        IDC_TREE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnAdmin(); }, IDC_ADMIN);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnClose(); });
    // The pointer over the window itself or over a group's caption and
    // background (not over a control): the focus goes back to the field the
    // user was typing in.
    const auto pointerOnWindow = [this](wxMouseEvent& event) {
        OnMouseMove();
        event.Skip();
    };
    Bind(wxEVT_MOTION, pointerOnWindow);
    for (wxWindow* child : GetChildren())
        if (dynamic_cast<CCustomStatic*>(child))
            child->Bind(wxEVT_MOTION, pointerOnWindow);
    // Those fields are remembered as soon as they get the focus, also from
    // the keyboard or a click reached without crossing the window.
    for (int id : kFocusKeepingIds)
        FindWindow(id)->Bind(wxEVT_SET_FOCUS, [this, id](wxFocusEvent& event) {
            m_rememberedFocus = FindWindow(id);
            event.Skip();
        });
    Bind(wxEVT_TIMER, [this](wxTimerEvent& event) { OnTimer(event.GetId()); });
    Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { OnHelp(); }, wxID_HELP);
    wxAcceleratorEntry help(wxACCEL_NORMAL, WXK_F1, wxID_HELP);
    SetAcceleratorTable(wxAcceleratorTable(1, &help));
    // Escape leaves the window open.
    SetEscapeId(wxID_NONE);
    // To the window manager this is the program's main window, not a
    // dialog: a dialog without an owner counts as one of every window of
    // the program and is kept above them all, the tip of the day included.
    gtk_window_set_type_hint(GTK_WINDOW(GetHandle()), GDK_WINDOW_TYPE_HINT_NORMAL);
    // The window's icon: the workflow picture of the program's data.
    if (const wxBitmap picture = programIcon(16); picture.IsOk()) {
        wxIcon windowIcon;
        windowIcon.CopyFromBitmap(picture);
        SetIcon(windowIcon);
    }
}

CMenuCreatorDlg::~CMenuCreatorDlg() {
    m_linkRefreshTimer.Stop();
    m_repaintTimer.Stop();
    m_tipTimer.Stop();
    if (m_tree)
        m_tree->DeleteAllItems();
    m_project.reset();
}

void CMenuCreatorDlg::buildControls() {
    // Every picture button has one size: the longest caption beside the
    // icon band, so that the rows line up.
    wxSize face(0, 0);
    for (const MainButton& button : kMainButtons) {
        const wxSize text = GetTextExtent(button.caption);
        face.x = std::max(face.x, text.x + CBitmapButtonAutoFocus::kIconBand + 18);
        face.y = std::max(face.y, text.y + 12);
    }
    face.y = std::max(face.y, 24);
    auto button = [face](wxWindow* parent, int id) {
        auto* picture = new CBitmapButtonAutoFocus(parent, id, captionOf(id));
        const MainButtonBitmaps::Set faces = MainButtonBitmaps::forButton(id, face);
        picture->LoadBitmaps(faces.normal, faces.selected, faces.focus);
        picture->setIconOffset(MainButtonBitmaps::hasIcon(id) ? 1 : 0);
        return picture;
    };
    // Buttons side by side, in rows of the given number, so that the window
    // with both columns of commands fits a screen of 768 pixels in height.
    auto buttons = [&button](wxWindow* parent, int columns, std::initializer_list<int> ids) -> wxSizer* {
        auto* grid = new wxGridSizer(columns, 0, 0);
        for (int id : ids)
            grid->Add(button(parent, id), 0, wxALL, 2);
        // The buttons keep their size, centred in a group wider than they need.
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->AddStretchSpacer();
        row->Add(grid);
        row->AddStretchSpacer();
        return row;
    };
    // The group's content is made once its label exists: the label is the
    // controls' parent.
    auto buttonGroup = [&](int id, const char* caption, int columns, std::initializer_list<int> ids,
                           wxSizer* into) {
        auto* label = new CCustomStatic(this, id, caption);
        label->setContent(buttons(label, columns, ids));
        into->Add(label, 0, wxEXPAND | wxALL, 3);
        return label;
    };

    auto* commands = new wxBoxSizer(wxVERTICAL);
    buttonGroup(1122, "Project", 3, {IDC_NEW, IDC_OPEN, IDC_OPEN_LAST}, commands);
    buttonGroup(1390, "Item management", 2,
                {IDC_ADD_ITEM, IDC_REMOVE_ITEM, IDC_MODIFY_ITEM, IDC_VIEW_PAGE, IDC_EDIT_HTML,
                 IDC_EDIT_ATTRIBUTES, IDC_EDIT_DIAGRAM, IDC_OPEN_DIRECTORY},
                commands);
    buttonGroup(1064, "Tree", 2, {IDC_EXPAND_ALL, IDC_COLLAPSE_ALL, IDC_UPDATE_TREE}, commands);

    auto* searchLabel = new CCustomStatic(this, 1065, "Item search");
    auto* search = new wxBoxSizer(wxVERTICAL);
    search->Add(new wxTextCtrl(searchLabel, IDC_SEARCH_TEXT), 0, wxEXPAND | wxALL, 2);
    search->Add(buttons(searchLabel, 2, {IDC_SEARCH_FIRST, IDC_SEARCH_NEXT}), 0, wxEXPAND);
    auto* radios = new wxBoxSizer(wxHORIZONTAL);
    radios->Add(new wxRadioButton(searchLabel, IDC_SEARCH_NAME_L1, "Name L1", wxDefaultPosition,
                                  wxDefaultSize, wxRB_GROUP));
    radios->Add(new wxRadioButton(searchLabel, IDC_SEARCH_NAME_L2, "Name L2"), 0, wxLEFT, 4);
    radios->Add(new wxRadioButton(searchLabel, IDC_SEARCH_UID, "UID"), 0, wxLEFT, 4);
    search->Add(radios, 0, wxALL, 2);
    searchLabel->setContent(search);
    commands->Add(searchLabel, 0, wxEXPAND | wxALL, 3);

    auto* right = new wxBoxSizer(wxVERTICAL);
    buttonGroup(1393, "Generation", 2,
                {IDC_SITE_GENERATION, IDC_DOC_GENERATION, IDC_EDIT_BANNER, IDC_VIEW_WEBSITE}, right);
    buttonGroup(1120, "Option and Tools", 2, {IDC_PARAMETERS, IDC_TOOLS, IDC_EXPORT, IDC_IMPORT}, right);
    auto* wordsLabel = new CCustomStatic(this, 1072, "Word search");
    auto* wordRow = new wxBoxSizer(wxHORIZONTAL);
    wordRow->Add(new wxTextCtrl(wordsLabel, IDC_WORD), 1, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    wordRow->Add(button(wordsLabel, IDC_WORD_SEARCH), 0, wxALL, 2);
    wordsLabel->setContent(wordRow);
    right->Add(wordsLabel, 0, wxEXPAND | wxALL, 3);
    auto* programLabel = new CCustomStatic(this, 1066, "");
    auto* program = new wxBoxSizer(wxVERTICAL);
    program->Add(buttons(programLabel, 2, {IDC_USER_MANUAL, IDC_ADMIN, IDC_EXIT}), 0, wxEXPAND);
    auto* makerLink = new CHyperlinkStatic(programLabel, IDC_MAKER_LINK, CAdministratorAbout::kMakerSite);
    makerLink->setUrl(CAdministratorAbout::kMakerAddress);
    program->Add(makerLink, 0, wxALL, 2);
    programLabel->setContent(program);
    right->Add(programLabel, 0, wxEXPAND | wxALL, 3);

    // The tree, and below it the item selected in it.
    m_tree = new CMainTreeCtrl(this, IDC_TREE);
    m_tree->setOwner(this);
    auto* treeColumn = new wxBoxSizer(wxVERTICAL);
    treeColumn->Add(m_tree, 1, wxEXPAND | wxALL, 3);
    auto* selectedLabel = new CCustomStatic(this, 1071, "Selected item");
    auto* fields = new wxFlexGridSizer(2, 2, 4);
    fields->AddGrowableCol(1);
    for (const auto& [id, label] :
         std::initializer_list<std::pair<int, const char*>>{{IDC_SELECTED_NAME, "Name L1"},
                                                            {IDC_SELECTED_NAME_L2, "Name L2"},
                                                            {IDC_SELECTED_UID, "UID"},
                                                            {IDC_SELECTED_CLASS, "Class"}}) {
        fields->Add(new wxStaticText(selectedLabel, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
        fields->Add(new wxTextCtrl(selectedLabel, id, "", wxDefaultPosition, wxDefaultSize, wxTE_READONLY), 1,
                    wxEXPAND);
    }
    auto* selected = new wxBoxSizer(wxVERTICAL);
    selected->Add(fields, 0, wxEXPAND | wxALL, 2);
    selectedLabel->setContent(selected);
    treeColumn->Add(selectedLabel, 0, wxEXPAND | wxALL, 3);

    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(commands, 0, wxEXPAND);
    columns->Add(right, 0, wxEXPAND);
    columns->Add(treeColumn, 1, wxEXPAND);
    auto* window = new wxBoxSizer(wxVERTICAL);
    window->Add(columns, 1, wxEXPAND);
    m_progress = new wxGauge(this, IDC_PROGRESS, 100);
    window->Add(m_progress, 0, wxEXPAND | wxALL, 3);
    SetSizer(window);
    // The window is never made smaller than its controls need, nor than the
    // size the program has always had as its least.
    const wxSize least = window->ComputeFittingWindowSize(this);
    SetMinSize(wxSize(std::max(least.x, kMinimumSize.x), std::max(least.y, kMinimumSize.y)));
    Fit();

    for (int id : kStartDisabled)
        FindWindow(id)->Disable();
    disableDiagramCommand(FindWindow(IDC_EDIT_DIAGRAM));
    disableDiagramCommand(FindWindow(IDC_EDIT_BANNER));
}

CString CMenuCreatorDlg::getToolTipText(int controlId) {
    if (controlId == IDC_ADMIN)
        return kAdminToolTip;
    for (const ToolTip& tip : kToolTips)
        if (tip.controlId == controlId)
            return loadString(tip.stringId);
    return CString();
}

CString CMenuCreatorDlg::getAdministratorSettingsPath() {
    return getApplicationFolder() + "/administrator.ini";
}

bool CMenuCreatorDlg::OnInitDialog() {
    if (m_initialised)
        return true;
    m_initialised = true;
    for (const ToolTip& tip : kToolTips)
        if (wxWindow* control = FindWindow(tip.controlId); control && !control->GetToolTip())
            control->SetToolTip(toWx(loadString(tip.stringId)));
    FindWindow(IDC_ADMIN)->SetToolTip(kAdminToolTip);
    static_cast<wxRadioButton*>(FindWindow(IDC_SEARCH_NAME_L1))->SetValue(true);
    FindWindow(IDC_EDIT_HTML)->Disable();
    setWindowTitle(loadString(61448) + " - " + loadString(61449));

    if (!m_commandLinePath.IsEmpty()) {
        openStartupProject(m_commandLinePath, 0);
    } else {
        const CString administrator = getAdministratorSettingsPath();
        char value[1000] = "";
        GetPrivateProfileStringA("APPLICATION_KIND", "Tolvane", "", value, sizeof value, administrator);
        if (CString(value) == "yes")
            openStartupProject(administrator, 1);
    }
    // Enter opens Admin, never Exit.
    if (auto* admin = dynamic_cast<CBitmapButtonAutoFocus*>(FindWindow(IDC_ADMIN)))
        admin->SetDefault();
    Maximize(true);
    // The tips file is written at every start; the tip of the day follows
    // once the window runs (DoModal).
    writeResourceToFile(kTipsResourceId, kTipsResourceType, "Tips.tip", getApplicationFolder(), TRUE);
    return true;
}

bool CMenuCreatorDlg::isOnScreen() const {
    GdkWindow* window = gtk_widget_get_window(GetHandle());
    return window && !(gdk_window_get_state(window) & GDK_WINDOW_STATE_WITHDRAWN);
}

void CMenuCreatorDlg::showTipOfTheDay() {
    // Switched off in the profile, it closes without showing. It comes
    // centred on the screen the window is maximised on: the window may not
    // have taken its maximised place yet.
    CXHTMLTipOfTheDayDlg tips("Tips.tip", this);
    const int screen = wxDisplay::GetFromWindow(this);
    const wxRect area = wxDisplay(screen == wxNOT_FOUND ? 0u : static_cast<unsigned>(screen)).GetClientArea();
    tips.SetPosition(area.GetPosition() + (area.GetSize() - tips.GetSize()) / 2);
    tips.DoModal();
    m_repaintTimer.StartOnce(250);
}

void CMenuCreatorDlg::OnAdmin() {
    CAdministratorAbout dialog(m_project.get(), this);
    dialog.DoModal();
    m_tree->SetFocus();
}

void CMenuCreatorDlg::openStartupProject(const CString& settingsPath, int adminLayout) {
    // A path that names no project (a mistyped name, a folder, a file without
    // its tree) is said once, and the window goes on without a project:
    // nothing is created beside it and it is not remembered as the last one.
    const CString problem = Project::checkProjectFiles(settingsPath, adminLayout);
    if (!problem.IsEmpty()) {
        ui::AfxMessageBox(problem, MB_OK | MB_ICONSTOP);
        return;
    }
    m_project = std::make_unique<ProcessManager>(settingsPath, this, 1, adminLayout);
    m_tree->setProject(m_project.get());
    m_project->loadMenuTree(this, 1);
    m_linkRefreshTimer.StartOnce(200);
    if (m_project->isTreeLoaded()) {
        enableProjectButtons();
        if (!adminLayout)
            AppProfile::WriteProfileString("File", "Last", settingsPath);
    }
}

int CMenuCreatorDlg::DoModal() {
    OnInitDialog();
    // Asked to close while the project opened, before the window ran.
    if (m_ending)
        return IDOK;
    // The program's window is shown as a window of its own, not as a modal
    // one: a window manager keeps a modal window without an owner above
    // every window of the program, the tip of the day and the dialogs
    // included. The program lives as long as this loop runs.
    Show();
    wxGUIEventLoop loop;
    m_loop = &loop;
    // The tip of the day comes once the loop runs and the window is on the
    // screen, so that it is modal over a window that is up: a window still
    // coming up would take its place on top and go on taking clicks.
    m_tipWaits = 0;
    m_tipTimer.StartOnce(1);
    if (!m_ending)
        loop.Run();
    m_loop = nullptr;
    Hide();
    return IDOK;
}

void CMenuCreatorDlg::loadIconImages(const CString& projectFolder) {
    // The tree must not paint with the list that is about to go.
    m_tree->SetImageList(nullptr);
    m_icons.load(projectFolder);
}

void CMenuCreatorDlg::enableProjectButtons() {
    for (int id : kProjectButtons)
        FindWindow(id)->Enable();
    // A uid names one item: there is no next hit to search for.
    if (controls::isChecked(this, IDC_SEARCH_UID))
        FindWindow(IDC_SEARCH_NEXT)->Disable();
}

void CMenuCreatorDlg::disableProjectButtons() {
    for (int id : kDisabledWithoutTree)
        FindWindow(id)->Disable();
}

void CMenuCreatorDlg::rebuildTree(ItemListePlus* list) {
    // The expanded nodes stay expanded and the selected one selected, by uid.
    std::unordered_set<CString> expanded;
    Item* selected = itemOf(m_tree->GetSelection());
    const CString selectedUid = selected ? upperUid(selected) : CString();
    for (int i = 1; list && i <= list->count(); ++i) {
        Item* item = list->at(i);
        if (item->getTreeHandle() && m_tree->IsExpanded(wxTreeItemId(item->getTreeHandle())))
            expanded.insert(upperUid(item));
    }
    m_tree->Freeze();
    m_tree->setDropHighlight(wxTreeItemId());
    m_icons.fillTree(*m_tree, list, true);
    wxTreeItemId reselect;
    for (int i = 1; list && i <= list->count(); ++i) {
        Item* item = list->at(i);
        if (!item->getTreeHandle())
            continue;
        const CString uid = upperUid(item);
        if (expanded.count(uid))
            m_tree->Expand(wxTreeItemId(item->getTreeHandle()));
        if (!reselect.IsOk() && !selectedUid.IsEmpty() && uid == selectedUid)
            reselect = wxTreeItemId(item->getTreeHandle());
    }
    m_tree->Thaw();
    m_lastSearchHit = nullptr;
    if (reselect.IsOk())
        m_tree->SelectItem(reselect);
    // The list is whole again: the selected item's fields and commands follow
    // it, also after a shared change, whose rebuild comes while the project
    // still counts as busy and the selection's own handler stays out.
    if (m_project)
        showSelection();
}

void CMenuCreatorDlg::setWindowTitle(const CString& title) {
    SetTitle(toWx(title));
}

void CMenuCreatorDlg::OnTimer(int id) {
    if (id == kLinkRefreshTimer) {
        m_linkRefreshTimer.Stop();
        // The deferred refresh moves the bar without a wait cursor: the window
        // is not greyed at every start-up for the moment it takes.
        if (m_project && m_project->isLinkRefreshPending() && !m_running) {
            m_running = true;
            m_project->updateLinks(0, 0);
            endRun();
        }
    } else if (id == kTipTimer) {
        // The window manager may take a moment to put the window up; the
        // tip does not wait more than a few seconds for it.
        if (m_ending)
            return;
        if (!isOnScreen() && ++m_tipWaits < kTipWaitLimit) {
            m_tipTimer.StartOnce(kTipWaitStep);
            return;
        }
        showTipOfTheDay();
    } else if (id == kRepaintTimer) {
        m_repaintTimer.Stop();
        Refresh(true);
    }
}

bool CMenuCreatorDlg::keepsFocus(const wxWindow* window) const {
    if (!window)
        return false;
    if (window == m_tree)
        return true;
    if (wxGetTopLevelParent(const_cast<wxWindow*>(window)) != this)
        return false;
    return std::find(std::begin(kFocusKeepingIds), std::end(kFocusKeepingIds), window->GetId()) !=
           std::end(kFocusKeepingIds);
}

void CMenuCreatorDlg::OnMouseMove() {
    wxWindow* focus = FindFocus();
    if (keepsFocus(focus))
        m_rememberedFocus = focus;
    else if (m_rememberedFocus && IsActive())
        giveFocusBack();
}

void CMenuCreatorDlg::giveFocusBack() {
    // An edit given the focus selects its whole text, which the next key
    // would replace: the caret and selection stay as the user left them.
    auto* edit = dynamic_cast<wxTextCtrl*>(m_rememberedFocus);
    long from = 0, to = 0;
    if (edit)
        edit->GetSelection(&from, &to);
    m_rememberedFocus->SetFocus();
    if (edit)
        edit->SetSelection(from, to);
}

void CMenuCreatorDlg::OnOK() {
    endProgram();
}

void CMenuCreatorDlg::OnClose() {
    endProgram();
}

void CMenuCreatorDlg::endProgram() {
    // Exit and the close box end here once: the site's frames and tree
    // pages follow the menu tree, rewritten a single time.
    if (m_ending)
        return;
    // Asked while a command runs: the program ends as soon as it is done.
    if (m_running) {
        m_closeAsked = true;
        return;
    }
    m_ending = true;
    publishTree();
    if (m_loop)
        m_loop->Exit();
    else if (IsModal())
        EndModal(wxID_OK);
}

void CMenuCreatorDlg::publishTree() {
    // A project whose tree file could not be read has nothing to publish:
    // the site keeps the tree it has.
    if (m_project && m_project->isTreeLoaded())
        m_project->createSiteFrames();
}

void CMenuCreatorDlg::OnHelp() {
    CTolvaneApp::OnHelp();
}

void CMenuCreatorDlg::endRun() {
    m_running = false;
    if (m_closeAsked) {
        m_closeAsked = false;
        CallAfter([this] { endProgram(); });
    }
}

Item* CMenuCreatorDlg::itemOf(const wxTreeItemId& node) const {
    return m_tree->itemOf(node);
}

wxTreeItemId CMenuCreatorDlg::selectedItemNode() const {
    // The tree's hidden root may hold the selection: it shows no item.
    const wxTreeItemId node = m_tree->GetSelection();
    return itemOf(node) ? node : wxTreeItemId();
}

void CMenuCreatorDlg::OnAddItem() {
    if (const wxTreeItemId node = selectedItemNode(); node.IsOk())
        addItem(node, 3, 0, "");
    else
        ui::AfxMessageBox(loadString(33022));
    m_tree->SetFocus();
}

void CMenuCreatorDlg::OnRemoveItem() {
    if (const wxTreeItemId node = selectedItemNode(); node.IsOk())
        removeItem(node);
    else
        ui::AfxMessageBox(loadString(33022));
}

void CMenuCreatorDlg::OnModifyItem() {
    modifyItem(m_tree->GetSelection());
}

Item* CMenuCreatorDlg::addItem(const wxTreeItemId& node, int position, int classCode, const CString& name) {
    return addItem(itemOf(node), position, classCode, name);
}

Item* CMenuCreatorDlg::addItem(Item* anchor, int position, int classCode, const CString& name) {
    Item* result = nullptr;
    if (m_project) {
        CAddMenuItem dialog(nullptr, m_project.get(), anchor, &m_icons, position, classCode, name);
        dialog.DoModal();
        result = dialog.m_result;
    }
    m_tree->SetFocus();
    return result;
}

void CMenuCreatorDlg::removeItem(const wxTreeItemId& node) {
    Item* item = itemOf(node);
    if (!m_project || !item || !m_project->checkNotHomeItem(item)) {
        m_tree->SetFocus();
        return;
    }
    const bool dual = item->getKind() == kDual;
    CRemoveMenuItem dialog(nullptr, item->getName(), dual);
    if (dialog.DoModal() != IDOK) {
        m_tree->SetFocus();
        return;
    }
    // The item leaves the tree first: a removal that another user's lock or
    // deletion refused leaves its folder where its pages are.
    const CString name = item->getName();
    if (m_project->deleteItem(item, 1, 0, 1, 1, 1)) {
        if (TextOutStream* log = m_project->openLog()) {
            *log << "remove menu item \"" << name << "\" \n";
            Project::closeLog(log);
        }
        if (dual && dialog.m_removeFiles) {
            m_project->discardItemFolder(item);
        } else if (dual) {
            CString message;
            message.Format(loadString(33033), platform::shownPath(item->getFolder(1, 0)).GetString());
            ui::AfxMessageBox(message);
        }
    }
    m_tree->SetFocus();
}

void CMenuCreatorDlg::modifyItem(const wxTreeItemId& node) {
    Item* item = itemOf(node);
    if (!item) {
        ui::AfxMessageBox(loadString(33022));
        return;
    }
    if (auto* processItem = dynamic_cast<ProcessItem*>(item))
        processItem->readPageHeaderImage();
    CChangeMenuItem dialog(nullptr, item, m_project.get(), &m_icons);
    if (dialog.DoModal() == IDOK)
        m_project->changeItem(item, dialog.m_newName, dialog.m_openInNewWindow, dialog.m_icon,
                              dialog.m_openIcon, dialog.m_renameDirectory, dialog.m_url, dialog.m_visible,
                              dialog.m_nameL2, dialog.m_pageHeaderImage, dialog.m_shortcutTarget);
    m_tree->SetFocus();
}

void CMenuCreatorDlg::OnViewPage() {
    if (const wxTreeItemId node = selectedItemNode(); node.IsOk())
        viewItemPage(node);
}

void CMenuCreatorDlg::OnEditHtml() {
    if (const wxTreeItemId node = selectedItemNode(); node.IsOk())
        editItemHtml(node);
}

void CMenuCreatorDlg::OnEditAttributes() {
    editItemAttributes(selectedItemNode());
}

void CMenuCreatorDlg::OnEditDiagram() {
    if (const wxTreeItemId node = selectedItemNode(); node.IsOk())
        editItemDiagram(node);
}

void CMenuCreatorDlg::OnOpenDirectory() {
    if (const wxTreeItemId node = selectedItemNode(); node.IsOk())
        openItemDirectory(node);
    else
        ui::AfxMessageBox(loadString(33023));
}

void CMenuCreatorDlg::OnExpandAll() {
    expandAll(true);
}

void CMenuCreatorDlg::OnCollapseAll() {
    expandAll(false);
}

void CMenuCreatorDlg::expandAll(bool expand) {
    if (!m_project)
        return;
    m_tree->Freeze();
    ItemListePlus* items = m_project->getItemList();
    for (int i = 1; i <= items->count(); ++i)
        if (void* node = items->at(i)->getTreeHandle())
            expand ? m_tree->Expand(wxTreeItemId(node)) : m_tree->Collapse(wxTreeItemId(node));
    m_tree->Thaw();
}

void CMenuCreatorDlg::OnSearchByUid() {
    FindWindow(IDC_SEARCH_NEXT)->Disable();
}

void CMenuCreatorDlg::OnSearchByName() {
    FindWindow(IDC_SEARCH_NEXT)->Enable(m_project && m_project->isTreeLoaded());
}

void CMenuCreatorDlg::OnSearchFirst() {
    const CString text = controls::getText(this, IDC_SEARCH_TEXT);
    if (text.IsEmpty()) {
        ui::AfxMessageBox(loadString(33037));
    } else {
        m_searchPosition = 0;
        search(text);
    }
    m_lastSearchText = text;
    m_tree->SetFocus();
}

void CMenuCreatorDlg::OnSearchNext() {
    const CString text = controls::getText(this, IDC_SEARCH_TEXT);
    if (text != m_lastSearchText) {
        OnSearchFirst();
        return;
    }
    if (text.IsEmpty()) {
        ui::AfxMessageBox(loadString(33037));
    } else {
        ++m_searchPosition;
        search(text);
    }
    m_tree->SetFocus();
}

void CMenuCreatorDlg::search(const CString& text) {
    if (!m_project)
        return;
    Item* hit = nullptr;
    if (controls::isChecked(this, IDC_SEARCH_UID)) {
        // A uid names one item: "Next" finds no other.
        if (m_searchPosition == 0)
            hit = m_project->findItemByUid(text);
    } else {
        const int language = controls::isChecked(this, IDC_SEARCH_NAME_L2) ? 1 : 0;
        hit = m_project->findNextItemByName(text, &m_searchPosition, language);
    }
    if (!hit || !hit->getTreeHandle()) {
        ui::AfxMessageBox(loadString(33038));
        return;
    }
    const wxTreeItemId node(hit->getTreeHandle());
    m_tree->setDropHighlight(node);
    m_tree->SelectItem(node);
    m_tree->EnsureVisible(node);
    m_lastSearchHit = hit;
}

void CMenuCreatorDlg::OnSelchangedTree() {
    if (!m_project || m_project->isBusy())
        return;
    showSelection();
}

void CMenuCreatorDlg::showSelection() {
    const wxTreeItemId node = selectedItemNode();
    m_tree->setDropHighlight(node);
    Item* item = itemOf(node);
    if (!item) {
        FindWindow(IDC_EDIT_HTML)->Disable();
        for (int id : {IDC_SELECTED_NAME, IDC_SELECTED_NAME_L2, IDC_SELECTED_UID, IDC_SELECTED_CLASS})
            controls::setText(this, id, "");
        return;
    }
    // "Edit Diagram" would open the diagram editor: it stays disabled.
    auto* processItem = dynamic_cast<ProcessItem*>(item);
    FindWindow(IDC_EDIT_HTML)->Enable(processItem && processItem->hasHtmlPage());
    controls::setText(this, IDC_SELECTED_NAME, item->getNameByLanguage(0));
    controls::setText(this, IDC_SELECTED_NAME_L2, item->getNameByLanguage(1));
    controls::setText(this, IDC_SELECTED_UID, item->getUid());
    CString classText;
    if (item->getKind() == kExternal) {
        for (int id : {IDC_EDIT_HTML, IDC_EDIT_ATTRIBUTES, IDC_OPEN_DIRECTORY})
            FindWindow(id)->Disable();
        classText = getProcessClassKeyword(kNoProcessClass, 1);
    } else {
        for (int id : {IDC_VIEW_PAGE, IDC_EDIT_ATTRIBUTES, IDC_OPEN_DIRECTORY})
            FindWindow(id)->Enable();
        // A shortcut shows its own names and uid, and the class of its target.
        auto* classed = dynamic_cast<ProcessItem*>(
            item->getKind() == kShortcut ? m_project->findShortcutTarget(item) : item);
        classText = classed && classed->isLoaded() ? getProcessClassKeyword(classed->getClassKind(), 1)
                                                   : CString("Not loaded");
    }
    controls::setText(this, IDC_SELECTED_CLASS, classText);
}

void CMenuCreatorDlg::editItemHtml(const wxTreeItemId& node) {
    runPageEditor(node, false);
}

void CMenuCreatorDlg::viewItemPage(const wxTreeItemId& node) {
    runPageEditor(node, true);
}

void CMenuCreatorDlg::runPageEditor(const wxTreeItemId& node, bool viewOnly) {
    Item* item = itemOf(node);
    if (item && item->getKind() == kShortcut)
        item = m_project->findShortcutTarget(item);
    if (item && item->getKind() == kExternal) {
        // An external item's page is its address: viewing it opens the
        // address in the browser; there is nothing to edit.
        if (viewOnly)
            openInBrowser(item->getUrl());
        m_tree->SetFocus();
        return;
    }
    if (auto* processItem = dynamic_cast<ProcessItem*>(item)) {
        int language = 0;
        if (StdOption::instance().getTwoLanguages()) {
            LanguageSelection choice(nullptr);
            choice.DoModal();
            language = choice.m_language;
        }
        runItemPageEditor(m_project.get(), processItem, viewOnly, language, this);
    }
    m_tree->SetFocus();
}

void CMenuCreatorDlg::editItemDiagram(const wxTreeItemId& node) {
    if (Item* item = itemOf(node); item && item->hasDiagram())
        ui::AfxMessageBox(kDiagramEditorMissing);
    m_tree->SetFocus();
}

void CMenuCreatorDlg::openItemDirectory(const wxTreeItemId& node) {
    if (Item* item = itemOf(node))
        m_project->openItemFolder(item);
    m_tree->SetFocus();
}

void CMenuCreatorDlg::createShortcut(const wxTreeItemId& node) {
    if (Item* item = itemOf(node))
        m_project->createShortcut(item);
    m_tree->SetFocus();
}

void CMenuCreatorDlg::editItemAttributes(const wxTreeItemId& node) {
    Item* item = itemOf(node);
    if (!m_project || !item) {
        m_tree->SetFocus();
        return;
    }
    try {
        AttributeSheets::editItemAttributes(m_project.get(), item);
    } catch (...) {
        ui::AfxMessageBox("An unexpected error has occured");
        return;
    }
    m_tree->SetFocus();
}
