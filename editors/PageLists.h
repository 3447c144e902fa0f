#pragma once

// What the item pages do alike with their lists: read the selected text of
// a list box and the item its entry stands for, select the first entry of a combo box that begins with a text
// (ignoring case) as the stored value of a free-text combo is shown, and
// select the entry of a drop-down list that stands for an item.

#include "CString.h"

class ProcessItem;
class wxChoice;
class wxComboBox;
class wxWindow;

namespace pageLists {

// The selected text of the list box; "" when nothing is selected.
CString selectedText(const wxWindow* page, int listId);
// The item that the selected entry of the list box stands for (its item
// data); null when nothing is selected.
ProcessItem* selectedItem(const wxWindow* page, int listId);
// Selects the first entry that begins with the text; when none does (or the
// text is empty) the combo keeps the text in its edit field.
void selectByPrefix(wxComboBox* combo, const CString& text);
// Selects the entry whose item data is the item; the first entry when none is.
void selectByData(wxChoice* list, const void* item);

} // namespace pageLists
