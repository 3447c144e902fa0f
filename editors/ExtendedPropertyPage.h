#pragma once

// The base of the pages that move entries between list boxes (a role to
// the roles of an activity, a measure to its measures...): the two list
// operations their ">>  Add" and "<< Remove" buttons call.

#include "PropertyPageView.h"

class ExtendedPropertyPage : public PropertyPageView {
public:
    using PropertyPageView::PropertyPageView;

    // Copies the selected entry of the source list box into the target list
    // box (in order when the target is sorted): nothing without a selection
    // or with an empty text. With a qualifier list whose selected text is
    // not empty, "/" and that text follow the entry. An entry the target
    // already holds, ignoring case, is not added again. With copyItemData
    // the new entry gets the source entry's item data.
    void addSelectedToList(int sourceListId, int targetListId, int qualifierListId, bool copyItemData);
    // Deletes the selected entry: the count of entries left, or -1 when
    // nothing was selected.
    int removeSelectedFromList(int listId);
};
