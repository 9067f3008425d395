# The shortest useful session: a mesh, one marker stored from the selection,
# drawn over the view, and selected again. A good start for a session of
# your own: "tackpin-host first_marker.tps" runs it.

# The host makes a mesh object: a grid of 4 by 3 faces named "plate".
mesh grid plate 4 3

# The host starts the plug-in; the user activates it and its panel shows.
start
activate

# The user selects three vertices and a face and stores them in row 0
# (a left click on "Set"); a face is stored as its lines.
select vertices 0-2
select faces 5
click set 0
print markers

# The host draws the view: each shown marker is one drawing object.
select none
draw
expect drawing-objects = 1

# A right click on the row's numbered button selects the marker again.
click right toggle 0
print selection

# The host closes; the plug-in exits.
exit
