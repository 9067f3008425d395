# Nor does it load a module inside a question, after the exit.
mesh grid plate 4 3
start
activate
select vertices 0
click set 0
select vertices 1
inside question exit
inside question load
answer ok
click clr 0
