#include "ExtendedPropertyPage.h"

#include <wx/listbox.h>

namespace {

wxListBox* listBox(wxWindow* page, int id) {
    return dynamic_cast<wxListBox*>(page->FindWindow(id));
}

} // namespace

void ExtendedPropertyPage::addSelectedToList(int sourceListId, int targetListId, int qualifierListId,
                                             bool copyItemData) {
    wxListBox* source = listBox(this, sourceListId);
    wxListBox* target = listBox(this, targetListId);
    if (!source || !target)
        return;
    const int selected = source->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    wxString text = source->GetString(selected);
    if (text.empty())
        return;
    if (wxListBox* qualifier = qualifierListId ? listBox(this, qualifierListId) : nullptr) {
        const int chosen = qualifier->GetSelection();
        if (chosen != wxNOT_FOUND && !qualifier->GetString(chosen).empty())
            text += "/" + qualifier->GetString(chosen);
    }
    if (target->FindString(text, false) != wxNOT_FOUND)
        return;
    if (copyItemData)
        target->Append(text, source->GetClientData(selected));
    else
        target->Append(text);
}

int ExtendedPropertyPage::removeSelectedFromList(int listId) {
    wxListBox* list = listBox(this, listId);
    const int selected = list ? list->GetSelection() : wxNOT_FOUND;
    if (selected == wxNOT_FOUND)
        return -1;
    list->Delete(selected);
    return static_cast<int>(list->GetCount());
}
