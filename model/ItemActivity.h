#pragma once

// An activity: its roles, work products, steps, procedures and measures.

#include "ProcessItemExtension.h"

class ItemActivity : public ProcessItemExtension {
public:
    ItemActivity(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "ACTIVITY"; }
    static CString getClassKeyword() { return "ACTIVITY"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("ActivityDescription.txt", language); }
    int hasDiagram() override { return 1; }

    // Whether the activity's procedure is a page of its own, fully generated.
    int isSeparatedProcedureText() const { return m_separatedProcedureText; }
    void setSeparatedProcedureText(int flag) { m_separatedProcedureText = flag; }

private:
    int m_separatedProcedureText = 0;
};
