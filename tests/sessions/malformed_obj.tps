# A malformed OBJ file stops the script.
open data/broken.obj
