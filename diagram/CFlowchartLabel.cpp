#include "CFlowchartLabel.h"

#include "CTokenizer.h"
#include "DiagramDC.h"
#include "DiagramDialogs.h"

CFlowchartLabel::CFlowchartLabel() {
    setConstraints(CSize(24, 12), CSize(-1, -1));
    setType("flowchart_label");
    setPropertyDialogTemplate(kLabelPropertyDialogTemplate);
    setTitle("text");
}

std::unique_ptr<CDiagramEntity> CFlowchartLabel::createFromRecord(const CString& record) {
    return createEntityFromRecord<CFlowchartLabel>(record);
}

std::unique_ptr<CDiagramEntity> CFlowchartLabel::clone(BOOL keepName) const {
    auto copy = cloneAs<CFlowchartLabel>(keepName);
    copy->setColor(m_red, m_green, m_blue);
    copy->setFontName(m_fontName);
    copy->setFontSize(m_fontSize);
    copy->setTitleL2(getTitleL2());
    copy->setBold(m_bold);
    copy->setItalic(m_italic);
    copy->setUnderline(m_underline);
    copy->setAlignment(m_alignment);
    copy->setFrame(m_frame);
    return copy;
}

void CFlowchartLabel::draw(DiagramDC& dc, CRect rect, int language) {
    const int saved = dc.SaveDC();
    dc.SelectStockObject(WHITE_BRUSH);
    dc.SetTextColor(RGB(m_red, m_green, m_blue));
    dc.SelectObject(CFont{.height = m_fontSize,
                          .weight = m_bold ? FW_BOLD : FW_NORMAL,
                          .italic = static_cast<BYTE>(m_italic ? 1 : 0),
                          .underline = static_cast<BYTE>(m_underline ? 1 : 0),
                          .face = m_fontName});
    dc.SetBkMode(TRANSPARENT);
    CRect textRect = rect;
    if (m_frame)
        textRect.DeflateRect(8, 2, 0, 2);
    UINT format = DT_LEFT;
    if (m_alignment == kCentre)
        format = DT_CENTER;
    else if (m_alignment == kRight)
        format = DT_RIGHT;
    dc.DrawText(language == 0 ? getTitle() : getTitleL2(), textRect, format | DT_WORDBREAK | DT_NOPREFIX);
    dc.RestoreDC(saved);
    if (m_frame) {
        dc.MoveTo(rect.left + 15, rect.top);
        dc.LineTo(rect.left, rect.top);
        dc.LineTo(rect.left, rect.bottom);
        dc.LineTo(rect.left + 15, rect.bottom);
    }
}

CString CFlowchartLabel::toRecordString() const {
    return recordWriter()
        .text(getName())
        .integer(getGroup())
        .integer(m_red)
        .integer(m_green)
        .integer(m_blue)
        .integer(m_fontSize)
        .plain(m_fontName)
        .text(getTitle())
        .text(getTitleL2())
        .integer(m_bold)
        .integer(m_italic)
        .integer(m_underline)
        .integer(m_alignment)
        .integer(m_frame)
        .str();
}

// Older records end after the title, after titleL2, or after the font
// styles; the alignment and the frame then keep their values.
BOOL CFlowchartLabel::parseRecordFields(CString& fields) {
    DiagramRecord::dropFinalSemicolon(fields);
    const CTokenizer parts(fields, ',');
    const int n = parts.getSize();
    if (n < 11)
        return FALSE;
    auto number = [&](int index) { return DiagramRecord::readInt(parts.getElement(index)); };
    int consumed = n >= 13 ? 13 : 12;
    const CString titleL2 = n >= 13 ? parts.getElement(12) : CString();
    if (n >= 16) {
        setBold(number(13));
        setItalic(number(14));
        setUnderline(number(15));
        consumed = 16;
    } else {
        setBold(0);
        setItalic(0);
        setUnderline(0);
    }
    if (n >= 18) {
        setAlignment(number(16));
        setFrame(number(17));
        consumed = 18;
    }
    setRectFromRecord(parts);
    setColor(number(6), number(7), number(8));
    setFontName(parts.getElement(10));
    setFontSize(number(9));
    setTitle(DiagramRecord::unescape(parts.getElement(11)));
    setTitleL2(DiagramRecord::unescape(titleL2));
    setName(DiagramRecord::unescape(parts.getElement(4)));
    setGroup(DiagramRecord::readGroup(parts.getElement(5)));
    fields = parts.joinFrom(consumed);
    return TRUE;
}

void CFlowchartLabel::setColor(int red, int green, int blue) {
    m_red = red;
    m_green = green;
    m_blue = blue;
    touch();
}

void CFlowchartLabel::setFontSize(int size) {
    m_fontSize = size;
    touch();
}

void CFlowchartLabel::setFontName(const CString& name) {
    m_fontName = name;
    touch();
}

void CFlowchartLabel::setBold(int bold) {
    m_bold = bold;
    touch();
}

void CFlowchartLabel::setItalic(int italic) {
    m_italic = italic;
    touch();
}

void CFlowchartLabel::setUnderline(int underline) {
    m_underline = underline;
    touch();
}

void CFlowchartLabel::setFrame(int frame) {
    m_frame = frame;
    touch();
}

void CFlowchartLabel::setAlignment(int alignment) {
    m_alignment = alignment;
    touch();
}
