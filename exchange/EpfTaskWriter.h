#pragma once

// The task of an activity in the EPF method library: a content element
// whose description holds the activity's description in each content
// language, its steps as sections (the first language's, then, in a
// bilingual project, a separator and the second language's), the
// whitepapers of the general procedures it links to, its output and input
// work products and the roles that perform it. The task's identifier is
// the activity's uid, which the processes' task descriptors name.

#include "CString.h"

class EpfPlugin;
class EpfXml;
class ProcessItem;
class ProcessManager;
class XmlExporter;

class EpfTaskWriter {
public:
    explicit EpfTaskWriter(EpfPlugin& plugin) : m_plugin(plugin) {}
    // Writes the task into the library text.
    void write(ProcessItem& activity);

    // The task description from its first section on: the sections, the
    // end of the presentation and the references. A general-procedure link
    // to an item of another class adds a line to the warnings. The detail
    // lines before the first section, which belong to the main description,
    // are added to leadingDetails (as markup) when it is given.
    static CString writeSteps(XmlExporter& exporter, ProcessManager& manager, EpfXml& xml,
                              ProcessItem& activity, CString& warnings, bool twoLanguages,
                              CString* leadingDetails = nullptr);

private:
    EpfPlugin& m_plugin;
};
