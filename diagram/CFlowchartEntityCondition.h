#pragma once

// The decision node ("flowchart_condition"): in kind 0 a small decision or
// merge diamond, in kinds 1-7 a gateway drawn with its marker, the title
// centred below it. Links attach on its four sides, sliding along the
// diamond's edges toward where they head, and a side may carry several.

#include "CFlowchartEntity.h"

class CFlowchartEntityCondition : public CFlowchartEntity {
public:
    // Gateway kinds: 0 decision or merge node; 1 exclusive without marker,
    // 2 exclusive with marker, 3 inclusive, 4 parallel, 5 complex, 6 event
    // based, 7 event based starting a process.
    static constexpr int kDecisionNode = 0;

    CFlowchartEntityCondition();

    static std::unique_ptr<CDiagramEntity> createFromRecord(const CString& record);

    std::unique_ptr<CDiagramEntity> clone(BOOL keepName) const override;
    // Inside the diamond inscribed in the whole rectangle.
    int getHitCode(CPoint point) const override;
    // Opens the graphical properties; the generic dialog is never shown.
    void showProperties(EditorWindow* window, BOOL show, int mode) override;
    void editGraphicalProperties(EditorWindow* window) override;
    void draw(DiagramDC& dc, CRect rect, int language) override;
    CString toRecordString() const override;
    BOOL parseRecordFields(CString& fields) override;
    CPoint getLinkPosition(int side, int towardX = -1, int towardY = -1) const override;

    int getGatewayKind() const { return m_gatewayKind; }
    // Also sets the minimum size of the kind (36 x 32 for a decision node,
    // 37 x 50 for a gateway, whose height it raises to 50 at once).
    void setGatewayKind(int kind);
    // The fill colour's scheme: 0-8 and 10-12.
    int getColorScheme() const { return m_colorScheme; }
    void setColorScheme(int scheme);
    int getRed() const { return m_red; }
    int getGreen() const { return m_green; }
    int getBlue() const { return m_blue; }
    void setColor(int red, int green, int blue);
    int getFontSize() const { return m_fontSize; }
    void setFontSize(int size);
    CString getFontName() const { return m_fontName; }
    void setFontName(const CString& name);
    int getBold() const { return m_bold; }
    void setBold(int bold);

    // The fill of a colour scheme (white for a scheme outside the table).
    static COLORREF schemeColor(int scheme);
    // Half the size of the drawn diamond: 6 for a decision node, 18 for a gateway.
    int halfSize() const;

private:
    int m_gatewayKind = kDecisionNode;
    int m_colorScheme = 3;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    int m_fontSize = 12;
    CString m_fontName = "Arial";
    int m_bold = 1;
};
