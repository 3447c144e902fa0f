#pragma once

// A picture of the page.

#include "CString.h"
#include "cHtmlElement.h"

class cHtmlImg : public cHtmlElement {
public:
    cHtmlImg() = default;
    // Empty unless the element is an IMG.
    explicit cHtmlImg(const cHtmlElement& element);

    // The address of the picture resolved against the page's address.
    CString getHref() const;
    int setSrc(const CString& src);
};
