#pragma once

// The view of one page of an item's property sheet: a panel laid out with
// sizers whose controls carry the page's control ids and show the members
// of the page's value class (model/pages). The sheet opens a page's view
// the first time the page is shown (OnInitDialog fills the controls); when
// the user leaves the page or closes the sheet with OK the controls go back
// into the members (OnKillActive), so a page never shown hands back what
// its value class loaded.
//
// Handlers are plain member functions: tests build the view, set its
// controls, call the handlers and read the members.

#include "CString.h"
#include "ControlValues.h"

#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

class PropertyPage;

class PropertyPageView : public wxPanel {
public:
    PropertyPageView(wxWindow* parent, PropertyPage& page);

    PropertyPage& getPage() const { return m_page; }
    // Whether OnInitDialog ran: the page was shown.
    bool isInitialised() const { return m_initialised; }
    // Runs OnInitDialog the first time it is called.
    void ensureInitialised();

    // The page is shown for the first time: the members go into the controls.
    virtual void OnInitDialog();
    // The user leaves the page, or presses OK while it is shown: the
    // controls go into the members, then the page's own check decides
    // whether it may be left (false keeps the sheet on it).
    virtual bool OnKillActive();
    // The sheet closes with OK; called for every page that was shown.
    virtual void OnOK() {}
    // save: from the controls into the members; otherwise the other way.
    virtual void updateData(bool save);

    CString getText(int id) const { return controls::getText(this, id); }
    void setText(int id, const CString& text) { controls::setText(this, id, text); }
    bool isChecked(int id) const { return controls::isChecked(this, id); }
    void setChecked(int id, bool checked) { controls::setChecked(this, id, checked); }
    void enable(int id, bool enabled) { controls::enable(this, id, enabled); }

protected:
    void exchangeText(int id, CString* member) { m_exchange.addText(id, member); }
    void exchangeCheck(int id, int* member) { m_exchange.addCheck(id, member); }
    // Puts the content into the panel with the pages' padding and makes it
    // never smaller than its controls need.
    void finishLayout(wxSizer* content);

    // Pieces of a layout, the panel being the controls' parent.
    wxStaticBoxSizer* newGroup(int id, const CString& caption, wxSizer* content) {
        return controls::newGroup(this, id, caption, content);
    }
    void addFormRow(wxFlexGridSizer* form, int labelId, const CString& label, wxWindow* control) {
        controls::addFormRow(this, form, labelId, label, control);
    }
    wxTextCtrl* newEdit(int id, long style = 0, int columns = 24) {
        return controls::newEdit(this, id, style, columns);
    }
    // A text of several lines in a group box: Enter makes a new line; with
    // horizontalScroll long lines scroll instead of wrapping.
    wxStaticBoxSizer* newTextGroup(int id, const CString& caption, bool horizontalScroll = false,
                                   int minimumLines = 12);

    // Runs a handler of the page's view when control id sends the command.
    template <class View>
    void bindCommand(const wxEventTypeTag<wxCommandEvent>& type, int id, void (View::*handler)()) {
        View* view = static_cast<View*>(this);
        Bind(
            type, [view, handler](wxCommandEvent&) { (view->*handler)(); }, id);
    }

private:
    PropertyPage& m_page;
    ControlExchange m_exchange;
    bool m_initialised = false;
};
