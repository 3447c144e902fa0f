#include "CDiagramClipboardHandler.h"

#include "CDiagramEntityContainer.h"

#include <map>

CDiagramClipboardHandler::~CDiagramClipboardHandler() {
    clearPaste();
}

void CDiagramClipboardHandler::hold(const CDiagramEntity& entity, bool keepGroup) {
    std::unique_ptr<CDiagramEntity> held = entity.clone(TRUE);
    // Selecting a grouped copy selects its source's group in the source's
    // container, the copy's parent.
    held->select(TRUE);
    held->moveRect(10.0, 10.0);
    if (keepGroup)
        held->setGroup(entity.getGroup());
    m_held.push_back(std::move(held));
}

void CDiagramClipboardHandler::copy(const CDiagramEntity& entity) {
    clearPaste();
    hold(entity, false);
}

void CDiagramClipboardHandler::copyAllSelected(const CDiagramEntityContainer& container) {
    clearPaste();
    for (int i = 0; i < container.getSize(); ++i)
        if (const CDiagramEntity* entity = container.getAt(i); entity->isSelected())
            hold(*entity, true);
}

void CDiagramClipboardHandler::paste(CDiagramEntityContainer& container) {
    // Each group of the held copies becomes a new group of the container.
    std::map<int, int> newGroups;
    int next = container.getNextGroup();
    for (const auto& held : m_held)
        if (held->getGroup() != 0 && newGroups.emplace(held->getGroup(), next).second)
            ++next;
    for (const auto& held : m_held) {
        std::unique_ptr<CDiagramEntity> copy = held->clone(FALSE);
        copy->setGroup(held->getGroup() == 0 ? 0 : newGroups[held->getGroup()]);
        container.add(std::move(copy));
    }
}

int CDiagramClipboardHandler::getSize() const {
    return static_cast<int>(m_held.size());
}

void CDiagramClipboardHandler::clearPaste() {
    while (!m_held.empty())
        m_held.pop_back();
}

const std::vector<std::unique_ptr<CDiagramEntity>>& CDiagramClipboardHandler::getData() const {
    return m_held;
}
