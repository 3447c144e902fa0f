// The menu-tree file "MenuTreeV2.dat" as a project opens it: whatever the
// records, opening gives a tree whose item files all lie inside the project
// folder, and the tree saved and opened again gives the same records.

#include "FuzzFolder.h"
#include "FuzzProperty.h"
#include "Item.h"
#include "ItemListePlus.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

// What the file holds of an item, as the project has it after opening.
struct Record {
    int level;
    std::string uid, name, url, icon, openIcon, nameL2, referencedUid;
    int blankTarget, visible, frame, kind;
    bool operator==(const Record&) const = default;

    std::string describe() const {
        return std::to_string(level) + "|" + uid + "|" + name + "|" + url + "|" +
               std::to_string(blankTarget) + "|" + icon + "|" + openIcon + "|" + std::to_string(visible) +
               "|" + std::to_string(frame) + "|" + nameL2 + "|" + referencedUid + "|kind " +
               std::to_string(kind);
    }
};

std::vector<Record> recordsOf(ProcessManager& manager, const FuzzFolder& folder) {
    std::vector<Record> records;
    ItemListePlus* items = manager.getItemList();
    for (int i = 1; i <= items->count(); ++i) {
        Item* item = items->at(i);
        records.push_back({item->getLevel(), item->getUid().str(), item->getName().str(),
                           item->getUrl().str(), item->getIcon().str(), item->getOpenIcon().str(),
                           item->getNameL2().str(), item->getReferencedUid().str(), item->isBlankTarget(),
                           item->isVisible(), item->isFrame(), item->getKind()});
        // Opening read each item's data file: it, and the pages and files of
        // the item, must lie inside the project folder (an empty path is one
        // the project refused to make).
        if (auto* processItem = dynamic_cast<ProcessItem*>(item)) {
            const CString data = processItem->getDataFilePath();
            fuzzRequire(data.IsEmpty() || folder.isInside(data), "an item's data file lies inside the project folder",
                        data.str());
            for (int language = 0; language <= 1; ++language) {
                const CString page = manager.getItemPagePath(item, language);
                fuzzRequire(page.IsEmpty() || folder.isInside(page), "an item's page lies inside the project folder",
                            page.str());
            }
        }
    }
    return records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFolder folder;
    RecordingUserInterface ui;
    platform::clearProfileCache();
    const std::string settings = folder.writeSettings();
    folder.write("tolvane/MenuTreeV2.dat", fuzzBytes(data, size));

    std::vector<Record> opened;
    {
        ProcessManager manager(settings.c_str(), nullptr, 0, 0);
        opened = recordsOf(manager, folder);
        manager.saveMenuTree();
    }
    std::vector<Record> reopened;
    {
        ProcessManager manager(settings.c_str(), nullptr, 0, 0);
        reopened = recordsOf(manager, folder);
    }
    fuzzRequire(reopened.size() == opened.size(), "the saved tree opens with as many items as were saved",
                std::to_string(opened.size()) + " saved, " + std::to_string(reopened.size()) + " read");
    for (size_t i = 0; i < opened.size(); ++i) {
        Record expected = opened[i];
        // Only a shortcut keeps a referenced uid; one without is saved with
        // its target's uid.
        if (expected.kind != kShortcut || expected.referencedUid.empty())
            expected.referencedUid = reopened[i].referencedUid;
        if (!(reopened[i] == expected))
            fuzzFail("the saved tree opens with the same records",
                     "saved " + expected.describe() + " read " + reopened[i].describe());
    }
    folder.requireNothingOutside();
    return 0;
}
