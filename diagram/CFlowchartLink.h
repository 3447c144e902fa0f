#pragma once

// A link between two linkable entities of a flowchart, which it names by
// their unique names, never by pointer, so that it survives copies, undo
// and reloading. It holds the side it attaches to at each end, up to two
// bend points, a routing mode, a notation kind and a label in each content
// language with the label's font, colour and place. It is one record line
// of the diagram file, which it keeps until it changes, as entities do.

#include "CPoint.h"
#include "CString.h"
#include "KeptRecordLine.h"
#include "WinTypes.h"

#include <memory>

class CFlowchartLink {
public:
    // Notation kinds.
    static constexpr int kSequenceFlow = 0;
    static constexpr int kMessageFlow = 1;
    static constexpr int kAssociation = 2;
    static constexpr int kDefaultSequenceFlow = 3;
    static constexpr int kConditionalSequenceFlow = 4;
    static constexpr int kMessageFlowWithMessage = 5;
    static constexpr int kMessageFlowWithNonInitiatingMessage = 6;
    static constexpr int kDirectionalAssociation = 7;
    static constexpr int kBidirectionalAssociation = 8;
    static constexpr int kOrganisationalChartLink = 9;
    static constexpr int kConversation = 10;
    // The bend points a link holds at most.
    static constexpr int kMaxPoints = 2;

    CFlowchartLink() = default;
    virtual ~CFlowchartLink() = default;
    CFlowchartLink(const CFlowchartLink&) = delete;
    CFlowchartLink& operator=(const CFlowchartLink&) = delete;

    // The record line, with its final ";".
    virtual CString toRecordString() const;
    // The same link, unselected and with no bend point marked; keepName is
    // not used.
    virtual std::unique_ptr<CFlowchartLink> clone(BOOL keepName = TRUE) const;
    // Reads a record line into the link; FALSE, and the link as it was (but
    // no longer new), for a line that is no link record.
    virtual BOOL loadFromRecord(const CString& line);
    virtual void setSelected(BOOL selected) { m_selected = selected; }
    virtual BOOL isSelected() const { return m_selected; }
    // Appends a bend point; a third one is refused with a message.
    virtual void addIntermediaryPoint(CPoint point);

    // Bend point 0 or 1; (0, 0) for an index not in use.
    CPoint getIntermediaryPoint(int index) const;
    // Moves bend point 0 or 1 when it is in use.
    void setIntermediaryPoint(int index, CPoint point);
    int getPointCount() const { return m_pointCount; }
    // No bend point in use (the slots keep their coordinates, and the record
    // still writes them).
    void clearIntermediaryPoints();
    // The same polyline the other way: names and sides exchanged, and the two
    // bend points when there are two.
    void flip();
    BOOL isFirstPointSelected() const { return m_pointCount > 0 && m_firstPointSelected; }
    BOOL isSecondPointSelected() const { return m_pointCount > 1 && m_secondPointSelected; }
    void setFirstPointSelected(BOOL selected);
    void setSecondPointSelected(BOOL selected);

    int getFromSide() const { return m_fromSide; }
    void setFromSide(int side);
    int getToSide() const { return m_toSide; }
    void setToSide(int side);
    CString getFromName() const { return m_fromName; }
    void setFromName(const CString& name);
    CString getToName() const { return m_toName; }
    void setToName(const CString& name);
    CString getLabel() const { return m_label; }
    void setLabel(const CString& label);
    CString getLabelL2() const { return m_labelL2; }
    void setLabelL2(const CString& label);
    // 0-6, the editor's routing modes.
    int getRoutingMode() const { return m_routingMode; }
    void setRoutingMode(int mode);
    // The segment of the drawn polyline that carries the label: 1, 2 or 3.
    int getLabelSegment() const { return m_labelSegment; }
    void setLabelSegment(int segment);
    // 0 top, 1 bottom, -1 neither.
    int getLabelVerticalPosition() const { return m_labelVerticalPosition; }
    void setLabelVerticalPosition(int position);
    // 0 left, 1 right, -1 neither.
    int getLabelHorizontalPosition() const { return m_labelHorizontalPosition; }
    void setLabelHorizontalPosition(int position);
    int getLinkKind() const { return m_linkKind; }
    void setLinkKind(int kind);
    int getFontSize() const { return m_fontSize; }
    void setFontSize(int size);
    CString getFontName() const { return m_fontName; }
    void setFontName(const CString& name);
    int getTextRed() const { return m_textRed; }
    int getTextGreen() const { return m_textGreen; }
    int getTextBlue() const { return m_textBlue; }
    void setTextColor(int red, int green, int blue);
    int isBold() const { return m_bold; }
    void setBold(int bold);
    // Made and its properties not yet confirmed.
    int isNew() const { return m_isNewLink; }
    void setNew(int isNew) { m_isNewLink = isNew; }

    // The record line the link writes now, kept until the link changes.
    std::shared_ptr<const CString> recordLine() const;
    // Keeps line as the link's record line when it is the line the link writes.
    void shareRecordLine(const std::shared_ptr<const CString>& line) const;

private:
    void touch() { m_recordLine.reset(); }

    int m_fromSide = 0;
    int m_toSide = 0;
    CString m_label;
    CString m_labelL2;
    CString m_fromName;
    CString m_toName;
    int m_routingMode = 0;
    int m_labelSegment = 1;
    int m_labelVerticalPosition = 1;
    int m_labelHorizontalPosition = 1;
    int m_pointCount = 0;
    CPoint m_points[kMaxPoints];
    int m_firstPointSelected = 0;
    int m_secondPointSelected = 0;
    int m_linkKind = kSequenceFlow;
    int m_fontSize = 12;
    CString m_fontName = "Arial";
    int m_textRed = 0;
    int m_textGreen = 0;
    int m_textBlue = 0;
    int m_bold = 0;
    int m_isNewLink = 1;
    int m_selected = 0;
    KeptRecordLine m_recordLine;
};
