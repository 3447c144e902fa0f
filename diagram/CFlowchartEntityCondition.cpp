#include "CFlowchartEntityCondition.h"

#include "CTokenizer.h"
#include "DiagramDC.h"
#include "DiagramDialogs.h"
#include "GatewayMarker.h"
#include "PolygonRegion.h"
#include "StringTable.h"

CFlowchartEntityCondition::CFlowchartEntityCondition() {
    setConstraints(CSize(36, 32), CSize(-1, -1));
    setType("flowchart_condition");
    setTitle(loadString(61515));
    setMarkerSize(CSize(6, 6));
    setMultipleLinks(1);
}

std::unique_ptr<CDiagramEntity> CFlowchartEntityCondition::createFromRecord(const CString& record) {
    return createEntityFromRecord<CFlowchartEntityCondition>(record);
}

std::unique_ptr<CDiagramEntity> CFlowchartEntityCondition::clone(BOOL keepName) const {
    auto copy = cloneAs<CFlowchartEntityCondition>(keepName);
    copy->setTitleL2(getTitleL2());
    copy->setGatewayKind(m_gatewayKind);
    copy->setColorScheme(m_colorScheme);
    copy->setColor(m_red, m_green, m_blue);
    copy->setFontSize(m_fontSize);
    copy->setFontName(m_fontName);
    copy->setBold(m_bold);
    return copy;
}

COLORREF CFlowchartEntityCondition::schemeColor(int scheme) {
    switch (scheme) {
    case 0:
        return RGB(255, 200, 175);
    case 1:
        return RGB(205, 235, 220);
    case 2:
        return RGB(205, 250, 170);
    case 3:
        return RGB(240, 235, 225);
    case 4:
        return RGB(255, 215, 125);
    case 5:
        return RGB(250, 185, 195);
    case 6:
        return RGB(255, 255, 200);
    case 7:
        return RGB(255, 220, 240);
    case 10:
        return RGB(254, 252, 230);
    case 11:
        return RGB(240, 247, 255);
    case 12:
        return RGB(255, 235, 215);
    default:
        return RGB(255, 255, 255);
    }
}

int CFlowchartEntityCondition::halfSize() const {
    return m_gatewayKind == kDecisionNode ? 6 : 18;
}

int CFlowchartEntityCondition::getHitCode(CPoint point) const {
    const CRect rect = getRect();
    if (!rect.PtInRect(point))
        return DEHT_NONE;
    const int cx = rect.left + (rect.right - rect.left) / 2;
    const int my = rect.top + (rect.bottom - rect.top) / 2;
    const CPoint diamond[] = {{rect.left, my}, {cx, rect.top}, {rect.right, my}, {cx, rect.bottom}};
    return PolygonRegion(diamond, 4).PtInRegion(point) ? DEHT_BODY : DEHT_NONE;
}

void CFlowchartEntityCondition::showProperties(EditorWindow* window, BOOL show, int /*mode*/) {
    if (show)
        editGraphicalProperties(window);
}

void CFlowchartEntityCondition::editGraphicalProperties(EditorWindow* window) {
    if (DiagramDialogs* dialogs = DiagramDialogs::current())
        dialogs->editGatewayProperties(*this, window);
}

// Sizes here keep their pixels at every zoom: only the rectangle grows.
void CFlowchartEntityCondition::draw(DiagramDC& dc, CRect rect, int language) {
    const int saved = dc.SaveDC();
    const int h = halfSize();
    const int cx = (rect.left + rect.right) / 2;
    dc.SelectStockObject(BLACK_PEN);
    const CBrush before = dc.SelectObject(CBrush(schemeColor(m_colorScheme)));
    const CPoint diamond[] = {
        {cx - h, rect.top + h}, {cx, rect.top}, {cx + h, rect.top + h}, {cx, rect.top + 2 * h}};
    dc.Polygon(diamond, 4);
    dc.SelectObject(before);

    // The marker's black lines over the fill; its transparent pixels leave the fill.
    if (m_gatewayKind >= GatewayMarker::kFirstKind && m_gatewayKind <= GatewayMarker::kLastKind)
        dc.DrawPicture(rect.left + (rect.Width() - GatewayMarker::kSize) / 2, rect.top,
                       GatewayMarker::picture(m_gatewayKind));

    const CFont font{.height = m_fontSize, .weight = m_bold ? FW_BOLD : FW_NORMAL, .face = m_fontName};
    const CFont fontBefore = dc.SelectObject(font);
    const int bkModeBefore = dc.SetBkMode(TRANSPARENT);
    const CString text = language == 0 ? getTitle() : getTitleL2();
    int width = dc.GetTextExtent(text).cx;
    if (width > rect.Width())
        width = rect.Width();
    const int offset = (rect.Width() - width) / 2;
    const COLORREF colorBefore = dc.SetTextColor(RGB(m_red, m_green, m_blue));
    const int textTop = rect.top + (m_gatewayKind == kDecisionNode ? 16 : 40);
    dc.DrawText(text, CRect(rect.left + offset, textTop, rect.right - offset, rect.bottom),
                DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    dc.SelectObject(fontBefore);
    dc.SetTextColor(colorBefore);
    dc.SetBkMode(bkModeBefore);

    if (isSelected()) {
        dc.SelectObject(CBrush(RGB(255, 255, 128)));
        dc.Rectangle(cx - h - 3, rect.top + h - 3, cx - h + 3, rect.top + h + 3);
        dc.Rectangle(cx + h - 3, rect.top + h - 3, cx + h + 3, rect.top + h + 3);
    }
    dc.RestoreDC(saved);
}

CString CFlowchartEntityCondition::toRecordString() const {
    return recordWriter()
        .text(getTitle())
        .text(getName())
        .integer(getGroup())
        .text(getTitleL2())
        .integer(m_gatewayKind)
        .integer(m_colorScheme)
        .integer(m_red)
        .integer(m_green)
        .integer(m_blue)
        .integer(m_fontSize)
        .plain(m_fontName)
        .integer(m_bold)
        .str();
}

// The base record, then (in records made since the gateways) kind, scheme,
// text colour, font size, font name and bold; a record without them is a
// decision node of the first look: scheme 3, black 12 "Arial", not bold.
BOOL CFlowchartEntityCondition::parseRecordFields(CString& fields) {
    DiagramRecord::dropFinalSemicolon(fields);
    const CTokenizer parts(fields, ',');
    BaseFields base;
    if (!base.read(parts))
        return FALSE;
    int consumed = base.consumed;
    if (parts.getSize() >= 9) {
        auto number = [&](int index) { return DiagramRecord::readInt(parts.getElement(index)); };
        setGatewayKind(number(8));
        setColorScheme(number(9));
        setColor(number(10), number(11), number(12));
        setFontSize(number(13));
        setFontName(parts.getElement(14));
        setBold(number(15));
        consumed = 16;
    } else {
        setGatewayKind(kDecisionNode);
        setColorScheme(3);
        setColor(0, 0, 0);
        setFontSize(12);
        setFontName("Arial");
        setBold(0);
    }
    base.apply(*this);
    fields = parts.joinFrom(consumed);
    return TRUE;
}

CPoint CFlowchartEntityCondition::getLinkPosition(int side, int towardX, int towardY) const {
    const CRect rect = getRect();
    const int h = halfSize();
    const int s = h / 3;
    const int cx = (rect.left + rect.right) / 2;
    CPoint vertex;
    int toward = 0;
    int compared = 0;
    // The points more than 20 beyond the vertex (greater) and before it (smaller).
    CPoint beyond;
    CPoint before;
    switch (side) {
    case LINK_LEFT:
        vertex = CPoint(cx - h, rect.top + h);
        toward = towardY;
        compared = vertex.y;
        beyond = CPoint(vertex.x + s, vertex.y + s);
        before = CPoint(vertex.x + s, vertex.y - s);
        break;
    case LINK_RIGHT:
        vertex = CPoint(cx + h, rect.top + h);
        toward = towardY;
        compared = vertex.y;
        beyond = CPoint(vertex.x - s, vertex.y + s);
        before = CPoint(vertex.x - s, vertex.y - s);
        break;
    case LINK_TOP:
        vertex = CPoint(cx, rect.top);
        toward = towardX;
        compared = vertex.x;
        beyond = CPoint(vertex.x + s, vertex.y + s);
        before = CPoint(vertex.x - s, vertex.y + s);
        break;
    case LINK_BOTTOM:
        if (getTitle().IsEmpty() || getTitle() == " ") {
            vertex = CPoint(cx, rect.top + 2 * h);
            beyond = CPoint(vertex.x + s, vertex.y - s);
            before = CPoint(vertex.x - s, vertex.y - s);
        } else {
            // Below the text.
            vertex = CPoint(cx, rect.bottom);
            beyond = CPoint(vertex.x + s, vertex.y);
            before = CPoint(vertex.x - s, vertex.y);
        }
        toward = towardX;
        compared = vertex.x;
        break;
    default:
        return CPoint(-1, -1);
    }
    if (toward == -1)
        return vertex;
    if (toward > compared + 20)
        return beyond;
    if (toward < compared - 20)
        return before;
    return vertex;
}

void CFlowchartEntityCondition::setGatewayKind(int kind) {
    m_gatewayKind = kind;
    touch();
    if (kind == kDecisionNode) {
        setConstraints(CSize(36, 32), CSize(-1, -1));
        return;
    }
    setConstraints(CSize(37, 50), CSize(-1, -1));
    if (getBottom() - getTop() < 50)
        setBottom(getTop() + 50);
}

void CFlowchartEntityCondition::setColorScheme(int scheme) {
    m_colorScheme = scheme;
    touch();
}

void CFlowchartEntityCondition::setColor(int red, int green, int blue) {
    m_red = red;
    m_green = green;
    m_blue = blue;
    touch();
}

void CFlowchartEntityCondition::setFontSize(int size) {
    m_fontSize = size;
    touch();
}

void CFlowchartEntityCondition::setFontName(const CString& name) {
    m_fontName = name;
    touch();
}

void CFlowchartEntityCondition::setBold(int bold) {
    m_bold = bold;
    touch();
}
