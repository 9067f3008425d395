# A misspelt command stops the script at its line.
mesh grid plate 2 2
select vertices 0
sellect vertices 1
start
