// The plug-in's panel as the user finds it on the screen: the window titled
// "Tackpin" and its controls, told apart by class and caption.
#pragma once

#include <string>
#include <vector>

namespace host_tool {

// The panel window among the main window's child windows; 0 when there is none.
int FindPanel();
// The panel; throws SessionError when the plug-in shows none.
int Panel();
// The row's toggle button ("0", "1", "2"), "Set" or "Clr" button; `kind` is
// 0, 1 or 2 in that order. Throws when the panel has no such button.
int RowButton(int kind, int row);
// The check box captioned `caption` in the panel; throws when there is none.
int CheckBox(const std::u16string& caption);
// The panel's spin box; throws when there is none.
int SpinBox();
// The live widgets of the tree under `root` (children, then child windows),
// root first, depth first.
std::vector<int> WidgetTree(int root);
// A widget's caption as plain text (its "text", or a window's "title").
std::string Caption(int id);
// ASCII text as the host's wide text.
std::u16string Wide(const std::string& text);

}  // namespace host_tool
