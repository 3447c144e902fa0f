// Builds a synthetic process of each size, opens it and runs the link
// refresh, printing each step's time. The refresh should grow about
// linearly with the number of items.

#include "BenchReport.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    SyntheticRun run(argc, argv, {1000, 5000, 20000});
    for (const long n : run.sizes()) {
        const fs::path root = run.folder(std::to_string(n));
        BenchTimer build;
        buildSyntheticProcess(root, n, false);
        benchReport("build project on disk", n, build.seconds());
        platform::clearProfileCache();
        BenchTimer open;
        ProcessManager manager((root / "site.tvx").string().c_str(), nullptr, 1, 0);
        manager.loadMenuTree(nullptr, 1);
        benchReport("open and read the tree", manager.getItemCount(), open.seconds());
        BenchTimer load;
        manager.updateLinks(0, 0);
        benchReport("first refresh (loads every item)", manager.getItemCount(), load.seconds());
        BenchTimer refresh;
        manager.setLinksNeedRefresh();
        manager.updateLinks(0, 0);
        manager.linkRoles();
        manager.linkWorkProducts();
        benchReport("link refresh (roles, work products)", manager.getItemCount(), refresh.seconds());
        // One lookup per item, by uid, through the project's index.
        BenchTimer lookups;
        long found = 0;
        for (long a = 0; a < manager.getItemCount(); ++a)
            found += manager.findItemByUid(("na" + std::to_string(a % (n / 2))).c_str()) != nullptr;
        benchReport("uid lookups (one per item)", found, lookups.seconds());
    }
    return 0;
}
