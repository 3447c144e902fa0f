#include "cHtmlElement.h"

#include "Encoding.h"
#include "HtmlTree.h"
#include "cHtmlDocument.h"
#include "cHtmlStyle.h"

namespace {

CString fromUtf8(const std::string& text) {
    return CString(encoding::utf8ToCp1252(text));
}

std::string toUtf8(const CString& text) {
    return encoding::cp1252ToUtf8(text.str());
}

} // namespace

cHtmlElement::cHtmlElement(cHtmlDocument* document, xmlNode* node)
    : cHtmlDomNode(document, htmltree::isElement(node) ? node : nullptr) {
    if (!m_node)
        m_document = nullptr;
}

CString cHtmlElement::getTagName() const {
    return isValid() ? CString(encoding::toUpper(htmltree::nameOf(m_node))) : CString();
}

cHtmlStyle cHtmlElement::getStyle() const {
    return cHtmlStyle(*this);
}

CString cHtmlElement::getAttribute(const CString& name) const {
    return isValid() ? fromUtf8(htmltree::attributeValue(m_node, name.str())) : CString();
}

int cHtmlElement::setAttribute(const CString& name, const CString& value) {
    if (!isValid() || name.IsEmpty())
        return 0;
    htmltree::setAttribute(m_node, name.str(), toUtf8(value));
    m_document->changed();
    return 1;
}

int cHtmlElement::removeAttribute(const CString& name) {
    if (!isValid() || !htmltree::removeAttribute(m_node, name.str()))
        return 0;
    m_document->changed();
    return 1;
}

int cHtmlElement::isEmpty() const {
    return htmltree::hasBlankContent(m_node) ? 1 : 0;
}

CString cHtmlElement::getInnerHtml() const {
    return isValid() ? fromUtf8(htmltree::innerHtml(m_node)) : CString();
}

int cHtmlElement::setInnerHtml(const CString& html) {
    if (!isValid() || htmltree::isVoidElement(htmltree::nameOf(m_node)))
        return 0;
    while (xmlNode* child = m_node->children)
        m_document->discard(child);
    for (xmlNode* node : htmltree::parseFragment(m_node->doc, toUtf8(html)))
        xmlAddChild(m_node, node);
    m_document->changed();
    return 1;
}

CString cHtmlElement::getOuterHtml() const {
    return isValid() ? fromUtf8(htmltree::outerHtml(m_node)) : CString();
}

cHtmlElement cHtmlElement::getParent() const {
    return isValid() ? cHtmlElement(m_document, m_node->parent) : cHtmlElement();
}

int cHtmlElement::getChildCount() const {
    int count = 0;
    if (isValid())
        for (const xmlNode* child = m_node->children; child; child = child->next)
            count += htmltree::isElement(child) ? 1 : 0;
    return count;
}

cHtmlElement cHtmlElement::getChild(int index) const {
    if (isValid())
        for (xmlNode* child = m_node->children; child; child = child->next)
            if (htmltree::isElement(child) && index-- == 0)
                return cHtmlElement(m_document, child);
    return cHtmlElement();
}

cHtmlElement cHtmlElement::findAncestor(const CString& tag) const {
    for (cHtmlElement element = *this; element.isValid(); element = element.getParent())
        if (element.getTagName() == tag)
            return element;
    return cHtmlElement();
}

cHtmlElement cHtmlElement::skipAncestors(const CString& tagList) const {
    for (cHtmlElement element = *this; element.isValid(); element = element.getParent())
        if (tagList.Find("<" + element.getTagName() + ">") < 0)
            return element;
    return cHtmlElement();
}

int cHtmlElement::insertHtml(const CString& html, int first, int inside) {
    if (!isValid() || (!inside && !m_node->parent))
        return 0;
    const std::vector<xmlNode*> nodes = htmltree::parseFragment(m_node->doc, toUtf8(html));
    if (inside && first) {
        // Each before the first child that was there.
        xmlNode* anchor = m_node->children;
        for (xmlNode* node : nodes)
            if (anchor)
                xmlAddPrevSibling(anchor, node);
            else
                xmlAddChild(m_node, node);
    } else if (inside) {
        for (xmlNode* node : nodes)
            xmlAddChild(m_node, node);
    } else if (first) {
        for (xmlNode* node : nodes)
            xmlAddPrevSibling(m_node, node);
    } else {
        xmlNode* after = m_node;
        for (xmlNode* node : nodes)
            after = xmlAddNextSibling(after, node);
    }
    m_document->changed();
    return 1;
}

cHtmlElement cHtmlElement::appendNewElement(const CString& tag) {
    if (!isValid() || tag.IsEmpty())
        return cHtmlElement();
    const std::string name = encoding::toLower(tag.str());
    xmlNode* node =
        xmlNewDocNode(m_node->doc, nullptr, reinterpret_cast<const xmlChar*>(name.c_str()), nullptr);
    xmlAddChild(m_node, node);
    m_document->changed();
    return cHtmlElement(m_document, node);
}

cHtmlElement cHtmlElement::getNextElement() const {
    if (isValid())
        for (xmlNode* node = m_node->next; node; node = node->next)
            if (htmltree::isElement(node))
                return cHtmlElement(m_document, node);
    return cHtmlElement();
}

cHtmlElement cHtmlElement::getPreviousElement() const {
    if (isValid())
        for (xmlNode* node = m_node->prev; node; node = node->prev)
            if (htmltree::isElement(node))
                return cHtmlElement(m_document, node);
    return cHtmlElement();
}

int cHtmlElement::removeNode(int deep) {
    if (!isValid() || !m_node->parent)
        return 0;
    if (!deep)
        while (xmlNode* child = m_node->children) {
            xmlUnlinkNode(child);
            xmlAddPrevSibling(m_node, child);
        }
    m_document->discard(m_node);
    m_document->changed();
    return 1;
}

int cHtmlElement::setDivContent(const CString& text) {
    return setInnerHtml("<DIV>" + text + "</DIV>");
}
