# Faces no modeler can hold are left out, each told with the OBJ file's own
# line; the rest of the file is read.
open data/degenerate-faces.obj
expect objects = squares
expect mesh = 6 vertices, 2 faces
