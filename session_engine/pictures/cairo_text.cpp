#include "session_engine/pictures/cairo_text.h"

#include "session_engine/session/session_error.h"

namespace host_tool {

CairoCanvas::CairoCanvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context_(cairo_create(surface_)) {}

CairoCanvas::~CairoCanvas() {
    cairo_destroy(context_);
    cairo_surface_destroy(surface_);
}

void CairoCanvas::Write(const std::string& path) {
    cairo_surface_flush(surface_);
    cairo_status_t status = cairo_surface_write_to_png(surface_, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
        throw SessionError("cannot write the picture " + path + ": " +
                           cairo_status_to_string(status));
}

CairoText::CairoText(cairo_t* cr, double size, bool bold) : cr_(cr) {
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

double CairoText::Width(const std::string& text) const {
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    return extents.x_advance;
}

void CairoText::Draw(const std::string& text, double x, double y) const {
    cairo_move_to(cr_, x, y);
    cairo_show_text(cr_, text.c_str());
    cairo_new_path(cr_);
}

void CairoText::DrawCentred(const std::string& text, double x, double y, double width,
                            double height) const {
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    const double baseline = y + (height + font.ascent - font.descent) / 2;
    Draw(text, x + (width - Width(text)) / 2, baseline);
}

}  // namespace host_tool
