#pragma once

#include "core/quran/quran_pos.h"

namespace tilvane {

inline constexpr int kJuzCount = 30;

// Where juz 1..30 begins, in the common division of the Uthmani text; {0, 0} outside 1..30.
TQuranPos juzStart(int juz);

// The global aya indexes (1..6236) of the first and the last aya of juz 1..30, in the
// common division of the Uthmani text; 0 for a juz outside 1..30.
int juzFirstAya(int juz);
int juzLastAya(int juz);

} // namespace tilvane
