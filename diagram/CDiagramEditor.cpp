#include "CDiagramEditor.h"

#include "DiagramDC.h"
#include "DiagramPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace editorinput;

namespace {

// The wheel's running total: one for the whole program, as the platform
// keeps it, so that small deltas of a fine wheel add up to notches.
int g_wheelTotal = 0;

constexpr int kWheelNotch = 120;
// Panning: the cursor shows a direction beyond this distance from the origin,
// and the view moves by the distance divided by it at each tick.
constexpr int kPanZone = 16;
constexpr int kPanInterval = 10;
constexpr int kAutoScrollStep = 10;
constexpr double kNoMinimum = 4294967295.0;

// The platform's window colours: the paper, and the area outside it.
constexpr COLORREF kWindowColor = RGB(255, 255, 255);
constexpr COLORREF kButtonShadowColor = RGB(160, 160, 160);

} // namespace

// One period of the grid at a zoom, drawn once into transparent pictures and
// composited over the paper: lines (vertical and horizontal strips) or the
// dots at the crossings.
struct CDiagramEditor::GridTile {
    double zoom = 0;
    CSize gridSize;
    COLORREF color = 0;
    bool dots = false;
    int cellsX = 0; // grid cells per period
    int cellsY = 0;
    DiagramPicture vertical;   // lines: one period wide; dots: the whole tile
    DiagramPicture horizontal; // lines: one period high
};

CDiagramEditor::CDiagramEditor() : m_bkgndCol(kWindowColor), m_nonClientBkgndCol(kButtonShadowColor) {
    clear();
}

CDiagramEditor::~CDiagramEditor() = default;

// ----- Creation and container -----

BOOL CDiagramEditor::create(EditorWindow* window, CRect rect, CDiagramEntityContainer* container) {
    if (container) {
        setDiagramEntityContainer(container);
    } else {
        m_internalObjs = std::make_unique<CDiagramEntityContainer>();
        m_objs = m_internalObjs.get();
    }
    m_window = window;
    CSize paper = m_objs->getVirtualSize();
    if (paper.cx == 0 && paper.cy == 0)
        paper = CSize(rect.Width(), rect.Height());
    applyVirtualSize(paper);
    updateScrollBars();
    return m_window != nullptr;
}

void CDiagramEditor::clear() {
    m_selectionRect = CRect();
    m_deltaPoint = CPoint();
    m_zoom = 1.0;
    m_interactMode = MODE_NONE;
    m_subMode = 0;
    m_drawBgResizeMarkers = FALSE;
    m_multiSelObj = nullptr;
    m_drawing = 0;
    stopPanning();
    m_drawObj.reset();
    if (m_window && m_window->exists()) {
        updateScrollBars();
        setHScroll(0);
        setVScroll(0);
        redraw();
    }
}

void CDiagramEditor::newDiagram() {
    setRedraw(false);
    clear();
    if (m_objs)
        m_objs->clearAll();
    setRedraw(true);
    redraw();
}

void CDiagramEditor::setDiagramEntityContainer(CDiagramEntityContainer* container) {
    if (m_internalObjs.get() != container)
        m_internalObjs.reset();
    m_objs = container;
}

void CDiagramEditor::linkSelectedObjects() {}

int CDiagramEditor::selectLinkAtPoint(UINT /*flags*/, CPoint /*point*/) {
    return 0;
}

// ----- Painting -----

void CDiagramEditor::paint(DiagramDC& dc) {
    const CSize client = m_window ? m_window->getClientSize() : CSize();
    const CSize paper = getVirtualSize();
    const CRect paperRect(0, 0, round(m_zoom * paper.cx) + 1, round(m_zoom * paper.cy) + 1);
    eraseBackground(dc, CRect(0, 0, client.cx, client.cy));
    const CPoint origin = dc.SetWindowOrg(getHScroll(), getVScroll());
    draw(dc, paperRect);
    dc.SetWindowOrg(origin.x, origin.y);
    // The rubber band is part of the picture: nothing is drawn over it later.
    if (m_interactMode == MODE_RUBBERBANDING) {
        CRect band = m_selectionRect;
        band.NormalizeRect();
        if (band.Width() != 0 || band.Height() != 0)
            dc.DrawFocusRect(band);
    }
    dc.flush();
}

void CDiagramEditor::draw(DiagramDC& dc, CRect rect) {
    drawBackground(dc, rect, m_zoom);
    if (m_grid)
        drawGrid(dc, rect, m_zoom);
    if (m_margin)
        drawMargins(dc, rect, m_zoom);
    drawObjects(dc, m_zoom, m_language);
    if (m_bgResize && m_drawBgResizeMarkers)
        drawPaperMarkers(dc);
    if (m_panning)
        drawPanMarker(dc);
}

void CDiagramEditor::print(DiagramDC& dc, CRect rect, double zoom) {
    unselectAll();
    drawBackground(dc, rect, zoom);
    drawObjects(dc, zoom, m_language);
}

void CDiagramEditor::eraseBackground(DiagramDC& dc, CRect rect) {
    dc.FillSolidRect(rect, m_nonClientBkgndCol);
}

void CDiagramEditor::drawBackground(DiagramDC& dc, CRect rect, double /*zoom*/) {
    dc.FillSolidRect(rect, m_bkgndCol);
}

void CDiagramEditor::drawGrid(DiagramDC& dc, CRect rect, double zoom) {
    if (m_gridStyle == PS_SOLID) {
        drawGridTiled(dc, rect, zoom, false);
        return;
    }
    const CSize paper = getVirtualSize();
    CPen pen(m_gridStyle, 1, m_gridCol);
    dc.SelectObject(pen);
    for (int i = 0; i <= paper.cx / m_gridSize.cx; ++i) {
        const int x = round(i * m_gridSize.cx * zoom);
        dc.MoveTo(x, 0);
        dc.LineTo(x, rect.Height());
    }
    for (int j = 0; j <= paper.cy / m_gridSize.cy; ++j) {
        const int y = round(j * m_gridSize.cy * zoom);
        dc.MoveTo(0, y);
        dc.LineTo(rect.Width(), y);
    }
    dc.SelectStockObject(BLACK_PEN);
}

namespace {

// The number of grid cells after which the grid's pixel pattern repeats at
// the zoom: the smallest n whose n cells span a whole number of pixels (the
// positions [i * step] then repeat every n cells); 0 when there is none
// within a tile of reasonable size.
int gridPeriod(double step) {
    for (int cells = 1; cells <= 200 && cells * step <= 2048; ++cells) {
        const double span = cells * step;
        if (std::fabs(span - std::round(span)) < 1e-7)
            return cells;
    }
    return 0;
}

// Enough periods for a tile of about 256 pixels, so that few tiles cover a paper.
int tileRepeats(double period) {
    return std::max(1, static_cast<int>(256 / std::max(1.0, period)));
}

} // namespace

void CDiagramEditor::drawGridTiled(DiagramDC& dc, CRect rect, double zoom, bool dots) {
    const CSize paper = getVirtualSize();
    if (m_gridSize.cx <= 0 || m_gridSize.cy <= 0)
        return;
    const int columns = paper.cx / m_gridSize.cx; // crossings 0 .. columns
    const int rows = paper.cy / m_gridSize.cy;
    const double stepX = m_gridSize.cx * zoom;
    const double stepY = m_gridSize.cy * zoom;
    const int periodX = gridPeriod(stepX);
    const int periodY = gridPeriod(stepY);

    // Where the pattern does not repeat, the grid is drawn one line or dot at a time.
    if (periodX == 0 || periodY == 0) {
        if (dots) {
            for (int i = 0; i <= columns; ++i)
                for (int j = 0; j <= rows; ++j)
                    dc.SetPixel(round(i * m_gridSize.cx * zoom), round(j * m_gridSize.cy * zoom), m_gridCol);
            return;
        }
        CPen pen(PS_SOLID, 1, m_gridCol);
        dc.SelectObject(pen);
        for (int i = 0; i <= columns; ++i) {
            dc.MoveTo(round(i * m_gridSize.cx * zoom), 0);
            dc.LineTo(round(i * m_gridSize.cx * zoom), rect.Height());
        }
        for (int j = 0; j <= rows; ++j) {
            dc.MoveTo(0, round(j * m_gridSize.cy * zoom));
            dc.LineTo(rect.Width(), round(j * m_gridSize.cy * zoom));
        }
        dc.SelectStockObject(BLACK_PEN);
        return;
    }

    const int cellsX = periodX * tileRepeats(periodX * stepX);
    const int cellsY = periodY * tileRepeats(periodY * stepY);
    const int tileWidth = round(cellsX * stepX);
    const int tileHeight = round(cellsY * stepY);
    GridTile* tile = m_gridTile.get();
    if (!tile || tile->zoom != zoom || tile->gridSize != m_gridSize || tile->color != m_gridCol ||
        tile->dots != dots) {
        m_gridTile = std::make_unique<GridTile>();
        tile = m_gridTile.get();
        tile->zoom = zoom;
        tile->gridSize = m_gridSize;
        tile->color = m_gridCol;
        tile->dots = dots;
        tile->cellsX = cellsX;
        tile->cellsY = cellsY;
        if (dots) {
            tile->vertical = DiagramPicture(tileWidth, tileHeight);
            DiagramDC tileDC(tile->vertical);
            for (int i = 0; i < cellsX; ++i)
                for (int j = 0; j < cellsY; ++j)
                    tileDC.SetPixel(round(i * m_gridSize.cx * zoom), round(j * m_gridSize.cy * zoom),
                                    m_gridCol);
        } else {
            tile->vertical = DiagramPicture(tileWidth, tileHeight);
            tile->horizontal = DiagramPicture(tileWidth, tileHeight);
            CPen pen(PS_SOLID, 1, m_gridCol);
            DiagramDC verticalDC(tile->vertical);
            verticalDC.SelectObject(pen);
            for (int i = 0; i < cellsX; ++i) {
                verticalDC.MoveTo(round(i * m_gridSize.cx * zoom), 0);
                verticalDC.LineTo(round(i * m_gridSize.cx * zoom), tileHeight);
            }
            DiagramDC horizontalDC(tile->horizontal);
            horizontalDC.SelectObject(pen);
            for (int j = 0; j < cellsY; ++j) {
                horizontalDC.MoveTo(0, round(j * m_gridSize.cy * zoom));
                horizontalDC.LineTo(tileWidth, round(j * m_gridSize.cy * zoom));
            }
        }
    }

    // Only the tiles the clip shows are composited.
    CRect clip;
    dc.GetClipBox(&clip);
    const int lastX = round(columns * m_gridSize.cx * zoom); // the last line or dot
    const int lastY = round(rows * m_gridSize.cy * zoom);
    auto layTiles = [&](const DiagramPicture& picture, CRect area) {
        area.IntersectRect(area, clip);
        if (area.IsRectEmpty())
            return;
        const int saved = dc.SaveDC();
        dc.IntersectClipRect(area);
        const int firstColumn = std::max(0, area.left / tileWidth);
        const int firstRow = std::max(0, area.top / tileHeight);
        for (int ty = firstRow; ty * tileHeight < area.bottom; ++ty)
            for (int tx = firstColumn; tx * tileWidth < area.right; ++tx)
                dc.DrawPicture(tx * tileWidth, ty * tileHeight, picture);
        dc.RestoreDC(saved);
    };
    if (dots) {
        layTiles(tile->vertical, CRect(0, 0, lastX + 1, lastY + 1));
    } else {
        layTiles(tile->vertical, CRect(0, 0, lastX + 1, rect.Height()));
        layTiles(tile->horizontal, CRect(0, 0, rect.Width(), lastY + 1));
    }
}

void CDiagramEditor::drawMargins(DiagramDC& dc, CRect rect, double zoom) {
    CPen pen(PS_SOLID, 0, m_marginColor);
    dc.SelectObject(pen);
    const int x1 = rect.left + round(zoom * m_leftMargin);
    const int x2 = rect.right - round(zoom * m_rightMargin) - 1;
    const int y1 = rect.top + round(zoom * m_topMargin);
    const int y2 = rect.bottom - round(zoom * m_bottomMargin) - 1;
    if (m_leftMargin) {
        dc.MoveTo(x1, y1);
        dc.LineTo(x1, y2);
    }
    if (m_rightMargin) {
        dc.MoveTo(x2, y1);
        dc.LineTo(x2, y2);
    }
    if (m_topMargin) {
        dc.MoveTo(x1, y1);
        dc.LineTo(x2, y1);
    }
    if (m_bottomMargin) {
        dc.MoveTo(x1, y2);
        dc.LineTo(x2, y2);
    }
    dc.SelectStockObject(BLACK_PEN);
}

void CDiagramEditor::drawObjects(DiagramDC& dc, double zoom, int language) {
    if (!m_objs)
        return;
    for (int i = 0; i < m_objs->getSize(); ++i)
        m_objs->getAt(i)->drawObject(dc, zoom, language);
}

void CDiagramEditor::drawPaperMarkers(DiagramDC& dc) {
    dc.SelectStockObject(BLACK_BRUSH);
    for (int code : {DEHT_TOPLEFT, DEHT_TOPMIDDLE, DEHT_TOPRIGHT, DEHT_BOTTOMLEFT, DEHT_BOTTOMMIDDLE,
                     DEHT_BOTTOMRIGHT, DEHT_RIGHTMIDDLE, DEHT_LEFTMIDDLE})
        dc.Rectangle(getPaperMarkerRect(code));
}

void CDiagramEditor::drawPanMarker(DiagramDC& dc) {
    const CPoint centre(m_panPoint.x + getHScroll(), m_panPoint.y + getVScroll());
    CPen pen(PS_SOLID, 0, RGB(128, 128, 128));
    dc.SelectObject(pen);
    dc.SelectStockObject(WHITE_BRUSH);
    CRect circle(centre.x - kPanZone, centre.y - kPanZone, centre.x + kPanZone, centre.y + kPanZone);
    dc.Ellipse(circle);
    circle.DeflateRect(12, 12);
    dc.SelectStockObject(LTGRAY_BRUSH);
    dc.Ellipse(circle);
    dc.SelectStockObject(BLACK_PEN);
}

CRect CDiagramEditor::getPaperMarkerRect(int type) const {
    const CSize paper = getVirtualSize();
    const int width = round(paper.cx * m_zoom);
    const int height = round(paper.cy * m_zoom);
    CPoint centre;
    switch (type) {
    case DEHT_TOPLEFT:
        centre = CPoint(0, 0);
        break;
    case DEHT_TOPMIDDLE:
        centre = CPoint(width / 2, 0);
        break;
    case DEHT_TOPRIGHT:
        centre = CPoint(width, 0);
        break;
    case DEHT_BOTTOMLEFT:
        centre = CPoint(0, height);
        break;
    case DEHT_BOTTOMMIDDLE:
        centre = CPoint(width / 2, height);
        break;
    case DEHT_BOTTOMRIGHT:
        centre = CPoint(width, height);
        break;
    case DEHT_LEFTMIDDLE:
        centre = CPoint(0, height / 2);
        break;
    case DEHT_RIGHTMIDDLE:
        centre = CPoint(width, height / 2);
        break;
    default:
        return CRect();
    }
    const int halfX = m_markerSize.cx / 2;
    const int halfY = m_markerSize.cy / 2;
    return CRect(centre.x - halfX, centre.y - halfY, centre.x - halfX + m_markerSize.cx,
                 centre.y - halfY + m_markerSize.cy);
}

// ----- Zoom -----

void CDiagramEditor::setZoom(double zoom) {
    if (std::isnan(zoom))
        return;
    m_zoom = std::clamp(zoom, m_zoomMin, m_zoomMax);
    if (m_window && m_window->exists()) {
        updateScrollBars();
        redraw();
    }
}

// ----- Objects and selection -----

void CDiagramEditor::addObject(std::unique_ptr<CDiagramEntity> obj) {
    if (m_objs)
        m_objs->add(std::move(obj));
}

void CDiagramEditor::setObjectRect(CDiagramEntity* obj, CRect rect) {
    obj->setIntRect(rect);
}

BOOL CDiagramEditor::isAnyObjectSelected() const {
    return getSelectCount() > 0;
}

BOOL CDiagramEditor::isGroupInSelection() const {
    if (!m_objs)
        return FALSE;
    for (int i = 0; i < m_objs->getSize(); ++i) {
        const CDiagramEntity* obj = m_objs->getAt(i);
        if (obj->isSelected() && obj->getGroup() > 0)
            return TRUE;
    }
    return FALSE;
}

BOOL CDiagramEditor::isSelectionOneGroup() const {
    if (!m_objs)
        return TRUE;
    int group = -1;
    for (int i = 0; i < m_objs->getSize(); ++i) {
        const CDiagramEntity* obj = m_objs->getAt(i);
        if (!obj->isSelected())
            continue;
        if (obj->getGroup() == 0 || (group != -1 && obj->getGroup() != group))
            return FALSE;
        group = obj->getGroup();
    }
    return TRUE;
}

void CDiagramEditor::startPlacingObject(std::unique_ptr<CDiagramEntity> obj) {
    m_drawObj = std::move(obj);
    if (m_drawObj) {
        m_drawing = 1;
        m_interactMode = MODE_DRAWING;
    } else {
        m_drawing = 0;
        m_interactMode = MODE_NONE;
    }
    if (m_window)
        m_window->setCursor(m_drawObj ? DiagramCursor::cross : DiagramCursor::arrow);
}

void CDiagramEditor::selectAll() {
    if (!m_objs)
        return;
    m_objs->selectAll();
    redraw();
}

void CDiagramEditor::unselectAll() {
    if (m_objs)
        m_objs->unselectAll();
}

void CDiagramEditor::deleteSelected() {
    if (!m_objs)
        return;
    m_objs->snapshot();
    m_objs->removeSelected();
    redraw();
}

namespace {

// The selected entities in drawing order.
std::vector<CDiagramEntity*> selectedOf(const CDiagramEntityContainer* objs) {
    std::vector<CDiagramEntity*> selected;
    if (objs)
        for (int i = 0; i < objs->getSize(); ++i)
            if (objs->getAt(i)->isSelected())
                selected.push_back(objs->getAt(i));
    return selected;
}

} // namespace

// The alignment operations: each selected entity gets the rectangle the rule
// makes of its own and the reference's (the topmost selected).
void CDiagramEditor::alignSelection(const AlignRule& rule) {
    if (getSelectCount() < 2)
        return;
    m_objs->snapshot();
    const CDiagramEntity* ref = getSelectedObject();
    const AlignBox reference{ref->getLeft(), ref->getTop(), ref->getRight(), ref->getBottom()};
    for (CDiagramEntity* obj : selectedOf(m_objs)) {
        const AlignBox box =
            rule(AlignBox{obj->getLeft(), obj->getTop(), obj->getRight(), obj->getBottom()}, reference);
        obj->setRect(box.left, box.top, box.right, box.bottom);
    }
    m_objs->setModified(TRUE);
    redraw();
}

void CDiagramEditor::alignLeft() {
    alignSelection([](AlignBox box, AlignBox ref) {
        return AlignBox{ref.left, box.top, ref.left + box.width(), box.bottom};
    });
}

void CDiagramEditor::alignRight() {
    alignSelection([](AlignBox box, AlignBox ref) {
        return AlignBox{ref.right - box.width(), box.top, ref.right, box.bottom};
    });
}

void CDiagramEditor::alignTop() {
    alignSelection([](AlignBox box, AlignBox ref) {
        return AlignBox{box.left, ref.top, box.right, ref.top + box.height()};
    });
}

void CDiagramEditor::alignBottom() {
    alignSelection([](AlignBox box, AlignBox ref) {
        return AlignBox{box.left, ref.bottom - box.height(), box.right, ref.bottom};
    });
}

void CDiagramEditor::makeSameSize() {
    alignSelection([](AlignBox box, AlignBox ref) {
        return AlignBox{box.left, box.top, box.left + ref.width(), box.top + ref.height()};
    });
}

// ----- Edit commands -----

void CDiagramEditor::OnEditCut() {
    if (!m_objs)
        return;
    m_objs->snapshot();
    m_objs->copySelected();
    deleteSelected();
}

void CDiagramEditor::OnEditCopy() {
    if (!m_objs)
        return;
    m_objs->snapshot();
    m_objs->copySelected();
}

void CDiagramEditor::OnEditPaste() {
    if (!m_objs)
        return;
    setRedraw(false);
    m_objs->snapshot();
    unselectAll();
    m_objs->paste();
    setRedraw(true);
    redraw();
}

void CDiagramEditor::OnEditUndo() {
    if (!m_objs)
        return;
    m_objs->undo();
    redraw();
}

void CDiagramEditor::OnEditGroup() {
    if (!m_objs)
        return;
    setRedraw(false);
    m_objs->snapshot();
    m_objs->group();
    setRedraw(true);
    redraw();
}

void CDiagramEditor::OnEditUngroup() {
    if (!m_objs)
        return;
    setRedraw(false);
    m_objs->snapshot();
    m_objs->ungroup();
    setRedraw(true);
    redraw();
}

BOOL CDiagramEditor::OnCommand(UINT id) {
    switch (id) {
    case ID_EDIT_CUT:
        OnEditCut();
        return TRUE;
    case ID_EDIT_COPY:
        OnEditCopy();
        return TRUE;
    case ID_EDIT_PASTE:
        OnEditPaste();
        return TRUE;
    case ID_EDIT_GROUP:
        OnEditGroup();
        return TRUE;
    case ID_EDIT_UNGROUP:
        OnEditUngroup();
        return TRUE;
    default:
        break;
    }
    if (id >= CMD_START && id <= CMD_END) {
        OnObjectCommand(id);
        return TRUE;
    }
    return FALSE;
}

void CDiagramEditor::OnObjectCommand(UINT id) {
    if (!m_objs)
        return;
    m_objs->snapshot();
    m_objs->sendCommandToObjects(id, TRUE, nullptr, m_window);
    redraw();
}

// ----- Paper hit codes and cursors -----

int CDiagramEditor::getPaperHitCode(CPoint point) const {
    const CSize paper = getVirtualSize();
    int code = (point.x >= 0 && point.y >= 0 && point.x <= paper.cx && point.y <= paper.cy) ? 1 : 0;
    const CPoint scaled = scalePoint(point);
    for (int marker = DEHT_TOPLEFT; marker <= DEHT_RIGHTMIDDLE; ++marker)
        if (getPaperMarkerRect(marker).PtInRect(scaled))
            code = marker;
    return code;
}

DiagramCursor CDiagramEditor::getPaperCursor() const {
    const CPoint point = m_window ? m_window->getCursorPos() : CPoint();
    if (m_panning) {
        const bool below = point.y > m_panPoint.y + kPanZone;
        const bool above = point.y < m_panPoint.y - kPanZone;
        if (point.x > m_panPoint.x + kPanZone)
            return below ? DiagramCursor::sizeNWSE : above ? DiagramCursor::sizeNESW : DiagramCursor::sizeWE;
        if (point.x < m_panPoint.x - kPanZone)
            return below ? DiagramCursor::sizeNESW : above ? DiagramCursor::sizeNWSE : DiagramCursor::sizeWE;
        return DiagramCursor::sizeNS;
    }
    if (m_interactMode == MODE_DRAWING)
        return DiagramCursor::cross;
    if (linkMode)
        return DiagramCursor::link;
    if (!m_objs)
        return DiagramCursor::none;
    DiagramCursor found = DiagramCursor::none;
    for (const CDiagramEntity* obj : selectedOf(m_objs)) {
        const int code = obj->getHitCodeInRect(point, virtualToScreenRect(obj->getRect()));
        if (code != DEHT_NONE && code != DEHT_BODY)
            found = obj->getCursor(code);
    }
    if (found != DiagramCursor::none)
        return found;
    const int code = getPaperHitCode(screenToVirtual(point));
    if (code != 0 && code != 1 && m_drawBgResizeMarkers)
        return getCursorForPaperHitCode(code);
    return DiagramCursor::none;
}

DiagramCursor CDiagramEditor::getCursorForPaperHitCode(int hit) const {
    switch (hit) {
    case DEHT_TOPRIGHT:
    case DEHT_BOTTOMLEFT:
        return DiagramCursor::sizeNESW;
    case DEHT_BOTTOMMIDDLE:
        return DiagramCursor::sizeNS;
    case DEHT_BOTTOMRIGHT:
        return DiagramCursor::sizeNWSE;
    case DEHT_RIGHTMIDDLE:
        return DiagramCursor::sizeWE;
    default:
        return DiagramCursor::arrow;
    }
}

DiagramCursor CDiagramEditor::OnSetCursor() {
    const DiagramCursor cursor = getPaperCursor();
    if (m_window)
        m_window->setCursor(cursor == DiagramCursor::none ? DiagramCursor::arrow : cursor);
    return cursor;
}

// ----- Properties -----

void CDiagramEditor::editSelectionProperties(int mode) {
    if (getSelectCount() == 1)
        getSelectedObject()->showProperties(m_window, TRUE, mode);
}

void CDiagramEditor::hideUnselectedProperties() {
    if (!m_objs)
        return;
    for (int i = 0; i < m_objs->getSize(); ++i) {
        CDiagramEntity* obj = m_objs->getAt(i);
        if (!obj->isSelected())
            obj->showProperties(m_window, FALSE, 0);
    }
}

// ----- Saving -----

void CDiagramEditor::saveDiagram(std::vector<CString>& lines) {
    if (!m_objs)
        return;
    lines.push_back(m_objs->toPaperRecord());
    saveObjects(lines);
    m_objs->setModified(FALSE);
}

BOOL CDiagramEditor::loadPaperRecord(const CString& line) {
    return m_objs ? m_objs->parsePaperRecord(line) : FALSE;
}

void CDiagramEditor::saveObjects(std::vector<CString>& lines) {
    if (!m_objs)
        return;
    for (int i = 0; i < m_objs->getSize(); ++i)
        lines.push_back(m_objs->getAt(i)->toRecordLine());
}

void CDiagramEditor::setInteractMode(int mode, int submode) {
    m_interactMode = mode;
    m_subMode = submode;
}

// ----- Mouse -----

bool CDiagramEditor::ctrlHeld(UINT flags) const {
    return (flags & MK_CONTROL) != 0;
}

void CDiagramEditor::OnLButtonDown(UINT flags, CPoint point) {
    stopPanning();
    CPoint p = screenToVirtual(point);
    m_lastPoint = point;
    if (m_window) {
        m_window->setFocus();
        m_window->captureMouse();
    }
    if (m_interactMode != MODE_DRAWING) {
        m_interactMode = MODE_NONE;
        m_subMode = 0;
    }
    m_drawBgResizeMarkers = FALSE;
    m_multiSelObj = nullptr;
    const bool ctrl = ctrlHeld(flags);

    // Dragging a multiple selection by any of its entities.
    if (m_objs && getSelectCount() > 1 && !ctrl) {
        for (int i = 0; i < m_objs->getSize(); ++i) {
            CDiagramEntity* obj = m_objs->getAt(i);
            if (obj->isSelected() && obj->getHitCode(p) == DEHT_BODY) {
                m_interactMode = MODE_MOVING;
                m_multiSelObj = obj;
                const CRect rect = virtualToScreenRect(obj->getRect());
                m_deltaPoint = CPoint(point.x - rect.left, point.y - rect.top);
            }
        }
        if (m_interactMode == MODE_MOVING) {
            if (m_window)
                m_window->setCursor(m_multiSelObj->getCursor(DEHT_BODY));
            m_objs->snapshot();
        }
    }

    if (m_interactMode == MODE_DRAWING && m_objs) {
        // Placing a new entity.
        if (isOutsideRestraints(p)) {
            m_interactMode = MODE_NONE;
            return;
        }
        m_objs->snapshot();
        unselectAll();
        std::unique_ptr<CDiagramEntity> newObj = m_drawObj->clone(TRUE);
        if (m_snap)
            p = CPoint(static_cast<int>(snapX(p.x)), static_cast<int>(snapY(p.y)));
        newObj->setIntRect(CRect(p.x, p.y, p.x, p.y));
        newObj->applyDefaultSize();
        newObj->select(TRUE);
        CDiagramEntity* placed = newObj.get();
        addObject(std::move(newObj));
        m_interactMode = MODE_NONE;
        m_subMode = 0;
        if (placed->showsPropertiesOnPlacement()) {
            placed->showGraphicalProperties(m_window, TRUE);
        } else {
            // The button still down pulls out the bottom-right corner.
            m_interactMode = MODE_RESIZING;
            m_subMode = DEHT_BOTTOMRIGHT;
        }
    } else if (m_interactMode == MODE_NONE && m_objs) {
        // Clicking: selects, and starts a move, a resize or a rubber band.
        if (!ctrl && !linkMode)
            unselectAll();
        for (int i = m_objs->getSize() - 1; i >= 0; --i) {
            CDiagramEntity* obj = m_objs->getAt(i);
            const CRect rect = virtualToScreenRect(obj->getRect());
            const int code = obj->getHitCodeInRect(point, rect);
            if (code == DEHT_NONE)
                continue;
            if (linkMode) {
                obj->select(TRUE);
                linkSelectedObjects();
            } else if (ctrl) {
                obj->select(!obj->isSelected());
            } else {
                unselectAll();
                obj->select(TRUE);
            }
            if (!ctrl) {
                if (code == DEHT_BODY) {
                    if (m_window)
                        m_window->setCursor(obj->getCursor(DEHT_BODY));
                    m_interactMode = MODE_MOVING;
                    m_deltaPoint = CPoint(point.x - rect.left, point.y - rect.top);
                    if (getSelectCount() > 1)
                        m_multiSelObj = obj;
                } else {
                    m_interactMode = MODE_RESIZING;
                    m_subMode = code;
                }
            }
            break;
        }
        afterLeftButtonDown(flags, point);
        if (m_interactMode != MODE_NONE)
            m_objs->snapshot();
        if (getSelectCount() == 0) {
            const CSize paper = getVirtualSize();
            if (m_bgResize && ((paper.cx - m_bgResizeZone <= p.x && p.x <= paper.cx) ||
                               (paper.cy - m_bgResizeZone <= p.y && p.y <= paper.cy))) {
                m_drawBgResizeMarkers = TRUE;
                const int code = getPaperHitCode(p);
                if (code != 0 && code != 1) {
                    m_interactMode = MODE_BGRESIZING;
                    m_subMode = code;
                    m_objs->snapshot();
                }
                redraw();
            }
            if (m_interactMode == MODE_NONE) {
                m_interactMode = MODE_RUBBERBANDING;
                m_selectionRect = CRect(point.x, point.y, point.x, point.y);
            }
        }
    }
    hideUnselectedProperties();
    if (m_interactMode != MODE_NONE)
        redraw();
}

void CDiagramEditor::OnMouseMove(UINT flags, CPoint point) {
    m_lastPoint = point;
    if (m_interactMode == MODE_NONE)
        return;
    if (m_interactMode == MODE_BGRESIZING) {
        CPoint q = screenToVirtual(point);
        if (m_snap)
            q = CPoint(static_cast<int>(snapX(q.x)), static_cast<int>(snapY(q.y)));
        q.x = std::max(q.x, 1);
        q.y = std::max(q.y, 1);
        CSize paper = getVirtualSize();
        if (m_subMode == DEHT_TOPRIGHT || m_subMode == DEHT_RIGHTMIDDLE || m_subMode == DEHT_BOTTOMRIGHT)
            paper.cx = q.x;
        if (m_subMode == DEHT_BOTTOMLEFT || m_subMode == DEHT_BOTTOMMIDDLE || m_subMode == DEHT_BOTTOMRIGHT)
            paper.cy = q.y;
        const CSize extent = getContentExtent();
        if (m_restraint == RESTRAINT_VIRTUAL) {
            paper.cx = std::max(paper.cx, extent.cx);
            paper.cy = std::max(paper.cy, extent.cy);
        } else if (m_restraint == RESTRAINT_MARGIN) {
            paper.cx = std::max({paper.cx, extent.cx + m_rightMargin, m_leftMargin + m_rightMargin});
            paper.cy = std::max({paper.cy, extent.cy + m_bottomMargin, m_topMargin + m_bottomMargin});
        }
        setVirtualSize(paper);
        autoScroll(point);
    } else if (m_interactMode == MODE_RESIZING) {
        CDiagramEntity* obj = getSelectedObject();
        if (obj) {
            const CPoint v = screenToVirtual(point);
            double x = m_snap ? snapX(v.x) : v.x;
            double y = m_snap ? snapY(v.y) : v.y;
            double left = obj->getLeft(), top = obj->getTop(), right = obj->getRight(),
                   bottom = obj->getBottom();
            const CSize minimum = obj->getMinimumSize();
            const CSize maximum = obj->getMaximumSize();
            const bool moveLeft =
                m_subMode == DEHT_TOPLEFT || m_subMode == DEHT_BOTTOMLEFT || m_subMode == DEHT_LEFTMIDDLE;
            const bool moveRight =
                m_subMode == DEHT_TOPRIGHT || m_subMode == DEHT_BOTTOMRIGHT || m_subMode == DEHT_RIGHTMIDDLE;
            const bool moveTop =
                m_subMode == DEHT_TOPLEFT || m_subMode == DEHT_TOPMIDDLE || m_subMode == DEHT_TOPRIGHT;
            const bool moveBottom = m_subMode == DEHT_BOTTOMLEFT || m_subMode == DEHT_BOTTOMMIDDLE ||
                                    m_subMode == DEHT_BOTTOMRIGHT;
            // Each moving edge keeps the entity within its sizes against the fixed edge.
            auto limitLow = [](double& edge, double fixed, int least, int most) {
                if (least != -1 && least > fixed - edge)
                    edge = fixed - least;
                if (most != -1 && most < fixed - edge)
                    edge = fixed - most;
            };
            auto limitHigh = [](double& edge, double fixed, int least, int most) {
                if (least != -1 && least > edge - fixed)
                    edge = fixed + least;
                if (most != -1 && most < edge - fixed)
                    edge = fixed + most;
            };
            if (moveLeft)
                limitLow(x, right, minimum.cx, maximum.cx);
            if (moveRight)
                limitHigh(x, left, minimum.cx, maximum.cx);
            if (moveTop)
                limitLow(y, bottom, minimum.cy, maximum.cy);
            if (moveBottom)
                limitHigh(y, top, minimum.cy, maximum.cy);
            keepPointInRestraints(x, y);
            if (moveLeft)
                left = x;
            if (moveRight)
                right = x;
            if (moveTop)
                top = y;
            if (moveBottom)
                bottom = y;
            obj->setRect(left, top, right, bottom);
        }
        autoScroll(point);
        redraw();
    } else if (m_interactMode == MODE_MOVING) {
        if (m_objs) {
            const CPoint v = screenToVirtual(point);
            const double offsetX = round(m_deltaPoint.x / m_zoom);
            const double offsetY = round(m_deltaPoint.y / m_zoom);
            double x = v.x - offsetX;
            double y = v.y - offsetY;
            if (m_snap) {
                x = snapX(x);
                y = snapY(y);
            }
            m_deltaX = m_deltaPoint.x / m_zoom;
            m_deltaY = m_deltaPoint.y / m_zoom;
            if (m_multiSelObj) {
                double dx = x - m_multiSelObj->getLeft();
                double dy = y - m_multiSelObj->getTop();
                constrainMove(dx, dy);
                for (CDiagramEntity* obj : selectedOf(m_objs)) {
                    if (obj == m_multiSelObj)
                        obj->setRect(obj->getLeft() + dx, obj->getTop() + dy, obj->getRight() + dx,
                                     obj->getBottom() + dy);
                    else
                        obj->moveRect(dx, dy);
                }
                m_deltaX = dx;
                m_deltaY = dy;
            } else if (CDiagramEntity* obj = getSelectedObject()) {
                const double width = obj->getRight() - obj->getLeft();
                const double height = obj->getBottom() - obj->getTop();
                double left = x, top = y, right = x + width, bottom = y + height;
                keepRectInRestraints(left, top, right, bottom);
                obj->setRect(left, top, right, bottom);
            }
            afterMouseMove(flags, point);
        }
        autoScroll(point);
        redraw();
    } else if (m_interactMode == MODE_RUBBERBANDING) {
        const CSize scrolled = autoScroll(point);
        m_selectionRect.left -= scrolled.cx;
        m_selectionRect.top -= scrolled.cy;
        m_selectionRect.right = point.x;
        m_selectionRect.bottom = point.y;
        redraw();
    }
}

void CDiagramEditor::OnLButtonUp(UINT flags, CPoint point) {
    if (m_window)
        m_window->releaseMouse();
    finishGesture(flags, point);
}

void CDiagramEditor::OnCaptureLost() {
    if (m_interactMode != MODE_NONE && m_interactMode != MODE_DRAWING)
        finishGesture(0, m_lastPoint);
}

void CDiagramEditor::finishGesture(UINT flags, CPoint point) {
    if (m_interactMode == MODE_MOVING && m_objs) {
        for (CDiagramEntity* obj : selectedOf(m_objs)) {
            CRect rect = obj->getRect();
            if (m_snap) {
                const int left = static_cast<int>(snapX(rect.left));
                const int top = static_cast<int>(snapY(rect.top));
                rect = CRect(left, top, rect.right + (left - rect.left), rect.bottom + (top - rect.top));
            }
            setObjectRect(obj, rect);
        }
        m_objs->setModified(TRUE);
    } else if (m_interactMode == MODE_RESIZING && m_objs) {
        if (m_snap) {
            for (CDiagramEntity* obj : selectedOf(m_objs)) {
                CRect rect = obj->getRect();
                if (m_subMode == DEHT_TOPLEFT || m_subMode == DEHT_BOTTOMLEFT || m_subMode == DEHT_LEFTMIDDLE)
                    rect.left = static_cast<int>(snapX(rect.left));
                if (m_subMode == DEHT_TOPRIGHT || m_subMode == DEHT_BOTTOMRIGHT ||
                    m_subMode == DEHT_RIGHTMIDDLE)
                    rect.right = static_cast<int>(snapX(rect.right));
                if (m_subMode == DEHT_TOPLEFT || m_subMode == DEHT_TOPMIDDLE || m_subMode == DEHT_TOPRIGHT)
                    rect.top = static_cast<int>(snapY(rect.top));
                if (m_subMode == DEHT_BOTTOMLEFT || m_subMode == DEHT_BOTTOMMIDDLE ||
                    m_subMode == DEHT_BOTTOMRIGHT)
                    rect.bottom = static_cast<int>(snapY(rect.bottom));
                obj->setIntRect(rect);
            }
        }
        m_objs->setModified(TRUE);
    } else if (m_interactMode == MODE_RUBBERBANDING && m_objs) {
        unselectAll();
        CRect band = screenToVirtualRect(m_selectionRect);
        if (band.Width() == 0 && band.Height() == 0)
            band.InflateRect(1, 1);
        for (int i = 0; i < m_objs->getSize(); ++i) {
            CDiagramEntity* obj = m_objs->getAt(i);
            if (obj->isInsideRect(band))
                obj->select(TRUE);
        }
    }
    afterLeftButtonUp(flags, point);
    redraw();
    m_interactMode = MODE_NONE;
    m_subMode = 0;
    m_drawing = 0;
}

void CDiagramEditor::OnLButtonDblClk(UINT /*flags*/, CPoint /*point*/) {
    editSelectionProperties(1);
}

void CDiagramEditor::OnRButtonDown(UINT flags, CPoint point) {
    linkMode = 0;
    linkSource = nullptr;
    stopPanning();
    if (m_objs) {
        if (!selectLinkAtPoint(flags, point)) {
            const CPoint p = screenToVirtual(point);
            for (int i = m_objs->getSize() - 1; i >= 0; --i) {
                CDiagramEntity* obj = m_objs->getAt(i);
                if (obj->getHitCode(p) == DEHT_BODY) {
                    if (!obj->isSelected()) {
                        unselectAll();
                        obj->select(TRUE);
                    }
                    break;
                }
            }
        }
        redraw();
    }
    m_interactMode = MODE_NONE;
    m_drawing = 0;
}

void CDiagramEditor::OnRButtonUp(UINT /*flags*/, CPoint point) {
    const CPoint screen = m_window ? m_window->clientToScreen(point) : point;
    if (getSelectCount() == 1) {
        CDiagramEntity* obj = getSelectedObject();
        if (obj->getHitCode(screenToVirtual(point)) == DEHT_BODY) {
            obj->showPopupMenu(screen.x, screen.y, m_window);
            return;
        }
    }
    showPopup(screen);
}

void CDiagramEditor::showPopup(CPoint screenPoint) {
    if (!m_popupMenu)
        m_popupMenu = std::make_unique<CDiagramMenu>();
    if (m_window)
        m_window->trackPopupMenu(m_popupMenu->getPopupMenu(*this), screenPoint.x, screenPoint.y);
}

void CDiagramEditor::setPopupMenu(std::unique_ptr<CDiagramMenu> menu) {
    m_popupMenu = std::move(menu);
}

// ----- Keyboard -----

void CDiagramEditor::OnKeyDown(UINT key, UINT /*repeat*/, UINT /*flags*/) {
    stopPanning();
    if (m_keyInterface == 0)
        return;
    const bool shift = m_window && m_window->isKeyDown(VK_SHIFT);
    const bool ctrl = m_window && m_window->isKeyDown(VK_CONTROL);
    const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
    if (m_objs) {
        if ((m_keyInterface & KEY_ARROW) && arrow) {
            moveOrResizeSelectionByKey(key, shift);
        } else if ((m_keyInterface & KEY_DELETE) && key == VK_DELETE) {
            if (shift)
                OnEditCut();
            else
                deleteSelected();
        } else if ((m_keyInterface & KEY_INSERT) && key == VK_INSERT) {
            if (shift)
                OnEditPaste();
            else
                duplicateSelected();
        } else if ((m_keyInterface & KEY_CTRL) && ctrl && key == VK_RETURN) {
            editSelectionProperties(0);
        } else if ((m_keyInterface & KEY_CTRL) && ctrl && key == 'A') {
            selectAll();
        } else if ((m_keyInterface & KEY_CTRL) && ctrl && key == 'X') {
            OnEditCut();
        } else if ((m_keyInterface & KEY_CTRL) && ctrl && key == 'V') {
            OnEditPaste();
        } else if ((m_keyInterface & KEY_CTRL) && ctrl && key == 'C') {
            OnEditCopy();
        } else if ((m_keyInterface & KEY_CTRL) && ctrl && key == 'Z') {
            OnEditUndo();
        } else if ((m_keyInterface & KEY_PGUPDOWN) && ctrl && key == VK_NEXT) {
            moveSelectedToBack();
        } else if ((m_keyInterface & KEY_PGUPDOWN) && ctrl && key == VK_PRIOR) {
            moveSelectedToFront();
        } else if ((m_keyInterface & KEY_PGUPDOWN) && key == VK_NEXT) {
            moveSelectedDown();
        } else if ((m_keyInterface & KEY_PGUPDOWN) && key == VK_PRIOR) {
            moveSelectedUp();
        }
        redraw();
    }
    if ((m_keyInterface & KEY_ESCAPE) && key == VK_ESCAPE) {
        m_interactMode = MODE_NONE;
        m_drawing = 0;
    }
    if ((m_keyInterface & KEY_PLUSMINUS) && key == VK_ADD)
        setZoom(m_zoom + m_zoomStep);
    if ((m_keyInterface & KEY_PLUSMINUS) && key == VK_SUBTRACT)
        setZoom(m_zoom - m_zoomStep);
}

void CDiagramEditor::moveOrResizeSelectionByKey(UINT key, bool shift) {
    double stepX = (m_snap ? m_gridSize.cx : 1) / m_zoom;
    double stepY = (m_snap ? m_gridSize.cy : 1) / m_zoom;
    stepX = std::max(stepX, 1.0);
    stepY = std::max(stepY, 1.0);
    double dx = key == VK_LEFT ? -stepX : key == VK_RIGHT ? stepX : 0;
    double dy = key == VK_UP ? -stepY : key == VK_DOWN ? stepY : 0;
    auto snapped = [this](double value, bool horizontal) {
        const double whole = CDiagramEntity::truncate(value);
        return horizontal ? snapX(whole) : snapY(whole);
    };
    if (!shift) {
        constrainMove(dx, dy);
        m_objs->snapshot();
        for (CDiagramEntity* obj : selectedOf(m_objs)) {
            const double width = obj->getRight() - obj->getLeft();
            const double height = obj->getBottom() - obj->getTop();
            double left = obj->getLeft() + dx;
            double top = obj->getTop() + dy;
            if (m_snap) {
                left = snapped(left, true);
                top = snapped(top, false);
            }
            double right = left + width, bottom = top + height;
            keepRectInRestraints(left, top, right, bottom);
            setObjectRect(obj, CRect(round(left), round(top), round(right), round(bottom)));
            m_objs->setModified(TRUE);
        }
    } else {
        m_objs->snapshot();
        constrainMove(dx, dy);
        for (CDiagramEntity* obj : selectedOf(m_objs)) {
            double right = obj->getRight() + dx;
            double bottom = obj->getBottom() + dy;
            if (m_snap) {
                right = snapped(right, true);
                bottom = snapped(bottom, false);
            }
            obj->setRect(obj->getLeft(), obj->getTop(), right, bottom);
            m_objs->setModified(TRUE);
        }
    }
    m_deltaX = dx;
    m_deltaY = dy;
}

// ----- Wheel, panning and scrolling -----

void CDiagramEditor::OnMouseWheel(UINT /*flags*/, int delta, CPoint /*point*/) {
    if (m_wheelMode == WHEEL_ZOOM) {
        setZoom(delta < 0 ? m_zoom + m_zoomStep : m_zoom - m_zoomStep);
        return;
    }
    g_wheelTotal += delta;
    const int notches = g_wheelTotal / kWheelNotch;
    if (!m_window)
        return;
    const EditorScrollBar bar = m_window->getScrollBar(SB_VERT);
    if (bar.shown && bar.max != 0) {
        const int pos = getVScroll() - notches;
        g_wheelTotal -= notches * kWheelNotch;
        setVScroll(pos);
        redraw();
    }
}

void CDiagramEditor::OnMButtonDown(UINT /*flags*/, CPoint point) {
    if (m_panning) {
        stopPanning();
    } else if (m_window && (m_window->getScrollBar(SB_HORZ).shown || m_window->getScrollBar(SB_VERT).shown)) {
        m_panPoint = point;
        m_panning = true;
        m_window->setTimer(kPanTimerId, kPanInterval);
    }
    redraw();
}

void CDiagramEditor::OnTimer(UINT id) {
    if (id != kPanTimerId || !m_window)
        return;
    m_window->killTimer(kPanTimerId);
    if (!m_panning)
        return;
    const CPoint cursor = m_window->getCursorPos();
    setHScroll(getHScroll() + (cursor.x - m_panPoint.x) / kPanZone);
    setVScroll(getVScroll() + (cursor.y - m_panPoint.y) / kPanZone);
    redraw();
    m_window->setTimer(kPanTimerId, kPanInterval);
}

void CDiagramEditor::OnKillFocus() {
    stopPanning();
}

void CDiagramEditor::stopPanning() {
    if (!m_panning)
        return;
    m_panning = false;
    if (m_window)
        m_window->killTimer(kPanTimerId);
}

void CDiagramEditor::OnSize() {
    updateScrollBars();
}

void CDiagramEditor::OnHScroll(UINT code, int thumbPos) {
    onScroll(SB_HORZ, code, thumbPos);
}

void CDiagramEditor::OnVScroll(UINT code, int thumbPos) {
    onScroll(SB_VERT, code, thumbPos);
}

void CDiagramEditor::onScroll(int bar, UINT code, int thumbPos) {
    if (!m_window)
        return;
    const EditorScrollBar info = m_window->getScrollBar(bar);
    int pos = info.pos;
    switch (code) {
    case SB_LINEUP:
        pos = std::max(0, pos - 1);
        break;
    case SB_LINEDOWN:
        pos = std::min(info.max, pos + 1);
        break;
    case SB_PAGEUP:
        pos = std::max(0, pos - info.page);
        break;
    case SB_PAGEDOWN:
        pos = std::min(info.max, pos + info.page);
        break;
    case SB_TOP:
        pos = 0;
        break;
    case SB_BOTTOM:
        pos = info.max;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        pos = thumbPos;
        break;
    default:
        break;
    }
    setScrollPosOf(bar, pos);
    redraw();
}

int CDiagramEditor::getScrollPosOf(int bar) const {
    if (!m_window)
        return 0;
    const EditorScrollBar info = m_window->getScrollBar(bar);
    return info.shown ? info.pos : 0;
}

void CDiagramEditor::setScrollPosOf(int bar, int pos) {
    if (m_window && m_window->exists())
        m_window->setScrollPos(bar, std::max(pos, 0));
}

int CDiagramEditor::getHScroll() const {
    return getScrollPosOf(SB_HORZ);
}

int CDiagramEditor::getVScroll() const {
    return getScrollPosOf(SB_VERT);
}

void CDiagramEditor::setHScroll(int pos) {
    setScrollPosOf(SB_HORZ, pos);
}

void CDiagramEditor::setVScroll(int pos) {
    setScrollPosOf(SB_VERT, pos);
}

int CDiagramEditor::scrollBy(int bar, int delta) {
    if (!m_window)
        return 0;
    const CSize client = m_window->getClientSize();
    const CSize paper = getVirtualSize();
    if (bar == SB_HORZ ? client.cx >= paper.cx : client.cy >= paper.cy)
        return 0;
    const int before = getScrollPosOf(bar);
    setScrollPosOf(bar, before + delta);
    const int after = getScrollPosOf(bar);
    if (after != before)
        redraw();
    return after - before;
}

int CDiagramEditor::scrollHorizontally(int delta) {
    return scrollBy(SB_HORZ, delta);
}

int CDiagramEditor::scrollVertically(int delta) {
    return scrollBy(SB_VERT, delta);
}

CSize CDiagramEditor::autoScroll(CPoint point) {
    CSize scrolled;
    if (!m_window)
        return scrolled;
    const CSize client = m_window->getClientSize();
    if (point.x > client.cx)
        scrolled.cx = scrollHorizontally(kAutoScrollStep);
    else if (point.x < 0)
        scrolled.cx = scrollHorizontally(-kAutoScrollStep);
    if (point.y > client.cy)
        scrolled.cy = scrollVertically(kAutoScrollStep);
    else if (point.y < 0)
        scrolled.cy = scrollVertically(-kAutoScrollStep);
    return scrolled;
}

void CDiagramEditor::updateScrollBars() {
    if (!m_window || !m_window->exists())
        return;
    const CSize paper = getVirtualSize();
    const int zoomedWidth = round(m_zoom * paper.cx);
    const int zoomedHeight = round(m_zoom * paper.cy);
    const CSize client = m_window->getClientSize();
    if (client.cx < zoomedWidth)
        m_window->setScrollBar(SB_HORZ, true, zoomedWidth, client.cx);
    else
        m_window->setScrollBar(SB_HORZ, false, 0, 0);
    if (client.cy < zoomedHeight)
        m_window->setScrollBar(SB_VERT, true, zoomedHeight, client.cy);
    else
        m_window->setScrollBar(SB_VERT, false, 0, 0);
}

// ----- Hooks -----

void CDiagramEditor::constrainMove(double& dx, double& dy) {
    if (m_restraint == RESTRAINT_NONE)
        return;
    double minX = kNoMinimum, minY = kNoMinimum, maxX = 0, maxY = 0;
    for (const CDiagramEntity* obj : selectedOf(m_objs)) {
        minX = std::min({minX, obj->getLeft() + dx, obj->getRight() + dx});
        maxX = std::max({maxX, obj->getLeft() + dx, obj->getRight() + dx});
        minY = std::min({minY, obj->getTop() + dy, obj->getBottom() + dy});
        maxY = std::max({maxY, obj->getTop() + dy, obj->getBottom() + dy});
    }
    double left, top, right, bottom;
    getRestraintArea(left, top, right, bottom);
    if (minX < left)
        dx += left - minX;
    if (minY < top)
        dy += top - minY;
    if (maxX > right)
        dx -= maxX - right;
    if (maxY > bottom)
        dy -= maxY - bottom;
}

void CDiagramEditor::afterLeftButtonDown(UINT /*flags*/, CPoint /*point*/) {}

void CDiagramEditor::afterMouseMove(UINT /*flags*/, CPoint /*point*/) {}

void CDiagramEditor::afterLeftButtonUp(UINT /*flags*/, CPoint /*point*/) {}

// ----- Paper and appearance -----

void CDiagramEditor::setVirtualSize(CSize size) {
    applyVirtualSize(size);
    if (m_objs)
        m_objs->setModified(TRUE);
}

void CDiagramEditor::applyVirtualSize(CSize size) {
    if (!m_objs || size == getVirtualSize())
        return;
    m_objs->setVirtualSize(size);
    updateScrollBars();
    if (m_window && m_window->exists())
        redraw();
}

CSize CDiagramEditor::getVirtualSize() const {
    const CSize client = m_window && m_window->exists() ? m_window->getClientSize() : CSize();
    CSize paper = m_objs ? m_objs->getVirtualSize() : CSize();
    if (paper.cx == 0)
        paper.cx = client.cx;
    if (paper.cy == 0)
        paper.cy = client.cy;
    return paper;
}

void CDiagramEditor::setBackgroundColor(COLORREF color) {
    m_bkgndCol = color;
    redraw();
}

void CDiagramEditor::showGrid(BOOL grid) {
    m_grid = grid;
    redraw();
}

void CDiagramEditor::setMargins(int left, int top, int right, int bottom) {
    m_leftMargin = left;
    m_topMargin = top;
    m_rightMargin = right;
    m_bottomMargin = bottom;
}

void CDiagramEditor::getMargins(int& left, int& top, int& right, int& bottom) const {
    left = m_leftMargin;
    top = m_topMargin;
    right = m_rightMargin;
    bottom = m_bottomMargin;
}

void CDiagramEditor::setModified(BOOL modified) {
    if (m_objs)
        m_objs->setModified(modified);
}

BOOL CDiagramEditor::isModified() const {
    return m_objs ? m_objs->isModified() : FALSE;
}

int CDiagramEditor::getObjectCount() const {
    return m_objs ? m_objs->getSize() : 0;
}

// ----- Selection helpers -----

int CDiagramEditor::getSelectCount() const {
    return m_objs ? m_objs->getSelectCount() : 0;
}

CDiagramEntity* CDiagramEditor::getSelectedObject() const {
    if (!m_objs)
        return nullptr;
    for (int i = m_objs->getSize() - 1; i >= 0; --i)
        if (m_objs->getAt(i)->isSelected())
            return m_objs->getAt(i);
    return nullptr;
}

CDiagramEntity* CDiagramEditor::getObjectAt(int index) const {
    return m_objs ? m_objs->getAt(index) : nullptr;
}

void CDiagramEditor::duplicateSelected() {
    if (getSelectCount() != 1)
        return;
    CDiagramEntity* obj = getSelectedObject();
    m_objs->snapshot();
    m_objs->duplicate(obj);
    obj->select(FALSE);
    redraw();
}

void CDiagramEditor::moveSelectedInZOrder(void (CDiagramEntityContainer::*move)(CDiagramEntity*)) {
    if (getSelectCount() != 1)
        return;
    (m_objs->*move)(getSelectedObject());
    redraw();
}

void CDiagramEditor::moveSelectedUp() {
    moveSelectedInZOrder(&CDiagramEntityContainer::moveUp);
}

void CDiagramEditor::moveSelectedDown() {
    moveSelectedInZOrder(&CDiagramEntityContainer::moveDown);
}

void CDiagramEditor::moveSelectedToFront() {
    moveSelectedInZOrder(&CDiagramEntityContainer::moveToFront);
}

void CDiagramEditor::moveSelectedToBack() {
    moveSelectedInZOrder(&CDiagramEntityContainer::moveToBack);
}

void CDiagramEditor::getRestraintArea(double& left, double& top, double& right, double& bottom) const {
    const CSize paper = getVirtualSize();
    if (m_restraint == RESTRAINT_MARGIN) {
        left = m_leftMargin;
        top = m_topMargin;
        right = paper.cx - m_rightMargin;
        bottom = paper.cy - m_bottomMargin;
    } else {
        left = 0;
        top = 0;
        right = paper.cx;
        bottom = paper.cy;
    }
}

void CDiagramEditor::keepRectInRestraints(double& left, double& top, double& right, double& bottom) const {
    if (m_restraint == RESTRAINT_NONE)
        return;
    double areaLeft, areaTop, areaRight, areaBottom;
    getRestraintArea(areaLeft, areaTop, areaRight, areaBottom);
    const double width = std::fabs(right - left);
    const double height = std::fabs(bottom - top);
    // Low bounds first, then high ones; each coordinate takes its partner along.
    if (left < areaLeft) {
        left = areaLeft;
        right = areaLeft + width;
    }
    if (top < areaTop) {
        top = areaTop;
        bottom = areaTop + height;
    }
    if (right < areaLeft) {
        right = areaLeft;
        left = areaLeft + width;
    }
    if (bottom < areaTop) {
        bottom = areaTop;
        top = areaTop + height;
    }
    if (right > areaRight) {
        right = areaRight;
        left = areaRight - width;
    }
    if (bottom > areaBottom) {
        bottom = areaBottom;
        top = areaBottom - height;
    }
    if (left > areaRight) {
        left = areaRight;
        right = areaRight - width;
    }
    if (top > areaBottom) {
        top = areaBottom;
        bottom = areaBottom - height;
    }
}

void CDiagramEditor::keepPointInRestraints(double& x, double& y) const {
    if (m_restraint == RESTRAINT_NONE)
        return;
    double left, top, right, bottom;
    getRestraintArea(left, top, right, bottom);
    x = std::clamp(x, left, std::max(left, right));
    y = std::clamp(y, top, std::max(top, bottom));
}

BOOL CDiagramEditor::isOutsideRestraints(CPoint point) const {
    if (m_restraint != RESTRAINT_VIRTUAL && m_restraint != RESTRAINT_MARGIN)
        return FALSE;
    double left, top, right, bottom;
    getRestraintArea(left, top, right, bottom);
    return point.x < left || point.y < top || point.x > right || point.y > bottom;
}

CSize CDiagramEditor::getContentExtent() const {
    CSize extent;
    if (!m_objs)
        return extent;
    for (int i = 0; i < m_objs->getSize(); ++i) {
        const CDiagramEntity* obj = m_objs->getAt(i);
        extent.cx = std::max(extent.cx, round(obj->getRight()));
        extent.cy = std::max(extent.cy, round(obj->getBottom()));
    }
    return extent;
}

// ----- Coordinates -----

int CDiagramEditor::round(double value) {
    return CDiagramEntity::truncate(value + 0.5);
}

CPoint CDiagramEditor::screenToVirtual(CPoint point) const {
    return CPoint(round((point.x + getHScroll()) / m_zoom), round((point.y + getVScroll()) / m_zoom));
}

CRect CDiagramEditor::screenToVirtualRect(CRect rect) const {
    rect.NormalizeRect();
    const int x = getHScroll(), y = getVScroll();
    return CRect(round((rect.left + x) / m_zoom), round((rect.top + y) / m_zoom),
                 round((rect.right + x) / m_zoom), round((rect.bottom + y) / m_zoom));
}

CRect CDiagramEditor::virtualToScreenRect(CRect rect) const {
    rect.NormalizeRect();
    const int x = getHScroll(), y = getVScroll();
    return CRect(round(rect.left * m_zoom) - x, round(rect.top * m_zoom) - y, round(rect.right * m_zoom) - x,
                 round(rect.bottom * m_zoom) - y);
}

CPoint CDiagramEditor::scalePoint(CPoint point) const {
    return CPoint(round(point.x * m_zoom), round(point.y * m_zoom));
}

double CDiagramEditor::snapX(double coord) const {
    return m_gridSize.cx * static_cast<double>(round(coord / m_gridSize.cx));
}

double CDiagramEditor::snapY(double coord) const {
    return m_gridSize.cy * static_cast<double>(round(coord / m_gridSize.cy));
}

void CDiagramEditor::redraw() const {
    if (m_window && m_window->exists())
        m_window->redraw();
}

void CDiagramEditor::setRedraw(bool on) const {
    if (m_window && m_window->exists())
        m_window->setRedraw(on);
}
