#pragma once

// A group of general procedures, shown as a table whose columns its flags choose.

#include "ProcessItemExtension.h"

class ItemGenericProcedureGroup : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "GENERAL PROCEDURE GROUP"; }
    static CString getClassKeyword() { return "GENERALPROCEDUREGROUP"; }
    static CString getKeyListText();
    void loadData() override;
    int saveData() override;

    int m_printType = 0;
    int m_printState = 0;
    int m_printVersion = 0;
    int m_allProcedures = 0;
};
