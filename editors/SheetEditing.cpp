#include "SheetEditing.h"

#include "ItemPropertySheet.h"

int SheetEditing::runSheet(PropertySheet& sheet) {
    ItemPropertySheet window(sheet, nullptr);
    return window.DoModal();
}
