#include "gui/app/position_autosave.h"

#include "core/base/errors.h"
#include "core/app/settings.h"
#include "core/app/window_state.h"
#include "gui/app/error_handler.h"

namespace tilvane {

PositionAutosave::PositionAutosave(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { save(); });
}

void PositionAutosave::positionShown(TQuranPos pos)
{
    m_shown = pos;
    if (pos.Sura != 0 && pos != m_saved && !m_timer.isActive())
        m_timer.start();
}

void PositionAutosave::save()
{
    if (m_shown == m_saved)
        return;
    try {
        SaveReadingPosition(m_shown);
    } catch (const TilvaneError& error) {
        // Said once: a file that cannot be written would otherwise report every move.
        if (!m_failing)
            reportError(QString::fromStdString(error.what()));
        m_failing = true;
        return;
    }
    m_failing = false;
    m_saved = m_shown;
    AppSet.LastOpenedSura = m_shown.Sura;
    AppSet.LastOpenedAya = m_shown.Aya;
    emit saved(m_shown);
}

} // namespace tilvane
