#pragma once

// What the tests of Tarnwick's XML side share: texts written in each
// encoding a target file may have (encoded here, independently of the
// library's own encoder), and the check that a file parses again.

#include "CodePage.h"
#include "Exception.h"
#include "XmlReader.h"

#include <string>
#include <vector>

inline std::u16string wide(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

inline std::string narrow(const std::u16string& text) {
    return codepage::toUtf8(text);
}

enum class Form { Utf8, Utf8Bom, Utf16Le, Utf16LeBom, Utf16BeBom, Latin1, Windows1252, Ascii };

// Characters outside a single-byte form must not occur in the text.
inline std::string encode(const std::u16string& text, Form form) {
    std::string out;
    const auto units = [&](bool bigEndian) {
        for (const char16_t c : text) {
            out += static_cast<char>(bigEndian ? c >> 8 : c & 0xFF);
            out += static_cast<char>(bigEndian ? c & 0xFF : c >> 8);
        }
    };
    switch (form) {
    case Form::Utf8Bom:
        out = "\xEF\xBB\xBF";
        [[fallthrough]];
    case Form::Utf8:
        return out + codepage::toUtf8(text);
    case Form::Utf16LeBom:
        out = "\xFF\xFE";
        [[fallthrough]];
    case Form::Utf16Le:
        units(false);
        return out;
    case Form::Utf16BeBom:
        out = "\xFE\xFF";
        units(true);
        return out;
    case Form::Latin1:
        return codepage::toMultiByte(text, codepage::kLatin1);
    case Form::Windows1252:
        return codepage::toMultiByte(text, codepage::kWindows1252);
    case Form::Ascii:
        return codepage::lowBytes(text);
    }
    return out;
}

// Empty when the file parses to its end; else the parser's complaint.
inline std::string reparseError(const std::u16string& path) {
    XmlReader reader;
    try {
        reader.parse(path);
        return {};
    } catch (const Exception& error) {
        std::string message = "error " + std::to_string(error.number());
        for (const std::u16string& argument : error.arguments())
            message += " " + narrow(argument);
        return message;
    }
}
