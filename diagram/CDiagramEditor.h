#pragma once

// The diagram editor: every rule of the canvas on which one diagram is shown
// and edited (paper, zoom, grid, painting, scroll bars, wheel and panning)
// and of its editing (the left-button state machine with selection, rubber
// band, moving, resizing, placing and paper resizing; the right-button
// popups; the keyboard; the edit commands). It is headless: it acts on an
// EditorWindow (DiagramCanvas on screen, a recording window in tests) and
// paints through a DiagramDC. The window hands it its events through the
// On... handlers.
//
// Coordinates. Entities keep their rectangles in diagram units (doubles).
// The window shows the paper scaled by the zoom and shifted by the scroll
// positions (window pixels): window x = [x * zoom - scroll x] and diagram
// x = [(window x + scroll x) / zoom], [v] being v + 0.5 truncated toward
// zero.
//
// Every change to the diagram is preceded by an undo snapshot of the
// container; one gesture (a move, a resize, a placement, a paper resize)
// takes one.

#include "CDiagramEntity.h"
#include "CDiagramEntityContainer.h"
#include "CDiagramMenu.h"
#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "CString.h"
#include "EditorWindow.h"
#include "WinTypes.h"

#include <functional>
#include <memory>
#include <vector>

class DiagramDC;
class DiagramPicture;

// Interaction modes.
constexpr int MODE_NONE = 0;
constexpr int MODE_RUBBERBANDING = 1;
constexpr int MODE_MOVING = 2;
constexpr int MODE_RESIZING = 3;
constexpr int MODE_DRAWING = 4; // placing a new entity
constexpr int MODE_BGRESIZING = 5;

// Restraints.
constexpr int RESTRAINT_NONE = 0;
constexpr int RESTRAINT_VIRTUAL = 1; // objects stay on the paper
constexpr int RESTRAINT_MARGIN = 2;  // objects stay inside the margins

// Key groups (the key-group mask).
constexpr int KEY_ARROW = 0x01;
constexpr int KEY_PGUPDOWN = 0x04;
constexpr int KEY_DELETE = 0x08;
constexpr int KEY_ESCAPE = 0x10;
constexpr int KEY_INSERT = 0x20;
constexpr int KEY_PLUSMINUS = 0x40;
constexpr int KEY_CTRL = 0x80;
constexpr int KEY_ALL = -1;

// Wheel modes.
constexpr int WHEEL_SCROLL = 0;
constexpr int WHEEL_ZOOM = 1;

// Commands of the editor's popup menu and of the host's toolbar.
constexpr UINT ID_EDIT_COPY = 57634;
constexpr UINT ID_EDIT_CUT = 57635;
constexpr UINT ID_EDIT_PASTE = 57637;
constexpr UINT ID_EDIT_GROUP = 32841;
constexpr UINT ID_EDIT_UNGROUP = 32842;
// The object commands of the entities' popup menus.
constexpr UINT CMD_START = 100;
constexpr UINT CMD_END = 200;

// The timer that pans while the middle button's panning runs.
constexpr UINT kPanTimerId = 100;

class CDiagramEditor {
public:
    CDiagramEditor();
    virtual ~CDiagramEditor();
    CDiagramEditor(const CDiagramEditor&) = delete;
    CDiagramEditor& operator=(const CDiagramEditor&) = delete;

    // ----- Creation and container -----
    // Works on the window from now on, over the container (the editor's own
    // when null). The paper takes the container's size, or the rectangle's
    // when the container has none.
    virtual BOOL create(EditorWindow* window, CRect rect, CDiagramEntityContainer* container = nullptr);
    // View and interaction back to their start: zoom 1, mode 0, no placing,
    // no panning, scrolled to the top-left corner.
    virtual void clear();
    virtual void newDiagram();
    void setDiagramEntityContainer(CDiagramEntityContainer* container);
    CDiagramEntityContainer* getDiagramEntityContainer() const { return m_objs; }
    EditorWindow* getWindow() const { return m_window; }

    // ----- Hooks of the flowchart editor -----
    virtual void linkSelectedObjects();
    // Called first on right button down; 1 when a link was selected there.
    virtual int selectLinkAtPoint(UINT flags, CPoint point);

    // ----- Painting -----
    // The whole client area: outside colour, then the paper and everything
    // on it, shifted by the scroll positions, then the rubber band. Changes
    // nothing of the diagram.
    void paint(DiagramDC& dc);
    virtual void draw(DiagramDC& dc, CRect rect);
    virtual void print(DiagramDC& dc, CRect rect, double zoom);
    virtual void eraseBackground(DiagramDC& dc, CRect rect);
    virtual void drawBackground(DiagramDC& dc, CRect rect, double zoom);
    virtual void drawGrid(DiagramDC& dc, CRect rect, double zoom);
    virtual void drawMargins(DiagramDC& dc, CRect rect, double zoom);
    virtual void drawObjects(DiagramDC& dc, double zoom, int language);
    virtual void drawPaperMarkers(DiagramDC& dc);
    virtual void drawPanMarker(DiagramDC& dc);
    virtual CRect getPaperMarkerRect(int type) const;

    // ----- Zoom -----
    // Limited to [minimum zoom, maximum zoom]; the minimum is one zoom step,
    // so the zoom never reaches 0.
    virtual void setZoom(double zoom);
    double getZoom() const { return m_zoom; }
    double getZoomStep() const { return m_zoomStep; }
    double getZoomMax() const { return m_zoomMax; }
    double getZoomMin() const { return m_zoomMin; }

    // ----- Objects and selection -----
    virtual void addObject(std::unique_ptr<CDiagramEntity> obj);
    virtual void setObjectRect(CDiagramEntity* obj, CRect rect);
    virtual BOOL isAnyObjectSelected() const;
    virtual BOOL isGroupInSelection() const;
    virtual BOOL isSelectionOneGroup() const;
    // The template is owned by the editor from now on; null ends placing.
    virtual void startPlacingObject(std::unique_ptr<CDiagramEntity> obj);
    virtual void selectAll();
    virtual void unselectAll();
    virtual void deleteSelected();
    virtual void alignLeft();
    virtual void alignRight();
    virtual void alignTop();
    virtual void alignBottom();
    virtual void makeSameSize();

    // ----- Edit commands -----
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditUndo();
    void OnEditGroup();
    void OnEditUngroup();
    // A command of a menu or the host's toolbar: the edit commands, the
    // object commands 100-200; the flowchart editor adds its own. TRUE when
    // the command is the editor's.
    virtual BOOL OnCommand(UINT id);

    // ----- Paper hit codes and cursors -----
    virtual int getPaperHitCode(CPoint point) const;
    virtual DiagramCursor getPaperCursor() const;
    virtual DiagramCursor getCursorForPaperHitCode(int hit) const;

    // ----- Properties -----
    // The single selected entity's properties; mode 1 for a double click,
    // 0 for Ctrl+Enter and the host's properties button.
    virtual void editSelectionProperties(int mode);

    // ----- Saving -----
    // The paper record, then every object's line; clears the modified flag.
    virtual void saveDiagram(std::vector<CString>& lines);
    virtual BOOL loadPaperRecord(const CString& line);
    virtual void saveObjects(std::vector<CString>& lines);

    // ----- Interaction state -----
    virtual void setInteractMode(int mode, int submode = 0);
    virtual int getInteractMode() const { return m_interactMode; }
    int getSubMode() const { return m_subMode; }
    virtual CDiagramEntity* getPlacingObject() const { return m_drawObj.get(); }
    CRect getRubberBand() const { return m_selectionRect; }
    bool isPanning() const { return m_panning; }

    // ----- Events the window hands over (window points, MK_ flags) -----
    virtual void OnSize();
    virtual void OnHScroll(UINT code, int thumbPos);
    virtual void OnVScroll(UINT code, int thumbPos);
    // The cursor the window should show now.
    virtual DiagramCursor OnSetCursor();
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnObjectCommand(UINT id);
    virtual void OnMouseWheel(UINT flags, int delta, CPoint point);
    virtual void OnMButtonDown(UINT flags, CPoint point);
    void OnTimer(UINT id);
    void OnKillFocus();
    // The window lost the mouse while a button was down: the gesture ends
    // as a release at the last point would end it.
    void OnCaptureLost();

    // ----- Scrolling -----
    virtual void setHScroll(int pos);
    virtual void setVScroll(int pos);
    int scrollHorizontally(int delta);
    int scrollVertically(int delta);
    // While dragging past an edge: 10 pixels that way; the changes made.
    CSize autoScroll(CPoint point);
    void updateScrollBars();
    int getHScroll() const;
    int getVScroll() const;

    // ----- Hooks called at the end of the mouse handlers, before redrawing -----
    virtual void constrainMove(double& dx, double& dy);
    virtual void afterLeftButtonDown(UINT flags, CPoint point);
    virtual void afterMouseMove(UINT flags, CPoint point);
    virtual void afterLeftButtonUp(UINT flags, CPoint point);

    // ----- Paper and appearance -----
    void setVirtualSize(CSize size);
    // Like setVirtualSize, but leaves the modified flag.
    void applyVirtualSize(CSize size);
    // The container's paper with each 0 component taken from the client size.
    CSize getVirtualSize() const;
    void setBackgroundColor(COLORREF color);
    COLORREF getBackgroundColor() const { return m_bkgndCol; }
    void setNonClientColor(COLORREF color) { m_nonClientBkgndCol = color; }
    void showGrid(BOOL grid);
    BOOL isGridVisible() const { return m_grid; }
    void setGridColor(COLORREF color) { m_gridCol = color; }
    COLORREF getGridColor() const { return m_gridCol; }
    void setGridSize(CSize size) { m_gridSize = size; }
    CSize getGridSize() const { return m_gridSize; }
    int getGridPenStyle() const { return m_gridStyle; }
    void showMargin(BOOL show) { m_margin = show; }
    void setMargins(int left, int top, int right, int bottom);
    void getMargins(int& left, int& top, int& right, int& bottom) const;
    void setSnapToGrid(BOOL snap) { m_snap = snap; }
    BOOL getSnapToGrid() const { return m_snap; }
    void setRestraints(int restraint) { m_restraint = restraint; }
    int getRestraints() const { return m_restraint; }
    void setKeyboardInterface(int keys) { m_keyInterface = keys; }
    int getKeyboardInterface() const { return m_keyInterface; }
    void setWheelMode(int mode) { m_wheelMode = mode; }
    int getWheelMode() const { return m_wheelMode; }
    void setAllowPaperResize(BOOL allow) { m_bgResize = allow; }
    CSize getMarkerSize() const { return m_markerSize; }
    // 0 shows the first-language titles, any other value the second's.
    void setLanguage(int language) { m_language = language; }
    int getLanguage() const { return m_language; }
    // The item-bound nodes read it: 1 (the start) a double click opens a
    // node's graphical properties, 0 its item's properties.
    void setDoubleClickMode(int mode) { m_doubleClickMode = mode; }
    int getDoubleClickMode() const { return m_doubleClickMode; }
    // Replaces the editor's popup menu (the previous one is deleted).
    void setPopupMenu(std::unique_ptr<CDiagramMenu> menu);
    CDiagramMenu* getPopupMenu() const { return m_popupMenu.get(); }
    void setModified(BOOL modified);
    BOOL isModified() const;
    int getObjectCount() const;

    // ----- Selection helpers -----
    int getSelectCount() const;
    // The topmost selected entity; null when none.
    CDiagramEntity* getSelectedObject() const;
    CDiagramEntity* getObjectAt(int index) const;
    void duplicateSelected();
    void moveSelectedUp();
    void moveSelectedDown();
    void moveSelectedToFront();
    void moveSelectedToBack();
    // Hides the property dialogs of the entities not selected.
    void hideUnselectedProperties();
    void showPopup(CPoint screenPoint);
    void keepRectInRestraints(double& left, double& top, double& right, double& bottom) const;
    void keepPointInRestraints(double& x, double& y) const;
    BOOL isOutsideRestraints(CPoint point) const;
    // The largest right and bottom over all entities.
    CSize getContentExtent() const;
    // The last move step (dx, dy) of the selection.
    double getMoveStepX() const { return m_deltaX; }
    double getMoveStepY() const { return m_deltaY; }

    // ----- Coordinates -----
    CPoint screenToVirtual(CPoint point) const;
    CRect screenToVirtualRect(CRect rect) const;
    CRect virtualToScreenRect(CRect rect) const;
    CPoint scalePoint(CPoint point) const;
    double snapX(double coord) const;
    double snapY(double coord) const;
    // v + 0.5 truncated toward zero.
    static int round(double value);

protected:
    // The restraint area: (0, 0, W, H), or inside the margins.
    void getRestraintArea(double& left, double& top, double& right, double& bottom) const;
    // Ends the middle button's panning.
    void stopPanning();
    // The body of left button up, also run when the capture is lost.
    void finishGesture(UINT flags, CPoint point);
    void redraw() const;
    void setRedraw(bool on) const;
    bool ctrlHeld(UINT flags) const;

    // The grid as a cached tile: the pictures of one period of the grid at
    // the zoom, composited over the paper.
    void drawGridTiled(DiagramDC& dc, CRect rect, double zoom, bool dots);

    // Members named as the flowchart editor reads them.
    int linkMode = 0;
    CDiagramEntity* linkSource = nullptr;
    double m_deltaX = 0;
    double m_deltaY = 0;

private:
    struct AlignBox {
        double left, top, right, bottom;
        double width() const { return right - left; }
        double height() const { return bottom - top; }
    };
    using AlignRule = std::function<AlignBox(AlignBox box, AlignBox reference)>;
    void alignSelection(const AlignRule& rule);
    // Shared body of the arrow keys.
    void moveOrResizeSelectionByKey(UINT key, bool shift);
    void moveSelectedInZOrder(void (CDiagramEntityContainer::*move)(CDiagramEntity*));
    int scrollBy(int bar, int delta);
    int getScrollPosOf(int bar) const;
    void setScrollPosOf(int bar, int pos);
    void onScroll(int bar, UINT code, int thumbPos);

    EditorWindow* m_window = nullptr;
    CDiagramEntityContainer* m_objs = nullptr;
    std::unique_ptr<CDiagramEntityContainer> m_internalObjs;
    std::unique_ptr<CDiagramMenu> m_popupMenu;

    // Appearance.
    COLORREF m_bkgndCol;
    COLORREF m_nonClientBkgndCol;
    BOOL m_grid = FALSE;
    int m_gridStyle = 0;
    CSize m_gridSize{6, 6};
    COLORREF m_gridCol = RGB(192, 192, 192);
    BOOL m_margin = FALSE;
    COLORREF m_marginColor = RGB(128, 128, 255);
    int m_leftMargin = 8;
    int m_topMargin = 8;
    int m_rightMargin = 8;
    int m_bottomMargin = 16;
    BOOL m_bgResize = FALSE;
    BOOL m_drawBgResizeMarkers = FALSE;
    int m_bgResizeZone = 10;
    CSize m_markerSize{8, 8};
    int m_language = 0;
    int m_doubleClickMode = 1;

    // Zoom.
    double m_zoom = 1.0;
    double m_zoomStep = 0.01;
    double m_zoomMax = 10.0;
    double m_zoomMin = 0.01;

    // Behaviour.
    BOOL m_snap = FALSE;
    int m_restraint = RESTRAINT_NONE;
    int m_keyInterface = KEY_ALL;
    int m_wheelMode = WHEEL_SCROLL;

    // Interaction.
    int m_interactMode = MODE_NONE;
    int m_subMode = 0;
    CRect m_selectionRect;
    CPoint m_deltaPoint;
    CDiagramEntity* m_multiSelObj = nullptr;
    std::unique_ptr<CDiagramEntity> m_drawObj;
    int m_drawing = 0;
    CPoint m_lastPoint; // the last mouse point, for a lost capture

    // Panning.
    bool m_panning = false;
    CPoint m_panPoint;

    // The grid tiles and what they were made for.
    struct GridTile;
    std::unique_ptr<GridTile> m_gridTile;
};
