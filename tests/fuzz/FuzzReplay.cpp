// Replays inputs through a fuzz target's entry point, with any compiler: each
// argument is a file or a folder whose files are replayed in name order. It
// fails when a folder holds no input, so lost seeds do not pass unseen.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {

void replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::fprintf(stderr, "replaying %s (%zu bytes)\n", file.string().c_str(), bytes.size());
    std::fflush(stderr);
    // A copy of its own, as libFuzzer gives, so a read past the end is seen.
    std::vector<uint8_t> data(bytes.begin(), bytes.end());
    LLVMFuzzerTestOneInput(data.data(), data.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <input file or folder>...\n", argv[0]);
        return 2;
    }
    size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path path = argv[i];
        if (!fs::is_directory(path)) {
            if (!fs::is_regular_file(path)) {
                std::fprintf(stderr, "no input at %s\n", argv[i]);
                return 1;
            }
            replay(path);
            ++replayed;
            continue;
        }
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(path))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        if (files.empty()) {
            std::fprintf(stderr, "no input in %s\n", argv[i]);
            return 1;
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files)
            replay(file);
        replayed += files.size();
    }
    std::printf("%zu inputs replayed, none failed\n", replayed);
    return 0;
}
