#include "ActivityStepsDialogView.h"

#include "ActivityStepsDialogMgt.h"
#include "CDHtmlEditDlg.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WinTypes.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

const char kToTranslate[] = "To translate";

wxListBox* listOf(const wxWindow* page, int id) {
    return static_cast<wxListBox*>(page->FindWindow(id));
}

CString rowOf(const wxWindow* page, int id, int row) {
    wxListBox* list = listOf(page, id);
    return row >= 0 && row < static_cast<int>(list->GetCount())
               ? fromWx(list->GetString(static_cast<unsigned>(row)))
               : CString();
}

} // namespace

ActivityStepsDialogView::ActivityStepsDialogView(wxWindow* parent, ActivityStepsDialogMgt& page)
    : ExtendedPropertyPage(parent, page), m_steps(page) {
    auto* left = new wxBoxSizer(wxVERTICAL);
    auto addButton = [&](int id, const char* text, bool enabled) {
        auto* button = new wxButton(this, id, text);
        button->Enable(enabled);
        left->Add(button, 0, wxEXPAND | wxBOTTOM, 4);
    };
    addButton(IDC_UPDATE_TITLE, "Update step title", false);
    addButton(IDC_NEW, "New", true);
    addButton(IDC_DELETE, "Delete", false);
    addButton(IDC_UP, "Up", false);
    addButton(IDC_DOWN, "Down", false);
    addButton(IDC_EDIT_STEP_L1, "Edit step L1", false);
    addButton(IDC_EDIT_STEP_L2, "Edit step L2", false);
    // The notation of step titles, and what the page does, as notes.
    for (const char* note :
         {"", "Prefix step by:", "  #<level>", "  for indentation", "  #<level>C", "  for comment",
          "  #<level>O", "  for optional step", "", "Use", "[@id] to add a", "reference to a  item", "",
          "All actions on this", "worksheet are saved", "without waiting for", "validation"}) {
        auto* text = new wxStaticText(this, wxID_ANY, note);
        text->Disable();
        left->Add(text, 0, wxEXPAND);
    }
    auto language = [this](int groupId, const char* caption, int titleId, int listId) {
        auto* title = new wxTextCtrl(this, titleId, "", wxDefaultPosition, wxDefaultSize, wxTE_MULTILINE);
        title->SetMinSize(
            wxSize(title->GetTextExtent(wxString('x', 60)).GetWidth(), title->GetCharHeight() * 3));
        title->Disable();
        auto* list = new wxListBox(this, listId, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                                   wxLB_SINGLE | wxLB_ALWAYS_SB);
        list->SetMinSize(wxSize(-1, list->GetCharHeight() * 7));
        auto* box = new wxBoxSizer(wxVERTICAL);
        box->Add(title, 0, wxEXPAND);
        box->Add(list, 1, wxEXPAND | wxTOP, 6);
        return newGroup(groupId, caption, box);
    };
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(language(wxID_ANY, "Language 1", IDC_TITLE_L1, IDC_STEPS_L1), 1, wxEXPAND);
    right->Add(language(IDC_LANGUAGE_2, "Language 2", IDC_TITLE_L2, IDC_STEPS_L2), 1, wxEXPAND | wxTOP, 8);
    auto* content = new wxBoxSizer(wxHORIZONTAL);
    content->Add(newGroup(wxID_ANY, "", left), 0, wxEXPAND | wxRIGHT, 8);
    content->Add(right, 1, wxEXPAND);
    finishLayout(content);

    bindCommand(wxEVT_BUTTON, IDC_NEW, &ActivityStepsDialogView::OnNew);
    bindCommand(wxEVT_BUTTON, IDC_DELETE, &ActivityStepsDialogView::OnDelete);
    bindCommand(wxEVT_BUTTON, IDC_UP, &ActivityStepsDialogView::OnUp);
    bindCommand(wxEVT_BUTTON, IDC_DOWN, &ActivityStepsDialogView::OnDown);
    bindCommand(wxEVT_BUTTON, IDC_UPDATE_TITLE, &ActivityStepsDialogView::OnUpdateStepTitle);
    bindCommand(wxEVT_BUTTON, IDC_EDIT_STEP_L1, &ActivityStepsDialogView::OnEditStepL1);
    bindCommand(wxEVT_BUTTON, IDC_EDIT_STEP_L2, &ActivityStepsDialogView::OnEditStepL2);
    Bind(
        wxEVT_LISTBOX, [this](wxCommandEvent&) { OnSelchangeStepsL1(); }, IDC_STEPS_L1);
    Bind(
        wxEVT_LISTBOX, [this](wxCommandEvent&) { OnSelchangeStepsL2(); }, IDC_STEPS_L2);
    Bind(
        wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { OnEditStepL1(); }, IDC_STEPS_L1);
    Bind(
        wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { OnEditStepL2(); }, IDC_STEPS_L2);
}

bool ActivityStepsDialogView::twoLanguages() const {
    return StdOption::instance().getTwoLanguages();
}

std::vector<CString> ActivityStepsDialogView::titles(int listId) const {
    std::vector<CString> rows;
    wxListBox* list = listOf(this, listId);
    for (unsigned i = 0; i < list->GetCount(); ++i)
        rows.push_back(fromWx(list->GetString(i)));
    return rows;
}

void ActivityStepsDialogView::OnInitDialog() {
    ui::WaitCursor wait;
    ExtendedPropertyPage::OnInitDialog();
    const std::vector<CString> first = m_steps.ownSteps(0);
    const std::vector<CString> second = m_steps.ownSteps(1);
    const bool bilingual = twoLanguages();
    if (bilingual && first.size() != second.size())
        ui::AfxMessageBox(loadString(33009));
    wxListBox* list1 = listOf(this, IDC_STEPS_L1);
    for (const CString& title : first)
        list1->Append(toWx(title));
    for (size_t i = first.size(); bilingual && i < second.size(); ++i)
        list1->Append(kToTranslate);
    wxListBox* list2 = listOf(this, IDC_STEPS_L2);
    if (bilingual) {
        for (const CString& title : second)
            list2->Append(toWx(title));
        for (size_t i = second.size(); i < first.size(); ++i)
            list2->Append(kToTranslate);
    } else {
        list2->Disable();
    }
}

void ActivityStepsDialogView::enableStepControls(bool enabled) {
    for (int id : {IDC_UPDATE_TITLE, IDC_DELETE, IDC_UP, IDC_DOWN, IDC_EDIT_STEP_L1, IDC_TITLE_L1})
        enable(id, enabled);
    const bool second = enabled && twoLanguages();
    enable(IDC_EDIT_STEP_L2, second);
    enable(IDC_TITLE_L2, second);
}

bool ActivityStepsDialogView::replaceRow(int listId, int row, const CString& title) {
    if (!ActivityStepsDialogMgt::acceptTitle(title, rowOf(this, listId, row)))
        return false;
    wxListBox* list = listOf(this, listId);
    // The selection stays where it was: the list would drop it with the row.
    const int selected = list->GetSelection();
    list->Delete(static_cast<unsigned>(row));
    list->Insert(toWx(title), static_cast<unsigned>(row));
    if (selected != wxNOT_FOUND)
        list->SetSelection(selected);
    return true;
}

void ActivityStepsDialogView::handlePendingEdit(int questionId) {
    const bool bilingual = twoLanguages();
    const CString typed1 = ActivityStepsDialogMgt::removeLineBreaks(getText(IDC_TITLE_L1));
    const CString typed2 = ActivityStepsDialogMgt::removeLineBreaks(getText(IDC_TITLE_L2));
    bool changed = typed1 != rowOf(this, IDC_STEPS_L1, m_currentStep);
    if (bilingual)
        changed = changed || typed2 != rowOf(this, IDC_STEPS_L2, m_currentStep);
    if (!changed || ui::AfxMessageBox(loadString(questionId), MB_YESNO | MB_ICONQUESTION) != IDYES ||
        m_currentStep < 0)
        return;
    replaceRow(IDC_STEPS_L1, m_currentStep, typed1);
    if (bilingual)
        replaceRow(IDC_STEPS_L2, m_currentStep, typed2);
}

void ActivityStepsDialogView::selectionChanged(int listId, int otherListId) {
    const bool bilingual = twoLanguages();
    const int selected = listOf(this, listId)->GetSelection();
    if (selected != wxNOT_FOUND && selected != m_currentStep) {
        const CString new1 = rowOf(this, IDC_STEPS_L1, selected);
        const CString new2 = bilingual ? rowOf(this, IDC_STEPS_L2, selected) : CString();
        handlePendingEdit(33012);
        m_currentStep = selected;
        setText(IDC_TITLE_L1, new1);
        if (bilingual)
            setText(IDC_TITLE_L2, new2);
    }
    if (selected != wxNOT_FOUND && (listId == IDC_STEPS_L2 || bilingual))
        listOf(this, otherListId)->SetSelection(selected);
    if (selected != wxNOT_FOUND)
        enableStepControls(true);
}

void ActivityStepsDialogView::OnNew() {
    if (m_currentStep != -1)
        handlePendingEdit(33010);
    wxListBox* list1 = listOf(this, IDC_STEPS_L1);
    m_currentStep = static_cast<int>(list1->Append("new"));
    setText(IDC_TITLE_L1, "new");
    list1->SetSelection(m_currentStep);
    if (twoLanguages()) {
        wxListBox* list2 = listOf(this, IDC_STEPS_L2);
        list2->Append("new");
        setText(IDC_TITLE_L2, "new");
        list2->SetSelection(m_currentStep);
    }
    enableStepControls(true);
    storeSteps();
}

void ActivityStepsDialogView::OnUpdateStepTitle() {
    if (m_currentStep != -1) {
        const int ids[2][2] = {{IDC_STEPS_L1, IDC_TITLE_L1}, {IDC_STEPS_L2, IDC_TITLE_L2}};
        for (int language = 0; language < (twoLanguages() ? 2 : 1); ++language) {
            const auto [listId, titleId] = std::pair(ids[language][0], ids[language][1]);
            replaceRow(listId, m_currentStep, ActivityStepsDialogMgt::removeLineBreaks(getText(titleId)));
            listOf(this, listId)->SetSelection(m_currentStep);
            setText(titleId, rowOf(this, listId, m_currentStep));
        }
    }
    storeSteps();
}

void ActivityStepsDialogView::OnDelete() {
    const bool bilingual = twoLanguages();
    wxListBox* list1 = listOf(this, IDC_STEPS_L1);
    const int selected = list1->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    CString question;
    question.Format(loadString(33018), rowOf(this, IDC_STEPS_L1, selected).GetString());
    if (ui::AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    removeSelectedFromList(IDC_STEPS_L1);
    if (bilingual && selected < static_cast<int>(listOf(this, IDC_STEPS_L2)->GetCount()))
        listOf(this, IDC_STEPS_L2)->Delete(static_cast<unsigned>(selected));
    else if (!bilingual)
        m_steps.dropKeptTitleL2(selected);
    const int count = static_cast<int>(list1->GetCount());
    if (count == 0)
        m_currentStep = -1;
    else if (selected > 0 && m_currentStep != -1)
        --m_currentStep;
    if (m_currentStep != -1) {
        setText(IDC_TITLE_L1, rowOf(this, IDC_STEPS_L1, m_currentStep));
        list1->SetSelection(m_currentStep);
        if (bilingual) {
            setText(IDC_TITLE_L2, rowOf(this, IDC_STEPS_L2, m_currentStep));
            listOf(this, IDC_STEPS_L2)->SetSelection(m_currentStep);
        }
    } else {
        setText(IDC_TITLE_L1, "");
        list1->SetSelection(wxNOT_FOUND);
        if (bilingual) {
            setText(IDC_TITLE_L2, "");
            listOf(this, IDC_STEPS_L2)->SetSelection(wxNOT_FOUND);
        }
        enableStepControls(false);
    }
    storeSteps();
    m_steps.retireStepPages(selected, count);
}

void ActivityStepsDialogView::moveStep(int direction) {
    const bool bilingual = twoLanguages();
    wxListBox* list1 = listOf(this, IDC_STEPS_L1);
    const int selected = list1->GetSelection();
    const int neighbour = selected + direction;
    if (selected != wxNOT_FOUND && neighbour >= 0 && neighbour < static_cast<int>(list1->GetCount())) {
        for (int id : {IDC_STEPS_L1, IDC_STEPS_L2}) {
            if (id == IDC_STEPS_L2 && !bilingual)
                break;
            wxListBox* list = listOf(this, id);
            const wxString title = list->GetString(static_cast<unsigned>(selected));
            list->Delete(static_cast<unsigned>(selected));
            list->Insert(title, static_cast<unsigned>(neighbour));
            list->SetSelection(neighbour);
        }
        if (!bilingual)
            m_steps.swapKeptTitlesL2(selected, neighbour);
        m_currentStep += direction;
        m_steps.swapStepPages(selected, neighbour);
    }
    storeSteps();
}

void ActivityStepsDialogView::storeSteps() {
    if (twoLanguages()) {
        const std::vector<CString> second = titles(IDC_STEPS_L2);
        m_steps.storeSteps(titles(IDC_STEPS_L1), &second);
    } else {
        m_steps.storeSteps(titles(IDC_STEPS_L1), nullptr);
    }
}

void ActivityStepsDialogView::editStepPage(int language) {
    const int selected = listOf(this, IDC_STEPS_L1)->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    const CString path = m_steps.prepareStepPage(selected, language);
    CDHtmlEditDlg editor(dynamic_cast<ProcessManager*>(m_steps.m_project), m_steps.m_item, 0, path,
                         m_steps.stepPageTitle(selected, language), m_steps.stepPageFolder(), 0, language,
                         this);
    editor.DoModal();
}
