#include "BreakdownExport.h"

#include "CStringListePlus.h"
#include "ExpandedTreeWalk.h"
#include "ExportFile.h"
#include "ExportRun.h"
#include "HtmlText.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemReference.h"
#include "ProcessItem.h"
#include "ProcessManager.h"

#include <unordered_map>
#include <vector>

void BreakdownExport::exportWBS() {
    ExportRun run(m_manager);
    ExportFile wbs(m_manager, "wbs.csv");
    ExportFile wbs2(m_manager, "wbs2.csv");
    ExportFile schedule(m_manager, "schedule.csv");
    schedule << "Nom;Niveau_hi\xE9rarchique;Remarques\n";
    bool open = false;
    int workflowLevel = -1;
    ExpandedTreeWalk::forEach(run.getTables(), [&](const ExpandedTreeWalk::Step& step) {
        auto* item = dynamic_cast<ProcessItem*>(step.item);
        if (!item)
            return;
        if (item->getClassKind() == kWorkflowClass) {
            open = true;
            workflowLevel = step.level;
            wbs << ExportFile::field(item->getDiscipline()) << "\n";
            wbs2 << ExportFile::field(item->getDiscipline()) << "\n";
            return;
        }
        if (!open)
            return;
        // The effective level decides: inside an expanded shortcut it is
        // deeper than the shortcut, and a shortcut not deeper than the
        // workflow stands outside it, its target's branch with it.
        if (step.level <= workflowLevel) {
            open = false;
            return;
        }
        const int depth = step.level - workflowLevel;
        const CString prefix(';', depth);
        const CString name = ExportFile::field(item->getName());
        wbs << prefix << name << "\n";
        wbs2 << prefix << name << "\n";
        CString depthText;
        depthText.Format("%d", depth);
        schedule << name << ";" << depthText << ";"
                 << ExportFile::field("Activity in process: <root>" + item->getPagePath(0)) << "\n";
        if (ItemActivity* activity = item->getItemActivity()) {
            CStringListePlus* steps = activity->getSteps(1);
            for (int s = 1; s <= steps->count(); ++s)
                wbs2 << ";" << prefix << ExportFile::field(*steps->at(s)) << "\n";
        }
    });
    if (ExportFile::closeAll({&wbs, &wbs2, &schedule})) {
        ExportFile::reportGenerated(m_manager, "wbs.csv, wbs2.csv, schedule.csv");
    }
}

void BreakdownExport::exportActivityArtefactMatrix() {
    enum Mark { None, Input, Output, InputOutput };
    static const char* const kCells[] = {"", "in", "out", "in/out"};
    ExportRun run(m_manager);
    ExportFile aam(m_manager, "aam.csv");
    ExportFile aat(m_manager, "aat.csv");
    aat << "activity;in;out\n";
    CStringListePlus* names = m_manager.getActivityWorkProductLists();
    std::unordered_map<CString, int> positions;
    aam << ";";
    for (int i = 1; i <= names->count(); ++i) {
        positions.emplace(lowerCased(*names->at(i)), i - 1);
        aam << ExportFile::field(*names->at(i)) << ";";
    }
    aam << "\n";
    std::vector<Mark> marks(names->count(), None);
    for (ProcessItem* item : run.getItemsOfClass(kActivityClass)) {
        const ItemActivity* activity = item->getItemActivity();
        if (!activity)
            continue;
        std::fill(marks.begin(), marks.end(), None);
        aam << ExportFile::field(item->getName());
        aat << ExportFile::field(item->getName()) << ";";
        for (const bool input : {true, false}) {
            CStringListePlus* references =
                input ? activity->getInWorkProducts() : activity->getOutWorkProducts();
            CString joined;
            for (int r = 1; r <= references->count(); ++r) {
                const CString name = getWorkProductReferenceName(*references->at(r), 0);
                const auto found = positions.find(lowerCased(name));
                if (found != positions.end()) {
                    Mark& mark = marks[found->second];
                    mark = input ? Input : (mark != None ? InputOutput : Output);
                }
                if (r > 1)
                    joined += "|";
                joined += name;
            }
            aat << ExportFile::field(joined) << (input ? ";" : "\n");
        }
        for (const Mark mark : marks)
            aam << ";" << kCells[mark];
        aam << "\n";
    }
    aam << "\n\nArtefact list:\n";
    for (int i = 1; i <= names->count(); ++i)
        aam << ExportFile::field(*names->at(i)) << "\n";
    names->deleteAll();
    delete names;
    if (ExportFile::closeAll({&aam, &aat})) {
        ExportFile::reportGenerated(m_manager, "aam.csv and aat.csv");
    }
}
