#pragma once

// An element of an existing target document with the byte positions that
// its in-place edits use. Positions that lay inside a removed range are -1,
// but for the start of an element removed with the range, which stays at
// the range's start, so that the starts keep the document's order. After
// an edit the positions are up to date only once the database has settled
// the record.

#include "ByteStreamListener.h"
#include "XmlElementRecord.h"

#include <utility>
#include <vector>

class XmlDocumentElementRecord : public XmlElementRecord {
public:
    using XmlElementRecord::XmlElementRecord;
    using Range = std::pair<BytePosition, BytePosition>;

    // Whether the element is an empty-element tag ("<a/>"); contentEnd means
    // nothing then.
    bool emptyTag = false;
    BytePosition startPos = 0;   // the "<" of the start tag
    BytePosition nameEnd = 0;    // after the name and the white space that follows it
    BytePosition tagClose = 0;   // the ">" that closes the start tag, or the "/" of "/>"
    BytePosition contentEnd = 0; // the "<" of the end tag
    BytePosition endPos = 0;     // just after the element
    // Where the element's own non-blank text lies, one range per run; a
    // CDATA section counts with its markers.
    std::vector<Range> textRanges;
    // The number of child elements read so far.
    std::int32_t childCount = 0;
    // Where the record stands in its database's list (document order).
    size_t index = 0;

    // True when the element has, for each attribute listed, one of the same
    // name with the same value (exact).
    bool hasAttributes(const std::vector<XmlAttributeRecord>& list) const;
};
