#include "ProcessReports.h"

#include "CStringListePlus.h"
#include "ExportFile.h"
#include "ExportRun.h"
#include "HtmlText.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"

#include <string>

namespace {

const char* okOrKo(bool ok) {
    return ok ? "ok" : "ko";
}

} // namespace

void ProcessReports::searchText(const CString& text, int language) {
    ExportRun run(m_manager);
    const CString wanted = lowerCased(text);
    ExportFile file(m_manager, "SearchReport.csv");
    file << ExportFile::field("Search for " + wanted) << "\n\n"
         << "Found at least one occurence in:\n Item uid; Item name;Item attribute\n";
    int found = 0;
    auto search = [&](ProcessItem& item, const CString& attribute, const CString& label) {
        if (lowerCased(attribute).Find(wanted) < 0)
            return;
        file << ExportFile::field(item.getUid()) << ";" << ExportFile::field(item.getName()) << ";" << label
             << "\n";
        ++found;
    };
    for (Item* listed : run.getItems()) {
        auto* item = dynamic_cast<ProcessItem*>(listed);
        if (!item)
            continue;
        search(*item, item->getNameByLanguage(language), "Name");
        search(*item, item->getDescription(language), "Description");
        search(*item, item->getTailoringGuideline(language), "Tailoring guideline");
        if (ItemActivity* activity = item->getItemActivity()) {
            CStringListePlus* steps = language == 0 ? activity->getSteps(1) : activity->getStepsL2(1);
            for (int s = 1; s <= steps->count(); ++s)
                search(*item, *steps->at(s), "step " + CString(std::to_string(s).c_str()));
        }
        const ItemWorkProduct* product = item->getItemWorkProduct();
        if (product && language == 0) {
            search(*item, product->getCMPolicy(), "Configuration management policy");
            search(*item, product->getLocation(), "Location");
            search(*item, product->getTiming(), "Timing");
        }
    }
    file << "\n\n" << found << " occurences found\n";
    if (file.close()) {
        ExportFile::reportGenerated(m_manager, "SearchReport.csv");
    }
}

void ProcessReports::generateProgressStatusReport() {
    ExportRun run(m_manager);
    ExportFile file(m_manager, "progressStatusReport.csv", true);
    file << "uid;name;class;domain;discipline;state;not empty description?;step defined?;role defined;in/out "
            "work "
            "product defined?;process designer notes\n\n";
    for (Item* listed : run.getItems()) {
        auto* item = dynamic_cast<ProcessItem*>(listed);
        if (!item || item->getKind() != kDual)
            continue;
        const int kind = item->getClassKind();
        CString described = "na";
        if (kind == kActivityClass || kind == kWorkProductClass || kind == kGeneralProcedureClass ||
            kind == kRoleClass || kind == kGlossaryEntryClass) {
            CString description =
                item->getExtension() ? item->getExtension()->readDescription(0, 0, 1, 0) : CString();
            described = okOrKo(!description.Trim().IsEmpty());
        }
        CString steps = "na", roles = "na", products = "na";
        if (ItemActivity* activity = item->getItemActivity()) {
            steps = okOrKo(activity->getSteps(1)->count() > 0);
            roles = okOrKo(activity->getRoles()->count() > 0);
            products = okOrKo(activity->getInWorkProducts()->count() > 0 ||
                              activity->getOutWorkProducts()->count() > 0);
        }
        CString notes = item->readNotes();
        notes.Replace("\r", "-");
        notes.Replace("\n", "-");
        file << ExportFile::field(item->getUid()) << ";" << ExportFile::field(item->getName()) << ";"
             << getProcessClassKeyword(kind, 1) << ";" << ExportFile::field(item->getDomain()) << ";"
             << ExportFile::field(item->getDiscipline()) << ";" << item->getStateText() << ";" << described
             << ";" << steps << ";" << roles << ";" << products << ";" << ExportFile::field(notes) << "\n";
    }
    if (file.close())
        ExportFile::showMessage(33063, "tmp/progressStatusReport.csv");
}
