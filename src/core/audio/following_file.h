#pragma once

#include "core/audio/repeat_rules.h"
#include "core/quran/quran_pos.h"

#include <optional>
#include <string>

namespace tilvane {

struct TAppSet;

// Whether there is a recording to play at path ("" is none).
bool recordingExists(const std::string& path);
// Continuous play says the bismillah before aya 1 of every sura but the first, whose aya 1 it
// is, and the ninth, which has none.
bool bismillahDue(const TAppSet& settings, const TQuranPos& pos);

// The aya after pos in reading order; after 114:6 comes 1:1.
TQuranPos nextAyaPos(const TQuranPos& pos);
// The file of the chosen recitation for pos, as SetAudioAya names it; "" without a recitation.
std::string audioAyaFileFor(const TQuranPos& pos);
// The first aya after pos, up to the last of the Quran, whose file is there.
std::optional<TQuranPos> nextRecordedAya(const TQuranPos& pos);

// A file the player may hand the device before the playing one ends, so that it plays on
// without a gap: what the player would start at that end by its own rules.
struct FollowingFile {
    std::string file;
    TQuranPos pos;   // the aya shown while it plays
    AfterAya step = AfterAya::NextAya; // the decision it stands for (after an aya)
    bool bismillah = false;  // the recording before aya 1, the aya itself follows it
};

// What follows the aya `shown` when it ends, if it follows at once: no silence after ayat,
// and the file there. bismillahDone tells whether the shown sura had its bismillah;
// bismillahFile is the recording the player would choose.
std::optional<FollowingFile> fileAfterAya(const TAppSet& settings, const RepeatRules& rules, const TQuranPos& shown,
                                          bool bismillahDone, const std::string& bismillahFile);

} // namespace tilvane
