#include "CFOColorDialog.h"

#include "CFOColorButton.h"
#include "CFODropPaletteWnd.h"
#include "CFOImageStatic.h"
#include "CFOSystemColors.h"
#include "GridSystem.h"
#include "WinTypes.h"

#include <wx/button.h>
#include <wx/colordlg.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

// After wxWidgets: the X headers define names its headers use.
#include <gdk/gdk.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

const char* const CFOColorDialog::kNoScreenReading =
    "This display does not let programs read the screen: choose the colour in the palette or with Custom...";

namespace {

constexpr int kPaletteWidth = 291;
constexpr int kPaletteHeight = 284;

// The eyedropper's picture, 16 x 16 on white (its transparent colour): a
// pipette from the lower left to its bulb at the upper right.
wxBitmap eyedropperBitmap() {
    wxBitmap bitmap(16, 16, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxBLACK_BRUSH);
    // The bulb.
    dc.DrawRectangle(11, 1, 4, 4);
    dc.DrawRectangle(10, 3, 3, 3);
    // The glass tube, two pixels wide, down to the tip.
    for (int i = 0; i < 9; ++i) {
        dc.DrawPoint(9 - i, 6 + i);
        dc.DrawPoint(10 - i, 6 + i);
    }
    dc.DrawPoint(1, 15);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

// The pick cursor: the eyedropper, pointing with its tip.
wxCursor pickCursor() {
    wxImage image = eyedropperBitmap().ConvertToImage();
    image.SetMaskColour(255, 255, 255);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, 1);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, 15);
    return wxCursor(image);
}

// The colour of the screen's pixel at the point.
bool readScreenPixel(const wxPoint& at, COLORREF& colour) {
    GdkPixbuf* pixel = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), at.x, at.y, 1, 1);
    if (!pixel)
        return false;
    const guchar* rgb = gdk_pixbuf_get_pixels(pixel);
    colour = RGB(rgb[0], rgb[1], rgb[2]);
    g_object_unref(pixel);
    return true;
}

} // namespace

CFOColorDialog::CFOColorDialog(wxWindow* parent)
    : TolvaneDialog(parent, "More Colors", wxDEFAULT_DIALOG_STYLE) {
    m_palette = new CFODropPaletteWnd(this, IDC_PALETTE, wxDefaultPosition,
                                      wxSize(kPaletteWidth, kPaletteHeight), this, RGB(255, 255, 255));
    m_palette->SetMinSize(wxSize(kPaletteWidth, kPaletteHeight));

    auto* values = newForm();
    addFormRow(values, wxID_ANY, "RGB:", newEdit(IDC_RGB, wxTE_READONLY, 11));
    addFormRow(values, wxID_ANY, "&Hex:", newEdit(IDC_HEX, wxTE_READONLY, 11));

    auto* custom = new wxButton(this, IDC_CUSTOM, "&Custom...");
    custom->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCustom(); });
    m_select = new CFOImageStatic(this, IDC_SELECT, "Select...");
    m_select->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
        if (m_select->IsEnabled())
            startPick();
        event.Skip();
    });

    // The preview, its upper half the new colour, its lower half the one
    // the dialog started with, each named beside it.
    m_preview = new CFOColorButton(this, IDC_PREVIEW, wxSize(64, 72));
    auto* names = new wxBoxSizer(wxVERTICAL);
    for (const char* name : {"&New:", "C&urrent:"}) {
        names->AddStretchSpacer();
        names->Add(new wxStaticText(this, wxID_ANY, name), 0, wxALIGN_RIGHT);
        names->AddStretchSpacer();
    }
    auto* preview = new wxBoxSizer(wxHORIZONTAL);
    preview->Add(names, 0, wxEXPAND | wxRIGHT | wxTOP | wxBOTTOM, 6);
    preview->Add(m_preview, 0);

    auto* side = new wxBoxSizer(wxVERTICAL);
    side->Add(values, 0, wxEXPAND);
    side->Add(custom, 0, wxEXPAND | wxTOP, 12);
    side->Add(m_select, 0, wxEXPAND | wxTOP, 6);
    side->AddStretchSpacer();
    side->Add(preview, 0, wxALIGN_RIGHT | wxTOP, 12);

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(m_palette, 0);
    row->Add(side, 1, wxEXPAND | wxLEFT, 12);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(row, 1, wxEXPAND);
    content->Add(new wxStaticLine(this), 0, wxEXPAND | wxTOP, 10);
    finishLayout(content);

    // While picking, the colour shown is the one under the pointer now, not
    // where a queued motion says it was: the toolkit sends motions to the
    // captured window as hints, and once one has been handled the moves
    // that the display made meanwhile send no event of their own, so on a
    // busy machine the pointer can come to rest with an older place shown.
    Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
        if (m_picking)
            pickAt(wxGetMousePosition());
        event.Skip();
    });
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
        if (m_picking)
            endPick();
        event.Skip();
    });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { endPick(); });
    // Bound after the base's: seen first. (Escape while picking never
    // comes here: see startPick.)
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_TAB && event.ShiftDown()) {
            // Shift+Tab goes to the control before the palette.
            m_palette->SetFocus();
            m_palette->Navigate(wxNavigationKeyEvent::IsBackward);
        } else {
            event.Skip();
        }
    });
    Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& event) {
        event.Skip();
        OnSysColourChanged();
    });
}

bool CFOColorDialog::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    if (CFOSystemColors::colors().m_screenDepth < 8) {
        m_platformAnswer = runPlatformDialog() == wxID_OK ? IDOK : IDCANCEL;
        return false;
    }
    m_select->loadImages(eyedropperBitmap(), -1, *wxWHITE);
    if (!canReadScreen()) {
        m_select->Enable(false);
        m_select->SetToolTip(kNoScreenReading);
    }
    CFODropPaletteControl& control = m_palette->getControl();
    control.setBorderStyle(14);
    control.setCustomShown(FALSE);
    control.relayout();
    m_preview->attach(0xC0C0C0, 0x010101, 0x808080, 2);
    control.moveSelection(m_color);
    m_preview->setNewColor(m_color);
    m_preview->m_currentColor = m_color;
    showColor(m_color);
    m_pickCursor = pickCursor();
    return true;
}

int CFOColorDialog::DoModal() {
    const int answer = TolvaneDialog::DoModal();
    return answer == 0 && m_platformAnswer ? m_platformAnswer : answer;
}

void CFOColorDialog::showColor(COLORREF colour) {
    m_preview->setNewColor(colour);
    m_color = colour;
    const unsigned red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    CString text;
    text.Format("%u,%u,%u", red, green, blue);
    setText(IDC_RGB, text);
    text.Format("%02X%02X%02X", red, green, blue);
    setText(IDC_HEX, text);
}

void CFOColorDialog::onPaletteMessage(UINT message, DWORD wParam, long) {
    if (message == WM_FO_COLOR_SELECTED)
        showColor(wParam);
}

int CFOColorDialog::runPlatformDialog() {
    wxColourData data;
    data.SetChooseFull(true);
    data.SetColour(gridsystem::toWx(m_color));
    wxColourDialog dialog(this, &data);
    const int answer = runModal(dialog);
    if (answer == wxID_OK)
        m_color = gridsystem::fromWx(dialog.GetColourData().GetColour());
    return answer;
}

void CFOColorDialog::OnCustom() {
    const COLORREF before = m_color;
    if (runPlatformDialog() != wxID_OK)
        return;
    const COLORREF chosen = m_color;
    m_color = before;
    m_palette->getControl().moveSelection(chosen);
    showColor(chosen);
}

bool CFOColorDialog::canReadScreen() {
    GdkDisplay* display = gdk_display_get_default();
    return display && GDK_IS_X11_DISPLAY(display);
}

void CFOColorDialog::startPick() {
    if (m_picking)
        return;
    SetCursor(m_pickCursor.IsOk() ? m_pickCursor : wxCursor(wxCURSOR_CROSS));
    CaptureMouse();
    m_picking = true;
    // While the pointer is held wxWidgets is given no keys: Escape, which
    // ends the picking and not the dialog, is taken from the toolkit's
    // window itself, before its key handlers see it.
    m_pickKeyHandler = g_signal_connect(GetHandle(), "event", G_CALLBACK(onPickKey), this);
}

void CFOColorDialog::pickAt(const wxPoint& screenPoint) {
    COLORREF colour;
    if (!readScreenPixel(screenPoint, colour))
        return;
    m_palette->getControl().moveSelection(colour);
    showColor(colour);
}

int CFOColorDialog::onPickKey(GtkWidget*, GdkEvent* event, CFOColorDialog* dialog) {
    if (event->type != GDK_KEY_PRESS || event->key.keyval != GDK_KEY_Escape || !dialog->m_picking)
        return FALSE;
    dialog->endPick();
    return TRUE;
}

void CFOColorDialog::endPick() {
    if (m_pickKeyHandler) {
        g_signal_handler_disconnect(GetHandle(), m_pickKeyHandler);
        m_pickKeyHandler = 0;
    }
    if (HasCapture())
        ReleaseMouse();
    m_picking = false;
    SetCursor(wxNullCursor);
}

void CFOColorDialog::realizePalette(bool) {
    // Only a screen of 256 colours or fewer shows colours through a palette:
    // 8 levels of red and green and 4 of blue.
    if (wxDisplayDepth() > 8)
        return;
    unsigned char red[256], green[256], blue[256];
    for (int i = 0; i < 256; ++i) {
        red[i] = static_cast<unsigned char>((i & 7) * 255 / 7);
        green[i] = static_cast<unsigned char>(((i >> 3) & 7) * 255 / 7);
        blue[i] = static_cast<unsigned char>(((i >> 6) & 3) * 255 / 3);
    }
    m_logicalPalette = wxPalette(256, red, green, blue);
    SetPalette(m_logicalPalette);
}

void CFOColorDialog::OnSysColourChanged() {
    CFOSystemColors::refresh();
    if (CFOSystemColors::colors().m_screenDepth >= 8) {
        realizePalette(true);
        Refresh();
        Update();
        return;
    }
    Hide();
    endDialog(runPlatformDialog());
}
