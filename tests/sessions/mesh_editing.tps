# The user's work on the document: built-in meshes, the current object,
# visibility, the selection, moved vertices and topology edits.
mesh grid plate 3 2
expect mesh = 12 vertices, 6 faces
expect vertex 5 = 1 1 0
select vertices 0-2 5
select lines 0:0 3:2
select faces 4
expect selection = vertices [0 1 2 5] lines [0:0 3:2] faces [4]
select none
expect selection = vertices [] lines [] faces []
move 5 by 0 0 1.5
expect vertex 5 = 1 1 1.5
move 0-1 to 0.25 0 -1
expect vertex 1 = 0.25 0 -1
# A deleted face leaves its slot until compact; a deleted vertex takes its faces.
delete faces 0
expect mesh = 12 vertices, 5 faces
delete vertices 11
expect mesh = 11 vertices, 4 faces
select vertices 10
compact
expect mesh = 11 vertices, 4 faces
expect selection = vertices [10] lines [] faces []
expect vertex 10 = 2 2 0
mesh cube box 4
current box
expect object = box
expect vertex 7 = 2 2 2
hide plate
expect objects = (plate) box
show plate
delete object plate
expect objects = box
# Several objects from one OBJ file, read beside the script.
open ../../examples/pinboard.obj
expect objects = box board head needle
current needle
expect mesh = 5 vertices, 4 faces
expect vertex 4 = 0.5 0 0
