#pragma once

// Tarnwick's error record, thrown and caught by value: where it was raised
// (a source unit such as "os\XmlReader" and a line, for the developer) and
// what the installer is told: a message number of the package's Error
// table with its arguments, or, with number 0, a warning text. Arguments
// are kept as a list, so an empty argument keeps its place and the ones
// after it.

#include <string>
#include <vector>

class Exception {
public:
    Exception(std::u16string source, int line, std::u16string text)
        : m_source(std::move(source)), m_line(line), m_text(std::move(text)) {}
    Exception(std::u16string source, int line, int number, std::vector<std::u16string> arguments = {})
        : m_source(std::move(source)), m_line(line), m_number(number), m_arguments(std::move(arguments)) {}

    const std::u16string& source() const { return m_source; }
    int line() const { return m_line; }
    int number() const { return m_number; }
    const std::u16string& text() const { return m_text; }
    const std::vector<std::u16string>& arguments() const { return m_arguments; }

private:
    std::u16string m_source;
    int m_line = 0;
    int m_number = 0;
    std::u16string m_text;
    std::vector<std::u16string> m_arguments;
};
