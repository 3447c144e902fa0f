#include "ReferenceRows.h"

#include "Item.h"
#include "ItemReference.h"
#include "ProcessItem.h"
#include "Project.h"

namespace {

const char kMissingPrefix[] = "(missing item ";

bool itemExists(const CString& uid) {
    Project* project = Project::getInstance();
    return project && project->findItemByUid(uid);
}

} // namespace

CString references::missingItemText(const CString& uid) {
    CString upper = uid;
    upper.MakeUpper();
    return kMissingPrefix + upper + ")";
}

bool references::missingItemUid(const CString& text, CString* uid) {
    const int prefix = static_cast<int>(sizeof kMissingPrefix) - 1;
    if (text.GetLength() <= prefix + 1 || text.Left(prefix) != kMissingPrefix || text.Right(1) != ")")
        return false;
    *uid = text.Mid(prefix, text.GetLength() - prefix - 1);
    return true;
}

CString references::nameCell(const CString& reference) {
    const CString uid = getReferenceUid(reference);
    if (!uid.IsEmpty() && !itemExists(uid))
        return missingItemText(uid);
    return getReferenceDisplayName(reference, 0);
}

CString references::stateCell(const CString& reference) {
    const CString uid = getWorkProductReferenceStateName(reference, 0, 1);
    if (!uid.IsEmpty() && !itemExists(uid))
        return missingItemText(uid);
    return getWorkProductReferenceStateName(reference, 0, 0);
}

CString references::headFor(ProcessItem* found, const CString& name) {
    CString uid;
    if (found)
        return "~" + found->getUid();
    if (missingItemUid(name, &uid))
        return "~" + uid;
    return name;
}

CString references::stateUidFor(const CString& foundUid, const CString& stateName) {
    CString uid;
    if (foundUid.IsEmpty() && missingItemUid(stateName, &uid))
        return uid;
    return foundUid;
}

CString references::itemLabel(ProcessItem* item) {
    CString label;
    if (!item->getDomain().IsEmpty())
        label += item->getDomain() + " / ";
    if (!item->getDiscipline().IsEmpty())
        label += item->getDiscipline() + " / ";
    return label + item->getName();
}

void references::moveRow(ReferenceRows& rows, int from, int to) {
    ReferenceRow row = std::move(rows[static_cast<size_t>(from)]);
    rows.erase(rows.begin() + from);
    rows.insert(rows.begin() + to, std::move(row));
}
