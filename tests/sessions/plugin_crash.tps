# A plug-in that crashes on the host's draw event: the transcript is out up
# to the line that crashed, and a note names that line.
start
mesh cube box
draw
print selection
