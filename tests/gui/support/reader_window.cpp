#include "gui/support/reader_window.h"

#include "gui/support/page_wait.h"
#include "support/temp_folder.h"

#include <QTest>
#include <QWebEngineView>

namespace tilvane::test {

std::unique_ptr<TfmMain> showReaderAt(const TestAppFolder& app, int sura, int aya, const std::string& settings)
{
    writeFile(app.iniFile(), "[quran]\r\nLastOpenedSura=" + std::to_string(sura) + "\r\nLastOpenedAya="
                                 + std::to_string(aya) + "\r\n" + settings);
    auto window = std::make_unique<TfmMain>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()) || !showsAya(*window, sura, aya))
        return nullptr;
    return window;
}

bool showsAya(TfmMain& window, int sura, int aya)
{
    const QString id = QStringLiteral("%1_%2").arg(sura).arg(aya);
    Navigator& nav = window.navigator();
    return waitFor([&] {
        if (!nav.FDocLoaded || nav.FCurPos != TQuranPos{sura, aya})
            return false;
        const QVariant marked = evaluate(window.ui().wbQuran,
            "(function(){var e=document.querySelector('.selectedAya');if(!e)return '';"
            "var r=e.getBoundingClientRect();"
            "return (r.top>=-1&&r.top<window.innerHeight)?e.id:'out of view';})()");
        return marked.toString() == id;
    });
}

} // namespace tilvane::test
