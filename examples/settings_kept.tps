# What the plug-in keeps in the host's settings between runs: the colours,
# the panel's place and whether it was active; never the markers. `restart`
# closes the host, which writes its settings file, and starts it again.
# Give the session a settings file of its own, so that yours stays as it is:
#   tackpin-host --settings kept.xml settings_kept.tps

mesh grid plate 2 2
start
activate
select vertices 0
click set 0

# A colour for row 0 and a new place for the panel.
colour 0 128 255
click right set 0
place 300 200

# The next run finds the colour, the place and the activation; the marker
# itself is gone.
restart
start
expect active = 1
expect panel-position = 300 200
expect marker 0 = up, colour 0 128 255, empty
print settings
exit
