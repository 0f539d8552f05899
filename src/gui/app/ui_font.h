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

} // namespace tilvane
