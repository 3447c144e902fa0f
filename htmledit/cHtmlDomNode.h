#pragma once

// A node of the page editor's document: the document it belongs to and the
// node of its tree. Wrappers are values held for one operation; a node that
// an operation removes stays allocated with the document until the next
// page is taken in, so a wrapper of it is never left dangling.

#include <libxml/tree.h>

class cHtmlDocument;

class cHtmlDomNode {
public:
    cHtmlDomNode() = default;
    cHtmlDomNode(cHtmlDocument* document, xmlNode* node) : m_document(document), m_node(node) {}
    virtual ~cHtmlDomNode() = default;

    xmlNode* getNode() const { return m_node; }
    cHtmlDocument* getDocument() const { return m_document; }
    bool operator==(const cHtmlDomNode& other) const { return m_node == other.m_node; }

protected:
    cHtmlDocument* m_document = nullptr;
    xmlNode* m_node = nullptr;
};
