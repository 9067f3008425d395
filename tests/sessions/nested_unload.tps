# The host does not unload the module while the plug-in's handler waits in
# its colour dialog, even after the exit: the handler returns into the
# module when the user is done.
mesh grid plate 4 3
start
activate
select vertices 0
click set 0
inside dialog exit
inside dialog unload
colour 0 255 0 ok
click right set 0
