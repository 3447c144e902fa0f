#pragma once

// The colour menu of the page editor: 17 entries, the 16 colours of the
// system's default palette and "Automatic", each shown with a swatch. The
// same menu serves the text colour (base 32888), the background colour
// (base 32866) and the table cell colour (base 32905); entry n has the
// command id base + n and the string-table text of that id as its name.

#include <wx/menu.h>

class CColorMenu : public wxMenu {
public:
    static constexpr int kTextColorBase = 32888;
    static constexpr int kBackColorBase = 32866;
    static constexpr int kCellColorBase = 32905;
    static constexpr int kEntries = 17;
    static constexpr int kAutomatic = 16;

    explicit CColorMenu(int base);

    // The base of a colour command id; 0 for another id.
    static int baseOf(int id);
    // The colour of a command id as red + green * 256 + blue * 65536; the
    // system's window text colour for "Automatic".
    static unsigned long colorOf(int id);
};
