#include "cHtmlHR.h"

#include "HtmlTree.h"

namespace {

const char* const kAttributes[] = {"color", "size", "width"};

} // namespace

cHtmlHR::cHtmlHR(const cHtmlElement& element)
    : cHtmlElement(element.getTagName() == "HR" ? element : cHtmlElement()) {}

CString cHtmlHR::getProperty(int index) const {
    if (!isValid() || index < 0 || index > 2)
        return CString();
    CString value = getAttribute(kAttributes[index]);
    if (value.IsEmpty() && index == 1)
        value = "2";
    if (value.IsEmpty() && index == 2)
        value = "100%";
    value.MakeUpper();
    return value;
}

int cHtmlHR::setProperty(int index, const CString& value) {
    if (!isValid() || index < 0 || index > 2)
        return 0;
    if (value.IsEmpty())
        removeAttribute(kAttributes[index]);
    else
        setAttribute(kAttributes[index], value);
    return 1;
}

int cHtmlHR::isShaded() const {
    return isValid() && !htmltree::findAttribute(m_node, "noshade") ? 1 : 0;
}

void cHtmlHR::setShaded(int shaded) {
    if (shaded)
        removeAttribute("noShade");
    else
        setAttribute("noShade", "noshade");
}
