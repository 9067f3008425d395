# Second run: the host's settings file brings back the colours, the panel's
# place and the activation; the drawing options start at their defaults.
mesh grid plate 2 2
start
expect panel = shown
expect active = 1
expect panel-position = 300 200
expect marker 0 = up, colour 255 0 0, empty
expect marker 1 = up, colour 255 0 255, empty
expect marker 2 = up, colour 0 128 255, empty
expect check normal = off
expect spin = 5
# Within one run, a restart of the host finds the same.
restart
start
expect marker 2 = up, colour 0 128 255, empty
