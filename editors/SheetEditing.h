#pragma once

// The editing service of the program: the property sheets that items and
// the main window build run in an ItemPropertySheet window.

#include "EditingService.h"

class SheetEditing : public EditingService {
public:
    int runSheet(PropertySheet& sheet) override;
};
