#pragma once

// The records of a semicolon-separated file that a user may have edited in
// a spreadsheet. A record ends at a line end (CR LF or LF); a field that
// begins with a double quote runs to the next lone double quote, may hold
// separators and line ends (kept as they are), and gives a doubled quote
// as one. A trailing
// separator adds no field and an empty line gives one empty field, as the
// program always cut its lines. The file is read whole before any record
// is handed out: one that ends inside a quoted field is damaged and gives
// no record at all. A file saved as UTF-8 with its byte-order mark is
// turned into the program's code page; any other is read as bytes of the
// code page, as the program writes its files, so that a file the program
// wrote reads back as written.

#include "CString.h"

#include <vector>

class CsvFileReader {
public:
    enum class Result { Read, CannotOpen, Damaged };

    Result read(const CString& path);
    // Reads the bytes of a file already in memory.
    Result parse(std::string bytes);

    const std::vector<std::vector<CString>>& getRecords() const { return m_records; }
    // The line of the file on which each record begins, from 1.
    const std::vector<int>& getLineNumbers() const { return m_lines; }

private:
    std::vector<std::vector<CString>> m_records;
    std::vector<int> m_lines;
};
