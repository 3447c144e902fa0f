#pragma once

// One profile (INI) file held in memory: its lines as they stand, so that a
// rewrite keeps the order, the comments and every key the program does not
// know, with lookups by name that ignore case. Reads follow the Windows
// profile functions: names and values are trimmed, a value in matching
// quotes loses them, the first of two equal sections or keys wins.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ProfileFile {
public:
    // Text encodings a profile file may come in; written back the same way.
    enum class Encoding { Ansi, Utf8Bom, Utf16LeBom };

    ProfileFile() = default;
    // Parses file bytes (CR LF or LF line ends; a UTF-8 or UTF-16 byte order
    // mark makes the text be read and later written in that encoding).
    static ProfileFile parse(std::string_view bytes);
    // The bytes to write: every line ended with CR LF.
    std::string serialize() const;

    // The value as the Windows call returns it (trimmed, quotes removed),
    // or nothing when the section or key is missing.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;

    // Replaces the key's value in place, or adds the key at the end of its
    // section, creating the section at the end of the file when missing.
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the first key of that name in the section; false when there was none.
    bool removeKey(std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines; false when there was none.
    bool removeSection(std::string_view section);

    Encoding encoding() const { return m_encoding; }

private:
    enum class Kind { Section, Key, Other };
    struct Line {
        std::string raw;
        Kind kind = Kind::Other;
        std::string name; // trimmed section or key name
    };
    struct SectionIndex {
        size_t header;                              // line of the "[name]" header
        size_t end;                                 // one past its last line
        std::unordered_map<std::string, size_t> keys; // folded name -> first line
    };

    void reindex();
    const SectionIndex* findSection(std::string_view section) const;
    static Line classify(std::string raw);

    std::vector<Line> m_lines;
    std::vector<SectionIndex> m_sections;                      // in file order
    std::unordered_map<std::string, size_t> m_firstSection; // folded name -> index in m_sections
    Encoding m_encoding = Encoding::Ansi;
};
