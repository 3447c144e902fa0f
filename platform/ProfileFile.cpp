#include "ProfileFile.h"

#include "Encoding.h"

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string fold(std::string_view name) { return encoding::toLower(trim(name)); }

std::string decodeUtf16Le(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return encoding::utf16ToCp1252(text);
}

std::string encodeUtf16Le(std::string_view text) {
    std::string out = "\xFF\xFE";
    for (char16_t c : encoding::cp1252ToUtf16(text)) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

} // namespace

ProfileFile::Line ProfileFile::classify(std::string raw) {
    Line line;
    const std::string_view text = trim(raw);
    if (!text.empty() && text[0] == '[') {
        const size_t close = text.find(']');
        line.kind = Kind::Section;
        line.name = std::string(trim(text.substr(1, close == std::string_view::npos ? std::string_view::npos
                                                                                     : close - 1)));
    } else if (!text.empty() && text[0] != ';') {
        const size_t eq = text.find('=');
        if (eq != std::string_view::npos && !trim(text.substr(0, eq)).empty()) {
            line.kind = Kind::Key;
            line.name = std::string(trim(text.substr(0, eq)));
        }
    }
    line.raw = std::move(raw);
    return line;
}

ProfileFile ProfileFile::parse(std::string_view bytes) {
    ProfileFile file;
    std::string text;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        file.m_encoding = Encoding::Utf8Bom;
        text = encoding::utf8ToCp1252(bytes.substr(3));
    } else if (bytes.starts_with("\xFF\xFE")) {
        file.m_encoding = Encoding::Utf16LeBom;
        text = decodeUtf16Le(bytes.substr(2));
    } else {
        text = std::string(bytes);
    }
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        size_t lineEnd = end;
        if (lineEnd > pos && text[lineEnd - 1] == '\r')
            --lineEnd;
        file.m_lines.push_back(classify(text.substr(pos, lineEnd - pos)));
        pos = end + 1;
    }
    file.reindex();
    return file;
}

std::string ProfileFile::serialize() const {
    std::string text;
    for (const auto& line : m_lines) {
        text += line.raw;
        text += "\r\n";
    }
    switch (m_encoding) {
    case Encoding::Utf8Bom: return "\xEF\xBB\xBF" + encoding::cp1252ToUtf8(text);
    case Encoding::Utf16LeBom: return encodeUtf16Le(text);
    default: return text;
    }
}

void ProfileFile::reindex() {
    m_sections.clear();
    m_firstSection.clear();
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Section) {
            if (!m_sections.empty())
                m_sections.back().end = i;
            m_sections.push_back(SectionIndex{i, m_lines.size(), {}});
            m_firstSection.emplace(fold(line.name), m_sections.size() - 1);
        } else if (line.kind == Kind::Key && !m_sections.empty()) {
            m_sections.back().keys.emplace(fold(line.name), i);
        }
    }
}

const ProfileFile::SectionIndex* ProfileFile::findSection(std::string_view section) const {
    const auto it = m_firstSection.find(fold(section));
    return it == m_firstSection.end() ? nullptr : &m_sections[it->second];
}

std::optional<std::string> ProfileFile::get(std::string_view section, std::string_view key) const {
    const SectionIndex* s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto it = s->keys.find(fold(key));
    if (it == s->keys.end())
        return std::nullopt;
    const std::string& raw = m_lines[it->second].raw;
    std::string_view value = trim(std::string_view(raw).substr(raw.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

bool ProfileFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

std::vector<std::string> ProfileFile::sectionNames() const {
    std::vector<std::string> names;
    for (const auto& s : m_sections)
        names.push_back(m_lines[s.header].name);
    return names;
}

std::vector<std::string> ProfileFile::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const SectionIndex* s = findSection(section);
    if (!s)
        return names;
    for (size_t i = s->header + 1; i < s->end; ++i)
        if (m_lines[i].kind == Kind::Key)
            names.push_back(m_lines[i].name);
    return names;
}

void ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
    const SectionIndex* s = findSection(section);
    if (!s) {
        m_lines.push_back(classify("[" + std::string(trim(section)) + "]"));
        m_lines.push_back(classify(std::string(trim(key)) + "=" + std::string(value)));
        reindex();
        return;
    }
    const auto it = s->keys.find(fold(key));
    if (it != s->keys.end()) {
        Line& line = m_lines[it->second];
        line.raw = line.name + "=" + std::string(value);
        return;
    }
    // After the last non-blank line of the section, before blank lines that
    // separate it from the next one.
    size_t at = s->end;
    while (at > s->header + 1 && trim(m_lines[at - 1].raw).empty())
        --at;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   classify(std::string(trim(key)) + "=" + std::string(value)));
    reindex();
}

bool ProfileFile::removeKey(std::string_view section, std::string_view key) {
    const SectionIndex* s = findSection(section);
    if (!s)
        return false;
    const auto it = s->keys.find(fold(key));
    if (it == s->keys.end())
        return false;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(it->second));
    reindex();
    return true;
}

bool ProfileFile::removeSection(std::string_view section) {
    const std::string wanted = fold(section);
    bool removed = false;
    for (size_t i = m_sections.size(); i-- > 0;) {
        const SectionIndex& s = m_sections[i];
        if (fold(m_lines[s.header].name) == wanted) {
            m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(s.header),
                          m_lines.begin() + static_cast<std::ptrdiff_t>(s.end));
            removed = true;
        }
    }
    reindex();
    return removed;
}
