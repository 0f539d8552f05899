#include "gui/print/pdf_writer.h"

#include "core/base/errors.h"
#include "core/base/user_file.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QMarginsF>
#include <QPageSize>
#include <QPointer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineSettings>

namespace tilvane {

namespace {

constexpr qreal kMarginMm = 15;

// The sura and preface pages link their layout sheets for the screen medium only.
const QString kScreenSheetsForAllMedia = QStringLiteral(
    "(function(){document.querySelectorAll('link[rel=stylesheet][media=screen]')"
    ".forEach(function(l){l.media='all';});return true;})()");

// In the interface language in the reader; the command-line tools load no translation.
QString translated(const char* text)
{
    return QCoreApplication::translate("PdfWriter", text);
}

QString saveBytes(const QByteArray& bytes, const QString& fileName)
{
    if (bytes.isEmpty())
        return translated(QT_TRANSLATE_NOOP("PdfWriter", "Unable to write to %1: the page could not be printed."))
            .arg(fileName);
    try {
        writeUserFile(fileName.toStdString(), bytes.toStdString());
    } catch (const TilvaneError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

} // namespace

QPageLayout defaultPageLayout(const QLocale& locale)
{
    const QPageSize size(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

void useScreenStylesForPrint(QWebEnginePage* page, std::function<void(bool)> done)
{
    page->runJavaScript(kScreenSheetsForAllMedia, [done = std::move(done)](const QVariant& result) {
        done(result.typeId() == QMetaType::Bool && result.toBool());
    });
}

void writePagePdf(QWebEnginePage* page, const QString& fileName, std::function<void(const QString&)> done)
{
    page->settings()->setAttribute(QWebEngineSettings::PrintElementBackgrounds, true);
    QPointer<QWebEnginePage> alive(page);
    useScreenStylesForPrint(page, [alive, fileName, done = std::move(done)](bool applied) {
        if (!alive)
            return;
        if (!applied) {
            done(translated(QT_TRANSLATE_NOOP("PdfWriter", "Unable to write to %1: the page is not ready to print."))
                     .arg(fileName));
            return;
        }
        alive->printToPdf([fileName, done](const QByteArray& bytes) { done(saveBytes(bytes, fileName)); },
                          defaultPageLayout());
    });
}

} // namespace tilvane
