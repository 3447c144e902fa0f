// Builds a synthetic process of each size and times the maintenance
// services on it: a role's uid change (every item folder rewritten where
// it names the role), the full export of the largest top item, its import
// back in its place, and a second import of it below another item, where
// every imported uid is taken and renamed with the references inside.
// Each should grow about linearly with the number of items.

#include "BenchReport.h"
#include "FileSystem.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// The top item with the largest subtree, and another top item.
std::pair<Item*, Item*> topItems(ProcessManager& manager) {
    Item* largest = nullptr;
    Item* other = nullptr;
    long largestSize = -1;
    Item* top = nullptr;
    long size = 0;
    for (int i = 1; i <= manager.getItemCount() + 1; ++i) {
        Item* item = i <= manager.getItemCount() ? manager.getItemList()->at(i) : nullptr;
        if (item && item->getLevel() > 0) {
            ++size;
            continue;
        }
        if (top && size > largestSize) {
            if (largest)
                other = largest;
            largest = top;
            largestSize = size;
        } else if (top && !other) {
            other = top;
        }
        top = item;
        size = 0;
    }
    return {largest, other};
}

} // namespace

int main(int argc, char** argv) {
    SyntheticRun run(argc, argv, {1000, 5000, 20000});
    for (const long n : run.sizes()) {
        const fs::path root = run.folder(std::to_string(n));
        buildSyntheticProcess(root, n, true);
        platform::clearProfileCache();
        ProcessManager manager((root / "site.tvx").string().c_str(), nullptr, 0, 0);

        Item* role = nullptr;
        for (int i = 1; i <= manager.getItemCount() && !role; ++i)
            if (classKindOf(manager.getItemList()->at(i)) == kRoleClass)
                role = manager.getItemList()->at(i);
        BenchTimer uidChange;
        manager.setItemUid(role, "RENAMED_ROLE");
        benchReport("uid change of a role", manager.getItemCount(), uidChange.seconds());

        auto [exported, other] = topItems(manager);
        BenchTimer exportTimer;
        manager.exportItemsFull(exported);
        benchReport("full export of the largest top item", manager.getItemCount(), exportTimer.seconds());
        fs::path exchange;
        for (const auto& entry : fs::directory_iterator(root / "tmp"))
            if (entry.path().filename().string().find("_exp_") != std::string::npos)
                exchange = entry.path();
        fs::copy(exchange, root / "tmp/second", fs::copy_options::recursive);

        BenchTimer importTimer;
        manager.importItemsFull((exchange / "export.dat").string().c_str());
        benchReport("full import in its place", manager.getItemCount(), importTimer.seconds());

        // The second copy below another top item: every uid is taken.
        const fs::path second = root / "tmp/second/export.dat";
        std::string text;
        platform::readFileBytes(second.string().c_str(), text);
        text = std::string(other->getUid().GetString()) + text.substr(text.find('\n') - 1);
        platform::writeFileReplacing(second.string().c_str(), text);
        BenchTimer renamed;
        manager.importItemsFull(second.string().c_str());
        benchReport("full import of a copy, every uid renamed", manager.getItemCount(), renamed.seconds());
    }
    return 0;
}
