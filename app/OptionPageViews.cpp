#include "OptionPageViews.h"

#include "OptionPages.h"
#include "ProcessManager.h"
#include "ProcessRunner.h"
#include "StdOption.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>

namespace {

// A radio pair of hidden controls: the one checked by the value.
void setRadio(wxWindow* page, int checkedId) {
    if (auto* radio = dynamic_cast<wxRadioButton*>(page->FindWindow(checkedId)))
        radio->SetValue(true);
}

wxCheckBox* newCheck(wxWindow* parent, int id, const char* caption) {
    return new wxCheckBox(parent, id, caption);
}

// A drop-down list whose field takes any text.
wxComboBox* newCombo(wxWindow* parent, int id, const wxArrayString& choices = wxArrayString()) {
    return new wxComboBox(parent, id, "", wxDefaultPosition, wxSize(parent->FromDIP(90), -1), choices,
                          wxCB_DROPDOWN);
}

// The number a field holds, when it is one.
bool parseNumber(const CString& text, long& value) {
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    char* end = nullptr;
    value = std::strtol(trimmed.GetString(), &end, 10);
    return end && *end == '\0';
}

struct ToolTip {
    int controlId;
    int stringId;
};
const ToolTip kProcessToolTips[] = {
    {1013, 33098}, {1014, 33099}, {1019, 33100}, {1021, 33101}, {1020, 33102},
    {1022, 33103}, {1015, 33104}, {1017, 33105}, {1016, 33106},
};

} // namespace

// ----- Standard -----

COption1DialogView::COption1DialogView(wxWindow* parent, COption1DialogMgt& page)
    : PropertyPageView(parent, page), m_options(page) {
    using Id = COption1DialogMgt;
    // The tree component and its style: kept in the page, not shown.
    auto* hidden = new wxBoxSizer(wxHORIZONTAL);
    for (auto [id, caption, style] :
         {std::tuple{Id::IDC_STANDARD_TREE, "Standard", wxRB_GROUP},
          std::tuple{Id::IDC_OTHER_TREE, "Other", 0}, std::tuple{Id::IDC_JAVA, "Java", wxRB_GROUP},
          std::tuple{Id::IDC_JAVA_SCRIPT, "Java Script", 0}}) {
        auto* radio = new wxRadioButton(this, id, caption, wxDefaultPosition, wxDefaultSize, style);
        radio->Hide();
        hidden->Add(radio);
    }
    FindWindow(Id::IDC_STANDARD_TREE)->Disable();
    FindWindow(Id::IDC_OTHER_TREE)->Disable();
    for (int id : {Id::IDC_HEIGHT, Id::IDC_FONT_SIZE}) {
        wxTextCtrl* edit = newEdit(id, 0, 6);
        edit->Hide();
        hidden->Add(edit);
    }
    wxCheckBox* multiUsers = newCheck(this, Id::IDC_MULTI_USERS, "Multi-users management");
    multiUsers->Hide();
    hidden->Add(multiUsers);

    auto* treeForm = controls::newForm();
    addFormRow(treeForm, wxID_ANY, "Width", newEdit(Id::IDC_WIDTH, 0, 6));
    addFormRow(treeForm, wxID_ANY, "Item path frame size in % (default 4%)", newEdit(Id::IDC_IPFS, 0, 6));
    auto* tree = new wxBoxSizer(wxVERTICAL);
    tree->Add(treeForm, 0, wxEXPAND);
    tree->Add(hidden);
    auto* treeGroup = newGroup(wxID_ANY, "Tree menu characteristics", tree);

    auto* checks = new wxBoxSizer(wxVERTICAL);
    for (auto [id, caption] :
         {std::pair{Id::IDC_USE_FRAME, "Use frame to present item paths in the item hierarchy"},
          std::pair{Id::IDC_TWO_LANGUAGES, "Generate site in 2 languages"},
          std::pair{Id::IDC_PAGE_HEADER_IMAGE, "Include page header image"},
          std::pair{Id::IDC_TIPS, "Activate tips of the day"}})
        checks->Add(newCheck(this, id, caption), 0, wxBOTTOM, 4);

    auto* site = controls::newForm();
    addFormRow(site, wxID_ANY, "Site Name", newEdit(Id::IDC_SITE_NAME, 0, 30));
    addFormRow(site, wxID_ANY, "Site Name L2", newEdit(Id::IDC_SITE_NAME_L2, 0, 30));
    addFormRow(site, wxID_ANY, "Charset", newEdit(Id::IDC_CHARSET, 0, 16));
    addFormRow(site, wxID_ANY, "Language 1 (*)", newCombo(this, Id::IDC_LANGUAGE));
    addFormRow(site, wxID_ANY, "Language 2 (*)", newCombo(this, Id::IDC_LANGUAGE2));
    auto* note = new wxBoxSizer(wxVERTICAL);
    for (const char* line :
         {"(*) Read user guide", "'Parameters' section", "to learn how to add", "a new language"})
        note->Add(new wxStaticText(this, wxID_ANY, line));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, Id::IDC_EDIT_TRANSLATION, "Edit translation file"));
    buttons->Add(new wxButton(this, Id::IDC_EDIT_STYLE_SHEETS, "Edit Style Sheets"), 0, wxLEFT, 6);

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(treeGroup, 0, wxEXPAND);
    left->Add(checks, 0, wxTOP, 8);
    left->Add(buttons, 0, wxTOP, 8);
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(site, 0, wxEXPAND);
    right->Add(note, 0, wxTOP, 8);
    auto* content = new wxBoxSizer(wxHORIZONTAL);
    content->Add(left, 0, wxEXPAND);
    content->Add(right, 1, wxEXPAND | wxLEFT, 12);
    finishLayout(content);

    for (auto [id, member] : {std::pair{Id::IDC_USE_FRAME, &page.m_useFrame},
                              std::pair{Id::IDC_TWO_LANGUAGES, &page.m_twoLanguages},
                              std::pair{Id::IDC_MULTI_USERS, &page.m_multiUsers},
                              std::pair{Id::IDC_PAGE_HEADER_IMAGE, &page.m_pageHeaderImage},
                              std::pair{Id::IDC_TIPS, &page.m_tipsActivated}})
        exchangeCheck(id, member);
    for (const OptionNumber& number : COption1DialogMgt::numbers())
        exchangeText(number.controlId, &page.numberText(number.controlId));
    for (auto [id, member] :
         {std::pair{Id::IDC_SITE_NAME, &page.m_siteName}, std::pair{Id::IDC_SITE_NAME_L2, &page.m_siteNameL2},
          std::pair{Id::IDC_CHARSET, &page.m_charset}, std::pair{Id::IDC_LANGUAGE, &page.m_generationLang},
          std::pair{Id::IDC_LANGUAGE2, &page.m_generationLang2}})
        exchangeText(id, member);

    Bind(
        wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnJava(); }, Id::IDC_JAVA);
    Bind(
        wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnJavaScript(); }, Id::IDC_JAVA_SCRIPT);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnEdittranslationfile(); }, Id::IDC_EDIT_TRANSLATION);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnEditstylesheets(); }, Id::IDC_EDIT_STYLE_SHEETS);
}

void COption1DialogView::OnInitDialog() {
    PropertyPageView::OnInitDialog();
    if (m_options.m_javaScriptTreeview) {
        enable(COption1DialogMgt::IDC_HEIGHT, false);
        enable(COption1DialogMgt::IDC_FONT_SIZE, false);
    }
    // The offered languages go under the fields, which keep their texts.
    for (int id : {COption1DialogMgt::IDC_LANGUAGE, COption1DialogMgt::IDC_LANGUAGE2}) {
        auto* combo = static_cast<wxComboBox*>(FindWindow(id));
        const wxString text = combo->GetValue();
        for (const CString& language : m_options.availableLanguages())
            combo->Append(toWx(language));
        combo->ChangeValue(text);
    }
}

void COption1DialogView::updateData(bool save) {
    PropertyPageView::updateData(save);
    using Id = COption1DialogMgt;
    if (save) {
        m_options.m_useStdTreeComponent = isChecked(Id::IDC_STANDARD_TREE) ? 1 : 0;
        m_options.m_javaScriptTreeview = isChecked(Id::IDC_JAVA_SCRIPT) ? 1 : 0;
    } else {
        setRadio(this, m_options.m_useStdTreeComponent ? Id::IDC_STANDARD_TREE : Id::IDC_OTHER_TREE);
        setRadio(this, m_options.m_javaScriptTreeview ? Id::IDC_JAVA_SCRIPT : Id::IDC_JAVA);
    }
}

bool COption1DialogView::OnKillActive() {
    for (const OptionNumber& number : COption1DialogMgt::numbers()) {
        long value = 0;
        if (parseNumber(getText(number.controlId), value) && value >= number.lowest &&
            value <= number.highest)
            continue;
        CString message;
        message.Format("Please enter an integer between %d and %d.", number.lowest, number.highest);
        ui::AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        if (wxWindow* field = FindWindow(number.controlId)) {
            field->SetFocus();
            if (auto* edit = dynamic_cast<wxTextCtrl*>(field))
                edit->SelectAll();
        }
        return false;
    }
    return PropertyPageView::OnKillActive();
}

void COption1DialogView::OnJava() {
    enable(COption1DialogMgt::IDC_HEIGHT, true);
    enable(COption1DialogMgt::IDC_FONT_SIZE, true);
}

void COption1DialogView::OnJavaScript() {
    enable(COption1DialogMgt::IDC_HEIGHT, false);
    enable(COption1DialogMgt::IDC_FONT_SIZE, false);
}

void COption1DialogView::OnEdittranslationfile() {
    if (Project* project = Project::getInstance())
        process::openInTextEditor(project->getProjectDirectory() + "tolvane/trad.ini");
}

void COption1DialogView::OnEditstylesheets() {
    if (Project* project = Project::getInstance())
        process::openWithDesktop(project->getProjectDirectory() + "css");
}

// ----- Process generation feature -----

CProcessOption1DialogView::CProcessOption1DialogView(wxWindow* parent, CProcessOption1DialogMgt& page)
    : PropertyPageView(parent, page), m_options(page) {
    using Id = CProcessOption1DialogMgt;
    auto checkOf = [this](int id) {
        for (const OptionCheck& check : CProcessOption1DialogMgt::checks())
            if (check.controlId == id)
                return newCheck(this, id, check.caption);
        return static_cast<wxCheckBox*>(nullptr);
    };
    auto column = [&checkOf](std::initializer_list<int> ids) {
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        for (int id : ids)
            sizer->Add(checkOf(id), 0, wxBOTTOM, 3);
        return sizer;
    };

    auto* activity = column({1013, 1014, 1018, 1019, 1020, 1022});
    FindWindow(1018)->Hide();
    auto* templateActivity = newCombo(this, Id::IDC_TEMPLATE_ACTIVITY);
    templateActivity->Hide();
    activity->Add(templateActivity);
    auto* separated = new wxBoxSizer(wxHORIZONTAL);
    for (auto [id, caption, style] :
         {std::tuple{Id::IDC_SEPARATED_YES, "Yes", wxRB_GROUP}, std::tuple{Id::IDC_SEPARATED_NO, "No", 0},
          std::tuple{Id::IDC_SEPARATED_ASK, "Ask", 0}}) {
        auto* radio = new wxRadioButton(this, id, caption, wxDefaultPosition, wxDefaultSize, style);
        radio->Hide();
        separated->Add(radio);
    }
    activity->Add(separated);

    wxArrayString places;
    for (const char* place : {"1", "2", "3", "4", "5", "6", "Exclude"})
        places.Add(place);
    auto* order = controls::newForm();
    for (const OptionCheck& entry : CProcessOption1DialogMgt::orders())
        addFormRow(order, wxID_ANY, entry.caption, newCombo(this, entry.controlId, places));

    auto* overview = column({1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1015});
    auto* roleGroup = new wxBoxSizer(wxVERTICAL);
    roleGroup->Add(new wxStaticText(this, wxID_ANY, "For generic role or acting role  group, generate"), 0,
                   wxBOTTOM, 3);
    roleGroup->Add(checkOf(1016));
    auto* process = column({1017, 1021});

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(newGroup(wxID_ANY, "Activity", activity), 0, wxEXPAND);
    left->Add(newGroup(wxID_ANY, "Element order in activity page ", order), 0, wxEXPAND | wxTOP, 6);
    left->Add(newGroup(wxID_ANY, "Role Group", roleGroup), 0, wxEXPAND | wxTOP, 6);
    left->Add(newGroup(wxID_ANY, "Process overview", process), 0, wxEXPAND | wxTOP, 6);
    auto* content = new wxBoxSizer(wxHORIZONTAL);
    content->Add(left, 1, wxEXPAND);
    content->Add(newGroup(wxID_ANY, "Work product overview", overview), 0, wxEXPAND | wxLEFT, 8);
    finishLayout(content);

    for (size_t i = 0; i < CProcessOption1DialogMgt::checks().size(); ++i)
        exchangeCheck(CProcessOption1DialogMgt::checks()[i].controlId, &page.m_checks[i]);
    for (size_t i = 0; i < CProcessOption1DialogMgt::orders().size(); ++i)
        exchangeText(CProcessOption1DialogMgt::orders()[i].controlId, &page.m_orders[i]);
    exchangeText(Id::IDC_TEMPLATE_ACTIVITY, &page.m_templateActivity);
}

CString CProcessOption1DialogView::getToolTipText(int controlId) {
    for (const ToolTip& tip : kProcessToolTips)
        if (tip.controlId == controlId)
            return loadString(tip.stringId);
    return CString();
}

void CProcessOption1DialogView::OnInitDialog() {
    for (const ToolTip& tip : kProcessToolTips)
        FindWindow(tip.controlId)->SetToolTip(toWx(loadString(tip.stringId)));
    auto* templates = static_cast<wxComboBox*>(FindWindow(CProcessOption1DialogMgt::IDC_TEMPLATE_ACTIVITY));
    for (const CString& name : m_options.activityTemplates())
        templates->Append(toWx(name));
    PropertyPageView::OnInitDialog();
}

void CProcessOption1DialogView::updateData(bool save) {
    PropertyPageView::updateData(save);
    using Id = CProcessOption1DialogMgt;
    if (save) {
        m_options.m_separatedPage = isChecked(Id::IDC_SEPARATED_NO)    ? 0
                                    : isChecked(Id::IDC_SEPARATED_YES) ? 1
                                    : isChecked(Id::IDC_SEPARATED_ASK) ? 2
                                                                       : -1;
    } else {
        const int radios[] = {Id::IDC_SEPARATED_NO, Id::IDC_SEPARATED_YES, Id::IDC_SEPARATED_ASK};
        setRadio(this, radios[m_options.m_separatedPage >= 0 && m_options.m_separatedPage <= 2
                                  ? m_options.m_separatedPage
                                  : 2]);
    }
}

// ----- Description popup content -----

CProcessOption2DialogView::CProcessOption2DialogView(wxWindow* parent, CProcessOption2DialogMgt& page)
    : PropertyPageView(parent, page) {
    auto checkOf = [this](int id) {
        for (const OptionCheck& check : CProcessOption2DialogMgt::checks())
            if (check.controlId == id)
                return newCheck(this, id, check.caption);
        return static_cast<wxCheckBox*>(nullptr);
    };
    auto group = [this, &checkOf](const char* caption, std::initializer_list<int> ids) {
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        for (int id : ids)
            sizer->Add(checkOf(id), 0, wxBOTTOM, 3);
        return newGroup(wxID_ANY, caption, sizer);
    };
    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(group("Activity popup content ", {1006, 1007, 1008, 1009, 1010}), 0, wxEXPAND);
    left->Add(group("Macro-activity/Workflow/Phase popup content ", {1011, 1016, 1017}), 0, wxEXPAND | wxTOP,
              6);
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(group("Work product popup content ", {1012, 1013, 1018}), 0, wxEXPAND);
    right->Add(group("Procedure popup content ", {1014}), 0, wxEXPAND | wxTOP, 6);
    right->Add(group("Role popup content ", {1015}), 0, wxEXPAND | wxTOP, 6);
    auto* content = new wxBoxSizer(wxHORIZONTAL);
    content->Add(left, 1, wxEXPAND);
    content->Add(right, 1, wxEXPAND | wxLEFT, 8);
    finishLayout(content);
    for (size_t i = 0; i < CProcessOption2DialogMgt::checks().size(); ++i)
        exchangeCheck(CProcessOption2DialogMgt::checks()[i].controlId, &page.m_checks[i]);
}
