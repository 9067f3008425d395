# Objects named with numbers: a word is always a name, an index is written
# in brackets. The file names "1" first, so "1" is the object at [0].
open data/numbered-objects.obj
expect objects = 1 0
current 1
expect object = 1
expect mesh = 3 vertices, 1 face
current [1]
expect object = 0
current 0
expect mesh = 4 vertices, 1 face
hide [0]
expect objects = (1) 0
show 1
delete object [1]
expect objects = 1
