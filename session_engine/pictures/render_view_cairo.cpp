// The 3D view drawn with cairo: faces far to near so nearer ones cover what
// lies behind them, the wireframe with each face, the selection in the
// host's highlight colour, then the plug-in's drawing objects over the mesh
// in their own colours.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>

#include <cairo.h>

#include "session_engine/pictures/cairo_text.h"
#include "session_engine/pictures/pictures.h"
#include "session_engine/session/counted.h"
#include "session_engine/session/session.h"
#include "session_engine/session/session_error.h"
#include "simhost/documents/document_model.h"

namespace host_tool {

namespace {

struct Rgb {
    double r, g, b;
};

constexpr Rgb kFace{0.66, 0.68, 0.72};
constexpr Rgb kLine{0.16, 0.17, 0.20};
constexpr Rgb kWire{0.80, 0.82, 0.86};  // lines when faces are not shown
constexpr Rgb kHighlight{1.00, 0.62, 0.10};

struct FaceItem {
    std::vector<ScreenPoint> points;
    double depth = 0.0;
    double shade = 1.0;
    bool selected = false;
    std::vector<bool> lineSelected;
    std::vector<bool> pointSelected;

    bool AnythingSelected() const {
        return selected ||
               std::find(lineSelected.begin(), lineSelected.end(), true) != lineSelected.end() ||
               std::find(pointSelected.begin(), pointSelected.end(), true) != pointSelected.end();
    }
    // The face covers less than a pixel each way: its outline and dots would
    // only paint that pixel over and over.
    bool Speck() const {
        double left = points[0].x, right = left, top = points[0].y, bottom = top;
        for (const ScreenPoint& p : points) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        return right - left < 1.0 && bottom - top < 1.0;
    }
};

// A painting of this many faces or more tells how far it is, once a second:
// a large mesh takes seconds.
constexpr std::size_t kLongPainting = 20000;

class PaintProgress {
public:
    PaintProgress(Session& session, std::size_t total) : session_(session), total_(total) {
        if (total_ >= kLongPainting)
            session_.Note("render: painting " + std::to_string(total_) + " faces");
    }
    void At(std::size_t done) {
        if (total_ < kLongPainting || (done & 0x3ff) != 0) return;
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::seconds(1)) return;
        last_ = now;
        session_.Note("render: " + std::to_string(done) + " of " + std::to_string(total_) +
                      " faces painted");
    }

private:
    Session& session_;
    std::size_t total_;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

sim::Vec3 Newell(const std::vector<sim::Vec3>& points) {
    double x = 0, y = 0, z = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const sim::Vec3& a = points[i];
        const sim::Vec3& b = points[(i + 1) % points.size()];
        x += (a.y - b.y) * (a.z + b.z);
        y += (a.z - b.z) * (a.x + b.x);
        z += (a.x - b.x) * (a.y + b.y);
    }
    double length = std::sqrt(x * x + y * y + z * z);
    if (length == 0) return sim::Vec3{0, 0, 0};
    return sim::Vec3{static_cast<float>(x / length), static_cast<float>(y / length),
                     static_cast<float>(z / length)};
}

void SetColour(cairo_t* cr, Rgb colour, double alpha = 1.0) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void Dot(cairo_t* cr, const ScreenPoint& p, double radius) {
    cairo_new_path(cr);
    cairo_arc(cr, p.x, p.y, radius, 0, 2 * kPi);
    cairo_fill(cr);
}

void Segment(cairo_t* cr, const ScreenPoint& a, const ScreenPoint& b) {
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
}

// The box around what the view shows.
void Bounds(const std::vector<sim::Vec3>& points, sim::Vec3& low, sim::Vec3& high) {
    if (points.empty()) {
        low = sim::Vec3{-1, -1, -1};
        high = sim::Vec3{1, 1, 1};
        return;
    }
    low = high = points.front();
    for (const sim::Vec3& p : points) {
        low = sim::Vec3{std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = sim::Vec3{std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
}

class ViewPainter {
public:
    ViewPainter(Session& session, cairo_t* cr)
        : session_(session), cr_(cr), view_(session.ViewOptions()) {}

    void Paint() {
        sim::DocumentModel& documents = sim::Documents();
        MQDocument doc = session_.Document();
        std::vector<sim::Vec3> shown;
        for (int i = 0; i < documents.ObjectCount(doc); ++i) {
            MQObject object = documents.ObjectAt(doc, i);
            if (object == nullptr || !documents.ObjectVisible(object)) continue;
            objects_.push_back(object);
            for (int v = 0; v < documents.VertexCount(object); ++v)
                if (documents.VertexUniqueId(object, v) >= 0)
                    shown.push_back(documents.VertexPosition(object, v));
        }
        drawings_ = documents.DrawObjects(doc);
        for (const sim::DrawObjectInfo& info : drawings_)
            shown.insert(shown.end(), info.vertices.begin(), info.vertices.end());
        sim::Vec3 low, high;
        Bounds(shown, low, high);
        ViewCamera& camera = session_.Camera();
        camera.Frame(low, high, kViewWidth, kViewHeight);
        if (camera.Fitted() && !shown.empty()) {
            // The sphere around the box leaves room; fill the picture instead.
            double reach = 0;
            for (const sim::Vec3& p : shown) {
                ScreenPoint point = camera.Project(p);
                reach = std::max({reach, std::fabs(point.x - kViewWidth / 2.0) / (kViewWidth / 2.0),
                                  std::fabs(point.y - kViewHeight / 2.0) / (kViewHeight / 2.0)});
            }
            if (reach > 0) camera.Zoom(0.86 / reach);
        }

        Background();
        PaintMeshes();
        PaintDrawingObjects();
        Legend();
    }

private:
    ScreenPoint Project(sim::Vec3 p) const { return session_.Camera().Project(p); }

    void Background() {
        cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kViewHeight);
        cairo_pattern_add_color_stop_rgb(sky, 0, 0.30, 0.32, 0.36);
        cairo_pattern_add_color_stop_rgb(sky, 1, 0.16, 0.17, 0.19);
        cairo_set_source(cr_, sky);
        cairo_paint(cr_);
        cairo_pattern_destroy(sky);
    }

    void PaintMeshes() {
        sim::DocumentModel& documents = sim::Documents();
        MQDocument doc = session_.Document();
        const sim::Vec3 viewer = session_.Camera().TowardsViewer();
        std::vector<FaceItem> faces;
        std::vector<ScreenPoint> selectedVertices, vertices;
        for (MQObject object : objects_) {
            std::vector<int> selected = documents.SelectedVertices(doc, object);
            std::vector<int> selectedFaces = documents.SelectedFaces(doc, object);
            auto lines = documents.SelectedLines(doc, object);
            for (int f = 0; f < documents.FaceCount(object); ++f) {
                std::vector<int> points = documents.FacePoints(object, f);
                if (points.empty()) continue;
                FaceItem item;
                std::vector<sim::Vec3> positions;
                bool behind = false;
                for (int point : points) {
                    positions.push_back(documents.VertexPosition(object, point));
                    item.points.push_back(Project(positions.back()));
                    behind |= item.points.back().depth <= 0;
                    item.depth += item.points.back().depth / points.size();
                }
                if (behind) continue;
                sim::Vec3 n = Newell(positions);
                item.shade =
                    0.45 + 0.55 * std::fabs(n.x * viewer.x + n.y * viewer.y + n.z * viewer.z);
                item.selected = std::binary_search(selectedFaces.begin(), selectedFaces.end(), f);
                for (int point : points)
                    item.pointSelected.push_back(
                        std::binary_search(selected.begin(), selected.end(), point));
                for (std::size_t k = 0; k < points.size(); ++k)
                    item.lineSelected.push_back(std::binary_search(
                        lines.begin(), lines.end(), std::make_pair(f, static_cast<int>(k))));
                faces.push_back(std::move(item));
            }
            // Vertices that no face uses; the others are drawn with their faces.
            for (int v = 0; v < documents.VertexCount(object); ++v) {
                if (documents.VertexUniqueId(object, v) < 0 ||
                    documents.VertexRefCount(object, v) > 0)
                    continue;
                ScreenPoint p = Project(documents.VertexPosition(object, v));
                if (p.depth <= 0) continue;
                (std::binary_search(selected.begin(), selected.end(), v) ? selectedVertices
                                                                         : vertices)
                    .push_back(p);
            }
        }
        std::sort(faces.begin(), faces.end(),
                  [](const FaceItem& a, const FaceItem& b) { return a.depth > b.depth; });

        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
        PaintProgress progress(session_, faces.size());
        for (std::size_t i = 0; i < faces.size(); ++i) {
            const FaceItem& face = faces[i];
            if (face.Speck() && !face.AnythingSelected())
                PaintSpeck(face);
            else
                PaintFace(face);
            progress.At(i);
        }
        for (const ScreenPoint& p : vertices) VertexDot(p, false);
        for (const ScreenPoint& p : selectedVertices) VertexDot(p, true);
    }

    void VertexDot(const ScreenPoint& p, bool selected) {
        if (selected) {
            SetColour(cr_, kHighlight);
            Dot(cr_, p, 3.5);
        } else if (view_.showVertex) {
            SetColour(cr_, view_.showFace ? kLine : kWire);
            Dot(cr_, p, 1.8);
        }
    }

    void Outline(const FaceItem& face) {
        cairo_new_path(cr_);
        for (std::size_t k = 0; k < face.points.size(); ++k)
            (k == 0 ? cairo_move_to : cairo_line_to)(cr_, face.points[k].x, face.points[k].y);
        cairo_close_path(cr_);
    }

    // A face under a pixel as one pixel of what its fill, outline and dots
    // would have made of it; a far mesh of many faces paints in a moment.
    void PaintSpeck(const FaceItem& face) {
        Rgb colour;
        if (view_.showFace) {
            colour = Rgb{kFace.r * face.shade, kFace.g * face.shade, kFace.b * face.shade};
            // Mostly its outline, as lines this close together would cover it.
            constexpr double kOutline = 0.7;
            if (view_.showLine || view_.showVertex)
                colour = Rgb{colour.r + (kLine.r - colour.r) * kOutline,
                             colour.g + (kLine.g - colour.g) * kOutline,
                             colour.b + (kLine.b - colour.b) * kOutline};
        } else if (view_.showLine || view_.showVertex) {
            colour = kWire;
        } else {
            return;
        }
        const ScreenPoint& at = face.points[0];
        cairo_rectangle(cr_, std::floor(at.x), std::floor(at.y), 1, 1);
        SetColour(cr_, colour);
        cairo_fill(cr_);
    }

    void PaintFace(const FaceItem& face) {
        if (view_.showFace) {
            Outline(face);
            Rgb base = face.selected ? Rgb{0.95, 0.70, 0.40} : kFace;
            SetColour(cr_, Rgb{base.r * face.shade, base.g * face.shade, base.b * face.shade});
            cairo_fill(cr_);
        }
        if (view_.showLine) {
            Outline(face);
            SetColour(cr_, view_.showFace ? kLine : kWire, view_.showFace ? 0.9 : 0.7);
            cairo_set_line_width(cr_, 1.0);
            cairo_stroke(cr_);
        }
        bool anyLine = face.selected;
        for (bool selected : face.lineSelected) anyLine |= selected;
        if (anyLine) {
            cairo_new_path(cr_);
            for (std::size_t k = 0; k < face.points.size(); ++k)
                if (face.selected || face.lineSelected[k])
                    Segment(cr_, face.points[k], face.points[(k + 1) % face.points.size()]);
            SetColour(cr_, kHighlight);
            cairo_set_line_width(cr_, 2.5);
            cairo_stroke(cr_);
        }
        for (std::size_t k = 0; k < face.points.size(); ++k)
            VertexDot(face.points[k], face.pointSelected[k]);
    }

    void PaintDrawingObjects() {
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
        for (const sim::DrawObjectInfo& info : drawings_) {
            const Rgb colour{info.color[0], info.color[1], info.color[2]};
            std::vector<ScreenPoint> points;
            for (const sim::Vec3& v : info.vertices) points.push_back(Project(v));
            // Lines (2-point faces) show with the line bit; a line of zero
            // length shows as a point.
            if (info.visibility & 2) {
                for (int pass = 0; pass < 2; ++pass) {
                    cairo_set_line_width(cr_, pass == 0 ? 5.5 : 3.0);
                    for (const auto& face : info.faces) {
                        if (face.size() != 2) continue;
                        const ScreenPoint &a = points[face[0]], &b = points[face[1]];
                        if (a.depth <= 0 || b.depth <= 0) continue;
                        cairo_new_path(cr_);
                        const bool point = a.x == b.x && a.y == b.y;
                        if (point) {
                            cairo_arc(cr_, a.x, a.y, pass == 0 ? 5.0 : 3.8, 0, 2 * kPi);
                        } else {
                            Segment(cr_, a, b);
                        }
                        pass == 0 ? cairo_set_source_rgba(cr_, 0, 0, 0, 0.55)
                                  : SetColour(cr_, colour);
                        point ? cairo_fill(cr_) : cairo_stroke(cr_);
                    }
                }
            }
            if (info.visibility & 1) {
                for (const ScreenPoint& p : points) {
                    if (p.depth <= 0) continue;
                    cairo_set_source_rgba(cr_, 0, 0, 0, 0.55);
                    Dot(cr_, p, 3.6);
                    SetColour(cr_, colour);
                    Dot(cr_, p, 2.6);
                }
            }
        }
    }

    // A colour square per drawing object, labelled with the marker row it
    // shows ("?" where the panel did not tell), in row order.
    void Legend() {
        CairoText text(cr_, 13);
        std::string title =
            "3D view: " + Counted(objects_.size(), "visible object", "visible objects") + ", " +
            Counted(drawings_.size(), "drawing object", "drawing objects");
        cairo_set_source_rgb(cr_, 0.92, 0.93, 0.95);
        text.Draw(title, 12, 22);
        double x = 12;
        // The host's own colour first: the selection is not a marker.
        cairo_rectangle(cr_, x, 32, 14, 14);
        SetColour(cr_, kHighlight);
        cairo_fill_preserve(cr_);
        cairo_set_source_rgb(cr_, 0.05, 0.05, 0.05);
        cairo_set_line_width(cr_, 1);
        cairo_stroke(cr_);
        cairo_set_source_rgb(cr_, 0.92, 0.93, 0.95);
        text.Draw("selection", x + 19, 44);
        x += 19 + text.Width("selection") + 14;
        for (const auto& [row, info] : LegendEntries()) {
            cairo_rectangle(cr_, x, 32, 14, 14);
            cairo_set_source_rgb(cr_, info->color[0], info->color[1], info->color[2]);
            cairo_fill_preserve(cr_);
            cairo_set_source_rgb(cr_, 0.05, 0.05, 0.05);
            cairo_set_line_width(cr_, 1);
            cairo_stroke(cr_);
            const std::string label = row >= 0 ? "row " + std::to_string(row) : "row ?";
            cairo_set_source_rgb(cr_, 0.92, 0.93, 0.95);
            text.Draw(label, x + 19, 44);
            x += 19 + text.Width(label) + 14;
        }
        auto onOff = [](int value) { return value ? "on" : "off"; };
        std::string footer = std::string("vertices ") + onOff(view_.showVertex) + ", lines " +
                             onOff(view_.showLine) + ", faces " + onOff(view_.showFace) +
                             "   camera " + session_.Camera().Describe();
        cairo_set_source_rgb(cr_, 0.75, 0.77, 0.80);
        text.Draw(footer, 12, kViewHeight - 12);
    }

public:
    // "the 3D view, 3 drawing objects: rows 0, 1 and 2".
    std::string Described() const {
        std::string text =
            "the 3D view, " + Counted(drawings_.size(), "drawing object", "drawing objects");
        std::vector<std::string> rows;
        for (const auto& [row, info] : LegendEntries())
            rows.push_back(row >= 0 ? std::to_string(row) : "?");
        for (std::size_t i = 0; i < rows.size(); ++i)
            text += (i == 0                 ? (rows.size() == 1 ? ": row " : ": rows ")
                     : i + 1 == rows.size() ? " and "
                                            : ", ") +
                    rows[i];
        return text;
    }

private:
    // The drawing objects by marker row, the unknown ones last in the order made.
    std::vector<std::pair<int, const sim::DrawObjectInfo*>> LegendEntries() const {
        std::vector<std::pair<int, const sim::DrawObjectInfo*>> entries;
        for (const sim::DrawObjectInfo& info : drawings_)
            entries.emplace_back(session_.MarkerRowOf(info.handle), &info);
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return a.first >= 0 && (b.first < 0 || a.first < b.first);
        });
        return entries;
    }

    Session& session_;
    cairo_t* cr_;
    sim::SceneOptions view_;
    std::vector<MQObject> objects_;
    std::vector<sim::DrawObjectInfo> drawings_;
};

}  // namespace

bool PicturesAvailable() { return true; }

std::string RenderView(Session& session, const std::string& path) {
    CairoCanvas canvas(kViewWidth, kViewHeight);
    ViewPainter painter(session, canvas.Context());
    painter.Paint();
    canvas.Write(path);
    return painter.Described();
}

}  // namespace host_tool
