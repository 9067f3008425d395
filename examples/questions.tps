# The panel's questions and what each answer does: "Overwrite?" before a
# marker is replaced, "Add?" with Ctrl, Shift to store or clear without a
# question, and a host event that comes while the colour dialog is open.

mesh grid plate 4 3
start
activate
select vertices 0-2
click set 0

# Row 0 holds a marker: storing into it asks first, and Cancel keeps it.
select none
select vertices 7
answer cancel
click set 0
expect question = Overwrite?
expect answer = 0
print markers

# With Ctrl the selection is added to the marker, after "Add?".
answer ok
click ctrl set 0
expect question = Add?
expect answer = 1
print markers

# The host keeps drawing while the user picks a colour (a right click on
# "Set"); the colour chosen afterwards still takes.
inside dialog draw
colour 255 170 0 ok
click right set 0
expect marker 0 = down, colour 255 170 0, plate: vertices [0 1 2 7] lines []

# With Shift, "Clr" empties the row at once.
click shift clr 0
expect marker 0 = up, colour 255 170 0, empty

exit
