# A bad argument stops the script at its line.
mesh grid plate 2 2
select vertices two
start
