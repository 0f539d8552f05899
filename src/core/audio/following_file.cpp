#include "core/audio/following_file.h"

#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/audio/audio_files.h"
#include "core/quran/sura_table.h"

#include <filesystem>

namespace tilvane {

bool recordingExists(const std::string& path)
{
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

bool bismillahDue(const TAppSet& settings, const TQuranPos& pos)
{
    return settings.IsPlayContinue && pos.Aya == 1 && pos.Sura != 1 && pos.Sura != 9;
}

TQuranPos nextAyaPos(const TQuranPos& pos)
{
    if (pos.Sura >= 1 && pos.Sura <= kSuraCount && pos.Aya < SuraTable[pos.Sura].AyaCount)
        return {pos.Sura, pos.Aya + 1};
    return {pos.Sura >= kSuraCount || pos.Sura < 1 ? 1 : pos.Sura + 1, 1};
}

std::string audioAyaFileFor(const TQuranPos& pos)
{
    if (AudioPath.empty())
        return {};
    const std::string sura = ZeroPad(pos.Sura, 3);
    return AudioPath + sura + kPathSeparator + sura + ZeroPad(pos.Aya, 3) + ".mp3";
}

std::optional<TQuranPos> nextRecordedAya(const TQuranPos& pos)
{
    if (AudioPath.empty())
        return std::nullopt;
    // Up to the last aya: a partly installed recitation must not loop back to its start.
    const int last = globalAyaIndex(pos.Sura, pos.Aya);
    TQuranPos candidate = pos;
    for (int index = last + 1; index <= kAyaCount; ++index) {
        candidate = nextAyaPos(candidate);
        if (recordingExists(audioAyaFileFor(candidate)))
            return candidate;
    }
    return std::nullopt;
}

std::optional<FollowingFile> fileAfterAya(const TAppSet& settings, const RepeatRules& rules, const TQuranPos& shown,
                                          bool bismillahDone, const std::string& bismillahFile)
{
    if (settings.AyaPause != 0)
        return std::nullopt;
    RepeatRules preview = rules;
    const AfterAya step = preview.afterAya(settings, shown);
    TQuranPos target;
    switch (step) {
    case AfterAya::RepeatAya: target = shown; break;
    case AfterAya::NextAya: target = nextAyaPos(shown); break;
    case AfterAya::RangeStart: target = rangeStart(settings); break;
    case AfterAya::PlayShown:
    case AfterAya::Stop: return std::nullopt;
    }
    // A move to another sura builds its page, which makes its bismillah due again.
    const bool bismillahAgain = target.Sura != shown.Sura || !bismillahDone;
    if (bismillahDue(settings, target) && bismillahAgain && recordingExists(bismillahFile))
        return FollowingFile{bismillahFile, target, step, true};
    const std::string file = audioAyaFileFor(target);
    if (!recordingExists(file))
        return std::nullopt;
    return FollowingFile{file, target, step, false};
}

} // namespace tilvane
