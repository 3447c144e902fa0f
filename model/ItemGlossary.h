#pragma once

// A glossary: its entries are its children.

#include "ProcessItemExtension.h"

class ItemGlossary : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "GLOSSARY"; }
    static CString getClassKeyword() { return "GLOSSARY"; }
    int saveData() override { return reportSaveFailure(ProcessItemExtension::saveData()); }
    CString getDescriptionFileName(int language) override { return descriptionFile("GDescription.txt", language); }
};
