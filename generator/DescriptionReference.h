#pragma once

// Item references in description and tooltip texts: "[@" + uid + "]" stands
// for the item with that uid. A "[@" without a "]" after it is dropped
// alone; text put in for a reference is never searched for references again.

#include "CString.h"

class Item;
class ProcessManager;
class Project;

struct DescriptionReference {
    int at = -1; // where its "[@" begins
    bool closed = false;
    CString uid;  // the text between "[@" and "]" when closed
    int next = 0; // where the text after it begins
};

// The first reference of text at or after from; false when there is none.
bool findDescriptionReference(const CString& text, int from, DescriptionReference* reference);

// Every reference replaced by the item's name in the language, or removed
// when no item has the uid.
CString referencesToNames(const Project& project, const CString& text, int language);

// What a reference to item becomes on pageItem's page: a link to the item's
// overview page, whose text carries a tooltip with the item's popup text
// when it has one (the tooltip takes the page's next number).
CString referenceToLink(ProcessManager& manager, Item& item, Item* pageItem, int language,
                        int* tooltipCounter);
