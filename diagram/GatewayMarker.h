#pragma once

// The markers of the condition shape's gateway kinds, drawn by code as black
// line drawings on transparent pixels (what the platform printed with AND on
// the diamond's fill shows through). Each picture is kSize x kSize and holds
// the gateway's diamond outline, hanging from the middle of its top edge:
//   1 the empty diamond (exclusive gateway without marker)
//   2 a bold X (exclusive gateway with marker)
//   3 a thick circle (inclusive gateway)
//   4 a plus (parallel gateway)
//   5 an asterisk (complex gateway)
//   6 a double circle around a pentagon (event based gateway)
//   7 a single circle around a pentagon (event based gateway starting a process)
// Pictures are drawn once per kind and size and kept.

#include "DiagramPicture.h"

class GatewayMarker {
public:
    static constexpr int kSize = 37;
    static constexpr int kFirstKind = 1;
    static constexpr int kLastKind = 7;

    // The marker of a kind at a size (kSize is the one the condition draws);
    // a null picture for any other kind or a size below 8.
    static const DiagramPicture& picture(int kind, int size = kSize);
};
