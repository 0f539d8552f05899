#include "gui/i18n/interface_language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tilvane {

namespace {

const QStringList kShipped = {QStringLiteral("en"), QStringLiteral("id"), QStringLiteral("ar")};

QString s_current = QStringLiteral("en");
QTranslator* s_program = nullptr;
QTranslator* s_qt = nullptr;

// Replaces *slot by a translator loaded from file in the first of folders that has it, or
// leaves it empty when there is none (English).
void replaceTranslator(QTranslator*& slot, const QString& file, const QStringList& folders)
{
    if (slot != nullptr) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
        slot = nullptr;
    }
    if (file.isEmpty())
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(file, folder) && QCoreApplication::installTranslator(translator)) {
            slot = translator;
            return;
        }
    }
    delete translator;
}

} // namespace

QString interfaceLanguageFor(const QString& setting, const QStringList& systemLanguages)
{
    if (setting != QLatin1String("system") && kShipped.contains(setting))
        return setting;
    for (const QString& language : systemLanguages) {
        // "id", "id-ID", "ar_EG.UTF-8": the language is the part before the territory.
        const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (kShipped.contains(code))
            return code;
        // "C" and "POSIX" name no language; the next one in the list may.
    }
    return QStringLiteral("en");
}

void applyInterfaceLanguage(const QString& setting)
{
    const QString language = interfaceLanguageFor(setting);
    const bool english = language == QLatin1String("en");
    replaceTranslator(s_program, english ? QString() : QStringLiteral("tilvane_") + language,
                      {QStringLiteral(":/i18n")});
    // Qt's own translation where the system has it, else the one the reader brings.
    replaceTranslator(s_qt, english ? QString() : QStringLiteral("qtbase_") + language,
                      {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/i18n")});
    s_current = language;
    QGuiApplication::setLayoutDirection(language == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight);
}

QString currentInterfaceLanguage()
{
    return s_current;
}

} // namespace tilvane
