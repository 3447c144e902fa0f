// The exports, imports and reports of the import/export and process tools
// dialogs and of the main window's document and search commands, each run
// under its error convention: most show a failure's own text, or 33042
// for one of unknown kind; the attribute files, the progress report and
// the document show 33042 for any failure.

#include "ProcessManager.h"

#include "AttributeExport.h"
#include "AttributeImport.h"
#include "BreakdownExport.h"
#include "ExportFile.h"
#include "ExportRun.h"
#include "IntegrityReport.h"
#include "ItemClasses.h"
#include "ItemTableExport.h"
#include "ItemWorkProduct.h"
#include "OnePageDocument.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessReports.h"
#include "RoleActivityImport.h"
#include "XmlExporter.h"

#include <functional>

namespace {

// Any failure is told as 33042 with the operation's name.
void reportingAnyFailure(const char* operation, const std::function<void()>& work) {
    try {
        work();
    } catch (...) {
        reportUnknownFailure(CString("ProcessManager::") + operation);
    }
}

} // namespace

void ProcessManager::exportTemplatesList() {
    guarded("exportTemplatesList", [this] { ItemTableExport(*this).exportTemplatesList(); });
}

void ProcessManager::exportProceduresList() {
    guarded("exportProceduresList", [this] { ItemTableExport(*this).exportProceduresList(); });
}

void ProcessManager::exportGlossary() {
    guarded("exportGlossary", [this] { ItemTableExport(*this).exportGlossary(); });
}

void ProcessManager::exportWorkProductsList() {
    guarded("exportWorkProductsList", [this] { ItemTableExport(*this).exportWorkProductsList(); });
}

void ProcessManager::exportRolesList() {
    guarded("exportRolesList", [this] { ItemTableExport(*this).exportRolesList(); });
}

void ProcessManager::exportActivitiesList() {
    guarded("exportActivitiesList", [this] { ItemTableExport(*this).exportActivitiesList(); });
}

void ProcessManager::exportTraceabilityLinks() {
    guarded("exportTraceabilityLinks", [this] { ItemTableExport(*this).exportTraceabilityLinks(); });
}

void ProcessManager::exportWBS() {
    guarded("exportWBS", [this] { BreakdownExport(*this).exportWBS(); });
}

void ProcessManager::exportActivityArtefactMatrix() {
    guarded("exportActivityArtefactMatrix",
            [this] { BreakdownExport(*this).exportActivityArtefactMatrix(); });
}

void ProcessManager::exportActivitiesAttributes() {
    reportingAnyFailure("exportActivitiesAttributes",
                        [this] { AttributeExport(*this).exportActivitiesAttributes(); });
}

void ProcessManager::importActivitiesAttribute(const CString& path) {
    reportingAnyFailure("importActivitiesAttribute",
                        [&] { AttributeImport(*this).importActivitiesAttribute(path); });
}

void ProcessManager::exportWPAttributes() {
    reportingAnyFailure("exportWPAttributes", [this] { AttributeExport(*this).exportWPAttributes(); });
}

void ProcessManager::importWPAttribute(const CString& path) {
    reportingAnyFailure("importWPAttribute", [&] { AttributeImport(*this).importWPAttribute(path); });
}

void ProcessManager::exportItemDescription() {
    reportingAnyFailure("exportItemDescription", [this] { AttributeExport(*this).exportItemDescription(); });
}

void ProcessManager::ImportArtifactDescription(const CString& path) {
    reportingAnyFailure("ImportArtifactDescription",
                        [&] { AttributeImport(*this).ImportArtifactDescription(path); });
}

void ProcessManager::generateVersionAndApprovalStatus() {
    reportingAnyFailure("generateVersionAndApprovalStatus",
                        [this] { AttributeExport(*this).generateVersionAndApprovalStatus(); });
}

void ProcessManager::ImportVersionAndApprovalStatus(const CString& path) {
    reportingAnyFailure("ImportVersionAndApprovalStatus",
                        [&] { AttributeImport(*this).ImportVersionAndApprovalStatus(path); });
}

void ProcessManager::ImportRoleActivityLinks(const CString& path) {
    guarded(
        "ImportRoleActivityLinks", [&] { RoleActivityImport(*this).ImportRoleActivityLinks(path); }, true);
}

void ProcessManager::saveRoleActivityLinks() {
    guarded(
        "saveRoleActivityLinks", [this] { RoleActivityImport(*this).saveRoleActivityLinks(); }, true);
}

void ProcessManager::searchText(const CString& text, int language) {
    guarded("searchText", [&] { ProcessReports(*this).searchText(text, language); });
}

void ProcessManager::generateIntegrityReport() {
    guarded("generateIntegrityReport", [this] { IntegrityReport(*this).generateIntegrityReport(); });
}

void ProcessManager::generateProgressStatusReport() {
    reportingAnyFailure("generateProgressStatusReport",
                        [this] { ProcessReports(*this).generateProgressStatusReport(); });
}

ProcessItemListe* ProcessManager::getWorkProductsToArchive() {
    auto* list = new ProcessItemListe;
    ExportRun run(*this);
    for (ProcessItem* item : run.getItemsOfClass(kWorkProductClass))
        if (const ItemWorkProduct* product = item->getItemWorkProduct(); product && product->m_toArchive)
            list->append(item);
    return list;
}

ProcessItemListe* ProcessManager::getMeasureItems() {
    auto* list = new ProcessItemListe;
    ExportRun run(*this);
    for (ProcessItem* item : run.getItemsOfClass(kMeasureClass))
        list->append(item);
    return list;
}

void ProcessManager::exportOnePageProcess(int language, ProcessItem* workflow, ProcessItem* discipline) {
    reportingAnyFailure("exportOnePageProcess", [&] {
        OnePageDocument(*this, language, workflow, discipline).exportOnePageProcess();
    });
}

void ProcessManager::exportXML() {
    guarded("exportXML", [this] {
        ExportRun run(*this);
        if (!m_exporter->exportProcessAssetLibrary())
            return;
        ExportFile::reportGenerated(*this, "export.xml");
    });
}
