#pragma once

// The XML exports of a project: one exporter per open process project, made
// and deleted with it. Its two conversions put an item's stored description
// text into XML: as plain text for an attribute, or keeping its markup for
// a character-data block.

#include "CString.h"

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

private:
    ProcessManager* m_manager;
};
