#include "LinkProperties.h"

#include "CFlowchartLink.h"

LinkProperties LinkProperties::of(const CFlowchartLink& link, const CString& sourceType,
                                  const CString& targetType) {
    LinkProperties properties;
    properties.label = link.getLabel();
    properties.labelL2 = link.getLabelL2();
    properties.routingMode = link.getRoutingMode();
    properties.labelSegment = link.getLabelSegment();
    properties.labelVerticalPosition = link.getLabelVerticalPosition();
    properties.labelHorizontalPosition = link.getLabelHorizontalPosition();
    properties.linkKind = link.getLinkKind();
    properties.fontSize = link.getFontSize();
    properties.fontName = link.getFontName();
    properties.color = RGB(link.getTextRed(), link.getTextGreen(), link.getTextBlue());
    properties.bold = link.isBold();
    properties.sourceType = sourceType;
    properties.targetType = targetType;
    properties.unconfirmed = link.isNew();
    return properties;
}

void LinkProperties::applyStyleTo(CFlowchartLink& link) const {
    link.setLinkKind(linkKind);
    link.setLabelSegment(labelSegment);
    link.setLabelVerticalPosition(labelVerticalPosition);
    link.setLabelHorizontalPosition(labelHorizontalPosition);
    link.setFontSize(fontSize);
    link.setFontName(fontName);
    link.setTextColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    link.setBold(bold);
}
