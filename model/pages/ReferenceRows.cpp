#include "ReferenceRows.h"

#include "Item.h"
#include "ItemReference.h"
#include "ProcessItem.h"
#include "ProcessManager.h"

#include <utility>

namespace {

Item* itemWithUid(const CString& uid) {
    Project* project = Project::getInstance();
    return project && !uid.IsEmpty() ? project->findItemByUid(uid) : nullptr;
}

// A uid as it is written back: the item's own spelling of it (the lists
// are read lower-cased), upper case for one that names no item.
CString storedUid(const CString& uid) {
    if (const Item* item = itemWithUid(uid))
        return item->getUid();
    CString upper = uid;
    upper.MakeUpper();
    return upper;
}

CString headFor(const ReferenceRow& row, ProcessItem* foundByName) {
    if (!row.uid.IsEmpty())
        return "~" + storedUid(row.uid);
    if (foundByName)
        return "~" + foundByName->getUid();
    return row.cells[0];
}

} // namespace

CString references::missingItemText(const CString& uid) {
    CString upper = uid;
    upper.MakeUpper();
    return "(missing item " + upper + ")";
}

CString references::nameCell(const CString& reference) {
    const CString uid = getReferenceUid(reference);
    if (!uid.IsEmpty() && !itemWithUid(uid))
        return missingItemText(uid);
    return getReferenceDisplayName(reference, 0);
}

CString references::stateCell(const CString& reference) {
    const CString uid = getWorkProductReferenceStateName(reference, 0, 1);
    if (!uid.IsEmpty() && !itemWithUid(uid))
        return missingItemText(uid);
    return getWorkProductReferenceStateName(reference, 0, 0);
}

ReferenceRow references::roleRow(const CString& reference, const CString& responsibility) {
    return {{nameCell(reference), responsibility}, getReferenceUid(reference), CString()};
}

ReferenceRow references::workProductRow(const CString& reference) {
    return {{nameCell(reference), stateCell(reference), getWorkProductReferenceTail(reference)},
            getReferenceUid(reference),
            getWorkProductReferenceStateName(reference, 0, 1)};
}

ReferenceRow references::chosenRow(ProcessItem* item, std::vector<CString> cells) {
    return {std::move(cells), item ? item->getUid() : CString(), CString()};
}

CString references::roleReference(const ReferenceRow& row, ProcessManager* manager) {
    ProcessItem* found = row.uid.IsEmpty() && manager ? manager->findRole(row.cells[0]) : nullptr;
    return headFor(row, found) + "/" + row.cells[1];
}

CString references::workProductReference(const ReferenceRow& row, ProcessManager* manager) {
    ProcessItem* found = row.uid.IsEmpty() && manager ? manager->findWorkProduct(row.cells[0]) : nullptr;
    const CString state = row.stateUid.IsEmpty() ? CString() : storedUid(row.stateUid);
    return headFor(row, found) + "/" + state + "/" + row.cells[2];
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
