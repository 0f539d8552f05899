#include "pdf_output.h"

#include "core/base/errors.h"
#include "gui/app/graphics_setup.h"
#include "gui/print/pdf_writer.h"
#include "gui/render/page_look.h"
#include "gui/render/wb_container.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWebEngineView>

#include <optional>

namespace tilvane::exporter {

namespace {

// Far beyond what the longest sura needs; a stuck engine must not hang a script.
constexpr int kLoadTimeoutMillis = 120000;

// Runs the event loop until the callback given to start() is called, or the time is up.
template <typename Start>
std::optional<QString> waitFor(Start start, const QString& timeoutMessage)
{
    QEventLoop loop;
    std::optional<QString> result;
    QTimer::singleShot(kLoadTimeoutMillis, &loop, [&] {
        result = timeoutMessage;
        loop.quit();
    });
    start([&](const QString& outcome) {
        if (!result)
            result = outcome;
        loop.quit();
    });
    if (!result)
        loop.exec();
    return result;
}

} // namespace

void writePagePdfFile(const std::string& pagePath, const std::string& outFile, int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    setUpGraphicsBeforeApplication();
    QApplication app(argc, argv);
    substituteMissingPageFonts(); // the reader's own PDF uses the same fonts
    QWebEngineView view;
    view.resize(1024, 768);
    // The reader's own host, set as the main window sets it, so the page looks the same.
    TWBContainer host(&view);
    host.Border3DVisible = false;
    const QString pdfName = QString::fromStdString(outFile);

    const auto loaded = waitFor(
        [&](auto done) {
            QObject::connect(&view, &QWebEngineView::loadFinished, &view, [&host, &view, done](bool ok) {
                if (view.url().toLocalFile() == host.requestedUrl().toLocalFile())
                    done(ok ? QString() : QStringLiteral("Cannot load %1").arg(view.url().toLocalFile()));
            });
            host.Navigate(pagePath);
        },
        QStringLiteral("Timed out loading %1").arg(QString::fromStdString(pagePath)));
    if (!loaded->isEmpty())
        throw TilvaneError(loaded->toStdString());

    const auto written = waitFor([&](auto done) { writePagePdf(view.page(), pdfName, done); },
                                 QStringLiteral("Unable to write to %1: timed out").arg(pdfName));
    if (!written->isEmpty())
        throw TilvaneError(written->toStdString());
}

} // namespace tilvane::exporter
