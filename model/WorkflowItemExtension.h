#pragma once

// What macro-activities, phases and workflows share: a workflow diagram, the
// activity's description files, the fully-generated flag, the popup text of
// their description and produced work products, and the workflow sheet.

#include "ProcessItemExtension.h"

class WorkflowItemExtension : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;

    void loadData() override;
    int saveData() override;
    CString getDescriptionFileName(int language) override {
        return descriptionFile("ActivityDescription.txt", language);
    }
    int hasDiagram() override { return 1; }
    void buildHtmlDescription(int language) override;
    void edit() override;

    // Whether the page is generated whole from the diagram.
    int isFullyGenerated() const { return m_fullyGenerated; }
    void setFullyGenerated(int flag) { m_fullyGenerated = flag; }
    int m_fullyGenerated = 0;

protected:
    // "Macro-activity", "Phase", "Workflow": the sheet's title words.
    virtual CString sheetWords() const = 0;
    // The popup's third section (the macro-activity's child activities).
    virtual CString extraPopupSection(int /*language*/) { return CString(); }
};
