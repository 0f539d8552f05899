#pragma once

#include <string>
#include <vector>

namespace tilvane {

// The script that marks the bookmarked ayat of the loaded sura page: a small star next to
// each aya's number (or beside the start of its text in layouts without numbers). It first takes
// away the marks it drew before, so it can run after every change; it returns true.
std::string bookmarkMarksScript(int sura, const std::vector<int>& ayas);

} // namespace tilvane
