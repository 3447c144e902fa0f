#pragma once

// The drawing surface of a site picture and its PNG encoder. The diagram is
// drawn into the picture through dc(), as into any painter; saveAsPng then
// encodes it in memory and replaces the file whole, so a failed save leaves
// the old picture as it was. The file holds, in this order: the signature,
// IHDR (8-bit RGB, the picture's own format here, Adam7 when asked for),
// tRNS (only when a transparent colour is asked for), tIME (the time of
// writing in UTC, from the clock), one tEXt chunk "Software" =
// "CWebImageDC / PNG", the IDAT chunks and IEND.

#include "CSize.h"
#include "CString.h"
#include "WinTypes.h"

#include <ctime>
#include <functional>
#include <memory>
#include <string>

class DiagramDC;
class DiagramPicture;

class CWebImageDC {
public:
    static constexpr const char* kSoftwareKeyword = "Software";
    static constexpr const char* kSoftwareText = "CWebImageDC / PNG";

    // The time the tIME chunk records; the current time unless a test gives
    // a fixed one.
    using Clock = std::function<std::time_t()>;

    CWebImageDC();
    ~CWebImageDC();
    CWebImageDC(const CWebImageDC&) = delete;
    CWebImageDC& operator=(const CWebImageDC&) = delete;

    // A picture of that size in the colour, with a painter on it; FALSE for
    // an empty size or one the painter's pictures cannot hold.
    BOOL create(CSize size, COLORREF background = RGB(255, 255, 255));
    CSize getSize() const { return m_size; }
    // The painter on the picture; null before create succeeded.
    DiagramDC* dc() const { return m_dc.get(); }
    // The picture with everything drawn so far; null before create succeeded.
    const DiagramPicture* getPicture() const;

    // Encodes the picture and replaces the file whole; FALSE when there is no
    // picture, the encoder fails or the file cannot be written (the file then
    // stays as it was; platform::lastErrorText tells why a write failed).
    BOOL saveAsPng(const CString& path, BOOL interlace, BOOL transparent, COLORREF transparentColour);
    // The bytes of the PNG file; FALSE when there is no picture or the
    // encoder fails.
    BOOL writePng(std::string& bytes, BOOL interlace, BOOL transparent, COLORREF transparentColour) const;

    void setClock(Clock clock) { m_clock = std::move(clock); }

private:
    CSize m_size;
    std::unique_ptr<DiagramPicture> m_picture;
    std::unique_ptr<DiagramDC> m_dc;
    Clock m_clock;
};
