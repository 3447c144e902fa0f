#pragma once

// The style of an element (its "style" attribute) or of one rule of an
// embedded style sheet, read and written by property index:
// 0 background-color, 1 color, 2 border, 3 border-width, 4 border-style,
// 5 font-size, 6 font-family, 7 width, 8 height, 9 text-decoration.

#include "CString.h"
#include "cHtmlElement.h"

class cHtmlStyle {
public:
    cHtmlStyle() = default;
    // The inline style of the element.
    explicit cHtmlStyle(const cHtmlElement& element);
    // The rule of the style element whose selector equals selector (case ignored).
    cHtmlStyle(const cHtmlElement& styleElement, const CString& selector);
    virtual ~cHtmlStyle() = default;

    bool isValid() const { return m_element.isValid(); }
    // The property's value; empty when unset or for an index outside 0 to 9.
    CString getProperty(int index) const;
    // An empty value clears the property. 0 for an index outside 0 to 9.
    int setProperty(int index, const CString& value);

    // The CSS name of a property index; null outside 0 to 9.
    static const char* propertyName(int index);

private:
    cHtmlElement m_element;
    CString m_selector; // empty for the inline style
};
