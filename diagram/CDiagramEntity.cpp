#include "CDiagramEntity.h"

#include "CDiagramEntityContainer.h"
#include "CTokenizer.h"
#include "DiagramDC.h"
#include "DiagramDialogs.h"
#include "DiagramMenu.h"
#include "DiagramPropertyDialog.h"
#include "DiagramRecord.h"

#include <atomic>
#include <climits>
#include <cmath>

namespace {

// Selection order of the whole program. A counter, not a clock: two
// selections never share a value.
std::atomic<std::uint64_t> g_selectionCounter{0};

} // namespace

CDiagramEntity::CDiagramEntity() {
    clear();
    m_left = m_right = m_top = m_bottom = -1;
}

CDiagramEntity::~CDiagramEntity() = default;

void CDiagramEntity::clear() {
    setRect(0, 0, 0, 0);
    m_markerSize = CSize(8, 8);
    setConstraints(CSize(1, 1), CSize(-1, -1));
    select(FALSE);
    m_parent = nullptr;
    m_name.Empty();
    touch();
}

std::unique_ptr<CDiagramEntity> CDiagramEntity::clone(BOOL /*keepName*/) const {
    auto copy = std::make_unique<CDiagramEntity>();
    copy->copyFrom(*this);
    return copy;
}

void CDiagramEntity::copyFrom(const CDiagramEntity& other) {
    clear();
    m_markerSize = other.getMarkerSize();
    setConstraints(other.getMinimumSize(), other.getMaximumSize());
    select(other.isSelected());
    m_parent = other.getParent();
    setType(other.getType());
    setTitle(other.getTitle());
    setName(other.getName());
    setRect(other.getLeft(), other.getTop(), other.getRight(), other.getBottom());
    setGroup(other.getGroup());
    m_owner = other.getOwner();
}

BOOL CDiagramEntity::loadFromRecord(const CString& record) {
    CString fields = record;
    const CString type = splitRecordType(fields);
    if (!isOfType(type))
        return FALSE;
    return parseRecordFields(fields);
}

CString CDiagramEntity::getExportLine(int /*format*/) const {
    return CString();
}

bool CDiagramEntity::getClickableArea(ClickableArea& /*area*/) const {
    return false;
}

ClickableArea CDiagramEntity::areaOverRect(const CString& key) const {
    ClickableArea area;
    area.key = key;
    area.left = m_left;
    area.top = m_top;
    area.right = m_right;
    area.bottom = m_bottom;
    return area;
}

CString CDiagramEntity::toRecordLine() const {
    return toRecordString() + ";";
}

void CDiagramEntity::applyDefaultSize() {}

int CDiagramEntity::truncate(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

CRect CDiagramEntity::getRect() const {
    return CRect(truncate(m_left), truncate(m_top), truncate(m_right), truncate(m_bottom));
}

void CDiagramEntity::setRect(double left, double top, double right, double bottom) {
    setLeft(left);
    setTop(top);
    setRight(right);
    setBottom(bottom);
    const CSize minimum = getMinimumSize();
    const CSize maximum = getMaximumSize();
    if (minimum.cx != -1 && getRect().Width() < minimum.cx)
        setRight(getLeft() + minimum.cx);
    if (minimum.cy != -1 && getRect().Height() < minimum.cy)
        setBottom(getTop() + minimum.cy);
    if (maximum.cx != -1 && getRect().Width() > maximum.cx)
        setRight(getLeft() + maximum.cx);
    if (maximum.cy != -1 && getRect().Height() > maximum.cy)
        setBottom(getTop() + maximum.cy);
    if (m_propertyDialog)
        m_propertyDialog->setValues();
}

void CDiagramEntity::setIntRect(CRect rect) {
    rect.NormalizeRect();
    setRect(rect.left, rect.top, rect.right, rect.bottom);
}

void CDiagramEntity::moveRect(double dx, double dy) {
    setRect(m_left + dx, m_top + dy, m_right + dx, m_bottom + dy);
}

void CDiagramEntity::setLeft(double left) {
    m_left = left;
    touch();
}

void CDiagramEntity::setRight(double right) {
    m_right = right;
    touch();
}

void CDiagramEntity::setTop(double top) {
    m_top = top;
    touch();
}

void CDiagramEntity::setBottom(double bottom) {
    m_bottom = bottom;
    touch();
}

void CDiagramEntity::setMinimumSize(CSize size) {
    m_minimumSize = size;
}

CSize CDiagramEntity::getMinimumSize() const {
    return m_minimumSize;
}

void CDiagramEntity::setMaximumSize(CSize size) {
    m_maximumSize = size;
}

CSize CDiagramEntity::getMaximumSize() const {
    return m_maximumSize;
}

void CDiagramEntity::setConstraints(CSize minimum, CSize maximum) {
    setMinimumSize(minimum);
    setMaximumSize(maximum);
}

BOOL CDiagramEntity::isOfType(const CString& type) const {
    return type == m_type;
}

void CDiagramEntity::select(BOOL selected) {
    m_selected = selected;
    if (!selected)
        return;
    m_selectionTime = ++g_selectionCounter;
    if (m_group != 0 && m_parent)
        m_parent->sendCommandToObjects(CMD_SELECT_GROUP, FALSE, this, nullptr);
}

void CDiagramEntity::restoreSelection(BOOL selected, std::uint64_t selectionTime) {
    m_selected = selected;
    m_selectionTime = selectionTime;
}

BOOL CDiagramEntity::isSelected() const {
    return m_selected;
}

BOOL CDiagramEntity::isInsideRect(CRect rect) const {
    CRect own = getRect();
    own.NormalizeRect();
    if (own.Width() == 0)
        own.right = own.left + 1;
    if (own.Height() == 0)
        own.bottom = own.top + 1;
    rect.NormalizeRect();
    CRect common;
    common.IntersectRect(own, rect);
    return common == own;
}

int CDiagramEntity::getHitCodeInRect(CPoint point, CRect rect) const {
    int result = rect.PtInRect(point) ? DEHT_BODY : DEHT_NONE;
    for (int code = DEHT_TOPLEFT; code <= DEHT_RIGHTMIDDLE; ++code)
        if (getSelectionMarkerRect(code, rect).PtInRect(point))
            result = code;
    return result;
}

int CDiagramEntity::getHitCode(CPoint point) const {
    return getHitCodeInRect(point, getRect());
}

int CDiagramEntity::handleCommand(UINT command, CDiagramEntity* sender, EditorWindow* window) {
    const bool inContainer = m_parent && m_selected;
    switch (command) {
    case CMD_CUT:
        if (!inContainer)
            return 0;
        m_parent->cut(this); // deletes this entity
        return 1;
    case CMD_COPY:
        if (!inContainer)
            return 0;
        m_parent->copy(this);
        return 1;
    case CMD_DUPLICATE:
        if (!inContainer)
            return 0;
        m_parent->duplicate(this);
        select(FALSE);
        return 1;
    case CMD_PROPERTIES:
        if (!m_selected)
            return 0;
        showProperties(window, TRUE, 0);
        return 1;
    case CMD_UP:
    case CMD_DOWN:
    case CMD_TO_FRONT:
    case CMD_TO_BACK:
        if (!inContainer)
            return 0;
        if (command == CMD_UP)
            m_parent->moveUp(this);
        else if (command == CMD_DOWN)
            m_parent->moveDown(this);
        else if (command == CMD_TO_FRONT)
            m_parent->moveToFront(this);
        else
            m_parent->moveToBack(this);
        return 1;
    case CMD_SELECT_GROUP:
        // Set directly: no new selection time and no further broadcast, and
        // always 0 so that the broadcast reaches every entity.
        if (sender && sender != this && sender->getGroup() == m_group)
            m_selected = TRUE;
        return 0;
    case CMD_LINK_TO_ITEM:
        if (!m_selected)
            return 0;
        linkToItem(window);
        return 1;
    case CMD_GRAPHICAL_PROPERTIES:
        if (!m_selected)
            return 0;
        editGraphicalProperties(window);
        return 1;
    default:
        return 0;
    }
}

void CDiagramEntity::showProperties(EditorWindow* window, BOOL show, int /*mode*/) {
    if (m_propertyDialogTemplate == 0)
        return;
    if (!show) {
        if (m_propertyDialog && m_propertyDialog->hasWindow())
            m_propertyDialog->show(false);
        return;
    }
    if (!m_propertyDialog) {
        DiagramDialogs* dialogs = DiagramDialogs::current();
        if (!dialogs)
            return;
        m_propertyDialog = dialogs->createPropertyDialog(m_propertyDialogTemplate);
        if (!m_propertyDialog)
            return;
        m_propertyDialog->setEntity(this);
    }
    if (!m_propertyDialog->hasWindow())
        m_propertyDialog->create(m_propertyDialogTemplate, window);
    m_propertyDialog->show(true);
    m_propertyDialog->setValues();
    m_propertyDialog->setFocus();
}

void CDiagramEntity::showGraphicalProperties(EditorWindow* window, BOOL show) {
    showProperties(window, show, 0);
}

DiagramMenu CDiagramEntity::objectMenu() {
    DiagramMenu menu;
    menu.append(CMD_PROPERTIES, "Properties");
    menu.appendSeparator();
    menu.append(CMD_CUT, "Cut");
    menu.append(CMD_COPY, "Copy");
    menu.append(CMD_DUPLICATE, "Duplicate");
    menu.appendSeparator();
    menu.append(CMD_UP, "Up");
    menu.append(CMD_DOWN, "Down");
    menu.append(CMD_TO_FRONT, "To front");
    menu.append(CMD_TO_BACK, "To back");
    return menu;
}

void CDiagramEntity::trackPopupMenu(const DiagramMenu& menu, int x, int y, EditorWindow* window) {
    if (DiagramDialogs* dialogs = DiagramDialogs::current())
        dialogs->trackPopupMenu(menu, x, y, window);
}

void CDiagramEntity::showPopupMenu(int x, int y, EditorWindow* window) {
    trackPopupMenu(objectMenu(), x, y, window);
}

void CDiagramEntity::linkToItem(EditorWindow* /*window*/) {}

void CDiagramEntity::editGraphicalProperties(EditorWindow* /*window*/) {}

void CDiagramEntity::draw(DiagramDC& dc, CRect rect, int /*language*/) {
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(WHITE_BRUSH);
    dc.Rectangle(rect);
}

DiagramCursor CDiagramEntity::getCursor(int hitCode) const {
    switch (hitCode) {
    case DEHT_BODY:
        return DiagramCursor::sizeAll;
    case DEHT_TOPLEFT:
    case DEHT_BOTTOMRIGHT:
        return DiagramCursor::sizeNWSE;
    case DEHT_TOPMIDDLE:
    case DEHT_BOTTOMMIDDLE:
        return DiagramCursor::sizeNS;
    case DEHT_TOPRIGHT:
    case DEHT_BOTTOMLEFT:
        return DiagramCursor::sizeNESW;
    case DEHT_LEFTMIDDLE:
    case DEHT_RIGHTMIDDLE:
        return DiagramCursor::sizeWE;
    default:
        return DiagramCursor::none;
    }
}

void CDiagramEntity::drawObject(DiagramDC& dc, double zoom, int language) {
    setZoom(zoom);
    const CRect rect(truncate(m_left * zoom + 0.5), truncate(m_top * zoom + 0.5),
                     truncate(m_right * zoom + 0.5), truncate(m_bottom * zoom + 0.5));
    draw(dc, rect, language);
    if (m_selected)
        drawSelectionMarkers(dc, rect);
}

CString CDiagramEntity::getTitle() const {
    return m_title;
}

CString CDiagramEntity::getTitleL2() const {
    return m_titleL2;
}

void CDiagramEntity::setTitle(const CString& title) {
    m_title = title;
    touch();
}

void CDiagramEntity::setTitleL2(const CString& title) {
    m_titleL2 = title;
    touch();
}

CString CDiagramEntity::getName() const {
    return m_name;
}

void CDiagramEntity::setName(const CString& name) {
    m_name = name;
    touch();
}

int CDiagramEntity::allowsMultipleLinks() const {
    return m_multipleLinks;
}

void CDiagramEntity::drawSelectionMarkers(DiagramDC& dc, CRect rect) {
    dc.SelectStockObject(BLACK_BRUSH);
    for (int code : {DEHT_TOPLEFT, DEHT_TOPMIDDLE, DEHT_TOPRIGHT, DEHT_BOTTOMLEFT, DEHT_BOTTOMMIDDLE,
                     DEHT_BOTTOMRIGHT, DEHT_RIGHTMIDDLE, DEHT_LEFTMIDDLE})
        dc.Rectangle(getSelectionMarkerRect(code, rect));
}

CRect CDiagramEntity::getSelectionMarkerRect(int hitCode, CRect rect) const {
    const int hx = m_markerSize.cx / 2;
    const int hy = m_markerSize.cy / 2;
    const int middleX = rect.left + (rect.right - rect.left) / 2;
    const int middleY = rect.top + (rect.bottom - rect.top) / 2;
    CPoint centre;
    switch (hitCode) {
    case DEHT_TOPLEFT:
        centre = CPoint(rect.left, rect.top);
        break;
    case DEHT_TOPMIDDLE:
        centre = CPoint(middleX, rect.top);
        break;
    case DEHT_TOPRIGHT:
        centre = CPoint(rect.right, rect.top);
        break;
    case DEHT_BOTTOMLEFT:
        centre = CPoint(rect.left, rect.bottom);
        break;
    case DEHT_BOTTOMMIDDLE:
        centre = CPoint(middleX, rect.bottom);
        break;
    case DEHT_BOTTOMRIGHT:
        centre = CPoint(rect.right, rect.bottom);
        break;
    case DEHT_LEFTMIDDLE:
        centre = CPoint(rect.left, middleY);
        break;
    case DEHT_RIGHTMIDDLE:
        centre = CPoint(rect.right, middleY);
        break;
    default:
        return rect;
    }
    return CRect(centre.x - hx, centre.y - hy, centre.x + hx, centre.y + hy);
}

DiagramRecord::Writer CDiagramEntity::recordWriter() const {
    DiagramRecord::Writer writer(m_type);
    writer.number(m_left).number(m_top).number(m_right).number(m_bottom);
    return writer;
}

void CDiagramEntity::setRectFromRecord(const CTokenizer& parts) {
    setRect(DiagramRecord::readCoordinate(parts.getElement(0)),
            DiagramRecord::readCoordinate(parts.getElement(1)),
            DiagramRecord::readCoordinate(parts.getElement(2)),
            DiagramRecord::readCoordinate(parts.getElement(3)));
}

CString CDiagramEntity::toRecordString() const {
    return recordWriter().text(m_title).text(m_name).integer(m_group).text(m_titleL2).str();
}

CString CDiagramEntity::splitRecordType(CString& text) const {
    return DiagramRecord::splitRecordType(text);
}

BOOL CDiagramEntity::BaseFields::read(const CTokenizer& parts) {
    const int n = parts.getSize();
    if (n < 7)
        return FALSE;
    left = DiagramRecord::readCoordinate(parts.getElement(0));
    top = DiagramRecord::readCoordinate(parts.getElement(1));
    right = DiagramRecord::readCoordinate(parts.getElement(2));
    bottom = DiagramRecord::readCoordinate(parts.getElement(3));
    title = parts.getElement(4);
    name = parts.getElement(5);
    group = DiagramRecord::readGroup(parts.getElement(6));
    titleL2 = n >= 8 ? parts.getElement(7) : CString();
    consumed = n >= 8 ? 8 : 7;
    return TRUE;
}

void CDiagramEntity::BaseFields::apply(CDiagramEntity& entity) const {
    entity.setRect(left, top, right, bottom);
    entity.setTitle(DiagramRecord::unescape(title));
    entity.setTitleL2(DiagramRecord::unescape(titleL2));
    entity.setName(DiagramRecord::unescape(name));
    entity.setGroup(group);
}

BOOL CDiagramEntity::parseRecordFields(CString& fields) {
    DiagramRecord::dropFinalSemicolon(fields);
    const CTokenizer parts(fields, ',');
    BaseFields base;
    if (!base.read(parts))
        return FALSE;
    base.apply(*this);
    fields = parts.joinFrom(base.consumed);
    return TRUE;
}

std::shared_ptr<const CString> CDiagramEntity::recordLine() const {
    return m_recordLine.get([this] { return toRecordLine(); });
}

void CDiagramEntity::shareRecordLine(const std::shared_ptr<const CString>& line) const {
    m_recordLine.share(line, [this] { return toRecordLine(); });
}

void CDiagramEntity::setType(const CString& type) {
    m_type = type;
    touch();
}

void CDiagramEntity::setGroup(int group) {
    m_group = group;
    touch();
}
