// Generates the site of a synthetic process of each size (default 5,000 and
// 20,000 items, two languages) and copies the generated project folder,
// printing both times: the generation should cost a small multiple of what
// merely copying its output costs, and grow in step with the items (the
// ratio of each size's time to the one before is printed beside the ratio
// of their items).

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
    for (const long n : run.sizes()) {
        const fs::path root = run.folder(std::to_string(n));
        buildSyntheticProcess(root, n, true);
        platform::clearProfileCache();
        FolderListingCache::instance().clear();
        ProcessManager manager((root / "site.tvx").string().c_str(), nullptr, 0, 0);
        const double generationSeconds = bestOf(3, [&manager] {
            BenchTimer generation;
            manager.generate();
            return generation.seconds();
        });
        benchReport("generate the site (two languages)", manager.getItemCount(), generationSeconds);
        BenchTimer copy;
        platform::copyTree(root.string().c_str(),
                           run.folder(std::to_string(n) + "-copy").string().c_str());
        const double copySeconds = copy.seconds();
        benchReport("copy the generated project folder", manager.getItemCount(), copySeconds);
        std::printf("generation / copy: %.1f\n", generationSeconds / copySeconds);
        growth.add(manager.getItemCount(), generationSeconds);
    }
    return 0;
}
