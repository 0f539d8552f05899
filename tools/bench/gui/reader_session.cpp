#include "reader_session.h"

#include "gui_wait.h"

#include "core/app/app_dirs.h"
#include "core/app/paths.h"
#include "gui/app/error_handler.h"
#include "gui/render/wb_container.h"
#include "gui/ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QWebEngineView>

#include <fstream>
#include <stdexcept>

namespace tilvane::bench {

namespace {

QString g_reportedError;

} // namespace

ReaderSession::ReaderSession(const std::string& scratch)
{
    InitAppDirs(executableDir());
    IniFileName = scratch + "/Tilvane.ini";
    std::ofstream(IniFileName) << "[quran]\r\nLastOpenedSura=1\r\nLastOpenedAya=1\r\n";
    setErrorReporter([](const QString& message) { g_reportedError = message; });
    runAndWaitForFocus([this] {
        m_window = std::make_unique<TfmMain>();
        m_window->show();
    });
}

ReaderSession::~ReaderSession() = default;

void ReaderSession::useTranslations(TranslationSet set)
{
    selectTranslations(set);
}

void ReaderSession::gotoSura(int sura)
{
    if (sura == shownSura())
        throw std::logic_error("a sura change needs another sura");
    runAndWaitForFocus([&] {
        m_window->ui().cbSura->setCurrentIndex(sura - 1);
        m_window->ui().actGotoSelectedSura->trigger();
    });
}

void ReaderSession::nextAya()
{
    runAndWaitForFocus([&] { m_window->ui().actGotoAyaNext->trigger(); });
}

int ReaderSession::shownSura() const
{
    return m_window->navigator().FCurPos.Sura;
}

QString ReaderSession::shownPageFile() const
{
    return m_window->QuranHost()->requestedUrl().toLocalFile();
}

QSize ReaderSession::viewSize() const
{
    return m_window->ui().wbQuran->size();
}

// The window is made inside the command the first time, so the signal is connected to it
// afterwards; its first focus cannot have finished before the event loop turns.
void ReaderSession::runAndWaitForFocus(const std::function<void()>& command)
{
    int finished = 0;
    bool completed = false;
    QMetaObject::Connection connection;
    if (m_window)
        connection = QObject::connect(m_window.get(), &TfmMain::focusScriptFinished, [&](bool ok) {
            ++finished;
            completed = ok;
        });
    command();
    if (!connection)
        connection = QObject::connect(m_window.get(), &TfmMain::focusScriptFinished, [&](bool ok) {
            ++finished;
            completed = ok;
        });
    waitUntil([&] { return finished > 0 || !g_reportedError.isEmpty(); }, "the reader's focus");
    QObject::disconnect(connection);
    if (!g_reportedError.isEmpty())
        throw std::runtime_error("the reader reported: " + g_reportedError.toStdString());
    if (!completed)
        throw std::runtime_error("the reader's focus script failed");
}

} // namespace tilvane::bench
