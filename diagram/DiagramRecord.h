#pragma once

// What every diagram record shares: the escapes of its texts, its numbers in
// the C locale, the split of a line into its type keyword and its fields,
// and the unique entity names that links refer to.
//
// A record is one line: the type keyword, ":", fields separated by "," and a
// final ";". Texts escape ":", ";", "," and line breaks as "\colon",
// "\semicolon", "\comma" and "\newline", so no record ever holds a raw line
// break: a lone CR or LF (multi-line edits of the toolkit give LF) is written
// "\newline" as a CR LF pair is, and reads back as CR LF. The escape words all
// begin with the one backslash they hold, so no two of them can overlap and
// the order in which a reader undoes them does not change what it reads.
//
// Numbers are written and read in the C locale whatever the user's locale:
// doubles as "%f" (six decimals). A reader never trusts them: a coordinate
// that is not finite or lies beyond +-1,000,000 is brought back to that
// range, and an integer beyond the range of int is held at its end.

#include "CString.h"

#include <string>

namespace DiagramRecord {

// The largest coordinate a record may give, either way.
constexpr double kCoordinateLimit = 1000000.0;
// The largest group number a record may give, either way: grouping and
// pasting hand out numbers above the highest group, which must stay within
// int.
constexpr int kGroupLimit = 1000000;

// A text of a record with the four escapes.
CString escape(const CString& text);
// The escapes undone: "\newline" gives CR LF.
CString unescape(const CString& text);
// A text written as it stands (entity names in links, font names), but for
// its line breaks, which are written "\newline".
CString withoutLineBreaks(const CString& text);

// The number at the start of a text as strtod and atoi read it in the C
// locale (text that is no number reads 0); readInt holds a value beyond int
// at the nearest end of its range.
double readDouble(const CString& text);
int readInt(const CString& text);
// A group number: readInt brought into the range +-kGroupLimit.
int readGroup(const CString& text);
// readDouble brought into the range +-kCoordinateLimit (a value that is not
// a number reads 0), for coordinates kept as whole units.
double readClampedDouble(const CString& text);
// A coordinate: readClampedDouble rounded as "%f" writes it, so that what is
// read is what is written again.
double readCoordinate(const CString& text);
// A double as "%f" writes it in the C locale.
void appendFixed(std::string& out, double value);

// Splits a record line at its first ":": the type keyword before it, trimmed,
// is returned and the fields after it, trimmed, stay in text. Without a ":"
// the keyword is empty and text is unchanged.
CString splitRecordType(CString& text);
// Removes the one ";" that ends a record's fields, when it is there.
void dropFinalSemicolon(CString& fields);

// A new unique entity name, "G" + the time in seconds + a process-wide
// counter: two names of one second differ in the counter.
CString makeUniqueEntityName();

// Builds a record line: the type keyword and ":", then each field after a
// "," (the first without one); the caller adds the final ";" where the record
// has one.
class Writer {
public:
    explicit Writer(const CString& type);
    Writer& number(double value);        // "%f"
    Writer& integer(long value);         // "%i"
    Writer& text(const CString& value);  // escaped
    Writer& plain(const CString& value); // as it stands, line breaks aside
    Writer& end();                       // the final ";"
    CString str() { return CString(std::move(m_line)); }

private:
    void separate();
    std::string m_line;
    bool m_first = true;
};

} // namespace DiagramRecord

// The name every caller of the program's documents uses.
inline CString makeUniqueEntityName() {
    return DiagramRecord::makeUniqueEntityName();
}
