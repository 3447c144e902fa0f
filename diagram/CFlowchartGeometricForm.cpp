#include "CFlowchartGeometricForm.h"

#include "CTokenizer.h"
#include "DiagramDC.h"
#include "DiagramDialogs.h"
#include "DiagramRecord.h"
#include "EntityPen.h"

int CFlowchartGeometricForm::getAllowedLinks() const {
    return 0;
}

void CFlowchartGeometricForm::showProperties(EditorWindow* window, BOOL show, int /*mode*/) {
    if (!show)
        return;
    if (DiagramDialogs* dialogs = DiagramDialogs::current())
        dialogs->editBoxProperties(*this, window);
}

void CFlowchartGeometricForm::copyGraphicsFrom(const CFlowchartGeometricForm& other) {
    setFillColor(other.m_fillRed, other.m_fillGreen, other.m_fillBlue);
    setLineColor(other.m_lineRed, other.m_lineGreen, other.m_lineBlue);
    setLineStyle(other.m_lineStyle);
    setLineWidth(other.m_lineWidth);
}

void CFlowchartGeometricForm::selectGraphics(DiagramDC& dc) const {
    const COLORREF line = RGB(m_lineRed, m_lineGreen, m_lineBlue);
    dc.SelectObject(CBrush(RGB(m_fillRed, m_fillGreen, m_fillBlue)));
    dc.SelectObject(entityPen(m_lineStyle, m_lineWidth, line));
    dc.SetBkMode(TRANSPARENT);
}

CString CFlowchartGeometricForm::toRecordString() const {
    return recordWriter()
        .text(getName())
        .integer(getGroup())
        .integer(m_fillRed)
        .integer(m_fillGreen)
        .integer(m_fillBlue)
        .integer(m_lineRed)
        .integer(m_lineGreen)
        .integer(m_lineBlue)
        .integer(m_lineStyle)
        .integer(m_lineWidth)
        .str();
}

BOOL CFlowchartGeometricForm::parseRecordFields(CString& fields) {
    DiagramRecord::dropFinalSemicolon(fields);
    const CTokenizer parts(fields, ',');
    const int n = parts.getSize();
    if (n < 12)
        return FALSE;
    auto number = [&](int index) { return DiagramRecord::readInt(parts.getElement(index)); };
    const bool lineStyle = n >= 14;
    setRectFromRecord(parts);
    setName(DiagramRecord::unescape(parts.getElement(4)));
    setGroup(DiagramRecord::readGroup(parts.getElement(5)));
    setFillColor(number(6), number(7), number(8));
    setLineColor(number(9), number(10), number(11));
    setLineStyle(lineStyle ? number(12) : 0);
    setLineWidth(lineStyle ? number(13) : 1);
    fields = parts.joinFrom(lineStyle ? 14 : 12);
    return TRUE;
}

void CFlowchartGeometricForm::setFillColor(int red, int green, int blue) {
    m_fillRed = red;
    m_fillGreen = green;
    m_fillBlue = blue;
    touch();
}

void CFlowchartGeometricForm::setLineColor(int red, int green, int blue) {
    m_lineRed = red;
    m_lineGreen = green;
    m_lineBlue = blue;
    touch();
}

void CFlowchartGeometricForm::setLineStyle(int style) {
    m_lineStyle = style;
    touch();
}

void CFlowchartGeometricForm::setLineWidth(int width) {
    m_lineWidth = width;
    touch();
}
