#include "ItemTableExport.h"

#include "CStringListePlus.h"
#include "ExportFile.h"
#include "ExportRun.h"
#include "FileSystem.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "ItemGlossaryEntry.h"
#include "ItemReference.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <unordered_set>

namespace {

// The description of the language with its lines joined by line feeds alone.
CString descriptionText(ProcessItem& item, int language) {
    ProcessItemExtension* extension = item.getExtension();
    return extension ? extension->readDescription(language, 0, 1, 0) : CString();
}

// The set values joined by " , ".
CString joinSet(std::initializer_list<CString> values) {
    CString joined;
    for (const CString& value : values) {
        if (value.IsEmpty())
            continue;
        if (!joined.IsEmpty())
            joined += " , ";
        joined += value;
    }
    return joined;
}

// The names of a list, lower-cased, to look names up in ignoring case.
std::unordered_set<CString> lowerCasedNames(CStringListePlus& names) {
    std::unordered_set<CString> set;
    for (int i = 1; i <= names.count(); ++i) {
        CString name = *names.at(i);
        name.MakeLower();
        set.insert(name);
    }
    return set;
}

} // namespace

bool ItemTableExport::askForCopies(unsigned question, const CString& folder) {
    if (ui::AfxMessageBox(loadString(question), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    // An existing folder is no error; one that cannot be made makes the copies fail.
    CreateDirectoryA(ExportFile::pathInTmp(m_manager, folder), nullptr);
    return true;
}

void ItemTableExport::copyIntoTmp(ProcessItem& item, const CString& fileName, const CString& folder) {
    // Only names that lead into the copies' folder are copied there.
    if (fileName.IsEmpty() || !Project::staysInProjectFolder(fileName))
        return;
    const CString source = item.getItemFolderFile(fileName);
    if (!source.IsEmpty())
        CopyFileA(source, ExportFile::pathInTmp(m_manager, folder + "/" + fileName), TRUE);
}

void ItemTableExport::exportTemplatesList() {
    const bool copy = askForCopies(33051, "templates");
    ExportRun run(m_manager);
    ExportFile file(m_manager, "templates.csv");
    file << "Work product name;Dicipline;templates list printed;Examples list printed;template L1F1;example "
            "L1F1;template L2F1;example L2F1;template F1 semantic;"
         << "template L1F2;example L1F2;template L2F2;example L2F2;template F2 semantic;Comment\n";
    for (ProcessItem* item : run.getItemsOfClass(kWorkProductClass)) {
        const ItemWorkProduct* product = item->getItemWorkProduct();
        if (!product ||
            (product->getTemplateNameL1F1().IsEmpty() && product->getTemplateNameL2F1().IsEmpty()))
            continue;
        const CString templates[] = {product->getTemplateNameL1F1(), product->getTemplateNameL2F1(),
                                     product->getTemplateNameL1F2(), product->getTemplateNameL2F2()};
        file << ExportFile::field(item->getName()) << ";" << ExportFile::field(item->getDiscipline()) << ";"
             << ExportFile::field(joinSet({templates[0], templates[1], templates[2], templates[3]})) << ";";
        if (copy)
            for (const CString& name : templates)
                copyIntoTmp(*item, name, "templates");
        file << ExportFile::field(joinSet({product->getExampleNameL1F1(), product->getExampleNameL2F1(),
                                           product->getExampleNameL1F2(), product->getExampleNameL2F2()}));
        for (const CString& value :
             {product->getTemplateNameL1F1(), product->getExampleNameL1F1(), product->getTemplateNameL2F1(),
              product->getExampleNameL2F1(), product->getTemplateNameF1Extension(),
              product->getTemplateNameL1F2(), product->getExampleNameL1F2(), product->getTemplateNameL2F2(),
              product->getExampleNameL2F2(), product->getTemplateNameF2Extension(), product->getComment()})
            file << ";" << ExportFile::field(value);
        file << "\n";
    }
    if (file.close()) {
        if (copy)
            ExportFile::showMessage(33052, "tmp", "tmp");
        else
            ExportFile::showMessage(33053, "templates.csv", "tmp");
        m_manager.openExportFolder();
    }
}

void ItemTableExport::exportProceduresList() {
    const bool copy = askForCopies(33054, "procedures");
    ExportRun run(m_manager);
    ExportFile file(m_manager, "procedures.csv");
    file << "UID;Name;Type;Status;Discipline;File L1;Description L1;File L2;Description L2\n";
    for (ProcessItem* item : run.getItemsOfClass(kGeneralProcedureClass)) {
        ItemGenericProcedure* procedure = item->getItemGenericProcedure();
        if (!procedure)
            continue;
        const CString documents[] = {procedure->readProcedure(0), procedure->readProcedureL2(0)};
        file << ExportFile::field(item->getUid()) << ";" << ExportFile::field(item->getName()) << ";"
             << ExportFile::field(procedure->getProcedureType()) << ";" << item->getStateText() << ";"
             << ExportFile::field(item->getDiscipline()) << ";" << ExportFile::field(documents[0]) << ";"
             << item->getDescriptionForCsv(0) << ";" << ExportFile::field(documents[1]) << ";"
             << item->getDescriptionForCsv(1) << "\n";
        if (copy)
            for (const CString& document : documents)
                copyIntoTmp(*item, document, "procedures");
    }
    if (file.close())
        ExportFile::reportGenerated(m_manager, "procedures.csv");
}

void ItemTableExport::exportGlossary() {
    ExportRun run(m_manager);
    ExportFile file(m_manager, "glossary.csv");
    file
        << "uid;Name L1;Name L2;description;description L2;source L1;source L2;equivalent L1;equivalent L2\n";
    for (Item* listed : run.getItems()) {
        auto* item = dynamic_cast<ProcessItem*>(listed);
        if (!item || item->getKind() != kDual ||
            (item->getClassKind() != kGlossaryEntryClass && !item->isGlossaryEntry()))
            continue;
        file << ExportFile::field(item->getUid()) << ";" << ExportFile::field(item->getNameByLanguage(0))
             << ";" << ExportFile::field(item->getNameByLanguage(1)) << ";";
        for (int language = 0; language <= 1; ++language) {
            // One line: the line feeds, and the carriage returns the file's lines end with, become blanks.
            CString description = descriptionText(*item, language);
            description.Replace("\r", " ");
            description.Replace("\n", " ");
            description.Replace(";", ",");
            file << ExportFile::field(description) << ";";
        }
        if (const ItemGlossaryEntry* entry = item->getItemGlossaryEntry())
            file << ExportFile::field(entry->getSource(0)) << ";" << ExportFile::field(entry->getSource(1))
                 << ";" << ExportFile::field(entry->getEquivalent(0)) << ";"
                 << ExportFile::field(entry->getEquivalent(1)) << ";\n";
        else
            file << ";;;;\n";
    }
    if (file.close())
        ExportFile::reportGenerated(m_manager, "glossary.csv");
}

void ItemTableExport::exportWorkProductsList() {
    ExportRun run(m_manager);
    ExportFile file(m_manager, "workProducts.csv");
    file << "Work product name;Domain;Discipline;Used;Parent;Description\n";
    CStringListePlus* referenced = m_manager.getActivityWorkProductLists();
    const std::unordered_set<CString> used = lowerCasedNames(*referenced);
    referenced->deleteAll();
    delete referenced;
    for (ProcessItem* item : run.getItemsOfClass(kWorkProductClass)) {
        CString name = item->getName();
        name.MakeLower();
        Item* parent = item->getParent();
        CString description = descriptionText(*item, 0);
        description.Replace(";", " ");
        description.Replace("\r", " ");
        description.Replace("\"", "'");
        file << ExportFile::field(item->getName()) << ";" << ExportFile::field(item->getDomain()) << ";"
             << ExportFile::field(item->getDiscipline()) << ";" << (used.count(name) ? "1" : "0") << ";"
             << (parent && classKindOf(parent) == kWorkProductClass ? ExportFile::field(parent->getName())
                                                                    : CString(" "))
             << ";" << ExportFile::field(description) << "\n";
    }
    if (file.close())
        ExportFile::reportGenerated(m_manager, "workProducts.csv");
}

void ItemTableExport::exportRolesList() {
    ExportRun run(m_manager);
    ExportFile file(m_manager, "roles.csv");
    file << "Role name\n";
    for (ProcessItem* item : run.getItemsOfClass(kRoleClass))
        file << ExportFile::field(item->getName()) << "\n";
    if (file.close()) {
        ExportFile::showMessage(33053, "roles.csv", "tmp");
        m_manager.openExportFolder();
    }
}

void ItemTableExport::exportActivitiesList() {
    ExportRun run(m_manager);
    ExportFile file(m_manager, "activities.csv");
    CStringListePlus& responsibilities = *m_manager.getRoleResponsibilities();
    file << "Activity name;Phase;Discipline;Project Kind;Role\n;;;";
    std::vector<CString> columns;
    for (int r = 1; r <= responsibilities.count(); ++r) {
        CString responsibility = *responsibilities.at(r);
        file << ";"
             << ExportFile::field(responsibility.IsEmpty() ? CString("Actor without defined responsibility")
                                                           : responsibility);
        responsibility.MakeLower();
        columns.push_back(responsibility);
    }
    file << "\n";
    for (ProcessItem* item : run.getItemsOfClass(kActivityClass)) {
        const ItemActivity* activity = item->getItemActivity();
        if (!activity)
            continue;
        file << ExportFile::field(item->getName()) << ";"
             << ExportFile::field(item->getPhaseList()->join(",")) << ";"
             << ExportFile::field(item->getDiscipline()) << ";"
             << ExportFile::field(item->getProjectKinds()->join(", ")) << ";";
        CStringListePlus* roles = activity->getRoles();
        for (const CString& column : columns) {
            CString cell;
            for (int i = 1; i <= roles->count(); ++i) {
                CString responsibility = getReferenceName(*roles->at(i));
                responsibility.MakeLower();
                if (responsibility != column)
                    continue;
                if (!cell.IsEmpty())
                    cell += ",";
                cell += getReferenceDisplayName(*roles->at(i), 0);
            }
            file << ExportFile::field(cell) << ";";
        }
        file << "\n";
    }
    if (file.close())
        ExportFile::reportGenerated(m_manager, "activities.csv");
}

void ItemTableExport::exportTraceabilityLinks() {
    ExportRun run(m_manager);
    ExportFile file(m_manager, "TraceabilityLinks.csv");
    file << "work product uid;work product name;work product requirements uid list\n";
    for (ProcessItem* item : run.getItemsOfClass(kWorkProductClass)) {
        const ProcessItemExtension* extension = item->getExtension();
        if (!extension || extension->getTraceabilityLinks()->count() == 0)
            continue;
        file << ExportFile::field(item->getUid()) << ";" << ExportFile::field(item->getName()) << ";"
             << ExportFile::field(extension->getTraceabilityLinks()->join(",")) << "\n";
    }
    if (file.close())
        ExportFile::reportGenerated(m_manager, "TraceabilityLinks.csv");
}
