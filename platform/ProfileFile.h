#pragma once

// One profile (INI) file held in memory: its lines as they stand, so that a
// rewrite keeps the order, the comments and every key the program does not
// know, with lookups by name that ignore case. Reads follow the Windows
// profile functions: names and values are trimmed, a value in matching
// quotes loses them, the first of two equal sections or keys wins.
//
// Each line keeps its bytes in the file's own encoding and its own line end,
// so a line the program does not change is written back byte for byte, even
// when it holds characters the program's code page cannot; only the text of
// a changed or added line is encoded anew. Names and values reach callers in
// Windows-1252, as the program works.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ProfileFile {
public:
    // Text encodings a profile file may come in; written back the same way.
    // A file without a byte order mark is UTF-8 when every byte beyond ASCII
    // belongs to a UTF-8 sequence, and bytes of the code page otherwise.
    enum class Encoding { Ansi, Utf8, Utf8Bom, Utf16LeBom, Utf16BeBom };

    ProfileFile() = default;
    // Parses file bytes (CR LF or LF line ends; a UTF-8 or UTF-16 byte order
    // mark makes the text be read and later written in that encoding).
    static ProfileFile parse(std::string_view bytes);
    // The bytes to write: the unchanged lines as they were read, new lines
    // ended the way the file ends its lines (CR LF when it has none yet).
    std::string serialize() const;

    // The value as the Windows call returns it (trimmed, quotes removed),
    // or nothing when the section or key is missing.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    // The same into value, which is emptied when the section or key is
    // missing (false then): no text is copied more than once.
    bool get(std::string_view section, std::string_view key, std::string& value) const;
    // A section found once for reading several of its keys, as long as the
    // file is not changed; false when there is no such section.
    class Section {
    public:
        Section() = default;
        explicit operator bool() const { return m_index != nullptr; }

    private:
        friend class ProfileFile;
        Section(const ProfileFile* file, const void* index) : m_file(file), m_index(index) {}
        // The file it was found in: another file finds nothing through it.
        const ProfileFile* m_file = nullptr;
        const void* m_index = nullptr;
    };
    Section section(std::string_view name) const;
    bool get(const Section& section, std::string_view key, std::string& value) const;
    bool hasSection(std::string_view section) const;
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;

    // Replaces the key's value in place, or adds the key at the end of its
    // section, creating the section at the end of the file when missing.
    // False when the key already reads as that value: nothing is changed.
    bool set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the first key of that name in the section; false when there was none.
    bool removeKey(std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines; false when there was none.
    bool removeSection(std::string_view section);

    Encoding encoding() const { return m_encoding; }

private:
    enum class Kind : unsigned char { Section, Key, Other };
    // A line's end: CR LF or LF in the file's encoding, or none for a last
    // line without one.
    enum class End : unsigned char { None, Lf, CrLf };
    // Names, folded so that the code page's letters match in either case,
    // with what they name (a line or a section), in name order and, for
    // equal names, in file order: the first of equal names is found first.
    struct NamedIndex {
        std::string folded;
        size_t index;
    };
    using NameIndex = std::vector<NamedIndex>;
    // A parsed file of every process item stays in memory for as long as the
    // project is open: a line keeps its bytes alone, its kind and its end,
    // and its name is read from its bytes when needed.
    struct Line {
        std::string raw; // bytes in the file's encoding, without the line end
        End end = End::None;
        Kind kind = Kind::Other;
    };
    struct SectionIndex {
        size_t header;  // line of the "[name]" header
        size_t end;     // one past its last line
        NameIndex keys; // folded name -> line
    };

    static const NamedIndex* find(const NameIndex& index, std::string_view folded);
    // What a line is; the trimmed name (UTF-8) of a section or key line.
    Kind classify(std::string_view raw, std::string* name) const;
    std::string nameOf(const Line& line) const;
    std::string endBytes(End end) const;
    void reindex();
    const SectionIndex* findSection(std::string_view section) const;
    Line makeLine(std::string raw, End end) const;
    // Inserts a line of program text before line at, ending the line before
    // it when that was the last line and had no line end.
    void insertLine(size_t at, std::string_view text);
    // A line's text in UTF-8, and text in UTF-8 as the file's bytes.
    std::string decode(std::string_view raw) const;
    std::string encode(std::string_view text) const;
    // A line's text in the program's code page.
    std::string programText(const std::string& raw) const;

    std::vector<Line> m_lines;
    std::vector<SectionIndex> m_sections; // in file order
    NameIndex m_firstSection;             // folded name -> index in m_sections
    Encoding m_encoding = Encoding::Ansi;
    End m_lineEnd = End::CrLf; // that of the first line, given to new lines
    std::string m_byteOrderMark;
    std::string m_trailing; // a last half character of a UTF-16 file
};
