# Ctrl on a line the face does not have: the line names it, nothing changes.
mesh grid plate 1 1
deselect lines 0:4
