// Pictures from a session: the 3D view, the panel, and the camera the view
// is seen from.
#include <cctype>
#include <filesystem>

#include "session_engine/commands/commands.h"
#include "session_engine/pictures/pictures.h"
#include "session_engine/session/session.h"
#include "session_engine/session/session_error.h"

namespace host_tool {

namespace {

void Picture(Session& session, Arguments& args, bool panel) {
    std::string path = args.Path("PNG file");
    args.End();
    // Pictures are PNG: a name that says otherwise would hold what it does
    // not say.
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension != ".png")
        args.Fail("\"" + path + "\" does not end in .png; pictures are written as PNG files");
    // Checked before the painting, which may take a while.
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder))
        throw SessionError("cannot write " + path + ": there is no folder " + folder.string());
    // Told in the transcript, in its place among the commands' lines.
    if (!PicturesAvailable()) {
        session.Show(path + " not written: this build draws no pictures (cairo is built for " +
                     "Linux only)");
        return;
    }
    std::string shown = panel ? RenderPanel(session, path) : RenderView(session, path);
    session.Show("wrote " + path + ": " + shown);
}

void Camera(Session& session, Arguments& args) {
    ViewCamera& camera = session.Camera();
    if (args.Take("fit")) {
        args.End();
        camera.Reset();
    } else {
        double yaw = args.Number("yaw");
        double pitch = args.Number("pitch");
        if (args.Take("at")) {
            sim::Vec3 target{args.Float("x"), args.Float("y"), args.Float("z")};
            if (!args.Take("distance")) args.Fail("missing \"distance\"");
            double distance = args.Number("distance");
            if (distance <= 0) args.Fail("the distance must be above 0");
            camera.Place(target, distance);
        }
        args.End();
        camera.SetAngles(yaw, pitch);
    }
    session.Say("camera: " + camera.Describe());
}

}  // namespace

std::vector<CommandEntry> PictureCommands() {
    return {
        {"render", "render FILE.png",
         "picture the 3D view as the host shows it after the last draw pass",
         [](Session& s, Arguments& a) { Picture(s, a, false); }},
        {"render-panel", "render-panel FILE.png", "picture the panel as laid out",
         [](Session& s, Arguments& a) { Picture(s, a, true); }},
        {"camera", "camera fit | camera YAW PITCH [at X Y Z distance D]",
         "the angle the view is seen from (degrees), fitted around the scene unless placed",
         Camera},
    };
}

}  // namespace host_tool
