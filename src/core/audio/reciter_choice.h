#pragma once

#include <string>

namespace tilvane {

// The reciter the player uses: the stored one when it is installed, else the only one
// installed (a new user's first install); otherwise the stored name stays and is reported.
std::string reciterToUse(const std::string& stored);

// The text beside "Reciter:": the reciter's name, or "(none)" when it is not installed.
std::string reciterLabel(const std::string& reciter);

// Why nothing can be played, for the player tab; "" when the reciter is installed.
std::string reciterProblem(const std::string& reciter);

// Writes the chosen reciter into the settings file at once, keeping every other key, so
// that it stays chosen after a restart however the reader ends.
void saveReciterChoice(const std::string& reciter);

} // namespace tilvane
