// Tajweed colours in the window: coloured ayat are drawn with the same joining and mark
// placement as plain ones (equal widths of every aya laid out on one line), copy gives the
// plain text, and the settings-button menu turns the colours off again.
#include "core/app/settings.h"
#include "gui/support/app_folder.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/ui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QWebEngineView>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// Each Arabic block of the page beside a copy with its tajweed spans turned back into plain
// text, both laid out on one line in the same style and selected for copying:
// "spans|ayat of other width|ayat copied otherwise|ayat not laid out".
constexpr const char* kCompareAyat = R"(
(function () {
  var blocks = document.querySelectorAll('div.aya div.quran');
  var spans = 0, widthDiffs = [], copyDiffs = 0, unmeasured = 0;
  var selection = window.getSelection();
  for (var i = 0; i < blocks.length; i++) {
    var coloured = blocks[i].cloneNode(true);
    var plain = blocks[i].cloneNode(true);
    var inPlain = plain.querySelectorAll('span[class^="tajweed-"]');
    spans += inPlain.length;
    for (var k = 0; k < inPlain.length; k++)
      inPlain[k].replaceWith(document.createTextNode(inPlain[k].textContent));
    plain.normalize();
    var widths = [], copies = [];
    [coloured, plain].forEach(function (e) {
      // Outside the lazily laid out ayat, so that both are laid out for real.
      e.style.cssText = 'position:absolute;left:-20000px;top:0;white-space:nowrap;display:inline-block;width:auto';
      document.body.appendChild(e);
      widths.push(e.getBoundingClientRect().width);
      var range = document.createRange();
      range.selectNodeContents(e);
      selection.removeAllRanges();
      selection.addRange(range);
      copies.push(selection.toString());
      selection.removeAllRanges();
      e.remove();
    });
    if (!(widths[1] > 50)) unmeasured++;
    // Separate inline boxes round their advances on their own: a few tenths of a pixel over a
    // line. One broken join alone moves a line by several pixels (see kBrokenJoin).
    if (Math.abs(widths[0] - widths[1]) > 0.25 + widths[1] * 0.001) widthDiffs.push(blocks[i].parentNode.id + ':' + widths.join('/'));
    if (copies[0] !== copies[1] || copies[0].length < 3) copyDiffs++;
  }
  return spans + '|' + widthDiffs.join(',') + '|' + copyDiffs + '|' + unmeasured;
})()
)";

// How far one join broken by a zero-width non-joiner moves a word: what the tolerance above
// must stay well below.
constexpr const char* kBrokenJoin = R"(
(function () {
  var widths = ['\u0628\u0650\u0633\u06E1\u0645\u0650', '\u0628\u0650\u200C\u0633\u06E1\u0645\u0650'].map(function (t) {
    var e = document.createElement('div');
    e.className = 'quran';
    e.style.cssText = 'position:absolute;left:-20000px;top:0;white-space:nowrap;display:inline-block';
    e.textContent = t;
    document.body.appendChild(e);
    var w = e.getBoundingClientRect().width;
    e.remove();
    return w;
  });
  return Math.abs(widths[0] - widths[1]);
})()
)";

} // namespace

TEST(TajweedDisplay, ColouredAyatJoinAsPlainOnesCopyTheirTextAndTheMenuTurnsThemOff)
{
    TestAppFolder app;
    std::unique_ptr<TfmMain> window = showReaderAt(app, 2, 1, "[view]\r\nTajweed=1\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(AppSet.Tajweed);
    QWebEngineView* view = window->ui().wbQuran;
    ASSERT_TRUE(waitFor([&] { return evaluate(view, "document.fonts.status").toString() == "loaded"; }));

    const QStringList result = evaluate(view, kCompareAyat).toString().split('|');
    ASSERT_EQ(result.size(), 4);
    EXPECT_EQ(result[3], "0") << "ayat not laid out, so not compared";
    EXPECT_GT(result[0].toInt(), 1000) << "sura 2 carries its colours";
    EXPECT_EQ(result[1].toStdString(), "") << "ayat whose coloured width differs from the plain one";
    EXPECT_EQ(result[2], "0") << "ayat whose copied text differs";
    EXPECT_GT(evaluate(view, kBrokenJoin).toDouble(), 2.0) << "a broken join shows in the width";
    // The colour reaches the letter: a qalqalah letter is drawn in the stylesheet's blue.
    EXPECT_EQ(evaluate(view, "getComputedStyle(document.querySelector('.tajweed-qalqalah')).color").toString(),
              "rgb(0, 96, 224)");
    EXPECT_EQ(evaluate(view, "document.querySelectorAll('div.tajweedLegend span').length").toInt(), 18);
    // Hovering a coloured letter names its rule.
    EXPECT_EQ(evaluate(view, "(function(){var e=document.querySelector('div.aya .tajweed-qalqalah');"
                             "e.dispatchEvent(new MouseEvent('mouseover',{bubbles:true}));return e.title;})()")
                  .toString(),
              "Qalqalah (echo)");

    auto* toggle = window->findChild<QAction*>("actTajweed");
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(window->ui().pmSetting->actions().contains(toggle));
    toggle->trigger();
    EXPECT_FALSE(AppSet.Tajweed);
    EXPECT_TRUE(waitFor([&] {
        return window->navigator().FDocLoaded
            && evaluate(view, "document.querySelectorAll('span[class^=\"tajweed-\"]').length").toInt() == 0;
    }));
}
