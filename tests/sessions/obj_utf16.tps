# A file saved as UTF-16 is named as such.
open data/utf16.obj
