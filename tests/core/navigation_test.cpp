#include "core/quran/quran_store.h"
#include "core/quran/sura_table.h"
#include "core/reader/navigation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace tilvane;

namespace {

// Records what the window was asked to do; the page "loads" only when the test says so.
class FakeNavigationView : public INavigationView {
public:
    bool isSuraPageInFront() const override { return suraPageInFront; }
    void bringSuraPageToFront() override { suraPageInFront = true; }
    void buildSuraPage(int sura) override
    {
        builtSuras.push_back(sura);
        if (navigator)
            navigator->FDocLoaded = false;
    }
    void fillAyaBox(int ayaCount) override { ayaBoxCount = ayaCount; }
    void selectSuraBoxIndex(int index) override { suraBoxIndex = index; }
    void selectAyaBoxIndex(int index) override { ayaBoxIndex = index; }
    void setSuraNameTrans(const std::string& text) override { suraNameTrans = text; }
    void setQuranStatus(const std::string& text) override { quranStatus = text; }
    void setAudioAya(const TQuranPos& position) override { audioAya = position; }
    void runFocusScript(int sura, int aya) override { focused.push_back({sura, aya}); }
    void selectContentsNode(int sura) override { contentsNode = sura; }
    void bringReadingTabToFront() override { ++readingTabShown; }
    void restartActiveRecitation() override { ++recitationRestarts; }

    Navigator* navigator = nullptr;
    bool suraPageInFront = true;
    std::vector<int> builtSuras;
    int ayaBoxCount = 0;
    int suraBoxIndex = -1;
    int ayaBoxIndex = -1;
    std::string suraNameTrans;
    std::string quranStatus;
    TQuranPos audioAya;
    std::vector<TQuranPos> focused;
    int contentsNode = 0;
    int readingTabShown = 0;
    int recitationRestarts = 0;
};

class Navigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        InaSura = LineList(std::vector<std::string>(kSuraCount, "meaning"));
        view.navigator = &nav;
    }
    void TearDown() override { InaSura.clear(); }

    // Shows a position and lets its page finish loading.
    void showLoaded(int sura, int aya)
    {
        nav.showInitialPosition(sura, aya);
        nav.wbQuranDocumentComplete();
        view.builtSuras.clear();
        view.focused.clear();
    }

    FakeNavigationView view;
    Navigator nav{view};
};

} // namespace

TEST_F(Navigation, StartUpBuildsTheSavedSuraAndFocusesOnceTheDocumentIsComplete)
{
    nav.showInitialPosition(2, 255);
    EXPECT_EQ(view.builtSuras, std::vector<int>{2});
    EXPECT_TRUE(view.focused.empty());
    EXPECT_EQ(view.ayaBoxCount, 286);
    EXPECT_EQ(view.suraBoxIndex, 1);
    EXPECT_EQ(view.quranStatus, "255/286");

    nav.wbQuranDocumentComplete();
    ASSERT_EQ(view.focused.size(), 1u);
    EXPECT_EQ(view.focused[0], (TQuranPos{2, 255}));
    EXPECT_EQ(view.audioAya, (TQuranPos{2, 255}));
}

TEST_F(Navigation, SavedPositionsOutsideTheTextAreClamped)
{
    const struct {
        int sura, aya;
        TQuranPos shown;
    } cases[] = {{0, 5, {1, 1}}, {115, 1, {1, 1}}, {-3, -3, {1, 1}}, {1, 8, {1, 1}}, {2, 0, {2, 1}}, {114, 6, {114, 6}}};
    for (const auto& c : cases) {
        nav.showInitialPosition(c.sura, c.aya);
        EXPECT_EQ(nav.FCurPos, c.shown) << c.sura << ":" << c.aya;
    }
}

TEST_F(Navigation, WrapAroundAtBothEndsOfTheText)
{
    const struct {
        TQuranPos from;
        void (Navigator::*command)(GotoReason);
        TQuranPos to;
    } cases[] = {
        {{1, 1}, &Navigator::gotoAyaPrev, {114, 6}},
        {{114, 6}, &Navigator::gotoAyaNext, {1, 1}},
        {{1, 3}, &Navigator::gotoSuraPrev, {114, 1}},
        {{114, 3}, &Navigator::gotoSuraNext, {1, 1}},
        {{2, 1}, &Navigator::gotoAyaPrev, {1, 7}},
        {{1, 7}, &Navigator::gotoAyaNext, {2, 1}},
    };
    for (const auto& c : cases) {
        showLoaded(c.from.Sura, c.from.Aya);
        (nav.*c.command)(GotoReason::Command);
        EXPECT_EQ(nav.FCurPos, c.to) << c.from.Sura << ":" << c.from.Aya;
    }
}

TEST_F(Navigation, NextAyaInsideASuraOnlyRunsTheFocusScript)
{
    showLoaded(3, 4);
    nav.gotoAyaNext();
    EXPECT_TRUE(view.builtSuras.empty());
    ASSERT_EQ(view.focused.size(), 1u);
    EXPECT_EQ(view.focused[0], (TQuranPos{3, 5}));
    EXPECT_EQ(view.quranStatus, "5/200");
}

TEST_F(Navigation, CrossingIntoAnotherSuraRebuildsAndFocusesAfterTheLoad)
{
    showLoaded(1, 7);
    nav.gotoAyaNext();
    EXPECT_EQ(view.builtSuras, std::vector<int>{2});
    EXPECT_TRUE(view.focused.empty());
    nav.wbQuranDocumentComplete();
    ASSERT_EQ(view.focused.size(), 1u);
    EXPECT_EQ(view.focused[0], (TQuranPos{2, 1}));
}

TEST_F(Navigation, APickedSuraIsTheRequestForTheNextCommand)
{
    showLoaded(1, 3);
    nav.suraBoxChanged(4);
    EXPECT_EQ(view.ayaBoxCount, 120);
    EXPECT_EQ(nav.FCurPos, (TQuranPos{1, 3})) << "the boxes only set the request";
    nav.gotoAyaNext();
    EXPECT_EQ(nav.FCurPos, (TQuranPos{5, 2}));
}

TEST_F(Navigation, PickingTheRequestedSuraAgainKeepsTheRequestedAya)
{
    showLoaded(2, 1);
    nav.ayaBoxChanged(9);
    nav.suraBoxChanged(1);
    EXPECT_EQ(nav.FGotoAya, 10);
    nav.gotoSelected();
    EXPECT_EQ(nav.FCurPos, (TQuranPos{2, 10}));
}

TEST_F(Navigation, PrefaceOfAnotherSuraMovesBehindItAndNextAyaReturnsToTheSuraPage)
{
    showLoaded(1, 4);
    view.suraPageInFront = false; // the preface page is brought to the front by the window
    nav.showSuraBehindPreface(3);
    EXPECT_EQ(view.builtSuras, std::vector<int>{3});
    EXPECT_EQ(nav.FCurPos, (TQuranPos{3, 1}));
    EXPECT_FALSE(view.suraPageInFront);

    nav.wbQuranDocumentComplete();
    EXPECT_TRUE(view.focused.empty()) << "no focus is owed to a page that is not in front";
    nav.gotoAyaNext();
    EXPECT_TRUE(view.suraPageInFront);
    EXPECT_EQ(nav.FCurPos, (TQuranPos{3, 2}));
}

TEST_F(Navigation, SuratNodeOfTheShownSuraBringsThePageBackWithoutARebuild)
{
    showLoaded(2, 5);
    view.suraPageInFront = false;
    nav.showSuraBehindPreface(2);
    nav.showSuraText(2);
    EXPECT_TRUE(view.builtSuras.empty());
    EXPECT_TRUE(view.suraPageInFront);
    EXPECT_EQ(nav.FCurPos, (TQuranPos{2, 5}));
}

TEST_F(Navigation, ReloadRebuildsTheShownSuraAndFocusesAgain)
{
    showLoaded(4, 7);
    nav.reloadSura();
    EXPECT_EQ(view.builtSuras, std::vector<int>{4});
    nav.wbQuranDocumentComplete();
    ASSERT_EQ(view.focused.size(), 1u);
    EXPECT_EQ(view.focused[0], (TQuranPos{4, 7}));
}

TEST_F(Navigation, ReloadUnderAPrefaceRebuildsWithoutSwitchingPages)
{
    showLoaded(4, 7);
    view.suraPageInFront = false;
    nav.showSuraBehindPreface(4);
    view.builtSuras.clear();
    nav.reloadSura();
    EXPECT_EQ(view.builtSuras, std::vector<int>{4});
    EXPECT_FALSE(view.suraPageInFront);
}

// Whatever the source, a move shows the aya, follows with the boxes and restarts an active
// recitation; only the contents node and the tab depend on where the move came from.
TEST_F(Navigation, EveryMoveToAnAyaPassesTheSameWay)
{
    const struct {
        const char* source;
        std::function<void(Navigator&)> move;
        TQuranPos shown;
        int contentsNode; // 0: left as the source set it
        bool readingTabShown;
    } cases[] = {
        {"go", [](Navigator& n) { n.goTo({2, 5}); }, {2, 5}, 2, true},
        {"next aya from the boxes", [](Navigator& n) { n.gotoAyaNext(); }, {7, 2}, 7, true},
        {"contents", [](Navigator& n) { n.showSuraText(4); }, {4, 1}, 0, true},
        {"player", [](Navigator& n) { n.goTo({3, 9}, GotoReason::Player); }, {3, 9}, 3, false},
        {"player next aya", [](Navigator& n) { n.gotoAyaNext(GotoReason::Player); }, {7, 2}, 7, false},
        {"outside the text", [](Navigator& n) { n.goTo({3, 999}); }, {3, 1}, 3, true},
    };
    for (const auto& c : cases) {
        showLoaded(3, 1);
        nav.suraBoxChanged(6); // the boxes moved on to sura 7 without Go
        view = FakeNavigationView{};
        view.navigator = &nav;
        c.move(nav);
        nav.wbQuranDocumentComplete();
        EXPECT_EQ(nav.FCurPos, c.shown) << c.source;
        ASSERT_FALSE(view.focused.empty()) << c.source;
        EXPECT_EQ(view.focused.back(), c.shown) << c.source;
        EXPECT_EQ(view.suraBoxIndex, c.shown.Sura - 1) << c.source;
        EXPECT_EQ(view.ayaBoxIndex, c.shown.Aya - 1) << c.source;
        EXPECT_EQ(view.contentsNode, c.contentsNode) << c.source;
        EXPECT_EQ(view.readingTabShown > 0, c.readingTabShown) << c.source;
        EXPECT_EQ(view.recitationRestarts, 1) << c.source;
    }
}
