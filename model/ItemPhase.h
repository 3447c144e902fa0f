#pragma once

// A phase of a workflow.

#include "ProcessItemExtension.h"

class ItemPhase : public ProcessItemExtension {
public:
    ItemPhase(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "PHASE"; }
    static CString getClassKeyword() { return "PHASE"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("ActivityDescription.txt", language); }
    int hasDiagram() override { return 1; }

    // Whether the page is generated whole from the diagram.
    int isFullyGenerated() const { return m_fullyGenerated; }
    void setFullyGenerated(int flag) { m_fullyGenerated = flag; }

private:
    int m_fullyGenerated = 0;
};
