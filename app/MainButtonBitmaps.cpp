#include "MainButtonBitmaps.h"

#include "CBitmapButtonAutoFocus.h"

#include <memory>
#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/pen.h>

namespace {

struct ButtonIcon {
    int controlId;
    const char* art;
};
// The icons of the buttons; "First" (1016) and "Next" (1017) have none.
const ButtonIcon kIcons[] = {
    {1, wxART_QUIT},
    {16, wxART_INFORMATION},
    {1215, wxART_NEW},
    {1216, wxART_FILE_OPEN},
    {1217, wxART_GO_BACK},
    {1010, wxART_PLUS},
    {1011, wxART_MINUS},
    {1012, wxART_EDIT},
    {1004, wxART_NORMAL_FILE},
    {1219, wxART_HELP_PAGE},
    {1006, wxART_REPORT_VIEW},
    {1008, wxART_LIST_VIEW},
    {1069, wxART_FOLDER_OPEN},
    {1018, wxART_GO_DOWN},
    {1019, wxART_GO_UP},
    {1400, wxART_GO_FORWARD},
    {1401, wxART_PRINT},
    {1070, wxART_HELP_SETTINGS},
    {1067, wxART_EXECUTABLE_FILE},
    {1068, wxART_REDO},
    {1152, wxART_GO_HOME},
    {1151, wxART_HELP_BOOK},
    {1209, wxART_FIND},
    {1391, wxART_HELP_SIDE_PANEL},
    {1073, wxART_FILE_SAVE_AS},
    {1392, wxART_PASTE},
};

enum class Face { Normal, Pressed, Focused };

// A rounded face with a vertical gradient; pressed faces are darker and
// their icon sits one pixel lower, focused ones have a lilac rim.
wxBitmap face(const wxSize& size, Face kind, const wxBitmap& icon) {
    wxImage image(size);
    image.InitAlpha();
    for (int x = 0; x < size.x; ++x)
        for (int y = 0; y < size.y; ++y)
            image.SetAlpha(x, y, 0);
    {
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
        const wxColour top = kind == Face::Pressed ? wxColour(200, 200, 205) : wxColour(250, 250, 252);
        const wxColour bottom = kind == Face::Pressed ? wxColour(228, 228, 232) : wxColour(218, 218, 224);
        gc->SetBrush(gc->CreateLinearGradientBrush(0, 0, 0, size.y, top, bottom));
        const wxColour rim = kind == Face::Focused ? wxColour(120, 90, 190) : wxColour(150, 150, 160);
        gc->SetPen(wxPen(rim, kind == Face::Focused ? 2 : 1));
        gc->DrawRoundedRectangle(0.5, 0.5, size.x - 1.5, size.y - 1.5, 3);
        if (icon.IsOk()) {
            const int shift = kind == Face::Pressed ? 1 : 0;
            const int band = CBitmapButtonAutoFocus::kIconBand;
            gc->DrawBitmap(icon, (band - icon.GetWidth()) / 2 + 2 + shift,
                           (size.y - icon.GetHeight()) / 2 + shift, icon.GetWidth(), icon.GetHeight());
        }
    }
    return wxBitmap(image);
}

} // namespace

wxArtID MainButtonBitmaps::iconOf(int controlId) {
    for (const ButtonIcon& icon : kIcons)
        if (icon.controlId == controlId)
            return icon.art;
    return wxArtID();
}

MainButtonBitmaps::Set MainButtonBitmaps::forButton(int controlId, const wxSize& size) {
    wxBitmap icon;
    if (const wxArtID art = iconOf(controlId); !art.empty()) {
        const int side = std::min(16, size.y - 6);
        icon = wxArtProvider::GetBitmap(art, wxART_BUTTON, wxSize(side, side));
        if (icon.IsOk() && icon.GetHeight() != side)
            icon = wxBitmap(icon.ConvertToImage().Scale(side, side, wxIMAGE_QUALITY_HIGH));
    }
    return {face(size, Face::Normal, icon), face(size, Face::Pressed, icon), face(size, Face::Focused, icon)};
}
