#include "core/audio/repeat_rules.h"

#include "core/app/settings.h"
#include "core/quran/sura_table.h"

namespace tilvane {

namespace {

// 0 stands for "without end".
bool moreToGo(int done, int wanted)
{
    return wanted == 0 || done < wanted;
}

} // namespace

void RepeatRules::reset()
{
    m_playing = {};
    m_ayaPlays = 0;
    m_rangePasses = 0;
}

void RepeatRules::ayaStarted(const TQuranPos& pos)
{
    if (pos != m_playing)
        m_ayaPlays = 0;
    m_playing = pos;
}

AfterAya RepeatRules::afterAya(const TAppSet& settings, const TQuranPos& shown)
{
    // The user moved on while the aya played: the aya moved to comes next, not the one
    // after it.
    if (shown != m_playing)
        return AfterAya::PlayShown;
    if (moreToGo(++m_ayaPlays, settings.AyaRepeat))
        return AfterAya::RepeatAya;
    m_ayaPlays = 0;
    if (isInRange(settings, shown)) {
        if (shown != TQuranPos{settings.RangeToSura, settings.RangeToAya})
            return AfterAya::NextAya;
        if (moreToGo(++m_rangePasses, settings.RangeRepeat))
            return AfterAya::RangeStart;
        m_rangePasses = 0;
        return AfterAya::Stop;
    }
    return settings.IsPlayContinue ? AfterAya::NextAya : AfterAya::Stop;
}

bool rangeRepeatActive(const TAppSet& settings)
{
    const int from = globalAyaIndex(settings.RangeFromSura, settings.RangeFromAya);
    const int to = globalAyaIndex(settings.RangeToSura, settings.RangeToAya);
    return settings.IsRangeRepeat && from != 0 && to != 0 && from <= to;
}

TQuranPos rangeStart(const TAppSet& settings)
{
    return {settings.RangeFromSura, settings.RangeFromAya};
}

bool isInRange(const TAppSet& settings, const TQuranPos& pos)
{
    if (!rangeRepeatActive(settings))
        return false;
    const int index = globalAyaIndex(pos.Sura, pos.Aya);
    return index >= globalAyaIndex(settings.RangeFromSura, settings.RangeFromAya)
        && index <= globalAyaIndex(settings.RangeToSura, settings.RangeToAya);
}

int pauseAfterAyaMs(const TAppSet& settings, int playedMs)
{
    return settings.AyaPause == kAyaPauseAsAya ? playedMs : settings.AyaPause * 1000;
}

} // namespace tilvane
