#pragma once

// "Add File": a document for the page, copied into the item's folder or
// referred to where it is (a local file, a web address, a file elsewhere),
// and the entry that describes it in the page.

#include "CString.h"
#include "TolvaneDialog.h"

class CAddFile : public TolvaneDialog {
public:
    enum ControlId {
        IDC_SELECT_FILE = 1009,
        IDC_DESCRIPTION = 1042,
        IDC_ADD_ENTRY = 1043,
        IDC_NEW_REVISION = 1044,
        IDC_FILE = 1045,
        IDC_NEW_WINDOW = 1046,
        IDC_ITEM_NAME = 1052,
        IDC_ENTRY_KIND = 1065,
        IDC_COPY = 1086,
        IDC_LOCAL_REFERENCE = 1087,
        IDC_HTTP_REFERENCE = 1088,
        IDC_EXTERNAL_REFERENCE = 1089,
    };
    enum ReferenceKind { kCopy = 0, kLocalReference = 1, kHttpReference = 2, kExternalReference = 3 };

    CAddFile(wxWindow* parent, const CString& itemName);

    int GetEntryKind() const { return m_entryKind; }

    bool OnInitDialog() override;
    void OnOK() override;
    void OnSelectFile();
    void OnReferenceKind();
    void OnAddEntry();

    int m_addEntry = 1;
    CString m_file;
    int m_newRevision = 0;
    CString m_description;
    CString m_itemName;
    int m_openInNewWindow = 1;
    int m_entryKind = 0;
    int m_referenceKind = kCopy;
};
