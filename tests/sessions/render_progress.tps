# A large mesh takes a while to picture: the painting says how far it is.
mesh grid g 150 150
render large.png
