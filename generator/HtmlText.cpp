#include "HtmlText.h"

#include "Encoding.h"
#include "FileSystem.h"
#include "Item.h"
#include "ProcessManager.h"
#include "TextInStream.h"
#include "TextOutStream.h"
#include "WinTypes.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Page lines are read up to 49,999 characters.
constexpr int kLineLimit = 50000;
// A tag whose ">" is not found within this many further lines counts as missing.
constexpr int kMaxExtraLines = 10;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// A character that goes on a tag's name: "<bodyguard" is no "<body".
bool isNameCharacter(char c) {
    const auto b = static_cast<unsigned char>(c);
    return std::isalnum(b) || c == '-' || c == '_' || c == ':' || c == '.' || b >= 0x80;
}

// "<" + name as it is searched for: lower-cased.
std::string openingOf(const CString& name) {
    return encoding::toLower("<" + name.str());
}

// Where pattern (lower-cased) stands in text from `from` on, starting
// before `before`, compared without regard to case; -1 when nowhere. The
// text is read where it lies: no lower-cased copy, so a search costs the
// stretch it looks through.
int findNoCase(const std::string& text, std::string_view pattern, size_t from,
               size_t before = std::string::npos) {
    if (pattern.empty() || text.size() < pattern.size())
        return -1;
    const size_t last = std::min(before, text.size() - pattern.size() + 1);
    for (size_t at = from; at < last; ++at) {
        if (encoding::toLower(text[at]) != pattern[0])
            continue;
        size_t k = 1;
        while (k < pattern.size() && encoding::toLower(text[at + k]) == pattern[k])
            ++k;
        if (k == pattern.size())
            return static_cast<int>(at);
    }
    return -1;
}

// The first "<" + name at or after from: with exact, only where the name
// ends there (a "<bodyguard" is passed over in a search for "<body").
int findOpening(const std::string& text, std::string_view opening, size_t from, bool exact) {
    for (;;) {
        const int at = findNoCase(text, opening, from);
        if (at < 0 || !exact)
            return at;
        const size_t after = static_cast<size_t>(at) + opening.size();
        if (after >= text.size() || !isNameCharacter(text[after]))
            return at;
        from = after;
    }
}

// The ">" that ends a tag, searched from `from`; lines of in (may be null)
// are pulled into text while it is missing, maxLines at the most, each
// looked through once.
int findTagEnd(CString& text, int from, TextInStream* in, int maxLines) {
    int end = text.Find('>', from);
    CString line;
    for (int n = 0; end == -1 && n < maxLines && in && in->getline(line, kLineLimit); ++n) {
        const int searched = text.GetLength();
        text += "\n" + line;
        end = text.Find('>', searched);
    }
    return end;
}

bool findTagFrom(CString& text, const std::string& opening, int* start, int* end, TextInStream* in,
                 bool exact) {
    if (*start < 0 || *start >= text.GetLength())
        return false;
    *start = findOpening(text.str(), opening, static_cast<size_t>(*start), exact);
    if (*start == -1)
        return false;
    *end = findTagEnd(text, *start, in, kMaxExtraLines);
    return *end != -1;
}

// The first tag of a name at or after a position, in a text that only
// grows at its end: what a search found stays known while the walk through
// the text has not passed it, so that two names searched in turn each cost
// one reading of the text.
class TagSearch {
public:
    explicit TagSearch(const CString& name) : m_opening(openingOf(name)) {}

    // As findTag from `from`.
    bool find(CString& text, int from, int* start, int* end, TextInStream* in) {
        if (from < 0 || from >= text.GetLength())
            return false;
        if (m_at < from) {
            // Nothing of the name begins between from and m_searched.
            const int at =
                findOpening(text.str(), m_opening, static_cast<size_t>(std::max(from, m_searched)), false);
            m_at = at;
            m_end = -1;
            m_endSearched = at;
            if (at < 0) {
                m_searched = std::max(from, text.GetLength() - static_cast<int>(m_opening.size()) + 1);
                return false;
            }
            m_searched = at;
        }
        if (m_end == -1) {
            // A tag still open: its ">" is looked for again, from where the
            // last look stopped, with lines pulled in as findTag does.
            m_end = findTagEnd(text, m_endSearched, in, kMaxExtraLines);
            if (m_end == -1)
                m_endSearched = text.GetLength();
        }
        *start = m_at;
        *end = m_end;
        return m_end != -1;
    }

private:
    std::string m_opening;
    int m_at = -1;
    int m_end = -1;
    int m_searched = 0;
    int m_endSearched = 0;
};

// A text rebuilt as a walk from its front replaces stretches of it: what
// lies between the stretches is copied once, and the text takes the new
// form only at the end, with what follows the last stretch, including the
// lines a search pulled in meanwhile.
class Rebuilt {
public:
    explicit Rebuilt(CString& text) : m_text(text) {}

    // Puts with in place of [start, end); stretches come in the text's order.
    void replace(int start, int end, std::string_view with = {}) {
        m_rebuilt.append(m_text.str(), m_copied, start - m_copied);
        m_rebuilt += with;
        m_copied = end;
        m_changed = true;
    }
    // The text in its new form, when a stretch was replaced.
    CString& finish() {
        if (m_changed) {
            m_rebuilt.append(m_text.str(), m_copied);
            m_text = CString(std::move(m_rebuilt));
        }
        return m_text;
    }

private:
    CString& m_text;
    std::string m_rebuilt;
    int m_copied = 0;
    bool m_changed = false;
};

// Keeps the part of a page line that lies inside the body and tells whether
// anything of the line is kept. The body begins behind the "<body ...>" tag
// and ends before "</body>" or, with stopAtMarker, before the marker of the
// generated sections. Only a tag named body counts: a "<bodyguard>" after
// the marker starts nothing again.
bool keepBodyPart(CString& line, bool& inBody, TextInStream& in, bool stopAtMarker) {
    static const std::string bodyOpening = openingOf("body");
    static const std::string bodyClosing = openingOf("/body");
    int start = 0;
    int end = -1;
    if (!inBody) {
        if (!findTagFrom(line, bodyOpening, &start, &end, &in, true))
            return false;
        line = line.Mid(end + 1);
        inBody = true;
    }
    start = 0;
    if (findTagFrom(line, bodyClosing, &start, &end, &in, true)) {
        line = line.Left(start);
        inBody = false;
        return true;
    }
    start = 0;
    if (stopAtMarker && findTag(line, "!--PROCESS_HYPERLINK--", &start, &end, &in)) {
        line = line.Left(start);
        inBody = false;
    }
    return true;
}

// The headings under which the page writers put the sections of an item page.
std::vector<CString> sectionHeadings(Project* manager, int language) {
    std::vector<CString> headings;
    if (!manager)
        return headings;
    for (const char* key :
         {"Description", "TemplatesExamples", "Hyperlinks", "Procedures", "TailoringGuideline"})
        headings.push_back("<H4>" + manager->getLabel(language, key));
    headings.push_back("<H4><a name=\"ACU\">" + manager->getLabel(language, "WPCreatedUpdated"));
    return headings;
}

// Rewrites the source of every picture of the line ("img" and
// "v:imagedata") so that it is reached from the document's folder: relative
// + "/" + the source without its leading "./", double backslashes made "/".
// The line is read once: the new sources go into a copy made as the walk
// goes, and the line itself changes only at its end, where lines pulled in
// to close a tag are added.
void rebasePictureSources(CString& line, const CString& relative, TextInStream* in) {
    TagSearch pictures[] = {TagSearch("img"), TagSearch("v:imagedata")};
    Rebuilt rebased(line);
    int from = 0;
    for (;;) {
        int start = -1;
        int end = -1;
        for (TagSearch& picture : pictures) {
            int tagStart = -1;
            int tagEnd = -1;
            if (picture.find(line, from, &tagStart, &tagEnd, in) && (start == -1 || tagStart < start)) {
                start = tagStart;
                end = tagEnd;
            }
        }
        if (start == -1)
            break;
        int valueStart = -1;
        int valueEnd = -1;
        CString value = getAttributeValue(line, start, end, "src", &valueStart, &valueEnd);
        from = end + 1;
        // A picture without a source is passed over, so that the pictures
        // after it on the line are still rewritten.
        if (valueStart == -1)
            continue;
        value.Replace("\\\\", "/");
        if (value.Left(2) == "./")
            value = value.Mid(2);
        rebased.replace(valueStart, valueEnd + 1, "\"" + (relative + "/" + value).str() + "\"");
    }
    rebased.finish();
}

} // namespace

bool findTag(CString& text, const CString& name, int* start, int* end, TextInStream* in) {
    return findTagFrom(text, openingOf(name), start, end, in, false);
}

// Both removals read the text once, from the front: what stays is copied
// into a new text as the walk goes, and lines pulled in to close a tag are
// added to the end of the text walked (the reader has moved past them, so
// they stay whatever is found).
CString removeElements(CString& text, const CString& name, TextInStream* in) {
    const std::string opening = openingOf(name);
    const std::string closing = openingOf("/" + name);
    Rebuilt kept(text);
    int from = 0;
    for (;;) {
        int start = from;
        int end = -1;
        if (!findTagFrom(text, opening, &start, &end, in, false))
            break;
        int closeStart = end + 1;
        int closeEnd = -1;
        if (!findTagFrom(text, closing, &closeStart, &closeEnd, in, false))
            break;
        kept.replace(start, closeEnd + 1);
        from = closeEnd + 1;
    }
    return kept.finish();
}

CString removeTags(CString& text, const CString& name, TextInStream* in) {
    const std::string opening = openingOf(name);
    Rebuilt kept(text);
    int from = 0;
    for (;;) {
        int start = from;
        int end = -1;
        if (!findTagFrom(text, opening, &start, &end, in, false))
            break;
        kept.replace(start, end + 1);
        from = end + 1;
    }
    return kept.finish();
}

CString getAttributeValue(const CString& text, int from, int limit, const CString& attribute, int* valueStart,
                          int* valueEnd) {
    // Only what begins inside the tag counts: the search ends at limit.
    const std::string key = encoding::toLower(attribute.str());
    const size_t begin = static_cast<size_t>(std::max(from, 0));
    const size_t before = static_cast<size_t>(std::max(limit, 0));
    std::string pattern = key + "=";
    int found = findNoCase(text.str(), pattern, begin, before);
    if (found == -1) {
        pattern = key + " =";
        found = findNoCase(text.str(), pattern, begin, before);
    }
    if (found == -1) {
        *valueStart = *valueEnd = -1;
        return CString();
    }
    *valueStart = found + static_cast<int>(pattern.size());
    // The character right after the "=" is passed over only when it is a
    // blank or the opening quote; an unquoted value is read from its first
    // character, so nothing of it is lost.
    int first = *valueStart;
    if (first < text.GetLength() && (isBlank(text[first]) || text[first] == '"'))
        ++first;
    while (first < text.GetLength() && isBlank(text[first]))
        ++first;
    int last = first;
    while (last < text.GetLength() && !isBlank(text[last]) && text[last] != '>')
        ++last;
    *valueEnd = last - 1;
    CString value = text.Mid(first, last - first);
    value.Trim('"');
    return value;
}

CString replaceRange(const CString& text, int start, int end, const CString& value) {
    return text.Left(start) + "\"" + value + "\"" + text.Mid(end + 1);
}

void extractPageSections(const CString& pagePath, TextOutStream& out, Item* item, int language) {
    // The item's own project, or the program's for none.
    Project* manager = item && item->getProject() ? item->getProject() : getProcessManager();
    // The document lies in the project's folder "tmp"; pictures of the page
    // are reached from there through the page's folder.
    CString documentFolder = (manager ? manager->getProjectDirectory() : CString()) + "tmp";
    CString pageFolder = pagePath.Left(std::max(pagePath.ReverseFind('/'), pagePath.ReverseFind('\\')));
    documentFolder.Replace('/', '\\');
    pageFolder.Replace('/', '\\');
    char computed[MAX_PATH];
    PathRelativePathToA(computed, documentFolder, FILE_ATTRIBUTE_DIRECTORY, pageFolder,
                        FILE_ATTRIBUTE_DIRECTORY);
    // Written into picture addresses, which take "/" wherever the document is read.
    CString relative = computed;
    relative.Replace('\\', '/');

    TextInStream in(pagePath);
    if (!in.is_open())
        return;
    const std::vector<CString> headings = sectionHeadings(manager, language);
    bool inBody = false;
    CString line;
    while (in.getline(line, kLineLimit)) {
        if (!keepBodyPart(line, inBody, in, false))
            continue;
        if (std::any_of(headings.begin(), headings.end(),
                        [&line](const CString& heading) { return line.Find(heading) != -1; })) {
            line.Replace("<H4>", "<B>");
            line.Replace("<h4>", "<B>");
            line.Replace("</H4>", "</B><BR>");
            line.Replace("</h4>", "</B><BR>");
        }
        removeElements(line, "H1", &in);
        removeTags(line, "a", &in);
        removeTags(line, "/a", &in);
        // The back-to-top pictures go, with every other picture of their line.
        if (line.Find("top.gif") != -1)
            removeTags(line, "img", &in);
        rebasePictureSources(line, relative, &in);
        out << line << "\n";
    }
}

CString extractPageBody(const CString& pagePath, int stopAtMarker) {
    CString body;
    TextInStream in(pagePath);
    if (!in.is_open())
        return body;
    bool inBody = false;
    CString line;
    while (in.getline(line, kLineLimit))
        if (keepBodyPart(line, inBody, in, stopAtMarker != 0))
            body += line;
    return body;
}

ProcessManager* getProcessManager() {
    return ProcessManager::getInstance();
}

CString textToHtml(const CString& text, int escapeMode) {
    CString out = text;
    if (escapeMode) {
        for (const char* tag : {"<b>", "</b>", "<B>", "</B>"})
            out.Replace(tag, "");
        out.Replace("\x92", "&rsquo;");
        out.Replace("`", "&lsquo;");
        out.Replace('"', '\'');
    } else {
        out.Replace("&", "&amp;");
        out.Replace("\"", "&quot;");
    }
    return out;
}

CString escapeHtml(const CString& text) {
    CString out = text;
    out.Replace("&", "&amp;");
    out.Replace("<", "&lt;");
    out.Replace(">", "&gt;");
    return out;
}

CString lowerCased(CString text) {
    text.MakeLower();
    return text;
}
