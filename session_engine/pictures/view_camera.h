// The camera of the pictured 3D view: a perspective view of the scene from
// an angle, fitted around what is shown unless the script placed it.
#pragma once

#include <string>

#include "simhost/documents/mesh.h"

namespace host_tool {

// A point on the picture: x to the right, y down, and its distance along the
// view direction (positive in front of the camera).
struct ScreenPoint {
    double x = 0.0;
    double y = 0.0;
    double depth = 0.0;
};

class ViewCamera {
public:
    // Angles in degrees: yaw turns about the vertical (y) axis, pitch looks
    // down from above. The default looks at the front, from the right and above.
    void SetAngles(double yaw, double pitch);
    // Looks at `target` from `distance` instead of fitting the view.
    void Place(sim::Vec3 target, double distance);
    // Back to the default angles, fitted.
    void Reset() { *this = ViewCamera{}; }
    bool Fitted() const { return fitted_; }

    // Prepares the projection onto a picture of `width` x `height` pixels;
    // a fitted camera frames the box from `low` to `high`.
    void Frame(sim::Vec3 low, sim::Vec3 high, int width, int height);
    // Scales the framed picture about its centre, as a zoom lens does.
    void Zoom(double factor) { focal_ *= factor; }
    ScreenPoint Project(sim::Vec3 point) const;
    // Direction towards the camera, for shading.
    sim::Vec3 TowardsViewer() const;
    std::string Describe() const;

private:
    double yaw_ = 30.0;
    double pitch_ = 25.0;
    bool fitted_ = true;
    sim::Vec3 target_{0.0f, 0.0f, 0.0f};
    double distance_ = 10.0;
    // Set by Frame.
    double eye_[3] = {0.0, 0.0, 10.0};
    double right_[3] = {1.0, 0.0, 0.0};
    double up_[3] = {0.0, 1.0, 0.0};
    double forward_[3] = {0.0, 0.0, -1.0};
    double focal_ = 1.0;
    double centerX_ = 0.0;
    double centerY_ = 0.0;
};

}  // namespace host_tool
