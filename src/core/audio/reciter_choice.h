#pragma once

#include <string>

namespace tilvane {

// The reciter the player uses: the stored one when it is installed, else the only one
// installed (a new user's first install); otherwise the stored name stays and is reported.
std::string reciterToUse(const std::string& stored);

// Whether the reciter can be played and, when not, why: nothing at all is installed, or
// the stored reciter is missing while others are there to choose from.
enum class ReciterState { Installed, NoneInstalled, NotInstalled };
ReciterState reciterState(const std::string& reciter);

// Writes the chosen reciter into the settings file at once, keeping every other key, so
// that it stays chosen after a restart however the reader ends.
void saveReciterChoice(const std::string& reciter);

} // namespace tilvane
