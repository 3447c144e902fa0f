#pragma once

// The item classes: kinds 1 to 24, each with a display keyword (shown in
// lists and dialogs) and a stored keyword (written to the data file's key
// Class), and the rule of which classes may sit directly under which.

#include "CString.h"

class Item;

enum ProcessClassKind {
    kNoProcessClass = 1,
    kRoleClass = 2,
    kNoProcessClass3 = 3,
    kActivityClass = 4,
    kMacroActivityClass = 5,
    kPhaseClass = 6,
    kWorkProductClass = 7,
    kWorkProductStateClass = 8,
    kWorkflowClass = 9,
    kDisciplineClass = 10,
    kTemplateAccessClass = 11,
    kGeneralProcedureClass = 12,
    kGeneralProcedureGroupClass = 13,
    kProcessOverviewClass = 14,
    kWorkProductGroupClass = 15,
    kRoleGroupClass = 16,
    kWorkProductOverviewClass = 17,
    kProcessFormalismClass = 18,
    kMeasureClass = 19,
    kGlossaryEntryClass = 20,
    kGlossaryClass = 21,
    kDomainClass = 22,
    kQualityCriteriaClass = 23,
    kSiteMapClass = 24,
};

inline constexpr const char* kNoProcessClassKeyword = "NOPROCESSCLASS";

// The kind whose display or stored keyword equals the text exactly; 1 otherwise.
int getProcessClassFromKeyword(const CString& keyword);
// The display keyword when spaced is not 0, else the stored one;
// "NOPROCESSCLASS" for 1, 3 and kinds outside 1 to 24.
CString getProcessClassKeyword(int kind, int spaced);

// Whether an item of the child kind may sit directly under one of the parent kind.
int isAllowedChildClass(int childKind, int parentKind);
// The same with the parent item's kind; a null parent counts as kind 1 and a
// shortcut parent is replaced by its target (a missing target counts as 1).
int isAllowedChildClassOf(int childKind, Item* parent);
// The same with the child item's kind; a shortcut child is replaced by its target.
int isAllowedChildItemOf(Item* child, Item* parent);
// The class kind of an item (1 for an item that is no process item).
int classKindOf(const Item* item);
