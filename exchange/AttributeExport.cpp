#include "AttributeExport.h"

#include "CStringListePlus.h"
#include "ExportFile.h"
#include "ExportRun.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StdOption.h"

namespace {

// A step list joined by "|", its ";" made "." as the file keeps no separator in a field.
CString joinedSteps(CStringListePlus* steps) {
    CString joined;
    for (int s = 1; s <= steps->count(); ++s) {
        if (s > 1)
            joined += "|";
        joined += *steps->at(s);
    }
    joined.Replace(";", ".");
    return joined;
}

CString procedureLinkKeyword(int link) {
    switch (link) {
    case 0:
        return "NOPROCEDURE";
    case 2:
        return "URL";
    default:
        return "STANDARD";
    }
}

bool hasTemplate(ProcessItem& item) {
    const ItemWorkProduct* product = item.getItemWorkProduct();
    return product &&
           !(product->getTemplateNameL1F1().IsEmpty() && product->getTemplateNameL1F2().IsEmpty() &&
             product->getTemplateNameL2F1().IsEmpty() && product->getTemplateNameL2F2().IsEmpty());
}

bool hasProcedureDocument(ProcessItem& item) {
    ItemGenericProcedure* procedure = item.getItemGenericProcedure();
    return procedure && !(procedure->readProcedure(0).IsEmpty() && procedure->readProcedureL2(0).IsEmpty());
}

// The first columns of both version files: uid, name, class, domain,
// discipline and state, each followed by ";".
CString identityColumns(ProcessItem& item) {
    return ExportFile::field(item.getUid()) + ";" + ExportFile::field(item.getName()) + ";" +
           getProcessClassKeyword(item.getClassKind(), 1) + ";" + ExportFile::field(item.getDomain()) + ";" +
           ExportFile::field(item.getDiscipline()) + ";" + item.getStateText() + ";";
}

} // namespace

void AttributeExport::exportActivitiesAttributes() {
    ExportRun run(m_manager);
    ExportFile file(m_manager, "activitiesAttr.csv");
    file << "uid;name;state;version;activity type;steps;steps L2;Standard Procedure Link\n";
    for (ProcessItem* item : run.getItemsOfClass(kActivityClass)) {
        ItemActivity* activity = item->getItemActivity();
        if (!activity)
            continue;
        file << ExportFile::field(item->getUid()) << ";" << ExportFile::field(item->getName()) << ";"
             << item->getStateText() << ";" << ExportFile::field(item->getVersion()) << ";"
             << ExportFile::field(activity->getActivityType()) << ";"
             << ExportFile::field(joinedSteps(activity->getSteps(1))) << ";"
             << ExportFile::field(joinedSteps(activity->getStepsL2(1))) << ";"
             << procedureLinkKeyword(activity->getProcedureLink()) << ";\n";
    }
    if (file.close()) {
        ExportFile::reportGenerated(m_manager, "activitiesAttr.csv");
    }
}

void AttributeExport::exportWPAttributes() {
    ExportRun run(m_manager);
    ExportFile file(m_manager, "WPAttr.csv");
    file << "uid;name;file name;location;CM policy;Image;Type;Timing;domain;discipline\n";
    for (ProcessItem* item : run.getItemsOfClass(kWorkProductClass)) {
        const ItemWorkProduct* product = item->getItemWorkProduct();
        if (!product)
            continue;
        for (const CString& value :
             {item->getUid(), item->getName(), product->getWPName(), product->getLocation(),
              product->getCMPolicy(), product->getImage(), product->getWPType(), product->getTiming(),
              item->getDomain(), item->getDiscipline()})
            file << ExportFile::field(value) << ";";
        file << "\n";
    }
    if (file.close()) {
        ExportFile::reportGenerated(m_manager, "WPAttr.csv");
    }
}

void AttributeExport::exportItemDescription() {
    ExportRun run(m_manager);
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    ExportFile file(m_manager, "itemDescription.csv", true);
    file << "uid;name;description" << (twoLanguages ? ";description L2" : "") << "\r\n";
    for (Item* listed : run.getItems()) {
        auto* item = dynamic_cast<ProcessItem*>(listed);
        ProcessItemExtension* extension = item ? item->getExtension() : nullptr;
        if (!extension || item->getKind() != kDual || extension->getDescriptionFileName(0).IsEmpty())
            continue;
        CString name = item->getName();
        name.Replace(";", " ");
        // The descriptions for CSV hold no separator and no double quote;
        // one holding a line feed is quoted already.
        file << ExportFile::field(item->getUid()) << ";" << ExportFile::field(name) << ";"
             << item->getDescriptionForCsv(0);
        if (twoLanguages)
            file << ";" << item->getDescriptionForCsv(1);
        file << "\r\n";
    }
    if (file.close())
        ExportFile::showMessage(33063, "tmp/itemDescription.csv");
}

void AttributeExport::generateVersionAndApprovalStatus() {
    ExportRun run(m_manager);
    ExportFile approvals(m_manager, "VersionAndApproval.csv", true);
    approvals << "uid;name;class;domain;discipline;state;versionMajor;Author;";
    for (int n = 1; n <= 6; ++n)
        approvals << ExportFile::field(m_manager.getApprovalLabel(n)) << ";Approval date;";
    approvals << "\n\n";
    ExportFile versions(m_manager, "Version.csv", true);
    versions << "uid;name;class;domain;discipline;state;versionMajor;versionMinor;\n";
    for (Item* listed : run.getItems()) {
        auto* item = dynamic_cast<ProcessItem*>(listed);
        if (!item || item->getKind() != kDual)
            continue;
        versions << identityColumns(*item) << ExportFile::field(item->getVersion()) << ";"
                 << ExportFile::field(item->getVersionMinor()) << ";\n";
        const int kind = item->getClassKind();
        if (!(kind == kWorkflowClass || (kind == kWorkProductClass && hasTemplate(*item)) ||
              (kind == kGeneralProcedureClass && hasProcedureDocument(*item))))
            continue;
        approvals << identityColumns(*item) << ExportFile::field(item->getVersion()) << ";"
                  << ExportFile::field(item->getEditor()) << ";";
        for (int n = 1; n <= 6; ++n) {
            const CString& approval = item->getAppro(n);
            const bool dated = approval == "To approve" || approval == "Approved" || approval == "Refused";
            approvals << ExportFile::field(approval) << ";"
                      << (dated ? ExportFile::field(item->getApproDate(n)) : CString(kHiddenDate)) << ";";
        }
        approvals << "\n";
    }
    // Each file is put in place on its own, a failure told by its own
    // message; the generation message names only what was written.
    const bool approvalsWritten = approvals.close();
    const bool versionsWritten = versions.close();
    if (approvalsWritten && versionsWritten)
        ExportFile::showMessage(33064, "tmp/VersionAndApproval.csv", "tmp/Version.csv");
    else if (approvalsWritten)
        ExportFile::showMessage(33063, "tmp/VersionAndApproval.csv");
    else if (versionsWritten)
        ExportFile::showMessage(33063, "tmp/Version.csv");
}
