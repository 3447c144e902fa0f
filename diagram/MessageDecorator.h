#pragma once

// The envelope a message flow carries on its label segment, drawn by code
// on transparent pixels, kWidth x kHeight: white for a message flow with a
// message decorator (kind 5), grey for one with a non-initiating message
// decorator (kind 6). Each is drawn once and kept.

#include "DiagramPicture.h"

class MessageDecorator {
public:
    static constexpr int kWidth = 23;
    static constexpr int kHeight = 18;

    // The envelope of link kind 5 or 6; a null picture for any other kind.
    static const DiagramPicture& picture(int linkKind);
};
