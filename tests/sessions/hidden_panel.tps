# Before the plug-in is activated its panel is hidden: a draw says why
# nothing was drawn, and a click on the panel is refused with the reason.
start
mesh cube box
select vertices 0 1
draw
click set 0
