#include "ProfileFile.h"

#include "Encoding.h"

#include <algorithm>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Names in UTF-8, folded so that the code page's letters match in either case.
std::string fold(std::string_view name) {
    return encoding::toLowerUtf8(trim(name));
}

// A name the program passes (Windows-1252), folded as the file's names are.
// Every lookup folds its section and key: the names the program passes are
// ASCII, lowered here in one pass into a buffer of the lookup's own.
class FoldedName {
public:
    explicit FoldedName(std::string_view name) {
        name = trim(name);
        const size_t size = name.size();
        if (size <= sizeof m_buffer) {
            size_t i = 0;
            for (; i < size; ++i) {
                const auto c = static_cast<unsigned char>(name[i]);
                if (c >= 0x80)
                    break;
                m_buffer[i] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            }
            if (i == size) {
                m_view = std::string_view(m_buffer, size);
                return;
            }
        }
        m_long = fold(encoding::cp1252ToUtf8(name));
        m_view = m_long;
    }
    FoldedName(const FoldedName&) = delete;
    FoldedName& operator=(const FoldedName&) = delete;
    std::string_view view() const { return m_view; }

private:
    char m_buffer[64];
    std::string m_long;
    std::string_view m_view;
};

// A file without byte order mark whose bytes beyond ASCII all form UTF-8
// sequences was written by an editor in UTF-8: text in the code page almost
// never reads as such.
bool holdsUtf8BeyondAscii(std::string_view bytes) {
    const bool beyondAscii =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii && encoding::isValidUtf8(bytes);
}

bool isWide(ProfileFile::Encoding encoding) {
    return encoding == ProfileFile::Encoding::Utf16LeBom || encoding == ProfileFile::Encoding::Utf16BeBom;
}

} // namespace

std::string ProfileFile::decode(std::string_view raw) const {
    switch (m_encoding) {
    case Encoding::Ansi:
        return encoding::cp1252ToUtf8(raw);
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
        return encoding::toValidUtf8(raw);
    default:
        break;
    }
    const bool little = m_encoding == Encoding::Utf16LeBom;
    std::u16string units;
    units.reserve(raw.size() / 2);
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
        const auto first = static_cast<unsigned char>(raw[i]);
        const auto second = static_cast<unsigned char>(raw[i + 1]);
        units += static_cast<char16_t>(little ? first | (second << 8) : (first << 8) | second);
    }
    return encoding::utf16ToUtf8(units);
}

std::string ProfileFile::encode(std::string_view text) const {
    switch (m_encoding) {
    case Encoding::Ansi:
        return encoding::utf8ToCp1252(text);
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
        return std::string(text);
    default:
        break;
    }
    const bool little = m_encoding == Encoding::Utf16LeBom;
    std::string out;
    for (char16_t c : encoding::utf8ToUtf16(text)) {
        const char low = static_cast<char>(c & 0xFF);
        const char high = static_cast<char>(c >> 8);
        out += little ? low : high;
        out += little ? high : low;
    }
    return out;
}

std::string ProfileFile::programText(const std::string& raw) const {
    return m_encoding == Encoding::Ansi ? raw : encoding::utf8ToCp1252(decode(raw));
}

ProfileFile::Kind ProfileFile::classify(std::string_view raw, std::string* name) const {
    // A line of plain ASCII in a file of single bytes reads as it is.
    const bool plain = !isWide(m_encoding) && std::none_of(raw.begin(), raw.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x80;
    });
    const std::string decoded = plain ? std::string() : decode(raw);
    const std::string_view text = trim(plain ? raw : std::string_view(decoded));
    if (!text.empty() && text[0] == '[') {
        const size_t close = text.find(']');
        if (name)
            *name =
                trim(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        return Kind::Section;
    }
    if (!text.empty() && text[0] != ';') {
        const size_t eq = text.find('=');
        if (eq != std::string_view::npos && !trim(text.substr(0, eq)).empty()) {
            if (name)
                *name = trim(text.substr(0, eq));
            return Kind::Key;
        }
    }
    return Kind::Other;
}

std::string ProfileFile::nameOf(const Line& line) const {
    std::string name;
    classify(line.raw, &name);
    return name;
}

std::string ProfileFile::endBytes(End end) const {
    return end == End::None ? std::string() : encode(end == End::CrLf ? "\r\n" : "\n");
}

ProfileFile::Line ProfileFile::makeLine(std::string raw, End end) const {
    const Kind kind = classify(raw, nullptr);
    return Line{std::move(raw), end, kind};
}

ProfileFile ProfileFile::parse(std::string_view bytes) {
    ProfileFile file;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        file.m_encoding = Encoding::Utf8Bom;
    else if (bytes.starts_with("\xFF\xFE"))
        file.m_encoding = Encoding::Utf16LeBom;
    else if (bytes.starts_with("\xFE\xFF"))
        file.m_encoding = Encoding::Utf16BeBom;
    else if (holdsUtf8BeyondAscii(bytes))
        file.m_encoding = Encoding::Utf8;
    const size_t width = isWide(file.m_encoding) ? 2 : 1;
    const size_t markLength = file.m_encoding == Encoding::Utf8Bom ? 3
                              : file.m_encoding == Encoding::Ansi  ? 0
                                                                   : 2;
    file.m_byteOrderMark = std::string(bytes.substr(0, markLength));
    std::string_view text = bytes.substr(markLength);
    file.m_trailing = std::string(text.substr(text.size() - text.size() % width));
    text.remove_suffix(file.m_trailing.size());

    // Line ends are found by character, so a UTF-16 line splits at its own LF.
    const size_t low = file.m_encoding == Encoding::Utf16BeBom ? 1 : 0;
    auto isChar = [&](size_t at, char c) {
        return text[at + low] == c && (width == 1 || text[at + 1 - low] == '\0');
    };
    // One line per line end, and perhaps a last one without.
    file.m_lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    bool lineEndFound = false;
    size_t start = 0;
    for (size_t at = 0; at < text.size(); at += width) {
        if (!isChar(at, '\n'))
            continue;
        size_t cut = at;
        if (cut > start && isChar(cut - width, '\r'))
            cut -= width;
        const End end = cut < at ? End::CrLf : End::Lf;
        if (!lineEndFound) {
            file.m_lineEnd = end;
            lineEndFound = true;
        }
        file.m_lines.push_back(file.makeLine(std::string(text.substr(start, cut - start)), end));
        start = at + width;
    }
    if (start < text.size())
        file.m_lines.push_back(file.makeLine(std::string(text.substr(start)), End::None));
    file.reindex();
    return file;
}

std::string ProfileFile::serialize() const {
    const std::string ends[] = {std::string(), endBytes(End::Lf), endBytes(End::CrLf)};
    std::string bytes = m_byteOrderMark;
    for (const auto& line : m_lines) {
        bytes += line.raw;
        bytes += ends[static_cast<int>(line.end)];
    }
    return bytes + m_trailing;
}

void ProfileFile::insertLine(size_t at, std::string_view text) {
    if (at > 0 && m_lines[at - 1].end == End::None)
        m_lines[at - 1].end = m_lineEnd;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   makeLine(encode(encoding::cp1252ToUtf8(text)), m_lineEnd));
}

void ProfileFile::reindex() {
    m_sections.clear();
    m_firstSection.clear();
    const auto inOrder = [](const NamedIndex& a, const NamedIndex& b) {
        return a.folded != b.folded ? a.folded < b.folded : a.index < b.index;
    };
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Section) {
            if (!m_sections.empty()) {
                m_sections.back().end = i;
                std::sort(m_sections.back().keys.begin(), m_sections.back().keys.end(), inOrder);
            }
            m_sections.push_back(SectionIndex{i, m_lines.size(), {}});
            m_firstSection.push_back(NamedIndex{fold(nameOf(line)), m_sections.size() - 1});
        } else if (line.kind == Kind::Key && !m_sections.empty()) {
            m_sections.back().keys.push_back(NamedIndex{fold(nameOf(line)), i});
        }
    }
    if (!m_sections.empty())
        std::sort(m_sections.back().keys.begin(), m_sections.back().keys.end(), inOrder);
    std::sort(m_firstSection.begin(), m_firstSection.end(), inOrder);
}

const ProfileFile::NamedIndex* ProfileFile::find(const NameIndex& index, std::string_view folded) {
    const auto it =
        std::lower_bound(index.begin(), index.end(), folded,
                         [](const NamedIndex& entry, std::string_view name) { return entry.folded < name; });
    return it != index.end() && it->folded == folded ? &*it : nullptr;
}

const ProfileFile::SectionIndex* ProfileFile::findSection(std::string_view section) const {
    const NamedIndex* found = find(m_firstSection, FoldedName(section).view());
    return found ? &m_sections[found->index] : nullptr;
}

std::optional<std::string> ProfileFile::get(std::string_view section, std::string_view key) const {
    std::string value;
    if (!get(section, key, value))
        return std::nullopt;
    return value;
}

bool ProfileFile::get(std::string_view section, std::string_view key, std::string& value) const {
    return get(this->section(section), key, value);
}

ProfileFile::Section ProfileFile::section(std::string_view name) const {
    return Section(this, findSection(name));
}

bool ProfileFile::get(const Section& section, std::string_view key, std::string& value) const {
    value.clear();
    const auto* s = static_cast<const SectionIndex*>(section.m_index);
    if (!s || section.m_file != this)
        return false;
    const NamedIndex* found = find(s->keys, FoldedName(key).view());
    if (!found)
        return false;
    // A file in the code page is read in place; only another encoding is converted first.
    const std::string& raw = m_lines[found->index].raw;
    std::string converted;
    if (m_encoding != Encoding::Ansi)
        converted = programText(raw);
    const std::string_view text = m_encoding == Encoding::Ansi ? std::string_view(raw) : std::string_view(converted);
    std::string_view stored = trim(text.substr(text.find('=') + 1));
    if (stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') && stored.back() == stored.front())
        stored = stored.substr(1, stored.size() - 2);
    value.assign(stored);
    return true;
}

bool ProfileFile::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

std::vector<std::string> ProfileFile::sectionNames() const {
    std::vector<std::string> names;
    for (const auto& s : m_sections)
        names.push_back(encoding::utf8ToCp1252(nameOf(m_lines[s.header])));
    return names;
}

std::vector<std::string> ProfileFile::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const SectionIndex* s = findSection(section);
    if (!s)
        return names;
    for (size_t i = s->header + 1; i < s->end; ++i)
        if (m_lines[i].kind == Kind::Key)
            names.push_back(encoding::utf8ToCp1252(nameOf(m_lines[i])));
    return names;
}

bool ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string line = std::string(trim(key)) + "=" + std::string(value);
    const SectionIndex* s = findSection(section);
    if (!s) {
        insertLine(m_lines.size(), "[" + std::string(trim(section)) + "]");
        insertLine(m_lines.size(), line);
        reindex();
        return true;
    }
    if (const NamedIndex* found = find(s->keys, FoldedName(key).view())) {
        if (get(section, key) == value)
            return false;
        // The name keeps its own spelling, also in characters the code page lacks.
        Line& changed = m_lines[found->index];
        changed.raw = encode(nameOf(changed) + "=" + encoding::cp1252ToUtf8(value));
        return true;
    }
    // After the last non-blank line of the section, before blank lines that
    // separate it from the next one.
    size_t at = s->end;
    while (at > s->header + 1 && m_lines[at - 1].kind == Kind::Other &&
           trim(decode(m_lines[at - 1].raw)).empty())
        --at;
    insertLine(at, line);
    reindex();
    return true;
}

bool ProfileFile::removeKey(std::string_view section, std::string_view key) {
    const SectionIndex* s = findSection(section);
    if (!s)
        return false;
    const NamedIndex* found = find(s->keys, FoldedName(key).view());
    if (!found)
        return false;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(found->index));
    reindex();
    return true;
}

bool ProfileFile::removeSection(std::string_view section) {
    const FoldedName wanted(section);
    bool removed = false;
    for (size_t i = m_sections.size(); i-- > 0;) {
        const SectionIndex& s = m_sections[i];
        if (fold(nameOf(m_lines[s.header])) == wanted.view()) {
            m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(s.header),
                          m_lines.begin() + static_cast<std::ptrdiff_t>(s.end));
            removed = true;
        }
    }
    if (removed)
        reindex();
    return removed;
}
