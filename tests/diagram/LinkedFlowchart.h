#pragma once

// Small flowcharts for the link tests: freely sized linkable rectangles (the
// attach points of the base class), stand-in bars and roles, and links
// between them on given sides.

#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartLabel.h"
#include "StandInBar.h"

#include <memory>

class LinkedFlowchart {
public:
    CFlowchartEntityContainer container;

    // A linkable rectangle, of a type of its own when given one ("role").
    CFlowchartEntity* box(int left, int top, int right, int bottom, const char* type = nullptr) {
        auto entity = std::make_unique<CFlowchartLabel>();
        entity->setRect(left, top, right, bottom);
        if (type)
            entity->setType(type);
        return put(std::move(entity));
    }
    CFlowchartEntity* bar(bool vertical, int left, int top, int right, int bottom) {
        auto entity = std::make_unique<StandInBar>(vertical);
        entity->setRect(left, top, right, bottom);
        return put(std::move(entity));
    }
    // A decision node at (left, top), its own size.
    CFlowchartEntity* decision(int left, int top) {
        auto entity = std::make_unique<CFlowchartEntityCondition>();
        entity->setRect(left, top, left + 60, top + 60);
        return put(std::move(entity));
    }
    CFlowchartLink* link(const CFlowchartEntity* from, const CFlowchartEntity* to, int fromSide, int toSide) {
        auto link = std::make_unique<CFlowchartLink>();
        link->setFromName(from->getName());
        link->setToName(to->getName());
        link->setFromSide(fromSide);
        link->setToSide(toSide);
        CFlowchartLink* raw = link.get();
        container.addLink(std::move(link));
        return raw;
    }

private:
    CFlowchartEntity* put(std::unique_ptr<CFlowchartEntity> entity) {
        CFlowchartEntity* raw = entity.get();
        container.add(std::move(entity));
        return raw;
    }
};
