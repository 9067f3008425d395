# Pictures of the 3D view from a fitted camera and from a placed one, with
# and without faces.
mesh torus ring 12 6
current ring
select faces 0-3
camera 0 80
render torus-top.png
view faces off vertices off
camera 30 25 at 0 0 0 distance 16
render torus-wire.png
camera fit
render torus-fitted.png
