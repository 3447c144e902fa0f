#pragma once

// The lines of the EPF method library. A start tag is its indentation, "<",
// the element name, each attribute as a blank, its name, "=" and its value
// in double quotes, then ">" or "/>" and a line feed; an attribute name
// given with a leading blank gets two blanks before it, as the importing
// tool's own files have in places.
//
// Whatever an item holds, the file stays well formed: every attribute
// value is made fit for an attribute, every text put into a character-data
// block can neither end the block early nor hold a character that XML
// forbids. And every reference to another element (a line such as
// "<Task>N12</Task>") stays in the library only when the library holds an
// element of that identifier: the writer marks such lines, each with the
// element it was written in, and resolve drops those that point nowhere
// once the whole library is written, telling which it dropped.

#include "CString.h"

#include <unordered_set>
#include <vector>

class EpfXml {
public:
    struct Attribute {
        const char* name;
        CString value;
    };
    enum Ending { Open, Closed };
    // A reference left out of the library: its element, the identifier it
    // named, and the type (or element name) and identifier of the element
    // it stood in (empty for a line of the method configuration).
    struct Dropped {
        CString element;
        CString id;
        CString ownerType;
        CString ownerId;
    };

    // The start tag on a line of its own; the value of an attribute "id"
    // is an identifier the library holds from now on.
    CString startTag(int indent, const char* name, const std::vector<Attribute>& attributes,
                     Ending ending = Open);
    // The start tag of a content element or category: its type, name,
    // identifier and presentation name, then variability "na".
    CString namedTag(int indent, const char* element, const CString& type, const CString& name,
                     const CString& id, const CString& presentationName, Ending ending = Open);
    // The start tag of a supporting material or guideline, named alike in
    // both names.
    CString guidanceTag(int indent, const CString& type, const CString& name, const CString& id);
    // A plug-in's start tag; only the Main plug-in carries a change date.
    CString pluginTag(const CString& name, const CString& id, const CString& changeDescription, bool dated);
    // A content package of that name and identifier.
    CString contentPackage(int indent, const CString& name, const CString& id);
    // The presentation of a category, changed now by no one.
    CString categoryPresentation(int indent, const CString& name, const CString& id);
    // The presentation of a content element, its dates set off by two
    // blanks; typeName is "xsi:type" (" xsi:type" for two blanks), or null
    // for a presentation without type.
    CString elementPresentation(int indent, const char* typeName, const CString& type, const CString& name,
                                const CString& id, const CString& changeDescription, const CString& version);
    // The presentation of a supporting material or guideline.
    CString guidancePresentation(int indent, const CString& name, const CString& id,
                                 const CString& changeDescription);
    // "<name>id</name>" on a line of its own, kept only when the library
    // holds an element of that identifier. It belongs to the element whose
    // start tag was written last among content elements, categories,
    // processes, breakdown elements and plug-ins.
    CString reference(int indent, const char* name, const CString& id);
    // The same line without indentation and line end (the method
    // configuration's lines), belonging to no element.
    CString configurationLine(const char* name, const CString& id);
    // The document with the references that point nowhere left out; each
    // one left out is added to dropped when given, in document order.
    CString resolve(const CString& document, std::vector<Dropped>* dropped = nullptr) const;
    bool holds(const CString& id) const { return m_ids.count(id) != 0; }

    // A value that may already hold entities and markup (what the exporter's
    // conversions give, or a fixed text): fit for an attribute.
    static CString attributeValue(const CString& value);
    // A value as an item stores it (a name, a file name): every markup
    // character escaped, so that it reads back as stored.
    static CString stored(const CString& value);
    // Text that may hold markup and entities, as element content: its
    // markup shown as text.
    static CString content(const CString& markup);
    // A text for a character-data block: a "]]>" inside would end the
    // block, so the block is closed and opened again between "]]" and ">".
    static CString characterData(const CString& text);

private:
    struct Reference {
        CString element;
        CString id;
        int owner; // in m_owners, -1 for none
    };
    struct Owner {
        CString type;
        CString id;
    };
    CString markedLine(const char* name, const CString& id, int owner);

    std::unordered_set<CString> m_ids;
    std::vector<Reference> m_references;
    std::vector<Owner> m_owners;
    int m_owner = -1; // the element new references belong to
};
