// Pictures where the build has no cairo (Windows): none are drawn, and the
// picture commands say so.
#include "examples/tackpin_host/pictures.h"

namespace host_tool {

bool PicturesAvailable() { return false; }
void RenderView(Session&, const std::string&) {}
void RenderPanel(Session&, const std::string&) {}

}  // namespace host_tool
