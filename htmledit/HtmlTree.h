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

// Parses a whole page (UTF-8); null when nothing could be parsed. No
// document type is added when the text has none.
Document parse(std::string_view utf8, const std::string& url);
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
// The document type declaration; empty when the page has none.
std::string doctypeHtml(const xmlDoc* document);
// The document type followed by every top-level node.
std::string documentHtml(const xmlDoc* document, const Mark& mark = Mark());

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
