// Converts descriptions holding many item references (default 1,000, 4,000
// and 16,000) to page HTML, in a synthetic process whose activities have
// popup texts and whose glossary terms the descriptions use. Each reference
// is one pass of the conversion; the time should grow linearly with their
// number, so each ratio to the previous size should be about the ratio of
// the sizes.

#include "BenchReport.h"
#include "ItemListePlus.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    SyntheticRun run(argc, argv, {1000, 4000, 16000});
    const fs::path root = run.folder("process");
    buildSyntheticProcess(root, 500, true);
    platform::clearProfileCache();
    ProcessManager manager((root / "site.tvx").string().c_str(), nullptr, 0, 0);
    ItemListePlus* items = manager.getItemList();
    for (int i = 1; i <= items->count(); ++i)
        if (auto* item = dynamic_cast<ProcessItem*>(items->at(i)))
            item->buildHtmlDescription(0);
    Item* page = manager.findItemByUid("NA0");
    ProcessManager::PageRun pageRun(manager);
    double previousSeconds = 0;
    long previousSize = 0;
    for (const long n : run.sizes()) {
        // One reference a line, to an activity or a role, after a glossary term.
        std::string text;
        for (long r = 0; r < n; ++r)
            text += "Step " + std::to_string(r) + " uses a Term" + std::to_string(r % 60) + " with [@" +
                    (r % 2 ? "NR" + std::to_string(r % 80) : "NA" + std::to_string(r % 150)) + "].\r\n";
        int counter = 0;
        BenchTimer conversion;
        const CString html = manager.descriptionToHtml(text.c_str(), &counter, page, 0, 0);
        const double seconds = conversion.seconds();
        benchReport("convert a description", n, seconds, "references");
        std::printf("  %zu bytes in, %d bytes out, %d tooltips\n", text.size(), html.GetLength(), counter);
        if (previousSize > 0)
            std::printf("  time ratio to %ld references: %.2f (sizes %.2f)\n", previousSize,
                        seconds / previousSeconds, double(n) / previousSize);
        previousSeconds = seconds;
        previousSize = n;
        BenchTimer plain;
        const CString names = manager.descriptionToPlainHtml(text.c_str(), 0);
        benchReport("  the same with names only (plain form)", n, plain.seconds(), "references");
    }
    return 0;
}
