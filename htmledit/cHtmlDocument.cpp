#include "cHtmlDocument.h"

#include "CssText.h"
#include "EditorText.h"
#include "Encoding.h"
#include "cHtmlImg.h"
#include "cHtmlStyle.h"
#include "cHtmlStyleSheet.h"
#include "cHtmlTable.h"
#include "cHtmlTableCell.h"
#include "cHtmlTableRow.h"
#include "ui/UserInterface.h"

namespace {

const char* kindName(cHtmlDocument::SelectionKind kind) {
    switch (kind) {
    case cHtmlDocument::SelectionKind::Caret:
        return "caret";
    case cHtmlDocument::SelectionKind::Text:
        return "text";
    case cHtmlDocument::SelectionKind::Control:
        return "control";
    default:
        return "none";
    }
}

cHtmlDocument::SelectionKind kindOf(const std::string& name) {
    if (name == "caret")
        return cHtmlDocument::SelectionKind::Caret;
    if (name == "text")
        return cHtmlDocument::SelectionKind::Text;
    if (name == "control")
        return cHtmlDocument::SelectionKind::Control;
    return cHtmlDocument::SelectionKind::None;
}

// The first element of that name in document order.
xmlNode* findFirst(xmlNode* node, std::string_view lowerName) {
    for (xmlNode* child = node ? node->children : nullptr; child; child = child->next) {
        if (htmltree::hasName(child, lowerName))
            return child;
        if (xmlNode* found = findFirst(child, lowerName))
            return found;
    }
    return nullptr;
}

void collect(cHtmlDocument* document, xmlNode* node, std::string_view lowerName,
             std::vector<cHtmlElement>& out) {
    for (xmlNode* child = node ? node->children : nullptr; child; child = child->next) {
        if (htmltree::hasName(child, lowerName))
            out.emplace_back(document, child);
        collect(document, child, lowerName, out);
    }
}

bool startsWithDoctype(std::string_view html) {
    const size_t first = html.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && html.size() - first >= 9 &&
           encoding::equalsNoCase(html.substr(first, 9), "<!doctype");
}

} // namespace

cHtmlDocument::cHtmlDocument() {
    m_document = this;
}

cHtmlDocument::~cHtmlDocument() {
    release();
}

void cHtmlDocument::release() {
    // Removed nodes use the document's dictionary: they go first.
    for (xmlNode* node : m_discarded)
        xmlFreeNode(node);
    m_discarded.clear();
    m_tree.reset();
    m_doctype.clear();
    m_node = nullptr;
    m_selection = nullptr;
    m_selectionKind = SelectionKind::None;
    m_defaultFontSize = -1;
}

bool cHtmlDocument::attach(std::string_view html, const CString& url) {
    release();
    m_url = url;
    htmltree::Source source;
    m_tree = htmltree::parse(html, encoding::cp1252ToUtf8(url.str()), &source);
    if (!m_tree)
        return false;
    m_doctype = source.doctype.empty() ? std::string() : htmltree::closedDoctype(source.doctype);
    if (m_doctype.empty() && m_tree->intSubset)
        m_doctype = htmltree::doctypeHtml(m_tree.get());
    m_node = reinterpret_cast<xmlNode*>(m_tree.get());
    takeMarks(m_node);
    m_changes = 0;
    return true;
}

void cHtmlDocument::takeMarks(xmlNode* node) {
    xmlNode* child = node->children;
    while (child) {
        xmlNode* next = child->next;
        if (htmltree::isElement(child)) {
            // The editor adds META elements only; the page's own content always stays.
            if (htmltree::hasName(child, "meta") && htmltree::findAttribute(child, kEditorElementMark)) {
                xmlUnlinkNode(child);
                xmlFreeNode(child);
                child = next;
                continue;
            }
            if (htmltree::findAttribute(child, kSelectionMark)) {
                m_selection = child;
                m_selectionKind = kindOf(htmltree::attributeValue(child, kSelectionMark));
                htmltree::removeAttribute(child, kSelectionMark);
            }
            takeMarks(child);
        }
        child = next;
    }
}

bool cHtmlDocument::loadHtml(std::string_view html) {
    std::string text;
    if (!startsWithDoctype(html) && !m_doctype.empty())
        text = m_doctype + "\n";
    text += html;
    const CString url = m_url;
    return attach(text, url);
}

cHtmlElement cHtmlDocument::getRootElement() {
    return cHtmlElement(this, isValid() ? findFirst(m_node, "html") : nullptr);
}

CString cHtmlDocument::getHtml() {
    return CString(encoding::utf8ToCp1252(htmltree::outerHtml(getRootElement().getNode())));
}

cHtmlElement cHtmlDocument::getHead() {
    return cHtmlElement(this, isValid() ? findFirst(m_node, "head") : nullptr);
}

cHtmlElement cHtmlDocument::getBody() {
    cHtmlElement body(this, isValid() ? findFirst(m_node, "body") : nullptr);
    if (body.isValid() && body.isEmpty())
        body.setInnerHtml("<DIV></DIV>");
    return body;
}

std::vector<cHtmlElement> cHtmlDocument::getElementsByTagName(const CString& tag) {
    std::vector<cHtmlElement> elements;
    if (isValid())
        collect(this, m_node, encoding::toLower(tag.str()), elements);
    return elements;
}

cHtmlElement cHtmlDocument::getSelectionElement(int allowEmpty) {
    if (!m_selection || m_selectionKind == SelectionKind::None)
        return cHtmlElement();
    if (m_selectionKind == SelectionKind::Caret && !allowEmpty)
        return cHtmlElement();
    // A removed element is no selection any more.
    const xmlNode* node = m_selection;
    while (node && node != m_node)
        node = node->parent;
    return node ? cHtmlElement(this, m_selection) : cHtmlElement();
}

void cHtmlDocument::select(const cHtmlElement& element, SelectionKind kind) {
    m_selection = element.getNode();
    m_selectionKind = m_selection ? kind : SelectionKind::None;
}

cHtmlStyleSheet cHtmlDocument::findStyleSheet() {
    for (int attempt = 0; attempt < 2 && isValid(); ++attempt) {
        if (xmlNode* style = findFirst(m_node, "style"))
            return cHtmlStyleSheet(cHtmlElement(this, style));
        cHtmlElement head = getHead();
        if (!head.isValid())
            break;
        head.appendNewElement("STYLE");
    }
    return cHtmlStyleSheet();
}

int cHtmlDocument::setStyleRule(const CString& selector, int property, const CString& value) {
    m_defaultFontSize = -1;
    cHtmlStyleSheet sheet = findStyleSheet();
    return sheet.isValid() ? sheet.setRule(selector, property, value) : 0;
}

void cHtmlDocument::applyPageDefaults() {
    // The size carries its unit: a browser ignores a bare number in a page
    // that declares its document type.
    setStyleRule("BODY", 5, "14px");
    setStyleRule("TABLE", 5, "14px");
    setStyleRule("BODY", 6, "Arial");
    setStyleRule("TABLE", 6, "Arial");
    cHtmlElement body = getBody();
    if (body.isValid()) {
        body.setAttribute("topMargin", "2");
        body.setAttribute("leftMargin", "3");
    }
}

cHtmlTableCell cHtmlDocument::getCurrentCell() {
    const cHtmlElement element = getSelectionElement(1);
    const CString tag = element.getTagName();
    if (tag == "TR" || tag == "TBODY" || tag == "TABLE") {
        reportError("A selection spanning over multiple cells is not allowed.");
        return cHtmlTableCell();
    }
    const cHtmlElement cell = element.findAncestor("TD");
    if (!cell.isValid()) {
        reportError("Please set the cursor into a table cell!");
        return cHtmlTableCell();
    }
    return cHtmlTableCell(cell);
}

int cHtmlDocument::insertRowAt(int after) {
    cHtmlTableCell cell = getCurrentCell();
    if (!cell.isValid())
        return 0;
    cHtmlTable table = cell.getTable();
    return table.insertRow(cell.getRowIndex() + (after ? 1 : 0), table.getColumnCount()).isValid() ? 1 : 0;
}

int cHtmlDocument::insertColumnAt(int right) {
    cHtmlTableCell cell = getCurrentCell();
    if (!cell.isValid())
        return 0;
    cell.getTable().insertColumn(cell.getColumnIndex() + (right ? cell.getColSpan() : 0));
    return 1;
}

CString cHtmlDocument::tableHtml(int rows, int columns) {
    if (rows <= 0 || columns <= 0)
        return CString();
    CString html = "<TABLE border=1 cellpadding=3>";
    for (int row = 0; row < rows; ++row) {
        html += "<TR>";
        for (int column = 0; column < columns; ++column)
            html += "<TD><DIV>&nbsp;</DIV></TD>";
        html += "</TR>";
    }
    return html + "</TABLE>";
}

CString cHtmlDocument::defaultTableHtml() {
    return "<table border=1><tr><td><div>text</div></td><td><div>text</div></td></tr></table>";
}

CString cHtmlDocument::imageHtml(const CString& address) {
    CString html;
    html.Format("<img src=\"%s\" border=0 hspace=3 vspace=3>", address.GetString());
    return html;
}

int cHtmlDocument::applyFontSizePx(int pixels) {
    const cHtmlElement element = getSelectionElement(1).skipAncestors("<A><B><U><I><EM><STRONG><NOBR>");
    if (!element.isValid())
        return 0;
    CString size;
    size.Format("%upx", static_cast<unsigned>(pixels));
    std::vector<cHtmlElement> fonts;
    if (element.getTagName() == "FONT")
        fonts.push_back(element);
    collect(this, element.getNode(), "font", fonts);
    for (cHtmlElement& font : fonts)
        if (!font.getAttribute("size").IsEmpty()) {
            font.removeAttribute("size");
            font.getStyle().setProperty(5, size);
        }
    return 1;
}

int cHtmlDocument::getFontSizePx() {
    cHtmlElement element = getSelectionElement(1);
    while (true) {
        element = element.skipAncestors("<A><B><U><I><EM><STRONG><NOBR>");
        if (!element.isValid())
            break;
        if (element.getTagName() == "FONT") {
            const int size = fontElementSizePx(htmltree::attributeValue(element.getNode(), "style"),
                                               htmltree::attributeValue(element.getNode(), "size"));
            if (size != 0)
                return size;
        }
        element = element.getParent();
    }
    return getDefaultFontSizePx();
}

int cHtmlDocument::getDefaultFontSizePx() {
    if (m_defaultFontSize >= 4)
        return m_defaultFontSize;
    cHtmlStyleSheet sheet = findStyleSheet();
    m_defaultFontSize =
        defaultFontSizePxOf(sheet.isValid() ? htmltree::textOf(sheet.getElement().getNode()) : "");
    return m_defaultFontSize;
}

int cHtmlDocument::fontElementSizePx(const std::string& styleAttribute, const std::string& sizeAttribute) {
    static const int kSizes[] = {10, 14, 16, 18, 24, 32, 48};
    const std::string styled = css::getValue(css::parseDeclarations(styleAttribute), "font-size");
    const int pixels = cssLengthToPx(CString(encoding::utf8ToCp1252(styled)));
    if (pixels != 0)
        return pixels;
    const int size = std::atoi(sizeAttribute.c_str());
    return size >= 1 && size <= 7 ? kSizes[size - 1] : 0;
}

int cHtmlDocument::defaultFontSizePxOf(const std::string& styleSheet) {
    int size = 0;
    for (const css::Rule& rule : css::parseSheet(styleSheet))
        if (css::hasSelector(rule, "BODY")) {
            size =
                cssLengthToPx(CString(encoding::utf8ToCp1252(css::getValue(rule.declarations, "font-size"))));
            break;
        }
    return size < 4 ? 16 : size;
}

void cHtmlDocument::localizeImages() {
    const std::string page = fileUrlToPath(encoding::cp1252ToUtf8(m_url.str()));
    if (page.empty())
        return;
    const std::string folder = folderOf(localPathOf(encoding::cp1252ToUtf8(m_url.str()), "/"));
    for (cHtmlElement& element : getElementsByTagName("IMG")) {
        const std::string src = htmltree::attributeValue(element.getNode(), "src");
        const std::string path = localPathOf(src, folder);
        if (src.empty() || path.empty() || !encoding::equalsNoCase(folderOf(path), folder))
            continue;
        const std::string local = addressFromPage(path, folder);
        if (local != src) {
            htmltree::setAttribute(element.getNode(), "src", local);
            changed();
        }
    }
}

std::string cHtmlDocument::getDocumentHtml(bool markSelection) const {
    htmltree::Mark mark;
    if (markSelection && m_selection && m_selectionKind != SelectionKind::None) {
        mark.node = m_selection;
        mark.attribute = kSelectionMark;
        mark.value = kindName(m_selectionKind);
    }
    return htmltree::documentHtml(m_tree.get(), m_doctype, mark);
}

std::string cHtmlDocument::getEditedHtml(bool& cut) const {
    htmltree::Cut at;
    at.before = htmltree::findGeneratedMarker(m_tree.get());
    if (!at.before && m_tree)
        at.endOf = findFirst(reinterpret_cast<xmlNode*>(m_tree.get()), "body");
    return htmltree::documentHtml(m_tree.get(), m_doctype, htmltree::Mark(), at, &cut);
}

bool cHtmlDocument::removeRefresh() {
    bool removed = false;
    for (cHtmlElement& meta : getElementsByTagName("META"))
        if (isRefresh(meta)) {
            meta.removeNode(1);
            removed = true;
        }
    return removed;
}

bool cHtmlDocument::isRefresh(const cHtmlElement& meta) {
    CString outer = meta.getOuterHtml();
    outer.MakeUpper();
    return outer.Find("REFRESH") > 0;
}

void cHtmlDocument::reportError(const char* text) {
    ui::MessageBox(text, "Error", MB_OK | MB_ICONSTOP);
}

void cHtmlDocument::discard(xmlNode* node) {
    xmlUnlinkNode(node);
    m_discarded.push_back(node);
}
