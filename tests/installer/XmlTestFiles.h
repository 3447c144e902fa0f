#pragma once

// What the tests of Tarnwick's XML side share: texts written in each
// encoding a target file may have (encoded here, independently of the
// library's own encoder), update-table rows loaded into a model, and the
// check that a file parses again.

#include "ActionData.h"
#include "CodePage.h"
#include "Exception.h"
#include "TempDir.h"
#include "XmlReader.h"
#include "XmlTargetDatabase.h"
#include "XmlUpdateDataReader.h"
#include "XmlUpdateModel.h"

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

// Rows of the three update tables (and properties), as the deferred
// actions receive them, loaded into a model through the action data.
struct UpdateRows {
    std::vector<ActionData::Row> properties, files, elements, attributes;

    void load(XmlUpdateModel& model) const {
        XmlUpdateDataReader data(ActionData::pack({properties, files, elements, attributes}));
        data.unpack();
        model.load(data);
    }
};

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

// The rows for one existing file, doc.xml in folder, whose root element
// record is root; indentation two spaces.
inline UpdateRows fileRows(const std::string& folder, const std::u16string& root,
                           const std::vector<ActionData::Row>& elements,
                           const std::vector<ActionData::Row>& attributes) {
    UpdateRows rows;
    rows.files = {{u"f", u"doc.xml", wide(folder), u"", root, u"0", u"1.0", u"UTF-8", u"2", u""}};
    rows.elements = elements;
    rows.attributes = attributes;
    return rows;
}

// A model loaded from rows and the first file's target, loaded to be patched.
struct PatchRun {
    XmlUpdateModel model;
    XmlTargetDatabase database;

    PatchRun(const UpdateRows& rows, const std::u16string& path) : database(path) {
        rows.load(model);
        database.load();
    }
    void update(int mode) { model.updateDocument(database, *model.files().front(), mode); }
};

// Patches a copy of bytes with the rows in mode, as a run does for one
// existing file, and gives the file's bytes afterwards; the result must
// parse.
inline std::string patched(const std::string& bytes, const std::vector<ActionData::Row>& elements,
                           const std::vector<ActionData::Row>& attributes, int mode,
                           const std::u16string& root = u"r") {
    TempDir dir;
    dir.write("doc.xml", bytes);
    try {
        PatchRun run(fileRows(dir.path(), root, elements, attributes), wide(dir / "doc.xml"));
        run.update(mode);
        run.database.save();
    } catch (const Exception& error) {
        return "failed: " + std::to_string(error.number()) + " " + narrow(error.text());
    }
    const std::string error = reparseError(wide(dir / "doc.xml"));
    if (!error.empty())
        return "does not parse: " + error;
    return dir.read("doc.xml");
}
