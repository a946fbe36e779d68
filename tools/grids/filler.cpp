// SPDX-License-Identifier: GPL-3.0-or-later
#include "filler.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxSide = 16;
constexpr int kUnknown = -1;
constexpr int kBlack = 26;
constexpr int kMaxUsed = 96;  // above any grid's word limit

// Everything the search knows; copied whole at every step, which is cheaper
// than undoing (a few hundred bytes).
struct FillState {
  int8_t cell[kMaxSide][kMaxSide];  // [column][row]: letter 0-25, black, unknown
  int8_t filledInColumn[kMaxSide];   // the filled cells form a staircase from the top left
  int32_t acrossNode[kMaxSide];      // the run so far in each row ...
  int8_t acrossLength[kMaxSide];
  int32_t downNode[kMaxSide];        // ... and in each column
  int8_t downLength[kMaxSide];
  int16_t blacks, words, twoLetterWords;
  int16_t usedCount;
  int32_t used[kMaxUsed];            // words already in this grid
};

struct Candidate {
  int value;
  double key;
};

class Filler {
 public:
  Filler(const Lexicon& lexicon, const GridRules& rules, const std::vector<int>& uses, int width,
         int height)
      : lexicon_(lexicon), rules_(rules), uses_(uses), width_(width), height_(height) {
    int estimate = std::min(rules.maxWords, width * height / 2);
    maxTwoLetter_ = estimate * rules.maxTwoLetterPercent / 100;
  }

  std::string Run(uint64_t seed, long budget, FillStats* stats);

 private:
  bool Place(FillState& s, int c, int r, int value) const;
  bool CloseWord(FillState& s, int32_t node, int length) const;
  bool Extend(int32_t node, int length, int letter, int remaining, int32_t& next) const;
  bool Isolated(const FillState& s, int c, int r) const;
  bool Complete(const FillState& s) const;
  bool Connected(const FillState& s) const;
  void Candidates(const FillState& s, int c, int r, SplitMix& random, std::vector<Candidate>& out) const;
  int RoughChoices(const FillState& s, int c, int r) const;
  uint32_t LettersThatFit(const FillState& s, int c, int r) const;

  const Lexicon& lexicon_;
  const GridRules& rules_;
  const std::vector<int>& uses_;
  int width_, height_;
  int maxTwoLetter_;
};

// The run grows by `letter`; false when no word can then end within the
// `remaining` cells after this one. A run's first letter may stand alone.
bool Filler::Extend(int32_t node, int length, int letter, int remaining, int32_t& next) const {
  if (length == 0) {
    next = lexicon_.Child(lexicon_.Root(), letter);
    return true;
  }
  if (node == Lexicon::kNone) return false;
  next = lexicon_.Child(node, letter);
  if (next == Lexicon::kNone) return false;
  uint32_t reachable = remaining >= 31 ? ~0u : (2u << remaining) - 1;
  return (lexicon_.At(next).endMask & reachable) != 0;
}

bool Filler::CloseWord(FillState& s, int32_t node, int length) const {
  if (length < 2) return true;  // a lone letter is no word
  if (node == Lexicon::kNone) return false;
  int32_t word = lexicon_.At(node).word;
  if (word == Lexicon::kNone) return false;
  for (int i = 0; i < s.usedCount; ++i)
    if (s.used[i] == word) return false;
  if (length >= rules_.limitedLength && uses_[word] >= rules_.maxUses) return false;
  if (s.words + 1 > rules_.maxWords || s.usedCount >= kMaxUsed) return false;
  if (length == 2 && s.twoLetterWords + 1 > maxTwoLetter_) return false;
  s.used[s.usedCount++] = word;
  ++s.words;
  if (length == 2) ++s.twoLetterWords;
  return true;
}

// A letter whose neighbours are all black or outside belongs to no word.
bool Filler::Isolated(const FillState& s, int c, int r) const {
  if (c < 0 || r < 0 || s.cell[c][r] == kUnknown || s.cell[c][r] == kBlack) return false;
  auto closed = [&](int x, int y, bool& known) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return true;
    if (s.cell[x][y] == kUnknown) known = false;
    return s.cell[x][y] == kBlack;
  };
  bool known = true;
  bool all = closed(c - 1, r, known) & closed(c + 1, r, known) & closed(c, r - 1, known) &
             closed(c, r + 1, known);
  return known && all;
}

bool Filler::Place(FillState& s, int c, int r, int value) const {
  s.cell[c][r] = static_cast<int8_t>(value);
  ++s.filledInColumn[c];
  if (value == kBlack) {
    if (++s.blacks > rules_.maxBlacks) return false;
    if (c > 0 && r > 0 && s.cell[c - 1][r] == kBlack && s.cell[c][r - 1] == kBlack &&
        s.cell[c - 1][r - 1] == kBlack)
      return false;
    if (!CloseWord(s, s.acrossNode[r], s.acrossLength[r])) return false;
    if (!CloseWord(s, s.downNode[c], s.downLength[c])) return false;
    if (!Connected(s)) return false;
    s.acrossLength[r] = 0;
    s.acrossNode[r] = Lexicon::kNone;
    s.downLength[c] = 0;
    s.downNode[c] = Lexicon::kNone;
  } else {
    int32_t across, down;
    if (!Extend(s.acrossNode[r], s.acrossLength[r], value, width_ - 1 - c, across)) return false;
    if (!Extend(s.downNode[c], s.downLength[c], value, height_ - 1 - r, down)) return false;
    s.acrossNode[r] = across;
    s.downNode[c] = down;
    ++s.acrossLength[r];
    ++s.downLength[c];
    if (c == width_ - 1 && !CloseWord(s, across, s.acrossLength[r])) return false;
    if (r == height_ - 1 && !CloseWord(s, down, s.downLength[c])) return false;
  }
  return !Isolated(s, c, r) && !Isolated(s, c - 1, r) && !Isolated(s, c, r - 1);
}

// The cells that are not black, filled or not, form one piece: a black
// square that walls off part of the grid is refused at once, not found out
// when the last cell is filled.
bool Filler::Connected(const FillState& s) const {
  // Rows as bit sets: the reached cells spread to their open neighbours until
  // nothing more is reached.
  uint32_t open[kMaxSide] = {}, reached[kMaxSide] = {};
  int openCount = 0;
  for (int r = 0; r < height_; ++r) {
    for (int c = 0; c < width_; ++c)
      if (s.cell[c][r] != kBlack) open[r] |= 1u << c;
    openCount += __builtin_popcount(open[r]);
  }
  for (int r = 0; r < height_; ++r)
    if (open[r]) {
      reached[r] = open[r] & (~open[r] + 1);  // the first open cell
      break;
    }
  for (bool grew = true; grew;) {
    grew = false;
    for (int r = 0; r < height_; ++r) {
      uint32_t next = reached[r] | (reached[r] << 1) | (reached[r] >> 1);
      if (r > 0) next |= reached[r - 1];
      if (r + 1 < height_) next |= reached[r + 1];
      next &= open[r];
      // Along the row, the reached cells run on through open cells.
      for (uint32_t more = next; (more = (next | (next << 1) | (next >> 1)) & open[r]) != next;) next = more;
      if (next != reached[r]) {
        reached[r] = next;
        grew = true;
      }
    }
  }
  int count = 0;
  for (int r = 0; r < height_; ++r) count += __builtin_popcount(reached[r]);
  return count == openCount;
}

bool Filler::Complete(const FillState& s) const {
  if (s.blacks < rules_.minBlacks) return false;
  if (s.twoLetterWords * 100 > rules_.maxTwoLetterPercent * s.words) return false;
  return Connected(s);
}

// The letters that may follow both the across and the down run at the cell,
// as a bit set (bit k: 'A' + k).
uint32_t Filler::LettersThatFit(const FillState& s, int c, int r) const {
  auto follow = [&](int32_t node, int length) -> uint32_t {
    if (length == 0) return (1u << 26) - 1;
    return node == Lexicon::kNone ? 0 : lexicon_.At(node).childMask;
  };
  return follow(s.acrossNode[r], s.acrossLength[r]) & follow(s.downNode[c], s.downLength[c]);
}

// At least the number of values the cell may take, cheaply: the letters that
// may follow both runs, and the black square if it closes words.
int Filler::RoughChoices(const FillState& s, int c, int r) const {
  auto closes = [&](int32_t node, int length) {
    return length < 2 || (node != Lexicon::kNone && lexicon_.At(node).word != Lexicon::kNone);
  };
  int count = __builtin_popcount(LettersThatFit(s, c, r));
  if (s.blacks < rules_.maxBlacks && closes(s.acrossNode[r], s.acrossLength[r]) &&
      closes(s.downNode[c], s.downLength[c]))
    ++count;
  return count;
}

// The values the cell may take, in the order to try them: letters by the
// weight of the words they lead to in both directions, with some chance, and
// black squares now and then first.
void Filler::Candidates(const FillState& s, int c, int r, SplitMix& random,
                        std::vector<Candidate>& out) const {
  out.clear();
  // Only the letters that may follow both runs can be placed: the others
  // are not tried, which spares a copy of the state each.
  const uint32_t letters = LettersThatFit(s, c, r);
  for (int letter = 0; letter < 26; ++letter) {
    if (!(letters >> letter & 1)) continue;
    FillState trial = s;
    if (!Place(trial, c, r, letter)) continue;
    double across = trial.acrossNode[r] == Lexicon::kNone ? 0.5 : lexicon_.At(trial.acrossNode[r]).weight;
    double down = trial.downNode[c] == Lexicon::kNone ? 0.5 : lexicon_.At(trial.downNode[c]).weight;
    double weight = std::max(across, 1e-9) * std::max(down, 1e-9);
    // A random key that favours heavy letters (larger keys first).
    out.push_back({letter, std::log(random.Unit() + 1e-12) / weight});
  }
  FillState trial = s;
  if (Place(trial, c, r, kBlack)) {
    // A black square that leaves a lone letter before it comes last.
    bool lone = s.acrossLength[r] == 1 || s.downLength[c] == 1;
    // Black squares come first more rarely as the allowance runs out, so
    // that the last rows still have some when the words need them.
    int filled = 0;
    for (int x = 0; x < width_; ++x) filled += s.filledInColumn[x];
    double expected = rules_.blackShare * (width_ * height_ - filled) + 1e-9;
    double share = rules_.blackShare * std::min(1.0, (rules_.maxBlacks - s.blacks) / expected);
    bool first = !lone && random.Unit() < share;
    out.push_back({kBlack, first ? 1.0 : -1e300});
  }
  std::sort(out.begin(), out.end(), [](const Candidate& a, const Candidate& b) {
    return a.key != b.key ? a.key > b.key : a.value < b.value;
  });
}

std::string Filler::Run(uint64_t seed, long budget, FillStats* stats) {
  SplitMix random(seed);
  FillState start{};
  for (int c = 0; c < kMaxSide; ++c) {
    for (int r = 0; r < kMaxSide; ++r) start.cell[c][r] = kUnknown;
    start.acrossNode[c] = Lexicon::kNone;
    start.downNode[c] = Lexicon::kNone;
  }

  struct Frame {
    FillState state;
    int c, r;
    std::vector<Candidate> values;
    size_t next;
  };
  std::vector<Frame> stack;
  stack.reserve(width_ * height_ + 1);
  std::vector<Candidate> best;
  long placements = 0;

  // Opens the frame of the most constrained cell of the staircase's edge,
  // false when some cell there has no value left.
  auto open = [&](const FillState& s) {
    int bestC = -1, bestR = -1, fewest = 1000;
    for (int c = 0; c < width_; ++c) {
      int r = s.filledInColumn[c];
      if (r >= height_ || (c > 0 && s.filledInColumn[c - 1] <= r)) continue;
      int choices = RoughChoices(s, c, r);
      if (choices == 0) return false;
      if (choices < fewest) {
        fewest = choices;
        bestC = c;
        bestR = r;
      }
    }
    Candidates(s, bestC, bestR, random, best);
    if (best.empty()) return false;
    stack.push_back({s, bestC, bestR, best, 0});
    return true;
  };

  if (!open(start)) return "";
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next >= frame.values.size() || placements >= budget) {
      if (placements >= budget) break;
      stack.pop_back();
      continue;
    }
    FillState s = frame.state;
    Place(s, frame.c, frame.r, frame.values[frame.next++].value);
    ++placements;
    if (static_cast<int>(stack.size()) == width_ * height_) {
      if (!Complete(s)) continue;
      std::string cells;
      for (int r = 0; r < height_; ++r)
        for (int c = 0; c < width_; ++c)
          cells += s.cell[c][r] == kBlack ? '*' : static_cast<char>('A' + s.cell[c][r]);
      if (stats) stats->placements += placements;
      return cells;
    }
    open(s);
  }
  if (stats) stats->placements += placements;
  return "";
}

}  // namespace

GridRules RulesForSide(int side) {
  GridRules rules;
  int cells = side * side;
  rules.minBlacks = (cells * 8 + 99) / 100;
  rules.maxBlacks = cells * 20 / 100;
  // The deconstructed grid (sides up to 10) offers 26 black tiles.
  if (side <= 10) rules.maxBlacks = std::min(rules.maxBlacks, 26);
  return rules;
}

uint64_t SplitMix::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double SplitMix::Unit() { return (Next() >> 11) * (1.0 / 9007199254740992.0); }

std::string FillGrid(const Lexicon& lexicon, const GridRules& rules, const std::vector<int>& uses,
                     int width, int height, uint64_t seed, long budget, FillStats* stats) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return "";
  Filler filler(lexicon, rules, uses, width, height);
  return filler.Run(seed, budget, stats);
}
