file(REMOVE_RECURSE
  "libengine.a"
)
