# The host's exit while "Overwrite?" is open after a left click on "Set":
# the plug-in's panel goes once the click's handler is done, and the click
# ends without it.
mesh grid plate 2 2
start
activate
select vertices 0
click set 0
select vertices 1
inside question exit
answer ok
click set 0
expect panel = none
