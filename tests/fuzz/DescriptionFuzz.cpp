// Description texts on their way to a page (entities, item references
// "[@uid]" and glossary tooltips), with glossary terms named by the input:
// the terms on the lines before a line "%%%%", the description after it
// (without that line, the terms Role and Workflow and the whole input).
// Whatever the text, the result is on one line, every tooltip number is
// used once by one closed script element holding two well-formed strings
// and by one marked term, and no glossary mark falls inside a tag or inside
// a script element.

#include "FuzzFolder.h"
#include "FuzzProperty.h"
#include "MenuTreeRecord.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TooltipEntry.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr size_t kMostTerms = 6;
constexpr int kFirstNumber = 3;
const std::string kScriptOpening = "<script language=\"JavaScript1.2\"  type=\"text/javascript\">";
const std::string kReferenceTarget = "target=\"main\"> ";

std::string lowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string treeLine(int level, const std::string& uid, const std::string& name, const std::string& folder) {
    MenuTreeRecord record;
    record.level = level;
    record.uid = uid.c_str();
    record.name = name.c_str();
    record.url = ("../site/" + folder + "/overview.htm").c_str();
    record.icon = "b.gif";
    record.openIcon = "b.gif";
    record.referencedUid = " ";
    return "\r\n" + record.format().str();
}

// A process with an activity that has a description (its references get a
// tooltip), a plain page that receives the text, and a glossary.
void writeProject(const FuzzFolder& folder, const std::vector<std::string>& terms) {
    std::string tree =
        treeLine(0, "N1", "Process", "Process") + treeLine(1, "N2", "Design", "Process/Design") +
        treeLine(1, "N3", "Plain", "Process/Plain") + treeLine(0, "N10", "Glossary", "Glossary");
    folder.write("site/Process/process.data", "[PROCESSUS]\r\nClass=NOPROCESSCLASS\r\n");
    folder.write("site/Process/Design/process.data", "[PROCESSUS]\r\nClass=ACTIVITY\r\n");
    folder.write("site/Process/Design/ActivityDescription.txt", "Draw the \"plan\"\r\n</p> & check\r\n");
    folder.write("site/Process/Plain/process.data", "[PROCESSUS]\r\nClass=NOPROCESSCLASS\r\n");
    folder.write("site/Glossary/process.data", "[PROCESSUS]\r\nClass=GLOSSARY\r\n");
    for (size_t i = 0; i < terms.size(); ++i) {
        const std::string entry = "T" + std::to_string(i);
        tree += treeLine(1, "G" + std::to_string(i), terms[i], "Glossary/" + entry);
        folder.write(
            "site/Glossary/" + entry + "/process.data",
            "[PROCESSUS]\r\nClass=GLOSSARYENTRY\r\nsourceL1=Book \"A\"\r\nequivalentL1=Part of [@N2]\r\n");
        folder.write("site/Glossary/" + entry + "/GADescription.txt",
                     "Who does \"it\"\r\n</b> with [@N2] <script>x</script>\r\n");
    }
    folder.write("tolvane/MenuTreeV2.dat", tree);
}

// Reads a script string in double quotes at `at`; false when it is not closed.
bool skipScriptString(const std::string& text, size_t& at) {
    if (at >= text.size() || text[at] != '"')
        return false;
    for (++at; at < text.size(); ++at) {
        if (text[at] == '\\')
            ++at;
        else if (text[at] == '"') {
            ++at;
            return true;
        }
    }
    return false;
}

// Where each tag starts that a browser sees in running text, and which
// stretches are the content of a script element. A "<" that opens no tag
// (no name, or never closed) is text; so is an unclosed script element's
// content, and comments are left out of both.
struct Layout {
    std::set<size_t> tagStarts;
    std::vector<std::pair<size_t, size_t>> scripts;
    // A mark in a comment shows nowhere and breaks nothing.
    std::vector<std::pair<size_t, size_t>> comments;

    explicit Layout(const std::string& html) {
        const std::string lower = lowerCase(html);
        size_t i = 0;
        while (i < html.size()) {
            if (html[i] != '<') {
                ++i;
                continue;
            }
            if (html.compare(i, 4, "<!--") == 0) {
                const size_t end = html.find("-->", i + 4);
                if (end != std::string::npos)
                    comments.emplace_back(i, end + 3);
                i = end == std::string::npos ? i + 1 : end + 3;
                continue;
            }
            size_t j = i + 1;
            const bool closing = j < html.size() && html[j] == '/';
            if (closing)
                ++j;
            if (j >= html.size() || !std::isalpha(static_cast<unsigned char>(html[j]))) {
                ++i;
                continue;
            }
            const size_t nameStart = j;
            while (j < html.size() && (std::isalnum(static_cast<unsigned char>(html[j])) || html[j] == '-'))
                ++j;
            const std::string name = lower.substr(nameStart, j - nameStart);
            const size_t close = tagEnd(html, j);
            if (close == std::string::npos) {
                ++i;
                continue;
            }
            tagStarts.insert(i);
            i = close + 1;
            if (!closing && name == "script") {
                // Its closing tag: "</script" before a blank, '/' or '>'.
                size_t end = lower.find("</script", i);
                while (end != std::string::npos &&
                       (end + 8 >= lower.size() ||
                        std::string(" \t\n\r\f/>").find(lower[end + 8]) == std::string::npos))
                    end = lower.find("</script", end + 1);
                if (end != std::string::npos) {
                    scripts.emplace_back(i, end);
                    i = end;
                }
            }
        }
    }

    // The '>' that closes a tag, quotes of attribute values respected.
    static size_t tagEnd(const std::string& html, size_t j) {
        while (j < html.size()) {
            if (html[j] == '>')
                return j;
            if (html[j] == '=') {
                ++j;
                while (j < html.size() && (html[j] == ' ' || html[j] == '\t'))
                    ++j;
                if (j < html.size() && (html[j] == '"' || html[j] == '\'')) {
                    const size_t quote = html.find(html[j], j + 1);
                    if (quote == std::string::npos)
                        return std::string::npos;
                    j = quote + 1;
                }
                continue;
            }
            ++j;
        }
        return std::string::npos;
    }

    static bool within(const std::vector<std::pair<size_t, size_t>>& stretches, size_t at) {
        return std::any_of(stretches.begin(), stretches.end(),
                           [at](const auto& s) { return at >= s.first && at < s.second; });
    }
};

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

void requireSoundTooltips(const std::string& html, int first, int end) {
    fuzzRequire(html.find('\n') == std::string::npos, "a converted description holds no line feed", html);
    const std::string entryHead = kScriptOpening + " Text[";
    fuzzRequire(count(html, entryHead) == static_cast<size_t>(end - first),
                "every tooltip number taken has one script element", html);
    const Layout layout(html);
    for (int n = first; n < end; ++n) {
        const std::string number = std::to_string(n);
        const std::string head = entryHead + number + "]=[";
        const size_t entry = html.find(head);
        fuzzRequire(entry != std::string::npos && count(html, head) == 1,
                    "each tooltip number has exactly one script element", "Text[" + number + "]");
        size_t at = entry + head.size();
        const bool strings = skipScriptString(html, at) && html.compare(at, 1, ",") == 0 &&
                             skipScriptString(html, ++at) && html.compare(at, 2, "] ") == 0;
        fuzzRequire(strings, "a tooltip entry holds a title and a body as closed script strings",
                    html.substr(entry, 300));
        fuzzRequire(lowerCase(html.substr(entry + kScriptOpening.size(), at - entry - kScriptOpening.size()))
                                .find("</script") == std::string::npos &&
                        html.compare(at + 2, 9, "</script>") == 0,
                    "a tooltip script element ends right after its entry", html.substr(entry, 300));

        const std::string span = tooltipSpanOpening(number.c_str()).str();
        const size_t mark = html.find(span);
        fuzzRequire(mark != std::string::npos && count(html, span) == 1,
                    "each tooltip number marks exactly one text", span);
        // A referenced item's tooltip stands inside the link that the
        // reference became; a glossary mark stands in the running text.
        const bool reference =
            entry >= kReferenceTarget.size() &&
            html.compare(entry - kReferenceTarget.size(), kReferenceTarget.size(), kReferenceTarget) == 0;
        if (reference)
            continue;
        if (Layout::within(layout.comments, mark))
            continue;
        fuzzRequire(layout.tagStarts.count(mark) == 1, "a glossary mark never falls inside a tag",
                    html.substr(mark > 200 ? mark - 200 : 0, 400));
        fuzzRequire(!Layout::within(layout.scripts, mark),
                    "a glossary mark never falls inside a script element",
                    html.substr(mark > 200 ? mark - 200 : 0, 400));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzParts parts = fuzzSplit(fuzzBytes(data, size));
    std::vector<std::string> terms;
    std::string text;
    if (parts.hasSecond) {
        std::string_view names = parts.first;
        while (!names.empty() && terms.size() < kMostTerms) {
            const size_t end = names.find('\n');
            std::string name(names.substr(0, end));
            name.erase(std::remove(name.begin(), name.end(), '\r'), name.end());
            // The tree keeps no empty name; the checks find their own marks by these words.
            const std::string lower = lowerCase(name);
            if (!name.empty() && lower.find("tooltip") == std::string::npos &&
                lower.find("text[") == std::string::npos && lower.find("<script") == std::string::npos)
                terms.push_back(name);
            names = end == std::string_view::npos ? std::string_view() : names.substr(end + 1);
        }
        text = std::string(parts.second);
    } else {
        terms = {"Role", "Workflow"};
        text = std::string(parts.first);
    }

    FuzzFolder folder;
    RecordingUserInterface ui;
    platform::clearProfileCache();
    const std::string settings = folder.writeSettings();
    folder.write("tolvane/trad.ini", "[TRAD]\r\nSource_EN=Source\r\nEquivalent_EN=Equivalent\r\n");
    writeProject(folder, terms);
    ProcessManager manager(settings.c_str(), nullptr, 0, 0);
    static_cast<ProcessItem*>(manager.findItemByUid("N2"))->buildHtmlDescription(0);

    // The checks recognise the tooltips by their words: a text that spells
    // them out itself is left out.
    const std::string plain = manager.descriptionToPlainHtml(CString(text), 0).str();
    fuzzRequire(plain.find('\n') == std::string::npos, "a plain description holds no line feed", plain);
    const std::string lowerPlain = lowerCase(plain);
    if (lowerPlain.find("tooltip") != std::string::npos || lowerPlain.find("text[") != std::string::npos)
        return 0;
    fuzzRequire(lowerPlain.find(lowerCase(kScriptOpening) + " text[") == std::string::npos,
                "a plain description has no tooltip", plain);

    int counter = kFirstNumber;
    const std::string html =
        manager.descriptionToHtml(CString(text), &counter, manager.findItemByUid("N3"), 0, 0).str();
    fuzzRequire(counter >= kFirstNumber, "the tooltip counter only goes up");
    requireSoundTooltips(html, kFirstNumber, counter);
    folder.requireNothingOutside();
    return 0;
}
