// An item page with the marker "<!--PROCESS_HYPERLINK-->" as the page writers
// regenerate it: whatever the page, everything above the line that holds the
// marker (or the closing body tag) survives byte for byte, a page without
// either stays as it was, and generating twice gives the page generated once.

#include "FuzzFolder.h"
#include "FuzzProperty.h"
#include "MarkedPage.h"

#include <cstdint>
#include <string>

namespace {

constexpr const char* kSection = "<p>Generated section</p>\n";

// Scans the page, writes a section and the page end below the marker, and
// puts the page in place, as a page writer does.
MarkedPage::Scan generate(const std::string& path) {
    MarkedPage page(path.c_str());
    const MarkedPage::Scan scan = page.scan();
    if (scan != MarkedPage::Scan::Found)
        return scan;
    TextOutStream* out = page.begin();
    fuzzRequire(out != nullptr, "a page that was read can be written");
    *out << kSection << "</body></html>\n";
    fuzzRequire(page.finish(), "a regenerated page is put in place");
    return scan;
}

// Where the first line holding any key starts (blanks and tabs do not
// count); npos when no line holds one.
size_t firstKeyLine(const std::string& page) {
    static const std::string kKeys[] = {"PROCESS_HYPERLINK", "<!--process_hyperlink-->", "</BODY>",
                                        "</body>"};
    size_t start = 0;
    while (start < page.size()) {
        size_t end = page.find('\n', start);
        if (end == std::string::npos)
            end = page.size();
        std::string compact;
        for (size_t i = start; i < end; ++i)
            if (page[i] != ' ' && page[i] != '\t')
                compact += page[i];
        for (const std::string& key : kKeys)
            if (compact.find(key) != std::string::npos)
                return start;
        start = end + 1;
    }
    return std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFolder folder;
    const std::string original(fuzzBytes(data, size));
    const std::string path = folder.write("site/Item/overview.htm", original);
    const size_t keyLine = firstKeyLine(original);

    const MarkedPage::Scan first = generate(path);
    const std::string once = folder.read("site/Item/overview.htm");
    if (first != MarkedPage::Scan::Found) {
        fuzzRequire(first == MarkedPage::Scan::NoKey, "a page that exists can be read");
        fuzzRequire(once == original, "a page without marker or closing body tag stays as it was", once);
        folder.requireNothingOutside();
        return 0;
    }
    fuzzRequire(keyLine != std::string::npos, "the marker is found only on a line that holds a key");
    fuzzRequire(once.compare(0, keyLine, original, 0, keyLine) == 0,
                "everything above the marker line survives byte for byte", once);
    fuzzRequire(once.find(MarkedPage::kMarker, keyLine) != std::string::npos,
                "a regenerated page carries the marker", once);

    fuzzRequire(generate(path) == MarkedPage::Scan::Found, "a regenerated page finds its marker again");
    const std::string twice = folder.read("site/Item/overview.htm");
    fuzzRequire(twice == once, "generating twice gives the page generated once", twice);
    folder.requireNothingOutside();
    return 0;
}
