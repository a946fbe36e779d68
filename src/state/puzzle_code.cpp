// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/puzzle_code.h"

#include "state/game_state.h"

namespace {

// 32 symbols, 5 bits each: digits 2-9 and the letters without I and O.
constexpr char kSymbols[] = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr int kDigits = 3, kSeedChars = 4, kSymbolCount = kDigits + kSeedChars + 2;

int SymbolValue(char c) {
  for (int v = 0; v < 32; ++v)
    if (kSymbols[v] == c) return v;
  return -1;
}

// A weighted sum modulo the prime 31: a changed symbol or two neighbours
// swapped change it (but for a change by 31, from '2' to 'Z').
char CheckSymbol(const int values[], int count) {
  int sum = 0;
  for (int i = 0; i < count; ++i) sum += (i + 1) * values[i];
  return kSymbols[sum % 31];
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A typed symbol at position `at` of the code, '\0' when it is no symbol.
char Normalised(char c, size_t at) {
  c = Upper(c);
  if (at < kDigits) {
    if (c == 'O') return '0';
    if (c == 'I' || c == 'L') return '1';
    return c >= '0' && c <= '9' ? c : '\0';
  }
  return SymbolValue(c) >= 0 ? c : '\0';
}

}  // namespace

std::string PuzzleCodeText(const PuzzleKey& key) {
  int values[kSymbolCount - 1];
  const int v = key.variant;
  values[0] = v / 100 % 10;
  values[1] = v / 10 % 10;
  values[2] = v % 10;
  for (int i = 0; i < kSeedChars; ++i) values[kDigits + i] = (key.seed >> (5 * (kSeedChars - 1 - i))) & 31;
  values[kDigits + kSeedChars] = kPuzzleDataVersion & 31;
  std::string symbols;
  for (int i = 0; i < kDigits; ++i) symbols += static_cast<char>('0' + values[i]);
  for (int i = kDigits; i < kSymbolCount - 1; ++i) symbols += kSymbols[values[i]];
  symbols += CheckSymbol(values, kSymbolCount - 1);
  return CodeWithDashes(symbols);
}

std::string CodeSymbols(const std::string& typed) {
  std::string symbols;
  for (char c : typed) {
    if (c == ' ' || c == '-') continue;
    const char n = Normalised(c, symbols.size());
    symbols += n ? n : Upper(c);
  }
  return symbols;
}

std::string CodeWithDashes(const std::string& symbols) {
  std::string out;
  for (size_t i = 0; i < symbols.size(); ++i) {
    if (i == kDigits || i == kDigits + kSeedChars) out += '-';
    out += symbols[i];
  }
  return out;
}

CodeFault ReadPuzzleCode(const std::string& typed, PuzzleKey& key) {
  const std::string symbols = CodeSymbols(typed);
  for (size_t i = 0; i < symbols.size() && i < kSymbolCount; ++i)
    if (!Normalised(symbols[i], i)) return CodeFault::UnknownCharacter;
  if (symbols.size() < kSymbolCount) return CodeFault::Incomplete;
  if (symbols.size() > kSymbolCount) return CodeFault::TooLong;
  int values[kSymbolCount];
  for (int i = 0; i < kSymbolCount; ++i) values[i] = i < kDigits ? symbols[i] - '0' : SymbolValue(symbols[i]);
  if (CheckSymbol(values, kSymbolCount - 1) != symbols[kSymbolCount - 1]) return CodeFault::WrongCheck;
  if (values[kDigits + kSeedChars] != (kPuzzleDataVersion & 31)) return CodeFault::OtherVersion;
  const int variant = values[0] * 100 + values[1] * 10 + values[2];
  if (Variant(static_cast<unsigned>(variant)).game == Game::None) return CodeFault::UnknownVariant;
  uint32_t seed = 0;
  for (int i = 0; i < kSeedChars; ++i) seed = seed * 32 + static_cast<uint32_t>(values[kDigits + i]);
  key = {variant, seed};
  return CodeFault::None;
}

std::string CodeFaultText(CodeFault fault) {
  switch (fault) {
    case CodeFault::None: return "";
    case CodeFault::Incomplete: return "code incomplet";
    case CodeFault::TooLong: return "code trop long";
    case CodeFault::UnknownCharacter: return "caractère inconnu dans le code";
    case CodeFault::WrongCheck: return "caractère de contrôle faux";
    case CodeFault::OtherVersion: return "code d'une autre version";
    case CodeFault::UnknownVariant: return "numéro de jeu inconnu";
  }
  return "";
}

std::string PuzzleCode() {
  if (G.gameTitle.empty() || !G.puzzleSeedKnown || CurrentGame() == Game::None) return "";
  return PuzzleCodeText({static_cast<int>(G.currentVariant), G.puzzleSeed});
}
