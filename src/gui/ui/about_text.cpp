#include "gui/ui/about_text.h"

#include "core/app/app_info.h"
#include "core/app/product.h"
#include "gui/app/qt_text.h"
#include "gui/i18n/live_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTextEdit>

namespace tilvane {

namespace {

constexpr QRgb kMaroon = 0x800000; // the colour value 0x000080 read as red in the low byte

enum AboutStyle { Regular = 0, Bold = 1, BoldUnderlined = 5 };

const QString kCopyright = QStringLiteral("Copyright (C) 2026 The Tilvane developers");
const QString kContactMail = QStringLiteral("contact@tilvane.example");

// Sets the paragraph alignment and the character format of the text typed next.
void SetAboutStyle(QTextEdit* edit, Qt::Alignment alignment, int points, AboutStyle style, QRgb colour)
{
    edit->setAlignment(alignment);
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(style == Regular ? QFont::Normal : QFont::Bold);
    format.setFontUnderline(style == BoldUnderlined);
    format.setForeground(QColor(colour));
    edit->setCurrentCharFormat(format);
}

void addLine(QTextEdit* edit, const QString& text = {})
{
    edit->append(text);
}

class AboutText {
    Q_DECLARE_TR_FUNCTIONS(AboutText)
public:
    static void write(QTextEdit* redt1, QLabel* linkLabel, const QString& executablePath);
};

} // namespace

QString lastUpdateText(const QDateTime& stamp, const QLocale& locale)
{
    return locale.toString(stamp, QStringLiteral("d MMM yy - hh:mm"));
}

void BuildAboutText(QTextEdit* redt1, QLabel* linkLabel, const QString& executablePath)
{
    keepTranslated(redt1, [redt1, linkLabel, executablePath] { AboutText::write(redt1, linkLabel, executablePath); });
}

void AboutText::write(QTextEdit* redt1, QLabel* linkLabel, const QString& executablePath)
{
    const QString web = toQString(kProductWebAddress);
    linkLabel->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(web, kCopyright));
    redt1->clear();
    // The first paragraph exists already; typing into it keeps the count of blanks exact.
    auto line = [redt1, first = true](const QString& text = {}) mutable {
        if (first) {
            redt1->insertPlainText(text);
            first = false;
        } else {
            addLine(redt1, text);
        }
    };

    SetAboutStyle(redt1, Qt::AlignHCenter, 14, Bold, kMaroon);
    line(toQString(AppName));
    SetAboutStyle(redt1, Qt::AlignHCenter, 10, Bold, 0);
    line(toQString(AppVersion));
    SetAboutStyle(redt1, Qt::AlignHCenter, 9, Regular, 0);
    line(tr("Last Update: %1").arg(lastUpdateText(QFileInfo(executablePath).lastModified())));
    line();
    SetAboutStyle(redt1, Qt::AlignLeft, 8, Regular, 0);
    line(tr("Tilvane is a free desktop Quran reader, built on openly licensed Quran text and translation "
         "data, for everyone who wants to read the Quran and listen to its recitation on a computer "
         "of their own."));
    line(tr("Thank you for your kindness in evaluating and using this program."));
    line();
    line(tr("The Tilvane developers"));
    line();
    line(tr("Your suggestions are most welcome, you can reach me at:"));
    line();
    line("   " + kContactMail);
    line("   " + web);

    line();
    line();
    SetAboutStyle(redt1, Qt::AlignLeft, 8, BoldUnderlined, kMaroon);
    line(tr("Distribution"));
    line();
    SetAboutStyle(redt1, Qt::AlignLeft, 8, Regular, 0);
    line(tr("Tilvane is free software: you can redistribute it and/or modify it under the terms of the "
         "GNU General Public License as published by the Free Software Foundation, either version 3 "
         "of the License, or (at your option) any later version. The Arabic text, the Arabic sura "
         "names and the other translations come from the quran-json package (CC BY-SA 4.0 licence); "
         "the Indonesian translation, transliteration and sura meanings from the quran-pack package "
         "(ISC licence); the index of juz, hizb, pages and sajda from the quran-meta package (MIT "
         "licence); the Arabic font is SIL Scheherazade (SIL Open Font License)."));
    line();
    line(tr("You may give away or sell copies, alone or together with other products, as long as you "
         "pass on the same freedoms and the source code under the same licence; its full text comes "
         "with the program (LICENSE, or /usr/share/common-licenses/GPL-3 on Debian). %1.").arg(kCopyright));
    line();
    SetAboutStyle(redt1, Qt::AlignLeft, 8, BoldUnderlined, kMaroon);
    line(tr("Disclaimer of Warranty"));
    line();
    SetAboutStyle(redt1, Qt::AlignLeft, 8, Regular, kMaroon);
    line(tr("THIS SOFTWARE AND THE ACCOMPANYING FILES ARE PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY "
         "KIND, EXPRESS OR IMPLIED. THE WHOLE RISK OF USING THIS SOFTWARE IS WITH YOU, THE USER."));

    QTextCursor top(redt1->document());
    top.movePosition(QTextCursor::Start);
    top.insertBlock();
    top.movePosition(QTextCursor::Start);
    redt1->setTextCursor(top);
}

} // namespace tilvane
