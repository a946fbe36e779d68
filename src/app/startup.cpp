// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown: the three windows in their order, the
// initialisation sequence, the first activation and the close.
#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "catalogue/puzzle_codes.h"
#include "app/keeping.h"
#include "app/main_tick.h"
#include "catalogue/catalogue.h"
#include "display/assets.h"
#include "display/drawing.h"
#include "display/log.h"
#include "persistence/save_list.h"
#include "persistence/commentary.h"
#include "games/saved_words.h"
#include "persistence/quick_save.h"
#include "persistence/save_pairs.h"
#include "persistence/saved_games.h"
#include "persistence/settings.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/paths.h"
#include "platform/screen.h"
#include "platform/utf8.h"
#include "state/forms.h"
#include "state/game_state.h"
#include "display/resets.h"
#include "travel/travel.h"
#include "words/word_store.h"

TForm1 Form1;
TForm2 Form2;
TFormCreateur FormCreateur;

void TForm1::FormCreate() {
  G.programDir = ProgramDataFolder();
  SetOversizedFileReporter(LogProblem);
}

void TForm1::DXInitialize(bool canDraw) {
  if (canDraw) return;
  if (ScreenNoDisplay()) {
    // Started over SSH or from a service: one line on the terminal, and the
    // program ends before it touches anything of the player's.
    const std::string line =
        "Lettrarium : aucun écran graphique trouvé. Lancez le jeu depuis une session graphique "
        "(la variable DISPLAY ou WAYLAND_DISPLAY doit être définie).\n";
    std::fputs(Latin1ToUtf8(line).c_str(), stderr);
    Close();
    return;
  }
  ScreenMessageBox("Lettrarium", "Erreur d'initialisation DirectX. Installez Dx 6 minimum et relancez votre ordinateur");
  Close();
}

// Creates the player-data folders; each is tried only when the one before it
// could be made.
static void Premierlancement() {
  const std::string prefix = DataFolderPrefix();
  bool ok = true;
  for (const char* folder : {"FONDS", "CFG", "TETE", "SAVE"}) {
    ok = ok && ForceDirectories(prefix + folder);
  }
  G.dataFoldersReady = ok ? 1 : 0;
}

// A player folder that takes no file is said once, when the splash is gone:
// the games of this run will not be kept.
static void TellUnwritableFolder() {
  const std::string probe = DataFolderPrefix() + "SAVE\\essai-ecriture";
  std::string why = "dossier " + DataFolderPrefix() + " impossible à créer";
  if (G.dataFoldersReady) {
    if (WriteBinary(probe, "-")) {
      RemoveFile(probe);
      return;
    }
    why = "dossier " + DataFolderPrefix() + "SAVE protégé ou plein";
  }
  LogProblem("Vos parties ne pourront pas être sauvegardées : " + why);
  ShowTimedMessageAfterSplash(2, 520, "Vos parties ne pourront pas être sauvegardées : " + why);
}

// A second program on the same player folder would overwrite the first's
// saves and scores: it says so and stops before it touches anything.
static bool OnlyProgramOnFolder() {
  if (!G.dataFoldersReady || TakeFolderLock(DataFolderPrefix() + "CFG\\lettrarium.verrou")) return true;
  const std::string line = "Lettrarium est déjà ouvert sur ce dossier de joueur (" + DataFolderPrefix() + ").";
  LogProblem(line);  // on the terminal too
  ScreenMessageBox("Lettrarium", line);
  G.dataFoldersReady = 0;
  Form1.Close();
  return false;
}

void TForm2::FormCreate() {
  G.endSoundPlayed = 0;
  G.panelX = 800;
  G.panelY = 80;
  G.listScrollHeld = 0;
  G.reserved006C = 1;
  for (int slot = 1; slot <= 4; ++slot) G.checkBoxes[slot] = {0, 0, 1};
  G.wordList.clear();
  G.gameWon = 0;
  G.gameLost = 0;
  G.travelModeActive = 0;
  Log("initialisation des variable...");
  G.splashShowing = 1;
  G.gameEndTick = 0;
  G.interfaceLoaded = false;
  G.gameTitle.clear();
  G.currentScreen = kScreenGameList;
  LoadBackground(52);
  ChargeCommentaires();
  Chargepays();
  Premierlancement();
  if (!OnlyProgramOnFolder()) return;
  if (G.dataFoldersReady) FinishInterruptedWrites(DataFolderPrefix());
  TellUnwritableFolder();
  SetWordListCheck(SavedWordsFit);
  for (int list = 1; list <= 9; ++list) {
    ListBox& box = G.listBoxes[list];
    box.x = 1;
    box.y = 1;
    box.top = 0;
    box.itemCount = 1;
    box.visibleLines = 11;
    box.selected = -1;
    for (auto& item : box.items) item.clear();
    box.widthPx = 150;
  }
  for (auto& name : G.helpFileName) name.clear();
  G.helpFileName[0] = "aide.txt";
  G.listBoxes[listScores].widthPx = 500;
  G.listBoxes[listHelp].widthPx = 500;
  G.listBoxes[listAnagram].widthPx = 300;
  ChargeFavoris();
  ResetGame();
  FillCatalogue();
  FillBackgroundList();
  ListSaves(0);  // the first page of the saves, those it cannot load with their reason
  LoadCardBack(G.cardBackIndex);
  G.travelMapShowing = 0;
  FileListBox3Directory = G.programDir + "music\\";
  Form1.lancemusique_aleatoire();
  FillHeadList();
  ChargeAide(0);
  LoadWordList(1);
  // Without the dictionary no word game can start: said once the splash is gone.
  if (wordLinesRead == 0) {
    LogProblem("Dictionnaire absent : " + G.programDir + "bin\\");
    ShowTimedMessageAfterSplash(2, 520, Comment(97));
  }
  G.settingsWritten = SettingsFingerprint();
}

void TFormCreateur::Timer1Timer() { G.blinkPhase = G.blinkPhase ? 0 : 1; }

// The window comes up as the settings keep it, unless the command line
// chose the mode for this run.
static void ShowWindowAsChosen() {
  WindowMode mode{G.windowFullScreen != 0, G.windowWidth, G.windowHeight};
  if (gCommandLine.windowMode == CommandLine::WindowMode::FullScreen) mode.fullScreen = true;
  if (gCommandLine.windowMode == CommandLine::WindowMode::Windowed) mode.fullScreen = false;
  ScreenShowWindow(mode);
}

void TForm1::FormActivate() {
  if (!activatedOnce) {
    activatedOnce = true;
    LoadAllPictures();
    G.interfaceLoaded = true;
    ShowWindowAsChosen();
  }
  Lancejeu();
}

// A puzzle asked for on the command line is played at once, the first time
// the window comes up; a quick save then waits for the next start.
static bool StartPuzzleOfCommandLine() {
  const bool daily = gCommandLine.daily, code = gCommandLine.codeGiven;
  gCommandLine.daily = gCommandLine.codeGiven = false;
  if (daily) StartDailyPuzzle();
  else if (code) return StartPuzzleCode(gCommandLine.code);
  return daily;
}

void TForm1::Lancejeu() {
  Form2.Close();
  G.launchTick = Now();
  DXTimer1Enabled = true;
  if (StartPuzzleOfCommandLine()) return;
  // The quick save loads as a saved game does, with its own word list.
  ResumeQuickSave(ResumeSavedGame);
}

static void Quittelejeu() {
  if (G.dataFoldersReady) {
    if (G.gameWon && !G.winHandled && !G.winRecorded) KeepWhatWasEarned();
    SauveFavoris();
  }
  G.wordList.clear();
  G.wordList.shrink_to_fit();
  ReleaseFolderLock();
}

void TForm1::FormClose() { Quittelejeu(); }

// Closing the window any other way than by the game's own buttons used to
// lose the game in progress: it is now kept in the quick save, as the
// save-and-quit button keeps it, and resumed at the next start. A letter still
// carried is let go and one in flight lands first, since a save is refused
// while a letter flies. The window closes even when the save fails: the
// system asked.
void TForm1::SystemClose() {
  const bool inProgress = !G.gameTitle.empty() && !G.gameWon && !G.gameLost;
  if (!closed && inProgress) {
    if (G.lettersHeld) DXMouseUp(0);
    LandFlightAtOnce();
    if (!SaveGame(true)) LogProblem("fermeture : la partie en cours n'a pas pu être gardée");
  }
  Close();
}

void TForm1::Close() {
  if (closed) return;
  closed = true;
  DXTimer1Enabled = false;
  FormClose();
}
