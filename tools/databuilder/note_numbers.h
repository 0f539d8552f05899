#pragma once

#include <string>

namespace databuilder {

// The open Indonesian translation marks its notes with a number and ")" right after the word
// ("Tuhan1)") but publishes no note texts. Removes every such mark, so that the reader never
// shows an empty note. The marks must count up 1, 2, 3 ... through the whole translation:
// `nextNote` is the number expected next and moves on past each mark removed. A digits+")"
// run with another number is not a note mark of this numbering, and the build stops on it
// rather than guess.
std::string removeNoteNumbers(const std::string& text, int& nextNote, const std::string& where);

} // namespace databuilder
