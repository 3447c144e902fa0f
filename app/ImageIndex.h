#pragma once

// One icon of the project's icon folder: its picture, the bitmap given to an
// image list, its position in that list (-1 when the picture did not load)
// and its file name as found on disk.

#include "CString.h"
#include "TypedListe.h"

class ExtendedPictureHolder;
class wxBitmap;

class ImageIndex {
public:
    ImageIndex(ExtendedPictureHolder* picture, wxBitmap* bitmap, int imageIndex, const CString& fileName);
    ~ImageIndex();
    ImageIndex(const ImageIndex&) = delete;
    ImageIndex& operator=(const ImageIndex&) = delete;

    ExtendedPictureHolder* getPicture() const { return m_picture; }
    wxBitmap* getBitmap() const { return m_bitmap; }
    int getImageIndex() const { return m_imageIndex; }
    const CString& getFileName() const { return m_fileName; }

private:
    ExtendedPictureHolder* m_picture;
    wxBitmap* m_bitmap;
    int m_imageIndex;
    CString m_fileName;
};

class ImageIndexIterateur : public TypedIterateur<ImageIndex> {
public:
    using TypedIterateur::TypedIterateur;
};

// Its owner deletes the records (deleteAll) before the list.
class ImageIndexListe : public OwningListe<ImageIndex, ImageIndexIterateur> {};
