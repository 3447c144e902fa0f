#include "DiagramFont.h"

#include "Encoding.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>

namespace {

// The size at which a face's ascent and descent are read: with 2048 units to
// the em (the faces the program names) they come out in the face's own units.
constexpr double kReferenceSize = 2048.0;
constexpr double kDefaultCharacterHeight = 16.0;
constexpr double kLargestSize = 4096.0;
// Measured widths kept per font before the list starts again.
constexpr size_t kMostKeptWidths = 4096;

PangoFontMap* fontMap() {
    static PangoFontMap* map = pango_cairo_font_map_new();
    return map;
}

const cairo_font_options_t* fixedFontOptions() {
    static cairo_font_options_t* options = [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_subpixel_order(o, CAIRO_SUBPIXEL_ORDER_DEFAULT);
        cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_ON);
        return o;
    }();
    return options;
}

PangoContext* createContext() {
    PangoContext* context = pango_font_map_create_context(fontMap());
    pango_cairo_context_set_font_options(context, fixedFontOptions());
    pango_cairo_context_set_resolution(context, 96.0);
    pango_context_set_language(context, pango_language_from_string("en"));
    pango_context_set_base_dir(context, PANGO_DIRECTION_LTR);
    return context;
}

PangoFontDescription* describe(const CFont& font, double pixelSize) {
    PangoFontDescription* description = pango_font_description_new();
    const std::string family = encoding::cp1252ToUtf8(font.face.str());
    pango_font_description_set_family(description, family.empty() ? "Sans" : family.c_str());
    const int weight = font.weight <= 0 ? FW_NORMAL : std::clamp(font.weight, 100, 1000);
    pango_font_description_set_weight(description, static_cast<PangoWeight>(weight));
    pango_font_description_set_style(description, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(description, pixelSize * PANGO_SCALE);
    return description;
}

struct FaceMetrics {
    double ascent = 0; // per pixel of character height
    double descent = 0;
};

FaceMetrics faceMetrics(const CFont& font) {
    CFont reference = font;
    reference.italic = 0;
    PangoFontDescription* description = describe(reference, kReferenceSize);
    PangoFontMetrics* metrics =
        pango_context_get_metrics(DiagramFont::measuringContext(), description, nullptr);
    FaceMetrics result;
    result.ascent = pango_font_metrics_get_ascent(metrics) / double(PANGO_SCALE) / kReferenceSize;
    result.descent = pango_font_metrics_get_descent(metrics) / double(PANGO_SCALE) / kReferenceSize;
    pango_font_metrics_unref(metrics);
    pango_font_description_free(description);
    if (result.ascent + result.descent <= 0) {
        result.ascent = 0.9;
        result.descent = 0.2;
    }
    return result;
}

} // namespace

void DiagramFont::DescriptionFree::operator()(_PangoFontDescription* description) const {
    pango_font_description_free(description);
}

PangoContext* DiagramFont::measuringContext() {
    static PangoContext* context = createContext();
    return context;
}

PangoContext* DiagramFont::newContext() {
    return createContext();
}

const DiagramFont& DiagramFont::of(const CFont& font) {
    static std::mutex mutex;
    static std::map<std::tuple<int, int, int, int, int, std::string>, std::unique_ptr<DiagramFont>> fonts;
    const auto key = std::make_tuple(font.height, font.escapement, font.weight, int(font.italic),
                                     int(font.underline) * 2 + int(font.strikeOut != 0), font.face.str());
    std::lock_guard<std::mutex> lock(mutex);
    auto found = fonts.find(key);
    if (found == fonts.end())
        found = fonts.emplace(key, std::unique_ptr<DiagramFont>(new DiagramFont(font))).first;
    return *found->second;
}

DiagramFont::DiagramFont(const CFont& font) : m_logFont(font) {
    const FaceMetrics face = faceMetrics(font);
    // A negative height is the character height; a positive one the cell
    // height (ascent + descent), turned into a character height by the face.
    double characterHeight = kDefaultCharacterHeight;
    if (font.height < 0)
        characterHeight = -double(font.height);
    else if (font.height > 0)
        characterHeight = font.height / (face.ascent + face.descent);
    m_pixelSize = std::clamp(characterHeight, 1.0, kLargestSize);
    m_description.reset(describe(font, m_pixelSize));

    if (font.height > 0) {
        m_metrics.tmHeight = std::min(font.height, int(kLargestSize * 2));
        m_metrics.tmAscent =
            int(std::lround(m_metrics.tmHeight * face.ascent / (face.ascent + face.descent)));
        m_metrics.tmDescent = m_metrics.tmHeight - m_metrics.tmAscent;
    } else {
        m_metrics.tmAscent = int(std::ceil(m_pixelSize * face.ascent - 1e-6));
        m_metrics.tmDescent = int(std::ceil(m_pixelSize * face.descent - 1e-6));
        m_metrics.tmHeight = m_metrics.tmAscent + m_metrics.tmDescent;
    }
    m_metrics.tmInternalLeading = std::max(0, m_metrics.tmHeight - int(std::lround(m_pixelSize)));
    m_metrics.tmExternalLeading = 0;
    m_metrics.tmWeight = font.weight <= 0 ? FW_NORMAL : font.weight;
    m_metrics.tmItalic = font.italic ? 1 : 0;
    m_metrics.tmUnderlined = font.underline ? 1 : 0;
    m_metrics.tmStruckOut = font.strikeOut ? 1 : 0;
    m_metrics.tmAveCharWidth = textExtent("x").cx;
    m_metrics.tmMaxCharWidth = textExtent("W").cx;

    PangoFont* loaded = pango_context_load_font(measuringContext(), m_description.get());
    if (loaded) {
        PangoFontDescription* actual = pango_font_describe(loaded);
        const char* family = pango_font_description_get_family(actual);
        m_drawingFamily = encoding::utf8ToCp1252(family ? family : "");
        pango_font_description_free(actual);
        g_object_unref(loaded);
    }
}

CSize DiagramFont::textExtent(const CString& text) const {
    if (text.IsEmpty())
        return CSize(0, m_metrics.tmHeight);
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    auto found = m_widths.find(text.str());
    if (found != m_widths.end())
        return CSize(found->second, m_metrics.tmHeight);
    PangoLayout* layout = pango_layout_new(measuringContext());
    pango_layout_set_font_description(layout, m_description.get());
    const std::string utf8 = encoding::cp1252ToUtf8(text.str());
    pango_layout_set_text(layout, utf8.data(), int(utf8.size()));
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    if (m_widths.size() >= kMostKeptWidths)
        m_widths.clear();
    m_widths.emplace(text.str(), logical.width);
    return CSize(logical.width, m_metrics.tmHeight);
}
