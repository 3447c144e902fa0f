#pragma once

// A free straight line on a diagram, with its colour, pen style, pen width
// and an arrowhead at either end. Its start is (left, top) and its end
// (right, bottom) of the entity rectangle, which keeps the order in which
// the user drew them: the line never normalises it. Links cannot attach to
// it and it has no unique name of its own.

#include "CDiagramEntity.h"

class CDiagramLine : public CDiagramEntity {
public:
    // Arrowheads.
    static constexpr int kNoArrow = 0;
    static constexpr int kFilledArrow = 1;
    static constexpr int kOpenArrow = 2;

    CDiagramLine();

    static std::unique_ptr<CDiagramEntity> createFromRecord(const CString& record);

    std::unique_ptr<CDiagramEntity> clone(BOOL keepName) const override;
    // Stores the four values as they are: no normalising, no constraints.
    void setIntRect(CRect rect) override;
    int getHitCodeInRect(CPoint point, CRect rect) const override;
    int getHitCode(CPoint point) const override;
    // Runs the modal line property dialog.
    void showProperties(EditorWindow* window, BOOL show, int mode) override;
    void draw(DiagramDC& dc, CRect rect, int language) override;
    DiagramCursor getCursor(int hitCode) const override;
    void drawSelectionMarkers(DiagramDC& dc, CRect rect) override;
    CString toRecordString() const override;
    BOOL parseRecordFields(CString& fields) override;

    int getRed() const { return m_red; }
    int getGreen() const { return m_green; }
    int getBlue() const { return m_blue; }
    void setColor(int red, int green, int blue);
    // A pen style of the painter: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot.
    int getPenStyle() const { return m_penStyle; }
    void setPenStyle(int style);
    // In device pixels; 0 draws no line.
    int getPenWidth() const { return m_penWidth; }
    void setPenWidth(int width);
    int getStartArrow() const { return m_startArrow; }
    void setStartArrow(int arrow);
    int getEndArrow() const { return m_endArrow; }
    void setEndArrow(int arrow);

private:
    // The arrowhead at p of the segment from q to p.
    void drawArrow(DiagramDC& dc, CPoint p, CPoint q, int kind) const;
    // Whether a pixel of the segment, walked from its first corner to its
    // second, lies within 1 of the point on both axes.
    static bool segmentNear(CPoint from, CPoint to, CPoint point);

    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    int m_penStyle = 0;
    int m_penWidth = 1;
    int m_startArrow = 0;
    int m_endArrow = 0;
};
