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

void Navigator::goTo(const TQuranPos& position, GotoReason reason)
{
    const TQuranPos target = clampedPosition(position.Sura, position.Aya);
    // The boxes may hold another sura than the one shown; a move inside the shown sura does
    // not rebuild the page, so the boxes are set back here.
    const bool boxesElsewhere = target.Sura != FGotoSura && target.Sura == FCurPos.Sura;
    FGotoSura = target.Sura;
    FGotoAya = target.Aya;
    if (boxesElsewhere) {
        m_view.fillAyaBox(ayaCountOf(target.Sura));
        m_view.selectSuraBoxIndex(target.Sura - 1);
    }
    if (reason == GotoReason::Command || reason == GotoReason::Player)
        m_view.selectContentsNode(target.Sura);
    if (reason == GotoReason::Command || reason == GotoReason::Contents)
        m_view.bringReadingTabToFront();
    FShowSuraPage = true;
    FocusCurrentAya();
    m_view.restartActiveRecitation();
}

void Navigator::FocusCurrentAya()
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

void Navigator::wbQuranDocumentComplete()
{
    FDocLoaded = true;
    if (FFocusPending && FShowSuraPage) {
        FFocusPending = false;
        FocusCurrentAya();
    }
}

void Navigator::suraBoxChanged(int index)
{
    const int sura = index + 1;
    if (sura == FGotoSura || sura < 1 || sura > kSuraCount)
        return;
    FGotoSura = sura;
    m_view.fillAyaBox(ayaCountOf(sura));
    m_view.selectAyaBoxIndex(0);
    FGotoAya = 1;
}

void Navigator::ayaBoxChanged(int index)
{
    if (index >= 0)
        FGotoAya = index + 1;
}

void Navigator::gotoSuraPrev(GotoReason reason)
{
    goTo({previousSura(FGotoSura), 1}, reason);
}

void Navigator::gotoSuraNext(GotoReason reason)
{
    goTo({nextSura(FGotoSura), 1}, reason);
}

void Navigator::gotoAyaPrev(GotoReason reason)
{
    if (FGotoAya == 1) {
        const int sura = previousSura(FGotoSura);
        goTo({sura, ayaCountOf(sura)}, reason);
    } else {
        goTo({FGotoSura, FGotoAya - 1}, reason);
    }
}

void Navigator::gotoAyaNext(GotoReason reason)
{
    if (FGotoAya >= ayaCountOf(FGotoSura))
        goTo({nextSura(FGotoSura), 1}, reason);
    else
        goTo({FGotoSura, FGotoAya + 1}, reason);
}

void Navigator::showInitialPosition(int sura, int aya)
{
    FCurPos = {};
    goTo({sura, aya}, GotoReason::StartUp);
}

void Navigator::showSuraText(int sura)
{
    goTo(sura != FCurPos.Sura ? TQuranPos{sura, 1} : TQuranPos{FGotoSura, FGotoAya}, GotoReason::Contents);
}

void Navigator::showSuraBehindPreface(int sura)
{
    if (sura != FCurPos.Sura) {
        FGotoSura = sura;
        FGotoAya = 1;
    }
    FShowSuraPage = false;
    FocusCurrentAya();
}

void Navigator::reloadSura()
{
    if (FCurPos.Sura == 0)
        return;
    m_view.buildSuraPage(FCurPos.Sura);
    if (FShowSuraPage)
        FFocusPending = true;
}

} // namespace tilvane
