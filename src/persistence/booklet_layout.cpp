// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/booklet_layout.h"

#include <algorithm>
#include <utility>

#include "state/variants.h"
#include "words/player_lists.h"

namespace {

using Align = Paper::Align;

constexpr double kMostCell = 13;          // mm: a grid never gets larger cells
constexpr double kMostSolutionCell = 6;   // mm: solutions are printed smaller
constexpr double kHeaderHeight = 13;      // mm: number, name, code, instruction
constexpr double kPointsPerMm = 72 / 25.4;

// The size in points of a letter that fills most of a cell.
double LetterPoints(double cellMm) { return cellMm * 0.62 * kPointsPerMm; }

const VariantEntry& RowOf(const PrintedPuzzle& p) { return Variant(p.board.currentVariant); }
uint8_t LetterAt(const PrintedPuzzle& p, int x, int y) { return p.board.boardLetters[CellIndex(x, y)]; }
int32_t PlaneA(const PrintedPuzzle& p, int x, int y) { return p.board.answerGridA[CellIndex(x, y)]; }
int32_t PlaneB(const PrintedPuzzle& p, int x, int y) { return p.board.answerGridB[CellIndex(x, y)]; }
bool IsLetter(int c) { return c >= 'A' && c <= 'Z'; }
std::string Slot(const PrintedPuzzle& p, int slot) { return p.board.wordSlots[slot].str(); }

// One cell: a black square, or a box with a letter (or none) and a small
// number in its corner (0: none).
void Cell(Paper& paper, double x, double y, double cell, bool black, char letter, int number = 0) {
  if (black) {
    paper.Fill(x, y, cell, cell, 0.15);
    return;
  }
  paper.Box(x, y, cell, cell, cell > 6 ? 0.35 : 0.2);
  if (number > 0) paper.Text(x + cell * 0.06, y + cell * 0.3, std::max(4.5, cell * 0.55), std::to_string(number));
  if (IsLetter(letter) || letter == '\'')
    paper.Text(x + cell / 2, y + cell * 0.78, LetterPoints(cell), std::string(1, letter), Align::Centre);
}

// A square grid of `size` cells from board cell (1, 1); `letter` and
// `black` say what each cell holds.
template <typename Black, typename Letter, typename Number>
void Grid(Paper& paper, double x, double y, double cell, int size, Black black, Letter letter, Number number) {
  for (int c = 1; c <= size; ++c)
    for (int r = 1; r <= size; ++r)
      Cell(paper, x + cell * (c - 1), y + cell * (r - 1), cell, black(c, r), letter(c, r), number(c, r));
  paper.Box(x, y, cell * size, cell * size, 0.6);
}

auto NoNumber = [](int, int) { return 0; };

// A row of boxes, a letter in each where the text has one.
void Boxes(Paper& paper, double x, double y, double cell, const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) Cell(paper, x + cell * static_cast<double>(i), y, cell, false, text[i]);
}

// --- Word lists ----------------------------------------------------------

// Lines of words to lay out in columns; a heading ("5 LETTRES") never ends
// a column, it goes on with its words.
struct WordList {
  std::vector<std::string> lines;
  std::vector<bool> heading;
  double widestPerPoint = 0;  // mm of the widest line, per point of size
};

WordList ListOf(Paper& paper, const std::vector<std::string>& lines, const std::vector<bool>& heading = {}) {
  WordList list{lines, heading, 0};
  list.heading.resize(lines.size(), false);
  for (const std::string& line : lines) list.widestPerPoint = std::max(list.widestPerPoint, paper.TextWidth(10, line) / 10);
  return list;
}

constexpr double kColumnGap = 3;  // mm
double LineMm(double points) { return points / kPointsPerMm * 1.45; }

// Hands each line its column and row, `perColumn` lines to a column; the
// number of columns used.
template <typename Place>
int FlowColumns(const WordList& list, int perColumn, Place place) {
  int column = 0, row = 0;
  for (size_t i = 0; i < list.lines.size(); ++i) {
    if (row == perColumn || (list.heading[i] && row == perColumn - 1 && row > 0)) {
      ++column;
      row = 0;
    }
    place(i, column, row++);
  }
  return column + 1;
}

bool ListFits(const WordList& list, double w, double h, double points) {
  const int perColumn = static_cast<int>(h / LineMm(points));
  if (perColumn < 1) return list.lines.empty();
  const int columns = FlowColumns(list, perColumn, [](size_t, int, int) {});
  return columns * (list.widestPerPoint * points + kColumnGap) - kColumnGap <= w;
}

// The largest size, from `most` down by half points, at which the whole
// list fits; 0 when none from 5 points does.
double PointsThatFit(const WordList& list, double w, double h, double most) {
  for (double points = most; points >= 5; points -= 0.5)
    if (ListFits(list, w, h, points)) return points;
  return 0;
}

// The whole list in the area, as large as it fits (5 points at least).
void DrawWordList(Paper& paper, const WordList& list, const PaperArea& a, double most) {
  const double fitting = PointsThatFit(list, a.w, a.h, most), points = fitting > 0 ? fitting : 5;
  const double line = LineMm(points), columnWidth = list.widestPerPoint * points + kColumnGap;
  const int perColumn = std::max(1, static_cast<int>(a.h / line));
  FlowColumns(list, perColumn, [&](size_t i, int column, int row) {
    paper.Text(a.x + columnWidth * column, a.y + line * (row + 0.8), points, list.lines[i], Align::Left,
               list.heading[i]);
  });
}

// Words grouped by length, as a word placement asks for them.
WordList ByLength(Paper& paper, std::vector<std::string> words) {
  std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  std::vector<std::string> lines;
  std::vector<bool> heading;
  size_t length = 0;
  for (const std::string& word : words) {
    if (word.size() != length) {
      length = word.size();
      lines.push_back(std::to_string(length) + " LETTRES");
      heading.push_back(true);
    }
    lines.push_back("  " + word);
    heading.push_back(false);
  }
  return ListOf(paper, lines, heading);
}

// The hidden words' list: each entry without its five-character marks.
std::vector<std::string> HiddenWordsOf(const PrintedPuzzle& p) {
  std::vector<std::string> words;
  for (const std::string& entry : p.wordList)
    if (entry.size() > 5) words.push_back(entry.substr(5));
  return words;
}

// The grid's cell size in an area, with `besideMm` kept to its right and
// `belowMm` under it.
double GridCell(const PaperArea& a, int size, double besideMm, double belowMm, double most = kMostCell) {
  return std::min({most, (a.w - besideMm) / size, (a.h - belowMm) / size});
}

// A grid and its word list: the list beside the grid or under it, where the
// grid gets the larger cells with the list still readable.
struct GridAndList {
  double cell, gridX;  // the grid centred over a list under it
  PaperArea list;
};
GridAndList PlaceGridAndList(const WordList& list, const PaperArea& a, int n) {
  const double readable = a.w > 120 ? 8 : 6.5;
  GridAndList best{0, a.x, {}};
  for (const bool below : {false, true})
    for (double cell = GridCell(a, n, 0, 0); cell >= 3; cell -= 0.25) {
      const double side = n * cell + 5;
      const PaperArea room = below ? PaperArea{a.x, a.y + side, a.w, a.h - side} : PaperArea{a.x + side, a.y, a.w - side, a.h};
      if (!ListFits(list, room.w, room.h, readable)) continue;
      if (cell > best.cell) best = {cell, below ? a.x + (a.w - n * cell) / 2 : a.x, room};
      break;
    }
  if (best.cell == 0) best = {3, a.x, {a.x, a.y + n * 3 + 5, a.w, a.h - n * 3 - 5}};
  return best;
}

// --- The puzzles -------------------------------------------------------

void CodedGridPuzzle(Paper& paper, const PrintedPuzzle& p, const PaperArea& a) {
  const int n = p.board.gameSize;
  // The key of 26 boxes under the grid in two rows, or beside it in two
  // columns, where the grid's cells come out larger.
  const double keyBelow = std::min(9.0, a.w / 13), keyBeside = std::min(9.0, a.h / 13);
  const double cellBelow = GridCell(a, n, 0, 2 * keyBelow + 6), cellBeside = GridCell(a, n, 2 * keyBeside + 6, 0);
  const bool beside = cellBeside > cellBelow;
  const double cell = beside ? cellBeside : cellBelow, key = beside ? keyBeside : keyBelow;
  const double left = a.x + (a.w - cell * n - (beside ? 2 * key + 6 : 0)) / 2;
  Grid(
      paper, left, a.y, cell, n, [&](int c, int r) { return PlaneB(p, c, r) == '*'; },
      [&](int c, int r) { return static_cast<char>(LetterAt(p, c, r)); }, [&](int c, int r) { return PlaneA(p, c, r); });
  // The key: a box per number, the given letters already in theirs.
  std::string byNumber(27, ' ');
  for (int c = 1; c <= n; ++c)
    for (int r = 1; r <= n; ++r)
      if (IsLetter(LetterAt(p, c, r)) && PlaneA(p, c, r) >= 1 && PlaneA(p, c, r) <= 26)
        byNumber[PlaneA(p, c, r)] = static_cast<char>(LetterAt(p, c, r));
  const double keyX = beside ? left + cell * n + 6 : a.x + (a.w - key * 13) / 2;
  const double keyY = beside ? a.y : a.y + cell * n + 6;
  for (int k = 1; k <= 26; ++k) {
    const int along = (k - 1) % 13, across = (k - 1) / 13;
    const double x = keyX + key * (beside ? across : along), y = keyY + key * (beside ? along : across);
    Cell(paper, x, y, key, false, byNumber[k], k);
  }
}

void WordPlacementPuzzle(Paper& paper, const PrintedPuzzle& p, const PaperArea& a) {
  const int n = p.board.gameSize;
  const WordList list = ByLength(paper, p.wordList);
  const GridAndList place = PlaceGridAndList(list, a, n);
  Grid(
      paper, place.gridX, a.y, place.cell, n, [&](int c, int r) { return LetterAt(p, c, r) == '*'; }, [](int, int) { return ' '; },
      NoNumber);
  DrawWordList(paper, list, place.list, a.w > 120 ? 10 : 8);
}

void HiddenWordsPuzzle(Paper& paper, const PrintedPuzzle& p, const PaperArea& a) {
  const int n = p.board.gameSize;
  const WordList list = ListOf(paper, HiddenWordsOf(p));
  const GridAndList place = PlaceGridAndList(list, a, n);
  const double cell = place.cell;
  for (int c = 1; c <= n; ++c)
    for (int r = 1; r <= n; ++r)
      paper.Text(place.gridX + cell * (c - 0.5), a.y + cell * (r - 0.22), LetterPoints(cell) * 0.85,
                 std::string(1, static_cast<char>(LetterAt(p, c, r))), Align::Centre);
  paper.Box(place.gridX, a.y, cell * n, cell * n, 0.5);
  DrawWordList(paper, list, place.list, a.w > 120 ? 10 : 8);
}

// The hangmen and the proverbs: the text's letters as boxes, those given
// written in, in rows of twenty as the board lays them out.
std::string ShownText(const PrintedPuzzle& p) {
  const Game game = RowOf(p).game;
  std::string shown = Slot(p, game == Game::MonthProverbs ? 2 : 1), solution = Slot(p, 0);
  for (size_t i = 0; i < shown.size() && i < solution.size(); ++i)
    if (IsLetter(solution[i]) && !IsLetter(shown[i])) shown[i] = '-';
  return shown;
}

void TextInBoxes(Paper& paper, const std::string& text, const PaperArea& a, double most) {
  const double cell = std::min(most, a.w / 20);
  for (size_t row = 0; row * 20 < text.size(); ++row) {
    const std::string part = text.substr(row * 20, 20);
    for (size_t i = 0; i < part.size(); ++i) {
      const double x = a.x + cell * static_cast<double>(i), y = a.y + cell * 1.4 * static_cast<double>(row);
      const char c = part[i];
      if (c == '-' || IsLetter(c)) Cell(paper, x, y, cell, false, c == '-' ? ' ' : c);
      else if (c == '\'') paper.Text(x + cell / 2, y + cell * 0.78, LetterPoints(cell), "'", Align::Centre);
    }
  }
}

void BlanksPuzzle(Paper& paper, const PrintedPuzzle& p, const PaperArea& a) {
  TextInBoxes(paper, ShownText(p), a, 12);
  if (RowOf(p).game == Game::MonthProverbs) return;
  // The alphabet, to cross out the letters tried.
  const double y = a.y + std::min(12.0, a.w / 20) * 1.4 * 5 + 8;
  std::string alphabet;
  for (char c = 'A'; c <= 'Z'; ++c) alphabet += std::string(1, c) + " ";
  paper.Text(a.x, y, a.w > 120 ? 14 : 9, alphabet);
}

// Where the anagram's shuffled letters lie: row 10 from column 10 - n / 2.
std::string AnagramLetters(const PrintedPuzzle& p) {
  const int n = RowOf(p).parameter, start = 10 - n / 2;
  std::string letters;
  for (int x = start; x < start + n; ++x) letters += static_cast<char>(LetterAt(p, x, 10));
  return letters;
}

void AnagramPuzzle(Paper& paper, const PrintedPuzzle& p, const PaperArea& a) {
  const std::string word = Slot(p, 0);
  const double cell = std::min(12.0, a.w / static_cast<double>(word.size() + 1));
  const double points = a.w > 120 ? 14 : 10;
  paper.Text(a.x, a.y + 6, points, "Mot : " + word, Align::Left, true);
  std::string spaced;
  for (char c : AnagramLetters(p)) spaced += std::string(1, c) + " ";
  paper.Text(a.x, a.y + 14, points, "Lettres : " + spaced);
  Boxes(paper, a.x, a.y + 20, cell, std::string(word.size(), ' '));
}

// The extra letter's lines: the word from column 4 - b, the letter after it.
struct ExtraLine {
  std::string word;
  char extra;
};
std::vector<ExtraLine> ExtraLines(const PrintedPuzzle& p) {
  const int b = p.board.gamePhase, length = b + 5, first = 4 - b;
  std::vector<ExtraLine> lines;
  for (int line = 0; line < RowOf(p).parameter; ++line) {
    const int r = 3 * line + 4;
    ExtraLine l{"", static_cast<char>(LetterAt(p, first + length + 1, r))};
    for (int x = first; x < first + length; ++x) l.word += static_cast<char>(LetterAt(p, x, r));
    lines.push_back(l);
  }
  return lines;
}

void ExtraLetterPuzzle(Paper& paper, const PrintedPuzzle& p, const PaperArea& a) {
  const std::vector<ExtraLine> lines = ExtraLines(p);
  const double points = a.w > 120 ? 14 : 9, cell = std::min(11.0, a.w * 0.5 / 9);
  const double step = std::min(a.h / std::max<size_t>(lines.size(), 1), cell * 2.2);
  for (size_t i = 0; i < lines.size(); ++i) {
    const double y = a.y + step * static_cast<double>(i);
    const std::string question = lines[i].word + " + " + std::string(1, lines[i].extra) + " =";
    paper.Text(a.x, y + cell * 0.75, points, question, Align::Left, true);
    Boxes(paper, a.x + a.w * 0.45, y, cell, std::string(lines[i].word.size() + 1, ' '));
  }
}

// How many words the hunt asks for, and what the words are to be.
std::string HuntRule(const PrintedPuzzle& p) {
  const std::string letters = Slot(p, 0);
  switch (RowOf(p).game) {
    case Game::LongestWord:
      return "Trouvez un mot de " + std::to_string(p.board.gameLength) + " lettres avec ces lettres.";
    case Game::WordsStartingWith:
      return "Trouvez " + std::to_string(p.board.gameSize) + " mots commençant par " + letters.substr(0, 1) + ".";
    default: return "Trouvez " + std::to_string(p.board.gameSize) + " mots de 3 lettres ou plus.";
  }
}

void NineLettersPuzzle(Paper& paper, const PrintedPuzzle& p, const PaperArea& a) {
  const std::string letters = Slot(p, 0);
  const double cell = std::min(13.0, a.w / 10);
  Boxes(paper, a.x + (a.w - cell * 9) / 2, a.y, cell, letters);
  const int lines = RowOf(p).game == Game::LongestWord ? 1 : p.board.gameSize;
  const double top = a.y + cell + 8, room = a.h - cell - 8;
  const int columns = a.w > 120 ? 3 : 2;
  const int perColumn = std::max(1, (lines + columns - 1) / columns);
  const double step = std::min(9.0, room / perColumn), width = a.w / columns;
  for (int i = 0; i < lines; ++i) {
    const double x = a.x + width * (i / perColumn), y = top + step * (i % perColumn + 1);
    if (y > a.y + a.h) break;
    paper.Text(x, y, 7, std::to_string(i + 1) + ".");
    paper.Line(x + 6, y, x + width - 4, y, 0.2);
  }
}

// --- The solutions -----------------------------------------------------

template <typename Letter>
void SolvedGrid(Paper& paper, const PrintedPuzzle& p, const PaperArea& a, Letter letter) {
  const int n = p.board.gameSize;
  const double cell = GridCell(a, n, 0, 0, kMostSolutionCell);
  Grid(
      paper, a.x, a.y, cell, n, [&](int c, int r) { return letter(c, r) == '*'; }, letter, NoNumber);
}

void SolutionText(Paper& paper, const PaperArea& a, const std::vector<std::string>& lines) {
  DrawWordList(paper, ListOf(paper, lines), a, 7.5);
}

std::vector<std::string> NineLettersSolution(const PrintedPuzzle& p) {
  std::vector<std::string> words;
  for (std::string word : p.wordList) {
    if (!word.empty() && word[0] == ' ') word.erase(0, 1);
    if (RowOf(p).game == Game::LongestWord && static_cast<int>(word.size()) != p.board.gameLength) continue;
    words.push_back(word);
  }
  return words;
}

}  // namespace

PrintedPuzzle PuzzleOnTheBoard(int number, const std::string& code) {
  PrintedPuzzle puzzle;
  puzzle.number = number;
  puzzle.code = code;
  puzzle.board = G;
  puzzle.wordList = G.wordList;
  if (const PlayerList* list = FindPlayerList(LoadedPlayerListFile())) {
    puzzle.listTitle = list->title;
    // Kept now: the store may hold another list by the time it is drawn.
    if (BookletLayoutOf(G.currentVariant) == BookletLayout::HiddenWords)
      for (std::string& entry : puzzle.wordList)
        if (entry.size() > 5) entry = entry.substr(0, 5) + ShownFormOf(entry.substr(5));
  }
  return puzzle;
}

std::string NameOnPaper(const PrintedPuzzle& p) {
  std::string name = familyTable[std::clamp(RowOf(p).family, 0, kFamilyCount)].name;
  // The table's names are written without accents, as the game list's font has none.
  static const std::pair<const char*, const char*> kAccents[] = {
      {"CODES", "CODÉS"},       {"CASES", "CASÉS"},     {"CACHES", "CACHÉS"}, {"COMMENCANT", "COMMENÇANT"},
      {"EFFACES", "EFFACÉS"},   {"THEME", "THÈME"},     {"PROVERBES PENDUS", "PROVERBES PENDUS"}};
  for (const auto& [plain, accented] : kAccents)
    if (const size_t at = name.find(plain); at != std::string::npos) name.replace(at, std::string(plain).size(), accented);
  const BookletLayout layout = BookletLayoutOf(p.board.currentVariant);
  if (layout == BookletLayout::CodedGrid || layout == BookletLayout::WordPlacement || layout == BookletLayout::HiddenWords)
    name += " " + std::to_string(p.board.gameSize) + "x" + std::to_string(p.board.gameSize);
  return name;
}

std::string InstructionOf(const PrintedPuzzle& p) {
  switch (BookletLayoutOf(p.board.currentVariant)) {
    case BookletLayout::CodedGrid: return "Chaque nombre cache une lettre : remplissez la grille et la clé.";
    case BookletLayout::WordPlacement: return "Placez tous les mots de la liste dans la grille.";
    case BookletLayout::HiddenWords: return "Retrouvez dans la grille les mots de la liste, en ligne ou en colonne.";
    case BookletLayout::Blanks: {
      const std::string solution = Slot(p, 0);
      const long letters = std::count_if(solution.begin(), solution.end(), IsLetter);
      switch (RowOf(p).game) {
        case Game::Hangman: {
          static const char* const kThemes[] = {"", "", "", "fleurs", "arbres", "animaux", "pays"};
          const uint8_t list = RowOf(p).wordList;
          const std::string theme = !p.listTitle.empty()           ? " (liste : " + p.listTitle + ")"
                                    : list >= 3 && list <= 6 ? std::string(" (thème : ") + kThemes[list] + ")"
                                                             : "";
          return "Trouvez le mot de " + std::to_string(letters) + " lettres" + theme + ".";
        }
        case Game::MonthProverbs: return "Complétez le proverbe avec les lettres qui manquent.";
        default: return "Retrouvez le proverbe de " + std::to_string(letters) + " lettres.";
      }
    }
    case BookletLayout::Anagram: return "Écrivez l'autre mot fait de toutes ces lettres.";
    case BookletLayout::ExtraLetter: return "Avec le mot et la lettre en plus, écrivez un nouveau mot.";
    case BookletLayout::NineLetters: return HuntRule(p);
    case BookletLayout::None: break;
  }
  return "";
}

void DrawPuzzle(Paper& paper, const PrintedPuzzle& p, const PaperArea& a) {
  const double big = a.w > 120 ? 13 : 10;
  const std::string number = p.number > 0 ? std::to_string(p.number) + ".  " : "";
  paper.Text(a.x, a.y + 5, big, number + NameOnPaper(p), Align::Left, true);
  paper.Text(a.x + a.w, a.y + 5, big * 0.8, "Code " + p.code, Align::Right);
  paper.Text(a.x, a.y + 10.5, big * 0.75, InstructionOf(p));
  const PaperArea body{a.x, a.y + kHeaderHeight + 2, a.w, a.h - kHeaderHeight - 2};
  switch (BookletLayoutOf(p.board.currentVariant)) {
    case BookletLayout::CodedGrid: CodedGridPuzzle(paper, p, body); break;
    case BookletLayout::WordPlacement: WordPlacementPuzzle(paper, p, body); break;
    case BookletLayout::HiddenWords: HiddenWordsPuzzle(paper, p, body); break;
    case BookletLayout::Blanks: BlanksPuzzle(paper, p, body); break;
    case BookletLayout::Anagram: AnagramPuzzle(paper, p, body); break;
    case BookletLayout::ExtraLetter: ExtraLetterPuzzle(paper, p, body); break;
    case BookletLayout::NineLetters: NineLettersPuzzle(paper, p, body); break;
    case BookletLayout::None: break;
  }
}

void DrawSolution(Paper& paper, const PrintedPuzzle& p, const PaperArea& a) {
  paper.Text(a.x, a.y + 4, 8, std::to_string(p.number) + ".  " + NameOnPaper(p), Align::Left, true);
  paper.Text(a.x + a.w, a.y + 4, 7, p.code, Align::Right);
  const PaperArea body{a.x, a.y + 7, a.w, a.h - 7};
  switch (BookletLayoutOf(p.board.currentVariant)) {
    case BookletLayout::CodedGrid:
      SolvedGrid(paper, p, body, [&](int c, int r) { return static_cast<char>(PlaneB(p, c, r)); });
      break;
    case BookletLayout::WordPlacement:
      SolvedGrid(paper, p, body, [&](int c, int r) { return static_cast<char>(PlaneA(p, c, r)); });
      break;
    case BookletLayout::HiddenWords: {
      // The crossword the words make; the filler letters left blank.
      const int n = p.board.gameSize;
      const double cell = GridCell(body, n, 0, 0, kMostSolutionCell);
      for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
          if (IsLetter(PlaneA(p, c, r)))
            paper.Text(body.x + cell * (c - 0.5), body.y + cell * (r - 0.22), LetterPoints(cell) * 0.85,
                       std::string(1, static_cast<char>(PlaneA(p, c, r))), Align::Centre);
      paper.Box(body.x, body.y, cell * n, cell * n, 0.3);
      break;
    }
    case BookletLayout::Blanks: TextInBoxes(paper, Slot(p, 0), body, 4.5); break;
    case BookletLayout::Anagram: SolutionText(paper, body, {Slot(p, 1)}); break;
    case BookletLayout::ExtraLetter: {
      std::vector<std::string> answers;
      for (int line = 0; line < RowOf(p).parameter; ++line) answers.push_back(Slot(p, line));
      SolutionText(paper, body, answers);
      break;
    }
    case BookletLayout::NineLetters: SolutionText(paper, body, NineLettersSolution(p)); break;
    case BookletLayout::None: break;
  }
}
