#pragma once

// What the drop-down colour and line-style buttons share: a button drawn
// by the program that shows its value (a swatch, a sample line) beside a
// drop-down arrow. A click, Space or the Down arrow drops the popup palette
// under it, drawn pressed until the popup answers; the popup's answers
// become the button's value and the notifications to its owner, the dialog
// it sits in (see PickerEvents.h). The dialog exchanges the value by the
// button's control id (TolvaneDialog::exchangeDropColorButton).

#include "ControlValues.h"
#include "DropButtonState.h"
#include "DropPalettePopup.h"
#include "PaletteOwner.h"

#include <wx/control.h>

class CFODropButton : public wxControl, public PaletteOwner, public ExchangedValueControl {
public:
    ~CFODropButton() override;

    void openPopup();
    bool isDropped() const { return m_state.isDropped(); }
    bool isPopupOpen() const { return m_state.isPopupOpen(); }
    // The open popup, null when none is.
    DropPalettePopup* getPopup() const { return m_popup; }
    wxWindow* getOwner() const { return m_owner; }
    // The drop-down arrow, in client coordinates.
    const CRect& getArrowBox() const { return m_arrowBox; }

    DWORD getExchangedValue() const override { return m_state.getValue(); }
    void setExchangedValue(DWORD value) override { m_state.setValue(value); }

    bool AcceptsFocus() const override { return true; }

protected:
    // The notifications of each kind of notice: SELECTED, CANCEL, CHANGED.
    CFODropButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, int popupWidth,
                  int popupHeight, wxEventType selected, wxEventType cancel, wxEventType changed);

    // A new popup for the button's screen rectangle; null when its window
    // could not be made.
    virtual DropPalettePopup* makePopup(const wxRect& buttonRect) = 0;
    // The value inside r, the part of the button left of the arrow, inside
    // its edges and a 2-pixel margin; highlighted when the button is
    // dropped or has the focus.
    virtual void drawValue(wxDC& dc, const wxRect& r, bool highlighted) = 0;
    // The popup closes when the outcome says so; the owner is told its notices.
    void apply(const DropButtonState::Outcome& outcome);

    DropButtonState m_state;
    int m_popupWidth;
    int m_popupHeight;

private:
    void adjustLayout();
    void closePopup();
    void OnPaint();
    void drawArrowBox(wxDC& dc, bool pushed);
    void OnLeftUp(wxMouseEvent& event);

    DropPalettePopup* m_popup = nullptr;
    wxWindow* m_owner = nullptr;
    CRect m_arrowBox;
    int m_edgeX = 2;
    int m_edgeY = 2;
    int m_side = 16;
    bool m_pressing = false;
    wxEventType m_notifications[3];
};
