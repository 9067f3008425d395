# A vertex with a word where a number belongs refuses the file, at its line.
open data/bad-coordinate.obj
