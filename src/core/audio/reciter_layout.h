#pragma once

#include <string>
#include <vector>

namespace tilvane {

// The layout the player reads (InitAudio, SetAudioAya): AudioDir + NAME + "/" holding
// audioinit.ini and, per sura, "SSS/SSSAAA.mp3", with the formula recordings beside them.

// The name of an aya's file as public per-aya sets publish it: "002255.mp3".
std::string ayaFileName(int sura, int aya);
// Its place inside a reciter's folder: "002/002255.mp3".
std::string ayaRelativePath(int sura, int aya);

// The default names of the formula recordings, in the order audhubillah, bismillah,
// bismillah2, sadaghallah.
const std::vector<std::string>& formulaFileNames();

// A reciter's name is one folder name: not empty, no separator, not starting with a dot.
bool isValidReciterName(const std::string& name);
// AudioDir + name + "/".
std::string reciterFolder(const std::string& name);

// The folders below AudioDir that hold an audioinit.ini, sorted by name.
std::vector<std::string> installedReciters();
bool isReciterInstalled(const std::string& name);

// Writes the folder's audioinit.ini (section "offline", URL = the folder itself). The
// bismillah keys name the folder's own bismillah recordings when it has them, else the
// reciter's 1:1, which is the same formula; other keys of the file are kept.
void writeReciterDescription(const std::string& folder);

// Deletes an installed reciter's folder. Throws TilvaneError when the name is not an
// installed reciter or its folder is a link.
void removeReciter(const std::string& name);

} // namespace tilvane
