// An item page as the page editor opens it and saves it without an edit
// (the browser handing back the page as it was read), then the table
// commands run on its cells. Saved, the page keeps its text: read again it
// holds the same text, comments and scripts (nothing repeated, nothing
// replaced by "?"), the generated part from the marker on comes back byte
// for byte, and the document type line as it was written (the markup may
// change: the parser's tree is written as it holds it). Every table
// command adds cells and spans by what the table really holds, never by
// what a colspan claims.

#include "EditedPage.h"
#include "Encoding.h"
#include "FuzzFolder.h"
#include "FuzzProperty.h"
#include "HtmlTree.h"
#include "RecordingUserInterface.h"
#include "cHtmlDocument.h"
#include "cHtmlTable.h"
#include "cHtmlTableCell.h"
#include "cHtmlTableRow.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

namespace {

constexpr const char* kPage = "site/Item/overview.htm";

// What the page says, in document order: text, comments and scripts,
// without blanks (a parser keeps some between elements and drops others);
// up to the node stop when given. (Attributes are left out: the parser
// moves those of a misplaced body tag to wherever it stands.)
bool collectText(const xmlNode* node, std::string& out, const xmlNode* stop) {
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (child == stop)
            return true;
        std::string text;
        if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE ||
            child->type == XML_COMMENT_NODE)
            text = htmltree::textOf(child);
        // A script or style writes an end tag inside it as "<\/", the same to its reader.
        if (htmltree::hasName(node, "script") || htmltree::hasName(node, "style"))
            for (size_t at = text.find("<\\/"); at != std::string::npos; at = text.find("<\\/", at + 1))
                text.erase(at + 1, 1);
        for (const char c : text)
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\f')
                out += c;
        if (collectText(child, out, stop))
            return true;
    }
    return false;
}

struct Opened {
    EditedPage page;
    std::string text;
    cHtmlDocument document;
    bool attached = false;
};

// The page read by the editor and taken in as the browser hands it back.
void open(const FuzzFolder& folder, Opened& opened) {
    opened.page = EditedPage(CString((folder.project() + kPage).c_str()));
    fuzzRequire(opened.page.read(opened.text), "a page that exists can be read");
    opened.attached =
        opened.document.attach(opened.text, CString(("file://" + folder.project() + kPage).c_str()));
}

// The page's text, as the bytes it is made of in any order: the parser may
// place a node elsewhere in a page that its tree, written, no longer
// spells as the original did, but nothing may come twice or go. With
// aboveMarker, only what lies above the generated part.
std::string pageText(const cHtmlDocument& document, bool aboveMarker = false) {
    std::string text;
    if (document.getTree())
        collectText(reinterpret_cast<const xmlNode*>(document.getTree()), text,
                    aboveMarker ? htmltree::findGeneratedMarker(document.getTree()) : nullptr);
    std::sort(text.begin(), text.end());
    return text;
}

std::string save(const FuzzFolder& folder, Opened& opened) {
    const std::string bytes = opened.page.compose(opened.document);
    fuzzRequire(opened.page.write(bytes), "a page that was read can be written");
    return folder.read(kPage);
}

int countOf(cHtmlDocument& document, const char* tag) {
    return static_cast<int>(document.getElementsByTagName(tag).size());
}

std::vector<cHtmlElement> cellsOf(cHtmlDocument& document) {
    std::vector<cHtmlElement> cells = document.getElementsByTagName("TD");
    for (const cHtmlElement& cell : document.getElementsByTagName("TH"))
        cells.push_back(cell);
    return cells;
}

const std::function<int(cHtmlDocument&)> kCommands[] = {
    [](cHtmlDocument& d) { return d.insertRowAt(0); },
    [](cHtmlDocument& d) { return d.insertRowAt(1); },
    [](cHtmlDocument& d) { return d.insertColumnAt(0); },
    [](cHtmlDocument& d) { return d.insertColumnAt(1); },
    [](cHtmlDocument& d) {
        cHtmlTableCell cell = d.getCurrentCell();
        return cell.isValid() ? cell.getTable().deleteRow(cell.getRowIndex()) : 0;
    },
    [](cHtmlDocument& d) {
        cHtmlTableCell cell = d.getCurrentCell();
        if (cell.isValid())
            cell.getTable().deleteColumn(cell.getColumnIndex());
        return 1;
    },
    [](cHtmlDocument& d) {
        cHtmlTableCell cell = d.getCurrentCell();
        return cell.isValid() ? cell.mergeRight() : 0;
    },
    [](cHtmlDocument& d) {
        cHtmlTableCell cell = d.getCurrentCell();
        return cell.isValid() ? cell.split() : 0;
    },
};

// Runs the table commands one after the other on cells spread over the page.
void runTableCommands(cHtmlDocument& document) {
    constexpr int kSteps = 24;
    for (int step = 0; step < kSteps; ++step) {
        const std::vector<cHtmlElement> cells = document.getElementsByTagName("TD");
        if (cells.empty())
            return;
        document.select(cells[(static_cast<size_t>(step) * 7) % cells.size()],
                        cHtmlDocument::SelectionKind::Caret);
        // The spans the page holds before; content moved by a command (a merge) keeps its own.
        std::set<std::string> spans;
        for (const cHtmlElement& cell : cellsOf(document))
            spans.insert(htmltree::attributeValue(cell.getNode(), "colspan"));
        const long long before = static_cast<long long>(cellsOf(document).size());
        const long long rows = countOf(document, "TR");

        kCommands[step % std::size(kCommands)](document);

        const std::vector<cHtmlElement> after = cellsOf(document);
        fuzzRequire(static_cast<long long>(after.size()) <= 4 * before + rows + 2,
                    "a table command adds cells by the cells the table holds");
        for (const cHtmlElement& cell : after) {
            const std::string span = htmltree::attributeValue(cell.getNode(), "colspan");
            if (!spans.count(span))
                fuzzRequire(cHtmlTableCell::claimedSpan(span) <= 4 * before + 4,
                            "a span a table command writes is one the table's cells can fill", span);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RecordingUserInterface ui;
    FuzzFolder folder;
    folder.write(kPage, fuzzBytes(data, size));

    Opened original;
    open(folder, original);
    if (!original.attached) {
        folder.requireNothingOutside();
        return 0;
    }
    htmltree::Source source;
    htmltree::parse(original.text, "", &source);
    const std::string text = pageText(original.document);
    const std::string tail = original.page.getTail();

    const std::string once = save(folder, original);
    if (!tail.empty())
        fuzzRequire(once.size() >= tail.size() &&
                        once.compare(once.size() - tail.size(), tail.size(), tail) == 0,
                    "the generated part comes back byte for byte", once);
    Opened saved;
    open(folder, saved);
    fuzzRequire(saved.attached, "a saved page can be taken in again", once);
    // The edited part, written from the tree, reads back with the text it had.
    const size_t keptAt = once.size() - tail.size();
    const std::string editedBytes = once.substr(0, keptAt);
    cHtmlDocument edited;
    edited.attach(saved.page.isUtf8() ? encoding::toValidUtf8(editedBytes)
                                      : encoding::cp1252ToUtf8(editedBytes),
                  "file:///p/page.htm");
    fuzzRequire(pageText(edited) == pageText(original.document, !tail.empty()),
                "a page saved without an edit keeps its text above the generated part", once);
    // Behind it the kept part comes back byte for byte; read after what was
    // written above it, nothing of it comes twice and nothing new (a "?")
    // appears. The parser reads some markup after what it read before, so
    // that a kept part may lose a stray character, never gain one. A page
    // that declares no character set may read in the other one once the
    // bytes beyond ASCII above the kept part became references: then the
    // kept part's bytes read otherwise.
    const std::string savedText = pageText(saved.document);
    fuzzRequire(std::includes(text.begin(), text.end(), savedText.begin(), savedText.end()) ||
                    (saved.page.isUtf8() != original.page.isUtf8() && !tail.empty()),
                "a page saved without an edit repeats nothing and replaces nothing", once);
    // The saved page's generated part holds the page's. It begins earlier
    // where a marker the parser did not count in the page's tree (one it put
    // between a table's rows, one whose bytes hold a character it drops)
    // counts in the tree as written; nothing comes twice or goes for that.
    const std::string savedTail = saved.page.getTail();
    fuzzRequire(
        savedTail.size() >= tail.size() &&
            savedTail.compare(savedTail.size() - tail.size(), tail.size(), tail) == 0 &&
            (savedTail.size() == tail.size() || htmltree::findGeneratedMarker(saved.document.getTree())),
        "the saved page's generated part holds the page's", once);
    // Line ends are CR LF in what the editor writes.
    const auto withoutCr = [](std::string line) {
        std::erase(line, '\r');
        return line;
    };
    if (!source.doctype.empty())
        fuzzRequire(withoutCr(saved.document.getDoctype()).rfind(withoutCr(source.doctype), 0) == 0,
                    "the document type line is kept as written", once);

    runTableCommands(original.document);
    folder.requireNothingOutside();
    return 0;
}
