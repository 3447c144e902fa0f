#pragma once

// An item's modal property sheet: a title and its pages in order. The pages
// belong to the builder, which reads them back after OK.

#include "CString.h"

#include <vector>

class PropertyPage;

class PropertySheet {
public:
    explicit PropertySheet(const CString& title) : m_title(title) {}

    void addPage(PropertyPage* page) { m_pages.push_back(page); }
    const std::vector<PropertyPage*>& getPages() const { return m_pages; }
    const CString& getTitle() const { return m_title; }
    // Shows the sheet through the editing service: IDOK or IDCANCEL.
    int DoModal();

private:
    CString m_title;
    std::vector<PropertyPage*> m_pages;
};
