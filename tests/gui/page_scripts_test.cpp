// The page scripts of lib.tvz in the real web engine: a page made of the reader's own
// fragments (so it opens with <html> before the DOCTYPE and renders in quirks mode) loads
// them without errors, focusOnAya marks and shows an aya, and popUp shows and hides a tip.
#include "core/app/app_dirs.h"
#include "core/base/archive.h"
#include "core/app/paths.h"
#include "core/render/fragment_format.h"
#include "core/render/fragments.h"
#include "core/render/stylesheets.h"
#include "gui/render/local_web_page.h"
#include "gui/support/app_folder.h"
#include "gui/support/page_wait.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QUrl>
#include <QWebEngineView>

#include <memory>
#include <string>
#include <vector>

using namespace tilvane;
using tilvane::test::TestAppFolder;
using tilvane::test::writeFile;

namespace {

constexpr int kAyat = 40;
constexpr int kFootnote = 1;

class ConsoleRecordingPage : public LocalWebPage {
public:
    using LocalWebPage::LocalWebPage;
    QStringList messages;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override
    {
        if (level != InfoMessageLevel)
            messages.append(QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(message));
    }
};

enum class Layout { Block, Inline };

std::string ayaText(int aya)
{
    std::string text;
    for (int word = 0; word < 30; ++word)
        text += "aya" + std::to_string(aya) + " ";
    return text;
}

// Sura 2 with kAyat long ayat, in the layout of view style 0 (blocks with a translation and
// one footnote) or view style 1 (inline spans).
std::string pageText(Layout layout)
{
    std::vector<std::string> entries = {
        formatFragment(HeadFragment, {PathToFileUrl(AppDirs.TempDir),
                                      layout == Layout::Inline ? "screen_2.css" : "screen.css"}),
        QuranBodyOpen, formatFragment(SuraHeader, {"Al-Baqarah", ""})};
    const std::string tipId = "fnt" + std::to_string(kFootnote);
    for (int aya = 1; aya <= kAyat; ++aya) {
        const std::string id = "2_" + std::to_string(aya);
        if (layout == Layout::Inline) {
            entries.push_back(formatFragment(InlineAya, {id, ayaText(aya), std::to_string(aya)}));
            continue;
        }
        std::string translation = "Translation of aya " + std::to_string(aya);
        if (aya == 1)
            translation += formatFragment(FootnoteMark, {tipId, tipId, std::to_string(kFootnote)});
        entries.push_back(formatFragment(AyaBlockOpen, {id}));
        entries.push_back(formatFragment(ArabicBlock, {ayaText(aya), std::to_string(aya)}));
        entries.push_back("      <p>\r");
        entries.push_back(formatFragment(TranslationBlock, {"in", translation}));
        entries.push_back(AyaBlockClose);
    }
    if (layout == Layout::Block) {
        entries.push_back("<!-- FootNote -->");
        entries.push_back(formatFragment(FootnoteTip, {tipId, "The text of the note"}));
    }
    entries.push_back(PageClose);
    std::string page;
    for (const std::string& entry : entries)
        page += entry + "\r\n";
    return page;
}

// The working root as the reader makes it: lib.tvz unpacked, the stylesheets written.
class PageScripts : public ::testing::TestWithParam<Layout> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ExtractArchive(LibArchive, AppDirs.TempDir));
        WriteAllStylesheets();
        const std::string file = AppDirs.SuraDir + "S002_ar_in.html";
        writeFile(file, pageText(GetParam()));

        m_view = std::make_unique<QWebEngineView>();
        m_page = new ConsoleRecordingPage(m_view.get());
        m_view->setPage(m_page);
        m_view->resize(800, 600);
        m_view->show();
        QSignalSpy loaded(m_page, &QWebEnginePage::loadFinished);
        m_page->load(QUrl::fromLocalFile(QString::fromStdString(file)));
        ASSERT_TRUE(loaded.wait(60000)) << "the page did not finish loading";
        ASSERT_TRUE(loaded.first().first().toBool());
    }

    // The value of a script expression in the page; a thrown exception comes back as a text
    // starting with "exception".
    QVariant evaluate(const QString& expression)
    {
        return tilvane::test::evaluate(
            m_view.get(),
            QStringLiteral("(function(){try{return %1;}catch(e){return 'exception: '+e;}})()")
                .arg(expression));
    }

    QJsonObject evaluateObject(const QString& expression)
    {
        const QString json = evaluate("JSON.stringify(" + expression + ")").toString();
        return QJsonDocument::fromJson(json.toUtf8()).object();
    }

    // Where the aya lies and which ayat are marked.
    QJsonObject ayaState(int aya)
    {
        return evaluateObject(QStringLiteral(
            "{marked: /(^|\\s)selectedAya(\\s|$)/.test(document.getElementById('2_%1').className),"
            " top: document.getElementById('2_%1').getBoundingClientRect().top,"
            " markedCount: document.getElementsByClassName('selectedAya').length,"
            " scrolled: window.pageYOffset, height: window.innerHeight}").arg(aya));
    }

    TestAppFolder m_appFolder;
    std::unique_ptr<QWebEngineView> m_view;
    ConsoleRecordingPage* m_page = nullptr;
};

TEST_P(PageScripts, LoadInQuirksModeWithoutErrorsAndDefineThePageFunctions)
{
    EXPECT_EQ(evaluate("document.compatMode").toString(), QStringLiteral("BackCompat"));
    EXPECT_EQ(evaluate("typeof focusOnAya + ' ' + typeof popUp").toString(),
              QStringLiteral("function function"));
    EXPECT_TRUE(m_page->messages.isEmpty()) << m_page->messages.join('\n').toStdString();
}

TEST_P(PageScripts, FocusOnAyaMarksOnlyThatAyaAndBringsItNearTheTop)
{
    for (const int aya : {30, 3, 25}) {
        EXPECT_EQ(evaluate(QStringLiteral("focusOnAya(2, %1)").arg(aya)).toBool(), true);
        const QJsonObject state = ayaState(aya);
        EXPECT_TRUE(state["marked"].toBool()) << aya;
        EXPECT_EQ(state["markedCount"].toInt(), 1) << aya;
        EXPECT_GE(state["top"].toDouble(), 0) << aya;
        EXPECT_LT(state["top"].toDouble(), state["height"].toDouble() / 3) << aya;
    }
    EXPECT_GT(ayaState(25)["scrolled"].toDouble(), 0);
    EXPECT_FALSE(ayaState(30)["marked"].toBool());
    EXPECT_TRUE(m_page->messages.isEmpty()) << m_page->messages.join('\n').toStdString();
}

TEST_P(PageScripts, FocusOnAnUnknownAyaChangesNothing)
{
    evaluate("focusOnAya(2, 20)");
    const QJsonObject before = ayaState(20);
    EXPECT_EQ(evaluate("focusOnAya(2, 999)").toBool(), false);
    EXPECT_EQ(evaluate("focusOnAya(7, 1)").toBool(), false);
    const QJsonObject after = ayaState(20);
    EXPECT_TRUE(after["marked"].toBool());
    EXPECT_EQ(after["markedCount"].toInt(), 1);
    EXPECT_EQ(after["scrolled"].toDouble(), before["scrolled"].toDouble());
    EXPECT_TRUE(m_page->messages.isEmpty()) << m_page->messages.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, PageScripts, ::testing::Values(Layout::Block, Layout::Inline),
                         [](const auto& info) {
                             return info.param == Layout::Block ? "Block" : "Inline";
                         });

using FootnoteTips = PageScripts;

// The mark's own mouse handlers call popUp, as a user's mouse would.
TEST_P(FootnoteTips, MouseOverTheMarkShowsTheTipBesideTheMouseAndMouseOutHidesIt)
{
    const QString mark = QStringLiteral("document.querySelector('#\\\\32 _1 sup b')");
    ASSERT_EQ(evaluate(mark + " !== null").toBool(), true);
    const QString dispatch = QStringLiteral(
        "(function(type){var r=%1.getBoundingClientRect();"
        "%1.dispatchEvent(new MouseEvent(type,{bubbles:true,clientX:r.left+2,clientY:r.top+2}));"
        "return r.top+2;})('%2')").arg(mark);
    const QString tipState = QStringLiteral(
        "{display: getComputedStyle(document.getElementById('fnt1')).display,"
        " top: document.getElementById('fnt1').getBoundingClientRect().top,"
        " left: document.getElementById('fnt1').getBoundingClientRect().left,"
        " right: document.getElementById('fnt1').getBoundingClientRect().right,"
        " width: window.innerWidth}");

    EXPECT_EQ(evaluateObject(tipState)["display"].toString(), QStringLiteral("none"));
    const double mouseY = evaluate(dispatch.arg("mouseover")).toDouble();
    const QJsonObject shown = evaluateObject(tipState);
    EXPECT_EQ(shown["display"].toString(), QStringLiteral("block"));
    EXPECT_NEAR(shown["top"].toDouble(), mouseY + 12, 3);
    EXPECT_GE(shown["left"].toDouble(), 0);
    EXPECT_LE(shown["right"].toDouble(), shown["width"].toDouble());

    evaluate(dispatch.arg("mouseout"));
    EXPECT_EQ(evaluateObject(tipState)["display"].toString(), QStringLiteral("none"));
    EXPECT_EQ(evaluate("popUp(new MouseEvent('mouseover'), 'fnt404') === undefined").toBool(), true);
    EXPECT_TRUE(m_page->messages.isEmpty()) << m_page->messages.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(BlockLayout, FootnoteTips, ::testing::Values(Layout::Block),
                         [](const auto&) { return std::string("Block"); });

} // namespace
