# Empty dependencies file for engine.
# This may be replaced when dependencies are built.
