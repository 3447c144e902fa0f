#include "CDHtmlEditDlg.h"

#include "CAddFile.h"
#include "CColorMenu.h"
#include "CHrProperties.h"
#include "CHtmlEditor.h"
#include "CInsertHyperlink.h"
#include "CTableProperties.h"
#include "CTime.h"
#include "EditorText.h"
#include "EditorToolbarBitmaps.h"
#include "Encoding.h"
#include "ExtendedPictureHolder.h"
#include "FileSystem.h"
#include "Item.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "WxText.h"
#include "cHtmlDocument.h"
#include "cHtmlHR.h"
#include "cHtmlTable.h"
#include "cHtmlTableCell.h"
#include "ui/UserInterface.h"

#include <cstdlib>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/filedlg.h>
#include <wx/fontenum.h>
#include <wx/icon.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/tglbtn.h>
#include <wx/wrapsizer.h>

namespace {

// The toolbar in button order; 0 is a separator.
const int kToolbarLayout[] = {1028, 32786, 1029,  0,    1020, 1021, 1022, 0, 1016, 1017, 0,    1027,
                              1025, 32785, 32783, 0,    1023, 1024, 1026, 0, 1001, 1008, 1004, 1002,
                              1010, 1031,  1015,  1012, 1032, 1033, 1007, 0, 1013, 1014};

struct ToolTip {
    int id;
    int stringId;
};
const ToolTip kToolTips[] = {
    {1028, 33070}, {32786, 33071}, {1029, 33072}, {1020, 33073}, {1021, 33074},  {1022, 33075},
    {1016, 33076}, {1017, 33077},  {1027, 33078}, {1025, 33079}, {32785, 33080}, {32783, 33081},
    {1023, 33082}, {1024, 33083},  {1026, 33084}, {1001, 33085}, {1008, 33086},  {1004, 33087},
    {1002, 33088}, {1010, 33089},  {1031, 33090}, {1015, 33091}, {1012, 33092},  {1032, 33093},
    {1033, 33094}, {1007, 33095},  {1013, 33096}, {1014, 33097},
};

// The commands that are one browser editing command each.
struct BrowserCommand {
    int id;
    int command;
};
const BrowserCommand kBrowserCommands[] = {
    {1020, CHtmlEditor::IDM_BOLD},           {1021, CHtmlEditor::IDM_ITALIC},
    {1022, CHtmlEditor::IDM_UNDERLINE},      {1027, CHtmlEditor::IDM_ORDERLIST},
    {1025, CHtmlEditor::IDM_UNORDERLIST},    {32785, CHtmlEditor::IDM_OUTDENT},
    {32783, CHtmlEditor::IDM_INDENT},        {1023, CHtmlEditor::IDM_JUSTIFYLEFT},
    {1024, CHtmlEditor::IDM_JUSTIFYCENTER},  {1026, CHtmlEditor::IDM_JUSTIFYRIGHT},
    {1013, CHtmlEditor::IDM_HORIZONTALLINE},
};

const char* const kInvalidSelection = "The selection or cursor position is invalid for this function!";
const char* const kInvalidFontSelection = "The selection or cursor position is invalid!";

// The initial size of the window; it can be made narrower by nothing and
// lower by a third.
const wxSize kInitialSize(900, 640);

// Whether two files hold the same bytes.
bool sameContent(const CString& a, const CString& b) {
    std::string first, second;
    return platform::readFileBytes(a, first) && platform::readFileBytes(b, second) && first == second;
}

} // namespace

template <class Wrapper, class Dialog, class Find>
void CDHtmlEditDlg::editElement(Dialog& dialog, Find find, const char* missing) {
    const bool found = m_editor->changeDocument([&dialog, &find](cHtmlDocument& document) {
        const Wrapper element(find(document));
        if (element.isValid())
            dialog.readFrom(element);
        return element.isValid();
    });
    if (!found) {
        cHtmlDocument::reportError(missing);
        return;
    }
    if (dialog.DoModal() != IDOK)
        return;
    m_editor->changeDocument([&dialog, &find](cHtmlDocument& document) {
        Wrapper element(find(document));
        if (element.isValid())
            dialog.applyTo(element);
        return 0;
    });
}

CDHtmlEditDlg::CDHtmlEditDlg(ProcessManager* manager, ProcessItem* item, int viewOnly,
                             const CString& pagePath, const CString& title, const CString& pageDirectory,
                             int linkMode, int language, wxWindow* parent)
    : TolvaneDialog(parent, "DHTML Editor", wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxMAXIMIZE_BOX),
      m_manager(manager), m_item(item), m_viewOnly(viewOnly), m_pagePath(pagePath), m_title(title),
      m_pageDirectory(pageDirectory), m_linkMode(linkMode), m_language(language),
      m_fontSizeTimer(this, kFontSizeTimer), m_designTimer(this, kDesignTimer) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    auto* boxes = new wxBoxSizer(wxHORIZONTAL);
    m_fontName = new wxChoice(this, IDC_FONT_NAME, wxDefaultPosition, wxSize(220, -1), 0, nullptr, wxCB_SORT);
    boxes->Add(m_fontName, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    wxArrayString sizes;
    sizes.Add("");
    for (int size = 5; size <= 18; ++size)
        sizes.Add(wxString::Format("%d", size));
    for (int size = 20; size <= 36; size += 2)
        sizes.Add(wxString::Format("%d", size));
    m_fontSize =
        new wxComboBox(this, IDC_FONT_SIZE, "", wxDefaultPosition, wxSize(80, -1), sizes, wxCB_DROPDOWN);
    boxes->Add(m_fontSize, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    m_source = new wxToggleButton(this, IDC_SOURCE, "Source");
    boxes->Add(m_source, 0, wxALIGN_CENTER_VERTICAL);
    content->Add(boxes, 0, wxBOTTOM, 6);
    m_placeholder = new wxPanel(this, IDC_PLACEHOLDER, wxDefaultPosition, wxSize(400, 200), wxBORDER_SUNKEN);
    content->Add(m_placeholder, 1, wxEXPAND);
    finishLayout(content);
    SetSize(kInitialSize);
    SetMinSize(wxSize(kInitialSize.x, 2 * kInitialSize.y / 3));

    Bind(
        wxEVT_CHOICE, [this](wxCommandEvent&) { whenIdle([this] { OnFontName(); }); }, IDC_FONT_NAME);
    const auto sizeChanged = [this](wxCommandEvent&) { OnFontSizeChange(); };
    Bind(wxEVT_COMBOBOX, sizeChanged, IDC_FONT_SIZE);
    Bind(wxEVT_TEXT, sizeChanged, IDC_FONT_SIZE);
    Bind(wxEVT_COMBOBOX_CLOSEUP, sizeChanged, IDC_FONT_SIZE);
    Bind(
        wxEVT_TOGGLEBUTTON, [this](wxCommandEvent&) { whenIdle([this] { OnToolbarCommand(IDC_SOURCE); }); },
        IDC_SOURCE);
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) {
        const int id = event.GetId();
        whenIdle([this, id] { OnToolbarCommand(id); });
    });
    Bind(wxEVT_TIMER, [this](wxTimerEvent& event) {
        const int id = event.GetId();
        whenIdle([this, id] { OnTimer(id); });
    });
}

void CDHtmlEditDlg::whenIdle(std::function<void()> work) {
    if (m_editor)
        m_editor->whenIdle(std::move(work));
    else
        work();
}

CDHtmlEditDlg::~CDHtmlEditDlg() {
    m_fontSizeTimer.Stop();
    m_designTimer.Stop();
}

bool CDHtmlEditDlg::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    ExtendedPictureHolder icon;
    if (icon.loadFromFile(getApplicationFolder() + "/Data/Common/applet/IconImages/wfdtree.gif")) {
        wxIcon windowIcon;
        windowIcon.CopyFromBitmap(*icon.getHandle());
        SetIcon(windowIcon);
    }
    m_editor = new CHtmlEditor(this);
    m_editor->setPageScripts(m_viewOnly != 0);
    if (!m_editor->create(m_placeholder, this, 0)) {
        m_editor->Destroy();
        m_editor = nullptr;
        ui::MessageBox("Error creating CHtmlEditor", "Error", MB_OK | MB_ICONSTOP);
        return false;
    }
    for (const wxString& face : wxFontEnumerator::GetFacenames())
        if (!face.empty() && face[0] != '@')
            m_fontName->Append(face);
    SetTitle(toWx(m_title));
    if (m_viewOnly) {
        m_fontName->Hide();
        m_fontSize->Hide();
        m_source->Hide();
        FindWindow(wxID_CANCEL)->Hide();
        Layout();
        return true;
    }
    buildToolBar();
    Layout();
    return true;
}

void CDHtmlEditDlg::buildToolBar() {
    // Buttons that wrap onto a second row when the window is narrow, and
    // that leave the focus (and the caret) in the page when clicked.
    m_toolBar = new wxPanel(this, kToolbarId);
    auto* row = new wxWrapSizer(wxHORIZONTAL);
    for (const int id : kToolbarLayout) {
        if (id == 0) {
            row->Add(new wxStaticLine(m_toolBar, wxID_ANY, wxDefaultPosition, wxSize(-1, 20), wxLI_VERTICAL),
                     0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 6);
            continue;
        }
        // Window ids stop at 32767: the commands above have a button without one.
        auto* button = new wxBitmapButton(m_toolBar, id < 32767 ? id : wxID_ANY, editorToolbarBitmap(id),
                                          wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
        button->Bind(wxEVT_BUTTON,
                     [this, id](wxCommandEvent&) { whenIdle([this, id] { OnToolbarCommand(id); }); });
        button->SetCanFocus(false);
        button->SetToolTip(toWx(getToolTipText(id)));
        row->Add(button, 0, wxALL, 3);
    }
    m_toolBar->SetSizer(row);
    GetSizer()->Insert(0, m_toolBar, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 6);
}

CString CDHtmlEditDlg::getToolTipText(int id) {
    for (const ToolTip& tip : kToolTips)
        if (tip.id == id)
            return loadString(tip.stringId);
    return CString();
}

void CDHtmlEditDlg::reportInvalidSelection(bool general) {
    ui::MessageBox(general ? kInvalidSelection : kInvalidFontSelection, "Error", MB_OK | MB_ICONSTOP);
}

int CDHtmlEditDlg::OnToolbarCommand(int id) {
    if (!m_editor)
        return 0;
    int result = 1;
    // The commands on the cell of the caret and its table.
    auto onCell = [this](auto change) {
        m_editor->changeDocument([&](cHtmlDocument& document) {
            cHtmlTableCell cell = document.getCurrentCell();
            cHtmlTable table = cell.getTable();
            if (cell.isValid() && table.isValid())
                change(cell, table);
            return 0;
        });
    };
    if (const int base = CColorMenu::baseOf(id)) {
        if (base == CColorMenu::kCellColorBase) {
            const CString color = loadString(id);
            onCell([&](cHtmlTableCell& cell, cHtmlTable&) { cell.setBgColor(color); });
        } else if (base == CColorMenu::kBackColorBase && id - base == CColorMenu::kAutomatic) {
            // No background colour, rather than one of the text's colour.
            result = m_editor->execCommand(CHtmlEditor::IDM_BACKCOLOR, CString("transparent"));
        } else {
            result = m_editor->execCommand(base == CColorMenu::kTextColorBase ? CHtmlEditor::IDM_FORECOLOR
                                                                              : CHtmlEditor::IDM_BACKCOLOR,
                                           static_cast<long>(CColorMenu::colorOf(id)));
        }
    } else {
        bool done = false;
        for (const BrowserCommand& command : kBrowserCommands)
            if (command.id == id) {
                result = m_editor->execCommand(command.command);
                done = true;
            }
        if (!done)
            switch (id) {
            case ID_IMAGE:
                insertImage();
                break;
            case ID_FILE:
                result = addFile();
                break;
            case ID_HYPERLINK:
                result = insertHyperlink();
                break;
            case ID_TEXT_COLOR:
                showColorMenu(8, CColorMenu::kTextColorBase);
                break;
            case ID_BACK_COLOR:
                showColorMenu(9, CColorMenu::kBackColorBase);
                break;
            case ID_INSERT_TABLE:
                result = m_editor->pasteHtml(cHtmlDocument::defaultTableHtml());
                break;
            case ID_TABLE_PROPERTIES:
                editTableProperties();
                break;
            case ID_ROW_BELOW:
            case ID_ROW_ABOVE:
                m_editor->changeDocument(
                    [id](cHtmlDocument& document) { return document.insertRowAt(id == ID_ROW_BELOW); });
                break;
            case ID_COLUMN_RIGHT:
            case ID_COLUMN_LEFT:
                m_editor->changeDocument(
                    [id](cHtmlDocument& document) { return document.insertColumnAt(id == ID_COLUMN_RIGHT); });
                break;
            case ID_DELETE_ROW:
                onCell([](cHtmlTableCell& cell, cHtmlTable& table) { table.deleteRow(cell.getRowIndex()); });
                break;
            case ID_DELETE_COLUMN:
                onCell([](cHtmlTableCell& cell, cHtmlTable& table) {
                    table.deleteColumn(cell.getColumnIndex());
                });
                break;
            case ID_MERGE:
                onCell([](cHtmlTableCell& cell, cHtmlTable&) {
                    if (!cell.mergeRight())
                        cHtmlDocument::reportError(
                            "You can only combine cells which have a right neighbour.");
                });
                break;
            case ID_SPLIT:
                onCell([](cHtmlTableCell& cell, cHtmlTable&) { cell.split(); });
                break;
            case ID_CELL_COLOR: {
                bool inCell = false;
                onCell([&inCell](cHtmlTableCell&, cHtmlTable&) { inCell = true; });
                if (inCell)
                    showColorMenu(30, CColorMenu::kCellColorBase);
                break;
            }
            case ID_SEPARATOR_PROPERTIES:
                editSeparator();
                break;
            case IDC_SOURCE: {
                const bool source = m_source->GetValue();
                m_editor->setMode(source, 1);
                enable(wxID_OK, !source);
                break;
            }
            default:
                break;
            }
    }
    if (result == 0)
        reportInvalidSelection(true);
    return result;
}

void CDHtmlEditDlg::OnEditorNotify(int code) {
    switch (code) {
    case CHtmlEditor::kNotifyLoadPage:
        m_editor->navigateTo(m_pagePath);
        if (!m_viewOnly)
            m_designTimer.StartOnce(300);
        break;
    case CHtmlEditor::kNotifyRefresh:
        refreshFontBoxes();
        break;
    case CHtmlEditor::kNotifyDefaults:
        m_editor->changeDocument([](cHtmlDocument& document) {
            document.applyPageDefaults();
            return 0;
        });
        break;
    default:
        break;
    }
}

void CDHtmlEditDlg::refreshFontBoxes() {
    if (!m_editor || m_editor->getMode() != CHtmlEditor::kEditMode || !m_designReady || m_editor->isBusy())
        return;
    CString name;
    if (m_editor->queryCommandValue(CHtmlEditor::IDM_FONTNAME, name)) {
        name.Trim("\"' ");
        if (!name.IsEmpty() && name != m_lastFontName) {
            m_lastFontName = name;
            // A face the desktop does not have keeps its name in the list.
            int found = m_fontName->FindString(toWx(name));
            if (found == wxNOT_FOUND)
                found = m_fontName->Append(toWx(name));
            m_fontName->SetSelection(found);
        }
    }
    CString size;
    if (m_editor->queryCommandValue(CHtmlEditor::kFontSizePx, size) && !size.IsEmpty() &&
        size != m_lastFontSize) {
        m_lastFontSize = size;
        m_fontSize->ChangeValue(toWx(size));
    }
}

void CDHtmlEditDlg::OnTimer(int id) {
    if (!m_editor)
        return;
    if (id == kFontSizeTimer) {
        m_fontSizeTimer.Stop();
        const int value = std::atoi(fromWx(m_fontSize->GetValue()));
        if (value > 3 && value <= 99 && !m_editor->execCommand(CHtmlEditor::kFontSizePx, value))
            reportInvalidSelection(false);
    } else if (id == kDesignTimer) {
        // Design mode waits for the page.
        if (!m_editor->isReady()) {
            m_designTimer.StartOnce(300);
            return;
        }
        m_editor->setMode(0, 1);
        m_designReady = 1;
    }
}

void CDHtmlEditDlg::OnFontName() {
    if (m_editor &&
        !m_editor->execCommand(CHtmlEditor::IDM_FONTNAME, fromWx(m_fontName->GetStringSelection())))
        reportInvalidSelection(false);
}

void CDHtmlEditDlg::OnFontSizeChange() {
    m_fontSizeTimer.StartOnce(200);
}

void CDHtmlEditDlg::OnOK() {
    if (m_editor && m_editor->isBusy()) {
        m_editor->whenIdle([this] { OnOK(); });
        return;
    }
    // Before the page is editable nothing can have changed: nothing is written.
    if (!m_viewOnly && m_editor && m_designReady) {
        if (m_source->GetValue())
            return;
        if (!m_editor->save(1))
            return;
    }
    endDialog(wxID_OK);
}

void CDHtmlEditDlg::OnCancel() {
    if (m_editor && m_editor->isBusy())
        m_editor->whenIdle([this] { OnCancel(); });
    else
        endDialog(wxID_CANCEL);
}

int CDHtmlEditDlg::insertImage() {
    wxFileDialog dialog(
        this, "Open", "", "",
        "bmp file (*.bmp)|*.bmp|gif file (*.gif)|*.gif|jpeg file (*.jpg)|*.jpg|png file (*.png)|*.png",
        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (runModal(dialog) != wxID_OK)
        return 1;
    return insertImageFile(fromWx(dialog.GetPath()));
}

int CDHtmlEditDlg::insertImageFile(const CString& path) {
    CString folder = m_pageDirectory;
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != '/' && folder[folder.GetLength() - 1] != '\\')
        folder += "/";
    const CString target = folder + fileNameOfPath(path);
    if (platform::pathExists(target)) {
        // A picture already there is used when it is this one; another
        // file of that name is never replaced.
        if (platform::diskPath(target.str()) != platform::diskPath(path.str()) &&
            !sameContent(path, target)) {
            ui::AfxMessageBox(loadString(32955));
            return 0;
        }
    } else if (!CopyFileA(path, target, TRUE)) {
        CString message;
        message.Format(loadString(32976), platform::shownPath(path).GetString());
        ui::AfxMessageBox(message);
        return 0;
    }
    // Relative to the page, as the page will keep it.
    const CString address(encoding::utf8ToCp1252(
        addressFromPage(platform::diskPath(target.str()), folderOf(platform::diskPath(m_pagePath.str())))));
    return m_editor->pasteHtml(cHtmlDocument::imageHtml(address));
}

int CDHtmlEditDlg::addFile() {
    CAddFile dialog(nullptr, m_item ? m_item->getName() : CString());
    if (dialog.DoModal() != IDOK || !m_manager || !m_item)
        return 1;
    CString link;
    CString fileName;
    CTime date;
    int copied = 0;
    int dateKnown = 0;
    if (dialog.m_referenceKind == CAddFile::kCopy) {
        link = m_manager->copyDocumentIntoItem(dialog.m_file, m_item, dialog.m_newRevision, &date, &fileName);
        copied = 1;
        dateKnown = 1;
    } else {
        link = dialog.m_file;
        if (dialog.m_referenceKind != CAddFile::kHttpReference) {
            std::time_t written = 0;
            if (!platform::lastWriteTime(dialog.m_file, written)) {
                ui::AfxMessageBox(loadString(32978));
                return 1;
            }
            date = CTime(written);
            dateKnown = 1;
        }
        if (dialog.m_referenceKind == CAddFile::kLocalReference) {
            CString base = m_manager->getProjectDirectory() + m_item->getFolder(0, 1);
            base.Replace('/', '\\');
            const CString relative = relativePath(base, FILE_ATTRIBUTE_DIRECTORY, dialog.m_file, 0);
            if (!relative.IsEmpty())
                link = relative;
        }
        fileName = fileNameOfPath(link);
    }
    if (!dialog.m_addEntry || link.IsEmpty())
        return 1;
    const CString html =
        m_manager->makeDocumentTable(link, dialog.m_description, dialog.m_openInNewWindow,
                                     dialog.GetEntryKind(), &date, fileName, copied, dateKnown);
    return html.IsEmpty() ? 1 : m_editor->pasteHtml(html);
}

int CDHtmlEditDlg::insertHyperlink() {
    if (m_linkMode == 1 && !m_editor->getDocument().getSelectionElement(0).isValid())
        return 0;
    CInsertHyperlink dialog(m_manager, m_linkMode, m_item, m_language, nullptr);
    if (dialog.DoModal() != IDOK)
        return 1;
    const CString link = dialog.GetLink();
    if (link == "CLEAR")
        return m_editor->execCommand(CHtmlEditor::IDM_UNLINK);
    if (link.IsEmpty())
        return 1;
    return m_linkMode == 1 ? m_editor->execCommand(CHtmlEditor::IDM_HYPERLINK, link)
                           : m_editor->pasteHtml(link);
}

void CDHtmlEditDlg::editSeparator() {
    CHrProperties dialog(this);
    editElement<cHtmlHR>(
        dialog, [](cHtmlDocument& document) { return document.getSelectionElement(1); },
        "Please select a <HR> element. (horizontal line)");
}

void CDHtmlEditDlg::editTableProperties() {
    CTableProperties dialog(this);
    editElement<cHtmlTable>(
        dialog, [](cHtmlDocument& document) { return document.getSelectionElement(1).findAncestor("TABLE"); },
        "Please set the cursor into a table!");
}

void CDHtmlEditDlg::showColorMenu(int buttonIndex, int base) {
    CColorMenu menu(base);
    // Left-aligned under the button that was pressed.
    const int id = kToolbarLayout[buttonIndex];
    wxWindow* button = m_toolBar ? m_toolBar->FindWindow(id) : nullptr;
    const wxPoint at = button ? ScreenToClient(button->GetScreenRect().GetBottomLeft())
                              : ScreenToClient(wxGetMousePosition());
    PopupMenu(&menu, at);
}
