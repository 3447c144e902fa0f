#pragma once

// "Change item kind: non dual to dual": the name and purpose of an item that
// becomes a page of the site, and whether its page is written at once.
// The caller may give a check of the name, run on OK: a name it refuses
// (with its message) keeps the dialog open, since the item's folder is
// made from it.

#include "TolvaneDialog.h"

#include <functional>

class CCIK_NDTD : public TolvaneDialog {
public:
    enum ControlId {
        IDC_CREATE_PAGE = 1024,
        IDC_PAGE_KIND = 1025,
        IDC_PAGE_KIND_LABEL = 1037,
        IDC_NAME = 1022,
        IDC_PURPOSE_LABEL = 1041,
        IDC_PURPOSE = 1042,
    };

    CCIK_NDTD(const CString& name, wxWindow* parent);

    void OnOK() override;

    int m_createPage = 1;
    CString m_purpose;
    CString m_name;
    // The only kind of page there is; it changes nothing.
    CString m_pageKind = "Standard";
    std::function<bool(const CString& name)> m_nameCheck;
};
