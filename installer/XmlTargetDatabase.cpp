#include "XmlTargetDatabase.h"

#include "Exception.h"
#include "InstallerMessages.h"
#include "Text.h"
#include "XmlFileRecord.h"
#include "XmlFlags.h"
#include "XmlTableElementRecord.h"
#include "XmlUpdateModel.h"
#include "XmlWriter.h"

#include <algorithm>

namespace {

const std::u16string kSource = u"xml\\XmlTargetDatabase";
const std::u16string kUnexpected = u"Unexpected exception.";
constexpr std::u16string_view kBlank = u" \t\r\n";
constexpr std::u16string_view kNewline = u"\r\n";

// The key attributes of each ancestor of the table record must be on the
// document element's ancestor of the same level.
bool ancestorsFit(const XmlElementRecord& tableRecord, const XmlDocumentElementRecord& element) {
    const XmlElementRecord* table = tableRecord.parent();
    const XmlElementRecord* document = element.parent();
    for (; table && document; table = table->parent(), document = document->parent()) {
        const std::vector<XmlAttributeRecord> keys = XmlUpdateModel::matchAttributes(*table, false);
        if (!keys.empty() && !static_cast<const XmlDocumentElementRecord*>(document)->hasAttributes(keys))
            return false;
    }
    return true;
}

// Appends the text with A to Z in lower case.
void appendFolded(std::u16string_view text, std::u16string& out) {
    for (const char16_t c : text)
        out += c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

// Whether the attributes of a start tag (names and values in turn, closed
// by a null) hold every attribute of the list, as hasAttributes tells of a
// record.
bool tagHasAttributes(const char16_t** attributes, const std::vector<XmlAttributeRecord>& list) {
    size_t count = 0;
    while (attributes[2 * count])
        ++count;
    if (count < list.size())
        return false;
    return std::all_of(list.begin(), list.end(), [&](const XmlAttributeRecord& wanted) {
        for (size_t i = 0; i < count; ++i) {
            if (attributes[2 * i] == wanted.name && attributes[2 * i + 1] == wanted.value)
                return true;
        }
        return false;
    });
}

bool isAncestor(const XmlElementRecord& ancestor, const XmlElementRecord& record) {
    for (const XmlElementRecord* up = record.parent(); up; up = up->parent()) {
        if (up == &ancestor)
            return true;
    }
    return false;
}

} // namespace

XmlTargetDatabase::XmlTargetDatabase(std::u16string path)
    : XmlReader(path), m_path(std::move(path)), m_updater(this) {}

void XmlTargetDatabase::keepOnly(const std::vector<Wanted>& wanted) {
    m_wanted.emplace();
    for (const Wanted& one : wanted) {
        std::u16string path;
        appendFolded(one.path, path);
        (*m_wanted)[path].push_back(one.attributes);
    }
}

void XmlTargetDatabase::load() {
    m_elements.clear();
    m_keys.clear();
    m_nextSuffix.clear();
    m_elementStack.clear();
    m_pendingBlanks.clear();
    m_foldedPaths.clear();
    m_shifts.clear();
    m_root = nullptr;
    m_skipDepth = 0;
    m_updater.load(m_path);
    parse(m_path);
    m_shifts.assign(m_elements.size() + 1, 0);
}

void XmlTargetDatabase::save() {
    if (m_updater.modified())
        m_updater.save(m_path);
}

// Reading ------------------------------------------------------------------

void XmlTargetDatabase::onXmlDeclaration(const char16_t* version, const char16_t* encoding, int) {
    if (!version || !encoding)
        return;
    m_updater.setEncoding(XmlEncoding::codeOfName(encoding));
}

std::u16string XmlTargetDatabase::uniqueKey(const std::u16string& name) {
    if (!m_keys.count(name))
        return name;
    int& next = m_nextSuffix[name];
    for (next = std::max(next, 1);; ++next) {
        std::u16string key = name + u"_" + text::toText(next);
        if (!m_keys.count(key)) {
            ++next;
            return key;
        }
    }
}

bool XmlTargetDatabase::leftOut(const char16_t* name, const char16_t** attributes) {
    if (!m_wanted)
        return false;
    m_foldedPath.clear();
    if (!m_foldedPaths.empty())
        m_foldedPath.append(m_foldedPaths.back()).push_back(u'/');
    appendFolded(name, m_foldedPath);
    if (m_elementStack.empty())
        return false;
    const auto found = m_wanted->find(m_foldedPath);
    if (found == m_wanted->end())
        return true;
    return std::none_of(found->second.begin(), found->second.end(),
                        [&](const auto& list) { return tagHasAttributes(attributes, list); });
}

void XmlTargetDatabase::onStartElement(const char16_t* name, const char16_t** attributes) {
    XmlDocumentElementRecord* parent = m_elementStack.empty() ? nullptr : m_elementStack.back();
    if (m_skipDepth > 0 || leftOut(name, attributes)) {
        // It still counts among its parent's children.
        if (m_skipDepth++ == 0)
            ++parent->childCount;
        return;
    }
    auto record = std::make_unique<XmlDocumentElementRecord>(uniqueKey(name), name,
                                                             parent ? parent->childCount++ : 0, u"");
    record->setParent(parent);
    record->index = m_elements.size();
    const int unit = m_updater.unitSize();
    const BytePosition start = currentByteIndex();
    const BytePosition tagEnd = start + currentByteCount();
    BytePosition tagClose = tagEnd - unit;
    // An element that the text of a declared entity brings has no tag of its
    // own in the file, and such a file cannot be patched in place.
    if (m_updater.unitAt(start) != u'<' || m_updater.unitAt(tagClose) != u'>')
        throw Exception(kSource, 301, kUnexpected);
    if (m_updater.unitAt(tagClose - unit) == u'/') {
        tagClose -= unit;
        record->emptyTag = true;
    }
    BytePosition nameEnd = start + unit;
    while (nameEnd < tagClose && !isWhitespace(m_updater.unitAt(nameEnd), true))
        nameEnd += unit;
    while (nameEnd < tagClose && isWhitespace(m_updater.unitAt(nameEnd), true))
        nameEnd += unit;
    record->startPos = start;
    record->nameEnd = nameEnd;
    record->tagClose = tagClose;
    record->contentEnd = tagEnd;
    record->endPos = tagEnd;
    for (std::int32_t i = 0; attributes[2 * i]; ++i) {
        XmlAttributeRecord attribute;
        attribute.origin = XmlAttributeRecord::kFromDocument;
        attribute.name = attributes[2 * i];
        attribute.value = attributes[2 * i + 1];
        attribute.order = i;
        record->attributes().push_back(std::move(attribute));
    }
    m_keys.emplace(record->key(), record.get());
    m_elementStack.push_back(record.get());
    m_pendingBlanks.emplace_back();
    if (m_wanted)
        m_foldedPaths.push_back(m_foldedPath);
    if (!parent)
        m_root = record.get();
    m_elements.push_back(std::move(record));
}

XmlDocumentElementRecord& XmlTargetDatabase::openElement(int line) {
    if (m_elementStack.empty())
        throw Exception(kSource, line, kUnexpected);
    return *m_elementStack.back();
}

// Runs of text that touch (a line end, a reference, a CDATA section beside
// plain text) form one range. The text of an entity declared in the
// document type is reported at its reference, once for each of its
// pieces: those ranges repeat the reference and join it too. A blank run
// that touches nothing before it matters only if a later run joins it
// (its blanks are then narrowed away), so only the last such run is kept
// aside: the blank lines between many children cost nothing.
void XmlTargetDatabase::addTextRange(BytePosition start, BytePosition end) {
    if (start >= end)
        return;
    auto& ranges = m_elementStack.back()->textRanges;
    XmlDocumentElementRecord::Range& blank = m_pendingBlanks.back();
    if (!ranges.empty() && start <= ranges.back().second) {
        ranges.back().second = std::max(ranges.back().second, end);
        return;
    }
    const bool joinsBlank = blank.first < blank.second && start <= blank.second;
    if (isBlank(start, end)) {
        blank = joinsBlank ? XmlDocumentElementRecord::Range(blank.first, std::max(blank.second, end))
                           : XmlDocumentElementRecord::Range(start, end);
        return;
    }
    ranges.emplace_back(joinsBlank ? blank.first : start, joinsBlank ? std::max(blank.second, end) : end);
    blank = {};
}

bool XmlTargetDatabase::isBlank(BytePosition start, BytePosition end) const {
    const int unit = m_updater.unitSize();
    for (; start < end; start += unit) {
        if (!isWhitespace(m_updater.unitAt(start), true))
            return false;
    }
    return true;
}

void XmlTargetDatabase::addEventToText() {
    if (m_skipDepth > 0)
        return;
    openElement(557);
    addTextRange(currentByteIndex(), currentByteIndex() + currentByteCount());
}

void XmlTargetDatabase::onCharacterData(const char16_t* text, int length) {
    if (m_skipDepth > 0)
        return;
    XmlDocumentElementRecord& record = openElement(557);
    // Blanks before any text would be trimmed away at the end: the blank
    // lines between many children are not gathered.
    const std::u16string_view data(text, static_cast<size_t>(length));
    if (!record.text().empty() || data.find_first_not_of(kBlank) != std::u16string_view::npos)
        record.appendText(data);
    addEventToText();
}

// The markers of a CDATA section belong to the text run they enclose, so
// that replacing the run replaces the whole section.
void XmlTargetDatabase::onStartCdataSection() {
    addEventToText();
}

void XmlTargetDatabase::onEndCdataSection() {
    addEventToText();
}

void XmlTargetDatabase::onEndElement(const char16_t*) {
    if (m_skipDepth > 0) {
        --m_skipDepth;
        return;
    }
    XmlDocumentElementRecord& record = openElement(523);
    const BytePosition index = currentByteIndex();
    record.endPos = index + currentByteCount();
    record.contentEnd = record.emptyTag ? record.endPos : index;
    record.setText(text::trim(record.text(), kBlank));
    // Each run narrowed to its non-blank part; blank runs go.
    const int unit = m_updater.unitSize();
    std::vector<XmlDocumentElementRecord::Range> narrowed;
    for (auto [start, end] : record.textRanges) {
        while (start < end && isWhitespace(m_updater.unitAt(start), true))
            start += unit;
        while (end > start && isWhitespace(m_updater.unitAt(end - unit), true))
            end -= unit;
        if (start < end)
            narrowed.emplace_back(start, end);
    }
    record.textRanges = std::move(narrowed);
    m_elementStack.pop_back();
    m_pendingBlanks.pop_back();
    if (m_wanted)
        m_foldedPaths.pop_back();
}

// Scans --------------------------------------------------------------------

bool XmlTargetDatabase::isWhitespace(int unit, bool anyWhitespace) const {
    if (unit == u' ' || unit == u'\t')
        return true;
    return anyWhitespace && (unit == u'\n' || unit == u'\v' || unit == u'\f' || unit == u'\r');
}

BytePosition XmlTargetDatabase::whitespaceStartBefore(BytePosition pos, bool anyWhitespace) const {
    const int unit = m_updater.unitSize();
    while (isWhitespace(m_updater.unitAt(pos - unit), anyWhitespace))
        pos -= unit;
    return pos;
}

BytePosition XmlTargetDatabase::whitespaceEndAfter(BytePosition pos, bool anyWhitespace,
                                                   bool stopAfterNewline) const {
    const int unit = m_updater.unitSize();
    for (int c = m_updater.unitAt(pos); isWhitespace(c, anyWhitespace); c = m_updater.unitAt(pos)) {
        pos += unit;
        if (stopAfterNewline && c == u'\n')
            break;
    }
    return pos;
}

// Position bookkeeping ------------------------------------------------------
//
// A position where something starts (a tag, a text run, an end tag) moves
// with text inserted right at it; a position where something ends (a name
// with its white space, an element, a text run) stays, so text inserted
// just after an element is not taken into it. An edit fixes the positions
// of the element it rewrites itself.
//
// Only the elements that start before an edit can hold a position after
// it and not be moved whole: those that enclose it, the last element
// started before it and its ancestors. Every element that starts after it
// moves whole, and is moved through the tree of shifts.

namespace {

template <class MoveStart, class MoveEnd>
void moveRecord(XmlDocumentElementRecord& record, MoveStart&& moveStart, MoveEnd&& moveEnd) {
    moveStart(record.startPos);
    moveEnd(record.nameEnd);
    moveStart(record.tagClose);
    moveStart(record.contentEnd);
    moveEnd(record.endPos);
    for (auto& [rangeStart, rangeEnd] : record.textRanges) {
        moveStart(rangeStart);
        moveEnd(rangeEnd);
    }
}

} // namespace

void XmlTargetDatabase::shiftFrom(size_t index, BytePosition delta) {
    for (size_t i = index + 1; i < m_shifts.size(); i += i & (~i + 1))
        m_shifts[i] += delta;
}

BytePosition XmlTargetDatabase::pendingShift(size_t index) const {
    BytePosition sum = 0;
    for (size_t i = std::min(index + 1, m_shifts.empty() ? 0 : m_shifts.size() - 1); i > 0; i -= i & (~i + 1))
        sum += m_shifts[i];
    return sum;
}

XmlDocumentElementRecord& XmlTargetDatabase::settle(XmlDocumentElementRecord& record) {
    const BytePosition shift = pendingShift(record.index);
    if (shift == 0)
        return record;
    const auto move = [&](BytePosition& pos) {
        if (pos >= 0)
            pos += shift;
    };
    moveRecord(record, move, move);
    shiftFrom(record.index, -shift);
    shiftFrom(record.index + 1, shift);
    return record;
}

size_t XmlTargetDatabase::firstStartingAt(BytePosition pos, bool strict) const {
    size_t low = 0;
    size_t high = m_elements.size();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        const BytePosition start = m_elements[middle]->startPos + pendingShift(middle);
        if (strict ? start > pos : start >= pos)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

template <class Move> void XmlTargetDatabase::moveChain(size_t before, Move&& move) {
    if (before == 0)
        return;
    for (XmlElementRecord* up = m_elements[before - 1].get(); up; up = up->parent())
        move(settle(static_cast<XmlDocumentElementRecord&>(*up)));
}

void XmlTargetDatabase::removed(BytePosition start, BytePosition end) {
    const auto move = [&](BytePosition& pos) {
        if (pos >= end)
            pos -= end - start;
        else if (pos > start)
            pos = -1;
    };
    const size_t inside = firstStartingAt(start, true);
    const size_t after = firstStartingAt(end, false);
    // Elements that started inside the range went with it; their start
    // stays where the range was, so that the list keeps its order.
    for (size_t i = inside; i < after; ++i) {
        XmlDocumentElementRecord& record = settle(*m_elements[i]);
        moveRecord(record, move, move);
        record.startPos = start;
    }
    moveChain(inside, [&](XmlDocumentElementRecord& record) { moveRecord(record, move, move); });
    shiftFrom(after, start - end);
}

void XmlTargetDatabase::inserted(BytePosition position, BytePosition length) {
    const auto moveStart = [&](BytePosition& pos) {
        if (pos >= position)
            pos += length;
    };
    const auto moveEnd = [&](BytePosition& pos) {
        if (pos > position)
            pos += length;
    };
    const size_t after = firstStartingAt(position, false);
    moveChain(after, [&](XmlDocumentElementRecord& record) { moveRecord(record, moveStart, moveEnd); });
    shiftFrom(after, length);
}

// Matching -----------------------------------------------------------------

std::vector<XmlDocumentElementRecord*> XmlTargetDatabase::findMatches(const XmlTableElementRecord& record,
                                                                      int mode) const {
    const bool uninstall = mode == xmlflags::kModeUninstall;
    const std::vector<XmlAttributeRecord> keys = XmlUpdateModel::matchAttributes(record, uninstall);
    const std::u16string path = record.namePath();
    const std::u16string recordText = text::trim(record.text(), kBlank);
    std::vector<XmlDocumentElementRecord*> out;
    for (const auto& element : m_elements) {
        if (element->name() != record.name() || element->namePath() != path ||
            !ancestorsFit(record, *element))
            continue;
        if (uninstall && recordText != element->text())
            continue;
        if (!keys.empty() && !element->hasAttributes(keys))
            continue;
        out.push_back(element.get());
    }
    return out;
}

std::vector<XmlDocumentElementRecord*> XmlTargetDatabase::findByPath(const std::u16string& path) const {
    std::vector<XmlDocumentElementRecord*> out;
    for (const auto& element : m_elements) {
        if (text::equals(element->namePath(), path, false))
            out.push_back(element.get());
    }
    return out;
}

// Edits --------------------------------------------------------------------

std::vector<XmlAttributeRecord> XmlTargetDatabase::mergeAttributes(const XmlDocumentElementRecord& match,
                                                                   const XmlElementRecord& record, int mode,
                                                                   bool& changed) {
    std::vector<XmlAttributeRecord> list = match.attributes();
    changed = false;
    for (const XmlAttributeRecord& attribute : record.attributes()) {
        // A row without a name is never written, as in a new file.
        if (!xmlflags::takesPartIn(attribute.flags, mode) || attribute.name.empty())
            continue;
        const auto present = std::find_if(
            list.begin(), list.end(), [&](const XmlAttributeRecord& a) { return a.name == attribute.name; });
        const int operation = xmlflags::attributeOperation(attribute.flags);
        const bool adds = operation == xmlflags::kAddWhenMissing || operation == xmlflags::kAddOrOverwrite;
        if (present == list.end()) {
            if (adds) {
                list.push_back(attribute);
                changed = true;
            }
        } else if (operation == xmlflags::kRemoveWhenPresent) {
            list.erase(present);
            changed = true;
        } else if (operation == xmlflags::kAddOrOverwrite && present->setValueIfDifferent(attribute.value)) {
            changed = true;
        }
    }
    std::stable_sort(list.begin(), list.end(), XmlAttributeRecord::mergeLess);
    return list;
}

void XmlTargetDatabase::updateElement(XmlTableElementRecord& record, const XmlFileRecord& file,
                                      XmlDocumentElementRecord& match, int mode) {
    settle(match);
    if (match.startPos < 0 || match.tagClose < 0 || match.endPos < 0)
        throw Exception(kSource, 700, kUnexpected);
    bool changed = false;
    std::vector<XmlAttributeRecord> attributes = mergeAttributes(match, record, mode, changed);
    if (changed) {
        const int unit = m_updater.unitSize();
        // The list starts where the first attribute started; a tag without
        // one gets a space after its name.
        std::u16string rendering;
        bool spaceFirst = !isWhitespace(m_updater.unitAt(match.nameEnd - unit), true);
        for (const XmlAttributeRecord& attribute : attributes) {
            if (attribute.origin == XmlAttributeRecord::kFromTable &&
                !XmlWriter::canWriteName(attribute.name, m_updater.encoding()))
                throw Exception(kSource, 710, messages::kCannotWrite, {m_path});
            // A value a row overwrote keeps its place among the document's.
            XmlWriter::checkText(attribute.value, m_path);
            if (!rendering.empty() || spaceFirst)
                rendering += u" ";
            rendering += attribute.name + u"=\"" + text::escapeAttribute(attribute.value) + u"\"";
        }
        const BytePosition listEnd = std::max(match.nameEnd, whitespaceStartBefore(match.tagClose, true));
        if (rendering.empty()) {
            const BytePosition nameStop = whitespaceStartBefore(match.nameEnd, true);
            m_updater.remove(nameStop, listEnd);
            match.nameEnd = nameStop;
        } else {
            m_updater.replace(match.nameEnd, listEnd, rendering);
        }
        for (size_t i = 0; i < attributes.size(); ++i) {
            attributes[i].origin = XmlAttributeRecord::kFromDocument;
            attributes[i].flags = 0;
            attributes[i].order = static_cast<std::int32_t>(i);
        }
        match.attributes() = std::move(attributes);
    }
    if (mode == xmlflags::kModeInstall && !record.text().empty())
        setText(match, file, record.text());
    record.setDone(true);
}

// The element's text becomes text: an empty-element tag gets its end tag,
// the first run of text is replaced and later runs go, and an element
// without text gets it on a new line before its end tag.
void XmlTargetDatabase::setText(XmlDocumentElementRecord& match, const XmlFileRecord& file,
                                const std::u16string& text) {
    settle(match);
    XmlWriter::checkText(text, m_path);
    const std::u16string escaped = text::escapeText(text);
    if (match.emptyTag) {
        const BytePosition tagClose = match.tagClose;
        const std::u16string endTag = u"</" + match.name() + u">";
        m_updater.replace(tagClose, match.endPos, u">" + escaped + endTag);
        match.emptyTag = false;
        match.tagClose = tagClose;
        const BytePosition textStart = tagClose + m_updater.encodedLength(u">");
        match.contentEnd = textStart + m_updater.encodedLength(escaped);
        match.endPos = match.contentEnd + m_updater.encodedLength(endTag);
        match.textRanges = {{textStart, match.contentEnd}};
    } else if (!match.textRanges.empty()) {
        const std::vector<XmlDocumentElementRecord::Range> runs = match.textRanges;
        for (size_t i = runs.size(); i-- > 1;)
            m_updater.remove(runs[i].first, runs[i].second);
        m_updater.replace(runs[0].first, runs[0].second, escaped);
        match.textRanges = {{runs[0].first, runs[0].first + m_updater.encodedLength(escaped)}};
    } else {
        const BytePosition at = whitespaceStartBefore(match.contentEnd, true);
        const std::u16string lineStart = std::u16string(kNewline) + file.indentation(match.depth() + 1);
        m_updater.insert(lineStart + escaped, at);
        const BytePosition textStart = at + m_updater.encodedLength(lineStart);
        match.textRanges = {{textStart, textStart + m_updater.encodedLength(escaped)}};
    }
    match.setText(text::trim(text, kBlank));
}

void XmlTargetDatabase::removeElement(XmlDocumentElementRecord& match) {
    settle(match);
    if (match.startPos < 0 || match.endPos < 0)
        throw Exception(kSource, 760, kUnexpected);
    m_updater.remove(whitespaceStartBefore(match.startPos, false),
                     whitespaceEndAfter(match.endPos, true, true));
    markRemoved(match);
}

// The element and everything in it are done: their positions now point at
// what followed, or are -1.
void XmlTargetDatabase::markRemoved(XmlDocumentElementRecord& match) {
    match.setDone(true);
    // Its descendants follow it in the list.
    for (size_t i = match.index + 1; i < m_elements.size() && isAncestor(match, *m_elements[i]); ++i)
        m_elements[i]->setDone(true);
}

void XmlTargetDatabase::insertElement(XmlUpdateModel& model, const XmlFileRecord& file,
                                      XmlTableElementRecord& record, int mode) {
    if (!record.parent())
        return;
    const std::vector<XmlDocumentElementRecord*> parents =
        findMatches(static_cast<const XmlTableElementRecord&>(*record.parent()), mode);
    const auto open = std::find_if(parents.begin(), parents.end(),
                                   [](const XmlDocumentElementRecord* p) { return !p->isDone(); });
    if (open == parents.end())
        throw Exception(kSource, 838, kUnexpected);
    XmlDocumentElementRecord& parent = settle(**open);
    const std::u16string rendering = file.renderElement(model, record, mode, m_updater.encoding());
    const std::u16string endTag = u"</" + parent.name() + u">";
    const std::u16string closing = file.indentation(parent.depth()) + endTag;
    const BytePosition tagClose = parent.tagClose;
    BytePosition from = 0;
    std::u16string replacement;
    if (parent.emptyTag) {
        from = parent.tagClose;
        replacement = u">" + std::u16string(kNewline) + rendering + closing;
    } else {
        from = whitespaceStartBefore(parent.contentEnd, false);
        if (m_updater.unitAt(from - m_updater.unitSize()) == u'\n') {
            // The end tag has a line of its own: the new lines go before it.
            m_updater.insert(rendering, from);
            return;
        }
        replacement = std::u16string(kNewline) + rendering + closing;
    }
    m_updater.replace(from, parent.endPos, replacement);
    settle(parent);
    parent.tagClose = tagClose;
    parent.emptyTag = false;
    parent.endPos = from + m_updater.encodedLength(replacement);
    parent.contentEnd = parent.endPos - m_updater.encodedLength(endTag);
}
