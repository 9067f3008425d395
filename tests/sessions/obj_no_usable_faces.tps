# A file whose every face is left out is refused, naming the faces' lines.
open data/no-usable-faces.obj
