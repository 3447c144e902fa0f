#include "NotationColors.h"

namespace {

// Index = style; style 9 has no scheme of its own.
const NotationScheme kSchemes[] = {
    {RGB(240, 65, 35), RGB(255, 200, 175), RGB(255, 35, 15)},     // 0 red
    {RGB(95, 170, 220), RGB(205, 235, 220), RGB(75, 120, 190)},   // 1 blue
    {RGB(160, 210, 120), RGB(205, 250, 170), RGB(60, 155, 75)},   // 2 green
    {RGB(205, 205, 195), RGB(240, 235, 225), RGB(120, 140, 130)}, // 3 grey
    {RGB(250, 150, 30), RGB(255, 215, 125), RGB(225, 110, 40)},   // 4 orange
    {RGB(210, 110, 170), RGB(250, 185, 195), RGB(140, 90, 165)},  // 5 purple
    {RGB(250, 250, 128), RGB(255, 255, 200), RGB(240, 240, 30)},  // 6 yellow
    {RGB(250, 185, 195), RGB(255, 220, 240), RGB(210, 110, 170)}, // 7 pink
    {RGB(245, 245, 245), RGB(255, 255, 255), RGB(80, 80, 80)},    // 8 white
    {0, 0, 0},                                                    // 9 none
    {RGB(253, 245, 180), RGB(254, 252, 230), RGB(245, 230, 150)}, // 10 pale yellow
    {RGB(200, 225, 225), RGB(240, 247, 255), RGB(85, 130, 200)},  // 11 pale blue
    {RGB(253, 228, 208), RGB(255, 235, 215), RGB(210, 110, 170)}, // 12 pale peach
};

} // namespace

bool NotationColors::isScheme(int style) {
    return style >= 0 && style <= 12 && style != 9;
}

const NotationScheme& NotationColors::scheme(int style) {
    return kSchemes[isScheme(style) ? style : kFallbackScheme];
}
