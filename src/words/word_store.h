// The word store: words grouped by length, upper case, accents folded.
#pragma once
#include <cstdint>
#include <string>

extern int32_t wordCount[31];
extern int32_t wordLinesRead;

void LoadWordList(uint8_t code);
std::string FoldAccents(const std::string& text);
bool IsWord(const std::string& text);
