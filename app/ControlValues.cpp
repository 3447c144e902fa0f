#include "ControlValues.h"

#include "WxText.h"

#include <algorithm>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

CString controls::getText(const wxWindow* parent, int id) {
    wxWindow* control = parent->FindWindow(id);
    if (!control)
        return CString();
    if (auto* entry = dynamic_cast<wxTextEntry*>(control))
        return fromWx(entry->GetValue());
    if (auto* list = dynamic_cast<wxChoice*>(control))
        return fromWx(list->GetStringSelection());
    return fromWx(control->GetLabel());
}

void controls::setText(wxWindow* parent, int id, const CString& text) {
    wxWindow* control = parent->FindWindow(id);
    if (!control)
        return;
    if (auto* entry = dynamic_cast<wxTextEntry*>(control))
        entry->ChangeValue(toWx(text));
    else if (auto* list = dynamic_cast<wxChoice*>(control))
        list->SetSelection(list->FindString(toWx(text), true));
    else
        control->SetLabel(toWx(text));
}

bool controls::isChecked(const wxWindow* parent, int id) {
    wxWindow* control = parent->FindWindow(id);
    if (auto* box = dynamic_cast<wxCheckBox*>(control))
        return box->GetValue();
    if (auto* radio = dynamic_cast<wxRadioButton*>(control))
        return radio->GetValue();
    return false;
}

void controls::setChecked(wxWindow* parent, int id, bool checked) {
    wxWindow* control = parent->FindWindow(id);
    if (auto* box = dynamic_cast<wxCheckBox*>(control))
        box->SetValue(checked);
    else if (auto* radio = dynamic_cast<wxRadioButton*>(control))
        radio->SetValue(checked);
}

void controls::enable(wxWindow* parent, int id, bool enabled) {
    if (wxWindow* control = parent->FindWindow(id))
        control->Enable(enabled);
}

void controls::copySelectedEntry(wxWindow* parent, int sourceId, int targetId) {
    auto* source = static_cast<wxListBox*>(parent->FindWindow(sourceId));
    auto* target = static_cast<wxListBox*>(parent->FindWindow(targetId));
    const int selected = source->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    const wxString text = source->GetString(static_cast<unsigned>(selected));
    if (target->FindString(text, true) != wxNOT_FOUND)
        return;
    const int added = target->Append(text);
    if (source->HasClientUntypedData())
        target->SetClientData(static_cast<unsigned>(added),
                              source->GetClientData(static_cast<unsigned>(selected)));
}

void controls::deleteSelectedEntry(wxWindow* parent, int listId) {
    auto* list = static_cast<wxListBox*>(parent->FindWindow(listId));
    const int selected = list->GetSelection();
    if (selected != wxNOT_FOUND)
        list->Delete(static_cast<unsigned>(selected));
}

void controls::fitListsToEntries(wxWindow* dialog, std::initializer_list<int> listIds) {
    std::vector<wxListBox*> lists;
    int longest = 0;
    for (int id : listIds)
        if (auto* list = dynamic_cast<wxListBox*>(dialog->FindWindow(id))) {
            list->InvalidateBestSize();
            longest = std::max(longest, list->GetBestSize().x);
            lists.push_back(list);
        }
    for (wxListBox* list : lists) {
        const wxSize least = list->GetMinSize();
        list->SetMinSize(wxSize(std::max(least.x, longest), least.y));
    }
    if (wxSizer* sizer = dialog->GetSizer()) {
        sizer->SetSizeHints(dialog);
        dialog->SetMinSize(dialog->GetSize());
    }
}

wxStaticBoxSizer* controls::newGroup(wxWindow* parent, int id, const CString& caption, wxSizer* content) {
    auto* group = new wxStaticBoxSizer(new wxStaticBox(parent, id, toWx(caption)), wxVERTICAL);
    group->Add(content, 1, wxEXPAND | wxALL, 6);
    return group;
}

wxFlexGridSizer* controls::newForm() {
    auto* form = new wxFlexGridSizer(2, 6, 8);
    form->AddGrowableCol(1);
    return form;
}

void controls::addFormRow(wxWindow* parent, wxFlexGridSizer* form, int labelId, const CString& label,
                          wxWindow* control) {
    form->Add(new wxStaticText(parent, labelId, toWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    form->Add(control, 1, wxEXPAND);
}

void controls::addFormRow(wxWindow* parent, wxFlexGridSizer* form, int labelId, const CString& label,
                          wxSizer* row) {
    form->Add(new wxStaticText(parent, labelId, toWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    form->Add(row, 1, wxEXPAND);
}

wxTextCtrl* controls::newEdit(wxWindow* parent, int id, long style, int columns) {
    auto* edit = new wxTextCtrl(parent, id, "", wxDefaultPosition, wxDefaultSize, style);
    edit->SetMinSize(wxSize(edit->GetTextExtent(wxString('x', columns)).GetWidth() + 12, -1));
    return edit;
}

void ControlExchange::update(wxWindow* parent, bool save) const {
    for (const Exchange& exchange : m_exchanges) {
        if (exchange.text) {
            if (save)
                *exchange.text = controls::getText(parent, exchange.id);
            else
                controls::setText(parent, exchange.id, *exchange.text);
        } else if (exchange.value) {
            auto* control = dynamic_cast<ExchangedValueControl*>(parent->FindWindow(exchange.id));
            wxCHECK2_MSG(control, continue, "not a drop-down picker button");
            if (save)
                *exchange.value = control->getExchangedValue();
            else
                control->setExchangedValue(*exchange.value);
        } else if (exchange.selection) {
            auto* list = dynamic_cast<wxChoice*>(parent->FindWindow(exchange.id));
            if (!list)
                continue;
            if (save)
                *exchange.selection = std::max(list->GetSelection(), 0);
            else
                list->SetSelection(*exchange.selection);
        } else if (save) {
            *exchange.flag = controls::isChecked(parent, exchange.id) ? 1 : 0;
        } else {
            controls::setChecked(parent, exchange.id, *exchange.flag != 0);
        }
    }
}
