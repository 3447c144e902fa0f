#pragma once

// An element of the page editor's document, with the operations the editor
// needs of it. Tag names are given in upper case; attribute names are
// compared ignoring case. HTML text comes back in the program's code page
// with every character above 126 as a numeric reference. Every operation on
// an empty wrapper answers an empty wrapper, an empty text or 0.

#include "CString.h"
#include "cHtmlDomNode.h"

class cHtmlStyle;

class cHtmlElement : public cHtmlDomNode {
public:
    cHtmlElement() = default;
    // Empty unless node is an element.
    cHtmlElement(cHtmlDocument* document, xmlNode* node);

    bool isValid() const { return m_node != nullptr; }
    CString getTagName() const;
    // The element's inline style.
    cHtmlStyle getStyle() const;
    CString getAttribute(const CString& name) const;
    int setAttribute(const CString& name, const CString& value);
    // Whether the attribute was there and is removed.
    int removeAttribute(const CString& name);
    // Whether the inner HTML, trimmed of line ends, blanks and tabs, is empty.
    int isEmpty() const;
    CString getInnerHtml() const;
    int setInnerHtml(const CString& html);
    CString getOuterHtml() const;
    cHtmlElement getParent() const;
    // The element children.
    int getChildCount() const;
    cHtmlElement getChild(int index) const;
    // This element or its nearest ancestor whose tag is tag (upper case); empty when none.
    cHtmlElement findAncestor(const CString& tag) const;
    // This element or its nearest ancestor whose bracketed tag ("<B>") is not in the list.
    cHtmlElement skipAncestors(const CString& tagList) const;
    // Inserts the HTML at the start (first) or end of the content (inside),
    // or before (first) or after the element (outside). 1 when inserted.
    int insertHtml(const CString& html, int first, int inside);
    // A new element of that tag, appended as the last child.
    cHtmlElement appendNewElement(const CString& tag);
    // The next or previous sibling that is an element.
    cHtmlElement getNextElement() const;
    cHtmlElement getPreviousElement() const;
    // deep: the element with its content; otherwise its tag only, the
    // content staying in its place. 1 when removed.
    int removeNode(int deep);
    // Inner HTML := "<DIV>" + text + "</DIV>".
    int setDivContent(const CString& text);
};
