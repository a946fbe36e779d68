file(REMOVE_RECURSE
  "CMakeFiles/lettrarium.dir/src/app/main.cpp.o"
  "CMakeFiles/lettrarium.dir/src/app/main.cpp.o.d"
  "game/lettrarium"
  "game/lettrarium.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/lettrarium.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
