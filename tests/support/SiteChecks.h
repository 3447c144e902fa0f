#pragma once

// What the tests ask of a generated site: that every local link of its
// pages leads to a file, and what a headless browser reports while it
// loads one of its pages.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The bytes of a file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);
// Whether the path names an HTML page (".htm" or ".html", in any case).
bool isPage(const std::filesystem::path& path);

// The local links of a page: href and src attributes, and the quoted paths
// of the navigation tree's script, as the browser resolves them.
std::vector<std::string> localLinks(const std::string& page);

// Every local link of every page of the site of the project folder (the
// templates under "tolvane" aside) leads to a file; each one that does not
// fails the test. With writtenSince, only what a generation wrote: the
// pages written after that time, below the marker of those that have one.
// Answers the numbers of pages and links looked at.
struct LinkCount {
    int pages = 0;
    int links = 0;
};
LinkCount
expectEveryLocalLinkResolves(const std::string& project,
                             std::optional<std::filesystem::file_time_type> writtenSince = std::nullopt);

// What a headless browser reports while it loads a page and its frames.
struct BrowserRun {
    std::string dom;
    std::vector<std::string> consoleMessages;
};
// Loads the page in headless Chromium with a profile folder of the test's
// own; a browser that cannot run fails the test.
BrowserRun loadInBrowser(const std::string& page, const std::string& profile);
// The same for an address ("http://...").
BrowserRun loadAddressInBrowser(const std::string& address, const std::string& profile);
