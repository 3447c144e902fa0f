// Reads and rewrites keys of a settings file and of many item data files
// through the profile calls: the cost that opening and saving a large
// process pays per key.

#include "BenchReport.h"
#include "PrivateProfile.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atol(argv[i]));
    if (sizes.empty())
        sizes = {1000, 5000, 20000};

    std::string root = (std::filesystem::temp_directory_path() / "tolvane-bench-XXXXXX").string();
    if (!mkdtemp(root.data()))
        return 1;
    for (const long n : sizes) {
        const std::string folder = root + "/" + std::to_string(n);
        std::filesystem::create_directories(folder);
        BenchTimer write;
        for (long i = 0; i < n; ++i) {
            const std::string file = folder + "/" + std::to_string(i) + ".data";
            platform::updateProfile(file.c_str(), [&](ProfileFile& f) {
                for (int k = 0; k < 30; ++k)
                    f.set("PROCESSUS", "Key" + std::to_string(k), "value " + std::to_string(i));
                return true;
            });
        }
        benchReport("write 30 keys per data file", n, write.seconds());
        platform::clearProfileCache();
        BenchTimer read;
        char buffer[999];
        for (long i = 0; i < n; ++i) {
            const std::string file = folder + "/" + std::to_string(i) + ".data";
            for (int k = 0; k < 30; ++k)
                GetPrivateProfileStringA("PROCESSUS", ("Key" + std::to_string(k)).c_str(), "", buffer,
                                         sizeof buffer, file.c_str());
        }
        benchReport("read 30 keys per data file", n, read.seconds());
    }
    std::filesystem::remove_all(root);
    return 0;
}
