#include "HtmlText.h"

#include "FileSystem.h"
#include "Item.h"
#include "ProcessManager.h"
#include "TextInStream.h"
#include "TextOutStream.h"
#include "WinTypes.h"

#include <algorithm>
#include <vector>

namespace {

// Page lines are read up to 49,999 characters.
constexpr int kLineLimit = 50000;
// A tag whose ">" is not found within this many further lines counts as missing.
constexpr int kMaxExtraLines = 10;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Keeps the part of a page line that lies inside the body and tells whether
// anything of the line is kept. The body begins behind the "<body ...>" tag
// and ends before "</body>" or, with stopAtMarker, before the marker of the
// generated sections.
bool keepBodyPart(CString& line, bool& inBody, TextInStream& in, bool stopAtMarker) {
    int start = 0;
    int end = -1;
    if (!inBody) {
        if (!findTag(line, "body", &start, &end, &in))
            return false;
        line = line.Mid(end + 1);
        inBody = true;
    }
    start = 0;
    if (findTag(line, "/body", &start, &end, &in)) {
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
void rebasePictureSources(CString& line, const CString& relative, TextInStream* in) {
    int from = 0;
    for (;;) {
        int start = -1;
        int end = -1;
        for (const char* name : {"img", "v:imagedata"}) {
            int tagStart = from;
            int tagEnd = -1;
            if (findTag(line, name, &tagStart, &tagEnd, in) && (start == -1 || tagStart < start)) {
                start = tagStart;
                end = tagEnd;
            }
        }
        if (start == -1)
            return;
        int valueStart = -1;
        int valueEnd = -1;
        CString value = getAttributeValue(line, start, end, "src", &valueStart, &valueEnd);
        if (valueStart == -1) {
            // A picture without a source is passed over, so that the
            // pictures after it on the line are still rewritten.
            from = end + 1;
            continue;
        }
        value.Replace("\\\\", "/");
        if (value.Left(2) == "./")
            value = value.Mid(2);
        const int lengthBefore = line.GetLength();
        line = replaceRange(line, valueStart, valueEnd, relative + "/" + value);
        from = end + (line.GetLength() - lengthBefore) + 1;
    }
}

} // namespace

bool findTag(CString& text, const CString& name, int* start, int* end, TextInStream* in) {
    if (*start < 0 || *start >= text.GetLength())
        return false;
    CString lowerText = text;
    lowerText.MakeLower();
    CString tag = "<" + name;
    tag.MakeLower();
    *start = lowerText.Find(tag, *start);
    if (*start == -1)
        return false;
    *end = text.Find('>', *start);
    CString line;
    for (int n = 0; *end == -1 && n < kMaxExtraLines && in && in->getline(line, kLineLimit); ++n) {
        text += "\n" + line;
        *end = text.Find('>', *start);
    }
    return *end != -1;
}

CString removeElements(CString& text, const CString& name, TextInStream* in) {
    int from = 0;
    for (;;) {
        int start = from;
        int end = -1;
        if (!findTag(text, name, &start, &end, in))
            return text;
        CString after = text.Mid(end + 1);
        int closeStart = 0;
        int closeEnd = -1;
        if (!findTag(after, "/" + name, &closeStart, &closeEnd, in)) {
            // Lines read while looking for the closing tag are kept: the
            // reader has moved past them.
            text = text.Left(end + 1) + after;
            return text;
        }
        text = text.Left(start) + after.Mid(closeEnd + 1);
        from = start;
    }
}

CString removeTags(CString& text, const CString& name, TextInStream* in) {
    int from = 0;
    for (;;) {
        int start = from;
        int end = -1;
        if (!findTag(text, name, &start, &end, in))
            return text;
        text = text.Left(start) + text.Mid(end + 1);
        from = start;
    }
}

CString getAttributeValue(const CString& text, int from, int limit, const CString& attribute, int* valueStart,
                          int* valueEnd) {
    CString lowerText = text;
    lowerText.MakeLower();
    CString key = attribute;
    key.MakeLower();
    CString pattern = key + "=";
    int found = lowerText.Find(pattern, from);
    if (found == -1 || found >= limit) {
        pattern = key + " =";
        found = lowerText.Find(pattern, from);
    }
    if (found == -1 || found >= limit) {
        *valueStart = *valueEnd = -1;
        return CString();
    }
    *valueStart = found + pattern.GetLength();
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
