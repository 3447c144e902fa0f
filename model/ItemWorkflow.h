#pragma once

// A workflow: the top of a process drawn as a diagram.

#include "ProcessItemExtension.h"

class ItemWorkflow : public ProcessItemExtension {
public:
    ItemWorkflow(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "WORKFLOW"; }
    static CString getClassKeyword() { return "WORKFLOW"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("ActivityDescription.txt", language); }
    int hasDiagram() override { return 1; }

    // Whether the page is generated whole from the diagram.
    int isFullyGenerated() const { return m_fullyGenerated; }
    void setFullyGenerated(int flag) { m_fullyGenerated = flag; }

private:
    int m_fullyGenerated = 0;
};
