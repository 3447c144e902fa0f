#include "PageLists.h"

#include "WxText.h"

#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>

CString pageLists::selectedText(const wxWindow* page, int listId) {
    auto* list = dynamic_cast<wxListBox*>(page->FindWindow(listId));
    const int selected = list ? list->GetSelection() : wxNOT_FOUND;
    return selected == wxNOT_FOUND ? CString() : fromWx(list->GetString(static_cast<unsigned>(selected)));
}

ProcessItem* pageLists::selectedItem(const wxWindow* page, int listId) {
    auto* list = dynamic_cast<wxListBox*>(page->FindWindow(listId));
    const int selected = list ? list->GetSelection() : wxNOT_FOUND;
    return selected == wxNOT_FOUND
               ? nullptr
               : static_cast<ProcessItem*>(list->GetClientData(static_cast<unsigned>(selected)));
}

void pageLists::selectByPrefix(wxComboBox* combo, const CString& text) {
    for (unsigned i = 0; !text.IsEmpty() && i < combo->GetCount(); ++i)
        if (fromWx(combo->GetString(i)).Left(text.GetLength()).CompareNoCase(text) == 0) {
            combo->SetSelection(static_cast<int>(i));
            return;
        }
}

void pageLists::selectByData(wxChoice* list, const void* item) {
    list->SetSelection(0);
    for (unsigned i = 1; item && i < list->GetCount(); ++i)
        if (list->GetClientData(i) == item)
            list->SetSelection(static_cast<int>(i));
}
