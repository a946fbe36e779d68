// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces.h"

std::vector<Piece> AllPieces() {
  return {
      {"AhVousDiraiJeMaman.mid", AhVousDiraiJeMaman()},
      {"AuClairDeLaLune.mid", AuClairDeLaLune()},
      {"FrereJacques.mid", FrereJacques()},
      {"MenuetEnSol.mid", MenuetEnSol()},
      {"OdeALaJoie.mid", OdeALaJoie()},
  };
}
