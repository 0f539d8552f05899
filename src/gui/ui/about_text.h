#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class QLabel;
class QTextEdit;

namespace tilvane {

// "d mmm yy - hh:nn" in the locale's month abbreviations: 7 Dec 26 - 08:05.
QString lastUpdateText(const QDateTime& stamp, const QLocale& locale = QLocale());

// Fills the About page: the rich text and the copyright link below it. The "Last Update"
// line shows the modification time of executablePath.
void BuildAboutText(QTextEdit* redt1, QLabel* linkLabel, const QString& executablePath);

} // namespace tilvane
