#pragma once

#include <QFont>

namespace tilvane {

// The windows' design font. Tahoma is rarely installed outside Windows; the style hint lets
// the font matcher fall back to the system's sans-serif font.
inline QFont tahomaFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// For Quran text in lists and labels: the interface font breaks the Uthmani marks apart.
// One size step above `base`, where the marks stay legible.
inline QFont quranFont(const QFont& base)
{
    QFont font(QStringLiteral("Scheherazade"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(base.pointSizeF() > 0 ? base.pointSizeF() * 1.5 : 12.0);
    return font;
}

} // namespace tilvane
