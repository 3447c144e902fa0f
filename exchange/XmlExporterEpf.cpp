// The EPF method-library export of the exporter.

#include "XmlExporter.h"

#include "EpfLibrary.h"
#include "EpfPlugin.h"
#include "EpfTaskWriter.h"
#include "ProcessManager.h"

int XmlExporter::exportMethodLibrary(ProcessItemListe* items,
                                     const std::unordered_map<CString, CString>& guidMap) {
    return EpfLibrary(*this, *m_manager, items, guidMap).write() ? 1 : 0;
}

void XmlExporter::exportMethodPlugin(ProcessItem* item, EpfLibrary& library, int pair) {
    EpfPlugin(library, item, pair).write();
}

CString XmlExporter::writeTaskSteps(ProcessItem* activity, EpfXml& xml, CString& warnings, int twoLanguages,
                                    CString* leadingDetails) {
    return EpfTaskWriter::writeSteps(*this, *m_manager, xml, *activity, warnings, twoLanguages != 0,
                                     leadingDetails);
}
