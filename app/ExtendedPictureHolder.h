#pragma once

// A picture loaded from an image file (GIF, BMP, JPEG ...), held as a
// bitmap. A path without a known picture extension is tried with each one.

#include "CString.h"

#include <memory>
#include <vector>

class wxBitmap;

class ExtendedPictureHolder {
public:
    ExtendedPictureHolder();
    ~ExtendedPictureHolder();

    // True when a picture was loaded. A path that ends in one of the known
    // extensions (any case) is tried alone; any other path is tried
    // upper-cased with each extension in turn, and the last candidate that
    // loads is kept.
    bool loadFromFile(const CString& path);
    // The loaded picture; null when none is.
    wxBitmap* getHandle() const { return m_bitmap.get(); }

    // The extensions tried, in order.
    static const char* const kExtensions[7];
    // The files loadFromFile tries for a path.
    static std::vector<CString> candidates(const CString& path);

private:
    std::unique_ptr<wxBitmap> m_bitmap;
};
