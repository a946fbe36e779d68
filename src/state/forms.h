// SPDX-License-Identifier: GPL-3.0-or-later
// The three windows of the program, as plain objects: the main window with the
// surface, its sprite lists, music player and 10 ms tick; the companion window
// (never shown) with the hangman pictures, the play clock and the file lists;
// the auxiliary window with the 150 ms caret timer.
#pragma once
#include <string>

#include "platform/audio.h"
#include "platform/picture.h"

class TForm1 {
 public:
  std::string Caption = "Lettrarium";
  ImageList DXImageList1{1};   // 0 card back
  ImageList DXImageList2{7};   // 0 background, 1 player head, 2 window frame
  ImageList DXImageList3{16};  // slots: glyph sheets, tiles, markers
  ImageList DXImageList4{65};  // interface: small font, buttons, banners
  MusicPlayer musique;
  bool DXTimer1Enabled = false;
  bool activatedOnce = false;
  bool closed = false;

  void FormCreate();
  void DXInitialize(bool canDraw);
  void FormActivate();
  void Lancejeu();
  void DXTimer1Timer();
  void DXMouseMove(int x, int y);
  void DXMouseDown(int button);
  void DXMouseUp(int button);
  void FormKeyDown(int key);
  void FormKeyPress(const std::string& latin1);  // typed text, any layout
  void FormClose();
  void Close();  // the window closes: FormClose, then the message loop ends
  // The system asks the window to close (the window manager, a signal, the
  // end of the session): a game in progress is kept first, as the
  // save-and-quit button keeps it.
  void SystemClose();
  void lancemusique_aleatoire();
};

class TForm2 {
 public:
  ImageList DXImageList2{59};  // hangman pictures 0-53
  bool Timer1Enabled = false;  // the play clock
  std::string FileListBox3Directory;  // the music list
  std::string FileListBox3Mask = "*.mid";
  bool shown = false;

  void FormCreate();  // the initialisation sequence
  void Timer1Timer();
  void Close() { shown = false; }
};

class TFormCreateur {
 public:
  std::string Caption = "Createur";
  bool Timer1Enabled = true;  // 150 ms caret
  void Timer1Timer();
};

extern TForm1 Form1;
extern TForm2 Form2;
extern TFormCreateur FormCreateur;

// Program start: the three windows in order, then the message loop until the
// main window closes. Returns the process exit code.
int RunProgram(Backend backend);
