#pragma once

// The colour schemes of the rounded notations (activity and work product
// nodes): a dark and a light fill, drawn as a diagonal gradient, and the
// outline of the UML activity. Schemes 0-8 and 10-12.

#include "WinTypes.h"

struct NotationScheme {
    COLORREF dark;
    COLORREF light;
    COLORREF outline;
};

class NotationColors {
public:
    // The grey scheme, which a style outside the table takes.
    static constexpr int kFallbackScheme = 3;

    static bool isScheme(int style);
    // The scheme of a style; a style outside the table (9, a custom
    // bitmap's, and any other) gives the grey scheme.
    static const NotationScheme& scheme(int style);
};
