// Small helpers over cairo shared by the pictures: an image surface written
// as PNG, and text set in the system's sans-serif face.
#pragma once

#include <string>

#include <cairo.h>

namespace host_tool {

constexpr double kPi = 3.14159265358979323846;

// An image of `width` x `height` pixels and its drawing context.
class CairoCanvas {
public:
    CairoCanvas(int width, int height);
    ~CairoCanvas();
    CairoCanvas(const CairoCanvas&) = delete;
    CairoCanvas& operator=(const CairoCanvas&) = delete;

    cairo_t* Context() { return context_; }
    // Writes the image as PNG; throws SessionError naming the file on failure.
    void Write(const std::string& path);

private:
    cairo_surface_t* surface_;
    cairo_t* context_;
};

// Text in the sans-serif face at one size, in the context's current colour.
class CairoText {
public:
    CairoText(cairo_t* cr, double size, bool bold = false);
    double Width(const std::string& text) const;
    // `y` is the baseline.
    void Draw(const std::string& text, double x, double y) const;
    // Centred in the box, vertically by the face's own height.
    void DrawCentred(const std::string& text, double x, double y, double width,
                     double height) const;

private:
    cairo_t* cr_;
};

}  // namespace host_tool
