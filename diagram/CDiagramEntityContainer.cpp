#include "CDiagramEntityContainer.h"

#include "CTokenizer.h"
#include "DiagramEntityFactory.h"
#include "DiagramRecord.h"

#include <algorithm>

CDiagramEntityContainer::CDiagramEntityContainer(CDiagramClipboardHandler* clipboardHandler)
    : m_clipboardHandler(clipboardHandler) {
    clearAll();
}

CDiagramEntityContainer::~CDiagramEntityContainer() {
    clearAll();
}

CString CDiagramEntityContainer::toPaperRecord() const {
    return DiagramRecord::Writer("paper").integer(m_paper.cx).integer(m_paper.cy).end().str();
}

BOOL CDiagramEntityContainer::parsePaperRecord(const CString& line) {
    CString fields = line;
    if (DiagramRecord::splitRecordType(fields) != "paper")
        return FALSE;
    DiagramRecord::dropFinalSemicolon(fields);
    const CTokenizer parts(fields, ',');
    if (parts.getSize() != 2)
        return FALSE;
    auto size = [&](int index) {
        return std::clamp(DiagramRecord::readInt(parts.getElement(index)), kPaperMinimum, kPaperMaximum);
    };
    m_paper = CSize(size(0), size(1));
    return TRUE;
}

void CDiagramEntityContainer::collectExportLines(std::vector<CString>& lines, int format) const {
    for (const auto& entity : m_entities)
        lines.push_back(entity->getExportLine(format));
}

void CDiagramEntityContainer::setClipboardHandler(CDiagramClipboardHandler* handler) {
    m_clipboardHandler = handler;
}

CDiagramClipboardHandler* CDiagramEntityContainer::getClipboardHandler() const {
    return m_clipboardHandler;
}

CDiagramClipboardHandler& CDiagramEntityContainer::clipboard() {
    if (!m_clipboardHandler)
        m_clipboardHandler = &m_ownClipboardHandler;
    return *m_clipboardHandler;
}

CDiagramEntity* CDiagramEntityContainer::getAt(int index) const {
    if (index < 0 || index >= getSize())
        return nullptr;
    return m_entities[index].get();
}

void CDiagramEntityContainer::add(std::unique_ptr<CDiagramEntity> entity) {
    if (!entity)
        return;
    entity->setParent(this);
    m_entities.push_back(std::move(entity));
    m_modified = TRUE;
}

void CDiagramEntityContainer::removeAt(int index) {
    if (!getAt(index))
        return;
    m_entities.erase(m_entities.begin() + index);
    m_modified = TRUE;
}

void CDiagramEntityContainer::removeAll() {
    if (m_entities.empty())
        return;
    m_entities.clear();
    m_modified = TRUE;
}

void CDiagramEntityContainer::removeSelected() {
    for (int i = getSize() - 1; i >= 0; --i)
        if (m_entities[i]->isSelected())
            removeAt(i);
}

void CDiagramEntityContainer::remove(CDiagramEntity* entity) {
    const int index = find(entity);
    if (index >= 0)
        removeAt(index);
}

void CDiagramEntityContainer::selectAll() {
    for (int i = 0; i < getSize(); ++i)
        m_entities[i]->select(TRUE);
}

void CDiagramEntityContainer::unselectAll() {
    for (const auto& entity : m_entities)
        entity->select(FALSE);
}

void CDiagramEntityContainer::undo() {
    if (m_undo.empty())
        return;
    const std::unique_ptr<CUndoItem> item = std::move(m_undo.back());
    m_undo.pop_back();
    removeAll();
    for (size_t i = 0; i < item->entities.size(); ++i) {
        const EntitySnapshot& row = item->entities[i];
        std::unique_ptr<CDiagramEntity> entity;
        if (row.copy) {
            // A clone need not copy every field (the base's leaves titleL2):
            // the line gives back what it holds.
            entity = row.copy->clone(TRUE);
            entity->loadFromRecord(*row.line);
        } else {
            entity = createDiagramEntityFromRecord(*row.line, row.owner);
        }
        if (!entity)
            continue;
        entity->setLeft(row.left);
        entity->setTop(row.top);
        entity->setRight(row.right);
        entity->setBottom(row.bottom);
        entity->shareRecordLine(row.line);
        entity->restoreSelection(row.selected, row.selectionTime);
        add(std::move(entity));
    }
    m_paper = CSize(item->paperWidth, item->paperHeight);
}

void CDiagramEntityContainer::snapshot() {
    if (m_undoDepth > 0 && getUndoCount() >= m_undoDepth)
        m_undo.erase(m_undo.begin());
    auto row = [this](size_t i, const EntitySnapshot* before) {
        const CDiagramEntity& entity = *m_entities[i];
        if (before)
            entity.shareRecordLine(before->line);
        EntitySnapshot snapshot{entity.recordLine(), nullptr,
                                entity.getLeft(),    entity.getTop(),
                                entity.getRight(),   entity.getBottom(),
                                entity.getOwner(),   entity.getSelectionTime(),
                                entity.isSelected()};
        // The line of a class the factory builds, unchanged since the last
        // snapshot, needs no second look; any other line does. A class the
        // factory does not build is copied whole each time, since its line
        // may not hold all it keeps.
        const bool known = before && before->line == snapshot.line && !before->copy;
        if (!known && !isBuiltByFactory(entity.getType()))
            snapshot.copy = entity.clone(TRUE);
        return snapshot;
    };
    makeDroppingOldest(m_undo, [&] {
        auto item = std::make_unique<CUndoItem>();
        item->paperWidth = m_paper.cx;
        item->paperHeight = m_paper.cy;
        item->entities = SharedRows<EntitySnapshot>::build(
            m_entities.size(), row, m_undo.empty() ? nullptr : &m_undo.back()->entities);
        m_undo.push_back(std::move(item));
    });
}

void CDiagramEntityContainer::clearUndo() {
    while (!m_undo.empty())
        m_undo.pop_back();
}

void CDiagramEntityContainer::group() {
    const int next = getNextGroup();
    for (const auto& entity : m_entities)
        if (entity->isSelected())
            entity->setGroup(next);
}

void CDiagramEntityContainer::ungroup() {
    for (const auto& entity : m_entities)
        if (entity->isSelected())
            entity->setGroup(0);
}

int CDiagramEntityContainer::duplicate(CDiagramEntity* entity) {
    if (find(entity) < 0)
        return -1;
    std::unique_ptr<CDiagramEntity> copy = entity->clone(TRUE);
    copy->setRect(copy->getLeft() + 10, copy->getTop() + 10, copy->getRight() + 10, copy->getBottom() + 10);
    copy->setName(makeUniqueEntityName());
    add(std::move(copy));
    return getSize() - 1;
}

void CDiagramEntityContainer::cut(CDiagramEntity* entity) {
    copy(entity);
    remove(entity);
}

void CDiagramEntityContainer::copy(CDiagramEntity* entity) {
    if (entity)
        clipboard().copy(*entity);
}

void CDiagramEntityContainer::moveUp(CDiagramEntity* entity) {
    const int index = find(entity);
    if (index >= 0)
        swap(index, index + 1);
}

void CDiagramEntityContainer::moveDown(CDiagramEntity* entity) {
    const int index = find(entity);
    if (index >= 0)
        swap(index, index - 1);
}

void CDiagramEntityContainer::moveToFront(CDiagramEntity* entity) {
    const int index = find(entity);
    if (index < 0)
        return;
    std::rotate(m_entities.begin() + index, m_entities.begin() + index + 1, m_entities.end());
    m_modified = TRUE;
}

void CDiagramEntityContainer::moveToBack(CDiagramEntity* entity) {
    const int index = find(entity);
    if (index < 0)
        return;
    std::rotate(m_entities.begin(), m_entities.begin() + index, m_entities.begin() + index + 1);
    m_modified = TRUE;
}

void CDiagramEntityContainer::paste() {
    clipboard().paste(*this);
}

void CDiagramEntityContainer::copySelected() {
    clipboard().copyAllSelected(*this);
}

int CDiagramEntityContainer::getPasteCount() {
    return clipboard().getSize();
}

void CDiagramEntityContainer::clearPaste() {
    clipboard().clearPaste();
}

void CDiagramEntityContainer::sendCommandToObjects(UINT command, BOOL selectedOnly, CDiagramEntity* sender,
                                                   EditorWindow* window) {
    for (int i = 0; i < getSize(); ++i) {
        CDiagramEntity* entity = m_entities[i].get();
        if (selectedOnly && !entity->isSelected())
            continue;
        // A handled command may have removed the entity (cut): nothing of it
        // is touched afterwards.
        const int handled = entity->handleCommand(command, sender, window);
        // Selecting a group changes nothing the diagram file holds.
        if (command != CMD_SELECT_GROUP)
            m_modified = TRUE;
        if (handled)
            break;
    }
}

void CDiagramEntityContainer::clearAll() {
    removeAll();
    clearUndo();
    m_modified = FALSE;
}

int CDiagramEntityContainer::find(const CDiagramEntity* entity) const {
    for (int i = 0; i < getSize(); ++i)
        if (m_entities[i].get() == entity)
            return i;
    return -1;
}

void CDiagramEntityContainer::swap(int index1, int index2) {
    if (!getAt(index1) || !getAt(index2))
        return;
    std::swap(m_entities[index1], m_entities[index2]);
    m_modified = TRUE;
}

int CDiagramEntityContainer::getSelectCount() const {
    return static_cast<int>(std::count_if(m_entities.begin(), m_entities.end(),
                                          [](const auto& entity) { return entity->isSelected(); }));
}

int CDiagramEntityContainer::getNextGroup() const {
    int highest = 0;
    for (const auto& entity : m_entities)
        highest = std::max(highest, entity->getGroup());
    return highest + 1;
}
