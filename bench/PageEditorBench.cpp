// The page editor on large pages: the clean-up of a page (and of a body of
// 5,000 and 40,000 lines side by side), the taking in of a body of as many
// stray document type lines, opening a page and OK in the real editor (the
// page taken from the browser, cleaned and written), and the work of one
// caret move (filling the font boxes), each beside the floor: libxml2
// parsing the same page and writing it back. Targets: the clean-up within
// three times the floor at every size, a caret move under 20 ms on a page
// of 1.5 MB. Needs the browser on a display; one command:
//   scripts/with-xvfb build/bin/bench_page_editor [kilobytes...]
// (default 100 1500 6000).

#include "BenchReport.h"
#include "CDHtmlEditDlg.h"
#include "CHtmlEditor.h"
#include "DisplayBench.h"
#include "EventPump.h"
#include "RecordingUserInterface.h"
#include "SyntheticPage.h"
#include "cHtmlDocument.h"

#include <libxml/HTMLparser.h>
#include <libxml/HTMLtree.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>
#include <wx/app.h>
#include <wx/webview.h>

namespace {

// Applies the page defaults when the clean-up asks, as the editor's host does.
class DefaultsHost : public cHtmlDocument::Host {
public:
    explicit DefaultsHost(cHtmlDocument& document) : m_document(document) {}
    void notifyHost(int code) override {
        if (code == CHtmlEditor::kNotifyDefaults)
            m_document.applyPageDefaults();
    }

private:
    cHtmlDocument& m_document;
};

const char* const kUrl = "file:///bench/site/Item/overview.htm";

// libxml2 alone: the page parsed and written back.
double floorSeconds(const std::string& page) {
    BenchTimer timer;
    htmlDocPtr document = htmlReadMemory(page.data(), static_cast<int>(page.size()), kUrl, "UTF-8",
                                         HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                             HTML_PARSE_NONET | HTML_PARSE_NODEFDTD);
    xmlChar* text = nullptr;
    int size = 0;
    htmlDocDumpMemoryFormat(document, &text, &size, 0);
    const double seconds = timer.seconds();
    xmlFree(text);
    xmlFreeDoc(document);
    return seconds;
}

// The clean-up alone, on the page taken in; with whole, the taking in and
// the writing out besides.
double cleanupSeconds(const std::string& page, bool whole) {
    RecordingUserInterface ui;
    cHtmlDocument document;
    DefaultsHost host(document);
    document.setHost(&host);
    BenchTimer wholeTimer;
    document.attach(page, kUrl);
    BenchTimer timer;
    document.removeUnsupportedTags();
    if (!whole)
        return timer.seconds();
    const std::string written = document.getDocumentHtml(false);
    return written.empty() ? 0 : wholeTimer.seconds();
}

// The editor open on the page file, ready for editing; null when it never was.
std::unique_ptr<CDHtmlEditDlg> openEditor(const std::string& path, double& seconds) {
    auto dialog =
        std::make_unique<CDHtmlEditDlg>(nullptr, nullptr, 0, path.c_str(), "Edit page",
                                        std::filesystem::path(path).parent_path().c_str(), 0, 0, nullptr);
    BenchTimer timer;
    if (!dialog->OnInitDialog())
        return nullptr;
    dialog->Show();
    CDHtmlEditDlg* shown = dialog.get();
    if (!pumpUntil(
            [shown] {
                CHtmlEditor* editor = shown->getEditor();
                return shown->isDesignReady() && editor->isReady() && !editor->isWaitingForReady() &&
                       !editor->isBusy();
            },
            600))
        return nullptr;
    seconds = timer.seconds();
    return dialog;
}

// The caret into the text of the n-th of the page's lines (DIV elements).
void putCaret(CHtmlEditor& editor, int line) {
    editor.runScript(wxString::Format(
        "(function () { var lines = document.getElementsByTagName('div');"
        " var line = lines[Math.floor(lines.length * %d / 10)];"
        " var range = document.createRange(); range.setStart(line.firstChild || line, 0); "
        "range.collapse(true);"
        " var selection = window.getSelection(); selection.removeAllRanges(); selection.addRange(range);"
        " return 'placed'; })()",
        line));
}

void run(long kilobytes) {
    const std::string page = syntheticPage(static_cast<size_t>(kilobytes) * 1000);
    const long bytes = static_cast<long>(page.size());
    const double floor = bestOf(5, [&] { return floorSeconds(page); });
    benchReport("floor: libxml2 parse and write", bytes, floor, "bytes");

    const double cleanup = bestOf(5, [&] { return cleanupSeconds(page, false); });
    benchReport("clean-up", bytes, cleanup, "bytes");
    std::printf("  clean-up / floor: %.2f (target 3)\n", cleanup / floor);
    const double whole = bestOf(5, [&] { return cleanupSeconds(page, true); });
    benchReport("take in, clean up, write out", bytes, whole, "bytes");
    std::printf("  taken in, cleaned and written / floor: %.2f\n", whole / floor);
    std::fflush(stdout);

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bench-page-editor-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "overview.htm").string();
    std::ofstream(path, std::ios::binary) << page;
    {
        RecordingUserInterface ui;
        double opened = 0;
        std::unique_ptr<CDHtmlEditDlg> dialog = openEditor(path, opened);
        if (!dialog) {
            std::printf("the editor did not open the page\n");
            std::filesystem::remove_all(folder);
            return;
        }
        benchReport("open in the editor", bytes, opened, "bytes");
        CHtmlEditor& editor = *dialog->getEditor();
        // The work of one caret move: the handler that fills the font boxes,
        // with the browser done with placing the caret (its own message about
        // it handled, and a script answered) before the clock starts. What
        // the browser itself takes over the caret, the same for any handler,
        // is shown apart.
        std::vector<double> moves;
        std::vector<double> settles;
        for (int line = 1; line <= 9; ++line) {
            putCaret(editor, line);
            const auto placed = std::chrono::steady_clock::now();
            pumpUntil([placed] {
                return std::chrono::steady_clock::now() - placed > std::chrono::milliseconds(400);
            });
            BenchTimer settle;
            editor.runScript("0");
            settles.push_back(settle.seconds());
            BenchTimer timer;
            dialog->OnEditorNotify(CHtmlEditor::kNotifyRefresh);
            moves.push_back(timer.seconds());
        }
        std::sort(moves.begin(), moves.end());
        std::sort(settles.begin(), settles.end());
        const double move = moves[moves.size() / 2];
        benchReport("the browser's own caret work (median)", bytes, settles[settles.size() / 2], "bytes");
        benchReport("one caret move (median of 9)", bytes, move, "bytes");
        benchReport("one caret move (slowest of 9)", bytes, moves.back(), "bytes");
        std::printf("  caret move / floor: %.3f (target under 20 ms at 1.5 MB)\n", move / floor);

        BenchTimer ok;
        dialog->OnOK();
        const double saved = ok.seconds();
        benchReport("OK (clean-up and save)", bytes, saved, "bytes");
        std::printf("  OK / floor: %.2f; %s\n", saved / floor,
                    dialog->IsShown() ? "the dialog is still open" : "the page was saved");
        dialog.reset();
        wxTheApp->Yield(true);
    }
    std::filesystem::remove_all(folder);
}

// The clean-up of a body of many lines side by side, the shape that made it slow.
void runLines() {
    GrowthReport growth("clean-up of lines side by side");
    for (const long lines : {5000L, 40000L}) {
        std::string page = "<html><head></head><body>";
        for (long i = 0; i < lines; ++i)
            page += "<div>line " + std::to_string(i) + "</div>";
        page += "</body></html>";
        const double floor = bestOf(5, [&] { return floorSeconds(page); });
        const double cleanup = bestOf(5, [&] { return cleanupSeconds(page, false); });
        benchReport("clean-up of lines side by side", lines, cleanup, "lines");
        std::printf("  clean-up / floor: %.2f\n", cleanup / floor);
        growth.add(lines, cleanup);
    }
}

// Taking in a page whose body holds many stray document type lines (each
// reported by the parser): only the first declaration is looked for.
void runStrayDoctypes() {
    GrowthReport growth("take in with stray document types");
    for (const long lines : {5000L, 40000L}) {
        std::string page = "<!DOCTYPE html>\n<html><head></head><body>";
        for (long i = 0; i < lines; ++i)
            page += "<!doctype x><div>line " + std::to_string(i) + "</div>";
        page += "</body></html>";
        const double floor = bestOf(5, [&] { return floorSeconds(page); });
        const double takeIn = bestOf(3, [&] {
            cHtmlDocument document;
            BenchTimer timer;
            document.attach(page, kUrl);
            return timer.seconds();
        });
        benchReport("take in with stray document types", lines, takeIn, "lines");
        std::printf("  take in / floor: %.2f\n", takeIn / floor);
        growth.add(lines, takeIn);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atol(argv[i]));
    if (sizes.empty())
        sizes = {100, 1500, 6000};

    return runOnDisplay(argv[0], "bench_page_editor", [&] {
        runLines();
        runStrayDoctypes();
        for (const long kilobytes : sizes)
            run(kilobytes);
    });
}
