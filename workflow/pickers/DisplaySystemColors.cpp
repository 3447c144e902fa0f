#include "DisplaySystemColors.h"

#include "CFOSystemColors.h"
#include "GridSystem.h"

#include <wx/settings.h>
#include <wx/utils.h>

void useDisplaySystemColors() {
    if (CFOSystemColors::hasReader())
        return;
    CFOSystemColors::setReader([] {
        CFOSystemColors colors;
        colors.m_buttonFace = gridsystem::fromWx(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
        colors.m_buttonShadow = gridsystem::fromWx(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
        colors.m_buttonShadow2 = colors.m_buttonShadow;
        colors.m_buttonHighlight = gridsystem::fromWx(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
        colors.m_caption = gridsystem::fromWx(wxSystemSettings::GetColour(wxSYS_COLOUR_ACTIVECAPTION));
        colors.m_windowFrame = gridsystem::fromWx(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWFRAME));
        colors.m_screenDepth = wxDisplayDepth();
        return colors;
    });
    CFOSystemColors::refresh();
}
