#pragma once

#include "core/quran/quran_pos.h"

#include <QObject>
#include <QTimer>

namespace tilvane {

// Keeps the settings file's last-read position close behind the shown one, so that a reader
// that is killed resumes where it was: the first move after a save starts a short timer and
// its end saves the position shown then, so no move waits longer than the delay.
class PositionAutosave : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1500;

    explicit PositionAutosave(QObject* parent = nullptr);

    // The position the file holds already (after loading the settings).
    void setSaved(TQuranPos pos) { m_saved = pos; }
    void positionShown(TQuranPos pos);

signals:
    void saved(TQuranPos pos);

private:
    void save();

    QTimer m_timer;
    TQuranPos m_shown;
    TQuranPos m_saved;
    bool m_failing = false;
};

} // namespace tilvane
