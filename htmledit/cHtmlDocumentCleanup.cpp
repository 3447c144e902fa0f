// The clean-up of cHtmlDocument: the page is kept within the small subset
// of HTML the editor writes. It runs on every OK, paste and switch of view,
// on pages of megabytes, so each element costs the same whatever the number
// of its brothers and sisters: its children are listed once, the report
// knows the tags it holds, an element's emptiness is seen from its children
// without writing them, and where the generated part begins is known from
// the marker's ancestors rather than from numbering every node of the page.

#include "cHtmlDocument.h"

#include "CssText.h"
#include "Encoding.h"
#include "HtmlTree.h"
#include "ui/UserInterface.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

// Removed with everything in them, and reported.
const char* const kRemovedWithContent =
    "<COLGROUP><NOSCRIPT><FRAMESET><IFRAME><LAYER><SELECT><OBJECT><APPLET><CAPTION>";
// Removed when they hold nothing (but an anchor with a name or id); not reported.
const char* const kRemovedWhenEmpty =
    "<A><SPAN><FONT><EM><I><STRONG><B><U><NOBR><THEAD><TFOOT><TR><TITLE><BLOCKQUOTE>";
const char* const kKept = "<HTML><BODY><HEAD><DIV><BR><TABLE><TBODY><TR><TD><OL><UL><LI><HR><IMG><WBR><MAP><"
                          "AREA><LINK><H1><SCRIPT>";
// Written as a bold line of a font size.
const char* const kConvertedHeadings = "<H2><H3><H4><H5><H6>";
// These keep their inline style.
const char* const kStyleKept = "<FONT><TABLE><IMG>";
// The attributes every walked element loses: the inline style (unless its
// tag keeps it) and the script events.
const char* const kRemovedAttributes[] = {"Style",      "onMousedown", "onMouseover",
                                          "onMouseout", "onClick",     "onLoad"};
constexpr size_t kRemovedAttributeCount = sizeof kRemovedAttributes / sizeof kRemovedAttributes[0];

// The lists a bracketed tag ("<B>") belongs to.
constexpr unsigned kInRemovedWithContent = 1;
constexpr unsigned kInRemovedWhenEmpty = 2;
constexpr unsigned kInKept = 4;
constexpr unsigned kInConvertedHeadings = 8;
constexpr unsigned kInStyleKept = 16;

unsigned listsOf(std::string_view tag) {
    const auto in = [tag](const char* list) {
        return std::string_view(list).find(tag) != std::string_view::npos;
    };
    return (in(kRemovedWithContent) ? kInRemovedWithContent : 0) |
           (in(kRemovedWhenEmpty) ? kInRemovedWhenEmpty : 0) | (in(kKept) ? kInKept : 0) |
           (in(kConvertedHeadings) ? kInConvertedHeadings : 0) | (in(kStyleKept) ? kInStyleKept : 0);
}

bool isMarker(const xmlNode* node) {
    if (node->type != XML_COMMENT_NODE)
        return false;
    CString text(htmltree::textOf(node));
    text.Trim();
    return text.CompareNoCase("PROCESS_HYPERLINK") == 0;
}

// The next node after node in document order, not going below it when skipChildren.
const xmlNode* nextInOrder(const xmlNode* node, bool skipChildren = false) {
    if (!skipChildren && node->children && node->type != XML_ENTITY_REF_NODE)
        return node->children;
    while (node && !node->next)
        node = node->parent;
    return node ? node->next : nullptr;
}

// The browser writes what its alignment and background colour commands do
// as inline style, which the clean-up takes away: the alignment is kept as
// the element's align attribute, and a background-coloured span becomes a
// FONT with that colour, the forms the pages keep. Answers whether the
// element became a FONT.
bool keepCommandStyle(cHtmlElement& element) {
    if (!htmltree::findAttribute(element.getNode(), "Style"))
        return false;
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

// One clean-up of an element and everything in it.
class cHtmlDocument::CleanupWalk {
public:
    CleanupWalk(cHtmlDocument& document, CString& report) : m_document(document), m_report(report) {
        // A tag occurs in a report it was given with exactly when it is one
        // of the report's bracketed pieces, each from a "<" to the next ">".
        const std::string_view text(report.GetString(), static_cast<size_t>(report.GetLength()));
        for (size_t open = text.find('<'); open != std::string_view::npos; open = text.find('<', open + 1)) {
            const size_t close = text.find('>', open);
            if (close == std::string_view::npos)
                break;
            m_reported.emplace(text.substr(open, close - open + 1));
        }
    }

    // The generated part begins after the first marker of the page: the
    // parts of start's children that follow it are not walked.
    void findMarker(const xmlNode* start) {
        bool startSeen = false;
        const xmlNode* marker = nullptr;
        for (const xmlNode* node = m_document.m_node->children; node && !marker; node = nextInOrder(node)) {
            if (node == start)
                startSeen = true;
            if (isMarker(node))
                marker = node;
        }
        if (!marker)
            return;
        for (const xmlNode* node = marker; node && node != m_document.m_node; node = node->parent)
            m_markerPath.push_back(node);
        std::reverse(m_markerPath.begin(), m_markerPath.end());
        m_startAfterMarker = !startSeen;
    }

    void run(xmlNode* start) {
        if (!htmltree::isElement(start))
            return;
        int onPath = -1;
        for (size_t i = 0; i < m_markerPath.size(); ++i)
            if (m_markerPath[i] == start)
                onPath = static_cast<int>(i);
        clean(start, onPath, onPath < 0 && m_startAfterMarker);
    }

private:
    // onPath: the element's place on the marker's path, -1 when it is not
    // on it; generatedChildren: every child lies after the marker.
    void clean(xmlNode* node, int onPath, bool generatedChildren) {
        cHtmlElement element(&m_document, node);
        if (!node->name || !*node->name)
            return;
        std::string tag = "<" + encoding::toUpper(htmltree::nameOf(node)) + ">";
        const unsigned lists = listsOf(tag);
        bool reported = false;
        if (lists & kInRemovedWithContent) {
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
            std::string kind = tag;
            unsigned kindLists = lists;
            // A heading cell becomes a normal cell, keeping its row.
            if (tag == "<TH>") {
                xmlNodeSetName(node, reinterpret_cast<const xmlChar*>("td"));
                m_document.changed();
                kind = "<TD>";
                kindLists = listsOf(kind);
                reported = true;
            }
            if (!(kindLists & kInStyleKept) && keepCommandStyle(element)) {
                kind = "<FONT>";
                kindLists = listsOf(kind);
            }
            removeAttributes(node, !(kindLists & kInStyleKept));
            cleanChildren(node, onPath, generatedChildren);
            if (kindLists & kInConvertedHeadings) {
                m_document.convertHeading(CString(kind), element);
                return;
            }
            if (kind == "<P>") {
                m_document.convertParagraph(element);
                return;
            }
            if (kindLists & kInRemovedWhenEmpty) {
                if (element.isEmpty() && !isNamedAnchor(kind, node))
                    element.removeNode(1);
                return;
            }
            if (!reported && (kindLists & kInKept))
                return;
            if (!reported) {
                element.removeNode(0);
                reported = true;
            }
        }
        if (reported && tag.size() > 1 && tag[1] != '/' && m_reported.insert(tag).second)
            m_report += (" " + tag).c_str();
    }

    // Children from the last to the first, as they were before the walk;
    // those of the generated part are left as they are.
    void cleanChildren(xmlNode* node, int onPath, bool generatedChildren) {
        if (generatedChildren)
            return;
        const size_t first = m_children.size();
        const xmlNode* pathChild = onPath >= 0 && static_cast<size_t>(onPath) + 1 < m_markerPath.size()
                                       ? m_markerPath[onPath + 1]
                                       : nullptr;
        size_t pathChildAt = SIZE_MAX;
        for (xmlNode* child = node->children; child; child = child->next) {
            if (child == pathChild) {
                // What follows the marker, or the element around it, is generated.
                if (htmltree::isElement(child)) {
                    pathChildAt = m_children.size();
                    m_children.push_back(child);
                }
                break;
            }
            if (htmltree::isElement(child))
                m_children.push_back(child);
        }
        for (size_t i = m_children.size(); i-- > first;) {
            const bool onMarkerPath = i == pathChildAt;
            clean(m_children[i], onMarkerPath ? onPath + 1 : -1, false);
        }
        m_children.resize(first);
    }

    // One pass over the attributes for the six the clean-up removes (the
    // first of each name, as removing them one by one by name would).
    void removeAttributes(xmlNode* node, bool style) {
        bool removed[kRemovedAttributeCount] = {!style};
        xmlAttr* attribute = node->properties;
        while (attribute) {
            xmlAttr* next = attribute->next;
            const std::string_view name(reinterpret_cast<const char*>(attribute->name));
            for (size_t i = 0; i < kRemovedAttributeCount; ++i)
                if (!removed[i] && encoding::equalsNoCase(name, kRemovedAttributes[i])) {
                    removed[i] = true;
                    xmlRemoveProp(attribute);
                    m_document.changed();
                    break;
                }
            attribute = next;
        }
    }

    // An empty anchor with a name or id is a link's target ("To top"): it stays.
    static bool isNamedAnchor(const std::string& kind, const xmlNode* node) {
        return kind == "<A>" && (!htmltree::attributeValue(node, "name").empty() ||
                                 !htmltree::attributeValue(node, "id").empty());
    }

    cHtmlDocument& m_document;
    CString& m_report;
    std::unordered_set<std::string> m_reported;
    // The marker and its ancestors, the outermost first.
    std::vector<const xmlNode*> m_markerPath;
    bool m_startAfterMarker = false;
    // The children of the elements being walked, each element's after its parent's.
    std::vector<xmlNode*> m_children;
};

void cHtmlDocument::removeUnsupportedTags() {
    if (!isValid())
        return;
    getBody();
    CString report;
    const cHtmlElement root = getRootElement();
    {
        CleanupWalk walk(*this, report);
        walk.findMarker(root.getNode());
        walk.run(root.getNode());
    }
    if (m_host)
        m_host->notifyHost(5003);
    if (!report.IsEmpty())
        ui::MessageBox("The following tags have been removed as the Editor does not support them:\n" + report,
                       "Unsupported Tags", MB_OK | MB_ICONEXCLAMATION);
}

void cHtmlDocument::cleanElement(cHtmlElement element, CString& report) {
    if (!element.isValid())
        return;
    CleanupWalk walk(*this, report);
    walk.run(element.getNode());
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
    // The document writes every paragraph with its end tag, so the blank
    // line that follows a closed paragraph always comes.
    const CString html = "<DIV>&nbsp;</DIV><DIV>" + element.getInnerHtml() + "</DIV><DIV>&nbsp;</DIV>";
    if (!element.insertHtml(html, 0, 0))
        return 0;
    return element.removeNode(1);
}
