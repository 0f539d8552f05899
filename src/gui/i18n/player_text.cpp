#include "gui/i18n/player_text.h"

#include "gui/app/qt_text.h"

#include <QCoreApplication>

namespace tilvane {

namespace {

// The words the core's player hands to its host; these marks let lupdate collect them.
[[maybe_unused]] constexpr const char* kPlayerWords[] = {
    QT_TRANSLATE_NOOP("PlayerText", "Stopped"), QT_TRANSLATE_NOOP("PlayerText", "Playing"),
    QT_TRANSLATE_NOOP("PlayerText", "Paused"),  QT_TRANSLATE_NOOP("PlayerText", "Waiting"),
    QT_TRANSLATE_NOOP("PlayerText", "Play"),    QT_TRANSLATE_NOOP("PlayerText", "Pause"),
    QT_TRANSLATE_NOOP("PlayerText", "Resume"),  QT_TRANSLATE_NOOP("PlayerText", "Mute"),
    QT_TRANSLATE_NOOP("PlayerText", "Unmute"),  QT_TRANSLATE_NOOP("PlayerText", "Play|Play current aya"),
    QT_TRANSLATE_NOOP("PlayerText", "Stop|Stop playing current aya"),
    QT_TRANSLATE_NOOP("PlayerText", "Previous Aya"),
    QT_TRANSLATE_NOOP("PlayerText", "Next Aya"),
};

} // namespace

QString playerText(const std::string& text)
{
    return QCoreApplication::translate("PlayerText", text.c_str());
}

} // namespace tilvane
