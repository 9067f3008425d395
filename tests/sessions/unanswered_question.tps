# A question the user leaves without an answer counts as Cancel, and the
# transcript says so.
mesh grid plate 2 2
start
activate
select vertices 0
click set 0
select vertices 1
click set 0
expect answer = 0
expect marker 0 = down, colour 255 0 255, plate: vertices [0] lines []
