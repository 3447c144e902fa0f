#include "ExtendedPictureHolder.h"

#include "FileSystem.h"

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/log.h>

const char* const ExtendedPictureHolder::kExtensions[7] = {".BMP", ".RLE", ".DIB", ".GIF",
                                                           ".JPG", ".WMF", ".EMF"};

ExtendedPictureHolder::ExtendedPictureHolder() = default;
ExtendedPictureHolder::~ExtendedPictureHolder() = default;

std::vector<CString> ExtendedPictureHolder::candidates(const CString& path) {
    CString upper = path;
    upper.MakeUpper();
    if (upper.GetLength() >= 4 && upper[upper.GetLength() - 4] == '.') {
        const CString extension = upper.Right(4);
        for (const char* known : kExtensions)
            if (extension == known)
                return {path};
    }
    std::vector<CString> list;
    for (const char* extension : kExtensions)
        list.push_back(upper + extension);
    return list;
}

bool ExtendedPictureHolder::loadFromFile(const CString& path) {
    bool loaded = false;
    for (const CString& candidate : candidates(path)) {
        if (!platform::fileExists(candidate))
            continue;
        // A file that is no picture fails quietly: the caller reports it.
        wxLogNull quiet;
        wxImage image;
        loaded = image.LoadFile(wxString::FromUTF8(platform::diskPath(candidate.str())), wxBITMAP_TYPE_ANY) &&
                 image.IsOk();
        if (loaded)
            m_bitmap = std::make_unique<wxBitmap>(image);
    }
    return loaded;
}
