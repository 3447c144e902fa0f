#pragma once

// An input file stream in the old stream library's text mode: lines end with
// LF or CR LF and are returned without them. Each reader gives its own line
// limit: a line longer than limit - 1 characters comes back in pieces of at
// most limit - 1 characters, one piece per call, as the original library
// returned them.

#include "CString.h"

#include <string>
#include <vector>

class TextInStream {
public:
    TextInStream() = default;
    explicit TextInStream(const char* path, bool binary = false) { open(path, binary); }

    bool open(const char* path, bool binary = false);
    // Reads text held in memory (a resource of the program) as a file.
    void openBytes(std::string bytes, bool binary = false);
    bool is_open() const { return m_open; }
    void close();
    // False when nothing is left to read.
    bool getline(CString& line, int limit);
    bool eof() const { return !m_open || m_pos >= m_text.size(); }
    // Everything not read yet (text mode: CR LF turned into LF).
    CString readRest();

    // The lines of a file as a reader that reads until the end-of-file flag
    // is set sees them: the bytes as they are (a CR before a line feed stays
    // in its line), every line whole whatever its length, one more empty
    // line after a final line feed, one empty line for an empty file. False
    // when the file cannot be opened.
    static bool readLinesUntilEof(const char* path, std::vector<CString>& lines);

private:
    std::string m_text;
    size_t m_pos = 0;
    bool m_open = false;
};
