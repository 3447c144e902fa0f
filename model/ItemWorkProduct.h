#pragma once

// A work product or one of its states: templates, examples, authors.

#include "ProcessItemExtension.h"

class ItemWorkProduct : public ProcessItemExtension {
public:
    ItemWorkProduct(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "WORKPRODUCT"; }
    static CString getClassKeyword() { return "WORKPRODUCT"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("ArtefactDescription.txt", language); }
};
