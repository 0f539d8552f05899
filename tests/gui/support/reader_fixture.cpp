#include "gui/support/reader_fixture.h"

#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/quran/translations.h"
#include "gui/support/gui_app.h"

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <filesystem>
#include <memory>

namespace tilvane::test {

ReaderAppFolder::ReaderAppFolder()
{
    guiApp();
    std::filesystem::create_directory_symlink(std::string(TILVANE_BUILD_DIR) + "/res", m_folder.path() / "res");
    ResetAppDirsForTesting();
    InitAppDirs(m_folder.dir());
    AppSet = TAppSet{};
    TransSlots.clear();
    ActiveTransCount = 0;
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

QVariant evaluate(QWebEngineView* view, const QString& script)
{
    auto result = std::make_shared<QVariant>();
    auto done = std::make_shared<bool>(false);
    view->page()->runJavaScript(script, [result, done](const QVariant& value) {
        *result = value;
        *done = true;
    });
    waitFor([done] { return *done; });
    return *result;
}

} // namespace tilvane::test
