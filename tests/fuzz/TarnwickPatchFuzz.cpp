// Tarnwick's patch of an existing XML file: the input is the file, a line
// feed that is not the file's (so that a UTF-16 file may end as it likes),
// a line "%%%%" and rows of the update tables, one a line, fields separated
// by "|":
//   E|key|parent|name|order|flags|text       an FW_XmlElement row
//   A|key|element|name|flags|order|value     an FW_XmlAttribute row
//   F|flags|indent units                     the FW_XmlFile row's options
// In a field, \uXXXX is the UTF-16 unit XXXX (so halves of surrogate pairs
// and U+FFFE reach the patch), \n, \r, \t, \| and \\ what they stand for.
// The first element row without parent is the file's root record.
//
// The file is patched as an installation does, then patched again for
// removal. Whatever the file and the rows, a patch that succeeds leaves a
// file that the XML parser reads to its end, and a patch that fails leaves
// the file byte for byte as it was; nothing else appears in its folder.

#include "ActionData.h"
#include "CodePage.h"
#include "Encoding.h"
#include "Exception.h"
#include "FuzzFolder.h"
#include "FuzzProperty.h"
#include "XmlFileRecord.h"
#include "XmlFlags.h"
#include "XmlManager.h"
#include "XmlReader.h"
#include "XmlUpdateDataReader.h"
#include "XmlUpdateModel.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Enough rows for nested elements with a few attributes each.
constexpr size_t kMostRows = 64;

// The fields of a row line, escapes resolved.
std::vector<std::u16string> fields(std::string_view line) {
    std::vector<std::u16string> out(1);
    std::string pending; // UTF-8 bytes not yet converted
    const auto flush = [&] {
        out.back() += codepage::fromMultiByte(pending, codepage::CP_UTF8);
        pending.clear();
    };
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '|') {
            flush();
            out.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            int unit = -1;
            if (next == 'u' && i + 4 < line.size()) {
                unit = 0;
                for (size_t k = 1; k <= 4 && unit >= 0; ++k)
                    unit = encoding::hexDigit(line[i + k]) < 0 ? -1
                                                               : unit * 16 + encoding::hexDigit(line[i + k]);
                if (unit >= 0)
                    i += 4;
            }
            flush();
            if (unit >= 0)
                out.back() += static_cast<char16_t>(unit);
            else
                out.back() += next == 'n'   ? u'\n'
                              : next == 'r' ? u'\r'
                              : next == 't' ? u'\t'
                                            : char16_t(next);
        } else {
            pending += c;
        }
    }
    flush();
    return out;
}

struct Rows {
    std::vector<ActionData::Row> elements, attributes;
    std::u16string flags = u"0";
    std::u16string indent = u"2";
    std::u16string root;
};

Rows readRows(std::string_view text) {
    Rows rows;
    size_t count = 0;
    for (size_t start = 0; start < text.size() && count < kMostRows; ++count) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.size() < 2 || line[1] != '|')
            continue;
        std::vector<std::u16string> row = fields(line.substr(2));
        row.resize(line[0] == 'F' ? 2 : 6);
        if (line[0] == 'E') {
            if (rows.root.empty() && row[1].empty() && !row[0].empty())
                rows.root = row[0];
            rows.elements.push_back(row);
        } else if (line[0] == 'A') {
            rows.attributes.push_back(row);
        } else if (line[0] == 'F') {
            rows.flags = row[0];
            rows.indent = row[1];
        }
    }
    return rows;
}

// The rows as a deferred action receives them, for the file at path.
XmlUpdateDataReader actionData(const Rows& rows, const std::string& folder) {
    const std::u16string directory = codepage::fromMultiByte(folder, codepage::CP_UTF8);
    const std::vector<ActionData::Row> files = {
        {u"f", u"doc.xml", directory, u"", rows.root, rows.flags, u"1.0", u"UTF-8", rows.indent, u""}};
    XmlUpdateDataReader data(
        ActionData::pack({{{u"ProductCode", u"{FUZZ}"}}, files, rows.elements, rows.attributes}));
    data.unpack();
    return data;
}

// Patches the file in mode; false when the patch failed.
bool patch(const XmlUpdateDataReader& data, int mode) {
    XmlUpdateModel model;
    model.load(data);
    try {
        XmlManager::patchFile(model, *model.files().front(), mode);
        return true;
    } catch (const Exception&) {
    } catch (const std::exception&) {
    }
    return false;
}

std::string parseError(const std::string& path) {
    XmlReader reader;
    try {
        reader.parse(codepage::fromMultiByte(path, codepage::CP_UTF8));
        return {};
    } catch (const Exception& error) {
        std::string text = "error " + std::to_string(error.number());
        for (const std::u16string& argument : error.arguments())
            text += " " + codepage::toUtf8(argument);
        return text;
    }
}

size_t entriesIn(const std::string& folder) {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzParts parts = fuzzSplit(fuzzBytes(data, size));
    const Rows rows = readRows(parts.second);
    if (rows.root.empty())
        return 0;
    std::string_view file = parts.first;
    if (file.ends_with('\n'))
        file.remove_suffix(1);
    FuzzFolder folder;
    const std::string path = folder.write("doc.xml", file);
    const XmlUpdateDataReader action = actionData(rows, folder.project());

    for (const int mode : {xmlflags::kModeInstall, xmlflags::kModeUninstall}) {
        const std::string before = folder.read("doc.xml");
        const bool patched = patch(action, mode);
        fuzzRequire(entriesIn(folder.project()) == 1, "nothing but the file is left in its folder");
        if (!patched) {
            fuzzRequire(folder.read("doc.xml") == before, "a patch that fails leaves the file as it was");
            break;
        }
        const std::string error = parseError(path);
        fuzzRequire(error.empty(), "a patched file parses again", error + "\n" + folder.read("doc.xml"));
    }
    folder.requireNothingOutside();
    return 0;
}
