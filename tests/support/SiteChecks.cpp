#include "SiteChecks.h"

#include "Encoding.h"
#include "RunProgram.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isPage(const fs::path& path) {
    const std::string extension = encoding::toLower(path.extension().string());
    return extension == ".htm" || extension == ".html";
}

std::vector<std::string> localLinks(const std::string& page) {
    std::vector<std::string> links;
    static const std::regex attribute(R"re((?:href|src)\s*=\s*(?:"([^"]*)"|'([^']*)'))re", std::regex::icase);
    for (auto it = std::sregex_iterator(page.begin(), page.end(), attribute); it != std::sregex_iterator();
         ++it)
        links.push_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
    static const std::regex treeCall(R"(d\.add\(([^\n]*)\);)");
    static const std::regex quoted(R"('((?:[^'\\]|\\.)*)')");
    for (auto call = std::sregex_iterator(page.begin(), page.end(), treeCall); call != std::sregex_iterator();
         ++call) {
        const std::string arguments = (*call)[1].str();
        int index = 0;
        for (auto arg = std::sregex_iterator(arguments.begin(), arguments.end(), quoted);
             arg != std::sregex_iterator(); ++arg, ++index) {
            std::string text;
            const std::string raw = (*arg)[1].str();
            for (size_t i = 0; i < raw.size(); ++i)
                text += raw[i] == '\\' && i + 1 < raw.size() ? raw[++i] : raw[i];
            // Arguments 2, 5, 6 and 7 of the quoted ones: url, target-less icons.
            if (index == 1 || index == 4 || index == 5)
                links.push_back(text);
        }
    }
    std::vector<std::string> local;
    for (std::string link : links) {
        if (link.empty() || link[0] == '#' || link.find(':') != std::string::npos)
            continue; // same page, or another scheme (http:, mailto:, javascript:)
        if (link.find_first_of("'\"+") != std::string::npos)
            continue; // put together by a script at run time
        link = link.substr(0, link.find_first_of("#?"));
        for (char& c : link)
            if (c == '\\')
                c = '/'; // as the browser reads a file url
        local.push_back(link);
    }
    return local;
}

namespace {

// Where the generated part of an activity or workflow page begins.
const std::string kMarker = "<!--PROCESS_HYPERLINK-->";

} // namespace

LinkCount expectEveryLocalLinkResolves(const std::string& project,
                                       std::optional<fs::file_time_type> writtenSince) {
    LinkCount count;
    for (const auto& entry : fs::recursive_directory_iterator(project)) {
        const fs::path& path = entry.path();
        if (!entry.is_regular_file() || !isPage(path) ||
            fs::relative(path, project).string().rfind("tolvane", 0) == 0)
            continue; // the templates under "tolvane" are not pages of the site
        if (writtenSince && entry.last_write_time() <= *writtenSince)
            continue;
        ++count.pages;
        std::string page = readFile(path);
        // What lies above the marker is the author's, kept as it was.
        if (writtenSince && page.find(kMarker) != std::string::npos)
            page = page.substr(page.find(kMarker));
        for (const std::string& link : localLinks(page)) {
            ++count.links;
            // Exact case, as a browser on this system looks the file up.
            const fs::path target = path.parent_path() / encoding::cp1252ToUtf8(link);
            EXPECT_TRUE(fs::exists(target))
                << fs::relative(path, project).string() << " links to missing " << link;
        }
    }
    return count;
}

BrowserRun loadInBrowser(const std::string& page, const std::string& profile) {
    return loadAddressInBrowser("file://" + page, profile);
}

BrowserRun loadAddressInBrowser(const std::string& address, const std::string& profile) {
    const ProgramResult run =
        runProgram({"chromium", "--headless", "--no-sandbox", "--disable-gpu", "--user-data-dir=" + profile,
                    "--enable-logging=stderr", "--v=0", "--virtual-time-budget=3000", "--dump-dom", address});
    EXPECT_EQ(run.exitCode, 0) << "chromium could not run (the install script installs it)\n" << run.errors;
    BrowserRun result{run.output, {}};
    std::istringstream lines(run.errors);
    for (std::string line; std::getline(lines, line);)
        if (line.find(":CONSOLE") != std::string::npos)
            result.consoleMessages.push_back(line);
    return result;
}
