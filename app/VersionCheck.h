#pragma once

// The online version check: the first line of the file "/version/version.txt"
// on the maker's server holds "version=" and the latest version. Versions
// are compared by their numbers ("2.10" is newer than "2.9"), never as texts.
//
// The file is read through a fetcher that tests may replace. The program's
// own fetcher asks the server named by $TOLVANE_VERSION_SERVER (an
// "http://host[:port]" address); without one it asks nothing and answers
// that the file cannot be had.

#include "CString.h"

#include <functional>
#include <string>
#include <vector>

class VersionCheck {
public:
    // Reads the file at a path of the server; false when it cannot be had.
    using Fetcher = std::function<bool(const CString& path, std::string& content)>;

    static constexpr const char* kVersionPath = "/version/version.txt";

    // The fetcher used from now on; an empty one restores the program's own.
    static void setFetcher(Fetcher fetcher);
    static bool fetch(const CString& path, std::string& content);

    // The text after "version=" in the first line of the file; empty when
    // the line has none.
    static CString latestVersion(const std::string& content);
    // The numbers of a version text ("v2.4.5 beta" gives 2, 4, 5); none
    // when it starts with no number.
    static std::vector<int> versionNumbers(const CString& version);
    // <0, 0 or >0 as version a is older than, the same as or newer than b.
    // Equal numbers: a release is newer than a text with a suffix ("beta").
    static int compareVersions(const CString& a, const CString& b);

    // The message of a check: the latest version against the running one.
    static CString checkMessage(const CString& latest, const CString& running);
    // The whole check: fetch, read, compare; the message to show.
    static CString check(const CString& running);
};
