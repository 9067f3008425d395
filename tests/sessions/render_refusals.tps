# A picture is a PNG file, and its folder must be there.
render view.jpg
