#include "gui/ui/help_text.h"

#include "core/app/app_dirs.h"
#include "core/app/app_info.h"
#include "core/library/library_location.h"
#include "core/search/search_index.h"
#include "gui/app/qt_text.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QRegularExpression>

namespace tilvane {

namespace {

class HelpText {
    Q_DECLARE_TR_FUNCTIONS(HelpText)
public:
    static QString html(const QList<QAction*>& actions);

private:
    static QString shortcutTable(const QList<QAction*>& actions);
    static QString folderTable();
};

QString heading(const QString& text)
{
    return QStringLiteral("<h2>%1</h2>").arg(text.toHtmlEscaped());
}

QString paragraph(const QString& html)
{
    return QStringLiteral("<p>%1</p>").arg(html);
}

QString path(const std::string& value)
{
    const QString shown = QDir::toNativeSeparators(toQString(value)).toHtmlEscaped();
    return QStringLiteral("<code dir=\"ltr\">%1</code>").arg(shown);
}

// "&Go" and "Reload" padded for a wide menu read as "Go" and "Reload".
QString commandName(const QAction* action)
{
    QString text = action->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.trimmed();
}

QString HelpText::shortcutTable(const QList<QAction*>& actions)
{
    QString rows;
    for (const QAction* action : actions) {
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts())
            keys << key.toString(QKeySequence::NativeText).toHtmlEscaped();
        if (keys.isEmpty())
            continue;
        rows += QStringLiteral("<tr><td>%1</td><td dir=\"ltr\"><b>%2</b></td></tr>")
                    .arg(commandName(action).toHtmlEscaped(), keys.join(QStringLiteral(", ")));
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\"><tr><th>%1</th>"
                          "<th>%2</th></tr>%3</table>")
        .arg(tr("Command"), tr("Keys"), rows);
}

QString HelpText::folderTable()
{
    const QList<std::pair<QString, QString>> rows = {
        {tr("Settings file"), path(IniFileName)},
        {tr("Recitations"), path(AppDirs.AudioDir)},
        {tr("Translation packages"),
         path(AppDirs.TransDir) + (AppDirs.UserTransDir.empty() ? QString() : "<br>" + path(AppDirs.UserTransDir))},
        {tr("Bookmarks, topics and notes"), path(defaultLibraryPath())},
        {tr("Search index"), path(searchIndexPath(AppDirs.AppDir))},
        {tr("Pages being shown (working folder)"), path(AppDirs.TempDir)},
    };
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
    for (const auto& [what, where] : rows)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(what.toHtmlEscaped(), where);
    return html + QStringLiteral("</table>");
}

QString HelpText::html(const QList<QAction*>& actions)
{
    QString html = QStringLiteral("<h1>%1</h1>").arg(tr("%1 Help").arg(toQString(AppName)).toHtmlEscaped());

    html += heading(tr("Getting started"));
    html += paragraph(tr("The Quran tab shows one sura at a time: the Arabic text of every aya and, depending on "
                         "the view chosen in Settings, the transliteration and the translations. Choose a sura "
                         "and an aya in the boxes at the top and press Go, or pick a sura in the Contents list "
                         "on the right. Each sura there also opens its introduction (Mukadimah) and its "
                         "closing words (Penutup)."));
    html += paragraph(tr("The \u2261 button at the top right holds every command of the window, with its keys. "
                         "The same commands, and more, are in the menu that a right click on the page opens."));

    html += heading(tr("Reading and moving"));
    html += paragraph(tr("Move aya by aya or sura by sura with the arrow buttons above the page or with the keys "
                         "below. After the last aya of a sura comes the first aya of the next, and after sura "
                         "114 comes sura 1. Select Sura opens a list of all suras that you can filter by typing "
                         "part of a name or a number."));
    html += shortcutTable(actions);

    html += heading(tr("Searching"));
    html += paragraph(tr("Ctrl+F opens the Search tab. Type one or more words: an aya is found when it holds all "
                         "of them, in any order. Put words in \"double quotes\" to find them together in that "
                         "order. Arabic is found with or without vowel marks, and transliterations with or "
                         "without their accents and apostrophes. \"Whole words\" finds only whole words instead "
                         "of parts of words. Limit the search to the whole Quran, the shown sura or one juz, and "
                         "to the Arabic text, the transliteration or the translations. Double-click a result to "
                         "read it in its place."));

    html += heading(tr("Bookmarks and notes"));
    html += paragraph(tr("Ctrl+D bookmarks the shown aya, or removes its bookmark; a bookmarked aya carries a "
                         "star. The Topics tab lists your bookmarks, sorted into topics of your own, each with a "
                         "note you can write. Export and Import save them to a file and read them back, for "
                         "another computer or a backup."));

    html += heading(tr("Recitation"));
    html += paragraph(tr("No recitation comes with the program. A recitation is a set of MP3 files, one per aya, "
                         "named by sura and aya in three digits each: 001001.mp3 is the first aya of sura 1, "
                         "002255.mp3 is aya 255 of sura 2. Many reciters publish such sets on the web."));
    html += paragraph(tr("To install one, press \"Install recitation\u2026\" in the Audio Player tab, or "
                         "Install\u2026 in Settings \u203A Audio, and pick a reciter from the list of public "
                         "recitations. Any other source works too: a web folder (an address such as "
                         "https://example.org/reciter/ that holds 001001.mp3 and the other files), a folder on "
                         "this computer holding the files directly or in one folder per sura (001, 002, "
                         "\u2026), or a ZIP or 7z archive of such a folder. Install the whole Quran, some suras "
                         "(for example 1,78-114) or some juz (for example 30); the dialog shows about how much "
                         "that is before you start. An install that stops half-way keeps what it has; run it "
                         "again to fetch only what is missing."));
    html += paragraph(tr("Settings \u203A Audio lists the installed reciters with their size and how many ayat "
                         "they hold, removes them, and chooses the one that plays. Press Play in the Audio "
                         "Player tab to hear the shown aya; with \"Play Continuously\" the recitation goes on "
                         "aya after aya, and the options below it repeat ayat or a range and set the speed."));

    html += heading(tr("Printing"));
    html += paragraph(tr("\"Print\u2026\" (Ctrl+P) prints the page in front, the sura or its introduction, and "
                         "\"Save as PDF\u2026\" writes it to a PDF file. Both are in the \u2261 menu and in the "
                         "page's right-click menu."));

    html += heading(tr("Where your files are kept"));
    html += folderTable();

    html += heading(tr("Data sources and licences"));
    html += paragraph(tr("%1 is free software under the GNU General Public License, version 3 or later. The "
                         "Arabic text, the Arabic sura names and the other translations come from the "
                         "quran-json package (CC BY-SA 4.0 licence); the Indonesian translation, "
                         "transliteration and sura meanings from the quran-pack package (ISC licence); the index "
                         "of juz, hizb, pages and sajda from the quran-meta package (MIT licence); the Arabic "
                         "font is SIL Scheherazade (SIL Open Font License). Recitations you install keep the "
                         "terms of their publishers.")
                          .arg(toQString(AppName)));
    return html;
}

} // namespace

QString buildHelpHtml(const QList<QAction*>& actions)
{
    return HelpText::html(actions);
}

} // namespace tilvane
