# The view's selection as a user makes it with the mouse: everything the
# view shows at once, and Ctrl taking elements out again.
mesh grid plate 2 1
select all
expect selection = vertices [0 1 2 3 4 5] lines [0:0 0:1 0:2 0:3 1:0 1:1 1:2 1:3] faces [0 1]
deselect vertices 1-3
deselect lines 0:1 1:3
deselect faces 0
expect selection = vertices [0 4 5] lines [0:0 0:2 0:3 1:0 1:1 1:2] faces [1]
select none
# "all" takes only what the view shows.
view vertices off lines off
select all
expect selection = vertices [] lines [] faces [0 1]
view vertices on
select all
expect selection = vertices [0 1 2 3 4 5] lines [] faces [0 1]
