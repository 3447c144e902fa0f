#pragma once

// An embedded style sheet of the page (a STYLE element) and its rules.

#include "CString.h"
#include "cHtmlElement.h"
#include "cHtmlStyle.h"

class cHtmlStyleSheet {
public:
    cHtmlStyleSheet() = default;
    explicit cHtmlStyleSheet(const cHtmlElement& styleElement);
    virtual ~cHtmlStyleSheet() = default;

    bool isValid() const { return m_element.isValid(); }
    const cHtmlElement& getElement() const { return m_element; }
    // The style of the first rule whose selector equals selector (case ignored); empty when none.
    cHtmlStyle getRuleStyle(const CString& selector) const;
    // A rule of one property at the end of the sheet.
    int addRule(const CString& selector, int property, const CString& value);
    // Sets the property on the selector's rule, or adds a rule for it.
    int setRule(const CString& selector, int property, const CString& value);

private:
    cHtmlElement m_element;
};
