#pragma once

// What the box and the circle share: a fill colour and an outline of chosen
// colour, pen style and width, edited in the modal "Box Property" dialog.
// Links never attach to them.

#include "CFlowchartEntity.h"

class CFlowchartGeometricForm : public CFlowchartEntity {
public:
    CFlowchartGeometricForm() = default;

    int getAllowedLinks() const override;
    void showProperties(EditorWindow* window, BOOL show, int mode) override;
    // The record of the box and the circle: type, left, top, right, bottom,
    // name, group, fill colour, line colour, line style, line width (older
    // records end after the line colour: solid, one pixel).
    CString toRecordString() const override;
    BOOL parseRecordFields(CString& fields) override;

    int getFillRed() const { return m_fillRed; }
    int getFillGreen() const { return m_fillGreen; }
    int getFillBlue() const { return m_fillBlue; }
    void setFillColor(int red, int green, int blue);
    int getLineRed() const { return m_lineRed; }
    int getLineGreen() const { return m_lineGreen; }
    int getLineBlue() const { return m_lineBlue; }
    void setLineColor(int red, int green, int blue);
    // A pen style of the painter, 0 solid.
    int getLineStyle() const { return m_lineStyle; }
    void setLineStyle(int style);
    // In device pixels, not scaled by the zoom; 0 draws no outline.
    int getLineWidth() const { return m_lineWidth; }
    void setLineWidth(int width);

protected:
    // The eight graphical values of another shape.
    void copyGraphicsFrom(const CFlowchartGeometricForm& other);
    // Fill and outline selected, background transparent, for the shape's
    // drawing; the caller restores the painter's state.
    void selectGraphics(DiagramDC& dc) const;

private:
    int m_fillRed = 255;
    int m_fillGreen = 255;
    int m_fillBlue = 255;
    int m_lineRed = 0;
    int m_lineGreen = 0;
    int m_lineBlue = 0;
    int m_lineStyle = 0;
    int m_lineWidth = 1;
};
