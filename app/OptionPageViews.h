#pragma once

// The views of the "Options" sheet's pages (OptionPages.h): controls with
// their ids, texts and rules. Controls the page holds hidden keep the value
// they were given and hand it back unchanged.

#include "PropertyPageView.h"

class COption1DialogMgt;
class CProcessOption1DialogMgt;
class CProcessOption2DialogMgt;

class COption1DialogView : public PropertyPageView {
public:
    COption1DialogView(wxWindow* parent, COption1DialogMgt& page);

    // The languages of "AvailableLanguages" fill both language lists; the
    // tree component's radios enable the edits they govern.
    void OnInitDialog() override;
    // A number outside its range, or not a number, keeps the user on the
    // page with that field, saying what it takes.
    bool OnKillActive() override;
    void updateData(bool save) override;
    void OnJava();
    void OnJavaScript();
    void OnEdittranslationfile();
    void OnEditstylesheets();

private:
    COption1DialogMgt& m_options;
};

class CProcessOption1DialogView : public PropertyPageView {
public:
    CProcessOption1DialogView(wxWindow* parent, CProcessOption1DialogMgt& page);
    void OnInitDialog() override;
    void updateData(bool save) override;
    // The tooltip text of a control; empty for the others.
    static CString getToolTipText(int controlId);

private:
    CProcessOption1DialogMgt& m_options;
};

class CProcessOption2DialogView : public PropertyPageView {
public:
    CProcessOption2DialogView(wxWindow* parent, CProcessOption2DialogMgt& page);
};
