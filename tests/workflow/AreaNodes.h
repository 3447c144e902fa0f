#pragma once

// Stand-ins for the notation's nodes that lead somewhere on the site: a box
// bound to an item (its area is the item's uid and its rectangle) and a
// picture node with its linked item key and five texts.

#include "CFlowchartEntityBox.h"
#include "Item.h"

class BoundBox : public CFlowchartEntityBox {
public:
    explicit BoundBox(Item* item) : m_item(item) {}
    bool getClickableArea(ClickableArea& area) const override {
        if (!m_item)
            return false;
        area.key = m_item->getUid();
        area.left = getLeft();
        area.top = getTop();
        area.right = getRight();
        area.bottom = getBottom();
        return true;
    }

private:
    Item* m_item;
};

class LinkedPicture : public CFlowchartEntityBox {
public:
    CString key;
    CString texts[5];
    bool getClickableArea(ClickableArea& area) const override {
        area.freeArea = true;
        area.key = key;
        for (int i = 0; i < 5; ++i)
            area.texts[i] = texts[i];
        area.left = getLeft();
        area.top = getTop();
        area.right = getRight();
        area.bottom = getBottom();
        return true;
    }
};
