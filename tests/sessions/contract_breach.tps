# A module that breaches the host contract ends the script.
start
expect violations = 0
