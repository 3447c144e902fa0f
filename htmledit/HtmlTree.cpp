#include "HtmlTree.h"

#include "Encoding.h"

#include <libxml/HTMLparser.h>

#include <array>
#include <cstdio>

namespace htmltree {

namespace {

constexpr int kParseOptions =
    HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET | HTML_PARSE_NODEFDTD;

std::string_view viewOf(const xmlChar* text) {
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

// libxml2 knows the empty elements of HTML 4 only; one it does not know
// (such as "wbr") takes what follows it as its content. That content is
// put back after it, where the page had it.
void releaseVoidContent(xmlNode* node) {
    for (xmlNode* child = node->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE)
            continue;
        if (isVoidElement(nameOf(child))) {
            // A text node may be merged into its neighbour: the node that
            // holds it is where the next one goes.
            xmlNode* after = child;
            while (xmlNode* inner = child->children) {
                xmlUnlinkNode(inner);
                after = xmlAddNextSibling(after, inner);
            }
        }
        releaseVoidContent(child);
    }
}

bool isRawText(const xmlNode* element) {
    return hasName(element, "script") || hasName(element, "style");
}

void appendReference(std::string& out, unsigned code) {
    char reference[16];
    std::snprintf(reference, sizeof reference, "&#x%04X;", code);
    out += reference;
}

// Text or attribute value: markup characters escaped, the non-breaking
// space by name, every other character above 126 as a reference.
void appendEscaped(std::string& out, std::string_view text, bool attribute) {
    size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            switch (byte) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += attribute ? "<" : "&lt;";
                break;
            case '>':
                out += attribute ? ">" : "&gt;";
                break;
            case '"':
                out += attribute ? "&quot;" : "\"";
                break;
            case 127:
                appendReference(out, byte);
                break;
            default:
                out += static_cast<char>(byte);
            }
            ++i;
            continue;
        }
        // libxml2 keeps its text as valid UTF-8.
        const int length = (byte & 0xE0) == 0xC0   ? 2
                           : (byte & 0xF0) == 0xE0 ? 3
                           : (byte & 0xF8) == 0xF0 ? 4
                                                   : 1;
        unsigned code = length == 1 ? byte : byte & (0xFF >> (length + 1));
        for (int k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        if (code == 0xA0)
            out += "&nbsp;";
        else
            appendReference(out, code);
    }
}

void write(std::string& out, const xmlNode* node, const Mark& mark);

void writeChildren(std::string& out, const xmlNode* node, const Mark& mark) {
    const bool raw = isRawText(node);
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (raw && (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE))
            out += viewOf(child->content);
        else
            write(out, child, mark);
    }
}

void write(std::string& out, const xmlNode* node, const Mark& mark) {
    switch (node->type) {
    case XML_ELEMENT_NODE: {
        const std::string name = nameOf(node);
        out += '<';
        out += name;
        for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next) {
            out += ' ';
            out += encoding::toLower(viewOf(attribute->name));
            if (attribute->children) {
                xmlChar* value = xmlNodeGetContent(reinterpret_cast<const xmlNode*>(attribute));
                out += "=\"";
                appendEscaped(out, viewOf(value), true);
                out += '"';
                xmlFree(value);
            }
        }
        if (node == mark.node && mark.attribute) {
            out += ' ';
            out += mark.attribute;
            out += "=\"";
            appendEscaped(out, mark.value, true);
            out += '"';
        }
        out += '>';
        if (isVoidElement(name))
            return;
        writeChildren(out, node, mark);
        out += "</";
        out += name;
        out += '>';
        return;
    }
    case XML_TEXT_NODE:
        appendEscaped(out, viewOf(node->content), false);
        return;
    case XML_CDATA_SECTION_NODE:
        out += viewOf(node->content);
        return;
    case XML_COMMENT_NODE:
        out += "<!--";
        out += viewOf(node->content);
        out += "-->";
        return;
    case XML_ENTITY_REF_NODE:
        out += '&';
        out += viewOf(node->name);
        out += ';';
        return;
    case XML_PI_NODE:
        out += "<?";
        out += viewOf(node->name);
        if (node->content) {
            out += ' ';
            out += viewOf(node->content);
        }
        out += '>';
        return;
    default:
        return;
    }
}

} // namespace

void DocumentDeleter::operator()(xmlDoc* document) const {
    xmlFreeDoc(document);
}

Document parse(std::string_view utf8, const std::string& url) {
    xmlDoc* document =
        htmlReadMemory(utf8.data(), static_cast<int>(utf8.size()), url.c_str(), "UTF-8", kParseOptions);
    if (document)
        releaseVoidContent(reinterpret_cast<xmlNode*>(document));
    return Document(document);
}

std::vector<xmlNode*> parseFragment(xmlDoc* document, std::string_view utf8) {
    std::vector<xmlNode*> nodes;
    std::string text = "<html><body>";
    text += utf8;
    text += "</body></html>";
    const Document fragment = parse(text, "");
    if (!fragment)
        return nodes;
    const xmlNode* html = xmlDocGetRootElement(fragment.get());
    const xmlNode* body = html ? html->children : nullptr;
    while (body && !hasName(body, "body"))
        body = body->next;
    if (!body)
        return nodes;
    for (const xmlNode* child = body->children; child; child = child->next)
        if (xmlNode* copy = xmlDocCopyNode(const_cast<xmlNode*>(child), document, 1))
            nodes.push_back(copy);
    return nodes;
}

std::string outerHtml(const xmlNode* node, const Mark& mark) {
    std::string out;
    if (node)
        write(out, node, mark);
    return out;
}

std::string innerHtml(const xmlNode* node, const Mark& mark) {
    std::string out;
    if (node)
        writeChildren(out, node, mark);
    return out;
}

bool hasBlankContent(const xmlNode* node) {
    if (!node)
        return true;
    for (const xmlNode* child = node->children; child; child = child->next) {
        switch (child->type) {
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
            // Every other character is written as itself or as a reference.
            if (viewOf(child->content).find_first_not_of(" \t\r\n") != std::string_view::npos)
                return false;
            break;
        case XML_ELEMENT_NODE:
        case XML_COMMENT_NODE:
        case XML_ENTITY_REF_NODE:
        case XML_PI_NODE:
            return false;
        default:
            // Not written at all.
            break;
        }
    }
    return true;
}

std::string doctypeHtml(const xmlDoc* document) {
    const xmlDtd* type = document ? document->intSubset : nullptr;
    if (!type)
        return std::string();
    std::string out = "<!DOCTYPE ";
    out += type->name ? viewOf(type->name) : "html";
    if (type->ExternalID) {
        out += " PUBLIC \"";
        out += viewOf(type->ExternalID);
        out += '"';
    } else if (type->SystemID) {
        out += " SYSTEM";
    }
    if (type->SystemID) {
        out += " \"";
        out += viewOf(type->SystemID);
        out += '"';
    }
    out += '>';
    return out;
}

std::string documentHtml(const xmlDoc* document, const Mark& mark) {
    std::string out = doctypeHtml(document);
    if (!out.empty())
        out += '\n';
    if (document)
        for (const xmlNode* child = document->children; child; child = child->next)
            if (child->type != XML_DTD_NODE)
                write(out, child, mark);
    return out;
}

bool isElement(const xmlNode* node) {
    return node && node->type == XML_ELEMENT_NODE;
}

std::string nameOf(const xmlNode* node) {
    return isElement(node) ? encoding::toLower(viewOf(node->name)) : std::string();
}

bool hasName(const xmlNode* node, std::string_view lowerName) {
    return isElement(node) && encoding::equalsNoCase(viewOf(node->name), lowerName);
}

bool isVoidElement(std::string_view lowerName) {
    static constexpr std::array<std::string_view, 19> kVoid = {
        "area",  "base",    "basefont", "bgsound", "br",   "col",   "embed",  "frame", "hr", "img",
        "input", "isindex", "keygen",   "link",    "meta", "param", "source", "track", "wbr"};
    for (const std::string_view name : kVoid)
        if (name == lowerName)
            return true;
    return false;
}

xmlAttr* findAttribute(const xmlNode* element, std::string_view name) {
    if (!isElement(element))
        return nullptr;
    for (xmlAttr* attribute = element->properties; attribute; attribute = attribute->next)
        if (encoding::equalsNoCase(viewOf(attribute->name), name))
            return attribute;
    return nullptr;
}

std::string attributeValue(const xmlNode* element, std::string_view name) {
    const xmlAttr* attribute = findAttribute(element, name);
    if (!attribute)
        return std::string();
    xmlChar* value = xmlNodeGetContent(reinterpret_cast<const xmlNode*>(attribute));
    std::string text(viewOf(value));
    xmlFree(value);
    return text;
}

void setAttribute(xmlNode* element, std::string_view name, std::string_view value) {
    if (!isElement(element))
        return;
    const std::string lower = encoding::toLower(name);
    const std::string text(value);
    if (xmlAttr* attribute = findAttribute(element, name)) {
        // The value is taken as text: no entity in it is expanded.
        xmlNodeSetContent(reinterpret_cast<xmlNode*>(attribute), nullptr);
        xmlNode* content = xmlNewDocText(element->doc, reinterpret_cast<const xmlChar*>(text.c_str()));
        xmlAddChild(reinterpret_cast<xmlNode*>(attribute), content);
        return;
    }
    xmlAttr* attribute = xmlNewProp(element, reinterpret_cast<const xmlChar*>(lower.c_str()), nullptr);
    xmlNode* content = xmlNewDocText(element->doc, reinterpret_cast<const xmlChar*>(text.c_str()));
    xmlAddChild(reinterpret_cast<xmlNode*>(attribute), content);
}

bool removeAttribute(xmlNode* element, std::string_view name) {
    xmlAttr* attribute = findAttribute(element, name);
    return attribute && xmlRemoveProp(attribute) == 0;
}

std::string textOf(const xmlNode* node) {
    if (!node)
        return std::string();
    xmlChar* content = xmlNodeGetContent(node);
    std::string text(viewOf(content));
    xmlFree(content);
    return text;
}

void setText(xmlNode* element, std::string_view text) {
    if (!isElement(element))
        return;
    xmlNode* old = element->children;
    while (old) {
        xmlNode* next = old->next;
        xmlUnlinkNode(old);
        xmlFreeNode(old);
        old = next;
    }
    xmlAddChild(element, xmlNewDocTextLen(element->doc, reinterpret_cast<const xmlChar*>(text.data()),
                                          static_cast<int>(text.size())));
}

} // namespace htmltree
