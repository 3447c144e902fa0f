#include "MarkedPage.h"

#include "FileSystem.h"
#include "ui/UserInterface.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

// Pages were once scanned in lines of at most 999 characters. A key that
// begins a later piece of a long line kept the line's earlier pieces on the
// marker's line; pages generated so far look like that, so the cut still
// falls on the piece in which the key begins.
constexpr size_t kLinePiece = 999;

constexpr std::string_view kBareWord = "PROCESS_HYPERLINK";

// Where the generated section begins on a line: the leftmost key, found with
// blanks and tabs removed, as an index into the line as read; npos when the
// line holds none. Keys are the marker (also in lower case) and the closing
// body tag in upper or lower case; the bare word "PROCESS_HYPERLINK" counts
// only inside a comment ("<!" with no ">" before the word), where it is a
// damaged marker and the comment is where the cut falls. Elsewhere the word
// is the author's prose, which must survive every generation. Taking the
// leftmost key, not the first in a fixed order, means no text before the
// cut holds a key, so the next generation cuts at the same place.
size_t findKey(std::string_view line) {
    static const CString lowerMarker = [] {
        CString marker = MarkedPage::kMarker;
        marker.MakeLower();
        return marker;
    }();
    const std::string_view keys[] = {MarkedPage::kMarker, lowerMarker.str(), "</BODY>", "</body>"};
    std::string compact;
    std::vector<size_t> rawIndex;
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] != ' ' && line[i] != '\t') {
            compact += line[i];
            rawIndex.push_back(i);
        }
    const std::string_view text(compact);
    size_t comment = std::string_view::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        for (const std::string_view key : keys)
            if (text.substr(i, key.size()) == key)
                return rawIndex[i];
        if (text.substr(i, 2) == "<!")
            comment = i;
        else if (text[i] == '>')
            comment = std::string_view::npos;
        else if (comment != std::string_view::npos && text.substr(i, kBareWord.size()) == kBareWord)
            return rawIndex[comment];
    }
    return std::string_view::npos;
}

} // namespace

MarkedPage::Scan MarkedPage::scan() {
    if (!platform::readFileBytes(m_path, m_bytes))
        return Scan::CannotOpen;
    size_t position = 0;
    while (position < m_bytes.size()) {
        size_t end = m_bytes.find('\n', position);
        if (end == std::string::npos)
            end = m_bytes.size();
        std::string_view line = std::string_view(m_bytes).substr(position, end - position);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const size_t cut = findKey(line);
        if (cut != std::string_view::npos) {
            const size_t piece = cut / kLinePiece * kLinePiece;
            m_lineStart = position + piece;
            m_lineHead = CString(std::string(line.substr(piece, cut - piece)));
            return Scan::Found;
        }
        position = end + 1;
    }
    return Scan::NoKey;
}

TextOutStream* MarkedPage::begin() {
    if (!m_out.open(m_path))
        return nullptr;
    m_out.writeBytes(std::string_view(m_bytes).substr(0, m_lineStart));
    // The text before the key keeps its own line; an empty one adds no
    // empty line, or every generation would make the page a line longer.
    if (!m_lineHead.IsEmpty())
        m_out << m_lineHead << "\n";
    m_out << kMarker << "\n";
    return &m_out;
}

TextOutStream* MarkedPage::beginWhole() {
    return m_out.open(m_path) ? &m_out : nullptr;
}

TextOutStream* MarkedPage::open(bool whole, bool* noKey) {
    *noKey = false;
    TextOutStream* out = nullptr;
    if (whole) {
        out = beginWhole();
    } else {
        switch (scan()) {
        case Scan::CannotOpen:
            break;
        case Scan::NoKey:
            *noKey = true;
            return nullptr;
        case Scan::Found:
            out = begin();
            break;
        }
    }
    if (!out)
        ui::AfxMessageBox("File " + platform::shownPath(m_path) + " opening error");
    return out;
}

bool MarkedPage::finish() {
    return m_out.is_open() && m_out.close();
}
