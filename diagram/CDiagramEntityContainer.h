#pragma once

// The data of one diagram: its entities in drawing order (index 0 drawn
// first, at the bottom), the size of its paper, a modified flag, an undo
// stack without limit and the internal clipboard.
//
// Undo keeps, per snapshot, each entity's record line (shared with the
// entity and the snapshots before it while the entity is unchanged) and
// builds the entities again from their lines through the entity factory, as
// a load does; so undo gives back every field a diagram file holds. There is
// no redo.

#include "CDiagramClipboardHandler.h"
#include "CDiagramEntity.h"
#include "CSize.h"
#include "CString.h"
#include "CUndoItem.h"
#include "WinTypes.h"

#include <memory>
#include <vector>

class EditorWindow;

class CDiagramEntityContainer {
public:
    explicit CDiagramEntityContainer(CDiagramClipboardHandler* clipboardHandler = nullptr);
    virtual ~CDiagramEntityContainer();
    CDiagramEntityContainer(const CDiagramEntityContainer&) = delete;
    CDiagramEntityContainer& operator=(const CDiagramEntityContainer&) = delete;

    // The first line of a diagram file: "paper:" width "," height ";".
    virtual CString toPaperRecord() const;
    // TRUE, and the paper size taken, for a paper record; a size outside
    // 1-32,767 is brought into that range. The modified flag is left alone.
    virtual BOOL parsePaperRecord(const CString& line);
    virtual void collectExportLines(std::vector<CString>& lines, int format) const;
    virtual void setClipboardHandler(CDiagramClipboardHandler* handler);
    virtual CDiagramClipboardHandler* getClipboardHandler() const;

    // Null for an index out of range.
    virtual CDiagramEntity* getAt(int index) const;
    // Takes the entity on top, as its parent.
    virtual void add(std::unique_ptr<CDiagramEntity> entity);
    virtual void removeAt(int index);
    virtual void removeAll();
    virtual void removeSelected();
    virtual void remove(CDiagramEntity* entity);
    virtual void selectAll();
    virtual void unselectAll();

    virtual void undo();
    // Before each change: the diagram as it is now goes on the undo stack.
    virtual void snapshot();
    virtual void clearUndo();

    // The selected entities become a new group, or leave theirs.
    virtual void group();
    virtual void ungroup();

    // Adds a copy of the entity 10 units right and down, with a new name;
    // its index, -1 when the entity is not in the container.
    virtual int duplicate(CDiagramEntity* entity);
    virtual void cut(CDiagramEntity* entity);
    virtual void copy(CDiagramEntity* entity);
    // Z-order: one step up or down, or to the top or the bottom.
    virtual void moveUp(CDiagramEntity* entity);
    virtual void moveDown(CDiagramEntity* entity);
    virtual void moveToFront(CDiagramEntity* entity);
    virtual void moveToBack(CDiagramEntity* entity);
    virtual void paste();
    virtual void copySelected();
    virtual int getPasteCount();
    virtual void clearPaste();

    // Passes the command to each entity (the selected ones only, or all),
    // in drawing order, until one handles it.
    virtual void sendCommandToObjects(UINT command, BOOL selectedOnly, CDiagramEntity* sender,
                                      EditorWindow* window);

    // Entities, undo and the modified flag emptied (the clipboard is kept).
    void clearAll();
    int getSize() const { return static_cast<int>(m_entities.size()); }
    // Index of the entity, -1 when it is not in the container.
    int find(const CDiagramEntity* entity) const;
    // Exchanges two entities when both indexes are in range.
    void swap(int index1, int index2);
    int getSelectCount() const;
    // The highest group number plus 1 (1 without groups).
    int getNextGroup() const;
    // The paper size; a component of 0 follows the editor window.
    void setVirtualSize(CSize size) { m_paper = size; }
    CSize getVirtualSize() const { return m_paper; }
    void setModified(BOOL modified) { m_modified = modified; }
    BOOL isModified() const { return m_modified; }
    // The largest number of snapshots kept; 0, the default, keeps them all.
    void setUndoStackSize(int depth) { m_undoDepth = depth; }
    int getUndoStackSize() const { return m_undoDepth; }
    int getUndoCount() const { return static_cast<int>(m_undo.size()); }

    // The smallest and largest paper size a paper record gives.
    static constexpr int kPaperMinimum = 1;
    static constexpr int kPaperMaximum = 32767;

protected:
    // The handler in use: the given one, else the container's own.
    CDiagramClipboardHandler& clipboard();

private:
    std::vector<std::unique_ptr<CDiagramEntity>> m_entities;
    std::vector<std::unique_ptr<CUndoItem>> m_undo;
    int m_undoDepth = 0;
    CSize m_paper;
    BOOL m_modified = FALSE;
    CDiagramClipboardHandler* m_clipboardHandler = nullptr;
    CDiagramClipboardHandler m_ownClipboardHandler;
};
