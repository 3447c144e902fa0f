#include "MsiFormatter.h"

#include "MsiRecord.h"
#include "MsiText.h"
#include "MsiValueSource.h"

#include <cstdlib>

namespace {

// The result of formatting a piece: its text and how many references it
// held, and how many of them were empty (which removes a group).
struct Piece {
    std::u16string text;
    int references = 0;
    int empty = 0;
};

class Formatter {
public:
    Formatter(const MsiRecord& record, const MsiValueSource* source) : m_record(record), m_source(source) {}

    Piece run(std::u16string_view text) const {
        Piece out;
        size_t i = 0;
        while (i < text.size()) {
            const char16_t c = text[i];
            if (c == u'[') {
                const size_t close = matching(text, i, u'[', u']');
                if (close != std::u16string_view::npos && close > i + 1) {
                    reference(text.substr(i + 1, close - i - 1), out);
                    i = close + 1;
                    continue;
                }
            } else if (c == u'{') {
                const size_t close = matching(text, i, u'{', u'}');
                if (close != std::u16string_view::npos) {
                    const Piece group = run(text.substr(i + 1, close - i - 1));
                    if (group.references == 0)
                        out.text += u'{' + group.text + u'}';
                    else if (group.empty == 0)
                        out.text += group.text;
                    i = close + 1;
                    continue;
                }
            }
            out.text += c;
            ++i;
        }
        return out;
    }

private:
    // The position of the bracket that closes the one at start, skipping
    // nested pairs and escapes [\c]; npos when there is none.
    static size_t matching(std::u16string_view text, size_t start, char16_t open, char16_t close) {
        int depth = 0;
        for (size_t i = start; i < text.size(); ++i) {
            // "[\c]" is one unit: its character is never a bracket of its own.
            if (text[i] == u'[' && i + 3 < text.size() && text[i + 1] == u'\\' && text[i + 3] == u']') {
                if (i == start)
                    return i + 3;
                i += 3;
                continue;
            }
            if (text[i] == open)
                ++depth;
            else if (text[i] == close && --depth == 0)
                return i;
        }
        return std::u16string_view::npos;
    }

    void reference(std::u16string_view inner, Piece& out) const {
        if (inner.size() == 2 && inner[0] == u'\\') {
            out.text += inner[1];
            return;
        }
        if (inner == u"~") {
            out.text += char16_t(0);
            return;
        }
        // Nested references are formatted first and name what the outer one reads.
        const std::u16string name = run(inner).text;
        std::u16string value;
        if (name.empty()) {
            value.clear();
        } else if (name.find_first_not_of(u"0123456789") == std::u16string::npos) {
            if (const auto number = msitext::toInteger(name); number && *number > 0)
                value = m_record.string(static_cast<unsigned>(*number)).value_or(u"");
        } else if (name[0] == u'%') {
            const char* variable = std::getenv(msitext::toUtf8(name.substr(1)).c_str());
            value = msitext::fromUtf8(variable ? variable : "");
        } else if (name[0] == u'#' || name[0] == u'!' || name[0] == u'$') {
            value.clear();
        } else if (m_source) {
            value = m_source->property(name);
        }
        ++out.references;
        if (value.empty())
            ++out.empty;
        out.text += value;
    }

    const MsiRecord& m_record;
    const MsiValueSource* m_source;
};

} // namespace

std::u16string MsiFormatter::defaultTemplate(const MsiRecord& record) {
    std::u16string text;
    for (unsigned field = 1; field <= record.fieldCount(); ++field) {
        const std::u16string number = msitext::fromUtf8(std::to_string(field));
        text += number + u": [" + number + u"] ";
    }
    return text;
}

std::u16string MsiFormatter::format(const MsiRecord& record, const MsiValueSource* source) {
    const std::u16string templ = record.isNull(0) ? defaultTemplate(record) : record.string(0).value_or(u"");
    return Formatter(record, source).run(templ).text;
}
