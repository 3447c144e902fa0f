#pragma once

// A macro-activity: a group of activities drawn as a workflow.

#include "ProcessItemExtension.h"

class ItemMacroActivity : public ProcessItemExtension {
public:
    ItemMacroActivity(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "MACRO-ACTIVITY"; }
    static CString getClassKeyword() { return "MACROACTIVITY"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("ActivityDescription.txt", language); }
    int hasDiagram() override { return 1; }

    // Whether the page is generated whole from the diagram.
    int isFullyGenerated() const { return m_fullyGenerated; }
    void setFullyGenerated(int flag) { m_fullyGenerated = flag; }

private:
    int m_fullyGenerated = 0;
};
