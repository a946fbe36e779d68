// SPDX-License-Identifier: GPL-3.0-or-later
// The words a grid may hold, in a letter trie that also knows, for every
// prefix, at which distances a word can end and how desirable its words are.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Upper-case A-Z words of a dictionary file, one a line (CR LF or LF).
// Lines holding anything else are skipped.
std::vector<std::string> ReadWordFile(const std::string& path);

// The same from a UTF-8 word list with accents (a system dictionary):
// accents folded, lower-case entries only (no proper nouns), anything that
// still is not A-Z dropped. Used when the game's folded files are absent.
std::vector<std::string> ReadAccentedWordFile(const std::string& path);

// Lines of "ENDING factor": a word with that ending has its weight multiplied
// by the factor (the longest matching ending counts). Used to push rare verb
// forms behind common words.
struct EndingWeight {
  std::string ending;
  double factor;
};
std::vector<EndingWeight> ReadEndingWeights(const std::string& path);

// Lines of "WORD count": how often the word occurs in some body of text.
std::vector<std::pair<std::string, int>> ReadFrequencies(const std::string& path);

// Words never to be used, one or more a line, '#' starting a comment line; a
// word ending in '*' stands for every word it begins.
std::vector<std::string> ReadRefusedWords(const std::string& path);

struct LexiconOptions {
  int maxLength = 12;
  // Words met in real text weigh more, the more often they are met; short
  // words never met are most often abbreviations and weigh less.
  std::vector<std::pair<std::string, int>> frequencies;
  double rareFactor = 1.0;
  double rareShortFactor = 0.3;
  // Two-letter words allowed in grids (the dictionaries hold abbreviations).
  std::vector<std::string> twoLetterWords;
  std::vector<EndingWeight> endings;
  // Only words of the frequency list go in the grids: the rest of the
  // dictionary holds too many words a reader would not know.
  bool knownOnly = false;
  // Abbreviations, initials and other entries of the lists that are no
  // words to find (see ReadRefusedWords).
  std::vector<std::string> refused;
};

class Lexicon {
 public:
  static constexpr int32_t kNone = -1;

  struct Node {
    std::array<int32_t, 26> child;
    int32_t word = kNone;   // index in words when a word ends here
    uint32_t endMask = 0;   // bit d: a word ends d letters further on
    uint32_t childMask = 0; // bit k: the letter 'A' + k may follow
    double weight = 0;      // sum of the weights of the words below
  };

  // Keeps the dictionary's words of 3 to maxLength letters that hold a
  // vowel, and the listed two-letter words that the dictionary holds.
  Lexicon(const std::vector<std::string>& dictionary, const LexiconOptions& options);

  int32_t Root() const { return 0; }
  int32_t Child(int32_t node, int letter) const { return nodes_[node].child[letter]; }
  const Node& At(int32_t node) const { return nodes_[node]; }
  const std::string& Word(int32_t id) const { return words_[id]; }
  size_t WordCount() const { return words_.size(); }
  // The word's index, or kNone.
  int32_t Find(const std::string& word) const;
  double BaseWeight(int32_t id) const { return baseWeight_[id]; }
  // Changes a word's weight, keeping the prefix sums right.
  void SetWeight(int32_t id, double weight);
  double Weight(int32_t id) const { return weight_[id]; }

 private:
  int32_t Insert(const std::string& word);
  std::vector<Node> nodes_;
  std::vector<std::string> words_;
  std::vector<double> baseWeight_;
  std::vector<double> weight_;
};
