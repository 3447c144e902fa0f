// Profile files (the settings file, every "process.data") through the
// Windows profile calls: whatever the bytes, reading never fails, writing a
// key its own value leaves the file byte for byte as it was, and changing
// or adding a key keeps every other line, line end included.

#include "FuzzFolder.h"
#include "FuzzProperty.h"
#include "PrivateProfile.h"
#include "RecordingUserInterface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Enough of the file's sections and keys to cover its shapes, few enough to stay fast.
constexpr size_t kMostNames = 12;

// A name list as the profile call returns it (null section or key).
std::vector<std::string> listNames(const char* section, const std::string& file, size_t room) {
    std::vector<char> buffer(room);
    const DWORD n =
        GetPrivateProfileStringA(section, nullptr, "", buffer.data(), static_cast<DWORD>(room), file.c_str());
    std::vector<std::string> names;
    for (DWORD at = 0; at < n && names.size() < kMostNames;) {
        std::string name(buffer.data() + at);
        at += static_cast<DWORD>(name.size()) + 1;
        names.push_back(std::move(name));
    }
    return names;
}

std::string readValue(const std::string& section, const std::string& key, const std::string& file,
                      size_t room) {
    std::vector<char> buffer(room);
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "\x01missing", buffer.data(),
                                             static_cast<DWORD>(room), file.c_str());
    return std::string(buffer.data(), n);
}

// How a file's text units are stored: bytes, or UTF-16 in either byte order
// (told by its byte order mark).
enum class Width { Bytes, Utf16Le, Utf16Be };

Width widthOf(const std::string& bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return Width::Utf16Le;
    if (bytes.starts_with("\xFE\xFF"))
        return Width::Utf16Be;
    return Width::Bytes;
}

// The two bytes of a UTF-16 unit holding the character c, in the file's order.
std::string unit(char c, Width width) {
    return width == Width::Utf16Be ? std::string{'\0', c} : std::string{c, '\0'};
}

// The lines of a file, each with its own line end; in a UTF-16 file a line
// end is the two-byte unit LF (an odd last byte belongs to no line).
std::vector<std::string> linesOf(const std::string& bytes) {
    const Width width = widthOf(bytes);
    const bool wide = width != Width::Bytes;
    const size_t step = wide ? 2 : 1;
    const size_t usable = wide ? bytes.size() - bytes.size() % 2 : bytes.size();
    const std::string lineFeed = wide ? unit('\n', width) : std::string("\n");
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i + step <= usable; i += step) {
        if (bytes.compare(i, step, lineFeed) == 0) {
            lines.push_back(bytes.substr(start, i + step - start));
            start = i + step;
        }
    }
    if (start < usable)
        lines.push_back(bytes.substr(start, usable - start));
    return lines;
}

bool endsLine(const std::string& line, Width width) {
    return width != Width::Bytes ? line.ends_with(unit('\n', width)) : line.ends_with('\n');
}

// A line survives when it comes back as it was; the last line of a file that
// ends without a line end may gain one.
bool survives(const std::string& before, const std::string& after, Width width) {
    if (after == before)
        return true;
    if (endsLine(before, width) || !after.starts_with(before))
        return false;
    const std::string end = after.substr(before.size());
    return width != Width::Bytes ? (end == unit('\r', width) + unit('\n', width) || end == unit('\n', width))
                                 : (end == "\r\n" || end == "\n");
}

// After a key was replaced in place: every line but one is as it was.
void requireReplacedInPlace(const std::string& before, const std::string& after) {
    const Width width = widthOf(before);
    const auto old = linesOf(before);
    const auto now = linesOf(after);
    fuzzRequire(old.size() == now.size(), "a changed key keeps its line: the file keeps its line count",
                after);
    int changed = 0;
    for (size_t i = 0; i < old.size(); ++i)
        if (!survives(old[i], now[i], width))
            ++changed;
    fuzzRequire(changed <= 1, "a changed key leaves every other line as it was, line end included", after);
}

// After lines were added: every old line survives, in order, and at most
// `added` lines are new.
void requireLinesKept(const std::string& before, const std::string& after, size_t added) {
    const Width width = widthOf(before);
    const auto old = linesOf(before);
    const auto now = linesOf(after);
    size_t j = 0;
    for (const std::string& line : old) {
        while (j < now.size() && !survives(line, now[j], width))
            ++j;
        fuzzRequire(j < now.size(), "an added key leaves every other line as it was, line end included",
                    line);
        ++j;
    }
    fuzzRequire(now.size() <= old.size() + added, "an added key adds its own lines only", after);
}

bool hasNul(const std::string& text) {
    return text.find('\0') != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFolder folder;
    RecordingUserInterface ui;
    platform::clearProfileCache();
    const std::string original(fuzzBytes(data, size));
    const std::string file = folder.write("site.tvx", original);
    const size_t room = original.size() + 2;

    // Writing each key the value it reads leaves the file untouched.
    std::string firstSection, firstKey;
    for (const std::string& section : listNames(nullptr, file, room)) {
        if (hasNul(section))
            continue;
        for (const std::string& key : listNames(section.c_str(), file, room)) {
            // A name holding a NUL byte comes out of the list in pieces that
            // name no key: the call's C strings cannot carry it.
            const std::string value = readValue(section, key, file, room);
            if (key.empty() || value == "\x01missing" || hasNul(value))
                continue;
            WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
            fuzzRequire(folder.read("site.tvx") == original,
                        "writing a key the value it has leaves the file byte for byte as it was",
                        "[" + section + "] " + key + "=" + value);
            if (firstKey.empty()) {
                firstSection = section;
                firstKey = key;
            }
        }
    }

    // Changing a key keeps every other line.
    std::string before = original;
    if (!firstKey.empty()) {
        const std::string changed = "fuzz changed";
        fuzzRequire(
            WritePrivateProfileStringA(firstSection.c_str(), firstKey.c_str(), changed.c_str(), file.c_str()),
            "a key of a readable file can be changed");
        const std::string after = folder.read("site.tvx");
        if (readValue(firstSection, firstKey, file, after.size() + 2) != changed)
            fuzzFail("a changed key reads back as written", "[" + firstSection + "] " + firstKey);
        requireReplacedInPlace(before, after);
        before = after;

        if (readValue(firstSection, "FuzzAddedKey", file, before.size() + 2) == "\x01missing") {
            WritePrivateProfileStringA(firstSection.c_str(), "FuzzAddedKey", "added", file.c_str());
            const std::string added = folder.read("site.tvx");
            fuzzRequire(readValue(firstSection, "FuzzAddedKey", file, added.size() + 2) == "added",
                        "an added key reads back as written");
            requireLinesKept(before, added, 1);
            before = added;
        }
    }
    if (readValue("FuzzAddedSection", "Key", file, before.size() + 2) == "\x01missing") {
        WritePrivateProfileStringA("FuzzAddedSection", "Key", "new", file.c_str());
        const std::string added = folder.read("site.tvx");
        fuzzRequire(readValue("FuzzAddedSection", "Key", file, added.size() + 2) == "new",
                    "a key of a new section reads back as written");
        requireLinesKept(before, added, 2);
    }
    folder.requireNothingOutside();
    return 0;
}
