// Turns item pages of 100 KB, 400 KB and 1.6 MB (sizes in KB on the command
// line) into sections of the one-page document, and takes their bodies as
// the activity page does: links, titles and pictures taken out or rebased
// on every line. Two shapes of page: lines of many tags each, and a page
// whose every line leaves a tag open, so that finding its ends joins the
// whole page into one line. The time should grow linearly with the size:
// each ratio to the previous size should be about the ratio of the sizes.

#include "BenchReport.h"
#include "HtmlText.h"
#include "TextOutStream.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A page of about kilobytes KB; joined: every line ends inside a link tag.
std::string page(long kilobytes, bool joined) {
    std::string text = "<html><head><title>Page</title></head>\r\n<body bgcolor=\"white\">\r\n"
                       "<h1 class=\"banner\">Title</h1>\r\n";
    const size_t size = static_cast<size_t>(kilobytes) * 1024;
    for (long line = 0; text.size() < size; ++line) {
        if (joined) {
            text += "Step " + std::to_string(line) +
                    " reads <b>the plan</b> <img src=\"./p.gif\"> and <A\r\n"
                    "HREF=\"plan.htm\">the plan</A> ";
            continue;
        }
        for (int tag = 0; tag < 20; ++tag)
            text += "<a href=\"page" + std::to_string(tag) + ".htm\">word " + std::to_string(tag) + "</a> ";
        text += "<IMG alt=\"\" src=\"images\\\\p.gif\"> <img src=\"./top.gif\"><br>\r\n";
    }
    return text + "\r\n</body></html>\r\n";
}

} // namespace

int main(int argc, char** argv) {
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::stol(argv[i]));
    if (sizes.empty())
        sizes = {100, 400, 1600};
    const fs::path folder = fs::temp_directory_path() / ("tolvane-bench-html-" + std::to_string(getpid()));
    fs::create_directories(folder / "tmp");
    for (const bool joined : {false, true}) {
        double previousSeconds = 0;
        long previousSize = 0;
        for (const long kilobytes : sizes) {
            const fs::path path = folder / "page.htm";
            std::ofstream(path, std::ios::binary) << page(kilobytes, joined);
            const double sections = bestOf(3, [&] {
                TextOutStream out((folder / "tmp/document.htm").c_str());
                BenchTimer timer;
                extractPageSections(path.c_str(), out, nullptr, 0);
                const double seconds = timer.seconds();
                out.close();
                return seconds;
            });
            const double body = bestOf(3, [&] {
                BenchTimer timer;
                extractPageBody(path.c_str(), 1);
                return timer.seconds();
            });
            const char* shape = joined ? "page of one joined line" : "page of many tags a line";
            benchReport(std::string("sections of a ") + shape, kilobytes, sections, "KB");
            benchReport(std::string("  body of the same"), kilobytes, body, "KB");
            if (previousSize > 0)
                std::printf("  time ratio to %ld KB: %.2f (sizes %.2f)\n", previousSize,
                            sections / previousSeconds, double(kilobytes) / previousSize);
            previousSeconds = sections;
            previousSize = kilobytes;
        }
    }
    fs::remove_all(folder);
    return 0;
}
