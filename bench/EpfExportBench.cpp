// Builds a synthetic process of each size (default 1,250 and 5,000 items,
// two languages, with pages) and times the EPF method-library export on it,
// as the user starts it: the domain and one of its disciplines as plug-ins,
// then the generic pair. The export walks the tree once per plug-in and
// reads every page, description and picture folder once, so four times the
// items should take about four times the time. The processor time of the
// program's own code and the system's file work are printed apart, and the
// time to copy the export folder, the floor its files put under the export.

#include "BenchReport.h"
#include "FileSystem.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"

#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    SyntheticRun run(argc, argv, {1250, 5000});
    run.useQuietOpener();

    GrowthReport growth("exportForEPF.xml");
    for (const long n : run.sizes()) {
        const fs::path root = run.folder(std::to_string(n));
        const std::unique_ptr<ProcessManager> opened = run.openProcess(root, n, true);
        ProcessManager& manager = *opened;
        manager.updateLinks(0, 0);
        const long items = manager.getItemCount();
        ProcessItem* domain = nullptr;
        ProcessItem* discipline = nullptr;
        for (int i = 1; i <= items; ++i) {
            auto* item = static_cast<ProcessItem*>(manager.getItemList()->at(i));
            if (!domain && item->getClassKind() == kDomainClass)
                domain = item;
            if (!discipline && item->getClassKind() == kDisciplineClass)
                discipline = item;
        }
        ProcessItemListe selection;
        selection.append(domain);
        selection.append(discipline);

        // The first run reads the pages and descriptions from disk; the best
        // of three is what the export itself costs.
        CpuTimer processor;
        const double seconds = bestOf(3, [&] {
            BenchTimer timer;
            manager.exportXMLforEPF(&selection, "");
            return timer.seconds();
        });
        selection.removeAll();
        benchReport("exportForEPF.xml (best of 3)", items, seconds);
        std::printf("  processor over the three runs: own code %.3f s, file system %.3f s\n",
                    processor.userSeconds(), processor.systemSeconds());
        const fs::path exported = root / "tmp/EPFexport";
        std::printf("  library: %ld bytes\n",
                    static_cast<long>(fs::file_size(exported / "exportForEPF.xml")));
        growth.add(items, seconds);

        BenchTimer copy;
        platform::copyTree(exported.string().c_str(), (root / "tmp/EPFcopy").string().c_str());
        benchReport("  copy of the export folder (floor)", items, copy.seconds());
    }
    return 0;
}
