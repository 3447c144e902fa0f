#pragma once

// A separator (horizontal rule) of the page. Properties by index: 0 color,
// 1 size, 2 width, read in upper case; an unset size reads "2" and an unset
// width "100%", as the browser draws them.

#include "CString.h"
#include "cHtmlElement.h"

class cHtmlHR : public cHtmlElement {
public:
    cHtmlHR() = default;
    // Empty unless the element is an HR.
    explicit cHtmlHR(const cHtmlElement& element);

    CString getProperty(int index) const;
    // An empty value removes the attribute.
    int setProperty(int index, const CString& value);
    // Drawn with shade: no "noshade" attribute.
    int isShaded() const;
    void setShaded(int shaded);
};
