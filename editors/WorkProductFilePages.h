#pragma once

// The "Templates" and "Examples" pages of a work product: two documents,
// each named per content language in a standard and an alternative form,
// with a "Get" button beside each name that picks a file and copies it into
// the work product's folder at once (the examples into its "ar" folder).
// The Examples page also describes the example library; the Templates page
// a semantic per template and a comment.

#include "PropertyPageView.h"

class CWorkProductPPage2;
class ProcessItem;
class Project;
class CWorkProductPPage4;

// What the two pages share: the two document groups with their four names
// and "Get" buttons, the language boxes captioned with the project's labels,
// and the choice and copy of a file.
class WorkProductFilesView : public PropertyPageView {
public:
    using PropertyPageView::PropertyPageView;
    void OnInitDialog() override;
    // Asks for a file and copies it; the edit shows its name.
    void chooseFile(int editId);
    // The copy of a chosen file, and its name shown in the edit.
    void takeFile(int editId, const CString& chosenPath);

protected:
    struct Document {
        const char* caption;
        int language1Box, language2Box;
        // Edits and their "Get" buttons: standard L1, alternative L1, standard L2, alternative L2.
        int edits[4], buttons[4];
        // Members of the page, in the order of the edits.
        CString* members[4];
    };
    wxSizer* newDocument(const Document& document, wxSizer* extra);
    // "" for templates, "ar/" for examples.
    virtual CString subfolder() const = 0;
    virtual Project* project() const = 0;
    virtual ProcessItem* item() const = 0;

    std::vector<int> m_getButtons;
};

class CWorkProductPPage2View : public WorkProductFilesView {
public:
    enum ControlId { IDC_COMMENT = 1110, IDC_SEMANTIC_1 = 1115, IDC_SEMANTIC_2 = 1116 };
    CWorkProductPPage2View(wxWindow* parent, CWorkProductPPage2& page);

protected:
    CString subfolder() const override { return ""; }
    Project* project() const override;
    ProcessItem* item() const override;

private:
    CWorkProductPPage2& m_templates;
};

class CWorkProductPPage4View : public WorkProductFilesView {
public:
    enum ControlId {
        IDC_DEFAULT_LIBRARY = 1006,
        IDC_ADDITIONAL_PATH = 1155,
        IDC_ADDITIONAL_NAME = 1156,
        IDC_LIBRARY_PATH = 1201,
    };
    CWorkProductPPage4View(wxWindow* parent, CWorkProductPPage4& page);
    void OnInitDialog() override;
    void OnExampleLibraryCheck();

protected:
    CString subfolder() const override { return "ar/"; }
    Project* project() const override;
    ProcessItem* item() const override;

private:
    CWorkProductPPage4& m_examples;
};
