// The EPF method-library export as the import/export dialog starts it.

#include "ProcessManager.h"

#include "EpfLibrary.h"
#include "ExportRun.h"
#include "StringTable.h"
#include "XmlExporter.h"
#include "ui/UserInterface.h"

void ProcessManager::exportXMLforEPF(ProcessItemListe* items, const CString& mapFile) {
    guarded("exportXMLforEPF", [&] {
        ExportRun run(*this);
        const EpfLibrary::GuidMap guidMap = EpfLibrary::readGuidMap(mapFile);
        if (!m_exporter->exportMethodLibrary(items, guidMap))
            return;
        CString message;
        message.Format(loadString(33065), "tmp");
        ui::AfxMessageBox(message);
        openExportFolder();
    });
}
