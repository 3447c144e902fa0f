#include "DialogLook.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <vector>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/statbox.h>
#include <wx/utils.h>

namespace {

void handlePendingEvents() {
    wxEventLoop loop;
    wxEventLoopActivator active(&loop);
    for (int i = 0; i < 20; ++i)
        loop.YieldFor(wxEVT_CATEGORY_ALL);
}

std::string describe(const wxWindow* control) {
    return std::to_string(control->GetId()) + " \"" + control->GetLabel().utf8_string() + "\"";
}

} // namespace

namespace {

wxImage pictureOf(GdkWindow* shown) {
    const int width = gdk_window_get_width(shown);
    const int height = gdk_window_get_height(shown);
    GdkPixbuf* pixels = gdk_pixbuf_get_from_window(shown, 0, 0, width, height);
    if (!pixels)
        return wxImage();
    wxImage picture(width, height);
    const int stride = gdk_pixbuf_get_rowstride(pixels);
    const int channels = gdk_pixbuf_get_n_channels(pixels);
    const guchar* data = gdk_pixbuf_get_pixels(pixels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const guchar* pixel = data + y * stride + x * channels;
            picture.SetRGB(x, y, pixel[0], pixel[1], pixel[2]);
        }
    g_object_unref(pixels);
    return picture;
}

} // namespace

// Read from the window itself: the screen's picture may lag behind a window
// shown after another.
wxImage windowPicture(wxWindow& window) {
    return pictureOf(gtk_widget_get_window(window.GetHandle()));
}

wxImage screenPicture() {
    return pictureOf(gdk_get_default_root_window());
}

namespace {

// Shows the window and lets the display paint it: the server tells when it
// is exposed, which takes a moment of its own.
void showPainted(wxDialog& dialog) {
    bool painted = false;
    dialog.Bind(wxEVT_PAINT, [&painted](wxPaintEvent& event) {
        painted = true;
        event.Skip();
    });
    dialog.Show();
    for (int wait = 0; wait < 300 && !painted; ++wait) {
        handlePendingEvents();
        if (!painted)
            wxMilliSleep(10);
    }
    EXPECT_TRUE(painted) << "the window was never painted";
    handlePendingEvents();
}

} // namespace

void checkControlsWhole(wxWindow& window, const std::string& name) {
    const wxRect client(wxPoint(0, 0), window.GetClientSize());
    std::vector<wxWindow*> controls;
    for (wxWindow* child : window.GetChildren())
        if (child->IsShown() && !child->IsTopLevel())
            controls.push_back(child);
    ASSERT_FALSE(controls.empty());
    for (wxWindow* control : controls) {
        SCOPED_TRACE(name + ": " + describe(control));
        const wxRect rect = control->GetRect();
        EXPECT_TRUE(client.Contains(rect))
            << "at " << rect.x << "," << rect.y << " size " << rect.width << "x" << rect.height << " in "
            << client.width << "x" << client.height;
        const wxSize best = control->GetBestSize();
        EXPECT_GE(rect.width, best.x) << "its text is cut";
        EXPECT_GE(rect.height, best.y) << "its text is cut";
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const bool firstIsBox = dynamic_cast<wxStaticBox*>(controls[i]) != nullptr;
            const bool secondIsBox = dynamic_cast<wxStaticBox*>(controls[j]) != nullptr;
            if (firstIsBox != secondIsBox)
                continue;
            EXPECT_FALSE(controls[i]->GetRect().Intersects(controls[j]->GetRect()))
                << name << ": " << describe(controls[i]) << " overlaps " << describe(controls[j]);
        }
    }
}

void savePicture(const wxImage& picture, const std::string& name, const std::string& folder) {
    ASSERT_TRUE(picture.IsOk());
    const char* wanted = std::getenv("TOLVANE_SCREENSHOT_DIR");
    const std::string path = (wanted && *wanted ? std::string(wanted) + "/" : folder) + name + ".png";
    EXPECT_TRUE(picture.SaveFile(path, wxBITMAP_TYPE_PNG)) << path;
}

void checkDialogLook(wxDialog& dialog, const std::string& name, const std::string& folder) {
    showPainted(dialog);
    checkControlsWhole(dialog, name);
    savePicture(windowPicture(dialog), name, folder);
    dialog.Hide();
}
