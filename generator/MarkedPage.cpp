#include "MarkedPage.h"

#include "FileSystem.h"

#include <initializer_list>

namespace {

// The original read lines of at most 999 characters; longer ones come in pieces.
constexpr size_t kLinePiece = 999;

} // namespace

MarkedPage::Scan MarkedPage::scan() {
    if (!platform::readFileBytes(m_path, m_bytes))
        return Scan::CannotOpen;
    CString lowerMarker = kMarker;
    lowerMarker.MakeLower();
    const CString keys[] = {kMarker, lowerMarker, "</BODY>", "</body>", "PROCESS_HYPERLINK"};
    size_t position = 0;
    while (position < m_bytes.size()) {
        size_t end = m_bytes.find('\n', position);
        const bool pieceCut = (end == std::string::npos ? m_bytes.size() : end) - position > kLinePiece;
        size_t next;
        CString line;
        if (pieceCut) {
            line = CString(m_bytes.substr(position, kLinePiece));
            next = position + kLinePiece;
        } else {
            end = end == std::string::npos ? m_bytes.size() : end;
            line = CString(m_bytes.substr(position, end - position));
            if (!line.IsEmpty() && line[line.GetLength() - 1] == '\r')
                line.Delete(line.GetLength() - 1);
            next = end + 1;
        }
        CString compact = line;
        compact.Remove(' ');
        compact.Remove('\t');
        for (const CString& key : keys) {
            if (compact.Find(key) < 0)
                continue;
            // The bare word stands for a damaged marker: the whole line goes.
            const CString found = &key == &keys[4] ? CString("</BODY>") : key;
            const int at = line.Find(found);
            m_lineStart = position;
            m_lineHead = at >= 0 ? line.Left(at) : CString();
            return Scan::Found;
        }
        position = next;
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

bool MarkedPage::finish() {
    return m_out.is_open() && m_out.close();
}
