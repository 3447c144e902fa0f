// The clean-up of cHtmlDocument: the page is kept within the small subset
// of HTML the editor writes.

#include "cHtmlDocument.h"

#include "CssText.h"
#include "Encoding.h"
#include "HtmlTree.h"
#include "ui/UserInterface.h"

namespace {

// Removed with everything in them, and reported.
const char* const kRemovedWithContent =
    "<COLGROUP><NOSCRIPT><FRAMESET><IFRAME><LAYER><SELECT><OBJECT><APPLET><CAPTION>";
// Removed when they hold nothing; not reported.
const char* const kRemovedWhenEmpty =
    "<A><SPAN><FONT><EM><I><STRONG><B><U><NOBR><THEAD><TFOOT><TR><TITLE><BLOCKQUOTE>";
const char* const kKept = "<HTML><BODY><HEAD><DIV><BR><TABLE><TBODY><TR><TD><OL><UL><LI><HR><IMG><WBR><MAP><"
                          "AREA><LINK><H1><SCRIPT>";
// Written as a bold line of a font size.
const char* const kConvertedHeadings = "<H2><H3><H4><H5><H6>";
// These keep their inline style.
const char* const kStyleKept = "<FONT><TABLE><IMG>";
const char* const kEventAttributes[] = {"onMousedown", "onMouseover", "onMouseout", "onClick", "onLoad"};

bool inList(const char* list, const CString& tag) {
    return CString(list).Find(tag) >= 0;
}

void numberNodes(const xmlNode* node, std::unordered_map<const xmlNode*, int>& order, int& next,
                 int& marker) {
    for (const xmlNode* child = node->children; child; child = child->next) {
        order[child] = next++;
        if (marker < 0 && child->type == XML_COMMENT_NODE) {
            CString text(htmltree::textOf(child));
            text.Trim();
            if (text.CompareNoCase("PROCESS_HYPERLINK") == 0)
                marker = order[child];
        }
        numberNodes(child, order, next, marker);
    }
}

// The browser writes what its alignment and background colour commands do
// as inline style, which the clean-up takes away: the alignment is kept as
// the element's align attribute, and a background-coloured span becomes a
// FONT with that colour, the forms the pages keep. Answers whether the
// element became a FONT.
bool keepCommandStyle(cHtmlElement& element) {
    const CString style = element.getAttribute("Style");
    if (style.IsEmpty())
        return false;
    const css::Declarations declarations = css::parseDeclarations(style.str());
    const std::string align = css::getValue(declarations, "text-align");
    if (!align.empty() && element.getAttribute("align").IsEmpty())
        element.setAttribute("align", CString(align));
    const std::string background = css::getValue(declarations, "background-color");
    if (background.empty() || element.getTagName() != "SPAN")
        return false;
    css::Declarations kept;
    css::setValue(kept, "background-color", background);
    xmlNodeSetName(element.getNode(), reinterpret_cast<const xmlChar*>("font"));
    element.setAttribute("style", CString(css::writeDeclarations(kept)));
    return true;
}

} // namespace

void cHtmlDocument::findMarker() {
    m_order.clear();
    m_markerOrder = -1;
    int next = 0;
    if (isValid())
        numberNodes(m_node, m_order, next, m_markerOrder);
}

bool cHtmlDocument::isGenerated(const xmlNode* node) const {
    if (m_markerOrder < 0)
        return false;
    const auto found = m_order.find(node);
    return found != m_order.end() && found->second > m_markerOrder;
}

void cHtmlDocument::removeUnsupportedTags() {
    if (!isValid())
        return;
    getBody();
    findMarker();
    CString report;
    cleanElement(getRootElement(), report);
    m_order.clear();
    m_markerOrder = -1;
    if (m_host)
        m_host->notifyHost(5003);
    if (!report.IsEmpty())
        ui::MessageBox("The following tags have been removed as the Editor does not support them:\n" + report,
                       "Unsupported Tags", MB_OK | MB_ICONEXCLAMATION);
}

void cHtmlDocument::cleanElement(cHtmlElement element, CString& report) {
    if (!element.isValid())
        return;
    const CString name = element.getTagName();
    if (name.IsEmpty())
        return;
    const CString tag = "<" + name + ">";
    bool reported = false;
    if (inList(kRemovedWithContent, tag)) {
        element.removeNode(1);
        reported = true;
    } else if (tag == "<STYLE>") {
        element.removeNode(1);
        return;
    } else if (tag == "<META>") {
        if (isRefresh(element))
            element.removeNode(1);
        return;
    } else {
        // A heading cell becomes a normal cell, keeping its row.
        CString kind = tag;
        if (tag == "<TH>") {
            xmlNodeSetName(element.getNode(), reinterpret_cast<const xmlChar*>("td"));
            changed();
            kind = "<TD>";
            reported = true;
        }
        if (!inList(kStyleKept, kind) && keepCommandStyle(element))
            kind = "<FONT>";
        if (!inList(kStyleKept, kind))
            element.removeAttribute("Style");
        for (const char* attribute : kEventAttributes)
            element.removeAttribute(attribute);
        // Children from the last to the first, as they were before the walk.
        std::vector<cHtmlElement> children;
        for (int i = 0; i < element.getChildCount(); ++i)
            children.push_back(element.getChild(i));
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            if (!isGenerated(child->getNode()))
                cleanElement(*child, report);
        if (inList(kConvertedHeadings, kind)) {
            convertHeading(kind, element);
            return;
        }
        if (kind == "<P>") {
            convertParagraph(element);
            return;
        }
        if (inList(kRemovedWhenEmpty, kind)) {
            if (element.isEmpty())
                element.removeNode(1);
            return;
        }
        if (!reported && inList(kKept, kind))
            return;
        if (!reported) {
            element.removeNode(0);
            reported = true;
        }
    }
    if (reported && report.Find(tag) < 0 && tag.GetLength() > 1 && tag[1] != '/')
        report += " " + tag;
}

int cHtmlDocument::convertHeading(const CString& tag, cHtmlElement element) {
    int size = 0;
    if (tag == "<H2>")
        size = 5;
    else if (tag == "<H3>")
        size = 4;
    else if (tag == "<H4>")
        size = 3;
    else if (tag == "<H5>")
        size = 2;
    else if (tag == "<H6>")
        size = 1;
    CString html;
    html.Format("<DIV><FONT size=%d><B>%s</B></FONT></DIV>", size, element.getInnerHtml().GetString());
    if (!element.insertHtml(html, 0, 0))
        return 0;
    return element.removeNode(1);
}

int cHtmlDocument::convertParagraph(cHtmlElement element) {
    CString html = "<DIV>&nbsp;</DIV><DIV>" + element.getInnerHtml() + "</DIV>";
    CString outer = element.getOuterHtml();
    outer.MakeUpper();
    if (outer.Find("</P>") > 0)
        html += "<DIV>&nbsp;</DIV>";
    if (!element.insertHtml(html, 0, 0))
        return 0;
    return element.removeNode(1);
}
