# Settings written by hand: a plain decimal colour, a place with a negative
# coordinate (not applied), text that does not parse, keys that are missing.
mesh grid plate 2 2
start
expect panel = shown
expect panel-position = 120 80
expect marker 0 = up, colour 127 0 255, empty
expect marker 1 = up, colour 0 0 255, empty
expect marker 2 = up, colour 255 0 255, empty
# OK in the colour dialog takes the dialog's whole numbers: 127 / 255.
colour ok
click right set 0
exit
expect setting r0 = 4.980392e-001
expect setting PosY = 80
