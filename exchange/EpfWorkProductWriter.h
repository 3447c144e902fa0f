#pragma once

// A work product in the EPF method library's companion plug-in: a Template
// or Example guidance for each document file it names (a template and an
// example, each in two content languages and two forms), the file copied
// into the guidance's resources folder; a Checklist per content language
// made of its quality criteria; and the Artifact that describes it, with
// its picture copied, and refers to those guidances and checklists.

#include "CString.h"

class EpfPlugin;
class EpfXml;
class ItemWorkProduct;
class ProcessItem;
class ProcessItemListe;

class EpfWorkProductWriter {
public:
    EpfWorkProductWriter(EpfPlugin& plugin, ProcessItem& workProduct);
    void write();

private:
    void writeDocuments();
    // True when the work product has quality criteria.
    bool writeChecklists();
    void writeChecklist(const ProcessItemListe& criteria, int language);
    void writeArtifact(bool hasChecklist);
    CString keyConsiderations(int language);

    EpfPlugin& m_plugin;
    ProcessItem& m_workProduct;
    const ItemWorkProduct* m_product;
    EpfXml& m_xml;
    // The companion plug-in's text.
    CString& m_out;
    CString m_uid;
    // The name in the export language, fit for an attribute.
    CString m_name;
};
