# The host does not close and start again while the plug-in's handler waits
# in its question: the answer must reach the handler in the host it asked.
mesh grid plate 4 3
start
activate
select vertices 0
click set 0
inside question restart
answer ok
click set 0
