#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tilvane {

// The interface is written in English (the source texts) and translated into Indonesian and
// Arabic. A Language= value of "en", "id" or "ar" names one; "system" follows the
// environment as Qt reads it (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG): its first language
// that is shipped, else English.
QString interfaceLanguageFor(const QString& setting,
                             const QStringList& systemLanguages = QLocale::system().uiLanguages());

// Puts the program's and Qt's own translations for setting in place of the previous ones and
// lays the interface out right to left for Arabic. Qt sends every widget a LanguageChange
// event, so open windows retranslate themselves at once.
void applyInterfaceLanguage(const QString& setting);

// "en", "id" or "ar": the language the interface shows now.
QString currentInterfaceLanguage();

} // namespace tilvane
