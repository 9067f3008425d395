# The panel's check boxes and spin box, dragging and closing the panel.
mesh grid plate 2 2
start
expect panel = hidden
activate
expect panel = shown
check view off
expect check view = off
check view off
expect check view = off
check normal
expect check normal = on
check overwrite off
check allways on
expect check allways = on
spin 7.5
expect spin = 7.5
expect answer = 1
place 300 200
expect panel-position = 300 200
# Closing the panel deactivates the plug-in, which tells the host; the
# panel is then off screen, and no second close can reach it.
close
expect panel = hidden
expect active = 0
expect deactivations = 1
activate
expect panel = shown
expect violations = 0
