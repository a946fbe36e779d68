
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/w28/src/app/command_line.cpp" "CMakeFiles/engine.dir/src/app/command_line.cpp.o" "gcc" "CMakeFiles/engine.dir/src/app/command_line.cpp.o.d"
  "/work/w28/src/app/input.cpp" "CMakeFiles/engine.dir/src/app/input.cpp.o" "gcc" "CMakeFiles/engine.dir/src/app/input.cpp.o.d"
  "/work/w28/src/app/main_tick.cpp" "CMakeFiles/engine.dir/src/app/main_tick.cpp.o" "gcc" "CMakeFiles/engine.dir/src/app/main_tick.cpp.o.d"
  "/work/w28/src/app/program.cpp" "CMakeFiles/engine.dir/src/app/program.cpp.o" "gcc" "CMakeFiles/engine.dir/src/app/program.cpp.o.d"
  "/work/w28/src/app/startup.cpp" "CMakeFiles/engine.dir/src/app/startup.cpp.o" "gcc" "CMakeFiles/engine.dir/src/app/startup.cpp.o.d"
  "/work/w28/src/catalogue/catalogue.cpp" "CMakeFiles/engine.dir/src/catalogue/catalogue.cpp.o" "gcc" "CMakeFiles/engine.dir/src/catalogue/catalogue.cpp.o.d"
  "/work/w28/src/catalogue/picture_import.cpp" "CMakeFiles/engine.dir/src/catalogue/picture_import.cpp.o" "gcc" "CMakeFiles/engine.dir/src/catalogue/picture_import.cpp.o.d"
  "/work/w28/src/catalogue/screen_pages.cpp" "CMakeFiles/engine.dir/src/catalogue/screen_pages.cpp.o" "gcc" "CMakeFiles/engine.dir/src/catalogue/screen_pages.cpp.o.d"
  "/work/w28/src/catalogue/screens.cpp" "CMakeFiles/engine.dir/src/catalogue/screens.cpp.o" "gcc" "CMakeFiles/engine.dir/src/catalogue/screens.cpp.o.d"
  "/work/w28/src/catalogue/variant_table.cpp" "CMakeFiles/engine.dir/src/catalogue/variant_table.cpp.o" "gcc" "CMakeFiles/engine.dir/src/catalogue/variant_table.cpp.o.d"
  "/work/w28/src/display/assets.cpp" "CMakeFiles/engine.dir/src/display/assets.cpp.o" "gcc" "CMakeFiles/engine.dir/src/display/assets.cpp.o.d"
  "/work/w28/src/display/drawing.cpp" "CMakeFiles/engine.dir/src/display/drawing.cpp.o" "gcc" "CMakeFiles/engine.dir/src/display/drawing.cpp.o.d"
  "/work/w28/src/display/list_entries.cpp" "CMakeFiles/engine.dir/src/display/list_entries.cpp.o" "gcc" "CMakeFiles/engine.dir/src/display/list_entries.cpp.o.d"
  "/work/w28/src/display/log.cpp" "CMakeFiles/engine.dir/src/display/log.cpp.o" "gcc" "CMakeFiles/engine.dir/src/display/log.cpp.o.d"
  "/work/w28/src/display/play_clock.cpp" "CMakeFiles/engine.dir/src/display/play_clock.cpp.o" "gcc" "CMakeFiles/engine.dir/src/display/play_clock.cpp.o.d"
  "/work/w28/src/display/resets.cpp" "CMakeFiles/engine.dir/src/display/resets.cpp.o" "gcc" "CMakeFiles/engine.dir/src/display/resets.cpp.o.d"
  "/work/w28/src/display/sound.cpp" "CMakeFiles/engine.dir/src/display/sound.cpp.o" "gcc" "CMakeFiles/engine.dir/src/display/sound.cpp.o.d"
  "/work/w28/src/display/travel_grid.cpp" "CMakeFiles/engine.dir/src/display/travel_grid.cpp.o" "gcc" "CMakeFiles/engine.dir/src/display/travel_grid.cpp.o.d"
  "/work/w28/src/games/anagram.cpp" "CMakeFiles/engine.dir/src/games/anagram.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/anagram.cpp.o.d"
  "/work/w28/src/games/board_pointer.cpp" "CMakeFiles/engine.dir/src/games/board_pointer.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/board_pointer.cpp.o.d"
  "/work/w28/src/games/coded_grid.cpp" "CMakeFiles/engine.dir/src/games/coded_grid.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/coded_grid.cpp.o.d"
  "/work/w28/src/games/completion.cpp" "CMakeFiles/engine.dir/src/games/completion.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/completion.cpp.o.d"
  "/work/w28/src/games/consonant_exchange.cpp" "CMakeFiles/engine.dir/src/games/consonant_exchange.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/consonant_exchange.cpp.o.d"
  "/work/w28/src/games/crossed_pair.cpp" "CMakeFiles/engine.dir/src/games/crossed_pair.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/crossed_pair.cpp.o.d"
  "/work/w28/src/games/crossing_words.cpp" "CMakeFiles/engine.dir/src/games/crossing_words.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/crossing_words.cpp.o.d"
  "/work/w28/src/games/cut_words.cpp" "CMakeFiles/engine.dir/src/games/cut_words.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/cut_words.cpp.o.d"
  "/work/w28/src/games/deconstructed_grid.cpp" "CMakeFiles/engine.dir/src/games/deconstructed_grid.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/deconstructed_grid.cpp.o.d"
  "/work/w28/src/games/erased_letters.cpp" "CMakeFiles/engine.dir/src/games/erased_letters.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/erased_letters.cpp.o.d"
  "/work/w28/src/games/extra_letter.cpp" "CMakeFiles/engine.dir/src/games/extra_letter.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/extra_letter.cpp.o.d"
  "/work/w28/src/games/framework.cpp" "CMakeFiles/engine.dir/src/games/framework.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/framework.cpp.o.d"
  "/work/w28/src/games/grid_games.cpp" "CMakeFiles/engine.dir/src/games/grid_games.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/grid_games.cpp.o.d"
  "/work/w28/src/games/grid_reader.cpp" "CMakeFiles/engine.dir/src/games/grid_reader.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/grid_reader.cpp.o.d"
  "/work/w28/src/games/hangman.cpp" "CMakeFiles/engine.dir/src/games/hangman.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/hangman.cpp.o.d"
  "/work/w28/src/games/hidden_words.cpp" "CMakeFiles/engine.dir/src/games/hidden_words.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/hidden_words.cpp.o.d"
  "/work/w28/src/games/letter_sums.cpp" "CMakeFiles/engine.dir/src/games/letter_sums.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/letter_sums.cpp.o.d"
  "/work/w28/src/games/longest_word.cpp" "CMakeFiles/engine.dir/src/games/longest_word.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/longest_word.cpp.o.d"
  "/work/w28/src/games/maxi_words.cpp" "CMakeFiles/engine.dir/src/games/maxi_words.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/maxi_words.cpp.o.d"
  "/work/w28/src/games/nine_letters.cpp" "CMakeFiles/engine.dir/src/games/nine_letters.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/nine_letters.cpp.o.d"
  "/work/w28/src/games/password.cpp" "CMakeFiles/engine.dir/src/games/password.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/password.cpp.o.d"
  "/work/w28/src/games/proverbs.cpp" "CMakeFiles/engine.dir/src/games/proverbs.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/proverbs.cpp.o.d"
  "/work/w28/src/games/scrambled_grid.cpp" "CMakeFiles/engine.dir/src/games/scrambled_grid.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/scrambled_grid.cpp.o.d"
  "/work/w28/src/games/shifted_grid.cpp" "CMakeFiles/engine.dir/src/games/shifted_grid.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/shifted_grid.cpp.o.d"
  "/work/w28/src/games/stacked_words.cpp" "CMakeFiles/engine.dir/src/games/stacked_words.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/stacked_words.cpp.o.d"
  "/work/w28/src/games/third_word.cpp" "CMakeFiles/engine.dir/src/games/third_word.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/third_word.cpp.o.d"
  "/work/w28/src/games/vowel_exchange.cpp" "CMakeFiles/engine.dir/src/games/vowel_exchange.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/vowel_exchange.cpp.o.d"
  "/work/w28/src/games/word_draws.cpp" "CMakeFiles/engine.dir/src/games/word_draws.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/word_draws.cpp.o.d"
  "/work/w28/src/games/word_placement.cpp" "CMakeFiles/engine.dir/src/games/word_placement.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/word_placement.cpp.o.d"
  "/work/w28/src/games/word_rows.cpp" "CMakeFiles/engine.dir/src/games/word_rows.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/word_rows.cpp.o.d"
  "/work/w28/src/games/words_starting_with.cpp" "CMakeFiles/engine.dir/src/games/words_starting_with.cpp.o" "gcc" "CMakeFiles/engine.dir/src/games/words_starting_with.cpp.o.d"
  "/work/w28/src/persistence/commentary.cpp" "CMakeFiles/engine.dir/src/persistence/commentary.cpp.o" "gcc" "CMakeFiles/engine.dir/src/persistence/commentary.cpp.o.d"
  "/work/w28/src/persistence/printing.cpp" "CMakeFiles/engine.dir/src/persistence/printing.cpp.o" "gcc" "CMakeFiles/engine.dir/src/persistence/printing.cpp.o.d"
  "/work/w28/src/persistence/saved_games.cpp" "CMakeFiles/engine.dir/src/persistence/saved_games.cpp.o" "gcc" "CMakeFiles/engine.dir/src/persistence/saved_games.cpp.o.d"
  "/work/w28/src/persistence/saved_record_check.cpp" "CMakeFiles/engine.dir/src/persistence/saved_record_check.cpp.o" "gcc" "CMakeFiles/engine.dir/src/persistence/saved_record_check.cpp.o.d"
  "/work/w28/src/persistence/scores.cpp" "CMakeFiles/engine.dir/src/persistence/scores.cpp.o" "gcc" "CMakeFiles/engine.dir/src/persistence/scores.cpp.o.d"
  "/work/w28/src/persistence/settings.cpp" "CMakeFiles/engine.dir/src/persistence/settings.cpp.o" "gcc" "CMakeFiles/engine.dir/src/persistence/settings.cpp.o.d"
  "/work/w28/src/platform/audio.cpp" "CMakeFiles/engine.dir/src/platform/audio.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/audio.cpp.o.d"
  "/work/w28/src/platform/canvas.cpp" "CMakeFiles/engine.dir/src/platform/canvas.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/canvas.cpp.o.d"
  "/work/w28/src/platform/clock.cpp" "CMakeFiles/engine.dir/src/platform/clock.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/clock.cpp.o.d"
  "/work/w28/src/platform/file_chooser.cpp" "CMakeFiles/engine.dir/src/platform/file_chooser.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/file_chooser.cpp.o.d"
  "/work/w28/src/platform/files.cpp" "CMakeFiles/engine.dir/src/platform/files.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/files.cpp.o.d"
  "/work/w28/src/platform/frame_log.cpp" "CMakeFiles/engine.dir/src/platform/frame_log.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/frame_log.cpp.o.d"
  "/work/w28/src/platform/ini_file.cpp" "CMakeFiles/engine.dir/src/platform/ini_file.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/ini_file.cpp.o.d"
  "/work/w28/src/platform/page.cpp" "CMakeFiles/engine.dir/src/platform/page.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/page.cpp.o.d"
  "/work/w28/src/platform/paths.cpp" "CMakeFiles/engine.dir/src/platform/paths.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/paths.cpp.o.d"
  "/work/w28/src/platform/picture.cpp" "CMakeFiles/engine.dir/src/platform/picture.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/picture.cpp.o.d"
  "/work/w28/src/platform/printer.cpp" "CMakeFiles/engine.dir/src/platform/printer.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/printer.cpp.o.d"
  "/work/w28/src/platform/screen.cpp" "CMakeFiles/engine.dir/src/platform/screen.cpp.o" "gcc" "CMakeFiles/engine.dir/src/platform/screen.cpp.o.d"
  "/work/w28/src/state/game_state.cpp" "CMakeFiles/engine.dir/src/state/game_state.cpp.o" "gcc" "CMakeFiles/engine.dir/src/state/game_state.cpp.o.d"
  "/work/w28/src/state/held_letters.cpp" "CMakeFiles/engine.dir/src/state/held_letters.cpp.o" "gcc" "CMakeFiles/engine.dir/src/state/held_letters.cpp.o.d"
  "/work/w28/src/travel/map_squares.cpp" "CMakeFiles/engine.dir/src/travel/map_squares.cpp.o" "gcc" "CMakeFiles/engine.dir/src/travel/map_squares.cpp.o.d"
  "/work/w28/src/travel/stage.cpp" "CMakeFiles/engine.dir/src/travel/stage.cpp.o" "gcc" "CMakeFiles/engine.dir/src/travel/stage.cpp.o.d"
  "/work/w28/src/travel/travel.cpp" "CMakeFiles/engine.dir/src/travel/travel.cpp.o" "gcc" "CMakeFiles/engine.dir/src/travel/travel.cpp.o.d"
  "/work/w28/src/travel/travel_map.cpp" "CMakeFiles/engine.dir/src/travel/travel_map.cpp.o" "gcc" "CMakeFiles/engine.dir/src/travel/travel_map.cpp.o.d"
  "/work/w28/src/words/search_tools.cpp" "CMakeFiles/engine.dir/src/words/search_tools.cpp.o" "gcc" "CMakeFiles/engine.dir/src/words/search_tools.cpp.o.d"
  "/work/w28/src/words/word_routines.cpp" "CMakeFiles/engine.dir/src/words/word_routines.cpp.o" "gcc" "CMakeFiles/engine.dir/src/words/word_routines.cpp.o.d"
  "/work/w28/src/words/word_store.cpp" "CMakeFiles/engine.dir/src/words/word_store.cpp.o" "gcc" "CMakeFiles/engine.dir/src/words/word_store.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
