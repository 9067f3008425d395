# Markers follow the mesh by unique ids: moved, deleted and renumbered
# vertices, with the host telling the plug-in about each edit.
mesh grid plate 3 2
start
activate
select vertices 0-2
click set 0
check normal
spin 1
draw
expect drawing 0 = colour 1 0 1, visibility 3, 9 vertices, 3 lines, 3 points
# With Normal on, an edit makes the plug-in ask for a redraw.
move 1 by 0 0 2
expect redraws = 2
draw
expect drawing 0 = colour 1 0 1, visibility 3, 9 vertices, 3 lines, 3 points
# A deleted vertex takes its faces: vertex 0 keeps its point but, used by no
# face now, no normal line.
delete vertices 1
draw
expect drawing 0 = colour 1 0 1, visibility 3, 5 vertices, 1 line, 2 points
compact
draw
expect drawing 0 = colour 1 0 1, visibility 3, 5 vertices, 1 line, 2 points
expect marker 0 = down, colour 255 0 255, plate: vertices [0 1] lines []
expect violations = 0
