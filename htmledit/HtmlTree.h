#pragma once

// The page editor's document as a tree: libxml2's HTML parser reads the
// page as the browser shows it, and the serialiser here writes it back as
// HTML that a browser reads the same way again (no end tag for empty
// elements, script and style content as it is). Text and attribute values
// are written with every character above 126 as a numeric reference and the
// non-breaking space as "&nbsp;", so that the HTML is plain ASCII outside
// scripts, style sheets and comments, whatever the page's character set.

#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace htmltree {

struct DocumentDeleter {
    void operator()(xmlDoc* document) const;
};
using Document = std::unique_ptr<xmlDoc, DocumentDeleter>;

// The text of the comment that marks where the generated part of an item
// page begins ("<!--PROCESS_HYPERLINK-->"), compared ignoring case.
constexpr std::string_view kGeneratedMarkerText = "PROCESS_HYPERLINK";

// What the parser found in the page's own text, at byte offsets of it.
struct Source {
    // The document type declaration as it is written; empty when none.
    std::string doctype;
    // Where the first comment that is the generated part's marker begins
    // (one in the body, not between a table's rows); npos when no comment
    // is (the text may still hold it elsewhere, in an attribute value, a
    // script or a document type line).
    size_t marker = std::string::npos;
};

// The document type declaration as written, closed where the page ended
// inside it (a quote, the final ">"), so that written before the page it
// still ends where it did; empty when no closing does.
std::string closedDoctype(std::string_view doctype);

// Parses a whole page (UTF-8); null when nothing could be parsed. No
// document type is added when the text has none.
Document parse(std::string_view utf8, const std::string& url, Source* source = nullptr);
// Parses an HTML fragment as the content of a body; the nodes belong to the
// document and are not yet linked into it.
std::vector<xmlNode*> parseFragment(xmlDoc* document, std::string_view utf8);

// An element marked while it is written (the selection handed to the browser).
struct Mark {
    const xmlNode* node = nullptr;
    const char* attribute = nullptr;
    std::string value;
};

std::string outerHtml(const xmlNode* node, const Mark& mark = Mark());
std::string innerHtml(const xmlNode* node, const Mark& mark = Mark());
// Whether innerHtml would hold nothing but blanks, tabs and line ends,
// found without writing it.
bool hasBlankContent(const xmlNode* node);
// The document type declaration as the tree holds it; empty when the page has none.
std::string doctypeHtml(const xmlDoc* document);

// Where a page stops being written: before a node, or before the end tag of
// an element (its content written).
struct Cut {
    const xmlNode* before = nullptr;
    const xmlNode* endOf = nullptr;
};
// The document type (given as text, written as it is) followed by every
// top-level node; with a cut, only what comes before it, and reached tells
// whether the cut was met.
std::string documentHtml(const xmlDoc* document, std::string_view doctype, const Mark& mark = Mark(),
                         const Cut& cut = Cut(), bool* reached = nullptr);
// The first comment that is the generated part's marker, in document
// order, as Source counts one; null when none.
const xmlNode* findGeneratedMarker(const xmlDoc* document);

bool isElement(const xmlNode* node);
// The element's name in lower case; empty for other nodes.
std::string nameOf(const xmlNode* node);
bool hasName(const xmlNode* node, std::string_view lowerName);
// Elements that never have content or an end tag.
bool isVoidElement(std::string_view lowerName);

// Attributes by name, ignoring case.
xmlAttr* findAttribute(const xmlNode* element, std::string_view name);
std::string attributeValue(const xmlNode* element, std::string_view name);
void setAttribute(xmlNode* element, std::string_view name, std::string_view value);
bool removeAttribute(xmlNode* element, std::string_view name);

// Text content of a node (script, style, comment) as UTF-8.
std::string textOf(const xmlNode* node);
// Replaces the content of a text-only element (a style sheet) with the text.
void setText(xmlNode* element, std::string_view text);

} // namespace htmltree
