// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rest.h"

#include "catalogue/booklet_page.h"

#include <cstring>
#include <string>

#include "platform/clock.h"
#include "platform/screen.h"
#include "state/forms.h"
#include "state/game_state.h"

namespace {

struct Fingerprint {
  uint64_t hash = 1469598103934665603ull;
  void Add(uint64_t value) {
    hash = (hash ^ value) * 0x9E3779B97F4A7C15ull;
    hash ^= hash >> 29;
  }
  void AddBytes(const void* data, size_t size) {
    Add(size);
    const char* bytes = static_cast<const char*>(data);
    for (size_t i = 0; i < size; i += 8) {
      uint64_t chunk = 0;
      std::memcpy(&chunk, bytes + i, size - i < 8 ? size - i : 8);
      Add(chunk);
    }
  }
  void Add(const std::string& text) { AddBytes(text.data(), text.size()); }
  void AddPlace(int32_t x, int32_t y) { Add(static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32 | static_cast<uint32_t>(y)); }
  template <class Record>
  void AddRecord(const Record& record) {
    AddBytes(&record, sizeof(Record));
  }
};

// A field added to the shared state changes its size and stops the build
// here: decide whether a tick may change it (then the fingerprint below must
// read it, or the loop would rest through its change), then write the new
// size. Checked on 64-bit builds, where the size is known; the name tables,
// which grow with the variant table, are left out.
static_assert(sizeof(void*) != 8 || sizeof(GameState) - sizeof(GameState::variantName) - sizeof(GameState::familyName) == 282056,
              "GameState changed: weigh the new field for StateFingerprint, then update this size");

// Everything a tick reads or writes that may change from one tick to the
// next: the whole shared state, the generator, the windows' timers and the
// music player. A field added to the state belongs here too.
uint64_t StateFingerprint() {
  Fingerprint f;
  f.AddRecord(static_cast<const MainRecord&>(G));
  f.AddRecord(static_cast<const BoardRecord&>(G));
  f.AddRecord(static_cast<const TravelRecord&>(G));
  f.AddRecord(static_cast<const ClockRecord&>(G));
  f.Add(G.letterFlying);
  for (int32_t v : {G.flight.fromX, G.flight.fromY, G.flight.toX, G.flight.toY, G.flight.duration}) f.Add(v);
  f.Add(G.flight.startTick);
  f.Add(G.flight.kind);
  f.Add(G.flight.text);
  f.Add(G.typedText);
  for (int32_t v : {G.messageX, G.messageY, G.bannerX, G.bannerY, G.bannerDX, G.bannerDY, G.panelX, G.panelY,
                    G.currentBackground, G.heldOriginCell.x, G.heldOriginCell.y, G.heldOriginPixel.x,
                    G.heldOriginPixel.y, G.mousePos.x, G.mousePos.y})
    f.Add(static_cast<uint32_t>(v));
  for (int v : {int(G.messageShowing), int(G.messageSeen), int(G.lettersHeld), int(G.heldHorizontal),
                int(G.blinkPhase), int(G.endSoundPlayed), int(G.dataFoldersReady), int(G.settingsFailureTold),
                int(G.interfaceLoaded), int(G.colourScheme)})
    f.Add(static_cast<uint64_t>(v));
  f.Add(G.messageText);
  f.Add(G.messageTick);
  f.Add(G.messageLeastMs);
  f.Add(G.messageAwaitsPress);
  f.Add(static_cast<uint32_t>(G.helpFamilyHovered));
  const KeyCursor& cursor = G.keyCursor;
  f.AddPlace(cursor.cell.x, cursor.cell.y);
  f.Add(cursor.variant);
  f.Add(cursor.refusedAt);
  for (bool on : {cursor.placed, cursor.down, cursor.movedOn, cursor.atEnd, cursor.clicked}) f.Add(on);
  f.Add(G.givenCells.to_string());
  f.Add(G.givenCellsKnown);
  f.Add(G.windowFullScreen);
  f.AddPlace(G.windowWidth, G.windowHeight);
  for (const PendingMessage& m : G.messagesAfterSplash) {
    f.AddPlace(m.x, m.y);
    f.Add(m.text);
  }
  uint64_t scan = 0;
  std::memcpy(&scan, &G.scanClock, sizeof scan);
  f.Add(scan);
  f.Add(G.heldText);
  f.Add(G.puzzleSeed);
  f.Add(static_cast<uint64_t>(G.puzzleSeedKnown) << 1 | G.dailyRecording);
  f.Add(static_cast<uint32_t>(G.dailyDay));
  f.Add(G.gameRecorded);
  f.Add(G.codeProblem);
  for (const std::string& line : G.dailyResult) f.Add(line);
  for (int32_t v : {G.helps.hints, G.helps.checks, G.helps.searches, G.helps.penaltySeconds}) f.Add(static_cast<uint32_t>(v));
  f.Add(G.undoBoards.size());
  if (!G.undoBoards.empty()) f.AddRecord(G.undoBoards.back());
  f.Add(G.moveUnderWay);
  f.Add(G.checkShownAt);
  f.Add(G.settingsWritten);
  f.Add(static_cast<uint64_t>(G.winRecorded) << 1 | G.quickSaveResumed);
  f.Add(G.resumedQuickSaveStamp);
  f.Add(G.countedQuickSaveStamp);
  f.Add(G.programDir);
  for (const CheckBox& box : G.checkBoxes) {
    f.AddPlace(box.x, box.y);
    f.Add(box.checked);
  }
  for (const ListBox& list : G.listBoxes) {
    for (int32_t v : {list.x, list.y, list.top, list.visibleLines, list.widthPx, list.itemCount, list.selected})
      f.Add(static_cast<uint32_t>(v));
    for (const std::string& item : list.items) f.Add(item);
  }
  for (const std::string& s : G.variantName) f.Add(s);
  for (const std::string& s : G.helpFileName) f.Add(s);
  for (const std::string& s : G.familyName) f.Add(s);
  for (const std::string& s : G.wordList) f.Add(s);
  for (const std::string& s : G.debugLog) f.Add(s);
  f.Add(RandSeed());
  for (bool on : {Form1.DXTimer1Enabled, Form1.closed, Form2.Timer1Enabled, FormCreateur.Timer1Enabled,
                  Form1.musique.paused()})
    f.Add(on);
  f.Add(Form1.musique.fileName);
  f.Add(static_cast<uint32_t>(ScreenCursor()));
  return f.hash;
}

// What moves or waits on the clock while the state stays as it is: a letter
// or the pawn in flight, letters or a scroll button held, a click not yet
// seen, a board being built, a timed message, a win or loss banner (and the
// given-up game's time-out), the splash, the keyboard cursor's refusal mark.
bool SomethingUnderWay() {
  const bool building = (!G.boardReady && !G.gameTitle.empty() && !G.gameLost) || BookletBeingMade();
  const bool refusalShown = G.keyCursor.refusedAt != 0 && Now() - G.keyCursor.refusedAt < 1000;
  const bool checkShown = G.checkShownAt != 0;  // the wrong letters' marks, for 3 s
  return G.letterFlying || G.lettersHeld || G.listScrollHeld || G.clickPending || G.travelMapClicked || building ||
         G.messageShowing || !G.messagesAfterSplash.empty() || G.gameWon || G.gameLost || G.splashShowing ||
         refusalShown || checkShown;
}

uint64_t lastFingerprint = 0;
bool lastKnown = false;

}  // namespace

bool TickChangedNothing(bool pageKept) {
  const uint64_t now = StateFingerprint();
  const bool same = lastKnown && now == lastFingerprint;
  lastFingerprint = now;
  lastKnown = true;
  return same && pageKept && !SomethingUnderWay();
}

void ForgetLastTick() { lastKnown = false; }

bool RestMustEnd() {
  const bool musicEnded = !Form1.musique.fileName.empty() && Form1.musique.Position() >= Form1.musique.Length();
  return musicEnded || ScreenNeedsPresent();
}
