// Generates the site of a synthetic process of each size (default 5,000
// and 20,000 items, two languages; every page family the program writes)
// and copies the generated project folder, printing both times: the
// generation should cost a small multiple of what merely copying its
// output costs, and grow linearly with the process: four times the items,
// at most 4.5 times the time. The processor time of the program's own code
// and of the system's file work are printed apart: on a file system that
// slows down as it creates many files, the second grows faster than the
// process, the copy's as well.

#include "BenchReport.h"
#include "FileSystem.h"
#include "FolderListingCache.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    SyntheticRun run(argc, argv, {5000, 20000});
    GrowthReport growth("generation");
    double previousUserSeconds = 0;
    for (const long n : run.sizes()) {
        const fs::path root = run.folder(std::to_string(n));
        buildSyntheticProcess(root, n, true);
        platform::clearProfileCache();
        FolderListingCache::instance().clear();
        ProcessManager manager((root / "site.tvx").string().c_str(), nullptr, 0, 0);
        // The best of three runs; the processor times are their average.
        CpuTimer processor;
        const double generationSeconds = bestOf(3, [&manager] {
            BenchTimer generation;
            manager.generate();
            return generation.seconds();
        });
        const double userSeconds = processor.userSeconds() / 3;
        benchReport("generate the site (two languages)", manager.getItemCount(), generationSeconds);
        benchReport("  of which processor, own code", manager.getItemCount(), userSeconds);
        benchReport("  of which processor, file system", manager.getItemCount(),
                    processor.systemSeconds() / 3);
        BenchTimer copy;
        platform::copyTree(root.string().c_str(), run.folder(std::to_string(n) + "-copy").string().c_str());
        const double copySeconds = copy.seconds();
        benchReport("copy the generated project folder", manager.getItemCount(), copySeconds);
        std::printf("generation / copy: %.1f\n", generationSeconds / copySeconds);
        if (previousUserSeconds > 0)
            std::printf("own code time ratio: %.2f\n", userSeconds / previousUserSeconds);
        previousUserSeconds = userSeconds;
        growth.add(manager.getItemCount(), generationSeconds);
    }
    return 0;
}
