// Rebuilds the main window's tree of a synthetic process, as every change
// of the menu tree does: the nodes are filled with the tree's updates frozen,
// and the expanded nodes (every third one that has children) and the
// selection come back, found by uid through a set. Needs a display (run it
// under scripts/with-xvfb):
//   scripts/with-xvfb build/bin/bench_tree_rebuild [items...]

#include "AppProfile.h"
#include "BenchReport.h"
#include "DisplayBench.h"
#include "Item.h"
#include "ItemListePlus.h"
#include "MenuCreatorDlg.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

void run(const SyntheticRun& synthetic, long items) {
    const std::filesystem::path root = synthetic.folder("tree" + std::to_string(items));
    buildSyntheticProcess(root, items, false);
    std::filesystem::create_directories(root / "applet");
    std::filesystem::copy(TOLVANE_ICONS_DIR, root / "applet/IconImages",
                          std::filesystem::copy_options::recursive);
    auto* window = new CMenuCreatorDlg((root / "site.tvx").c_str(), nullptr);
    window->OnInitDialog();
    ProcessManager* project = window->getProject();
    ItemListePlus* list = project->getItemList();
    CMainTreeCtrl* tree = window->getTree();

    std::vector<Item*> expanded;
    for (int i = 1; i < list->count(); ++i) {
        Item* item = list->at(i);
        if (i % 3 == 0 && list->at(i + 1)->getLevel() > item->getLevel()) {
            tree->Expand(wxTreeItemId(item->getTreeHandle()));
            expanded.push_back(item);
        }
    }
    Item* selected = list->at(list->count() - 1);
    tree->SelectItem(wxTreeItemId(selected->getTreeHandle()));

    const double seconds = bestOf(3, [&] {
        BenchTimer timer;
        window->rebuildTree(list);
        return timer.seconds();
    });
    benchReport("rebuild keeping expansion and selection", list->count(), seconds);

    long kept = 0;
    for (Item* item : expanded)
        kept += tree->IsExpanded(wxTreeItemId(item->getTreeHandle())) ? 1 : 0;
    const bool selectionKept = tree->GetSelection() == wxTreeItemId(selected->getTreeHandle());
    std::printf("expanded nodes kept: %ld of %zu; selection kept: %s\n", kept, expanded.size(),
                selectionKept ? "yes" : "no");
    window->Destroy();
    wxTheApp->Yield(true);
}

} // namespace

int main(int argc, char** argv) {
    return runOnDisplay(argv[0], "bench_tree_rebuild", [&] {
        SyntheticRun synthetic(argc, argv, {1000, 5000, 20000});
        // The profile goes beside the processes, with the tip of the day off.
        std::filesystem::create_directories(synthetic.folder("registry"));
        setenv("TOLVANE_REGISTRY_DIR", synthetic.folder("registry").c_str(), 1);
        AppProfile::WriteProfileInt("Parameters", "TipsActivated", 0);
        for (const long items : synthetic.sizes())
            run(synthetic, items);
    });
}
