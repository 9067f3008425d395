# The Tackpin demo: a pinboard with a tack in it, three markers in three
# colours, and pictures of the 3D view and of the panel.
#
# Run it with tools/demo.sh; "tackpin-host --help" tells the options and
# "help" at the prompt lists every command.

# The host reads the example mesh: three objects from one OBJ file.
open pinboard.obj

# The host starts the plug-in; the user activates it and its panel shows.
start
activate
print panel

# Row 0: the front edge of the board, stored with a left click on "Set".
current board
select lines 18:2 19:2 20:2 21:2 22:2 23:2
click set 0

# Row 1: the tack's top face; a right click on "Set" chooses its colour.
current head
select faces 8
click set 1
colour 255 170 0
click right set 1

# Row 2: the tip of the needle, a lone vertex, drawn as a point.
current needle
select vertices 4
click set 2
colour 0 190 255
click right set 2

# Storing into a row that holds a marker asks first; the user cancels.
select vertices 0
answer cancel
click set 2
expect answer = 0

# Normal lines along the averaged surface normals, one unit long.
check normal
spin 1

# The host draws the view: one drawing object per shown marker.
select none
draw
print markers
expect drawing-objects = 3
render demo-view.png
render-panel demo-panel.png

# Recalling row 0 selects the board's edge again.
current board
click right toggle 0
expect selection = vertices [] lines [18:2 19:2 20:2 21:2 22:2 23:2] faces []

# Hiding row 1 with its toggle: the next draw leaves it out.
click toggle 1
draw
expect drawing-objects = 2

# The host closes: the plug-in exits and its colours, place and activation
# go into the host's settings file.
exit
