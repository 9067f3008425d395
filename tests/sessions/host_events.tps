# Host events as the modeler sends them: start, activation, draw passes, a
# new document, raw events, exit, unloading, loading again and a restart.
mesh grid plate 4 3
expect active = 0
start
expect answer = 1
activate
expect answer = 1
expect active = 1
view vertices off lines on faces on
draw
expect answer = 1
deactivate
expect answer = 0
expect active = 0
new-document
expect answer = 1
expect objects =
event 210
expect answer = 0
event 220
expect answer = 1
exit
expect answer = 1
unload
load
start
exit
restart
start
expect active = 0
expect violations = 0
