# Storing the selection into the rows, the questions before a marker is
# replaced, added to or cleared, recalling a marker as the selection, and the
# toggle buttons kept in step.
mesh grid plate 4 3
start
activate
select vertices 0-2
click set 0
expect answer = 1
expect toggle 0 = down
expect marker 0 = down, colour 255 0 255, plate: vertices [0 1 2] lines []
# A row that holds a marker asks before it is replaced; Cancel keeps it.
select none
select vertices 7
answer cancel
click set 0
expect answer = 0
expect question = Overwrite?
expect marker 0 = down, colour 255 0 255, plate: vertices [0 1 2] lines []
# With Ctrl the selection is added, after "Add?".
answer ok
click ctrl set 0
expect question = Add?
expect marker 0 = down, colour 255 0 255, plate: vertices [0 1 2 7] lines []
# Shift stores at once.
select none
select vertices 10
click shift set 0
expect answer = 1
expect question = Add?
expect marker 0 = down, colour 255 0 255, plate: vertices [10] lines []
# A face is stored as its lines.
select none
select faces 0
click set 1
expect marker 1 = down, colour 255 0 255, plate: vertices [] lines [0:0 0:1 0:2 0:3 1:3 4:0]
# A right click recalls a marker: in place of the selection, or with Ctrl added.
select none
select vertices 19
click right toggle 0
expect selection = vertices [10] lines [] faces []
click right ctrl toggle 1
expect selection = vertices [10] lines [0:0 0:1 0:2 0:3 1:3 4:0] faces []
expect toggle 1 = down
# The toggle shows and hides a row.
click toggle 0
expect toggle 0 = up
click toggle 0
expect toggle 0 = down
# Clearing asks first; an empty row is cleared without a question.
answer ok
click clr 0
expect question = Clear?
expect marker 0 = up, colour 255 0 255, empty
click clr 0
expect answer = 1
expect question = Clear?
# A new document empties every row and releases the toggles.
new-document
mesh grid sheet 2 2
expect toggle 1 = up
expect marker 1 = up, colour 255 0 255, empty
expect violations = 0
