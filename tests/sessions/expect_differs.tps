# An expect that differs stops the script with a non-zero status.
mesh grid grid 2 2
expect objects = board
