# help for one command, and for one value of print and expect; a drawing
# object printed by its number.
help render
help drawing
mesh grid g 2 2
start
activate
select vertices 0
click set 0
draw
print drawing 0
