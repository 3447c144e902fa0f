#include "ItemReference.h"

#include "Item.h"
#include "Project.h"

namespace {

CString headOf(const CString& reference) {
    const int slash = reference.Find('/');
    return slash < 0 ? reference : reference.Left(slash);
}

// The uid the head designates, or "" when it is a plain name.
CString uidOfHead(const CString& head) { return !head.IsEmpty() && head[0] == '~' ? head.Mid(1) : CString(); }

Item* itemWithUid(const CString& uid) {
    Project* project = Project::getInstance();
    return project && !uid.IsEmpty() ? project->findItemByUid(uid) : nullptr;
}

// The name of the item a head designates, or the head itself when it is a plain name.
CString headName(const CString& head, int language) {
    if (head.IsEmpty() || head[0] != '~')
        return head;
    const Item* item = itemWithUid(head.Mid(1));
    return item ? item->getNameByLanguage(language) : CString();
}

} // namespace

CString getReferenceName(const CString& reference) {
    const int slash = reference.Find('/');
    return slash < 0 ? CString() : reference.Mid(slash + 1);
}

CString getReferenceDisplayName(const CString& reference, int language) {
    return headName(headOf(reference), language);
}

Item* findReferencedItem(const CString& reference) { return itemWithUid(uidOfHead(headOf(reference))); }

CString getReferenceUid(const CString& reference) { return uidOfHead(headOf(reference)); }

CString getWorkProductReferenceName(const CString& reference, int language) {
    return getReferenceDisplayName(reference, language);
}

CString getWorkProductReferenceStateName(const CString& reference, int language, int uidOnly) {
    const CString rest = getReferenceName(reference);
    const int slash = rest.Find('/');
    const CString state = slash < 0 ? rest : rest.Left(slash);
    if (state.IsEmpty() || uidOnly)
        return state;
    const Item* item = itemWithUid(state);
    return item ? item->getNameByLanguage(language) : CString();
}

CString getWorkProductReferenceTail(const CString& reference) {
    const CString rest = getReferenceName(reference);
    const int slash = rest.Find('/');
    return slash < 0 ? CString() : rest.Mid(slash + 1);
}
