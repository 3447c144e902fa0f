// An item's data file "process.data" (and its description file, after a line
// "%%%%" of the input) as the program opens and saves it: opening never
// fails, and saving without a change (the OK of the item's sheet) loses
// nothing: no key and no other section goes, the description keeps its
// lines, the minor version only goes up (up to the largest int), and a second open and save gives
// the same file but for the minor version.

#include "FuzzFolder.h"
#include "FuzzProperty.h"
#include "ItemClasses.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessItemExtension.h"
#include "ProcessManager.h"
#include "ProfileFile.h"
#include "RecordingUserInterface.h"

#include <cctype>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kTree = "\r\n0*I1*Item*../site/Item/overview.htm* *b.gif*b.gif*f*true*false* * *";
constexpr const char* kDataFile = "site/Item/process.data";

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = bytes.find('\n', start);
        lines.emplace_back(bytes.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return lines;
        start = end + 1;
    }
}

// The lines of a description as its reader keeps them: without their line
// ends, without the empty lines that start the file (they vanish when read).
std::vector<std::string> descriptionLines(std::string_view bytes) {
    std::vector<std::string> lines;
    for (std::string& line : splitLines(bytes)) {
        if (lines.empty() && line.empty())
            continue;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

// The digits of a decimal text as a plain number without leading zeros, or
// empty when the text is no plain non-negative number.
std::string plainNumber(std::string text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return {};
    const size_t first = text.find_first_not_of('0');
    return first == std::string::npos ? "0" : text.substr(first);
}

bool notSmaller(const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() > b.size() : a >= b;
}

// The minor version is an int: a stored number beyond its range is read as
// the largest one that can still be raised.
const std::string kLargestMinor = "2147483647";
std::string withinIntRange(const std::string& number) {
    return notSmaller(number, kLargestMinor) ? kLargestMinor : number;
}

std::string lowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// In a UTF-16 file the name's characters come with NUL bytes.
bool isVersionMinorLine(const std::string& line) {
    std::string head = line.substr(0, line.find('='));
    std::erase(head, '\0');
    while (!head.empty() && (head.front() == ' ' || head.front() == '\t'))
        head.erase(0, 1);
    while (!head.empty() && (head.back() == ' ' || head.back() == '\t'))
        head.pop_back();
    return lowerCase(head) == "versionminor";
}

struct Saved {
    std::string dataFile;
    std::string description;
};

// Opens the project, saves the item as its sheet's OK does without a change,
// and checks what went to disk against what was read.
Saved openAndSave(const FuzzFolder& folder, const std::string& settings, const std::string& descriptionName) {
    ProcessManager manager(settings.c_str(), nullptr, 0, 0);
    auto* item = static_cast<ProcessItem*>(manager.findItemByUid("I1"));
    fuzzRequire(item != nullptr, "the item of the tree opens");
    fuzzRequire(folder.isInside(item->getDataFilePath()), "the data file lies inside the project folder");
    item->load(1);
    const std::string before = folder.read(kDataFile);
    const std::string minorRead = item->getVersionMinor().str();
    std::string description;
    if (!descriptionName.empty())
        description = item->getExtension()->readDescription(0, 0, 0, 0).str();

    item->save();
    if (!descriptionName.empty())
        item->getExtension()->writeDescription(CString(description), 0);

    Saved saved{folder.read(kDataFile),
                descriptionName.empty() ? "" : folder.read("site/Item/" + descriptionName)};
    const ProfileFile old = ProfileFile::parse(before);
    const ProfileFile now = ProfileFile::parse(saved.dataFile);
    for (const std::string& section : old.sectionNames())
        for (const std::string& key : old.keyNames(section)) {
            fuzzRequire(now.get(section, key).has_value(), "saving keeps every key",
                        "[" + section + "] " + key);
            if (lowerCase(section) != "processus")
                fuzzRequire(now.get(section, key) == old.get(section, key),
                            "saving leaves the other sections as they were", "[" + section + "] " + key);
        }

    const std::string minorRaw = now.get("PROCESSUS", "VersionMinor").value_or("");
    const std::string minorSaved = plainNumber(minorRaw);
    fuzzRequire(!minorSaved.empty(), "the minor version is saved as a number", minorRaw);
    const std::string minorOld = withinIntRange(plainNumber(minorRead));
    if (!minorOld.empty())
        fuzzRequire(notSmaller(minorSaved, minorOld), "saving never lowers the minor version",
                    minorRead + " saved as " + minorRaw);

    if (!descriptionName.empty())
        fuzzRequire(descriptionLines(saved.description) == descriptionLines(description),
                    "the description keeps its lines when saved unchanged", saved.description);
    return saved;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFolder folder;
    RecordingUserInterface ui;
    platform::clearProfileCache();
    const FuzzParts parts = fuzzSplit(fuzzBytes(data, size));
    const std::string settings = folder.writeSettings();
    folder.write("tolvane/MenuTreeV2.dat", kTree);
    folder.write(kDataFile, parts.first);

    // The class the file names decides which description file the item has.
    std::string descriptionName;
    if (parts.hasSecond) {
        const ProfileFile file = ProfileFile::parse(parts.first);
        const int kind = getProcessClassFromKeyword(file.get("PROCESSUS", "Class").value_or("").c_str());
        const std::unique_ptr<ProcessItemExtension> probe(
            ProcessItemExtension::create(kind, nullptr, nullptr));
        descriptionName = probe->getDescriptionFileName(0).str();
        if (!descriptionName.empty())
            folder.write("site/Item/" + descriptionName, parts.second);
    }

    const Saved first = openAndSave(folder, settings, descriptionName);
    if (!descriptionName.empty())
        fuzzRequire(descriptionLines(first.description) == descriptionLines(parts.second),
                    "the description file keeps its lines when saved unchanged", first.description);
    platform::clearProfileCache();
    const Saved second = openAndSave(folder, settings, descriptionName);

    const auto a = splitLines(first.dataFile);
    const auto b = splitLines(second.dataFile);
    fuzzRequire(a.size() == b.size(), "a saved data file opens and saves again to the same lines",
                second.dataFile);
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && !(isVersionMinorLine(a[i]) && isVersionMinorLine(b[i])))
            fuzzFail("a saved data file opens and saves again the same but for its minor version",
                     a[i] + " / " + b[i]);
    fuzzRequire(second.description == first.description, "a saved description opens and saves again the same",
                second.description);
    folder.requireNothingOutside();
    return 0;
}
