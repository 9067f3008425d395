# The 3D view's colour squares are labelled with the marker rows they show,
# in row order, though the draw pass makes the rows' drawing objects from
# the last row to the first, and a shown row may draw nothing.
mesh grid plate 3 2
mesh cube box
start
activate
current plate
select vertices 0
click set 0
select none
current box
select vertices 1
click set 1
select none
current plate
select vertices 5
click set 2
select none
# Row 1's object is hidden: its toggle stays down, but the pass draws only
# rows 2 and 0.
hide box
draw
expect drawing-objects = 2
expect toggle 1 = down
render rows.png
