# The overlay as the host receives it: one drawing object per shown marker
# in the row's colour, points and lines, normal lines, the view's options
# and the panel's View, Normal, Overwrite and Allways.
mesh grid plate 3 2
start
activate
# Row 0: a lone vertex (a point) and row 1: one face's outline.
select vertices 5
click set 0
select none
select faces 0
click set 1
colour 0 255 0
click right set 1
draw
expect drawing-objects = 2
# Rows are drawn from the last to the first.
expect drawing 0 = colour 0 1 0, visibility 3, 4 vertices, 4 lines, 0 points
expect drawing 1 = colour 1 0 1, visibility 3, 2 vertices, 0 lines, 1 point
# The view's options: vertices off, lines off; with Allways the lines stay.
view vertices off lines off
draw
expect drawing 0 = colour 0 1 0, visibility 0, 4 vertices, 4 lines, 0 points
check allways
draw
expect drawing 0 = colour 0 1 0, visibility 2, 4 vertices, 4 lines, 0 points
view vertices on lines on
# Normal lines: one from every marked vertex, as long as the spin box says.
check normal
spin 2
draw
expect drawing 1 = colour 1 0 1, visibility 3, 3 vertices, 1 line, 1 point
print drawing
# With Overwrite off, selected elements are left to the host's selection.
check normal off
check overwrite off
select vertices 5
draw
expect drawing 1 = colour 1 0 1, visibility 3, 1 vertex, 0 lines, 0 points
check overwrite on
# A hidden row, a hidden object, and View off draw nothing.
click toggle 0
draw
expect drawing-objects = 1
click toggle 0
hide plate
draw
expect drawing-objects = 0
show plate
check view off
draw
expect drawing-objects = 0
check view on
draw
expect drawing-objects = 2
render overlay.png
# While inactive the plug-in leaves the drawing objects as they are.
deactivate
select none
draw
expect drawing-objects = 2
expect violations = 0
