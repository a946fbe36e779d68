// SPDX-License-Identifier: GPL-3.0-or-later
// The one process-wide state. Four of its records (main, clock, travel,
// board) are saved byte for byte in a saved game, so their layout is fixed and
// checked below; everything else is ordinary C++.
#pragma once
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "state/short_string.h"
#include "state/variants.h"

#pragma pack(push, 1)

// The screens of `currentScreen`: 0 is the board (or the title splash), the
// others the pages drawn over it.
enum ScreenNumber : int32_t {
  kScreenBoard = 0,
  kScreenGameList = 1,
  kScreenVariantMenu = 2,  // from here on, pages opened over a game or a list
  kScreenOptions = 3,
  kScreenScores = 4,
  kScreenHelp = 5,
  kScreenPlayer = 6,
  kScreenSavedGames = 7,
  kScreenAnagramSearch = 8,
  kScreenIncompleteSearch = 9,
  kScreenCode = 10,         // typing a puzzle code
  kScreenDailyResult = 11,  // the puzzle of the day won: time, score, share line
  kScreenStatistics = 12,   // what the record of the games played says
  kScreenGiveUp = 13,       // "Abandonner la partie ?", asked before a game is given up
  kScreenBooklet = 14,      // choosing and making a booklet of printed puzzles
  kScreenQuit = 100,
};

// The cursor shapes of `cursorShape`.
enum CursorShape : int16_t { kCursorDefault = 0, kCursorHourglass = -11, kCursorHand = -21 };

// The states of `boardCellState`, which are also the cells' tile styles.
enum CellStateValue : int32_t {
  kCellPlain = 1,    // every cell after a board reset
  kCellPalette = 2,  // a palette tile: copied when picked up, never emptied
  kCellBlack = 3,    // a black square, or a cell the eraser blackened
  kCellOpen = 4,     // an open crossword cell (a black tile taken off leaves one)
};

struct MainRecord {
  ShortString<100> playerName;
  uint8_t listScrollHeld;       // a scroll step this tick keeps the click alive
  uint8_t pad0066[2];
  uint32_t clickTick;           // tick of the last click on an overlay or hot button
  uint8_t reserved006C;         // set to 1 at start
  uint8_t pad006D[3];
  int32_t lastScore;
  uint32_t menuFamily;          // first variant of the family opened on screen 2
  int32_t reserved0078;         // cleared by the board reset
  uint8_t importKind;           // 1 head, 2 background
  uint8_t splashShowing;
  uint8_t pad007E[2];
  uint32_t launchTick;
  uint32_t gameEndTick;
  int32_t cardBackIndex;
  int32_t backgroundIndex;
  int32_t clickPending;
  int32_t currentScreen;
  ShortString<100> gameTitle;   // empty: no game runs
  ShortString<100> statusTip;
  int16_t cursorShape;          // 0 arrow, -21 hand, -11 hourglass
  ShortString<100> journeyText;
  uint8_t pad01C9[3];
  int32_t reserved01CC;
  uint8_t hoverHot;
  uint8_t reserved01D1;
  // Entries 1 ... 496 of the commentary table at index n - 1; the last three
  // rooms (497 ... 499) are never filled.
  ShortString<100> commentaryText[499];
  uint8_t gameWon;
  uint8_t gameLost;
  uint8_t padC6B3;
  int32_t reservedC6B4;
  uint8_t reservedC6B8;
  uint8_t padC6B9[3];
  int32_t reservedC6BC;
  uint8_t reservedC6C0;
  uint8_t winHandled;
  uint8_t padC6C2[2];
};

struct ClockRecord {
  uint8_t elapsedDays;
  uint8_t elapsedSeconds;
  uint8_t elapsedMinutes;
  uint8_t elapsedHours;
  ShortString<26> elapsedTimeText;
};

struct TravelSquare {
  ShortString<26> countryName;
  uint8_t pad27;
  int32_t entryCost;
  int32_t rewardPoints;
  ShortString<26> stageGameName;
  uint8_t pad63;
  int32_t stageVariant;
};

struct TravelRecord {
  uint8_t travelStageWon;
  uint8_t travelFailed;
  uint8_t pad02[2];
  int32_t journeyStartX;
  int32_t journeyStartY;
  int32_t destinationX;
  int32_t destinationY;
  int32_t journeyNumber;
  int32_t pawnX;
  int32_t pawnY;
  uint8_t travelMapClicked;
  uint8_t pad21[3];
  int32_t travelMoney;
  uint8_t travelMapShowing;
  uint8_t travelModeActive;
  uint8_t pad2A[2];
  int32_t hoveredSquareX;
  int32_t hoveredSquareY;
  TravelSquare travelSquares[14][9];  // [x][y]; row 8 lies outside the map
};

struct BoardRecord {
  uint32_t currentVariant;      // 1-150, 0 = none
  uint8_t boardReady;
  uint8_t pad0005[3];
  int32_t boardOriginX;
  int32_t boardOriginY;
  int32_t hoverCellX;
  int32_t hoverCellY;
  uint8_t boardLetters[441];    // cell (x, y) at x * 21 + y; '*' = no letter
  uint8_t boardPlayable[441];
  uint8_t boardPickable[441];
  uint8_t pad0543;
  int32_t boardCellColour[441];
  ShortString<100> wordSlots[30];
  uint8_t pad17FE[2];
  int32_t boardCellState[400];  // cell (x, y), x and y 1-20, at (x-1) * 20 + (y-1)
  int32_t answerGridA[441];
  int32_t answerGridB[441];
  uint8_t gameChar;
  uint8_t pad2C09[3];
  int32_t gamePhase;
  int32_t gameSize;
  int32_t gameLength;
};

#pragma pack(pop)

static_assert(sizeof(MainRecord) == 50884);
static_assert(offsetof(MainRecord, listScrollHeld) == 0x0065);
static_assert(offsetof(MainRecord, clickTick) == 0x0068);
static_assert(offsetof(MainRecord, reserved006C) == 0x006C);
static_assert(offsetof(MainRecord, lastScore) == 0x0070);
static_assert(offsetof(MainRecord, menuFamily) == 0x0074);
static_assert(offsetof(MainRecord, reserved0078) == 0x0078);
static_assert(offsetof(MainRecord, importKind) == 0x007C);
static_assert(offsetof(MainRecord, splashShowing) == 0x007D);
static_assert(offsetof(MainRecord, launchTick) == 0x0080);
static_assert(offsetof(MainRecord, gameEndTick) == 0x0084);
static_assert(offsetof(MainRecord, cardBackIndex) == 0x0088);
static_assert(offsetof(MainRecord, backgroundIndex) == 0x008C);
static_assert(offsetof(MainRecord, clickPending) == 0x0090);
static_assert(offsetof(MainRecord, currentScreen) == 0x0094);
static_assert(offsetof(MainRecord, gameTitle) == 0x0098);
static_assert(offsetof(MainRecord, statusTip) == 0x00FD);
static_assert(offsetof(MainRecord, cursorShape) == 0x0162);
static_assert(offsetof(MainRecord, journeyText) == 0x0164);
static_assert(offsetof(MainRecord, reserved01CC) == 0x01CC);
static_assert(offsetof(MainRecord, hoverHot) == 0x01D0);
static_assert(offsetof(MainRecord, reserved01D1) == 0x01D1);
static_assert(offsetof(MainRecord, commentaryText) == 0x01D2);
static_assert(offsetof(MainRecord, commentaryText) + 496 * 101 == 0xC582);
static_assert(offsetof(MainRecord, gameWon) == 0xC6B1);
static_assert(offsetof(MainRecord, gameLost) == 0xC6B2);
static_assert(offsetof(MainRecord, reservedC6B4) == 0xC6B4);
static_assert(offsetof(MainRecord, reservedC6B8) == 0xC6B8);
static_assert(offsetof(MainRecord, reservedC6BC) == 0xC6BC);
static_assert(offsetof(MainRecord, reservedC6C0) == 0xC6C0);
static_assert(offsetof(MainRecord, winHandled) == 0xC6C1);

static_assert(sizeof(ClockRecord) == 31);
static_assert(offsetof(ClockRecord, elapsedTimeText) == 4);

static_assert(sizeof(TravelSquare) == 68);
static_assert(offsetof(TravelSquare, entryCost) == 28);
static_assert(offsetof(TravelSquare, rewardPoints) == 32);
static_assert(offsetof(TravelSquare, stageGameName) == 36);
static_assert(offsetof(TravelSquare, stageVariant) == 64);
static_assert(sizeof(TravelRecord) == 8620);
static_assert(offsetof(TravelRecord, journeyStartX) == 0x04);
static_assert(offsetof(TravelRecord, journeyNumber) == 0x14);
static_assert(offsetof(TravelRecord, pawnX) == 0x18);
static_assert(offsetof(TravelRecord, travelMapClicked) == 0x20);
static_assert(offsetof(TravelRecord, travelMoney) == 0x24);
static_assert(offsetof(TravelRecord, travelMapShowing) == 0x28);
static_assert(offsetof(TravelRecord, travelModeActive) == 0x29);
static_assert(offsetof(TravelRecord, hoveredSquareX) == 0x2C);
static_assert(offsetof(TravelRecord, travelSquares) == 0x34);

static_assert(sizeof(BoardRecord) == 11288);
static_assert(offsetof(BoardRecord, boardReady) == 0x0004);
static_assert(offsetof(BoardRecord, boardOriginX) == 0x0008);
static_assert(offsetof(BoardRecord, hoverCellY) == 0x0014);
static_assert(offsetof(BoardRecord, boardLetters) == 0x0018);
static_assert(offsetof(BoardRecord, boardPlayable) == 0x01D1);
static_assert(offsetof(BoardRecord, boardPickable) == 0x038A);
static_assert(offsetof(BoardRecord, boardCellColour) == 0x0544);
static_assert(offsetof(BoardRecord, wordSlots) == 0x0C28);
static_assert(offsetof(BoardRecord, boardCellState) == 0x1800);
static_assert(offsetof(BoardRecord, answerGridA) == 0x1E40);
static_assert(offsetof(BoardRecord, answerGridB) == 0x2524);
static_assert(offsetof(BoardRecord, gameChar) == 0x2C08);
static_assert(offsetof(BoardRecord, gamePhase) == 0x2C0C);
static_assert(offsetof(BoardRecord, gameSize) == 0x2C10);
static_assert(offsetof(BoardRecord, gameLength) == 0x2C14);

// List box: line i (from 1) drawn at y + 20 i; item top + i on line i.
struct ListBox {
  int32_t x = 0, y = 0;
  int32_t top = 0;
  int32_t visibleLines = 0;
  int32_t widthPx = 0;
  int32_t itemCount = 0;
  std::array<std::string, 601> items;  // 0 ... 600; 0 is never shown
  int32_t selected = 0;
};

struct CheckBox {
  int32_t x = 0, y = 0;
  uint8_t checked = 0;
};

// A letter, word or eraser flying to a board cell (or the travel pawn).
struct Flight {
  int32_t fromX = 0, fromY = 0, toX = 0, toY = 0;
  uint32_t startTick = 0;
  int32_t duration = 0;
  uint8_t kind = 0;  // 1 letter, 2 word, 3 eraser, 90 travel pawn
  std::string text;
};

struct PendingMessage {
  int32_t x = 0, y = 0;
  std::string text;
};

struct Point {
  int32_t x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// The keyboard cursor of the letter games: the cell a typed letter goes to.
struct KeyCursor {
  bool placed = false;   // shown on the board of `variant`
  uint32_t variant = 0;
  Point cell;
  bool down = false;     // typed letters go down the grid instead of across
  bool movedOn = false;  // the last letter typed moved the cursor past its cell
  bool atEnd = false;    // the last letter typed filled the last cell
  bool clicked = false;  // a click put the cursor on its cell
  uint32_t refusedAt = 0;  // tick of the last key that could not act (0 none)
};

// The helps used on the game on the board: kept in its save and its line of
// the record of games. The penalties are already on the play clock.
struct HelpTally {
  int32_t hints = 0;     // letters (or words) revealed
  int32_t checks = 0;    // boards checked
  int32_t searches = 0;  // search tools used
  int32_t penaltySeconds = 0;
  bool operator==(const HelpTally&) const = default;
};

// Lists of the screens, by number.
constexpr int listVariants = 2;
constexpr int listAnagram = 3;
constexpr int listBackgrounds = 4;
constexpr int listScores = 5;
constexpr int listHelp = 6;
constexpr int listCardBacks = 7;
constexpr int listHeads = 8;
constexpr int listSaves = 9;

// The records are packed, but each starts at a multiple of four bytes of the
// state (the 31-byte clock record comes last), so every multi-byte field lies
// aligned at run time and a value read through a reference (EXPECT_EQ,
// std::min) never touches a misaligned address.
static_assert(sizeof(MainRecord) % 4 == 0 && sizeof(BoardRecord) % 4 == 0 && sizeof(TravelRecord) % 4 == 0);
struct GameState : MainRecord, BoardRecord, TravelRecord, ClockRecord {
  // Transient record.
  uint8_t letterFlying = 0;
  Flight flight;
  std::string typedText;
  uint8_t messageShowing = 0;
  int32_t messageX = 0, messageY = 0;
  std::string messageText;
  uint32_t messageTick = 0;
  bool messageSeen = false;
  std::deque<PendingMessage> messagesAfterSplash;  // shown once the splash is gone
  // The lasting message (a page kept as a PDF) stays at least this long and
  // until a press or key after it; other messages live 1500 ms.
  uint32_t messageLeastMs = 1500;
  bool messageAwaitsPress = false;
  int helpFamilyHovered = 0;  // the game list's family whose help page was read (0 none)
  int32_t bannerX = 0, bannerY = 0, bannerDX = 0, bannerDY = 0;
  double scanClock = 0;  // the hangmen's sweep over the hidden word
  KeyCursor keyCursor;
  // The letters the board gave, noted on the first tick the keyboard plays
  // it (the board reset forgets them): typing never replaces them.
  std::bitset<441> givenCells;
  bool givenCellsKnown = false;
  // The seed the board's generator started from (0 ... 2^20 - 1): drawn from
  // the clock by the board reset or given by a puzzle code. Not known for a
  // game resumed from a save that kept no code.
  uint32_t puzzleSeed = 0;
  bool puzzleSeedKnown = false;
  // The day (yyyymmdd) whose puzzle of the day was started, 0 for none.
  int32_t dailyDay = 0;
  // The game on the board has its line in the record of games played.
  bool gameRecorded = false;
  bool dailyRecording = false;  // this run holds the day's record
  // What the code page says of the code typed (empty: nothing yet).
  std::string codeProblem;
  // The lines the page after a puzzle of the day shows.
  std::vector<std::string> dailyResult;
  HelpTally helps;
  // Undo: the board before each move of the game, oldest first, and the
  // board a move under way (a letter picked up) started from.
  std::vector<BoardRecord> undoBoards;
  bool moveUnderWay = false;
  BoardRecord boardBeforeMove{};
  uint32_t checkShownAt = 0;  // when the wrong letters were marked (0 none)

  // Held-letters record.
  uint8_t lettersHeld = 0;
  std::string heldText;
  uint8_t heldHorizontal = 1;
  Point heldOriginCell;
  Point heldOriginPixel;

  // Interface record.
  std::string programDir;  // with its trailing separator
  Point mousePos;
  uint8_t blinkPhase = 0;
  uint8_t endSoundPlayed = 0;
  CheckBox checkBoxes[5];  // slots 1-4: sounds, music, right button, coded grids filled by number
  uint8_t dataFoldersReady = 0;
  bool settingsFailureTold = false;  // a failed settings write was reported
  uint64_t settingsWritten = 0;      // the fingerprint of what the settings file holds
  bool winRecorded = false;          // the win on show has its score line already
  bool quickSaveResumed = false;     // the game in play came from the quick save, still on disk
  std::string resumedQuickSaveStamp;  // that quick save's checksum
  std::string countedQuickSaveStamp;  // a resumed quick save whose win the settings count
  // The window as the settings file keeps it: full screen, or a window of
  // this size (0 x 0: none kept yet, the first window's size).
  bool windowFullScreen = true;
  int32_t windowWidth = 0, windowHeight = 0;
  uint8_t colourScheme = 0;  // ColourScheme: normal, colour-blind, high contrast
  ListBox listBoxes[10];
  std::array<std::string, kVariantCount + 1> variantName;
  std::array<std::string, 201> helpFileName;
  std::array<std::string, kFamilyCount + 1> familyName;
  std::vector<std::string> wordList;
  int32_t panelX = 0, panelY = 0;
  bool interfaceLoaded = false;
  int32_t currentBackground = 0;  // the background picture now loaded

  // The diagnostics log (the hidden list of the main window), at most 101 lines.
  std::deque<std::string> debugLog;
};

// The state, zero at start.
extern GameState G;

// Commentary entry n (1-496), as text.
std::string Comment(int n);
// Commentary entry 51: the prefix of the player-data folders; the default
// below when the entry is empty or missing.
std::string DataFolderPrefix();
inline constexpr const char* kDefaultDataFolderPrefix = "~/.lettrarium/";
bool SoundsOn();
bool MusicOn();

// The caret's phase, for a drawing that shows it. A page that never asks
// does not show the caret: the message loop may then let its timer lapse.
bool BlinkPhaseShown();
// True when a drawing asked for the caret's phase since the last call.
bool TakeBlinkAsked();

// The state of cell (x, y); cells in row or column 0 (or beyond 20) have no
// state: reads give 0 and writes go nowhere. By value: the field lies in a
// packed record, where a reference could be misaligned.
int32_t CellState(int x, int y);
void SetCellState(int x, int y, int32_t state);
inline int CellIndex(int x, int y) { return x * 21 + y; }

// Back to the zero state of process start (tests).
void ClearGameState();
