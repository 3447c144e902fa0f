#pragma once

// The flowchart label ("flowchart_label"): free text for annotations, with
// its own font, colour and alignment and an optional bracket on its left.
// A new label opens its modeless property dialog at once.

#include "CFlowchartEntity.h"

class CFlowchartLabel : public CFlowchartEntity {
public:
    // Alignments.
    static constexpr int kLeft = 0;
    static constexpr int kCentre = 1;
    static constexpr int kRight = 2;

    CFlowchartLabel();

    static std::unique_ptr<CDiagramEntity> createFromRecord(const CString& record);

    std::unique_ptr<CDiagramEntity> clone(BOOL keepName) const override;
    void draw(DiagramDC& dc, CRect rect, int language) override;
    CString toRecordString() const override;
    BOOL parseRecordFields(CString& fields) override;

    int getRed() const { return m_red; }
    int getGreen() const { return m_green; }
    int getBlue() const { return m_blue; }
    void setColor(int red, int green, int blue);
    // The font's cell height, not scaled by the zoom.
    int getFontSize() const { return m_fontSize; }
    void setFontSize(int size);
    // The face as stored, written as it stands.
    CString getFontName() const { return m_fontName; }
    void setFontName(const CString& name);
    int getBold() const { return m_bold; }
    void setBold(int bold);
    int getItalic() const { return m_italic; }
    void setItalic(int italic);
    int getUnderline() const { return m_underline; }
    void setUnderline(int underline);
    // The bracket along the left edge.
    int getFrame() const { return m_frame; }
    void setFrame(int frame);
    int getAlignment() const { return m_alignment; }
    void setAlignment(int alignment);

private:
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    int m_fontSize = 12;
    CString m_fontName = "Arial";
    int m_bold = 0;
    int m_italic = 0;
    int m_underline = 0;
    int m_frame = 0;
    int m_alignment = kLeft;
};
