# A missing OBJ file stops the script.
open nowhere.obj
