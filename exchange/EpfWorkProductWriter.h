#pragma once

// A work product in the EPF method library's companion plug-in: a Template
// or Example guidance for each document file it names (a template and an
// example, each in two content languages and two forms), the file copied
// into the guidance's resources folder; a Checklist per content language
// made of its quality criteria; and the Artifact that describes it, with
// its picture copied, and refers to those guidances and checklists.

#include "CString.h"

class EpfPlugin;
class ProcessItem;

class EpfWorkProductWriter {
public:
    explicit EpfWorkProductWriter(EpfPlugin& plugin) : m_plugin(plugin) {}
    void write(ProcessItem& workProduct);

private:
    void writeDocuments(ProcessItem& workProduct);
    // True when the work product has quality criteria.
    bool writeChecklists(ProcessItem& workProduct);
    void writeChecklist(ProcessItem& workProduct, const class ProcessItemListe& criteria, int language);
    void writeArtifact(ProcessItem& workProduct, bool hasChecklist);
    CString keyConsiderations(ProcessItem& workProduct, int language);

    EpfPlugin& m_plugin;
};
