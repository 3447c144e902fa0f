#pragma once

// One term of a glossary.

#include "ProcessItemExtension.h"

class ItemGlossaryEntry : public ProcessItemExtension {
public:
    ItemGlossaryEntry(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "GLOSSARY ENTRY"; }
    static CString getClassKeyword() { return "GLOSSARYENTRY"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("GADescription.txt", language); }
};
