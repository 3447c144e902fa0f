#pragma once

// A general procedure document.

#include "ProcessItemExtension.h"

class ItemGenericProcedure : public ProcessItemExtension {
public:
    ItemGenericProcedure(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "GENERAL PROCEDURE"; }
    static CString getClassKeyword() { return "GENERALPROCEDURE"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("ProcDescription.txt", language); }
};
