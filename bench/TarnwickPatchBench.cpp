// Patches one attribute of a large XML file as an installation does (a
// backup, the parse that learns the byte positions of the elements that
// matter, the edit, the file written back) beside one plain parse of the
// same file by the XML parser with no handlers: the floor that patching is
// measured against. The file, generated here, holds a long list of
// settings; the one patched lies in the middle and is found by its key
// attribute. The target is a ratio within 2.
//   build/bin/bench_tarnwick_patch [megabytes]

#include "ActionData.h"
#include "BenchReport.h"
#include "MsiSession.h"
#include "XmlFlags.h"
#include "XmlManager.h"
#include "XmlUpdateDataReader.h"

#include <expat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// About megabytes of settings; the number of settings written.
long writeFile(const std::string& path, long megabytes) {
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<configuration>\r\n  <appSettings>\r\n";
    const long target = megabytes * 1024 * 1024;
    long count = 0;
    for (long written = 0; written < target; ++count) {
        const std::string n = std::to_string(count);
        const std::string line = "    <add key=\"k" + n + "\" value=\"entry number " + n + "\">text of " + n +
                                 " &amp; caf\xC3\xA9</add>\r\n";
        out << line;
        written += static_cast<long>(line.size());
    }
    out << "  </appSettings>\r\n</configuration>\r\n";
    return count;
}

// One parse of the file with no handlers, read as the reader reads it:
// into the parser's own buffers, 65,536 bytes at a time.
bool plainParse(const std::string& path) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    std::FILE* in = std::fopen(path.c_str(), "rb");
    bool ok = parser && in;
    while (ok) {
        void* buffer = XML_GetBuffer(parser, 65536);
        const size_t got = buffer ? std::fread(buffer, 1, 65536, in) : 0;
        const bool last = got < 65536;
        ok = buffer && XML_ParseBuffer(parser, static_cast<int>(got), last) == XML_STATUS_OK;
        if (last)
            break;
    }
    if (in)
        std::fclose(in);
    XML_ParserFree(parser);
    return ok;
}

std::u16string wide(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

// Runs an installation that gives the add elements of the file the value
// "patched": those whose key is key (a key attribute when keyFlags says
// so), with the element flags given. Prints and returns its time.
double timedRun(const std::string& root, const std::u16string& key, int elementFlags,
                const std::u16string& keyFlags, const char* what, long size) {
    const std::u16string big = wide(root) + u"big.xml";
    std::vector<ActionData::Row> attributes = {{u"value", u"add", u"value", u"14", u"1", u"patched"}};
    if (!key.empty())
        attributes.push_back({u"key", u"add", u"key", keyFlags, u"0", key});
    const std::vector<ActionData::Section> data = {
        {{u"ProductCode", u"{BENCH}"}},
        {{u"big", u"big.xml", wide(root), u"", u"cfg", u"0", u"1.0", u"UTF-8", u"2", u""}},
        {{u"cfg", u"", u"configuration", u"0", u"0", u""},
         {u"app", u"cfg", u"appSettings", u"1", u"0", u""},
         {u"add", u"app", u"add", u"1", wide(std::to_string(elementFlags)), u""}},
        attributes,
    };
    MsiSession session;
    XmlUpdateDataReader reader(ActionData::pack(data));
    reader.unpack();
    XmlManager manager(session.handle());
    manager.load(reader);
    BenchTimer timer;
    const UINT result = manager.run(xmlflags::kModeInstall);
    const double seconds = timer.seconds();
    std::ostringstream patched;
    patched << std::ifstream(std::string(big.begin(), big.end()), std::ios::binary).rdbuf();
    const std::string expected =
        key.empty() ? "value=\"patched\""
                    : "key=\"" + std::string(key.begin(), key.end()) + "\" value=\"patched\"";
    const bool done = result == 0 && patched.str().find(expected) != std::string::npos;
    benchReport(std::string(what) + (done ? "" : " (FAILED)"), size, seconds, "bytes");
    manager.commit();
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 50;
    std::string root = (std::filesystem::temp_directory_path() / "tarnwick-bench-XXXXXX").string();
    if (!mkdtemp(root.data()))
        return 1;
    root += "/";
    setenv("TOLVANE_REGISTRY_DIR", (root + "registry").c_str(), 1);
    const std::string file = root + "big.xml";
    const std::string key = "k" + std::to_string(writeFile(file, megabytes) / 2);
    const long size = static_cast<long>(std::filesystem::file_size(file));

    BenchTimer parseTimer;
    if (!plainParse(file))
        std::printf("the plain parse failed\n");
    const double parse = parseTimer.seconds();
    benchReport("plain parse", size, parse, "bytes");

    // The setting of that key (a key attribute, 0x0B) gets a new value
    // (overwritten, 0x0E); the first match only (0x08).
    const double patch = timedRun(root, wide(key), 8, u"11", "patch one attribute", size);
    std::printf("patch / parse: %.2f (target: within 2)\n", patch / parse);
    // Every setting gets the new value (every match, 0x10; no key): an edit
    // in every element of the file.
    const double all = timedRun(root, u"", 16, u"0", "patch every element", size);
    std::printf("patch every element / parse: %.2f\n", all / parse);

    std::filesystem::remove_all(root);
    return 0;
}
