#pragma once

// How activities and work products name other items in their list keys.
// An item reference is "~" + uid + "/" + a text (a role's responsibility);
// a work-product reference is "~" + uid + "/" + state uid + "/" + a
// multiplicity. Older data holds a plain name in place of "~" + uid.

#include "CString.h"

class Item;

// Item references: the head is the text before the first "/", the tail the
// text after it.
CString getReferenceName(const CString& reference);
// The referenced item's name in the language, "" when no item has the uid;
// a head without "~" is itself the name.
CString getReferenceDisplayName(const CString& reference, int language);
Item* findReferencedItem(const CString& reference);
CString getReferenceUid(const CString& reference);

// Work-product references.
CString getWorkProductReferenceName(const CString& reference, int language);
// The state part: its item's name in the language (or "" when no item has
// the uid), or the uid itself when uidOnly is set.
CString getWorkProductReferenceStateName(const CString& reference, int language, int uidOnly);
// The multiplicity: what follows the second "/".
CString getWorkProductReferenceTail(const CString& reference);
