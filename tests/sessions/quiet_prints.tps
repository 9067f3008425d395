# With --quiet only what print shows reaches the transcript.
mesh grid plate 2 1
start
activate
select vertices 0 1
select lines 0:0
click set 0
draw
print host
print markers
print drawing
print settings
print vertex 1
print selection
exit
print settings
