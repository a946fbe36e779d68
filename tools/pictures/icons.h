// SPDX-License-Identifier: GPL-3.0-or-later
// Icons of the 48 x 48 image buttons, drawn about (0, 0) within a radius of
// about 14 px with whatever source is current (called once for the shadow,
// once for the icon itself).
#pragma once
#include <cairo.h>

using IconRoutine = void (*)(cairo_t*);

void IconAnagram(cairo_t* cr);
void IconIncomplete(cairo_t* cr);
void IconClose(cairo_t* cr);
void IconDown(cairo_t* cr);
void IconUp(cairo_t* cr);
void IconConfirm(cairo_t* cr);
void IconCancel(cairo_t* cr);
void IconHelp(cairo_t* cr);
void IconRestart(cairo_t* cr);
void IconPrint(cairo_t* cr);
void IconScores(cairo_t* cr);
void IconFolder(cairo_t* cr);
void IconSave(cairo_t* cr);
void IconOptions(cairo_t* cr);
void IconQuit(cairo_t* cr);
void IconSaveQuit(cairo_t* cr);
void IconDelete(cairo_t* cr);
void IconClear(cairo_t* cr);
void IconGiveUp(cairo_t* cr);
void IconPlayer(cairo_t* cr);
void IconImport(cairo_t* cr);
void IconTravel(cairo_t* cr);
void IconHint(cairo_t* cr);
void IconCheck(cairo_t* cr);
void IconUndo(cairo_t* cr);
