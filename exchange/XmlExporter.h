#pragma once

// The XML exports of a project: one exporter per open process project, made
// and deleted with it. Its two conversions put an item's stored description
// text into XML: as plain text for an attribute, or keeping its markup for
// a character-data block.

#include "CString.h"

#include <unordered_map>

class EpfLibrary;
class EpfXml;
class ProcessItem;
class ProcessItemListe;
class ProcessManager;

class XmlExporter {
public:
    explicit XmlExporter(ProcessManager* manager) : m_manager(manager) {}
    ProcessManager* getManager() const { return m_manager; }

    // The stored text as page HTML (entities kept, item references made the
    // items' names in the language), with double quotes as "&quot;" and the
    // right single quotation mark and the grave accent as apostrophes.
    CString toXmlMarkup(const CString& text, int language) const;
    // The same without the line-break, rule, bold and italic tags, every
    // other angle bracket escaped.
    CString toXmlText(const CString& text, int language) const;

    // Writes "export.xml" into the project's folder "tmp": the whole tree as
    // a "processAssetLibrary". 1 when the file was written; 0 after the
    // failure was told.
    int exportProcessAssetLibrary();

    // The EPF method library "exportForEPF.xml" and its warning file, in the
    // project's folder "tmp/EPFexport": a plug-in pair per selected domain or
    // discipline and the generic pair, with their resource folders. 1 when
    // both files were written; 0 after the failure was told.
    int exportMethodLibrary(ProcessItemListe* items, const std::unordered_map<CString, CString>& guidMap);
    // One plug-in pair of the library: for the item (a domain or a
    // discipline of the selection, at position pair), or the generic pair
    // for none.
    void exportMethodPlugin(ProcessItem* item, EpfLibrary& library, int pair);
    // The part of an activity's task description from its first step
    // section on; general-procedure links that name no general procedure
    // add a line to the warnings. The step detail lines before the first
    // section go to leadingDetails, when given, for the main description.
    CString writeTaskSteps(ProcessItem* activity, EpfXml& xml, CString& warnings, int twoLanguages,
                           CString* leadingDetails = nullptr);

private:
    ProcessManager* m_manager;
};
