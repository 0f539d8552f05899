// Reading by night: the theme changes the page shown at once, without building it again,
// and every text on it, the footnote pop-up and a search hit included, stays readable.
#include "gui/render/page_look.h"

#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QWebEngineView>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// For each text of the page: its colour and the background it is drawn on, as the engine
// computed them. A pop-up and a search hit are added for the measure and taken away again.
constexpr char kMeasureScript[] = R"((function(){
  function bg(e){for(;e;e=e.parentElement){var c=getComputedStyle(e).backgroundColor;
    if(c!=='rgba(0, 0, 0, 0)'&&c!=='transparent')return c;}return 'rgb(255, 255, 255)';}
  var tip=document.createElement('div');tip.className='tip';tip.style.display='block';tip.textContent='1';
  document.body.appendChild(tip);
  var hit=document.createElement('span');hit.className='jsHighlight';hit.textContent='x';
  document.querySelector('.selectedAya .trans').appendChild(hit);
  var picks={arabic:'[id="2_254"] .quran',selectedArabic:'.selectedAya .quran',translation:'[id="2_254"] .trans',
    selectedTranslation:'.selectedAya .trans',latin:'[id="2_254"] .latin',heading:'.suraName',popUp:'.tip',hit:'.jsHighlight'};
  var out=[];for(var k in picks){var e=document.querySelector(picks[k]);
    out.push(k+'='+(e?getComputedStyle(e).color+'|'+bg(e):'missing'));}
  tip.remove();hit.remove();return out.join(';');})())";

Rgb parsedColour(const QString& text)
{
    static const QRegularExpression rgb(QStringLiteral(R"(rgba?\((\d+), (\d+), (\d+))"));
    const QRegularExpressionMatch match = rgb.match(text);
    return match.hasMatch() ? Rgb{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()}
                            : Rgb{-1, -1, -1};
}

struct Measured {
    QString name;
    Rgb text;
    Rgb background;
};

std::vector<Measured> measure(QWebEngineView* view)
{
    std::vector<Measured> texts;
    for (const QString& entry : evaluate(view, kMeasureScript).toString().split(';')) {
        const QString name = entry.section('=', 0, 0);
        const QString colours = entry.section('=', 1);
        texts.push_back({name, parsedColour(colours.section('|', 0, 0)), parsedColour(colours.section('|', 1))});
    }
    return texts;
}

} // namespace

TEST(PageTheme, NightKeepsReadableColoursReplacesTheOthersAndLeavesThePageFileAlone)
{
    guiApp();
    TestAppFolder app;
    ErrorCapture errors;
    auto window = showReaderAt(app, 2, 255, "[translations]\r\nCount=2\r\ntrl_00=Indonesian_Footnote\r\n"
                                            "trl_00Acive=1\r\ntrl_01=Indonesian_Latin\r\ntrl_01Acive=1\r\n");
    ASSERT_NE(window, nullptr);
    QWebEngineView* view = window->ui().wbQuran;
    const std::string pageFile = AppDirs.SuraDir + "S002_ar_in.html";
    const std::string pageBytes = readFile(pageFile);

    window->pageLook()->setTheme(PageTheme::Night);
    ASSERT_TRUE(waitFor([&] { return evaluate(view, "getComputedStyle(document.body).backgroundColor").toString() != "rgb(255, 255, 255)"; }));
    const std::vector<Measured> night = measure(view);
    ASSERT_EQ(night.size(), 8u);
    for (const Measured& text : night) {
        EXPECT_GE(contrastRatio(text.text, text.background), kReadableContrast)
            << text.name.toStdString() << " rgb(" << text.text.red << ", " << text.text.green << ", " << text.text.blue
            << ") on rgb(" << text.background.red << ", " << text.background.green << ", " << text.background.blue << ")";
        EXPECT_LT(contrastRatio(text.background, Rgb{0, 0, 0}), 2.0) << text.name.toStdString() << " not on a dark ground";
    }
    EXPECT_EQ(night[0].text, rgbOf(AppSet.ArabicFontColor)) << "the readable Arabic green is kept";
    EXPECT_NE(night[2].text, rgbOf(AppSet.TransFontColor)) << "black on night is replaced";
    EXPECT_EQ(readFile(pageFile), pageBytes);
    EXPECT_TRUE(window->navigator().FDocLoaded);
    EXPECT_EQ(AppSet.Theme, "night");

    window->pageLook()->setTheme(PageTheme::Light);
    EXPECT_TRUE(waitFor([&] { return evaluate(view, "getComputedStyle(document.body).backgroundColor").toString() == "rgb(255, 255, 255)"; }));
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}

// The zoom keys scale the page shown and the pages that follow, and are kept as a percent.
TEST(PageZoom, ZoomKeysScaleThePageShownAndTheNextSura)
{
    guiApp();
    TestAppFolder app;
    ErrorCapture errors;
    auto window = showReaderAt(app, 1, 7);
    ASSERT_NE(window, nullptr);
    QWebEngineView* view = window->ui().wbQuran;
    PageLook* look = window->pageLook();

    look->zoomInAction()->trigger();
    look->zoomInAction()->trigger();
    EXPECT_EQ(AppSet.Zoom, 125);
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 1.25);
    window->ui().actGotoAyaNext->trigger();
    ASSERT_TRUE(showsAya(*window, 2, 1));
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 1.25);
    look->zoomOutAction()->trigger();
    EXPECT_EQ(AppSet.Zoom, 110);
    look->zoomResetAction()->trigger();
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 1.0);
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}
