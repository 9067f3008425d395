#include "session_engine/pictures/view_camera.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace host_tool {

namespace {
constexpr double kFieldOfView = 35.0;  // degrees, across the shorter side
const double kPi = std::acos(-1.0);

double Radians(double degrees) { return degrees * kPi / 180.0; }
}  // namespace

void ViewCamera::SetAngles(double yaw, double pitch) {
    yaw_ = yaw;
    pitch_ = std::clamp(pitch, -89.0, 89.0);
}

void ViewCamera::Place(sim::Vec3 target, double distance) {
    target_ = target;
    distance_ = distance;
    fitted_ = false;
}

void ViewCamera::Frame(sim::Vec3 low, sim::Vec3 high, int width, int height) {
    const double halfAngle = Radians(kFieldOfView) / 2.0;
    if (fitted_) {
        target_ = sim::Vec3{(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
        const double dx = high.x - low.x, dy = high.y - low.y, dz = high.z - low.z;
        const double radius = std::max(0.5 * std::sqrt(dx * dx + dy * dy + dz * dz), 1e-3);
        distance_ = radius / std::sin(halfAngle) * 1.08;
    }
    const double yaw = Radians(yaw_), pitch = Radians(pitch_);
    const double toEye[3] = {std::cos(pitch) * std::sin(yaw), std::sin(pitch),
                             std::cos(pitch) * std::cos(yaw)};
    eye_[0] = target_.x + distance_ * toEye[0];
    eye_[1] = target_.y + distance_ * toEye[1];
    eye_[2] = target_.z + distance_ * toEye[2];
    for (int i = 0; i < 3; ++i) forward_[i] = -toEye[i];
    // right = forward x world up (0, 1, 0), up = right x forward
    right_[0] = -forward_[2];
    right_[1] = 0.0;
    right_[2] = forward_[0];
    const double length = std::hypot(right_[0], right_[2]);
    right_[0] /= length;
    right_[2] /= length;
    up_[0] = right_[1] * forward_[2] - right_[2] * forward_[1];
    up_[1] = right_[2] * forward_[0] - right_[0] * forward_[2];
    up_[2] = right_[0] * forward_[1] - right_[1] * forward_[0];
    focal_ = (std::min(width, height) / 2.0) / std::tan(halfAngle);
    centerX_ = width / 2.0;
    centerY_ = height / 2.0;
}

ScreenPoint ViewCamera::Project(sim::Vec3 point) const {
    const double d[3] = {point.x - eye_[0], point.y - eye_[1], point.z - eye_[2]};
    const double x = d[0] * right_[0] + d[1] * right_[1] + d[2] * right_[2];
    const double y = d[0] * up_[0] + d[1] * up_[1] + d[2] * up_[2];
    const double z = d[0] * forward_[0] + d[1] * forward_[1] + d[2] * forward_[2];
    ScreenPoint screen;
    screen.depth = z;
    if (z <= 1e-6) return screen;
    screen.x = centerX_ + focal_ * x / z;
    screen.y = centerY_ - focal_ * y / z;
    return screen;
}

sim::Vec3 ViewCamera::TowardsViewer() const {
    return sim::Vec3{static_cast<float>(-forward_[0]), static_cast<float>(-forward_[1]),
                     static_cast<float>(-forward_[2])};
}

std::string ViewCamera::Describe() const {
    char text[160];
    if (fitted_) {
        std::snprintf(text, sizeof text, "yaw %g, pitch %g, fitted", yaw_, pitch_);
    } else {
        std::snprintf(text, sizeof text, "yaw %g, pitch %g, at %g %g %g, distance %g", yaw_, pitch_,
                      static_cast<double>(target_.x), static_cast<double>(target_.y),
                      static_cast<double>(target_.z), distance_);
    }
    return text;
}

}  // namespace host_tool
