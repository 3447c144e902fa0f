#include "ImageIndex.h"

#include "ExtendedPictureHolder.h"

#include <wx/bitmap.h>

ImageIndex::ImageIndex(ExtendedPictureHolder* picture, wxBitmap* bitmap, int imageIndex,
                       const CString& fileName)
    : m_picture(picture), m_bitmap(bitmap), m_imageIndex(imageIndex), m_fileName(fileName) {}

ImageIndex::~ImageIndex() {
    delete m_bitmap;
    delete m_picture;
}
