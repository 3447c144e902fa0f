#include "VersionCheck.h"

#include "HttpFetcher.h"

#include <cctype>
#include <climits>
#include <cstdlib>

namespace {

const char* const kCannotGet = "Can not get the last Maravex Tolvane version";

VersionCheck::Fetcher& installedFetcher() {
    static VersionCheck::Fetcher fetcher;
    return fetcher;
}

// The program's fetcher: the configured server, or nothing at all.
bool serverFetch(const CString& path, std::string& content) {
    const char* server = std::getenv("TOLVANE_VERSION_SERVER");
    if (!server || !*server)
        return false;
    std::string address = server;
    while (!address.empty() && address.back() == '/')
        address.pop_back();
    const http::Reply reply = http::get(address + path.str());
    if (!reply.ok)
        return false;
    content = reply.body;
    return true;
}

// Whether a version text goes on after its numbers (" beta", "-rc1").
bool hasSuffix(const CString& version) {
    const char* p = version;
    while (*p && !std::isdigit(static_cast<unsigned char>(*p)))
        ++p;
    while (*p && (std::isdigit(static_cast<unsigned char>(*p)) || *p == '.'))
        ++p;
    while (*p == ' ')
        ++p;
    return *p != '\0';
}

} // namespace

void VersionCheck::setFetcher(Fetcher fetcher) {
    installedFetcher() = std::move(fetcher);
}

bool VersionCheck::fetch(const CString& path, std::string& content) {
    return installedFetcher() ? installedFetcher()(path, content) : serverFetch(path, content);
}

CString VersionCheck::latestVersion(const std::string& content) {
    std::string line = content.substr(0, content.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const size_t at = line.find("version=");
    return at == std::string::npos ? CString() : CString(line.substr(at + 8));
}

std::vector<int> VersionCheck::versionNumbers(const CString& version) {
    std::vector<int> numbers;
    const char* p = version;
    // A leading "v" (or "V") is no part of the number.
    while (*p == ' ' || *p == 'v' || *p == 'V')
        ++p;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
        // A number too large for an int counts as the largest one.
        int number = 0;
        for (; std::isdigit(static_cast<unsigned char>(*p)); ++p)
            number = number > (INT_MAX - (*p - '0')) / 10 ? INT_MAX : number * 10 + (*p - '0');
        numbers.push_back(number);
        if (*p != '.' || !std::isdigit(static_cast<unsigned char>(p[1])))
            break;
        ++p;
    }
    return numbers;
}

int VersionCheck::compareVersions(const CString& a, const CString& b) {
    const std::vector<int> x = versionNumbers(a);
    const std::vector<int> y = versionNumbers(b);
    for (size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
        const int left = i < x.size() ? x[i] : 0;
        const int right = i < y.size() ? y[i] : 0;
        if (left != right)
            return left < right ? -1 : 1;
    }
    // The same numbers: a pre-release ("2.5.0 beta") comes before its release.
    return static_cast<int>(hasSuffix(b)) - static_cast<int>(hasSuffix(a));
}

CString VersionCheck::checkMessage(const CString& latest, const CString& running) {
    if (latest.IsEmpty() || versionNumbers(latest).empty())
        return kCannotGet;
    if (compareVersions(latest, running) > 0)
        return "A new version is available: " + latest;
    return "Maravex Tolvane is up-to-date";
}

CString VersionCheck::check(const CString& running) {
    std::string content;
    if (!fetch(kVersionPath, content))
        return kCannotGet;
    CString version = running;
    version.Remove('v');
    return checkMessage(latestVersion(content), version);
}
