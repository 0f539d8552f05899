#pragma once

#include <QLocale>
#include <QPageLayout>
#include <QString>

#include <functional>

class QWebEnginePage;

namespace tilvane {

// A4, or Letter where the locale measures in US units, portrait, with 15 mm margins.
QPageLayout defaultPageLayout(const QLocale& locale = QLocale::system());

// The page's screen stylesheets also apply in print, so that paper shows the layout, fonts
// and colours of the screen; the screen itself does not change. done(true) once applied.
void useScreenStylesForPrint(QWebEnginePage* page, std::function<void(bool applied)> done);

// Writes the loaded page as PDF (with backgrounds, as on screen) to fileName as writeUserFile
// writes: a file (or a link's target) is replaced only when complete, so a failure leaves no
// partial PDF under that name; a pipe or device receives the PDF as a stream. done receives an empty string on success, else a
// message naming the file. Not called when the page goes away first.
void writePagePdf(QWebEnginePage* page, const QString& fileName, std::function<void(const QString& error)> done);

} // namespace tilvane
