#include "CFlowchartLink.h"

#include "CTokenizer.h"
#include "DiagramRecord.h"
#include "StringTable.h"
#include "UserInterface.h"

#include <algorithm>
#include <utility>

namespace {

// A bend point coordinate: a double of the record truncated to whole units.
int readPointCoordinate(const CString& text) {
    return static_cast<int>(DiagramRecord::readClampedDouble(text));
}

} // namespace

CString CFlowchartLink::toRecordString() const {
    return DiagramRecord::Writer("flowchart_link")
        .integer(m_fromSide)
        .integer(m_toSide)
        .text(m_label)
        .plain(m_fromName)
        .plain(m_toName)
        .integer(m_pointCount)
        .number(m_points[0].x)
        .number(m_points[0].y)
        .number(m_points[1].x)
        .number(m_points[1].y)
        .integer(m_routingMode)
        .text(m_labelL2)
        .integer(m_labelSegment)
        .integer(m_labelVerticalPosition)
        .integer(m_labelHorizontalPosition)
        .integer(m_linkKind)
        .integer(m_fontSize)
        .plain(m_fontName)
        .integer(m_textRed)
        .integer(m_textGreen)
        .integer(m_textBlue)
        .integer(m_bold)
        .end()
        .str();
}

std::unique_ptr<CFlowchartLink> CFlowchartLink::clone(BOOL /*keepName*/) const {
    auto copy = std::make_unique<CFlowchartLink>();
    copy->m_fromName = m_fromName;
    copy->m_toName = m_toName;
    copy->m_label = m_label;
    copy->m_labelL2 = m_labelL2;
    copy->m_fromSide = m_fromSide;
    copy->m_toSide = m_toSide;
    copy->m_points[0] = m_points[0];
    copy->m_points[1] = m_points[1];
    copy->m_routingMode = m_routingMode;
    copy->m_pointCount = m_pointCount;
    copy->m_labelSegment = m_labelSegment;
    copy->m_labelVerticalPosition = m_labelVerticalPosition;
    copy->m_labelHorizontalPosition = m_labelHorizontalPosition;
    copy->m_linkKind = m_linkKind;
    copy->m_fontSize = m_fontSize;
    copy->m_fontName = m_fontName;
    copy->m_textRed = m_textRed;
    copy->m_textGreen = m_textGreen;
    copy->m_textBlue = m_textBlue;
    copy->m_bold = m_bold;
    copy->m_isNewLink = m_isNewLink;
    return copy;
}

// Older records end after the routing mode (11 fields), after the
// second-language label (12) or after the label's place (15); what they do
// not hold keeps its value.
BOOL CFlowchartLink::loadFromRecord(const CString& line) {
    m_isNewLink = 0;
    CString fields = line;
    if (DiagramRecord::splitRecordType(fields) != "flowchart_link")
        return FALSE;
    DiagramRecord::dropFinalSemicolon(fields);
    const CTokenizer parts(fields, ',');
    const int n = parts.getSize();
    if (n < 11)
        return FALSE;
    auto number = [&](int index) { return DiagramRecord::readInt(parts.getElement(index)); };
    m_fromSide = number(0);
    m_toSide = number(1);
    m_label = DiagramRecord::unescape(parts.getElement(2));
    m_fromName = parts.getElement(3);
    m_toName = parts.getElement(4);
    // Two slots hold the bend points: a count beyond them is held at 2.
    m_pointCount = std::clamp(number(5), 0, kMaxPoints);
    for (int i = 0; i < kMaxPoints; ++i)
        m_points[i] = CPoint(readPointCoordinate(parts.getElement(6 + 2 * i)),
                             readPointCoordinate(parts.getElement(7 + 2 * i)));
    m_routingMode = number(10);
    m_labelL2 = n >= 12 ? DiagramRecord::unescape(parts.getElement(11)) : CString();
    m_labelSegment = n >= 13 ? number(12) : 1;
    m_labelVerticalPosition = n >= 13 ? number(13) : 1;
    m_labelHorizontalPosition = n >= 13 ? number(14) : 1;
    if (n >= 16) {
        m_linkKind = number(15);
        m_fontSize = number(16);
        m_fontName = parts.getElement(17);
        m_textRed = number(18);
        m_textGreen = number(19);
        m_textBlue = number(20);
        m_bold = number(21);
    }
    touch();
    return TRUE;
}

void CFlowchartLink::addIntermediaryPoint(CPoint point) {
    if (m_pointCount >= kMaxPoints) {
        ui::AfxMessageBox(loadString(33027), MB_OK);
        return;
    }
    m_points[m_pointCount++] = point;
    touch();
}

CPoint CFlowchartLink::getIntermediaryPoint(int index) const {
    if (index < 0 || index >= m_pointCount)
        return CPoint(0, 0);
    return m_points[index];
}

void CFlowchartLink::setIntermediaryPoint(int index, CPoint point) {
    if (index < 0 || index >= m_pointCount)
        return;
    m_points[index] = point;
    touch();
}

void CFlowchartLink::clearIntermediaryPoints() {
    m_pointCount = 0;
    touch();
}

void CFlowchartLink::flip() {
    std::swap(m_fromName, m_toName);
    std::swap(m_fromSide, m_toSide);
    if (m_pointCount == 2)
        std::swap(m_points[0], m_points[1]);
    touch();
}

void CFlowchartLink::setFirstPointSelected(BOOL selected) {
    if (m_pointCount > 0)
        m_firstPointSelected = selected;
}

void CFlowchartLink::setSecondPointSelected(BOOL selected) {
    if (m_pointCount > 1)
        m_secondPointSelected = selected;
}

void CFlowchartLink::setFromSide(int value) {
    m_fromSide = value;
    touch();
}

void CFlowchartLink::setToSide(int value) {
    m_toSide = value;
    touch();
}

void CFlowchartLink::setFromName(const CString& value) {
    m_fromName = value;
    touch();
}

void CFlowchartLink::setToName(const CString& value) {
    m_toName = value;
    touch();
}

void CFlowchartLink::setLabel(const CString& value) {
    m_label = value;
    touch();
}

void CFlowchartLink::setLabelL2(const CString& value) {
    m_labelL2 = value;
    touch();
}

void CFlowchartLink::setRoutingMode(int value) {
    m_routingMode = value;
    touch();
}

void CFlowchartLink::setLabelSegment(int value) {
    m_labelSegment = value;
    touch();
}

void CFlowchartLink::setLabelVerticalPosition(int value) {
    m_labelVerticalPosition = value;
    touch();
}

void CFlowchartLink::setLabelHorizontalPosition(int value) {
    m_labelHorizontalPosition = value;
    touch();
}

void CFlowchartLink::setLinkKind(int value) {
    m_linkKind = value;
    touch();
}

void CFlowchartLink::setFontSize(int value) {
    m_fontSize = value;
    touch();
}

void CFlowchartLink::setFontName(const CString& value) {
    m_fontName = value;
    touch();
}

void CFlowchartLink::setBold(int value) {
    m_bold = value;
    touch();
}

void CFlowchartLink::setTextColor(int red, int green, int blue) {
    m_textRed = red;
    m_textGreen = green;
    m_textBlue = blue;
    touch();
}

std::shared_ptr<const CString> CFlowchartLink::recordLine() const {
    return m_recordLine.get([this] { return toRecordString(); });
}

void CFlowchartLink::shareRecordLine(const std::shared_ptr<const CString>& line) const {
    m_recordLine.share(line, [this] { return toRecordString(); });
}
