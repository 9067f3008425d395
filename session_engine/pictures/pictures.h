// Pictures of what the user sees: the 3D view after the last draw pass, and
// the plug-in's panel as laid out on the screen.
#pragma once

#include <string>

#include "session_engine/session/session.h"

namespace host_tool {

// Size of the pictured 3D view; the draw events report the same size.
constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;

// Whether this build draws pictures.
bool PicturesAvailable();
// The document's visible objects (wireframe, shaded faces when the view shows
// faces, the selection highlighted) and every drawing object in its colour as
// its visibility bits allow, from the session's camera, with a colour square
// per drawing object labelled with its marker row, in row order. Answers
// what the picture shows ("the 3D view, 2 drawing objects: rows 0 and 2").
// Throws SessionError when the file cannot be written.
std::string RenderView(Session& session, const std::string& path);
// The panel's widget tree as laid out, with captions, toggle states, check
// boxes and the spin box; answers what the picture shows. Throws
// SessionError when there is no panel.
std::string RenderPanel(Session& session, const std::string& path);

}  // namespace host_tool
