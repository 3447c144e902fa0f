#pragma once

// The internal clipboard of the diagram editor (not the system's): copies
// of entities waiting to be pasted. Each held copy keeps its source's name,
// is selected and lies 10 units right of and below its source; a paste adds
// fresh copies of them with new names and new group numbers, so pasting
// again adds another set at the same place.

#include "CDiagramEntity.h"

#include <memory>
#include <vector>

class CDiagramEntityContainer;

class CDiagramClipboardHandler {
public:
    virtual ~CDiagramClipboardHandler();

    // Holds one copy of the entity (the held copies before are dropped).
    virtual void copy(const CDiagramEntity& entity);
    virtual void paste(CDiagramEntityContainer& container);
    // Holds a copy of every selected entity of the container, in drawing order.
    virtual void copyAllSelected(const CDiagramEntityContainer& container);
    virtual int getSize() const;
    virtual void clearPaste();
    virtual const std::vector<std::unique_ptr<CDiagramEntity>>& getData() const;

private:
    void hold(const CDiagramEntity& entity, bool keepGroup);

    std::vector<std::unique_ptr<CDiagramEntity>> m_held;
};
