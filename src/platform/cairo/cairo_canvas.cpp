#include "platform/cairo/cairo_canvas.h"

#include <memory>
#include <string>

#include "common/utf.h"
#include "platform/cairo/cairo_image.h"
#include "platform/cairo/font_family.h"
#include "platform/text_format.h"

namespace pelorin {

namespace {

void rectPath(cairo_t* cr, const Rect& r) {
  cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
}

cairo_font_options_t* pinnedFontOptions() {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  return options;
}

struct LayoutDeleter {
  void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};
struct DescriptionDeleter {
  void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};

PangoWeight pangoWeight(int weight) {
  return static_cast<PangoWeight>(weight <= 0 ? PANGO_WEIGHT_NORMAL : weight);
}

PangoAlignment alignmentOf(unsigned flags) {
  if (flags & text::kCenter) return PANGO_ALIGN_CENTER;
  if (flags & text::kRight) return PANGO_ALIGN_RIGHT;
  return PANGO_ALIGN_LEFT;
}

using Layout = std::unique_ptr<PangoLayout, LayoutDeleter>;

// The text in the font, not yet sized or aligned.
Layout textLayout(PangoContext* context, std::u16string_view text, const Font& font) {
  pango_context_set_language(context, font.language.empty()
                                          ? pango_language_from_string("en")
                                          : pango_language_from_string(font.language.c_str()));
  Layout layout(pango_layout_new(context));
  std::unique_ptr<PangoFontDescription, DescriptionDeleter> description(
      pango_font_description_new());
  const std::string families = fontFamilyList(font);
  pango_font_description_set_family(description.get(), families.c_str());
  pango_font_description_set_weight(description.get(), pangoWeight(font.weight));
  pango_font_description_set_absolute_size(description.get(), font.pixelHeight * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), description.get());
  const std::string utf8 = toUtf8(text);
  pango_layout_set_text(layout.get(), utf8.c_str(), static_cast<int>(utf8.size()));
  return layout;
}

}  // namespace

int textAdvance(PangoFontMap* fontMap, std::u16string_view text, const Font& font) {
  if (text.empty()) return 0;
  PangoContext* context = pango_font_map_create_context(fontMap);
  cairo_font_options_t* options = pinnedFontOptions();
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);
  int width = 0;
  {
    const auto layout = textLayout(context, text, font);
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    PangoRectangle logical{};
    pango_layout_get_pixel_extents(layout.get(), nullptr, &logical);
    width = logical.width;
  }
  g_object_unref(context);
  return width;
}

PangoFontMap* createPinnedFontMap() {
  PangoFontMap* map = pango_cairo_font_map_new();
  pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(map), 96.0);
  return map;
}

CairoCanvas::CairoCanvas(cairo_surface_t* surface, PangoFontMap* fontMap)
    : surface_(surface),
      cr_(cairo_create(surface)),
      pango_(pango_font_map_create_context(fontMap)) {
  cairo_font_options_t* options = pinnedFontOptions();
  pango_cairo_context_set_font_options(pango_, options);
  cairo_font_options_destroy(options);
}

CairoCanvas::~CairoCanvas() {
  g_object_unref(pango_);
  cairo_destroy(cr_);
  cairo_surface_flush(surface_);
}

void CairoCanvas::setColour(Colour colour) {
  cairo_set_source_rgb(cr_, redOf(colour) / 255.0, greenOf(colour) / 255.0, blueOf(colour) / 255.0);
}

void CairoCanvas::fillRect(const Rect& rect, Colour colour) {
  if (rect.empty()) return;
  setColour(colour);
  rectPath(cr_, rect);
  cairo_fill(cr_);
}

void CairoCanvas::frameRect(const Rect& rect, Colour colour) {
  if (rect.empty()) return;
  fillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
  fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void CairoCanvas::drawImage(const Image& image, const Rect& dest, const Rect& source) {
  const auto* picture = dynamic_cast<const CairoImage*>(&image);
  if (picture == nullptr || dest.empty() || source.empty()) return;
  // A sub-surface keeps the smoothing from pulling in the neighbouring frame of a state strip.
  cairo_surface_t* area = cairo_surface_create_for_rectangle(
      picture->surface(), source.left, source.top, source.width(), source.height());
  cairo_save(cr_);
  rectPath(cr_, dest);
  cairo_clip(cr_);
  cairo_translate(cr_, dest.left, dest.top);
  cairo_scale(cr_, static_cast<double>(dest.width()) / source.width(),
              static_cast<double>(dest.height()) / source.height());
  cairo_set_source_surface(cr_, area, 0, 0);
  cairo_pattern_t* pattern = cairo_get_source(cr_);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
  cairo_paint(cr_);
  cairo_restore(cr_);
  cairo_surface_destroy(area);
}

void CairoCanvas::drawText(std::u16string_view text, const Rect& rect, const Font& font,
                           Colour colour, unsigned flags) {
  if (text.empty() || rect.empty()) return;
  const auto layout = textLayout(pango_, text, font);
  pango_layout_set_alignment(layout.get(), alignmentOf(flags));
  pango_layout_set_width(layout.get(), rect.width() * PANGO_SCALE);
  if (flags & text::kSingleLine) {
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    pango_layout_set_height(layout.get(), 0);  // one line: ellipsize instead of wrapping
  } else {
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
  }
  const bool ellipsis = (flags & (text::kWordEllipsis | text::kEndEllipsis)) != 0;
  pango_layout_set_ellipsize(layout.get(), ellipsis ? PANGO_ELLIPSIZE_END : PANGO_ELLIPSIZE_NONE);
  // Wrapped text fills the rectangle's lines before the last one is cut short; without a height
  // an ellipsizing layout would keep only the first line.
  if (ellipsis && !(flags & text::kSingleLine)) {
    pango_layout_set_height(layout.get(), rect.height() * PANGO_SCALE);
  }
  if (!ellipsis && (flags & text::kSingleLine)) {
    pango_layout_set_width(layout.get(), -1);  // keep the whole line, clipped below
  }

  PangoRectangle ink{};
  PangoRectangle logical{};
  pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
  double x = rect.left;
  if (pango_layout_get_width(layout.get()) < 0) {  // unconstrained: align by hand
    if (flags & text::kCenter) x += (rect.width() - logical.width) / 2.0;
    if (flags & text::kRight) x += rect.width() - logical.width;
  }
  double y = rect.top;
  if ((flags & text::kVCenter) && (flags & text::kSingleLine)) {
    y += (rect.height() - logical.height) / 2;
  }

  cairo_save(cr_);
  rectPath(cr_, rect);
  cairo_clip(cr_);
  setColour(colour);
  cairo_move_to(cr_, static_cast<int>(x), y);
  pango_cairo_update_context(cr_, pango_);
  pango_layout_context_changed(layout.get());
  pango_cairo_show_layout(cr_, layout.get());
  cairo_restore(cr_);
}

void CairoCanvas::pushClip(const Rect& rect) {
  cairo_save(cr_);
  rectPath(cr_, rect);
  cairo_clip(cr_);
}

void CairoCanvas::popClip() {
  cairo_restore(cr_);
}

Colour CairoCanvas::pixel(int x, int y) const {
  return surfacePixel(surface_, x, y);
}

}  // namespace pelorin
