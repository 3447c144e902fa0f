#pragma once

// One line of a diagram file read the way the diagram loader reads it (the
// paper record, an entity through the factory, a link) or as a plain base
// entity, and written again by what read it. Shared by the record tests and
// the fuzz target of diagram lines.

#include "CDiagramEntity.h"
#include "CDiagramEntityContainer.h"
#include "CFlowchartLink.h"
#include "DiagramEntityFactory.h"

#include <optional>
#include <string>

// The line written again, or nothing when no reader takes the line.
inline std::optional<std::string> rewriteDiagramLine(const std::string& line) {
    CDiagramEntityContainer paper;
    if (paper.parsePaperRecord(line))
        return paper.toPaperRecord().str();
    if (std::unique_ptr<CDiagramEntity> entity = createDiagramEntityFromRecord(line, nullptr))
        return entity->toRecordLine().str();
    CFlowchartLink link;
    if (link.loadFromRecord(line))
        return link.toRecordString().str();
    CDiagramEntity basic;
    if (basic.loadFromRecord(line))
        return basic.toRecordLine().str();
    return std::nullopt;
}
