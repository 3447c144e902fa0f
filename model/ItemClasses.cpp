#include "ItemClasses.h"

#include "ProcessItem.h"
#include "Project.h"

#include <initializer_list>

namespace {

struct ClassNames {
    const char* display;
    const char* stored;
};

// Index = kind; kinds 1 and 3 have no class of their own.
const ClassNames kClassNames[] = {
    {nullptr, nullptr},
    {"NOPROCESSCLASS", "NOPROCESSCLASS"},
    {"ROLE", "PROCESSROLE"},
    {"NOPROCESSCLASS", "NOPROCESSCLASS"},
    {"ACTIVITY", "ACTIVITY"},
    {"MACRO-ACTIVITY", "MACROACTIVITY"},
    {"PHASE", "PHASE"},
    {"WORKPRODUCT", "WORKPRODUCT"},
    {"WORKPRODUCT STATE", "WORKPRODUCTSTATE"},
    {"WORKFLOW", "WORKFLOW"},
    {"DISCIPLINE", "DISCIPLINE"},
    {"TEMPLATE ACCESS", "TEMPLATEACCESS"},
    {"GENERAL PROCEDURE", "GENERALPROCEDURE"},
    {"GENERAL PROCEDURE GROUP", "GENERALPROCEDUREGROUP"},
    {"PROCESS OVERVIEW", "PROCESSOVERVIEW"},
    {"WORKPRODUCT GROUP", "WORKPRODUCTGROUP"},
    {"ROLE GROUP", "ROLEGROUP"},
    {"WORKPRODUCT OVERVIEW", "WORKPRODUCTOVERVIEW"},
    {"PROCESSFORMALISM", "PROCESSFORMALISM"},
    {"MEASURE", "MEASURE"},
    {"GLOSSARY ENTRY", "GLOSSARYENTRY"},
    {"GLOSSARY", "GLOSSARY"},
    {"DOMAIN", "DOMAIN"},
    {"QUALITY CRITERIA", "QUALITYCRITERIA"},
    {"SITE MAP", "SITEMAP"},
};

bool isOneOf(int kind, std::initializer_list<int> kinds) {
    for (int k : kinds)
        if (k == kind)
            return true;
    return false;
}

Item* resolveShortcut(Item* item) {
    if (!item || item->getKind() != kShortcut)
        return item;
    Project* project = item->getProject();
    return project ? project->findShortcutTarget(item) : nullptr;
}

} // namespace

int getProcessClassFromKeyword(const CString& keyword) {
    for (int kind = 2; kind <= 24; ++kind) {
        if (kind == 3)
            continue;
        if (keyword == kClassNames[kind].display || keyword == kClassNames[kind].stored)
            return kind;
    }
    return kNoProcessClass;
}

CString getProcessClassKeyword(int kind, int spaced) {
    if (kind < 1 || kind > 24)
        return kNoProcessClassKeyword;
    return spaced ? kClassNames[kind].display : kClassNames[kind].stored;
}

int isAllowedChildClass(int childKind, int parentKind) {
    if (childKind == kNoProcessClass || childKind == kSiteMapClass)
        return 1;
    switch (parentKind) {
    case kNoProcessClass:
        return isOneOf(childKind, {3, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 21, 22});
    case kRoleClass: return childKind == kRoleClass;
    case kActivityClass: return isOneOf(childKind, {4, 23});
    case kMacroActivityClass:
    case kPhaseClass: return isOneOf(childKind, {4, 5, 23});
    case kWorkProductClass: return isOneOf(childKind, {7, 8, 23});
    case kWorkflowClass: return isOneOf(childKind, {4, 5, 6, 14, 23});
    case kDisciplineClass: return isOneOf(childKind, {9, 11, 13, 14, 15, 16, 17, 21});
    case kGeneralProcedureGroupClass: return childKind == kGeneralProcedureClass;
    case kWorkProductGroupClass: return isOneOf(childKind, {7, 15});
    case kRoleGroupClass: return isOneOf(childKind, {2, 16});
    case kGlossaryClass: return childKind == kGlossaryEntryClass;
    case kDomainClass: return isOneOf(childKind, {9, 10, 11, 13, 14, 15, 16, 17, 21});
    default: return 0;
    }
}

int classKindOf(const Item* item) {
    const auto* processItem = dynamic_cast<const ProcessItem*>(item);
    return processItem ? processItem->getClassKind() : kNoProcessClass;
}

int isAllowedChildClassOf(int childKind, Item* parent) {
    if (!parent)
        return isAllowedChildClass(childKind, kNoProcessClass);
    return isAllowedChildClass(childKind, classKindOf(resolveShortcut(parent)));
}

int isAllowedChildItemOf(Item* child, Item* parent) {
    return isAllowedChildClassOf(child ? classKindOf(resolveShortcut(child)) : kNoProcessClass, parent);
}
