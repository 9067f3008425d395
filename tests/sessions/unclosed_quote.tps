# A quote left open stops the script at its line.
mesh grid "plate 2 2
