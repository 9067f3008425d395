# Host events that come while the panel asks a question or runs its colour
# dialog: `inside` carries them out before the user answers.
mesh grid plate 4 3
start
activate
select vertices 0-2
click set 0
select none
select vertices 7
# A draw pass while "Overwrite?" is open: the answer is carried out.
inside question draw
answer ok
click set 0
expect answer = 1
expect drawing-objects = 1
expect marker 0 = down, colour 255 0 255, plate: vertices [7] lines []
# The host's exit while the colour dialog is open: the panel goes once the
# dialog is done, and a colour chosen after the exit is not taken.
inside dialog exit
colour 0 255 0 ok
click right set 0
expect answer = 0
expect panel = none
start
activate
expect marker 0 = up, colour 255 0 255, plate: vertices [7] lines []
# A new document while "Clear?" is open: the new document already emptied
# the marker, and the confirmed clear has nothing left to do.
select none
select vertices 3
click shift set 1
inside question new-document
inside question draw
answer ok
click clr 1
expect answer = 0
expect toggle 1 = up
expect drawing-objects = 0
# The host's exit while "Overwrite?" is open: the click ends well though
# the panel, and the row's toggle with it, went away during it.
mesh grid board 4 3
select vertices 0
click set 2
select vertices 2
inside question exit
answer ok
click set 2
expect answer = 0
expect panel = none
start
expect marker 2 = up, colour 255 0 255, board: vertices [0] lines []
