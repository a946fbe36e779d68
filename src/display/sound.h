// SPDX-License-Identifier: GPL-3.0-or-later
// Sound effects by number and the random background music.
#pragma once

// The sound effects, by their file number "Sons\<n>.wav".
enum SoundNumber : int {
  kSoundBoardReady = 0,  // a game has built its board
  kSoundChoice = 1,      // a list entry chosen, Enter on a text page, the coded grid reshuffled
  kSoundLanding = 2,     // a flight lands; a refused button; a wrong guess
  kSoundJourney = 4,     // a travel journey starts
  kSoundPawn = 5,        // the travel pawn moves
  kSoundDrop = 7,        // a letter dropped, a hidden word found, a stage won
  kSoundRightGuess = 8,  // a guessed letter is in the word, a word accepted
  kSoundPanel = 9,       // the overlay panel starts to open
  kSoundWon = 11,
  kSoundLost = 12,
  kSoundCredit = 13,  // travel money credited
};

// Loads "Sons\0.wav" ... "Sons\13.wav" into the wave list.
void LoadSounds();
// Plays wave n once, without waiting, when sounds are on.
void PlaySound(int n);
