#include "cHtmlStyle.h"

#include "CssText.h"
#include "Encoding.h"
#include "HtmlTree.h"
#include "cHtmlDocument.h"

const char* cHtmlStyle::propertyName(int index) {
    static const char* const kNames[10] = {
        "background-color", "color",       "border", "border-width", "border-style",
        "font-size",        "font-family", "width",  "height",       "text-decoration"};
    return index >= 0 && index < 10 ? kNames[index] : nullptr;
}

cHtmlStyle::cHtmlStyle(const cHtmlElement& element) : m_element(element) {}

cHtmlStyle::cHtmlStyle(const cHtmlElement& styleElement, const CString& selector)
    : m_element(styleElement), m_selector(selector) {}

CString cHtmlStyle::getProperty(int index) const {
    const char* name = propertyName(index);
    if (!isValid() || !name)
        return CString();
    if (m_selector.IsEmpty())
        return CString(encoding::utf8ToCp1252(css::getValue(
            css::parseDeclarations(htmltree::attributeValue(m_element.getNode(), "style")), name)));
    for (const css::Rule& rule : css::parseSheet(htmltree::textOf(m_element.getNode())))
        if (css::hasSelector(rule, encoding::cp1252ToUtf8(m_selector.str())))
            return CString(encoding::utf8ToCp1252(css::getValue(rule.declarations, name)));
    return CString();
}

int cHtmlStyle::setProperty(int index, const CString& value) {
    const char* name = propertyName(index);
    if (!isValid() || !name)
        return 0;
    const std::string text = encoding::cp1252ToUtf8(value.str());
    xmlNode* node = m_element.getNode();
    if (m_selector.IsEmpty()) {
        css::Declarations declarations = css::parseDeclarations(htmltree::attributeValue(node, "style"));
        if (css::getValue(declarations, name) == text)
            return 1;
        css::setValue(declarations, name, text);
        if (declarations.empty())
            htmltree::removeAttribute(node, "style");
        else
            htmltree::setAttribute(node, "style", css::writeDeclarations(declarations));
        m_element.getDocument()->changed();
        return 1;
    }
    std::vector<css::Rule> rules = css::parseSheet(htmltree::textOf(node));
    for (css::Rule& rule : rules)
        if (css::hasSelector(rule, encoding::cp1252ToUtf8(m_selector.str()))) {
            // A value the rule has already leaves the sheet as it is.
            if (css::getValue(rule.declarations, name) == text)
                return 1;
            css::setValue(rule.declarations, name, text);
            rule.edited = true;
            const std::string sheet = css::writeSheet(rules);
            htmltree::setText(node, sheet);
            m_element.getDocument()->changed();
            return 1;
        }
    return 0;
}
