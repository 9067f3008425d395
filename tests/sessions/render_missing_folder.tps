# A picture is written only into a folder that is there.
render nowhere/view.png
