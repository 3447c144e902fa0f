#pragma once

// "More Colors": one colour at a time, changed by clicking or dragging in
// the honeycomb, by its arrow keys, by pressing "Select..." and dragging
// the pointer over any pixel of the screen, or through the desktop's colour
// dialog ("&Custom..."); shown as red, green and blue numbers, as a
// hexadecimal text and in a preview of the new colour above the colour the
// dialog started with. The opener sets m_color, runs DoModal and, on IDOK,
// reads m_color back.
//
// The screen is read where the display lets a program read it (X11);
// elsewhere "Select..." is disabled and its tooltip says why. On a screen
// of fewer than 8 bits per pixel the dialog is never shown: the desktop's
// colour dialog answers in its place.

#include "PaletteOwner.h"
#include "TolvaneDialog.h"

#include <wx/cursor.h>
#include <wx/palette.h>

class CFOColorButton;
class CFODropPaletteWnd;
class CFOImageStatic;

class CFOColorDialog : public TolvaneDialog, public PaletteOwner {
public:
    enum ControlId {
        IDC_RGB = 25830,
        IDC_CUSTOM = 25831,
        IDC_PREVIEW = 25832,
        IDC_SELECT = 25833,
        IDC_HEX = 25834,
        IDC_PALETTE = 4232,
    };

    explicit CFOColorDialog(wxWindow* parent);

    bool OnInitDialog() override;
    // IDOK or IDCANCEL; below 8 bits per pixel, the desktop dialog's answer.
    int DoModal();

    // "&Custom...": the desktop's colour dialog on the colour; its colour
    // is shown and selected in the honeycomb on OK.
    void OnCustom();
    // The eyedropper: pressing "Select..." starts it, every move shows the
    // colour of the screen under the pointer (screen coordinates), the
    // release or Escape ends it.
    void startPick();
    void pickAt(const wxPoint& screenPoint);
    void endPick();
    bool isPicking() const { return m_picking; }

    void onPaletteMessage(UINT message, DWORD wParam, long lParam) override;

    // Whether the display lets the program read its pixels, and what the
    // tooltip of "Select..." says where it does not.
    static bool canReadScreen();
    static const char* const kNoScreenReading;

    CFODropPaletteWnd* getPalette() const { return m_palette; }
    CFOColorButton* getPreview() const { return m_preview; }
    CFOImageStatic* getSelect() const { return m_select; }

    COLORREF m_color = 0xFFFFFF;

private:
    void showColor(COLORREF colour);
    // The desktop's colour dialog, full and with any colour, on m_color:
    // wxID_OK with the colour chosen put into m_color, or wxID_CANCEL.
    int runPlatformDialog();
    void realizePalette(bool force);
    void OnSysColourChanged();
    // Escape while picking, as the toolkit's window receives it.
    static int onPickKey(struct _GtkWidget*, union _GdkEvent* event, CFOColorDialog* dialog);

    CFODropPaletteWnd* m_palette;
    CFOColorButton* m_preview;
    CFOImageStatic* m_select;
    bool m_picking = false;
    unsigned long m_pickKeyHandler = 0;
    wxCursor m_pickCursor;
    wxPalette m_logicalPalette;
    int m_platformAnswer = 0;
};
