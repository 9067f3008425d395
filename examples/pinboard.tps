# The demo's pinboard left open: three markers in three colours, the plug-in
# started and active, the view drawn. tackpin-serve starts from it, so that
# the page first shows this (tools/demo.sh --browser).

open pinboard.obj
start
activate

# Row 0: the board's front edge; row 1: the tack's top face in orange;
# row 2: the needle's tip, a lone vertex, in light blue.
current board
select lines 18:2 19:2 20:2 21:2 22:2 23:2
click set 0
current head
select faces 8
click set 1
colour 255 170 0
click right set 1
current needle
select vertices 4
click set 2
colour 0 190 255
click right set 2

# The board is current again, nothing selected, and the host draws.
current board
select none
draw
expect drawing-objects = 3
