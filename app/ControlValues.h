#pragma once

// What dialogs and property pages share about their controls: reading and
// setting a control named by its id inside a window (the text of an edit,
// a combo box, a list or a label; the state of a check box or a radio
// button), the members exchanged with controls, and the pieces of a layout
// (groups, forms of labelled rows, edits of a given width).

#include "CString.h"
#include "WinTypes.h"

#include <initializer_list>
#include <vector>

class wxFlexGridSizer;
class wxSizer;
class wxStaticBoxSizer;
class wxTextCtrl;
class wxWindow;

namespace controls {

CString getText(const wxWindow* parent, int id);
void setText(wxWindow* parent, int id, const CString& text);
bool isChecked(const wxWindow* parent, int id);
void setChecked(wxWindow* parent, int id, bool checked);
void enable(wxWindow* parent, int id, bool enabled);

// A group's box only frames its content, whose controls are the parent's
// own: disabling a box leaves them as they are.
wxStaticBoxSizer* newGroup(wxWindow* parent, int id, const CString& caption, wxSizer* content);
// Rows of a label and its control; the controls take the width left.
wxFlexGridSizer* newForm();
void addFormRow(wxWindow* parent, wxFlexGridSizer* form, int labelId, const CString& label,
                wxWindow* control);
void addFormRow(wxWindow* parent, wxFlexGridSizer* form, int labelId, const CString& label, wxSizer* row);
// An edit wide enough for about `columns` characters.
wxTextCtrl* newEdit(wxWindow* parent, int id, long style = 0, int columns = 24);

// The ">>  Add" of two list boxes: the selected entry of the source list
// box (by id) goes into the target with its item data, unless the target
// already holds exactly that text. And "<< Remove": the selected entry of
// a list box is deleted. Nothing happens without a selection.
void copySelectedEntry(wxWindow* parent, int sourceId, int targetId);
void deleteSelectedEntry(wxWindow* parent, int listId);
// Once list boxes whose entries move between them are filled: they are
// made as wide as the longest entry of any of them, and the dialog grows to
// hold them, so that no entry shows cut.
void fitListsToEntries(wxWindow* dialog, std::initializer_list<int> listIds);

} // namespace controls

// A control whose value is a number (the drop-down pickers' colour or pen
// style), exchanged with a member of its dialog.
class ExchangedValueControl {
public:
    virtual ~ExchangedValueControl() = default;
    virtual DWORD getExchangedValue() const = 0;
    virtual void setExchangedValue(DWORD value) = 0;
};

// Members exchanged with the controls of a window, in the order registered.
class ControlExchange {
public:
    void addText(int id, CString* member) { m_exchanges.push_back({id, member, nullptr, nullptr, nullptr}); }
    void addCheck(int id, int* member) { m_exchanges.push_back({id, nullptr, member, nullptr, nullptr}); }
    // The index of the entry chosen in a drop-down list (0 when none is).
    void addSelection(int id, int* member) { m_exchanges.push_back({id, nullptr, nullptr, member, nullptr}); }
    // The value of a drop-down colour or line-style button.
    void addDropColorButton(int id, DWORD* member) {
        m_exchanges.push_back({id, nullptr, nullptr, nullptr, member});
    }
    // save: from the controls into the members; otherwise the other way.
    void update(wxWindow* parent, bool save) const;

private:
    struct Exchange {
        int id;
        CString* text;
        int* flag;
        int* selection;
        DWORD* value;
    };
    std::vector<Exchange> m_exchanges;
};
