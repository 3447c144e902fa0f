#include "DropPalettePopup.h"

#include "DropButtonGeometry.h"

#include <wx/display.h>

namespace {

CRect paletteRect(const wxRect& rect) {
    return CRect(rect.x, rect.y, rect.x + rect.width, rect.y + rect.height);
}

} // namespace

bool DropPalettePopup::create(const wxString& name, const wxRect& buttonRect, wxWindow* owner,
                              std::unique_ptr<PaletteControl> control, DWORD value, int width, int height) {
    if (!Create(owner, wxBORDER_NONE))
        return false;
    SetName(name);
    m_owner = owner;
    const int display = wxDisplay::GetFromWindow(owner);
    const wxRect work =
        wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    const CPoint at = placePopup(paletteRect(buttonRect), width, height, paletteRect(work), true);
    SetSize(at.x, at.y, width, height);
    m_canvas = new PaletteCanvas(this, wxID_ANY, wxPoint(0, 0), wxSize(width, height), std::move(control),
                                 value, true, owner);
    m_canvas->setPopupActions([this] { Dismiss(); },
                              [this] {
                                  // The focus goes back into the dialog before the
                                  // button, which the popup leaves with its choice.
                                  m_owner->Navigate(wxNavigationKeyEvent::IsBackward);
                                  DismissAndNotify();
                              });
    Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& e) { e.Skip(); });
    Popup(m_canvas);
    return true;
}

void DropPalettePopup::OnDismiss() {
    PaletteControl& control = m_canvas->getControl();
    control.choose(control.getCurrent(), 0);
}
