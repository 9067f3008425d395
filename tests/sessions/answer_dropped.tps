# An answer is for the next click's questions: a click that asks nothing
# drops it and says so, and a later question is not answered by it.
mesh grid g 4 3
start
activate
answer ok
select vertices 0
click set 0
select none
select vertices 1
click set 0
expect marker 0 = down, colour 255 0 255, g: vertices [0] lines []
