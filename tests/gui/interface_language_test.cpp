// The interface in each shipped language: nothing a reader sees in the window, its tabs, the
// settings dialog or the About page stays English (names aside), Arabic mirrors the window,
// and switching happens in the running window.
#include "gui/i18n/interface_language.h"

#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/reader_window.h"
#include "gui/ui/main_window.h"
#include "gui/ui/settings_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>

#include <map>
#include <memory>
#include <set>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// Widget path and property -> the text shown.
using Texts = std::map<QString, QString>;

// Lists and boxes of data (sura and reciter names, numbers, fonts, the language names) and
// the status line, which repeats hints already collected from the actions.
const std::set<QString> kDataWidgets = {"cbSura", "cbAya", "cbReciter", "nfcTransFontName", "cbbLanguage",
                                        "StatusBar1", "lblSuraNameTrans", "lblQuranStatus", "lblReciter",
                                        "lblAuPlayAya", "lblAboutLink", "redtHelp", "chklstTranslations"};

QString pathOf(const QObject* object, const QObject* root)
{
    QString path;
    for (const QObject* at = object; at != nullptr && at != root; at = at->parent()) {
        QString name = at->objectName();
        if (name.isEmpty())
            name = QString::fromLatin1(at->metaObject()->className()) + QString::number(at->parent() ? at->parent()->children().indexOf(const_cast<QObject*>(at)) : 0);
        path.prepend(QLatin1Char('/') + name);
    }
    return path;
}

bool insideDataWidget(const QObject* object)
{
    for (const QObject* at = object; at != nullptr; at = at->parent()) {
        if (kDataWidgets.count(at->objectName()) != 0)
            return true;
    }
    return false;
}

void addText(Texts& texts, const QString& key, const QString& text)
{
    if (!text.trimmed().isEmpty())
        texts[key] = text;
}

void collectAction(Texts& texts, const QString& key, const QAction* action)
{
    addText(texts, key + ".text", action->text());
    addText(texts, key + ".toolTip", action->toolTip());
    addText(texts, key + ".statusTip", action->statusTip());
}

Texts visibleTexts(QWidget* root)
{
    Texts texts;
    addText(texts, "windowTitle", root->windowTitle());
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (insideDataWidget(widget))
            continue;
        const QString key = pathOf(widget, root);
        if (auto* label = qobject_cast<QLabel*>(widget))
            addText(texts, key + ".text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            addText(texts, key + ".text", button->text());
            addText(texts, key + ".toolTip", button->toolTip());
        }
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            addText(texts, key + ".title", group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            addText(texts, key + ".placeholder", edit->placeholderText());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                addText(texts, key + ".tab" + QString::number(i), tabs->tabText(i));
        }
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < box->count(); ++i)
                addText(texts, key + ".item" + QString::number(i), box->itemText(i));
        }
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            for (const QAction* action : menu->actions())
                collectAction(texts, key + "/" + action->objectName() + action->text(), action);
        }
        for (const QAction* action : widget->actions())
            collectAction(texts, key + "/action:" + action->objectName(), action);
    }
    for (const QAction* action : root->actions())
        collectAction(texts, "action:" + action->objectName(), action);
    return texts;
}

// Texts that stay as they are in a language: the program's and the data's names, and the
// words that Indonesian spells as English does.
const std::set<QString> kSameInEveryLanguage = {"Tilvane", "Select reciters to be play:"};
const std::set<QString> kSameInIndonesian = {" Audio ", "&OK", "Volume", "Ayat", "Juz", "Audio", "Sepia"};

// What a reader would still find in English: the texts that did not change from English.
QStringList leftInEnglish(const Texts& english, const Texts& translated, const QString& language)
{
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    QStringList left;
    for (const auto& [key, text] : english) {
        const auto found = translated.find(key);
        if (found == translated.end() || found->second != text || !text.contains(latinWord)
            || kSameInEveryLanguage.count(text.trimmed()) != 0
            || (language == "id" && kSameInIndonesian.count(text) != 0))
            continue;
        left << key.section(QLatin1Char('/'), -2) + " = " + text;
    }
    return left;
}

Texts settingsDialogTexts()
{
    TDlgSett dialog;
    return visibleTexts(&dialog);
}

QString aboutText(TfmMain& window)
{
    return window.ui().redt1->toPlainText();
}

} // namespace

TEST(InterfaceLanguage, SystemLanguagesAndStoredValuesChooseAShippedLanguage)
{
    struct Case {
        QString setting;
        QStringList system;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"system", {"id-ID"}, "id"},
        {"system", {"fr-FR", "ar_EG.UTF-8"}, "ar"},
        {"system", {"C"}, "en"},
        {"system", {}, "en"},
        {"en", {"ar"}, "en"},
        {"ar", {"id"}, "ar"},
        {"xx", {"id"}, "id"}, // an unknown stored value follows the system
    };
    for (const Case& test : cases)
        EXPECT_EQ(interfaceLanguageFor(test.setting, test.system), test.expected) << test.setting.toStdString() << test.system.join(",").toStdString();
}

TEST(InterfaceLanguage, EveryShippedLanguageTranslatesTheWindowTheSettingsAndAboutAndArabicMirrors)
{
    guiApp();
    TestAppFolder app;
    ErrorCapture errors;
    applyInterfaceLanguage("en");
    std::unique_ptr<TfmMain> window = showReaderAt(app, 2, 255);
    ASSERT_NE(window, nullptr);
    const Texts windowEnglish = visibleTexts(window.get());
    const Texts settingsEnglish = settingsDialogTexts();
    const QString aboutEnglish = aboutText(*window);
    ASSERT_GT(windowEnglish.size(), 60u);

    for (const QString language : {"id", "ar"}) {
        SCOPED_TRACE(language.toStdString());
        applyInterfaceLanguage(language);
        QCoreApplication::processEvents(); // the layouts follow the new direction
        EXPECT_EQ(currentInterfaceLanguage(), language);
        EXPECT_EQ(leftInEnglish(windowEnglish, visibleTexts(window.get()), language), QStringList());
        EXPECT_EQ(leftInEnglish(settingsEnglish, settingsDialogTexts(), language), QStringList());
        EXPECT_NE(aboutText(*window), aboutEnglish);
        const bool arabic = language == "ar";
        EXPECT_EQ(window->layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
        // Mirrored, the contents panel stands left of the page.
        const int pageX = window->ui().nbQuran->mapTo(window.get(), QPoint(0, 0)).x();
        const int contentsX = window->ui().panContents->mapTo(window.get(), QPoint(0, 0)).x();
        EXPECT_EQ(contentsX < pageX, arabic);
    }

    applyInterfaceLanguage("en");
    QCoreApplication::processEvents();
    EXPECT_EQ(visibleTexts(window.get()), windowEnglish);
    EXPECT_EQ(aboutText(*window), aboutEnglish);
    EXPECT_EQ(errors.messages(), QStringList());
}
