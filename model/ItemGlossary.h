#pragma once

// A glossary: its entries are its children.

#include "ProcessItemExtension.h"

class ItemGlossary : public ProcessItemExtension {
public:
    ItemGlossary(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "GLOSSARY"; }
    static CString getClassKeyword() { return "GLOSSARY"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("GDescription.txt", language); }
};
