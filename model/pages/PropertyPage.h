#pragma once

// One page of an item's property sheet, as the sheet's builder sees it: the
// values it loaded from the item, which the user edits while the sheet is
// open and the builder reads back after OK. The GUI shows each page with a
// view bound to these members; without a GUI, tests set them directly.

#include "CString.h"

class PropertyPage {
public:
    PropertyPage(int templateId, const CString& caption) : m_templateId(templateId), m_caption(caption) {}
    virtual ~PropertyPage() = default;
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    int getTemplateId() const { return m_templateId; }
    // The tab text: the page's own caption unless the builder gave another.
    const CString& getCaption() const { return m_caption; }
    void setCaption(const CString& caption) { m_caption = caption; }

    // The user leaves the page (or presses OK on it): false keeps it open.
    virtual bool onKillActive() { return true; }
    // The sheet closes with OK.
    virtual void onOK() {}

private:
    int m_templateId;
    CString m_caption;
};
