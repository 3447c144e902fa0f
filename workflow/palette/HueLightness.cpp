#include "HueLightness.h"

namespace {

int component(float m1, float m2, float hue) {
    if (hue > 360.0f)
        hue -= 360.0f;
    else if (hue < 0.0f)
        hue += 360.0f;
    float value;
    if (hue < 60.0f)
        value = (m1 + (m2 - m1) * hue * 0.016666668f) * 255.0f;
    else if (hue < 180.0f)
        value = m2 * 255.0f;
    else if (hue < 240.0f)
        value = (m1 + (m2 - m1) * (240.0f - hue) * 0.016666668f) * 255.0f;
    else
        value = m1 * 255.0f;
    return static_cast<int>(value) & 0xFF;
}

} // namespace

COLORREF hueLightnessToColor(double hue, double lightness, double saturation) {
    if (saturation == 0.0) {
        const int grey = static_cast<int>(lightness * 255.0) & 0xFF;
        return RGB(grey, grey, grey);
    }
    const float m2 = static_cast<float>(lightness <= 0.5 ? lightness * (1.0 + saturation)
                                                         : lightness + saturation - lightness * saturation);
    const float m1 = static_cast<float>(2.0 * lightness - m2);
    return RGB(component(m1, m2, static_cast<float>(hue + 120.0)), component(m1, m2, static_cast<float>(hue)),
               component(m1, m2, static_cast<float>(hue - 120.0)));
}
