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
        area = areaOverRect(m_item->getUid());
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
        area = areaOverRect(key);
        area.freeArea = true;
        for (int i = 0; i < 5; ++i)
            area.texts[i] = texts[i];
        return true;
    }
};
