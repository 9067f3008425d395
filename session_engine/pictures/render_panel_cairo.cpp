// The panel drawn with cairo: the widget tree laid out the way the host lays
// out frames (horizontal frames left to right, vertical ones top to bottom,
// spaced by their "inspace" and "outspace"), each control sized by its
// caption, in a window with its title bar.
#include <algorithm>
#include <map>

#include "session_engine/panel/panel_widgets.h"
#include "session_engine/pictures/cairo_text.h"
#include "session_engine/pictures/pictures.h"
#include "session_engine/session/session_error.h"
#include "simhost/widgets/widget_model.h"

namespace host_tool {

namespace {

constexpr double kFontSize = 13.0;
constexpr double kTitleHeight = 26.0;
constexpr double kMargin = 24.0;  // desktop around the window

struct Size {
    double width = 0;
    double height = 0;
};

class PanelPainter {
public:
    PanelPainter(cairo_t* cr) : cr_(cr), text_(cr, kFontSize) {}

    Size Measure(int id) {
        sim::WidgetModel& widgets = sim::Widgets();
        const std::string widgetClass = widgets.ClassOf(id);
        Size size;
        if (widgetClass == "button") {
            size = {std::max(30.0, text_.Width(Caption(id)) + 22), 26};
        } else if (widgetClass == "checkbox") {
            size = {16 + 6 + text_.Width(Caption(id)) + 6, 24};
        } else if (widgetClass == "doublespinbox") {
            size = {120, 26};
        } else if (widgetClass == "colorpanel") {
            size = {160, 96};
        } else if (sim::IsContainerClass(widgetClass)) {
            const bool across = widgets.NarrowProperty(id, "alignment").value_or("vert") == "horz";
            const double gap = Gap(id), pad = Pad(id);
            double along = 0, thick = 0;
            int count = 0;
            for (int child : Children(id)) {
                Size c = Measure(child);
                along += (count++ > 0 ? gap : 0) + (across ? c.width : c.height);
                thick = std::max(thick, across ? c.height : c.width);
            }
            size = across ? Size{along + 2 * pad, thick + 2 * pad}
                          : Size{thick + 2 * pad, along + 2 * pad};
            if (sim::IsWindowClass(widgetClass)) {
                size.width = std::max(size.width + 12, text_.Width(Caption(id)) + 80);
                size.height += kTitleHeight + 12;
            }
        }
        sizes_[id] = size;
        return size;
    }

    void Paint(int id, double x, double y, double width) {
        sim::WidgetModel& widgets = sim::Widgets();
        const std::string widgetClass = widgets.ClassOf(id);
        const Size size{width, sizes_[id].height};
        if (widgetClass == "button") return Button(id, x, y, size);
        if (widgetClass == "checkbox") return Check(id, x, y, size);
        if (widgetClass == "doublespinbox") return Spin(id, x, y, size);
        if (widgetClass == "colorpanel") return ColourPanel(id, x, y, size);
        if (!sim::IsContainerClass(widgetClass)) return;
        if (sim::IsWindowClass(widgetClass)) {
            Window(id, x, y, size);
            x += 6;
            y += kTitleHeight + 6;
            width -= 12;
        }
        const bool across = widgets.NarrowProperty(id, "alignment").value_or("vert") == "horz";
        const double gap = Gap(id), pad = Pad(id);
        x += pad;
        y += pad;
        for (int child : Children(id)) {
            const Size c = sizes_[child];
            // Children of a vertical frame take its width, as the host stretches them.
            Paint(child, x, y, across ? c.width : width - 2 * pad);
            (across ? x : y) += (across ? c.width : c.height) + gap;
        }
    }

private:
    std::vector<int> Children(int id) {
        std::vector<int> alive;
        for (int child : sim::Widgets().ChildrenOf(id))
            if (sim::Widgets().IsAlive(child)) alive.push_back(child);
        return alive;
    }

    // The host's spacings are in units of the font's height.
    double Gap(int id) {
        return 3 + kFontSize * sim::Widgets().DoubleProperty(id, "inspace").value_or(0.0);
    }
    double Pad(int id) {
        return 2 + kFontSize * sim::Widgets().DoubleProperty(id, "outspace").value_or(0.0);
    }

    void Box(double x, double y, double w, double h, double radius) {
        cairo_new_path(cr_);
        cairo_arc(cr_, x + w - radius, y + radius, radius, -kPi / 2, 0);
        cairo_arc(cr_, x + w - radius, y + h - radius, radius, 0, kPi / 2);
        cairo_arc(cr_, x + radius, y + h - radius, radius, kPi / 2, kPi);
        cairo_arc(cr_, x + radius, y + radius, radius, kPi, 1.5 * kPi);
        cairo_close_path(cr_);
    }

    void Window(int id, double x, double y, Size size) {
        const bool visible = sim::Widgets().BoolProperty(id, "visible").value_or(false);
        Box(x, y, size.width, size.height, 5);
        cairo_set_source_rgb(cr_, 0.93, 0.93, 0.94);
        cairo_fill_preserve(cr_);
        cairo_set_source_rgb(cr_, 0.35, 0.36, 0.40);
        cairo_set_line_width(cr_, 1);
        cairo_stroke(cr_);
        Box(x, y, size.width, kTitleHeight, 5);
        cairo_set_source_rgb(cr_, 0.24, 0.31, 0.44);
        cairo_fill(cr_);
        CairoText bold(cr_, kFontSize, true);
        cairo_set_source_rgb(cr_, 1, 1, 1);
        bold.Draw(Caption(id), x + 10, y + 18);
        CairoText plain(cr_, kFontSize);
        // The close box.
        plain.DrawCentred("x", x + size.width - 24, y + 2, 20, kTitleHeight - 4);
        if (!visible) {
            cairo_set_source_rgb(cr_, 0.80, 0.84, 0.92);
            CairoText small(cr_, 10);
            small.Draw("(hidden)", x + size.width - 80, y + 17);
        }
        text_ = CairoText(cr_, kFontSize);
    }

    void Button(int id, double x, double y, Size size) {
        sim::WidgetModel& widgets = sim::Widgets();
        const bool down = widgets.BoolProperty(id, "toggle").value_or(false) &&
                          widgets.BoolProperty(id, "down").value_or(false);
        Box(x + 0.5, y + 0.5, size.width - 1, size.height - 1, 4);
        cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + size.height);
        if (down) {
            cairo_pattern_add_color_stop_rgb(fill, 0, 0.55, 0.66, 0.86);
            cairo_pattern_add_color_stop_rgb(fill, 1, 0.68, 0.78, 0.95);
        } else {
            cairo_pattern_add_color_stop_rgb(fill, 0, 1.00, 1.00, 1.00);
            cairo_pattern_add_color_stop_rgb(fill, 1, 0.85, 0.86, 0.88);
        }
        cairo_set_source(cr_, fill);
        cairo_fill_preserve(cr_);
        cairo_pattern_destroy(fill);
        cairo_set_source_rgb(cr_, down ? 0.20 : 0.55, down ? 0.28 : 0.56, down ? 0.45 : 0.60);
        cairo_set_line_width(cr_, 1);
        cairo_stroke(cr_);
        cairo_set_source_rgb(cr_, 0.08, 0.08, 0.10);
        text_.DrawCentred(Caption(id), x, y + (down ? 1 : 0), size.width, size.height);
    }

    void Check(int id, double x, double y, Size size) {
        const bool checked = sim::Widgets().BoolProperty(id, "checked").value_or(false);
        const double top = y + (size.height - 16) / 2;
        Box(x + 0.5, top + 0.5, 15, 15, 2);
        cairo_set_source_rgb(cr_, 1, 1, 1);
        cairo_fill_preserve(cr_);
        cairo_set_source_rgb(cr_, 0.40, 0.42, 0.46);
        cairo_set_line_width(cr_, 1);
        cairo_stroke(cr_);
        if (checked) {
            cairo_move_to(cr_, x + 3.5, top + 8.5);
            cairo_line_to(cr_, x + 6.5, top + 12);
            cairo_line_to(cr_, x + 12.5, top + 4);
            cairo_set_source_rgb(cr_, 0.15, 0.35, 0.75);
            cairo_set_line_width(cr_, 2.2);
            cairo_stroke(cr_);
        }
        cairo_set_source_rgb(cr_, 0.08, 0.08, 0.10);
        text_.DrawCentred(Caption(id), x + 22, y, text_.Width(Caption(id)), size.height);
    }

    void Spin(int id, double x, double y, Size size) {
        cairo_rectangle(cr_, x + 0.5, y + 0.5, size.width - 1, size.height - 1);
        cairo_set_source_rgb(cr_, 1, 1, 1);
        cairo_fill_preserve(cr_);
        cairo_set_source_rgb(cr_, 0.55, 0.56, 0.60);
        cairo_set_line_width(cr_, 1);
        cairo_stroke(cr_);
        const double arrows = x + size.width - 18;
        cairo_move_to(cr_, arrows, y);
        cairo_line_to(cr_, arrows, y + size.height);
        cairo_stroke(cr_);
        cairo_set_source_rgb(cr_, 0.30, 0.31, 0.35);
        const double middle = y + size.height / 2;
        cairo_move_to(cr_, arrows + 5, middle - 3);
        cairo_line_to(cr_, arrows + 13, middle - 3);
        cairo_line_to(cr_, arrows + 9, middle - 8);
        cairo_close_path(cr_);
        cairo_move_to(cr_, arrows + 5, middle + 3);
        cairo_line_to(cr_, arrows + 13, middle + 3);
        cairo_line_to(cr_, arrows + 9, middle + 8);
        cairo_close_path(cr_);
        cairo_fill(cr_);
        std::string value = NumberText(sim::Widgets().DoubleProperty(id, "position").value_or(0));
        cairo_set_source_rgb(cr_, 0.08, 0.08, 0.10);
        text_.Draw(value, arrows - 6 - text_.Width(value), y + size.height / 2 + 4.5);
    }

    void ColourPanel(int id, double x, double y, Size size) {
        sim::RgbValue rgb = sim::Widgets().RgbProperty(id, "rgb").value_or(sim::RgbValue{});
        cairo_rectangle(cr_, x, y, size.width, size.height);
        cairo_set_source_rgb(cr_, rgb.r / 255.0, rgb.g / 255.0, rgb.b / 255.0);
        cairo_fill_preserve(cr_);
        cairo_set_source_rgb(cr_, 0.3, 0.3, 0.3);
        cairo_stroke(cr_);
    }

    cairo_t* cr_;
    CairoText text_;
    std::map<int, Size> sizes_;
};

}  // namespace

std::string RenderPanel(Session&, const std::string& path) {
    int panel = Panel();
    Size size;
    {
        CairoCanvas probe(1, 1);
        size = PanelPainter(probe.Context()).Measure(panel);
    }
    CairoCanvas canvas(static_cast<int>(size.width + 2 * kMargin),
                       static_cast<int>(size.height + 2 * kMargin));
    cairo_t* cr = canvas.Context();
    cairo_set_source_rgb(cr, 0.55, 0.60, 0.66);
    cairo_paint(cr);
    PanelPainter painter(cr);
    painter.Measure(panel);
    painter.Paint(panel, kMargin, kMargin, size.width);
    canvas.Write(path);
    return "the panel";
}

}  // namespace host_tool
