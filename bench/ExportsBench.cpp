// Builds a synthetic process of each size (default 1,250 and 5,000 items,
// two languages, with pages) and times every export, import and report of
// the import/export and process tools dialogs on it, each as one run, as
// the user starts it. Each should grow linearly with the process: four
// times the items, about four times the time. The processor time of the
// program's own code and of the system's file work are printed apart: the
// imports write a data file per item, and on a file system that slows down
// as its folders fill, the second may grow faster than the process. The activity-work product
// matrix is the exception by nature: its file holds a cell for every
// activity and every work product, so it grows with their product; its
// time per cell is printed beside it.

#include "BenchReport.h"
#include "FileSystem.h"
#include "FolderListingCache.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The role-activity matrix of the process: a column for every role; each
// activity's line marks the first role and makes the second its performer.
std::string roleActivityMatrix(ProcessManager& manager) {
    std::string roles = ";;;;";
    std::string lines;
    for (int i = 1; i <= manager.getItemCount(); ++i) {
        Item* item = manager.getItemList()->at(i);
        if (item->getKind() != kDual)
            continue;
        if (classKindOf(item) == kRoleClass)
            roles += ";" + item->getName().str();
        else if (classKindOf(item) == kActivityClass)
            lines += item->getName().str() + ";;;;;x;performer\r\n";
    }
    return "matrix\r\n" + roles + "\r\n" + lines;
}

long fileSize(const fs::path& path) {
    std::error_code error;
    const auto size = fs::file_size(path, error);
    return error ? 0 : static_cast<long>(size);
}

} // namespace

int main(int argc, char** argv) {
    SyntheticRun run(argc, argv, {1250, 5000});
    // The exports show the folder "tmp" at their end: here an opener that does nothing.
    const fs::path bin = run.folder("bin");
    fs::create_directories(bin);
    std::ofstream(bin / "xdg-open") << "#!/bin/sh\nexit 0\n";
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    const char* path = std::getenv("PATH");
    setenv("PATH", (bin.string() + ":" + (path ? path : "")).c_str(), 1);

    std::map<std::string, GrowthReport> growth;
    for (const long n : run.sizes()) {
        const fs::path root = run.folder(std::to_string(n));
        buildSyntheticProcess(root, n, true);
        platform::clearProfileCache();
        FolderListingCache::instance().clear();
        ProcessManager manager((root / "site.tvx").string().c_str(), nullptr, 0, 0);
        const long items = manager.getItemCount();
        Item* workflow = nullptr;
        for (int i = 1; i <= items && !workflow; ++i)
            if (classKindOf(manager.getItemList()->at(i)) == kWorkflowClass)
                workflow = manager.getItemList()->at(i);
        const std::string tmp = (root / "tmp").string() + "/";
        std::ofstream(tmp + "matrix.csv", std::ios::binary) << roleActivityMatrix(manager);

        const std::vector<std::pair<std::string, std::function<void()>>> steps = {
            {"templates.csv (with copies)", [&] { manager.exportTemplatesList(); }},
            {"procedures.csv (with copies)", [&] { manager.exportProceduresList(); }},
            {"glossary.csv", [&] { manager.exportGlossary(); }},
            {"workProducts.csv", [&] { manager.exportWorkProductsList(); }},
            {"roles.csv", [&] { manager.exportRolesList(); }},
            {"activities.csv", [&] { manager.exportActivitiesList(); }},
            {"TraceabilityLinks.csv", [&] { manager.exportTraceabilityLinks(); }},
            {"wbs.csv, wbs2.csv, schedule.csv", [&] { manager.exportWBS(); }},
            {"aam.csv and aat.csv", [&] { manager.exportActivityArtefactMatrix(); }},
            {"activitiesAttr.csv", [&] { manager.exportActivitiesAttributes(); }},
            {"  import of it",
             [&] { manager.importActivitiesAttribute((tmp + "activitiesAttr.csv").c_str()); }},
            {"WPAttr.csv", [&] { manager.exportWPAttributes(); }},
            {"  import of it", [&] { manager.importWPAttribute((tmp + "WPAttr.csv").c_str()); }},
            {"itemDescription.csv", [&] { manager.exportItemDescription(); }},
            {"  import of it",
             [&] { manager.ImportArtifactDescription((tmp + "itemDescription.csv").c_str()); }},
            {"VersionAndApproval.csv, Version.csv", [&] { manager.generateVersionAndApprovalStatus(); }},
            {"  import of it",
             [&] { manager.ImportVersionAndApprovalStatus((tmp + "VersionAndApproval.csv").c_str()); }},
            {"role-activity matrix import",
             [&] { manager.ImportRoleActivityLinks((tmp + "matrix.csv").c_str()); }},
            {"SearchReport.csv", [&] { manager.searchText("Activity", 0); }},
            {"Report.csv (integrity)", [&] { manager.generateIntegrityReport(); }},
            {"progressStatusReport.csv", [&] { manager.generateProgressStatusReport(); }},
            {"site.htm (one-page document)",
             [&] { manager.exportOnePageProcess(0, static_cast<ProcessItem*>(workflow), nullptr); }},
            {"export.xml", [&] { manager.exportXML(); }},
        };
        std::map<std::string, int> seen;
        for (const auto& [name, step] : steps) {
            // The imports share a name; each keeps its own place in the report.
            const std::string key = name + "#" + std::to_string(seen[name]++);
            growth.emplace(key, GrowthReport(name));
            BenchTimer timer;
            CpuTimer processor;
            step();
            const double seconds = timer.seconds();
            benchReport(name, items, seconds);
            std::printf("  processor: own code %.3f s, file system %.3f s\n", processor.userSeconds(),
                        processor.systemSeconds());
            growth.at(key).add(items, seconds);
            if (name == "aam.csv and aat.csv") {
                const long cells = fileSize(root / "tmp/aam.csv");
                std::printf("  aam.csv: %ld bytes, %.1f ns a byte\n", cells,
                            seconds * 1e9 / std::max(1L, cells));
            }
        }
    }
    return 0;
}
