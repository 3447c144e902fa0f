#include "cHtmlStyleSheet.h"

#include "CssText.h"
#include "Encoding.h"
#include "HtmlTree.h"
#include "cHtmlDocument.h"

cHtmlStyleSheet::cHtmlStyleSheet(const cHtmlElement& styleElement)
    : m_element(htmltree::hasName(styleElement.getNode(), "style") ? styleElement : cHtmlElement()) {}

cHtmlStyle cHtmlStyleSheet::getRuleStyle(const CString& selector) const {
    if (isValid())
        for (const css::Rule& rule : css::parseSheet(htmltree::textOf(m_element.getNode())))
            if (css::hasSelector(rule, encoding::cp1252ToUtf8(selector.str())))
                return cHtmlStyle(m_element, selector);
    return cHtmlStyle();
}

int cHtmlStyleSheet::addRule(const CString& selector, int property, const CString& value) {
    const char* name = cHtmlStyle::propertyName(property);
    if (!isValid() || !name || selector.IsEmpty())
        return 0;
    xmlNode* node = m_element.getNode();
    std::vector<css::Rule> rules = css::parseSheet(htmltree::textOf(node));
    css::Rule rule;
    rule.selector = encoding::cp1252ToUtf8(selector.str());
    css::setValue(rule.declarations, name, encoding::cp1252ToUtf8(value.str()));
    rules.push_back(std::move(rule));
    const std::string sheet = css::writeSheet(rules);
    htmltree::setText(node, sheet);
    m_element.getDocument()->changed();
    return 1;
}

int cHtmlStyleSheet::setRule(const CString& selector, int property, const CString& value) {
    cHtmlStyle style = getRuleStyle(selector);
    if (style.isValid())
        return style.setProperty(property, value);
    return addRule(selector, property, value);
}
