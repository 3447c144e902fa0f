// An attribute file a user edited in a spreadsheet, read back by each of the
// four attribute imports into a small bilingual project (an activity, a
// work product with a template, a workflow): whatever the file holds, an
// import writes no key, section or line into an item's data file that the
// item's save does not write (a refused file changes no file at all), and
// the values it stored come back from the files: exported and imported
// again, they are the same, but for a step's ";", which the activity file
// writes as "." (a refused second import, or one that changes a
// description nobody edited, breaks the round trip).

#include "FuzzFolder.h"
#include "FuzzProperty.h"
#include "ItemActivity.h"
#include "ItemWorkProduct.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessItemExtension.h"
#include "ProcessManager.h"
#include "ProfileFile.h"
#include "Project.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr const char* kTree = "\r\n0*N1*Act*../site/Act/overview.htm* *b.gif*b.gif*f*true*false*Acte* *"
                              "\r\n0*N2*Plan*../site/Plan/overview.htm* *b.gif*b.gif*f*true*false*Plan* *"
                              "\r\n0*N3*Flow*../site/Flow/overview.htm* *b.gif*b.gif*f*true*false*Flux* *";

const char* const kItems[] = {"N1", "N2", "N3"};
const char* const kDataFiles[] = {"site/Act/process.data", "site/Plan/process.data",
                                  "site/Flow/process.data"};

// One import and the export that writes its file.
struct Import {
    const char* name;
    void (ProcessManager::*exportFile)();
    void (ProcessManager::*importFile)(const CString&);
    const char* exported;
};
const Import kImports[] = {
    {"activities", &ProcessManager::exportActivitiesAttributes, &ProcessManager::importActivitiesAttribute,
     "tmp/activitiesAttr.csv"},
    {"work products", &ProcessManager::exportWPAttributes, &ProcessManager::importWPAttribute,
     "tmp/WPAttr.csv"},
    {"descriptions", &ProcessManager::exportItemDescription, &ProcessManager::ImportArtifactDescription,
     "tmp/itemDescription.csv"},
    {"versions", &ProcessManager::generateVersionAndApprovalStatus,
     &ProcessManager::ImportVersionAndApprovalStatus, "tmp/VersionAndApproval.csv"},
};

// No export opens a file manager: the desktop's opener is nowhere on the path.
void withoutOpener() {
    static std::unique_ptr<TempDir> empty;
    if (empty)
        return;
    empty = std::make_unique<TempDir>();
    setenv("PATH", empty->path().c_str(), 1);
}

void writeProject(const FuzzFolder& folder) {
    folder.write("site.tvx", "[STD_OPTION]\r\nDataVersion=" + Project::getVersionString().str() +
                                 "\r\nTwoLanguages=yes\r\n");
    folder.write("tolvane/MenuTreeV2.dat", kTree);
    folder.write(kDataFiles[0], "[PROCESSUS]\r\nClass=ACTIVITY\r\nStep=One,#1 Detail\r\nStepL2=Un\r\n");
    folder.write("site/Act/ActivityDescription.txt", "Does \"it\"; well.\r\nTwice\r\n");
    folder.write(kDataFiles[1],
                 "[PROCESSUS]\r\nClass=WORKPRODUCT\r\nTemplateNameL1F1=plan.doc\r\nComment=R\xE9sum\xE9\r\n"
                 "Location=Shelf \xC4\xBB\r\nWPType=Report\r\n");
    folder.write(kDataFiles[2],
                 "[PROCESSUS]\r\nClass=WORKFLOW\r\nAppro1=Approved\r\nAppro1Date=05/01/2024\r\n"
                 "Appro2=Pending\r\nAppro2Date=02/02/2024\r\n");
}

std::unique_ptr<ProcessManager> open(const FuzzFolder& folder) {
    platform::clearProfileCache();
    auto manager = std::make_unique<ProcessManager>((folder.project() + "site.tvx").c_str(), nullptr, 0, 0);
    for (const char* uid : kItems) {
        auto* item = static_cast<ProcessItem*>(manager->findItemByUid(uid));
        fuzzRequire(item != nullptr, "the fixture's items open", uid);
        item->load(1);
    }
    return manager;
}

// What a data file holds beside its values: its sections and keys, and its
// number of lines.
struct Shape {
    std::set<std::string> keys; // "[section] key", lower-cased
    size_t lines = 0;
    bool operator==(const Shape&) const = default;
};

std::string lowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

Shape shapeOf(const std::string& bytes) {
    Shape shape;
    const ProfileFile file = ProfileFile::parse(bytes);
    for (const std::string& section : file.sectionNames()) {
        shape.keys.insert("[" + lowerCase(section) + "]");
        for (const std::string& key : file.keyNames(section))
            shape.keys.insert("[" + lowerCase(section) + "] " + lowerCase(key));
    }
    for (const char c : bytes)
        shape.lines += c == '\n';
    return shape;
}

std::string joined(CStringListe* list, bool semicolonsAsDots) {
    std::string text;
    CStringIterateur* it = list->createIterator();
    for (; !it->isAtEnd(); it->next()) {
        std::string step = it->current()->str();
        if (semicolonsAsDots)
            for (char& c : step)
                c = c == ';' ? '.' : c;
        text += step + '\x1F';
    }
    delete it;
    return text;
}

// Every value an attribute import stores, as the files give it to a
// project opened anew: by "uid name".
std::map<std::string, std::string> storedValues(const FuzzFolder& folder, bool semicolonsAsDots) {
    const std::unique_ptr<ProcessManager> manager = open(folder);
    std::map<std::string, std::string> values;
    for (const char* uid : kItems) {
        auto* item = static_cast<ProcessItem*>(manager->findItemByUid(uid));
        const std::string at = std::string(uid) + " ";
        values[at + "State"] = item->getStateText().str();
        values[at + "Version"] = item->getVersion().str();
        values[at + "Editor"] = item->getEditor().str();
        for (int n = 1; n <= 6; ++n) {
            values[at + "Appro" + std::to_string(n)] = item->getAppro(n).str();
            values[at + "ApproDate" + std::to_string(n)] = item->getApproDate(n).str();
        }
        if (ProcessItemExtension* extension = item->getExtension())
            for (int language = 0; language <= 1; ++language)
                values[at + "Description" + std::to_string(language)] =
                    extension->readDescription(language, 0, 0, 0).str();
        if (ItemActivity* activity = item->getItemActivity()) {
            values[at + "ActivityType"] = activity->getActivityType().str();
            values[at + "Steps"] = joined(activity->getOwnSteps(0), semicolonsAsDots);
            values[at + "StepsL2"] = joined(activity->getOwnSteps(1), semicolonsAsDots);
        }
        if (ItemWorkProduct* product = item->getItemWorkProduct()) {
            values[at + "WPName"] = product->getWPName().str();
            values[at + "Location"] = product->getLocation().str();
            values[at + "CMPolicy"] = product->getCMPolicy().str();
            values[at + "Image"] = product->getImage().str();
            values[at + "WPType"] = product->getWPType().str();
            values[at + "Timing"] = product->getTiming().str();
        }
    }
    return values;
}

std::string describe(const std::map<std::string, std::string>& a,
                     const std::map<std::string, std::string>& b) {
    for (const auto& [key, value] : a) {
        const auto other = b.find(key);
        if (other == b.end() || other->second != value)
            return key + ": '" + value + "' then '" + (other == b.end() ? "<none>" : other->second) + "'";
    }
    return {};
}

void check(const Import& import, std::string_view input) {
    FuzzFolder folder;
    RecordingUserInterface ui;
    writeProject(folder);
    std::vector<Shape> saved;
    std::vector<std::string> before;
    {
        // Saved once, the data files hold every key a save writes.
        const std::unique_ptr<ProcessManager> manager = open(folder);
        for (size_t i = 0; i < std::size(kItems); ++i) {
            static_cast<ProcessItem*>(manager->findItemByUid(kItems[i]))->save();
            before.push_back(folder.read(kDataFiles[i]));
            saved.push_back(shapeOf(before.back()));
        }
    }
    const std::string path = folder.write("tmp/in.csv", input);
    {
        const std::unique_ptr<ProcessManager> manager = open(folder);
        ui.messages.clear();
        ((*manager).*import.importFile)(path.c_str());
    }
    bool refused = false;
    for (const auto& message : ui.messages)
        refused = refused || message.text.Find("cannot be imported") >= 0;
    for (size_t i = 0; i < std::size(kItems); ++i) {
        const std::string now = folder.read(kDataFiles[i]);
        if (refused)
            fuzzRequire(now == before[i], "a refused file changes no data file", import.name);
        fuzzRequire(shapeOf(now) == saved[i],
                    "an import writes no key, section or line a save does not write",
                    std::string(import.name) + ": " + now);
    }

    const auto first = storedValues(folder, true);
    {
        const std::unique_ptr<ProcessManager> manager = open(folder);
        ((*manager).*import.exportFile)();
        ui.messages.clear();
        ((*manager).*import.importFile)((folder.project() + import.exported).c_str());
        for (const auto& message : ui.messages)
            fuzzRequire(message.text.Find("cannot be imported") < 0, "an exported file is imported again",
                        message.text.str());
    }
    const auto second = storedValues(folder, false);
    const std::string difference = describe(first, second);
    fuzzRequire(difference.empty(), "exported and imported again, the values stay the same",
                std::string(import.name) + ": " + difference);
    folder.requireNothingOutside();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    withoutOpener();
    const std::string_view input = fuzzBytes(data, size);
    for (const Import& import : kImports)
        check(import, input);
    return 0;
}
