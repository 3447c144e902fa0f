#include "TextInStream.h"

#include "FileSystem.h"

#include <algorithm>

bool TextInStream::open(const char* path, bool binary) {
    close();
    std::string bytes;
    if (!path || !platform::readFileBytes(path, bytes))
        return false;
    openBytes(std::move(bytes), binary);
    return true;
}

void TextInStream::openBytes(std::string bytes, bool binary) {
    close();
    if (binary) {
        m_text = std::move(bytes);
    } else {
        m_text.reserve(bytes.size());
        for (size_t i = 0; i < bytes.size(); ++i)
            if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
                m_text += bytes[i];
    }
    m_pos = 0;
    m_open = true;
}

void TextInStream::close() {
    m_text.clear();
    m_pos = 0;
    m_open = false;
}

bool TextInStream::getline(CString& line, int limit) {
    line.Empty();
    if (eof() || limit < 1)
        return false;
    const size_t room = static_cast<size_t>(limit - 1);
    size_t end = m_text.find('\n', m_pos);
    if (end == std::string::npos)
        end = m_text.size();
    const size_t take = std::min(end - m_pos, room);
    if (take == 0 && end != m_pos)
        return false; // no room for even one character
    line = CString(m_text.substr(m_pos, take));
    m_pos += take;
    // The line end is consumed with the piece that reaches it.
    if (m_pos < m_text.size() && m_text[m_pos] == '\n')
        ++m_pos;
    return true;
}

CString TextInStream::readRest() {
    if (eof())
        return CString();
    CString rest(m_text.substr(m_pos));
    m_pos = m_text.size();
    return rest;
}

bool TextInStream::readLinesUntilEof(const char* path, std::vector<CString>& lines) {
    lines.clear();
    std::string bytes;
    if (!path || !platform::readFileBytes(path, bytes))
        return false;
    size_t pos = 0;
    for (;;) {
        const size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) {
            lines.emplace_back(bytes.substr(pos));
            return true;
        }
        lines.emplace_back(bytes.substr(pos, end - pos));
        pos = end + 1;
    }
}
