#pragma once

// A measure and its data points.

#include "ProcessItemExtension.h"

class ItemMeasure : public ProcessItemExtension {
public:
    ItemMeasure(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "MEASURE"; }
    static CString getClassKeyword() { return "MEASURE"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("MeasureDescription.txt", language); }
};
