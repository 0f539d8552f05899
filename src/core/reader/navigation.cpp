#include "core/reader/navigation.h"

#include "core/quran/quran_store.h"
#include "core/quran/sura_table.h"

namespace tilvane {

namespace {

int ayaCountOf(int sura)
{
    return SuraTable[sura].AyaCount;
}

int previousSura(int sura)
{
    return sura == 1 ? kSuraCount : sura - 1;
}

int nextSura(int sura)
{
    return sura == kSuraCount ? 1 : sura + 1;
}

} // namespace

TQuranPos clampedPosition(int sura, int aya)
{
    if (sura < 1 || sura > kSuraCount)
        return {1, 1};
    if (aya < 1 || aya > ayaCountOf(sura))
        return {sura, 1};
    return {sura, aya};
}

void TNavigator::FocusCurrentAya()
{
    if (!m_view.isSuraPageInFront() && FShowSuraPage)
        m_view.bringSuraPageToFront();

    if (FGotoSura != FCurPos.Sura) {
        FCurPos.Sura = FGotoSura;
        m_view.buildSuraPage(FCurPos.Sura);
        m_view.fillAyaBox(ayaCountOf(FCurPos.Sura));
        m_view.selectSuraBoxIndex(FCurPos.Sura - 1);
        m_view.setSuraNameTrans(InaSura.lineOrEmpty(static_cast<std::size_t>(FCurPos.Sura - 1)));
    }

    FCurPos.Aya = FGotoAya;
    m_view.selectAyaBoxIndex(FCurPos.Aya - 1);
    m_view.setQuranStatus(std::to_string(FCurPos.Aya) + "/" + std::to_string(ayaCountOf(FCurPos.Sura)));
    m_view.setAudioAya(FCurPos);

    if (FDocLoaded)
        m_view.runFocusScript(FCurPos.Sura, FCurPos.Aya);
    else
        FFocusPending = true;
}

void TNavigator::wbQuranDocumentComplete()
{
    FDocLoaded = true;
    if (FFocusPending && FShowSuraPage) {
        FFocusPending = false;
        FocusCurrentAya();
    }
}

void TNavigator::suraBoxChanged(int index)
{
    const int sura = index + 1;
    if (sura == FGotoSura || sura < 1 || sura > kSuraCount)
        return;
    FGotoSura = sura;
    m_view.fillAyaBox(ayaCountOf(sura));
    m_view.selectAyaBoxIndex(0);
    FGotoAya = 1;
}

void TNavigator::ayaBoxChanged(int index)
{
    if (index >= 0)
        FGotoAya = index + 1;
}

void TNavigator::gotoSuraPrev()
{
    FGotoSura = previousSura(FGotoSura);
    FGotoAya = 1;
    runCommand();
}

void TNavigator::gotoSuraNext()
{
    FGotoSura = nextSura(FGotoSura);
    FGotoAya = 1;
    runCommand();
}

void TNavigator::gotoAyaPrev()
{
    if (FGotoAya == 1) {
        FGotoSura = previousSura(FGotoSura);
        FGotoAya = ayaCountOf(FGotoSura);
    } else {
        --FGotoAya;
    }
    runCommand();
}

void TNavigator::gotoAyaNext()
{
    if (FGotoAya >= ayaCountOf(FGotoSura)) {
        FGotoSura = nextSura(FGotoSura);
        FGotoAya = 1;
    } else {
        ++FGotoAya;
    }
    runCommand();
}

void TNavigator::showInitialPosition(int sura, int aya)
{
    const TQuranPos position = clampedPosition(sura, aya);
    FGotoSura = position.Sura;
    FGotoAya = position.Aya;
    FCurPos = {};
    runCommand();
}

void TNavigator::showSuraText(int sura)
{
    if (sura != FCurPos.Sura) {
        FGotoSura = sura;
        FGotoAya = 1;
    }
    runCommand();
}

void TNavigator::showSuraBehindPreface(int sura)
{
    if (sura != FCurPos.Sura) {
        FGotoSura = sura;
        FGotoAya = 1;
    }
    FShowSuraPage = false;
    FocusCurrentAya();
}

void TNavigator::reloadSura()
{
    if (FCurPos.Sura == 0)
        return;
    m_view.buildSuraPage(FCurPos.Sura);
    if (FShowSuraPage)
        FFocusPending = true;
}

void TNavigator::runCommand()
{
    FShowSuraPage = true;
    FocusCurrentAya();
}

} // namespace tilvane
