// Pictures where the build has no cairo (Windows): none are drawn, and the
// picture commands say so.
#include "session_engine/pictures/pictures.h"

namespace host_tool {

bool PicturesAvailable() { return false; }
std::string RenderView(Session&, const std::string&) { return {}; }
std::string RenderPanel(Session&, const std::string&) { return {}; }

}  // namespace host_tool
