// Saves a workflow diagram whose boxes are bound to 200 activities lying
// elsewhere in the synthetic process, so that the save makes 200 child
// shortcuts, and counts how often the tree file is written. Target: at most
// 2 s, the tree file written once. Headless:
//   build/bin/bench_activity_sync [items...]

#include "BenchReport.h"
#include "CActivityBox.h"
#include "CFlowchartEntityContainer.h"
#include "FileSystem.h"
#include "Item.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"
#include "WorkflowDiagramFile.h"

#include <filesystem>

int main(int argc, char** argv) {
    SyntheticRun run(argc, argv, {20000});
    for (long items : run.sizes()) {
        auto project = run.openProcess(run.folder("sync" + std::to_string(items)), items, false);
        // The diagram of the first workflow; boxes for 200 activities that are not its children.
        Item* workflow = nullptr;
        std::vector<Item*> activities;
        for (int i = 1; i <= project->getItemList()->count(); ++i) {
            Item* item = project->getItemList()->at(i);
            const int kind = classKindOf(item);
            if (!workflow && kind == kWorkflowClass)
                workflow = item;
            else if (workflow && kind == kActivityClass && item->getParent() != workflow &&
                     activities.size() < 200)
                activities.push_back(item);
        }
        if (!workflow || activities.size() < 200) {
            std::printf("the synthetic process of %ld items has no workflow with 200 activities elsewhere\n",
                        items);
            continue;
        }
        WorkflowDiagramFile file(project.get(), workflow, 0);
        CFlowchartEntityContainer container;
        file.loadDiagram(container);
        int x = 0;
        for (Item* activity : activities)
            container.add(std::make_unique<CActivityBox>(project.get(), activity, x += 10, 40, workflow));
        const CString tree = project->getMenuTreePath();
        // Each save of the tree file backs it up first into this folder: the backups count the saves.
        const auto saveFolder = run.folder("sync" + std::to_string(items)) / "tolvane/save";
        std::filesystem::create_directories(saveFolder);
        for (const auto& entry : std::filesystem::directory_iterator(saveFolder))
            std::filesystem::remove(entry.path());
        const auto before = platform::fileStamp(tree);
        BenchTimer timer;
        const BOOL saved = file.saveDiagram(container);
        const double seconds = timer.seconds();
        int shortcuts = 0;
        for (int i = 1; i <= project->getItemList()->count(); ++i) {
            Item* item = project->getItemList()->at(i);
            shortcuts += item->getParent() == workflow && item->getKind() == kShortcut;
        }
        const auto saves = std::distance(std::filesystem::directory_iterator(saveFolder),
                                         std::filesystem::directory_iterator{});
        std::printf(
            "activity sync: %ld items, save %s, %d child shortcuts, %.3f s (target 2 s), tree file %s, "
            "%ld tree backups\n",
            items, saved ? "done" : "FAILED", shortcuts, seconds,
            platform::fileStamp(tree) == before ? "unchanged" : "rewritten", static_cast<long>(saves));
    }
    return 0;
}
