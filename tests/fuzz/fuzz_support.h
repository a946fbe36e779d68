// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the fuzz targets: a private program folder, and the input written
// where the reader under test looks for its file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The program folder of this process (real path, trailing '/'), made once;
// the state is cleared and `G.programDir` points at it.
const std::string& FuzzProgramFolder();
// Writes the bytes as the file `relative` ("bin/x.txt") of the program folder.
void WriteFuzzFile(const std::string& relative, const uint8_t* data, size_t size);
// The same, with a string.
void WriteFuzzFile(const std::string& relative, const std::string& bytes);
// Back to the zero state with the program folder set (once per input, for the
// loaders that write into the shared state).
void ResetFuzzState();

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
