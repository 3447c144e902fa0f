#pragma once

// A group of general procedures.

#include "ProcessItemExtension.h"

class ItemGenericProcedureGroup : public ProcessItemExtension {
public:
    ItemGenericProcedureGroup(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "GENERAL PROCEDURE GROUP"; }
    static CString getClassKeyword() { return "GENERALPROCEDUREGROUP"; }
};
