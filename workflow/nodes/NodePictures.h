#pragma once

// The pictorial bitmaps of the nodes, drawn by scripts/make-icons and
// embedded in the program: decoded once and kept.

#include "DiagramPicture.h"

#include <span>

class NodePictures {
public:
    // The artistic activity plaque of a style 0-4 (38 x 24); a null picture
    // for any other style.
    static const DiagramPicture& activityPlaque(int style);
    // A PNG (or any picture gdk-pixbuf reads) from its bytes; a null picture
    // when they do not decode.
    static DiagramPicture decode(std::span<const unsigned char> bytes);
};
