#pragma once

#include "core/quran/quran_pos.h"

#include <string>

namespace tilvane {

class IMediaDevice;

// Full paths of the chosen recitation, set by InitAudio. All are empty when the reciter's
// description names no folder: then no file is found and nothing is played.
extern std::string AudioPath; // ends with the separator
extern std::string AudioAyaFile; // the shown aya's file, set by SetAudioAya
extern std::string AudhubillahFile;
extern std::string BismillahFile;
extern std::string Bismillah2File;
extern std::string SadaghallahFile;

// The reciter's description file: AudioDir + Reciter + "/audioinit.ini".
std::string audioInitFileName();

// Reads the reciter's description file (section "offline"); missing keys give the default
// recording names, a missing file or "URL" gives no recitation. Returns why a description
// that is there could not be read (a FIFO, device, folder, huge or unreadable file), naming
// it as the other data files are named; then there is no recitation either. Empty otherwise.
std::string InitAudio();

// Sets AudioAyaFile for pos ("<AudioPath>002/002255.mp3" for 2:255) and returns the text of
// the player's aya label ("Al-Fatihah (1:2)").
std::string SetAudioAya(const TQuranPos& pos);

// Applies volume 0..1000 to the device's open file; values outside are clamped, and with
// nothing open the call does nothing.
void SetMediaVolume(IMediaDevice& device, int volume);

} // namespace tilvane
