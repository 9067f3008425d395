# The spin box holds its value within its range (-100 to 100), as a real
# one does: a value typed past an end stops at that end.
start
activate
spin 1e300
expect spin = 100
spin -250
expect spin = -100
spin 12.5
expect spin = 12.5
