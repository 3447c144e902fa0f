#include "HtmlTree.h"

#include "Encoding.h"

#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
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

// Script or style text as it is, but for an end tag of its element inside
// it, which would end the element there when the page is read again (and
// make markup of the rest): it is written "<\/", as scripts write it.
void appendRawText(std::string& out, std::string_view text, std::string_view lowerName) {
    size_t position = 0;
    for (size_t at = text.find("</"); at != std::string_view::npos; at = text.find("</", at + 2)) {
        if (!encoding::equalsNoCase(text.substr(at + 2, lowerName.size()), lowerName))
            continue;
        out += text.substr(position, at - position);
        out += "<\\/";
        position = at + 2;
    }
    out += text.substr(position);
}

// Writes nodes as HTML up to the cut, if any.
class Writer {
public:
    Writer(std::string& out, const Mark& mark, const Cut& cut) : m_out(out), m_mark(mark), m_cut(cut) {}
    bool reachedCut() const { return m_stopped; }

    void children(const xmlNode* node) {
        const bool raw = isRawText(node);
        for (const xmlNode* child = node->children; child && !m_stopped; child = child->next) {
            if (raw && (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE)) {
                if (child == m_cut.before)
                    m_stopped = true;
                else
                    appendRawText(m_out, viewOf(child->content), nameOf(node));
            } else {
                write(child);
            }
        }
    }

    void write(const xmlNode* node) {
        if (m_stopped)
            return;
        if (node == m_cut.before) {
            m_stopped = true;
            return;
        }
        switch (node->type) {
        case XML_ELEMENT_NODE: {
            const std::string name = nameOf(node);
            m_out += '<';
            m_out += name;
            for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next) {
                m_out += ' ';
                m_out += encoding::toLower(viewOf(attribute->name));
                if (attribute->children) {
                    xmlChar* value = xmlNodeGetContent(reinterpret_cast<const xmlNode*>(attribute));
                    m_out += "=\"";
                    appendEscaped(m_out, viewOf(value), true);
                    m_out += '"';
                    xmlFree(value);
                }
            }
            if (node == m_mark.node && m_mark.attribute) {
                m_out += ' ';
                m_out += m_mark.attribute;
                m_out += "=\"";
                appendEscaped(m_out, m_mark.value, true);
                m_out += '"';
            }
            m_out += '>';
            if (isVoidElement(name))
                return;
            children(node);
            if (m_stopped)
                return;
            if (node == m_cut.endOf) {
                m_stopped = true;
                return;
            }
            m_out += "</";
            m_out += name;
            m_out += '>';
            return;
        }
        case XML_TEXT_NODE:
            appendEscaped(m_out, viewOf(node->content), false);
            return;
        case XML_CDATA_SECTION_NODE:
            m_out += viewOf(node->content);
            return;
        case XML_COMMENT_NODE:
            m_out += "<!--";
            m_out += viewOf(node->content);
            m_out += "-->";
            return;
        case XML_ENTITY_REF_NODE:
            m_out += '&';
            m_out += viewOf(node->name);
            m_out += ';';
            return;
        case XML_PI_NODE:
            m_out += "<?";
            m_out += viewOf(node->name);
            if (node->content) {
                m_out += ' ';
                m_out += viewOf(node->content);
            }
            m_out += '>';
            return;
        default:
            return;
        }
    }

private:
    std::string& m_out;
    const Mark& m_mark;
    const Cut m_cut;
    bool m_stopped = false;
};

// Follows a parse to find, in the page's own text, where the document type
// and the generated part's marker are written: the parser reports each of
// them once it has read past its end.
struct SourceWatch {
    Source* source = nullptr;
    std::string_view text;
    // Where the text the parser has reported so far ends.
    size_t reported = 0;
    xmlSAXHandler defaults;
};

SourceWatch& watchOf(void* context) {
    return *static_cast<SourceWatch*>(static_cast<htmlParserCtxtPtr>(context)->_private);
}

// Where the parser is in the page's text. The text is UTF-8 and decoded as
// it is, so the place in what the parser decoded is the place in the text,
// after a byte order mark the decoding may skip. The parser's own count
// (xmlByteConsumed) goes wrong once more than 32,000 bytes were decoded
// ahead of it, as they are for a page given whole: it serves only where
// the decoded text is not the page's own.
size_t positionOf(void* context) {
    const xmlParserInput* input = static_cast<htmlParserCtxtPtr>(context)->input;
    if (!input || !input->base || !input->cur || !input->end || input->cur > input->end)
        return 0;
    const std::string_view text = watchOf(context).text;
    const std::string_view ahead(reinterpret_cast<const char*>(input->cur),
                                 std::min<size_t>(static_cast<size_t>(input->end - input->cur), 16));
    const size_t decoded = input->consumed + static_cast<size_t>(input->cur - input->base);
    const size_t skipped = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    for (const size_t at : {decoded + skipped, decoded})
        if (at <= text.size() && text.substr(at, ahead.size()) == ahead)
            return at;
    const long consumed = xmlByteConsumed(static_cast<htmlParserCtxtPtr>(context));
    return consumed < 0 ? 0 : static_cast<size_t>(consumed);
}

void noteReported(void* context) {
    SourceWatch& watch = watchOf(context);
    watch.reported = std::max(watch.reported, std::min(positionOf(context), watch.text.size()));
}

bool startsWithNoCase(std::string_view text, size_t at, std::string_view part) {
    return at <= text.size() && text.size() - at >= part.size() &&
           encoding::equalsNoCase(text.substr(at, part.size()), part);
}

void onInternalSubset(void* context, const xmlChar* name, const xmlChar* externalId,
                      const xmlChar* systemId) {
    SourceWatch& watch = watchOf(context);
    if (watch.defaults.internalSubset)
        watch.defaults.internalSubset(context, name, externalId, systemId);
    // The page's declaration is the first; the parser reports every later
    // one it meets in the body too, and those are not looked for again, so
    // that a page holding many costs no second look at what was read.
    if (!watch.source->doctype.empty()) {
        noteReported(context);
        return;
    }
    // Only blanks lie between what was reported last and the declaration.
    const size_t end = std::min(positionOf(context), watch.text.size());
    size_t start = watch.reported;
    while (start < end && !startsWithNoCase(watch.text, start, "<!doctype"))
        ++start;
    if (start < end) {
        // A declaration left open runs to the end of the page, line ends aside.
        std::string_view doctype = watch.text.substr(start, end - start);
        while (!doctype.empty() &&
               std::string_view(" \t\r\n\f").find(doctype.back()) != std::string_view::npos)
            doctype.remove_suffix(1);
        watch.source->doctype = std::string(doctype);
    }
    noteReported(context);
}

// Whether a marker comment in that element marks where the generated part
// begins: one in the body, where what follows it in the page follows it in
// the tree too (a parser puts text found after the page's end back into its
// body, and text found between a table's rows before the table).
bool marksHere(const xmlNode* parent) {
    static constexpr std::array<std::string_view, 5> kTableParts = {"table", "thead", "tbody", "tfoot", "tr"};
    for (const std::string_view part : kTableParts)
        if (hasName(parent, part))
            return false;
    for (const xmlNode* node = parent; node; node = node->parent)
        if (hasName(node, "body"))
            return true;
    return false;
}

void onComment(void* context, const xmlChar* value) {
    SourceWatch& watch = watchOf(context);
    if (watch.defaults.comment)
        watch.defaults.comment(context, value);
    const std::string_view content = viewOf(value);
    const size_t end = positionOf(context);
    const size_t length = content.size() + 7;
    if (watch.source->marker == std::string::npos && encoding::equalsNoCase(content, kGeneratedMarkerText) &&
        marksHere(static_cast<htmlParserCtxtPtr>(context)->node) && end >= length &&
        end <= watch.text.size() && startsWithNoCase(watch.text, end - length, "<!--") &&
        startsWithNoCase(watch.text, end - 3, "-->"))
        watch.source->marker = end - length;
    noteReported(context);
}

void onStartElement(void* context, const xmlChar* name, const xmlChar** attributes) {
    if (const auto handler = watchOf(context).defaults.startElement)
        handler(context, name, attributes);
    // The tree keeps an element's name whole: the parser keeps only what
    // follows a colon ("o:p" becomes "p"), which may be no name ("tr:0").
    xmlNode* element = static_cast<htmlParserCtxtPtr>(context)->node;
    if (element && element->type == XML_ELEMENT_NODE && name && !xmlStrEqual(element->name, name) &&
        xmlStrchr(name, ':'))
        xmlNodeSetName(element, name);
    noteReported(context);
}

void onEndElement(void* context, const xmlChar* name) {
    if (const auto handler = watchOf(context).defaults.endElement)
        handler(context, name);
    noteReported(context);
}

void onCharacters(void* context, const xmlChar* text, int length) {
    if (const auto handler = watchOf(context).defaults.characters)
        handler(context, text, length);
    noteReported(context);
}

void onIgnorableWhitespace(void* context, const xmlChar* text, int length) {
    if (const auto handler = watchOf(context).defaults.ignorableWhitespace)
        handler(context, text, length);
    noteReported(context);
}

void onCdataBlock(void* context, const xmlChar* text, int length) {
    if (const auto handler = watchOf(context).defaults.cdataBlock)
        handler(context, text, length);
    noteReported(context);
}

void onProcessingInstruction(void* context, const xmlChar* target, const xmlChar* data) {
    if (const auto handler = watchOf(context).defaults.processingInstruction)
        handler(context, target, data);
    noteReported(context);
}

const xmlNode* findMarkerBelow(const xmlNode* node) {
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (child->type == XML_COMMENT_NODE &&
            encoding::equalsNoCase(viewOf(child->content), kGeneratedMarkerText) && marksHere(node))
            return child;
        if (child->type == XML_ELEMENT_NODE)
            if (const xmlNode* found = findMarkerBelow(child))
                return found;
    }
    return nullptr;
}

} // namespace

void DocumentDeleter::operator()(xmlDoc* document) const {
    xmlFreeDoc(document);
}

Document parse(std::string_view utf8, const std::string& url, Source* source) {
    htmlParserCtxtPtr context = htmlNewParserCtxt();
    if (!context)
        return Document();
    Source found;
    SourceWatch watch;
    watch.source = source ? source : &found;
    *watch.source = Source();
    watch.text = utf8;
    watch.defaults = *context->sax;
    context->_private = &watch;
    xmlSAXHandler* handler = context->sax;
    handler->internalSubset = onInternalSubset;
    handler->comment = onComment;
    handler->startElement = onStartElement;
    handler->endElement = onEndElement;
    handler->characters = onCharacters;
    handler->ignorableWhitespace = onIgnorableWhitespace;
    handler->cdataBlock = onCdataBlock;
    handler->processingInstruction = onProcessingInstruction;
    xmlDoc* document = htmlCtxtReadMemory(context, utf8.data(), static_cast<int>(utf8.size()), url.c_str(),
                                          "UTF-8", kParseOptions);
    htmlFreeParserCtxt(context);
    if (document)
        releaseVoidContent(reinterpret_cast<xmlNode*>(document));
    return Document(document);
}

std::string closedDoctype(std::string_view doctype) {
    for (const char* end : {"", ">", "\">", "'>"}) {
        const std::string candidate = std::string(doctype) + end;
        Source source;
        parse(candidate + "<html></html>", "", &source);
        if (source.doctype == candidate)
            return candidate;
    }
    return std::string();
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
        Writer(out, mark, Cut()).write(node);
    return out;
}

std::string innerHtml(const xmlNode* node, const Mark& mark) {
    std::string out;
    if (node)
        Writer(out, mark, Cut()).children(node);
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

std::string documentHtml(const xmlDoc* document, std::string_view doctype, const Mark& mark, const Cut& cut,
                         bool* reached) {
    std::string out(doctype);
    if (!out.empty())
        out += '\n';
    Writer writer(out, mark, cut);
    if (document)
        for (const xmlNode* child = document->children; child && !writer.reachedCut(); child = child->next)
            if (child->type != XML_DTD_NODE)
                writer.write(child);
    if (reached)
        *reached = writer.reachedCut();
    return out;
}

const xmlNode* findGeneratedMarker(const xmlDoc* document) {
    return document ? findMarkerBelow(reinterpret_cast<const xmlNode*>(document)) : nullptr;
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
