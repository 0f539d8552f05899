// The reader in a process of its own, driven as a user would: it shows the saved position,
// presses Next Aya MOVES times, optionally bookmarks the aya it reaches (Ctrl+D's action)
// with NOTE, and then reports on stdout what it shows and which ayat the page marks, so that
// a test can kill it at any point and start it again.
#include "core/app/app_dirs.h"
#include "gui/app/error_handler.h"
#include "gui/app/graphics_setup.h"
#include "gui/library/library.h"
#include "gui/ui/main_window.h"

#include <QAction>
#include <QTimer>
#include <QWebEngineView>

#include <cstdio>
#include <string>

using namespace tilvane;

namespace {

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    InitAppDirs(argv[1]);
    int moves = std::stoi(argv[2]);
    const std::string note = argc > 3 ? argv[3] : "";
    setUpGraphicsBeforeApplication();
    Application app(argc, argv);
    setErrorReporter([](const QString& message) { say("error " + message.toStdString()); });
    TfmMain window;
    bool bookmarked = note.empty();
    QObject::connect(&window, &TfmMain::focusScriptFinished, [&](bool) {
        if (moves > 0) {
            --moves;
            QTimer::singleShot(0, window.ui().actGotoAyaNext, &QAction::trigger);
            return;
        }
        const TQuranPos pos = window.navigator().FCurPos;
        const std::string where = std::to_string(pos.Sura) + ":" + std::to_string(pos.Aya);
        if (!bookmarked) {
            bookmarked = true;
            window.ui().actToggleBookmark->trigger();
            runGuarded([&] { window.library().saveNote(pos, note); });
            say("bookmarked " + where);
        }
        say("shown " + where);
    });
    QObject::connect(&window, &TfmMain::bookmarkMarksDrawn, [&](bool) {
        window.ui().wbQuran->page()->runJavaScript(
            "Array.prototype.map.call(document.querySelectorAll('span.bookmarkMark'),"
            " function (m) { return m.closest('.aya').id; }).join(',')",
            [](const QVariant& ids) { say("marks " + ids.toString().toStdString()); });
    });
    window.show();
    return app.exec();
}
