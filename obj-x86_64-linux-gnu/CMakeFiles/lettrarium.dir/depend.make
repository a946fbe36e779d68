# Empty dependencies file for lettrarium.
# This may be replaced when dependencies are built.
