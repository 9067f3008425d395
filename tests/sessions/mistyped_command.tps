# A mistyped command: the nearest one is offered.
mesh grid g 2 2
drwa
