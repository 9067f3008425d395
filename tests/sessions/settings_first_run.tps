# First of two runs with one settings file: colours chosen in the colour
# dialog, the panel dragged, the plug-in left active.
mesh grid plate 2 2
start
activate
expect marker 0 = up, colour 255 0 255, empty
colour 255 0 0
click right set 0
expect answer = 1
expect marker 0 = up, colour 255 0 0, empty
# Cancel, or closing the dialog, keeps the colour; OK unchanged keeps it too.
colour 0 255 0 cancel
click right set 1
expect answer = 0
colour 0 255 0 close
click right set 1
expect answer = 0
colour ok
click right set 1
expect answer = 1
expect marker 1 = up, colour 255 0 255, empty
colour 0 128 255
click right set 2
expect marker 2 = up, colour 0 128 255, empty
place 300 200
exit
expect setting Tackpin_activate = 1
expect setting PosX = 300
expect setting r0 = 1.000000e+000
expect setting g0 = 0.000000e+000
