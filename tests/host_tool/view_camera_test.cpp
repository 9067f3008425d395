// The pictured view's camera: what it looks at lands in the middle of the
// picture, and angles turn the view the way the user expects.
#include <gtest/gtest.h>

#include "session_engine/pictures/view_camera.h"

namespace host_tool {
namespace {

TEST(ViewCamera, AFittedViewCentresTheBoxAndKeepsItInThePicture) {
    ViewCamera camera;
    camera.Frame({-1, -2, -3}, {3, 2, 1}, 800, 600);
    ScreenPoint centre = camera.Project({1, 0, -1});
    EXPECT_NEAR(centre.x, 400, 1e-6);
    EXPECT_NEAR(centre.y, 300, 1e-6);
    for (sim::Vec3 corner :
         {sim::Vec3{-1, -2, -3}, sim::Vec3{3, 2, 1}, sim::Vec3{-1, 2, 1}, sim::Vec3{3, -2, -3}}) {
        ScreenPoint p = camera.Project(corner);
        EXPECT_GT(p.depth, 0);
        EXPECT_GT(p.x, 0);
        EXPECT_LT(p.x, 800);
        EXPECT_GT(p.y, 0);
        EXPECT_LT(p.y, 600);
    }
}

TEST(ViewCamera, UpIsUpAndRightIsRightFromTheFront) {
    ViewCamera camera;
    camera.SetAngles(0, 0);
    camera.Place({0, 0, 0}, 10);
    camera.Frame({}, {}, 800, 600);
    EXPECT_LT(camera.Project({0, 1, 0}).y, 300);
    EXPECT_GT(camera.Project({1, 0, 0}).x, 400);
    EXPECT_NEAR(camera.Project({0, 0, 0}).depth, 10, 1e-6);
    EXPECT_LE(camera.Project({0, 0, 11}).depth, 0);  // behind the camera
    EXPECT_EQ(camera.Describe(), "yaw 0, pitch 0, at 0 0 0, distance 10");
}

}  // namespace
}  // namespace host_tool
